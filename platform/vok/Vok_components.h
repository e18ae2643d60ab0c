/// Components: the name, the design and loading state, and the Assign/AssignTo
/// pattern shared by every control and by the non-visual components. \file
#pragma once

#include <vok/Vok_basetypes.h>
#include <vok/vok_export.h>

#include <QFlags>
#include <QObject>
#include <QVariantMap>

namespace vok {

/// States of a component.
enum TComponentStateFlag {
    csLoading = 0x01,   ///< properties are being streamed in; Loaded() follows
    csDesigning = 0x02, ///< the component sits in a form designer
};
/// Set of TComponentStateFlag.
Q_DECLARE_FLAGS(TComponentState, TComponentStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TComponentState)

/// Streams Properties (Qt property name -> value) into Component as a form
/// loader does: csLoading, every property in turn, then Loaded() once. An
/// unknown property or one whose value does not convert raises EVOKError
/// before anything is set.
VOK_EXPORT void LoadComponentProperties(QObject* Component, const QVariantMap& Properties);

/// What every component has besides its QObject: the object it is (Self), its
/// state, the loaded notification and the assignment of settings. Controls and
/// plain components mix it into their Qt class.
class VOK_EXPORT TComponentCore
{
public:
    /// A component placed on a designing owner is designing too.
    TComponentCore(QObject* Self, QObject* Owner);
    virtual ~TComponentCore();
    TComponentCore(const TComponentCore&) = delete;
    TComponentCore& operator=(const TComponentCore&) = delete;

    QObject* Self() const { return FSelf; } ///< The QObject this component is.

    /// Name is the Qt object name.
    ///@{
    QString GetName() const { return FSelf->objectName(); }
    void SetName(const QString& Value) { FSelf->setObjectName(Value); }
    ///@}

    TComponentState GetComponentState() const { return FState; } ///< The component's state flags.
    bool IsDesigning() const { return FState.testFlag(csDesigning); } ///< Whether the component sits in a form designer.
    bool IsLoading() const { return FState.testFlag(csLoading); } ///< Whether properties are being streamed in.

    /// Marks this component and every component it owns as designing (or not).
    void SetDesigning(bool Value);

    /// Sets csLoading; whoever streams the properties in calls Loaded() after
    /// the last one.
    void BeginLoading();
    /// The loaded notification: clears csLoading. Overrides call the inherited
    /// Loaded() first and then finish what the streamed values need.
    virtual void Loaded();

    /// Copies the settings of Source. The default hands the work to
    /// Source->AssignTo(this); a component that knows Source's class copies
    /// itself and does not call the inherited version. A null or unknown
    /// source raises EVOKError "Cannot assign a <source class> to a <class>".
    virtual void Assign(QObject* Source);
    /// Copies this component's settings into Dest. The default raises
    /// EVOKError "Cannot assign a <class> to a <dest class>".
    virtual void AssignTo(QObject* Dest);

protected:
    /// The usual AssignTo body: when this component is an instance of Dest's
    /// class, Dest->Assign(this) and true; otherwise false (call the inherited
    /// AssignTo then). A Dest whose Assign hands the work back does not loop:
    /// the second call raises the assignment error.
    bool AssignToKindOf(QObject* Dest);

private:
    friend void LoadComponentProperties(QObject*, const QVariantMap&);

    QObject* FSelf;
    TComponentState FState;
    bool FAssigningTo = false;
};

/// The class name of an object without the namespace, for messages.
VOK_EXPORT QString ComponentClassName(const QObject* Object);

/// A non-visual component: a QObject owned by its owner.
class VOK_EXPORT TComponent : public QObject, public TComponentCore
{
    Q_OBJECT
public:
    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TComponent(QObject* AOwner = nullptr);
};

} // namespace vok
