#include <vok/Vok_drawtools.h>
#include <vok/Vok_rounding.h>

#include "advances.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdlib>

namespace vok {

namespace {
// Larger fonts are drawn at this pixel size, so an absurd height cannot make
// the glyph rasterizer run away.
constexpr int MaxPixelSize = 2048;

// Raises the error of an Assign from a source of the wrong class.
[[noreturn]] void CannotAssign(const QObject* Source, const char* Target)
{
    const QString SourceName = Source ? QString::fromLatin1(Source->metaObject()->className()) : QStringLiteral("nil");
    throw EVOKError(QStringLiteral("Cannot assign a %1 to a %2").arg(SourceName, QString::fromLatin1(Target)));
}
} // namespace

// ---------------------------------------------------------------- TPen

TPen::TPen(QObject* AOwner)
    : QObject(AOwner)
{
}

void TPen::Changed()
{
    if (OnChange)
        OnChange(this);
    Q_EMIT changed();
}

void TPen::SetColor(TColor Value)
{
    if (FColor == Value)
        return;
    FColor = Value;
    Changed();
}

void TPen::SetWidth(int Value)
{
    Value = std::max(1, Value);
    if (FWidth == Value)
        return;
    FWidth = Value;
    Changed();
}

void TPen::SetStyle(TPenStyle Value)
{
    if (FStyle == Value)
        return;
    FStyle = Value;
    Changed();
}

void TPen::SetMode(TPenMode Value)
{
    if (FMode == Value)
        return;
    FMode = Value;
    Changed();
}

void TPen::Assign(QObject* Source)
{
    const auto* Other = qobject_cast<const TPen*>(Source);
    if (!Other)
        CannotAssign(Source, "TPen");
    FColor = Other->FColor;
    FWidth = Other->FWidth;
    FStyle = Other->FStyle;
    FMode = Other->FMode;
    Changed();
}

// ---------------------------------------------------------------- TBrush

TBrush::TBrush(QObject* AOwner)
    : QObject(AOwner)
{
}

void TBrush::Changed()
{
    if (OnChange)
        OnChange(this);
    Q_EMIT changed();
}

void TBrush::SetColor(TColor Value)
{
    if (FColor == Value)
        return;
    FColor = Value;
    Changed();
}

void TBrush::SetStyle(TBrushStyle Value)
{
    if (FStyle == Value)
        return;
    FStyle = Value;
    Changed();
}

void TBrush::Assign(QObject* Source)
{
    const auto* Other = qobject_cast<const TBrush*>(Source);
    if (!Other)
        CannotAssign(Source, "TBrush");
    FColor = Other->FColor;
    FStyle = Other->FStyle;
    Changed();
}

// ---------------------------------------------------------------- TFont

namespace {
// OnChange and changed() of a font whose change keeps or has reset its caches.
void NotifyChange(TFont& Font)
{
    if (Font.OnChange)
        Font.OnChange(&Font);
    Q_EMIT Font.changed();
}
} // namespace

TFont::TFont(QObject* AOwner)
    : QObject(AOwner)
    , FName(QGuiApplication::font().family())
{
}

void TFont::Changed()
{
    FQFont.reset();
    FMetrics.reset();
    FAdditive.reset();
    FBaseline.reset();
    FTextWidths.clear();
    FLayouts.clear();
    NotifyChange(*this);
}

void TFont::SetName(const QString& Value)
{
    if (FName == Value)
        return;
    FName = Value;
    Changed();
}

int TFont::GetSize() const
{
    return -MulDiv(FHeight, 72, PixelsPerInch);
}

void TFont::SetSize(int Value)
{
    SetHeight(-MulDiv(Value, PixelsPerInch, 72));
}

void TFont::SetHeight(int Value)
{
    if (FHeight == Value)
        return;
    FHeight = Value;
    Changed();
}

void TFont::SetStyle(TFontStyles Value)
{
    if (FStyle == Value)
        return;
    FStyle = Value;
    Changed();
}

void TFont::SetColor(TColor Value)
{
    if (FColor == Value)
        return;
    FColor = Value;
    // Shapes and widths do not depend on the color: the caches stay.
    NotifyChange(*this);
}

void TFont::SetEscapement(int Value)
{
    if (FEscapement == Value)
        return;
    FEscapement = Value;
    Changed();
}

void TFont::SetOrientation(int Value)
{
    if (FOrientation == Value)
        return;
    FOrientation = Value;
    Changed();
}

void TFont::SetQuality(TFontQuality Value)
{
    if (FQuality == Value)
        return;
    FQuality = Value;
    Changed();
}

void TFont::Assign(QObject* Source)
{
    const auto* Other = qobject_cast<const TFont*>(Source);
    if (!Other)
        CannotAssign(Source, "TFont");
    // A font that differs at most in its color keeps its cached shapes and
    // widths (a canvas that takes its control's font for every painting).
    const auto Shapes = [](const TFont& F) {
        return std::tie(F.FName, F.FHeight, F.FStyle, F.FEscapement, F.FOrientation, F.FQuality);
    };
    const bool SameShapes = Shapes(*this) == Shapes(*Other);
    Settings() = Other->Settings();
    if (SameShapes)
        NotifyChange(*this);
    else
        Changed();
}

void TFont::AssignQFont(const QFont& Font)
{
    FName = Font.family();
    if (Font.pixelSize() > 0)
        FHeight = -Font.pixelSize();
    else
        FHeight = -Round(Font.pointSizeF() * PixelsPerInch / 72.0);
    TFontStyles Style;
    if (Font.bold())
        Style |= fsBold;
    if (Font.italic())
        Style |= fsItalic;
    if (Font.underline())
        Style |= fsUnderline;
    if (Font.strikeOut())
        Style |= fsStrikeOut;
    FStyle = Style;
    Changed();
}

const QFont& TFont::ToQFont() const
{
    if (!FQFont) {
        QFont Font(FName);
        // A positive height is the cell height including internal leading;
        // take the character height as about 80 % of it. Height 0 is the
        // default size, 8 points.
        int Pixels = FHeight < 0 ? -FHeight : std::max(1, Round(FHeight * 0.8));
        if (FHeight == 0)
            Pixels = MulDiv(8, PixelsPerInch, 72);
        Font.setPixelSize(std::clamp(Pixels, 1, MaxPixelSize));
        Font.setBold(FStyle.testFlag(fsBold));
        Font.setItalic(FStyle.testFlag(fsItalic));
        Font.setUnderline(FStyle.testFlag(fsUnderline));
        Font.setStrikeOut(FStyle.testFlag(fsStrikeOut));
        switch (FQuality) {
        case fqDefault:
            break;
        case fqNonAntialiased:
            Font.setStyleStrategy(QFont::NoAntialias);
            break;
        case fqAntialiased:
            Font.setStyleStrategy(QFont::PreferAntialias);
            break;
        }
        FQFont = Font;
    }
    return *FQFont;
}

const QFontMetrics& TFont::Metrics() const
{
    if (!FMetrics)
        FMetrics.emplace(ToQFont());
    return *FMetrics;
}

namespace {
// Texts a font keeps measured or laid out (enough for every cell of a large
// grid page, so repainting a page shapes nothing); a font that meets ever
// new texts starts its cache over.
constexpr qsizetype MaxCachedTexts = 2048;

template <class T, class MakeFn>
T& Cached(QHash<QString, T>& Cache, const QString& Text, MakeFn&& Make)
{
    if (const auto Found = Cache.find(Text); Found != Cache.end())
        return *Found;
    if (Cache.size() >= MaxCachedTexts)
        Cache.clear();
    return *Cache.insert(Text, Make());
}
} // namespace

int TFont::TextWidth(const QString& Text) const
{
    if (!FAdditive)
        FAdditive = text::AdditiveAdvancesOf(ToQFont());
    if (const std::optional<int> Sum = FAdditive->Width(Text))
        return *Sum;
    return Cached(FTextWidths, Text, [&] { return Metrics().horizontalAdvance(Text); });
}

qreal TFont::Baseline() const
{
    if (!FBaseline)
        FBaseline = QFontMetricsF(ToQFont()).ascent();
    return *FBaseline;
}

const QStaticText* TFont::RepeatedLayout(const QString& Text) const
{
    bool FirstDrawing = false;
    std::optional<QStaticText>& Layout = Cached(FLayouts, Text, [&] {
        FirstDrawing = true;
        return std::optional<QStaticText>();
    });
    if (FirstDrawing)
        return nullptr;
    if (!Layout) {
        Layout.emplace(Text);
        Layout->setTextFormat(Qt::PlainText);
        Layout->prepare(QTransform(), ToQFont());
    }
    return &*Layout;
}

} // namespace vok
