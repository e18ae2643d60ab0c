/// The single-line edit control, on its own so that a component deriving from
/// it does not pull in the other standard controls. \file
#pragma once

#include <vok/Vok_basetypes.h>
#include <vok/Vok_controls.h>

#include <QLineEdit>

namespace vok {

/// A single-line edit on QLineEdit. Change() runs after every change of the
/// text, by typing, pasting or SetText, and fires OnChange.
class VOK_EXPORT TCustomEdit : public TControlOn<QLineEdit>
{
    Q_OBJECT
    /// The text.
    Q_PROPERTY(QString Text READ GetText WRITE SetText NOTIFY changed)
    /// Whether typing leaves the text alone.
    Q_PROPERTY(bool ReadOnly READ GetReadOnly WRITE SetReadOnly)
    /// Longest text in characters; 0: no limit.
    Q_PROPERTY(int MaxLength READ GetMaxLength WRITE SetMaxLength)
    /// Background color ($00BBGGRR or a system color).
    Q_PROPERTY(quint32 Color READ GetColor WRITE SetColor)
    /// A number for the host's own use.
    Q_PROPERTY(qlonglong Tag READ GetTag WRITE SetTag)
public:
    /// 121 by 21 pixels, white, tab stop.
    explicit TCustomEdit(QWidget* AOwner = nullptr);

    /// The text.
    ///@{
    QString GetText() const { return text(); }
    void SetText(const QString& Value) { setText(Value); }
    ///@}

    /// The selection: SelStart is the caret when nothing is selected, else
    /// the selection's first character; SelLength the selected characters.
    ///@{
    int GetSelStart() const;
    void SetSelStart(int Value);
    int GetSelLength() const;
    void SetSelLength(int Value);
    QString GetSelText() const { return selectedText(); }
    void SetSelText(const QString& Value) { insert(Value); }
    void SelectAll() { selectAll(); }
    void ClearSelection() { deselect(); }
    void Clear() { clear(); } ///< Empties the text.
    ///@}

    /// Whether typing leaves the text alone.
    ///@{
    bool GetReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool Value) { setReadOnly(Value); }
    ///@}
    /// 0: no limit.
    ///@{
    int GetMaxLength() const;
    void SetMaxLength(int Value);
    ///@}
    /// Alignment of the text.
    ///@{
    TAlignment GetAlignment() const;
    void SetAlignment(TAlignment Value);
    ///@}

    /// Fires OnChange, then changed().
    virtual void Change();

    TNotifyEvent OnChange; ///< Fired when the text changes.

Q_SIGNALS:
    void changed(); ///< Emitted with OnChange.

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
