/// Standard controls the components derive from or place on forms, each on
/// its natural Qt widget (or on the canvas control where the classic control
/// draws itself): edit, label, panel, speed button and combo box. \file
#pragma once

#include <vok/Vok_bitmap.h>
#include <vok/Vok_controls.h>
#include <vok/Vok_edit.h>

#include <QComboBox>
#include <QToolButton>

namespace vok {

inline namespace StdCtrlsEnums {
Q_NAMESPACE_EXPORT(VOK_EXPORT)
/// Vertical placement of a caption: top, center, bottom.
enum TTextLayout { tlTop, tlCenter, tlBottom };
Q_ENUM_NS(TTextLayout)
/// A bevel: none, lowered, raised, or a space of the bevel's width.
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
Q_ENUM_NS(TBevelCut)
/// The kind of combo box: editable, simple, list only, or drawn by the host.
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
Q_ENUM_NS(TComboBoxStyle)
} // namespace StdCtrlsEnums

/// DrawText flags of DoDrawText.
///@{
inline constexpr int DT_LEFT = 0x0000;
inline constexpr int DT_CENTER = 0x0001;
inline constexpr int DT_RIGHT = 0x0002;
inline constexpr int DT_VCENTER = 0x0004;
inline constexpr int DT_BOTTOM = 0x0008;
inline constexpr int DT_WORDBREAK = 0x0010;
inline constexpr int DT_CALCRECT = 0x0400;
///@}

/// The lines a text breaks into within Width pixels (at blanks; a word wider
/// than Width stands alone), measured with Measure. Line breaks in the text
/// are kept.
VOK_EXPORT QStringList WrapTextLines(const QString& Text, int Width, const std::function<int(const QString&)>& Measure);

/// A label drawn on its canvas: the background in Color unless Transparent,
/// then the caption through DoDrawText, embossed while disabled.
class VOK_EXPORT TCustomLabel : public TGraphicControl
{
    Q_OBJECT
    /// The text.
    Q_PROPERTY(QString Caption READ GetCaption WRITE SetCaption)
    /// Whether the parent shows through the background.
    Q_PROPERTY(bool Transparent READ GetTransparent WRITE SetTransparent)
    /// Whether long captions wrap at word boundaries.
    Q_PROPERTY(bool WordWrap READ GetWordWrap WRITE SetWordWrap)
    /// Whether the label sizes itself to its caption.
    Q_PROPERTY(bool AutoSize READ GetAutoSize WRITE SetAutoSize)
    /// Horizontal alignment of the caption.
    Q_PROPERTY(vok::InputEnums::TAlignment Alignment READ GetAlignment WRITE SetAlignment)
    /// Vertical placement of the caption.
    Q_PROPERTY(vok::StdCtrlsEnums::TTextLayout Layout READ GetLayout WRITE SetLayout)
public:
    /// 65 by 17 pixels, AutoSize on, opaque.
    /// Static text for assistive technology, named by the caption.
    explicit TCustomLabel(QWidget* AOwner = nullptr);

    /// The text.
    ///@{
    QString GetCaption() const { return FCaption; }
    void SetCaption(const QString& Value);
    ///@}
    /// Horizontal alignment of the caption.
    ///@{
    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    ///@}
    /// Vertical placement of the caption.
    ///@{
    TTextLayout GetLayout() const { return FLayout; }
    void SetLayout(TTextLayout Value);
    ///@}
    /// Whether the parent shows through the background.
    ///@{
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    ///@}
    /// Whether long captions wrap at word boundaries.
    ///@{
    bool GetWordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    ///@}
    /// Whether the label sizes itself to its caption.
    ///@{
    bool GetAutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    ///@}

    void Paint() override;
    QAccessible::Role AccessibleRole() const override;
    QString AccessibleName() const override;
    /// Draws the caption into Rect with DT_ flags; with DT_CALCRECT it only
    /// sets Rect's right and bottom to the text's extent.
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

/// Draws Width nested one-pixel frames inside Rect, TopColor on the top and
/// left edges, BottomColor on the bottom and right, and shrinks Rect by them.
VOK_EXPORT void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);

/// A panel drawing itself: Color, an outer and an inner bevel, the caption.
class VOK_EXPORT TCustomPanel : public TCustomControl
{
    Q_OBJECT
    /// The text shown in the middle.
    Q_PROPERTY(QString Caption READ GetCaption WRITE SetCaption)
    /// Alignment of the caption.
    Q_PROPERTY(vok::InputEnums::TAlignment Alignment READ GetAlignment WRITE SetAlignment)
    /// Outer bevel: none, lowered or raised.
    Q_PROPERTY(vok::StdCtrlsEnums::TBevelCut BevelOuter READ GetBevelOuter WRITE SetBevelOuter)
    /// Inner bevel: none, lowered or raised.
    Q_PROPERTY(vok::StdCtrlsEnums::TBevelCut BevelInner READ GetBevelInner WRITE SetBevelInner)
    /// Width of each bevel in pixels.
    Q_PROPERTY(int BevelWidth READ GetBevelWidth WRITE SetBevelWidth)
public:
    /// 185 by 41 pixels, clBtnFace, raised outer bevel, centered caption.
    /// A pane for assistive technology, named by the caption.
    explicit TCustomPanel(QWidget* AOwner = nullptr);

    /// The text shown in the middle.
    ///@{
    QString GetCaption() const { return FCaption; }
    void SetCaption(const QString& Value);
    ///@}
    /// Alignment of the caption.
    ///@{
    TAlignment GetAlignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    ///@}
    /// Outer bevel: none, lowered or raised.
    ///@{
    TBevelCut GetBevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut Value);
    ///@}
    /// Inner bevel: none, lowered or raised.
    ///@{
    TBevelCut GetBevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut Value);
    ///@}
    /// Width of each bevel in pixels.
    ///@{
    int GetBevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    ///@}
    /// Whether the caption is drawn.
    ///@{
    bool GetShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool Value);
    ///@}
    /// Whether the parent's background shows instead of the Color.
    ///@{
    bool GetParentBackground() const { return FParentBackground; }
    void SetParentBackground(bool Value) { FParentBackground = Value; }
    ///@}

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


/// The state of an item the host draws: selected, focused, disabled, the edit field.
enum TOwnerDrawStateFlag { odSelected = 0x01, odFocused = 0x02, odDisabled = 0x04, odComboBoxEdit = 0x08 };
/// Set of TOwnerDrawStateFlag.
Q_DECLARE_FLAGS(TOwnerDrawState, TOwnerDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TOwnerDrawState)

class TCustomComboBox;
/// Draws item Index into Rect on the combo box's canvas.
using TDrawItemEvent = std::function<void(QObject* Sender, int Index, TRect Rect, TOwnerDrawState State)>;

/// A combo box on QComboBox. With an owner-drawn style every item (and the
/// selected one in the closed box) is drawn by DrawItem on GetCanvas(), an
/// ItemHeight-high picture of the item whose top-left is (0, 0).
class VOK_EXPORT TCustomComboBox : public TControlOn<QComboBox>
{
    Q_OBJECT
    /// Index of the selected item; -1 for none.
    Q_PROPERTY(int ItemIndex READ GetItemIndex WRITE SetItemIndex NOTIFY itemIndexChanged)
    /// Number of items the opened list shows without scrolling.
    Q_PROPERTY(int DropDownCount READ GetDropDownCount WRITE SetDropDownCount)
    /// The text of the edit field.
    Q_PROPERTY(QString Text READ GetText WRITE SetText NOTIFY textChanged)
    /// A number for the host's own use.
    Q_PROPERTY(qlonglong Tag READ GetTag WRITE SetTag)
public:
    /// 145 by 21 pixels, csDropDown, 8 rows in the list, tab stop.
    explicit TCustomComboBox(QWidget* AOwner = nullptr);

    /// The kind of combo box.
    ///@{
    TComboBoxStyle GetStyle() const { return FStyle; }
    void SetStyle(TComboBoxStyle Value);
    ///@}

    /// The items of the list.
    ///@{
    QStringList GetItems() const;
    void SetItems(const QStringList& Value);
    ///@}
    int AddItem(const QString& Text); ///< Appends an item; returns its index.
    void ClearItems() { clear(); } ///< Removes every item.
    int GetItemCount() const { return count(); } ///< The number of items.
    QString GetItem(int Index) const { return itemText(Index); } ///< The text of item Index; "" outside the list.

    /// -1: no item.
    ///@{
    int GetItemIndex() const { return currentIndex(); }
    void SetItemIndex(int Value);
    ///@}
    /// The edit text (csDropDown) or the selected item's text.
    ///@{
    QString GetText() const { return currentText(); }
    void SetText(const QString& Value);
    ///@}

    /// Number of items the opened list shows without scrolling.
    ///@{
    int GetDropDownCount() const { return maxVisibleItems(); }
    void SetDropDownCount(int Value) { setMaxVisibleItems(Value); }
    ///@}
    /// The height of owner-drawn items (at least 1).
    ///@{
    int GetItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value);
    ///@}

    /// The picture of the item being drawn.
    TCanvas* GetCanvas() const { return FItemCanvas; }

    /// Whether the list is open.
    ///@{
    bool GetDroppedDown() const;
    void SetDroppedDown(bool Value);
    ///@}

    /// Runs just before the list drops down; fires OnDropDown.
    virtual void DropDown();
    /// Runs when the user picked an item or edited the text; fires OnChange.
    virtual void Change();
    /// Draws item Index; the default fires OnDrawItem, or without a handler
    /// fills Rect and writes the item's text.
    virtual void DrawItem(int Index, TRect Rect, TOwnerDrawState State);
    /// Renders item Index as DrawItem draws it, at the given width, at the
    /// control's device pixel ratio.
    QImage RenderItem(int Index, int Width, TOwnerDrawState State);

    void showPopup() override; ///< Qt's showPopup, which fires OnDropDown first.

    TNotifyEvent OnDropDown; ///< Fired before the list opens.
    TNotifyEvent OnChange; ///< Fired when the text or the selected item changes.
    TDrawItemEvent OnDrawItem; ///< Draws an item of an owner-drawn list.

Q_SIGNALS:
    void changed(); ///< Emitted with OnChange.
    void droppedDown(); ///< Emitted with OnDropDown.
    void itemIndexChanged(int ItemIndex); ///< Emitted when ItemIndex changes.
    void textChanged(const QString& Text); ///< Emitted when Text changes.

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
