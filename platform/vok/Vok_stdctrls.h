// Standard controls the components derive from or place on forms, each on
// its natural Qt widget (or on the canvas control where the classic control
// draws itself): edit, label, panel, speed button and combo box.
#pragma once

#include <vok/Vok_bitmap.h>
#include <vok/Vok_controls.h>
#include <vok/Vok_edit.h>

#include <QComboBox>
#include <QToolButton>

namespace vok {

inline namespace StdCtrlsEnums {
Q_NAMESPACE_EXPORT(VOK_EXPORT)
enum TTextLayout { tlTop, tlCenter, tlBottom };
Q_ENUM_NS(TTextLayout)
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
Q_ENUM_NS(TBevelCut)
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
Q_ENUM_NS(TComboBoxStyle)
} // namespace StdCtrlsEnums

// DrawText flags of DoDrawText.
inline constexpr int DT_LEFT = 0x0000;
inline constexpr int DT_CENTER = 0x0001;
inline constexpr int DT_RIGHT = 0x0002;
inline constexpr int DT_VCENTER = 0x0004;
inline constexpr int DT_BOTTOM = 0x0008;
inline constexpr int DT_WORDBREAK = 0x0010;
inline constexpr int DT_CALCRECT = 0x0400;

// The lines a text breaks into within Width pixels (at blanks; a word wider
// than Width stands alone), measured with Measure. Line breaks in the text
// are kept.
VOK_EXPORT QStringList WrapTextLines(const QString& Text, int Width, const std::function<int(const QString&)>& Measure);

// A label drawn on its canvas: the background in Color unless Transparent,
// then the caption through DoDrawText, embossed while disabled.
class VOK_EXPORT TCustomLabel : public TGraphicControl
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ GetCaption WRITE SetCaption)
    Q_PROPERTY(bool Transparent READ GetTransparent WRITE SetTransparent)
    Q_PROPERTY(bool WordWrap READ GetWordWrap WRITE SetWordWrap)
    Q_PROPERTY(bool AutoSize READ GetAutoSize WRITE SetAutoSize)
    Q_PROPERTY(vok::InputEnums::TAlignment Alignment READ GetAlignment WRITE SetAlignment)
    Q_PROPERTY(vok::StdCtrlsEnums::TTextLayout Layout READ GetLayout WRITE SetLayout)
public:
    // 65 by 17 pixels, AutoSize on, opaque.
    // Static text for assistive technology, named by the caption.
    explicit TCustomLabel(QWidget* AOwner = nullptr);

    QString GetCaption() const { return FCaption; }
    void SetCaption(const QString& Value);
    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TTextLayout GetLayout() const { return FLayout; }
    void SetLayout(TTextLayout Value);
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    bool GetWordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);

    void Paint() override;
    QAccessible::Role AccessibleRole() const override;
    QString AccessibleName() const override;
    // Draws the caption into Rect with DT_ flags; with DT_CALCRECT it only
    // sets Rect's right and bottom to the text's extent.
    virtual void DoDrawText(TRect& Rect, int Flags);

protected:
    void FontChanged() override;

private:
    void AdjustBounds();
    int DrawTextFlags() const;

    QString FCaption;
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FTransparent = false;
    bool FWordWrap = false;
    bool FAutoSize = true;
};

class VOK_EXPORT TLabel : public TCustomLabel
{
    Q_OBJECT
public:
    using TCustomLabel::TCustomLabel;
};

// Draws Width nested one-pixel frames inside Rect, TopColor on the top and
// left edges, BottomColor on the bottom and right, and shrinks Rect by them.
VOK_EXPORT void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);

// A panel drawing itself: Color, an outer and an inner bevel, the caption.
class VOK_EXPORT TCustomPanel : public TCustomControl
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ GetCaption WRITE SetCaption)
    Q_PROPERTY(vok::InputEnums::TAlignment Alignment READ GetAlignment WRITE SetAlignment)
    Q_PROPERTY(vok::StdCtrlsEnums::TBevelCut BevelOuter READ GetBevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(vok::StdCtrlsEnums::TBevelCut BevelInner READ GetBevelInner WRITE SetBevelInner)
    Q_PROPERTY(int BevelWidth READ GetBevelWidth WRITE SetBevelWidth)
public:
    // 185 by 41 pixels, clBtnFace, raised outer bevel, centered caption.
    // A pane for assistive technology, named by the caption.
    explicit TCustomPanel(QWidget* AOwner = nullptr);

    QString GetCaption() const { return FCaption; }
    void SetCaption(const QString& Value);
    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TBevelCut GetBevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut Value);
    TBevelCut GetBevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut Value);
    int GetBevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    bool GetShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool Value);
    bool GetParentBackground() const { return FParentBackground; }
    void SetParentBackground(bool Value) { FParentBackground = Value; }

    void Paint() override;
    QAccessible::Role AccessibleRole() const override;
    QString AccessibleName() const override;

private:
    QString FCaption;
    TAlignment FAlignment = taCenter;
    TBevelCut FBevelOuter = bvRaised;
    TBevelCut FBevelInner = bvNone;
    int FBevelWidth = 1;
    bool FShowCaption = true;
    bool FParentBackground = false;
};

class VOK_EXPORT TPanel : public TCustomPanel
{
    Q_OBJECT
public:
    using TCustomPanel::TCustomPanel;
};

// A flat tool button on QToolButton that never takes the focus. The click
// comes when the left button is released over it. Buttons of one parent with
// the same GroupIndex (> 0) stay down one at a time.
class VOK_EXPORT TSpeedButton : public TControlOn<QToolButton>
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ GetCaption WRITE SetCaption)
    Q_PROPERTY(bool Down READ GetDown WRITE SetDown NOTIFY downChanged)
    Q_PROPERTY(bool Flat READ GetFlat WRITE SetFlat)
    Q_PROPERTY(int GroupIndex READ GetGroupIndex WRITE SetGroupIndex)
public:
    // 23 by 22 pixels.
    explicit TSpeedButton(QWidget* AOwner = nullptr);

    QString GetCaption() const { return text(); }
    void SetCaption(const QString& Value) { setText(Value); }
    // The picture beside the caption: SetGlyph copies Value; drawing on
    // GetGlyph()'s canvas shows at once.
    TBitmap* GetGlyph() const { return FGlyph; }
    void SetGlyph(TBitmap* Value)
    {
        FGlyph->Assign(Value);
        UpdateGlyph();
    }
    bool GetFlat() const { return autoRaise(); }
    void SetFlat(bool Value) { setAutoRaise(Value); }
    int GetGroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    bool GetAllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
    // Whether the button shows pressed: held by the mouse, or latched in a group.
    bool GetDown() const { return isDown() || isChecked(); }
    void SetDown(bool Value);

    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

Q_SIGNALS:
    void downChanged(bool Down);

private:
    void UpdateGlyph();
    // downChanged when GetDown() differs from what was told last.
    void NotifyDown();

    bool FNotifiedDown = false;
    TBitmap* FGlyph;
    int FGroupIndex = 0;
    bool FAllowAllUp = false;
};


enum TOwnerDrawStateFlag { odSelected = 0x01, odFocused = 0x02, odDisabled = 0x04, odComboBoxEdit = 0x08 };
Q_DECLARE_FLAGS(TOwnerDrawState, TOwnerDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TOwnerDrawState)

class TCustomComboBox;
// Draws item Index into Rect on the combo box's canvas.
using TDrawItemEvent = std::function<void(QObject* Sender, int Index, TRect Rect, TOwnerDrawState State)>;

// A combo box on QComboBox. With an owner-drawn style every item (and the
// selected one in the closed box) is drawn by DrawItem on GetCanvas(), an
// ItemHeight-high picture of the item whose top-left is (0, 0).
class VOK_EXPORT TCustomComboBox : public TControlOn<QComboBox>
{
    Q_OBJECT
    Q_PROPERTY(int ItemIndex READ GetItemIndex WRITE SetItemIndex NOTIFY itemIndexChanged)
    Q_PROPERTY(int DropDownCount READ GetDropDownCount WRITE SetDropDownCount)
    Q_PROPERTY(QString Text READ GetText WRITE SetText NOTIFY textChanged)
    Q_PROPERTY(qlonglong Tag READ GetTag WRITE SetTag)
public:
    // 145 by 21 pixels, csDropDown, 8 rows in the list, tab stop.
    explicit TCustomComboBox(QWidget* AOwner = nullptr);

    TComboBoxStyle GetStyle() const { return FStyle; }
    void SetStyle(TComboBoxStyle Value);

    QStringList GetItems() const;
    void SetItems(const QStringList& Value);
    int AddItem(const QString& Text);
    void ClearItems() { clear(); }
    int GetItemCount() const { return count(); }
    QString GetItem(int Index) const { return itemText(Index); }

    // -1: no item.
    int GetItemIndex() const { return currentIndex(); }
    void SetItemIndex(int Value);
    // The edit text (csDropDown) or the selected item's text.
    QString GetText() const { return currentText(); }
    void SetText(const QString& Value);

    int GetDropDownCount() const { return maxVisibleItems(); }
    void SetDropDownCount(int Value) { setMaxVisibleItems(Value); }
    // The height of owner-drawn items (at least 1).
    int GetItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value);

    // The picture of the item being drawn.
    TCanvas* GetCanvas() const { return FItemCanvas; }

    bool GetDroppedDown() const;
    void SetDroppedDown(bool Value);

    // Runs just before the list drops down; fires OnDropDown.
    virtual void DropDown();
    // Runs when the user picked an item or edited the text; fires OnChange.
    virtual void Change();
    // Draws item Index; the default fires OnDrawItem, or without a handler
    // fills Rect and writes the item's text.
    virtual void DrawItem(int Index, TRect Rect, TOwnerDrawState State);
    // Renders item Index as DrawItem draws it, at the given width, at the
    // control's device pixel ratio.
    QImage RenderItem(int Index, int Width, TOwnerDrawState State);

    void showPopup() override;

    TNotifyEvent OnDropDown;
    TNotifyEvent OnChange;
    TDrawItemEvent OnDrawItem;

Q_SIGNALS:
    void changed();
    void droppedDown();
    void itemIndexChanged(int ItemIndex);
    void textChanged(const QString& Text);

protected:
    void paintEvent(QPaintEvent* Event) override;
    void ColorChanged() override;

private:
    bool IsOwnerDrawn() const { return FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable; }

    TComboBoxStyle FStyle = csDropDown;
    int FItemHeight = 16;
    QImage FItemPicture;
    TCanvas* FItemCanvas;
    bool FChangingInternally = false;
};

class VOK_EXPORT TComboBox : public TCustomComboBox
{
    Q_OBJECT
public:
    using TCustomComboBox::TCustomComboBox;
};

} // namespace vok
