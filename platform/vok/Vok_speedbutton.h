/// The speed button, a flat tool button for toolbars and button groups, on
/// its own so that a component deriving from it pulls in nothing else.
/// \file
#pragma once

#include <vok/Vok_bitmap.h>
#include <vok/Vok_controls.h>

#include <QToolButton>

namespace vok {

/// A flat tool button on QToolButton that never takes the focus. The click
/// comes when the left button is released over it. Buttons of one parent with
/// the same GroupIndex (> 0) stay down one at a time.
class VOK_EXPORT TSpeedButton : public TControlOn<QToolButton>
{
    Q_OBJECT
    /// The button's text.
    Q_PROPERTY(QString Caption READ GetCaption WRITE SetCaption)
    /// Whether the button is down.
    Q_PROPERTY(bool Down READ GetDown WRITE SetDown NOTIFY downChanged)
    /// Whether the button shows its frame only under the pointer.
    Q_PROPERTY(bool Flat READ GetFlat WRITE SetFlat)
    /// Buttons with the same nonzero index on one parent act as a group: one down at a time.
    Q_PROPERTY(int GroupIndex READ GetGroupIndex WRITE SetGroupIndex)
public:
    /// 23 by 22 pixels.
    explicit TSpeedButton(QWidget* AOwner = nullptr);

    /// The button's text.
    ///@{
    QString GetCaption() const { return text(); }
    void SetCaption(const QString& Value) { setText(Value); }
    ///@}
    /// The picture beside the caption: SetGlyph copies Value; drawing on
    /// GetGlyph()'s canvas shows at once.
    ///@{
    TBitmap* GetGlyph() const { return FGlyph; }
    void SetGlyph(TBitmap* Value)
    {
        FGlyph->Assign(Value);
        UpdateGlyph();
    }
    ///@}
    /// Whether the button shows its frame only under the pointer.
    ///@{
    bool GetFlat() const { return autoRaise(); }
    void SetFlat(bool Value) { setAutoRaise(Value); }
    ///@}
    /// Buttons with the same nonzero index on one parent act as a group: one down at a time.
    ///@{
    int GetGroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    ///@}
    /// Whether every button of the group may be up at once.
    ///@{
    bool GetAllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
    ///@}
    /// Whether the button shows pressed: held by the mouse, or latched in a group.
    ///@{
    bool GetDown() const { return isDown() || isChecked(); }
    void SetDown(bool Value);
    ///@}

    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

Q_SIGNALS:
    void downChanged(bool Down); ///< Emitted when Down changes.

private:
    void UpdateGlyph();
    /// downChanged when GetDown() differs from what was told last.
    void NotifyDown();

    bool FNotifiedDown = false;
    TBitmap* FGlyph;
    int FGroupIndex = 0;
    bool FAllowAllUp = false;
};

} // namespace vok
