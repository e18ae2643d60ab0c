/// Seven-segment display: a short text as a row of slanted seven-segment
/// digits. Each displayable character is composed once from the segment
/// pictures at a 312 x 432 master size, coloured, scaled down smoothly to the
/// cell size and kept in an image cache; painting only copies cache slots. \file
#pragma once

#include <vok/Vok_bitmap.h>
#include <vok/Vok_controls.h>
#include <vok/vok_export.h>

#include <QList>
#include <QString>

#include <memory>

namespace vok {

/// The displayable characters in cache order.
///@{
inline constexpr char16_t SevenSegCharList[] = u"0123456789-+:\u00B0ABCDEF.";
inline constexpr int SevenSegCharCount = 21;
///@}

/// The size of the master image a character is composed in.
///@{
inline constexpr int SevenSegMasterWidth = 312;
inline constexpr int SevenSegMasterHeight = 432;
///@}

/// One digit cell: the character (upper case) and whether its decimal point shows.
struct TSevenSegCell
{
    QChar Ch; ///< The character.
    bool Dot = false; ///< Whether the decimal point shows.
    friend bool operator==(const TSevenSegCell&, const TSevenSegCell&) = default;
};

/// The cells a caption fills, at most NumDigits: "." or "," alone is a blank
/// cell with a point, and one right after a character joins that cell.
VOK_EXPORT QList<TSevenSegCell> SevenSegCells(const QString& Caption, int NumDigits);

/// The lit segments of Ch (bit 0 = segment 1, top, ... bit 6 = segment 7,
/// bottom); 0 for characters without a pattern.
VOK_EXPORT quint8 SevenSegPattern(QChar Ch);

/// Where the cache and the cells lie for a control of Width x Height.
struct TSevenSegLayout
{
    int GlyphWidth = 0;  ///< (Width - 2 Margin) div NumDigits - InterDigDist
    int CacheHeight = 0; ///< Height - 2 Margin
    bool IsEmpty() const { return GlyphWidth <= 0 || CacheHeight <= 0; } ///< Whether nothing can be drawn (no room for a glyph).
    /// The left edge of cell j (0-based).
    int CellLeft(int J, int Margin, int InterDigDist) const { return J * (GlyphWidth + InterDigDist) + Margin; }
};
/// The layout of NumDigits cells on a Width x Height control.
VOK_EXPORT TSevenSegLayout SevenSegLayout(int Width, int Height, int Margin, int NumDigits, int InterDigDist);

/// A seven-segment display: the Caption as a row of slanted seven-segment digits.
class VOK_EXPORT TSevenSeg : public TGraphicControl
{
    Q_OBJECT
    /// The text shown; characters without a seven-segment form show as blanks.
    Q_PROPERTY(QString Caption READ GetCaption WRITE SetCaption RESET ResetCaption)
    /// Background color.
    Q_PROPERTY(quint32 ColorBackGnd READ GetColorBackGnd WRITE SetColorBackGnd RESET ResetColorBackGnd)
    /// Color of the lit segments.
    Q_PROPERTY(quint32 ColorText READ GetColorText WRITE SetColorText RESET ResetColorText)
    /// Classic fixed frame colors, or the palette's button colors.
    Q_PROPERTY(vok::BaseEnums::TColorScheme ColorScheme READ GetColorScheme WRITE SetColorScheme RESET ResetColorScheme)
    /// Frame around the display.
    Q_PROPERTY(vok::BaseEnums::TFrameStyle FrameStyle READ GetFrameStyle WRITE SetFrameStyle RESET ResetFrameStyle)
    /// Gap between digit cells in pixels (at most 255).
    Q_PROPERTY(int InterDigDist READ GetInterDigDist WRITE SetInterDigDist RESET ResetInterDigDist)
    /// Space between the frame and the digits in pixels.
    Q_PROPERTY(int Margin READ GetMargin WRITE SetMargin RESET ResetMargin)
    /// Number of digit cells.
    Q_PROPERTY(int NumDigits READ GetNumDigits WRITE SetNumDigits RESET ResetNumDigits)

public:
    /// 216 by 76 pixels, four red digits "8.8.8.8." on dark gray.
    explicit TSevenSeg(QWidget* AOwner = nullptr);
    ~TSevenSeg() override;

    /// The text shown; characters without a seven-segment form show as blanks.
    ///@{
    QString GetCaption() const { return FCaption; }
    void SetCaption(const QString& Value);
    ///@}
    /// Background color.
    ///@{
    TColor GetColorBackGnd() const { return FColorBakG; }
    void SetColorBackGnd(TColor Value);
    ///@}
    /// Color of the lit segments.
    ///@{
    TColor GetColorText() const { return FColorTxt; }
    void SetColorText(TColor Value);
    ///@}
    /// Classic fixed frame colors, or the palette's button colors.
    ///@{
    TColorScheme GetColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme Value);
    ///@}
    /// Frame around the display.
    ///@{
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle Value);
    ///@}
    /// Gap between digit cells in pixels (at most 255).
    ///@{
    int GetInterDigDist() const { return FInterDigDist; }
    void SetInterDigDist(int Value); ///< at most 255
    ///@}
    /// Space between the frame and the digits in pixels.
    ///@{
    int GetMargin() const { return FMargin; }
    void SetMargin(int Value); ///< at most Height div 2 - 1
    ///@}
    /// Number of digit cells.
    ///@{
    int GetNumDigits() const { return FNumDigits; }
    void SetNumDigits(int Value); ///< 1..32, others ignored
    ///@}

    /// Recolours the segment pictures ($FFFFFF becomes $FEFEFE, so the
    /// background fill cannot run into white segments).
    void ColorizeSegments(TColor Color);
    /// Composes Ch (with its decimal point when Dot) in the master image.
    void CreateDigit(QChar Ch, bool Dot);
    /// Builds the cache of the 21 characters at the current cell size.
    void CreateImageCache();
    /// Rebuilds the cache and repaints when the size differs from the cached one.
    void ProcessResize(QObject* Sender);

    void Paint() override;
    void Resize() override;
    void Assign(QObject* Source) override;
    void AssignTo(QObject* Dest) override;

    /// The master image and the cache (for tests and benchmarks).
    ///@{
    const TBitmap& GetMasterImage() const { return *DigImg; }
    const TBitmap& GetImageCache() const { return *ImgCache; }
    ///@}

    QSize sizeHint() const override { return {216, 76}; } ///< The initial size, what the constructor gives.
    QSize minimumSizeHint() const override; ///< The smallest size at which every part is still legible.

    /// Static text whose value text is the Caption shown.
    ///@{
    QAccessible::Role AccessibleRole() const override { return QAccessible::StaticText; }
    QString AccessibleValueText() const override { return FCaption; }
    ///@}

private:
    TSevenSegLayout Layout() const;
    void Rebuild();
    void CopySegment(const TBitmap& Segment, int X, int Y);

    void ResetCaption() { SetCaption(QStringLiteral("8.8.8.8.")); }
    void ResetColorBackGnd() { SetColorBackGnd(0x333333); }
    void ResetColorText() { SetColorText(0x0000FF); }
    void ResetColorScheme() { SetColorScheme(csClassic); }
    void ResetFrameStyle() { SetFrameStyle(fsLowered); }
    void ResetInterDigDist() { SetInterDigDist(2); }
    void ResetMargin() { SetMargin(8); }
    void ResetNumDigits() { SetNumDigits(4); }

    TColor FColorBakG = 0x333333;
    TColor FColorTxt = 0x0000FF;
    std::unique_ptr<TBitmap> DigImg;
    int FNumDigits = 4;
    QString FCaption = QStringLiteral("8.8.8.8.");
    TFrameStyle FFrameStyle = fsLowered;
    int FMargin = 8;
    int FInterDigDist = 2;
    int FWidth = 0;
    int FHeight = 0;
    std::unique_ptr<TBitmap> SegHorz, SegVert, SegDot, SegPlus, SegColon, SegDeg;
    std::unique_ptr<TBitmap> ImgCache;
    bool FCacheEnabled = true; ///< whether the cache shows the enabled colours
    std::unique_ptr<TBitmap> FPaintBmp;
    TColor FColBlackLine = clBlack;
    TColor FColGrayLine = clGray;
    TColor FColWhiteLine = clWhite;
    TColorScheme FColorScheme = csClassic;
};

} // namespace vok
