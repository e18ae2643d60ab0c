/// The canvas's drawing tools: pen, brush and font. Each fires OnChange after
/// a setter changed its value. \file
#pragma once

#include <vok/Vok_basetypes.h>
#include <vok/Vok_colorconst.h>
#include <vok/vok_export.h>

#include <QFlags>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QObject>
#include <QStaticText>
#include <QString>

#include <memory>
#include <optional>
#include <tuple>

namespace vok {

namespace text {
class AdditiveAdvances;
}


/// Dash patterns of one-pixel pens: dash 18 on 6 off, dot 3 on 3 off, dash-dot
/// 9-6-3-6, dash-dot-dot 9-3-3-3-3-3 pixels. Gaps leave the pixels unchanged.
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

/// How a pen (and the brush of a filled figure) combines with what is there:
/// pmCopy writes the color, pmNot inverts the destination, pmXor XORs the
/// color into it, pmNotCopy writes the inverted color, pmMask ANDs, pmMerge
/// ORs, pmBlack/pmWhite write black/white, pmNop leaves it. Writing modes
/// give opaque pixels; combining modes (not, mask, merge, xor) keep the
/// destination's alpha.
enum TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMask, pmMerge, pmXor };

/// Brush styles: solid or clear (no fill).
enum TBrushStyle { bsSolid, bsClear };

/// Font styles.
enum TFontStyle { fsBold = 0x01, fsItalic = 0x02, fsUnderline = 0x04, fsStrikeOut = 0x08 };
/// Set of TFontStyle.
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFontStyles)

/// fqDefault leaves anti-aliasing to the platform's choice.
enum TFontQuality { fqDefault, fqNonAntialiased, fqAntialiased };

/// The pen a canvas draws lines and outlines with.
class VOK_EXPORT TPen : public QObject
{
    Q_OBJECT
public:
    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TPen(QObject* AOwner = nullptr);

    /// The color.
    ///@{
    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value);
    ///@}
    /// The width in pixels.
    ///@{
    int GetWidth() const { return FWidth; }
    void SetWidth(int Value); ///< at least 1
    ///@}
    /// The line style.
    ///@{
    TPenStyle GetStyle() const { return FStyle; }
    void SetStyle(TPenStyle Value);
    ///@}
    /// How the pen combines with the pixels under it.
    ///@{
    TPenMode GetMode() const { return FMode; }
    void SetMode(TPenMode Value);
    ///@}

    /// Copies color, width, style and mode from another TPen; nullptr or
    /// another class raises EVOKError.
    virtual void Assign(QObject* Source);

    TNotifyEvent OnChange; ///< Fired after any change.

Q_SIGNALS:
    void changed(); ///< Emitted with OnChange.

private:
    void Changed();

    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
};

/// The brush a canvas fills areas with.
class VOK_EXPORT TBrush : public QObject
{
    Q_OBJECT
public:
    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TBrush(QObject* AOwner = nullptr);

    /// The color.
    ///@{
    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value);
    ///@}
    /// Solid or clear.
    ///@{
    TBrushStyle GetStyle() const { return FStyle; }
    void SetStyle(TBrushStyle Value);
    ///@}

    virtual void Assign(QObject* Source); ///< Copies another brush.

    TNotifyEvent OnChange; ///< Fired after any change.

Q_SIGNALS:
    void changed(); ///< Emitted with OnChange.

private:
    void Changed();

    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};

/// A font described as the platform's logical font. Size is in points,
/// Height in pixels at 96 pixels per inch (negative: the character height
/// without internal leading, as Height = -MulDiv(Size, 96, 72)); setting one
/// sets the other. Escapement and Orientation are in tenths of a degree,
/// counterclockwise; text runs along the escapement and its glyphs are turned
/// by the same angle (the platform's compatible graphics mode).
class VOK_EXPORT TFont : public QObject
{
    Q_OBJECT
public:
    /// Starts as the application font's family, 8 points, clWindowText.
    explicit TFont(QObject* AOwner = nullptr);

    static constexpr int PixelsPerInch = 96; ///< The resolution Size converts with.

    /// The font family.
    ///@{
    QString GetName() const { return FName; }
    void SetName(const QString& Value);
    ///@}
    /// The size in points (from Height at PixelsPerInch).
    ///@{
    int GetSize() const;
    void SetSize(int Value);
    ///@}
    /// The height in pixels; negative: the character height without internal leading.
    ///@{
    int GetHeight() const { return FHeight; }
    void SetHeight(int Value);
    ///@}
    /// Bold, italic, underline, strike-out.
    ///@{
    TFontStyles GetStyle() const { return FStyle; }
    void SetStyle(TFontStyles Value);
    ///@}
    /// The text color.
    ///@{
    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value);
    ///@}
    /// The angle of the text line in tenths of a degree, counterclockwise.
    ///@{
    int GetEscapement() const { return FEscapement; }
    void SetEscapement(int Value);
    ///@}
    /// The angle of each character in tenths of a degree.
    ///@{
    int GetOrientation() const { return FOrientation; }
    void SetOrientation(int Value);
    ///@}
    /// Whether text is smoothed.
    ///@{
    TFontQuality GetQuality() const { return FQuality; }
    void SetQuality(TFontQuality Value);
    ///@}

    /// Copies every setting from another TFont (one OnChange); nullptr or
    /// another class raises EVOKError.
    virtual void Assign(QObject* Source);
    /// Takes family, pixel or point size and styles from a Qt font.
    void AssignQFont(const QFont& Font);

    /// The Qt font for drawing (pixel-sized, unrotated), its metrics, and the
    /// advance widths of recently used texts; all are cached until the next
    /// change, so measuring the same labels again costs no text shaping.
    /// Numbers cost none even the first time: where the font neither kerns
    /// nor joins digits and signs, their advances are summed.
    ///@{
    const QFont& ToQFont() const;
    const QFontMetrics& Metrics() const;
    int TextWidth(const QString& Text) const;
    ///@}
    /// The distance from a text's top to its baseline, unrounded, as laid-out
    /// text places it.
    qreal Baseline() const;
    /// The laid-out glyphs of a recently drawn text, for drawing it again
    /// without shaping it. The first drawing of a text only notes it and gets
    /// nullptr: laying a text out costs about twice as much as drawing it
    /// once, and most texts met while scrolling are drawn only once.
    const QStaticText* RepeatedLayout(const QString& Text) const;

    TNotifyEvent OnChange; ///< Fired after any change.

Q_SIGNALS:
    void changed(); ///< Emitted with OnChange.

private:
    void Changed();
    /// Every setting, for comparing and copying them as one.
    ///@{
    auto Settings() { return std::tie(FName, FHeight, FStyle, FColor, FEscapement, FOrientation, FQuality); }
    auto Settings() const { return std::tie(FName, FHeight, FStyle, FColor, FEscapement, FOrientation, FQuality); }
    ///@}

    QString FName;
    int FHeight = -11;
    TFontStyles FStyle;
    TColor FColor = clWindowText;
    int FEscapement = 0;
    int FOrientation = 0;
    TFontQuality FQuality = fqDefault;
    mutable std::optional<QFont> FQFont;
    mutable std::optional<QFontMetrics> FMetrics;
    mutable std::shared_ptr<const text::AdditiveAdvances> FAdditive;
    mutable QHash<QString, int> FTextWidths;
    mutable std::optional<qreal> FBaseline;
    /// Texts drawn once map to no layout yet.
    mutable QHash<QString, std::optional<QStaticText>> FLayouts;
};

} // namespace vok
