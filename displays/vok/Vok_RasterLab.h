/// Dot-matrix label: a text drawn as a grid of square dots, lit dots in one
/// colour and unlit dots in another, optionally scrolling across the board.
/// Glyphs come from a character matrix: the built-in 7 x 12 dot font or one
/// sampled from any platform font. \file
#pragma once

#include <vok/Vok_bitmap.h>
#include <vok/Vok_controls.h>
#include <vok/Vok_timers.h>
#include <vok/vok_export.h>

#include <array>
#include <memory>

namespace vok {

inline namespace RasterLabEnums {
Q_NAMESPACE_EXPORT(VOK_EXPORT)
/// rdbmOff: lit dots on the plain background; rdbmOn: the raster of unlit
/// dots with each character in a block of its own; rdbmRaster: the raster
/// everywhere.
enum TRDBlockMode { rdbmOff, rdbmOn, rdbmRaster };
Q_ENUM_NS(TRDBlockMode)
/// Whether and which way the text of a TRasterLab scrolls.
enum TRDScrollMode { rdsmOff, rdsmLeft, rdsmRight, rdsmDown, rdsmUp };
Q_ENUM_NS(TRDScrollMode)
} // namespace RasterLabEnums

class VOK_EXPORT EVOKRasterLabError : public EVOKError
{
public:
    using EVOKError::EVOKError;
};

/// The glyphs of 256 character codes: 32 rows each, bit k of a row is column
/// k from the left.
struct TRDCharMatrix
{
    int FontWidth = 0;  ///< widest glyph in dots
    int FontHeight = 0; ///< rows used
    std::array<quint8, 256> LeftMostBit{}; ///< Per code: the leftmost lit column of its glyph.
    std::array<quint8, 256> RightMostBit{}; ///< Per code: the rightmost lit column of its glyph.
    std::array<std::array<quint32, 32>, 256> BitData{}; ///< Per code: 32 rows of dots, bit k = column k.
    friend bool operator==(const TRDCharMatrix&, const TRDCharMatrix&) = default;
};

/// The columns a character occupies: its lit columns, or for codes outside
/// the matrix a blank of half the font width.
struct TRDGlyphSpan
{
    int First; ///< First column.
    int Last; ///< Last column.
    int Columns() const { return Last - First + 1; } ///< The number of columns.
};
/// The columns character Code occupies in CMat.
VOK_EXPORT TRDGlyphSpan RDGlyphSpan(const TRDCharMatrix& CMat, uint Code);

/// The built-in font: FontWidth 7, FontHeight 12, codes 32 to 255.
VOK_EXPORT TRDCharMatrix BuiltInCharMatrix();

/// The frame's width in pixels: 0 without a frame, 1 for a line or a
/// sunken or raised frame, 2 for the etched ones.
VOK_EXPORT int RDFrameWidth(TFrameStyle Style);

/// A dot-matrix label: text drawn as a grid of square dots, lit and unlit in two colors, optionally scrolling.
class VOK_EXPORT TRasterLab : public TGraphicControl
{
    Q_OBJECT
    /// Whether the text is centered horizontally (PosX is computed).
    Q_PROPERTY(bool AutoCenter READ GetAutoCenter WRITE SetAutoCenter RESET ResetAutoCenter)
    /// Whether the height follows the dot font.
    Q_PROPERTY(bool AutoHeight READ GetAutoHeight WRITE SetAutoHeight RESET ResetAutoHeight)
    /// How the cell block around each character is drawn.
    Q_PROPERTY(vok::RasterLabEnums::TRDBlockMode CharBlockMode READ GetCharBlockMode WRITE SetCharBlockMode RESET ResetCharBlockMode)
    /// Color of the lit dots.
    Q_PROPERTY(quint32 ColorDotOn READ GetColorDotOn WRITE SetColorDotOn RESET ResetColorDotOn)
    /// Color of the unlit dots.
    Q_PROPERTY(quint32 ColorDotOff READ GetColorDotOff WRITE SetColorDotOff RESET ResetColorDotOff)
    /// Background color between the dots.
    Q_PROPERTY(quint32 ColorLabBakG READ GetColorLabBakG WRITE SetColorLabBakG RESET ResetColorLabBakG)
    /// Classic fixed frame colors, or the palette's button colors.
    Q_PROPERTY(vok::BaseEnums::TColorScheme ColorScheme READ GetColorScheme WRITE SetColorScheme RESET ResetColorScheme)
    /// Size of one dot in pixels.
    Q_PROPERTY(int DotSize READ GetDotSize WRITE SetDotSize RESET ResetDotSize)
    /// Gap between dots in pixels.
    Q_PROPERTY(int DotSpacing READ GetDotSpacing WRITE SetDotSpacing RESET ResetDotSpacing)
    /// Frame around the board.
    Q_PROPERTY(vok::BaseEnums::TFrameStyle FrameStyle READ GetFrameStyle WRITE SetFrameStyle RESET ResetFrameStyle)
    /// Horizontal text origin in pixels.
    Q_PROPERTY(int PosX READ GetPosX WRITE SetPosX RESET ResetPosX)
    /// Vertical text origin in pixels.
    Q_PROPERTY(int PosY READ GetPosY WRITE SetPosY RESET ResetPosY)
    /// Whether characters take their own width instead of a fixed cell.
    Q_PROPERTY(bool Proportional READ GetProportional WRITE SetProportional RESET ResetProportional)
    /// Whether and in which direction the text scrolls.
    Q_PROPERTY(vok::RasterLabEnums::TRDScrollMode ScrollMode READ GetScrollMode WRITE SetScrollMode RESET ResetScrollMode)
    /// Milliseconds between scroll steps.
    Q_PROPERTY(int ScrollInterval READ GetScrollInterval WRITE SetScrollInterval RESET ResetScrollInterval)
    /// Pixels per scroll step (at least 1).
    Q_PROPERTY(int ScrollIncrement READ GetScrollIncrement WRITE SetScrollIncrement RESET ResetScrollIncrement)
    /// Whether the scrolling text starts again when it has left the board.
    Q_PROPERTY(bool ScrollLoop READ GetScrollLoop WRITE SetScrollLoop RESET ResetScrollLoop)
    /// The text shown.
    Q_PROPERTY(QString Text READ GetText WRITE SetText RESET ResetText)

public:
    /// 400 by 68 pixels, "Text" in green dots of 3 pixels on black, the
    /// built-in font.
    explicit TRasterLab(QWidget* AOwner = nullptr);
    ~TRasterLab() override;

    /// Whether the text is centered horizontally (PosX is computed).
    ///@{
    bool GetAutoCenter() const { return FAutoCenter; }
    void SetAutoCenter(bool Value);
    ///@}
    /// Whether the height follows the dot font.
    ///@{
    bool GetAutoHeight() const { return FAutoHeight; }
    void SetAutoHeight(bool Value);
    ///@}
    /// How the cell block around each character is drawn.
    ///@{
    TRDBlockMode GetCharBlockMode() const { return FCharBlockMode; }
    void SetCharBlockMode(TRDBlockMode Value);
    ///@}
    /// Color of the lit dots.
    ///@{
    TColor GetColorDotOn() const { return FColorDotOn; }
    void SetColorDotOn(TColor Value);
    ///@}
    /// Color of the unlit dots.
    ///@{
    TColor GetColorDotOff() const { return FColorDotOff; }
    void SetColorDotOff(TColor Value);
    ///@}
    /// Background color between the dots.
    ///@{
    TColor GetColorLabBakG() const { return FColorLabBakG; }
    void SetColorLabBakG(TColor Value);
    ///@}
    /// Classic fixed frame colors, or the palette's button colors.
    ///@{
    TColorScheme GetColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme Value);
    ///@}
    /// Size of one dot in pixels.
    ///@{
    int GetDotSize() const { return FDotSize; }
    void SetDotSize(int Value); ///< 1..32
    ///@}
    /// Gap between dots in pixels.
    ///@{
    int GetDotSpacing() const { return FDotSpacing; }
    void SetDotSpacing(int Value); ///< 0..3
    ///@}
    /// Frame around the board.
    ///@{
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle Value);
    ///@}
    /// Horizontal text origin in pixels.
    ///@{
    int GetPosX() const { return FXPos; }
    void SetPosX(int Value);
    ///@}
    /// Vertical text origin in pixels.
    ///@{
    int GetPosY() const { return FYPos; }
    void SetPosY(int Value);
    ///@}
    /// Whether characters take their own width instead of a fixed cell.
    ///@{
    bool GetProportional() const { return FProportional; }
    void SetProportional(bool Value);
    ///@}
    /// Whether and in which direction the text scrolls.
    ///@{
    TRDScrollMode GetScrollMode() const { return FScrollMode; }
    void SetScrollMode(TRDScrollMode Value);
    ///@}
    /// Milliseconds between scroll steps.
    ///@{
    int GetScrollInterval() const { return FScrollIv; }
    void SetScrollInterval(int Value); ///< at least 10 ms
    ///@}
    /// Pixels per scroll step (at least 1).
    ///@{
    int GetScrollIncrement() const { return FScrollInc; }
    void SetScrollIncrement(int Value); ///< magnitude, at least 1
    ///@}
    /// Whether the scrolling text starts again when it has left the board.
    ///@{
    bool GetScrollLoop() const { return FScrollLoop; }
    void SetScrollLoop(bool Value);
    ///@}
    /// The text shown.
    ///@{
    QString GetText() const { return FLabText; }
    void SetText(const QString& Value);
    ///@}
    /// The character matrix the text is drawn with; setting one copies it and repaints.
    ///@{
    const TRDCharMatrix& GetCharMatrix() const { return *FCMat; }
    void SetCharMatrix(const TRDCharMatrix& Value);
    ///@}
    /// Stores the handler and restarts the timer.
    void SetOnScrollTimer(TNotifyEvent Handler);

    /// The scroll offsets in pixels and the text's length as last painted.
    ///@{
    int GetScrollPosX() const { return FScrollPosX; }
    int GetScrollPosY() const { return FScrollPosY; }
    int GetTextBitLength() const { return FTextBitLength; }
    ///@}

    /// The built-in font for "default" (any case) or no font, else a matrix
    /// sampled from the font (glyphs of up to 32 x 32 pixels).
    static TRDCharMatrix CreateBitFont(const TFont* Font);
    /// Draws the lit dots of Ch at (X, Y); returns its width in pixels.
    static int PaintChar(TCanvas* Canvas, const TRDCharMatrix& CMat, int X, int Y, QChar Ch, int DotSize,
        int DotSpacing, TColor ColorOn, bool Fixed);
    /// Draws Text from (X, Y) in the block mode; BitLength receives its length.
    static void PaintString(TCanvas* Canvas, const TRDCharMatrix& CMat, int X, int Y, const QString& Text,
        int DotSize, int DotSpacing, TColor ColorOn, TColor ColorBakG, TRDBlockMode BlockMode, bool Proportional,
        int& BitLength);
    /// The length of Text in pixels with the current matrix and dot geometry.
    int CalcTextBitLength(const QString& Text) const;
    void AdjustAutoHeight(); ///< Sets the height the dot font needs (AutoHeight).
    void AdjustAutoCenter(); ///< Sets PosX so that the text is centered (AutoCenter).

    /// Restarts the scroll timer (when scrolling and enabled).
    void UpdateTimer();
    /// One tick: the scroll step, then OnScrollTimer.
    virtual void DoTimer();
    virtual void DoScrLoopRestart(); ///< Fires OnScrollLoopRestart.
    bool TimerRunning() const { return FTimer->IsRunning(); } ///< Whether the scroll timer runs.
    int TimerInterval() const { return FTimer->GetInterval(); } ///< The scroll timer's interval in milliseconds.

    void Paint() override;
    void Assign(QObject* Source) override;
    void AssignTo(QObject* Dest) override;

    /// 400 x 68, or the auto height while AutoHeight is on.
    QSize sizeHint() const override; ///< The initial size, what the constructor gives.
    QSize minimumSizeHint() const override; ///< The smallest size at which every part is still legible.

    /// Static text whose value text is the Text shown.
    ///@{
    QAccessible::Role AccessibleRole() const override { return QAccessible::StaticText; }
    QString AccessibleValueText() const override { return FLabText; }
    ///@}

    TNotifyEvent OnScrollTimer; ///< Fired at every scroll step.
    TNotifyEvent OnScrollLoopRestart; ///< Fired when the scrolling text starts again from the beginning.

Q_SIGNALS:
    void scrollTimer(); ///< Emitted with OnScrollTimer.
    void scrollLoopRestart(); ///< Emitted with OnScrollLoopRestart.

protected:
    /// The font changed: a new matrix, then auto height, auto centre, repaint.
    void FontChanged() override;

private:
    int Step() const { return FDotSize + FDotSpacing; }
    int AutoHeightValue() const;
    void GeometryChanged();
    void ScrollStep();
    void PaintFrame(TCanvas* C, int W, int H) const;

    void ResetAutoCenter() { SetAutoCenter(false); }
    void ResetAutoHeight() { SetAutoHeight(false); }
    void ResetCharBlockMode() { SetCharBlockMode(rdbmOn); }
    void ResetColorDotOn() { SetColorDotOn(0x00FF00); }
    void ResetColorDotOff() { SetColorDotOff(0x404040); }
    void ResetColorLabBakG() { SetColorLabBakG(0x000000); }
    void ResetColorScheme() { SetColorScheme(csClassic); }
    void ResetDotSize() { SetDotSize(3); }
    void ResetDotSpacing() { SetDotSpacing(1); }
    void ResetFrameStyle() { SetFrameStyle(fsLowered); }
    void ResetPosX() { SetPosX(1); }
    void ResetPosY() { SetPosY(1); }
    void ResetProportional() { SetProportional(true); }
    void ResetScrollMode() { SetScrollMode(rdsmOff); }
    void ResetScrollInterval() { SetScrollInterval(100); }
    void ResetScrollIncrement() { SetScrollIncrement(1); }
    void ResetScrollLoop() { SetScrollLoop(true); }
    void ResetText() { SetText(QStringLiteral("Text")); }

    std::unique_ptr<TRDCharMatrix> FCMat;
    TFrameStyle FFrameStyle = fsLowered;
    TRDScrollMode FScrollMode = rdsmOff;
    int FScrollPosX = 0;
    int FScrollPosY = 0;
    bool FScrollLoop = true;
    TComponentTimer* FTimer;
    bool FScrTimerEnabled = false;
    bool FAutoCenter = false;
    int FTextBitLength = 0;
    int FScrollIv = 100;
    int FScrollInc = 1;
    QString FLabText = QStringLiteral("Text");
    TColor FColorLabBakG = 0x000000;
    TColor FColorDotOn = 0x00FF00;
    TColor FColorDotOff = 0x404040;
    TColor FColBlackLine = clBlack;
    TColor FColGrayLine = clGray;
    TColor FColWhiteLine = clWhite;
    bool FAutoHeight = false;
    TRDBlockMode FCharBlockMode = rdbmOn;
    TColorScheme FColorScheme = csClassic;
    bool FProportional = true;
    int FDotSize = 3;
    int FDotSpacing = 1;
    int FXPos = 1;
    int FYPos = 1;
    std::unique_ptr<TBitmap> FPaintBmp;
};

} // namespace vok
