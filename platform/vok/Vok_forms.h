/// Forms and dialogs: a run-time form for dialogs with a modal result, its
/// push buttons and date-time pickers (controls are placed by coordinates
/// with SetBounds), and the color dialog. \file
#pragma once

#include <vok/Vok_components.h>
#include <vok/Vok_controls.h>

#include <QDateTimeEdit>
#include <QDialog>
#include <QPushButton>

namespace vok {

/// The result of a modal form: mrNone while it runs, else the button that ended it.
///@{
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
///@}

/// The border styles of forms beyond the controls' bsNone and bsSingle (0, 1).
enum TFormBorderStyle { bsSizeable = 2, bsDialog = 3, bsToolWindow = 4, bsSizeToolWin = 5 };

/// A form on QDialog. ShowModal() runs until ModalResult becomes non-zero
/// (a button with a ModalResult, SetModalResult, Escape or closing the
/// window, which give mrCancel) and returns it.
class VOK_EXPORT TForm : public TControlOn<QDialog>
{
    Q_OBJECT
    /// The window title.
    Q_PROPERTY(QString Caption READ GetCaption WRITE SetCaption)
public:
    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TForm(QWidget* AOwner = nullptr);

    /// The window title.
    ///@{
    QString GetCaption() const { return windowTitle(); }
    void SetCaption(const QString& Value) { setWindowTitle(Value); }
    ///@}
    void SetClientWidth(int Value) { SetWidth(Value); } ///< Sets the width of the client area.
    void SetClientHeight(int Value) { SetHeight(Value); } ///< Sets the height of the client area.
    TFormBorderStyle GetBorderStyle() const { return FBorderStyle; } ///< The border style.
    /// bsDialog fixes the size the form has when shown.
    void SetBorderStyle(TFormBorderStyle Value) { FBorderStyle = Value; }

    TModalResult GetModalResult() const { return FModalResult; } ///< The modal result so far.
    /// A non-zero value ends a running ShowModal.
    void SetModalResult(TModalResult Value);
    TModalResult ShowModal(); ///< Shows the form modally until ModalResult is set; returns it.
    /// Ends a modal run with mrCancel, hides a modeless form.
    void Close();

    void done(int Result) override; ///< Qt's end of a dialog, which also sets ModalResult.

private:
    TFormBorderStyle FBorderStyle = bsSizeable;
    TModalResult FModalResult = mrNone;
    bool FModal = false;
};

/// The form a control sits on (nullptr if none).
VOK_EXPORT TForm* GetParentForm(const QWidget* Control);

/// A push button; a click sets its ModalResult on the parent form before OnClick.
class VOK_EXPORT TButton : public TControlOn<QPushButton>
{
    Q_OBJECT
    /// The button's text.
    Q_PROPERTY(QString Caption READ GetCaption WRITE SetCaption)
    /// The modal result a click gives the form; non-zero ends ShowModal.
    Q_PROPERTY(int ModalResult READ GetModalResult WRITE SetModalResult)
public:
    /// 75 by 25 pixels, tab stop.
    explicit TButton(QWidget* AOwner = nullptr);

    /// The button's text.
    ///@{
    QString GetCaption() const { return text(); }
    void SetCaption(const QString& Value) { setText(Value); }
    ///@}
    /// The modal result a click gives the form; non-zero ends ShowModal.
    ///@{
    TModalResult GetModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }
    ///@}
    /// The button Return presses.
    ///@{
    bool GetDefault() const { return isDefault(); }
    void SetDefault(bool Value) { setDefault(Value); }
    ///@}

    void Click() override;

private:
    TModalResult FModalResult = mrNone;
};

/// The Qt display format of a classic date/time format: the same letters
/// (yyyy, yy, MMMM, MMM, MM, M, dddd, ddd, dd, d, HH, H, hh, h, mm, m, ss, s)
/// with "tt" and "t" as Qt's AM/PM marker; quoted text stays literal.
VOK_EXPORT QString QtDateTimeFormat(const QString& ClassicFormat);

/// A date and time picker on QDateTimeEdit; the value is a TDateTime.
class VOK_EXPORT TDateTimePicker : public TControlOn<QDateTimeEdit>
{
    Q_OBJECT
    /// The date and time (days since 1899-12-30).
    Q_PROPERTY(double DateTime READ GetDateTime WRITE SetDateTime NOTIFY changed)
    /// The display format.
    Q_PROPERTY(QString Format READ GetFormat WRITE SetFormat)
    /// A number for the host's own use.
    Q_PROPERTY(qlonglong Tag READ GetTag WRITE SetTag)
public:
    /// 186 by 21 pixels, the current date and time, the short date format.
    explicit TDateTimePicker(QWidget* AOwner = nullptr);

    /// The date and time (days since 1899-12-30).
    ///@{
    double GetDateTime() const;
    void SetDateTime(double Value);
    ///@}
    /// The classic display format ("dd.MM.yyyy HH:mm").
    ///@{
    QString GetFormat() const { return FFormat; }
    void SetFormat(const QString& Value);
    ///@}
    /// The value as shown, in the display format.
    QString GetText() const { return text(); }

    TNotifyEvent OnChange; ///< Fired when the date or time changes.

Q_SIGNALS:
    void changed(); ///< Emitted with OnChange.

private:
    QString FFormat;
};

/// The system's color dialog.
class VOK_EXPORT TColorDialog : public TComponent
{
    Q_OBJECT
public:
    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TColorDialog(QObject* AOwner = nullptr);

    /// The color the dialog starts with and returns.
    ///@{
    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    ///@}
    /// Shows the dialog modally with Color; true and the chosen Color when
    /// the user confirms, false (Color unchanged) when cancelled.
    bool Execute();

private:
    TColor FColor;
};

/// Replaces the modal dialog behind every TColorDialog::Execute, for example
/// to answer it in a test: the hook gets the dialog's Color and returns true
/// with the chosen color in it, or false for a cancel. An empty hook restores
/// the dialog.
using TColorDialogHook = std::function<bool(TColor& Color)>;
VOK_EXPORT void SetColorDialogHook(TColorDialogHook Hook); ///< Installs the hook.

} // namespace vok
