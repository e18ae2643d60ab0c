#include <vok/Vok_forms.h>

#include <vok/Vok_syscolors.h>
#include <vok/Vok_system.h>

#include <QColorDialog>

namespace vok {

// ---------------------------------------------------------------- TForm

TForm::TForm(QWidget* AOwner)
    : TControlOn<QDialog>(AOwner)
{
    SetVisible(false); // a form opens with Show or ShowModal
    SetBounds(0, 0, 400, 300);
}

void TForm::SetModalResult(TModalResult Value)
{
    FModalResult = Value;
    if (FModal && Value != mrNone)
        done(Value);
}

TModalResult TForm::ShowModal()
{
    if (FBorderStyle == bsDialog)
        setFixedSize(size());
    FModalResult = mrNone;
    FModal = true;
    exec();
    FModal = false;
    return FModalResult;
}

void TForm::Close()
{
    if (FModal)
        SetModalResult(mrCancel);
    else
        hide();
}

void TForm::done(int Result)
{
    // Qt's reject (Escape, the window's close button) is the classic cancel.
    FModalResult = Result == QDialog::Rejected ? mrCancel : Result;
    QDialog::done(Result);
}

TForm* GetParentForm(const QWidget* Control)
{
    for (QWidget* W = Control ? Control->parentWidget() : nullptr; W; W = W->parentWidget()) {
        if (auto* Form = qobject_cast<TForm*>(W))
            return Form;
    }
    return nullptr;
}

// ---------------------------------------------------------------- TButton

TButton::TButton(QWidget* AOwner)
    : TControlOn<QPushButton>(AOwner)
{
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
    // QPushButton reports clicks by mouse and keyboard alike.
    SetClickOnRelease(false);
    connect(this, &QPushButton::clicked, this, [this] { Click(); });
}

void TButton::Click()
{
    if (FModalResult != mrNone) {
        if (TForm* Form = GetParentForm(this))
            Form->SetModalResult(FModalResult);
    }
    TControlOn<QPushButton>::Click();
}

// ---------------------------------------------------------------- TDateTimePicker

QString QtDateTimeFormat(const QString& ClassicFormat)
{
    QString Result;
    for (qsizetype I = 0; I < ClassicFormat.size(); ++I) {
        const QChar C = ClassicFormat.at(I);
        if (C == QLatin1Char('\'') || C == QLatin1Char('"')) {
            // Quoted literal: copied in Qt's single quotes.
            const qsizetype End = ClassicFormat.indexOf(C, I + 1);
            const qsizetype Stop = End < 0 ? ClassicFormat.size() : End;
            Result += QLatin1Char('\'') + ClassicFormat.mid(I + 1, Stop - I - 1) + QLatin1Char('\'');
            I = Stop;
        } else if (C == QLatin1Char('t')) {
            Result += QStringLiteral("AP");
            if (I + 1 < ClassicFormat.size() && ClassicFormat.at(I + 1) == QLatin1Char('t'))
                ++I;
        } else {
            Result += C;
        }
    }
    return Result;
}

TDateTimePicker::TDateTimePicker(QWidget* AOwner)
    : TControlOn<QDateTimeEdit>(AOwner)
{
    SetBounds(0, 0, 186, 21);
    SetTabStop(true);
    SetFormat(QStringLiteral("dd.MM.yyyy"));
    setDateTime(CurrentDateTime());
    connect(this, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (OnChange)
            OnChange(this);
        Q_EMIT changed();
    });
}

double TDateTimePicker::GetDateTime() const { return DateTimeToTDateTime(dateTime()); }

void TDateTimePicker::SetDateTime(double Value) { setDateTime(TDateTimeToDateTime(Value)); }

void TDateTimePicker::SetFormat(const QString& Value)
{
    FFormat = Value;
    setDisplayFormat(QtDateTimeFormat(Value));
}

// ---------------------------------------------------------------- TColorDialog

TColorDialog::TColorDialog(QObject* AOwner)
    : TComponent(AOwner)
    , FColor(clBlack)
{
}

namespace {
TColorDialogHook& ColorDialogHook()
{
    static TColorDialogHook Hook;
    return Hook;
}
} // namespace

void SetColorDialogHook(TColorDialogHook Hook) { ColorDialogHook() = std::move(Hook); }

bool TColorDialog::Execute()
{
    if (ColorDialogHook()) {
        TColor Chosen = FColor;
        if (!ColorDialogHook()(Chosen))
            return false;
        FColor = Chosen;
        return true;
    }
    QColorDialog Dialog(ColorToQColor(FColor), qobject_cast<QWidget*>(parent()));
    if (Dialog.exec() != QDialog::Accepted)
        return false;
    FColor = QColorToColor(Dialog.selectedColor());
    return true;
}

} // namespace vok
