/// Label and panel: the standard controls that draw themselves on the
/// canvas, with the enumerations and text helpers of the standard controls.
/// \file
#pragma once

#include <vok/Vok_controls.h>

#include <QStringList>

#include <functional>

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

} // namespace vok
