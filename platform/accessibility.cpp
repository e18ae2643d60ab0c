#include "accessibility.h"

#include <vok/Vok_controls.h>

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

namespace vok {

namespace {

// Role, name, value and state come from the control; focus, disabled and
// visibility from the widget, as for every Qt widget. A control that gives
// a numeric value also offers the value interface.
class TControlAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit TControlAccessible(TControl* Control)
        : QAccessibleWidget(Control, Control->AccessibleRole())
        , FControl(Control)
    {
    }

    QAccessible::Role role() const override { return FControl->AccessibleRole(); }

    QString text(QAccessible::Text T) const override
    {
        switch (T) {
        case QAccessible::Name:
            return FControl->AccessibleName();
        case QAccessible::Value: {
            const QString Text = FControl->AccessibleValueText();
            double Value = 0, Minimum = 0, Maximum = 0;
            if (Text.isEmpty() && FControl->AccessibleValue(Value, Minimum, Maximum))
                return QString::number(Value);
            return Text;
        }
        default:
            return QAccessibleWidget::text(T);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State State = QAccessibleWidget::state();
        FControl->AccessibleState(State);
        return State;
    }

    void* interface_cast(QAccessible::InterfaceType Type) override
    {
        double Value = 0, Minimum = 0, Maximum = 0;
        if (Type == QAccessible::ValueInterface && FControl->AccessibleValue(Value, Minimum, Maximum))
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(Type);
    }

    QVariant currentValue() const override { return Part(0); }
    QVariant minimumValue() const override { return Part(1); }
    QVariant maximumValue() const override { return Part(2); }
    QVariant minimumStepSize() const override { return QVariant(); }
    // The value is the control's to change: through its own input.
    void setCurrentValue(const QVariant&) override {}

private:
    // 0: the value, 1: the minimum, 2: the maximum; invalid without a value.
    QVariant Part(int Which) const
    {
        double Values[3] = {0, 0, 0};
        if (!FControl->AccessibleValue(Values[0], Values[1], Values[2]))
            return QVariant();
        return Values[Which];
    }

    TControl* FControl;
};

QAccessibleInterface* ControlAccessibleFactory(const QString&, QObject* Object)
{
    // Qt asks with the most derived class name first: every canvas control
    // gets this interface before Qt's generic one for plain widgets.
    auto* Control = qobject_cast<TControl*>(Object);
    if (!Control || !Object->isWidgetType())
        return nullptr;
    return new TControlAccessible(Control);
}

} // namespace

void InstallControlAccessibility()
{
    static const bool Installed = [] {
        QAccessible::installFactory(ControlAccessibleFactory);
        return true;
    }();
    (void)Installed;
}

} // namespace vok
