// The canvas's drawing tools: pen, brush and font. Each fires OnChange after
// a setter changed its value.
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

#include <optional>
#include <tuple>

namespace vok {


// Dash patterns of one-pixel pens: dash 18 on 6 off, dot 3 on 3 off, dash-dot
// 9-6-3-6, dash-dot-dot 9-3-3-3-3-3 pixels. Gaps leave the pixels unchanged.
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

// How a pen (and the brush of a filled figure) combines with what is there:
// pmCopy writes the color, pmNot inverts the destination, pmXor XORs the
// color into it, pmNotCopy writes the inverted color, pmMask ANDs, pmMerge
// ORs, pmBlack/pmWhite write black/white, pmNop leaves it. Writing modes
// give opaque pixels; combining modes (not, mask, merge, xor) keep the
// destination's alpha.
enum TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMask, pmMerge, pmXor };

enum TBrushStyle { bsSolid, bsClear };

enum TFontStyle { fsBold = 0x01, fsItalic = 0x02, fsUnderline = 0x04, fsStrikeOut = 0x08 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFontStyles)

// fqDefault leaves anti-aliasing to the platform's choice.
enum TFontQuality { fqDefault, fqNonAntialiased, fqAntialiased };

class VOK_EXPORT TPen : public QObject
{
    Q_OBJECT
public:
    explicit TPen(QObject* AOwner = nullptr);

    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value);
    int GetWidth() const { return FWidth; }
    void SetWidth(int Value); // at least 1
    TPenStyle GetStyle() const { return FStyle; }
    void SetStyle(TPenStyle Value);
    TPenMode GetMode() const { return FMode; }
    void SetMode(TPenMode Value);

    // Copies color, width, style and mode from another TPen; nullptr or
    // another class raises EVOKError.
    virtual void Assign(QObject* Source);

    TNotifyEvent OnChange;

Q_SIGNALS:
    void changed();

private:
    void Changed();

    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
};

class VOK_EXPORT TBrush : public QObject
{
    Q_OBJECT
public:
    explicit TBrush(QObject* AOwner = nullptr);

    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value);
    TBrushStyle GetStyle() const { return FStyle; }
    void SetStyle(TBrushStyle Value);

    virtual void Assign(QObject* Source);

    TNotifyEvent OnChange;

Q_SIGNALS:
    void changed();

private:
    void Changed();

    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};

// A font described as the platform's logical font. Size is in points,
// Height in pixels at 96 pixels per inch (negative: the character height
// without internal leading, as Height = -MulDiv(Size, 96, 72)); setting one
// sets the other. Escapement and Orientation are in tenths of a degree,
// counterclockwise; text runs along the escapement and its glyphs are turned
// by the same angle (the platform's compatible graphics mode).
class VOK_EXPORT TFont : public QObject
{
    Q_OBJECT
public:
    // Starts as the application font's family, 8 points, clWindowText.
    explicit TFont(QObject* AOwner = nullptr);

    static constexpr int PixelsPerInch = 96;

    QString GetName() const { return FName; }
    void SetName(const QString& Value);
    int GetSize() const;
    void SetSize(int Value);
    int GetHeight() const { return FHeight; }
    void SetHeight(int Value);
    TFontStyles GetStyle() const { return FStyle; }
    void SetStyle(TFontStyles Value);
    TColor GetColor() const { return FColor; }
    void SetColor(TColor Value);
    int GetEscapement() const { return FEscapement; }
    void SetEscapement(int Value);
    int GetOrientation() const { return FOrientation; }
    void SetOrientation(int Value);
    TFontQuality GetQuality() const { return FQuality; }
    void SetQuality(TFontQuality Value);

    // Copies every setting from another TFont (one OnChange); nullptr or
    // another class raises EVOKError.
    virtual void Assign(QObject* Source);
    // Takes family, pixel or point size and styles from a Qt font.
    void AssignQFont(const QFont& Font);

    // The Qt font for drawing (pixel-sized, unrotated), its metrics, and the
    // advance widths and laid-out glyphs of recently used texts; all are
    // cached until the next change, so measuring and drawing the same labels
    // again costs no text shaping.
    const QFont& ToQFont() const;
    const QFontMetrics& Metrics() const;
    int TextWidth(const QString& Text) const;
    const QStaticText& Layout(const QString& Text) const;

    TNotifyEvent OnChange;

Q_SIGNALS:
    void changed();

private:
    void Changed();
    // Every setting, for comparing and copying them as one.
    auto Settings() { return std::tie(FName, FHeight, FStyle, FColor, FEscapement, FOrientation, FQuality); }
    auto Settings() const { return std::tie(FName, FHeight, FStyle, FColor, FEscapement, FOrientation, FQuality); }

    QString FName;
    int FHeight = -11;
    TFontStyles FStyle;
    TColor FColor = clWindowText;
    int FEscapement = 0;
    int FOrientation = 0;
    TFontQuality FQuality = fqDefault;
    mutable std::optional<QFont> FQFont;
    mutable std::optional<QFontMetrics> FMetrics;
    mutable QHash<QString, int> FTextWidths;
    mutable QHash<QString, QStaticText> FLayouts;
};

} // namespace vok
