// The single-line edit control, on its own so that a component deriving from
// it does not pull in the other standard controls.
#pragma once

#include <vok/Vok_basetypes.h>
#include <vok/Vok_controls.h>

#include <QLineEdit>

namespace vok {

// A single-line edit on QLineEdit. Change() runs after every change of the
// text, by typing, pasting or SetText, and fires OnChange.
class VOK_EXPORT TCustomEdit : public TControlOn<QLineEdit>
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ GetText WRITE SetText)
    Q_PROPERTY(bool ReadOnly READ GetReadOnly WRITE SetReadOnly)
    Q_PROPERTY(int MaxLength READ GetMaxLength WRITE SetMaxLength)
    Q_PROPERTY(quint32 Color READ GetColor WRITE SetColor)
    Q_PROPERTY(qlonglong Tag READ GetTag WRITE SetTag)
public:
    // 121 by 21 pixels, white, tab stop.
    explicit TCustomEdit(QWidget* AOwner = nullptr);

    QString GetText() const { return text(); }
    void SetText(const QString& Value) { setText(Value); }

    // The selection: SelStart is the caret when nothing is selected, else
    // the selection's first character; SelLength the selected characters.
    int GetSelStart() const;
    void SetSelStart(int Value);
    int GetSelLength() const;
    void SetSelLength(int Value);
    QString GetSelText() const { return selectedText(); }
    void SetSelText(const QString& Value) { insert(Value); }
    void SelectAll() { selectAll(); }
    void ClearSelection() { deselect(); }
    void Clear() { clear(); }

    bool GetReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool Value) { setReadOnly(Value); }
    // 0: no limit.
    int GetMaxLength() const;
    void SetMaxLength(int Value);
    TAlignment GetAlignment() const;
    void SetAlignment(TAlignment Value);

    virtual void Change();

    TNotifyEvent OnChange;

protected:
    void ColorChanged() override;
};

class VOK_EXPORT TEdit : public TCustomEdit
{
    Q_OBJECT
public:
    using TCustomEdit::TCustomEdit;
};

} // namespace vok
