#include <vok/Vok_sevenseg.h>
#include <vok/Vok_colors.h>
#include <vok/Vok_frames.h>
#include <vok/Vok_syscolors.h>

#include <algorithm>
#include <initializer_list>
#include <string_view>

namespace vok {

namespace {

enum TSegKind { skHorz, skVert };

struct TSegPlace
{
    TSegKind Kind;
    int X, Y;
};

// Segments 1..7: top, upper left, upper right, middle, lower left, lower
// right, bottom; the digit leans, so lower segments sit further left.
constexpr TSegPlace SegPlaces[7] = {
    {skHorz, 94, 0}, {skVert, 37, 23}, {skVert, 244, 23}, {skHorz, 57, 197},
    {skVert, 0, 220}, {skVert, 207, 220}, {skHorz, 20, 394},
};

constexpr quint8 Segs(std::initializer_list<int> Lit)
{
    quint8 Mask = 0;
    for (int S : Lit)
        Mask |= quint8(1 << (S - 1));
    return Mask;
}

// "0".."9", then "A".."F".
constexpr quint8 DigitPatterns[10] = {
    Segs({1, 2, 3, 5, 6, 7}), Segs({3, 6}),          Segs({1, 3, 4, 5, 7}), Segs({1, 3, 4, 6, 7}),
    Segs({2, 3, 4, 6}),       Segs({1, 2, 4, 6, 7}), Segs({1, 2, 4, 5, 6, 7}), Segs({1, 3, 6}),
    Segs({1, 2, 3, 4, 5, 6, 7}), Segs({1, 2, 3, 4, 6, 7}),
};
constexpr quint8 HexPatterns[6] = {
    Segs({1, 2, 3, 4, 5, 6}), Segs({2, 4, 5, 6, 7}), Segs({1, 2, 5, 7}),
    Segs({3, 4, 5, 6, 7}),    Segs({1, 2, 4, 5, 7}), Segs({1, 2, 4, 5}),
};

constexpr int DotX = 269, DotY = 394;

bool IsPoint(QChar Ch) { return Ch == QLatin1Char('.') || Ch == QLatin1Char(','); }

std::unique_ptr<TBitmap> LoadSegment(const char* Name)
{
    auto Bmp = std::make_unique<TBitmap>();
    Bmp->LoadFromResourceName(QLatin1String(Name));
    Bmp->SetPixelFormat(pf32bit);
    return Bmp;
}

// A surface fill of whatever colour (X, Y) has.
void FillSurface(TCanvas* C, int X, int Y, TColor Color)
{
    C->GetBrush()->SetStyle(bsSolid);
    C->GetBrush()->SetColor(Color);
    C->FloodFill(X, Y, C->GetPixel(X, Y), fsSurface);
}

} // namespace

QList<TSevenSegCell> SevenSegCells(const QString& Caption, int NumDigits)
{
    QList<TSevenSegCell> Cells;
    qsizetype I = 0;
    while (Cells.size() < NumDigits && I < Caption.size()) {
        const QChar Ch = Caption[I++];
        if (IsPoint(Ch)) {
            Cells.append({QLatin1Char(' '), true});
            continue;
        }
        const bool Dot = I < Caption.size() && IsPoint(Caption[I]);
        if (Dot)
            ++I;
        Cells.append({Ch.toUpper(), Dot});
    }
    return Cells;
}

quint8 SevenSegPattern(QChar Ch)
{
    const char16_t C = Ch.unicode();
    if (C >= u'0' && C <= u'9')
        return DigitPatterns[C - u'0'];
    if (C >= u'A' && C <= u'F')
        return HexPatterns[C - u'A'];
    if (C >= u'a' && C <= u'f')
        return HexPatterns[C - u'a'];
    if (C == u'-')
        return Segs({4});
    return 0;
}

TSevenSegLayout SevenSegLayout(int Width, int Height, int Margin, int NumDigits, int InterDigDist)
{
    TSevenSegLayout L;
    L.GlyphWidth = (Width - 2 * Margin) / NumDigits - InterDigDist;
    L.CacheHeight = Height - 2 * Margin;
    return L;
}

TSevenSeg::TSevenSeg(QWidget* AOwner)
    : TGraphicControl(AOwner)
    , DigImg(std::make_unique<TBitmap>(SevenSegMasterWidth, SevenSegMasterHeight))
    , SegHorz(LoadSegment("SEGHORZ"))
    , SegVert(LoadSegment("SEGVERT"))
    , SegDot(LoadSegment("SEGDOT"))
    , SegPlus(LoadSegment("SEGPLUS"))
    , SegColon(LoadSegment("SEGCOLON"))
    , SegDeg(LoadSegment("SEGDEG"))
    , ImgCache(std::make_unique<TBitmap>())
    , FPaintBmp(std::make_unique<TBitmap>())
{
    // The master digit is only a source for shrinking into the glyph cache,
    // which has the screen's ratio: its logical pixels are detail enough.
    DigImg->SetDevicePixelRatio(1);
    DigImg->SetPixelFormat(pf32bit);
    ImgCache->SetPixelFormat(pf32bit);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    OnResize = [this](QObject* Sender) { ProcessResize(Sender); };
    SetBounds(GetLeft(), GetTop(), 216, 76);
    ProcessResize(this);
}

TSevenSeg::~TSevenSeg() = default;

QSize TSevenSeg::minimumSizeHint() const
{
    // Cells of at least 8 x 12 pixels inside the margins.
    return {2 * FMargin + FNumDigits * (8 + FInterDigDist), 2 * FMargin + 12};
}

TSevenSegLayout TSevenSeg::Layout() const
{
    return SevenSegLayout(GetWidth(), GetHeight(), FMargin, FNumDigits, FInterDigDist);
}

void TSevenSeg::Rebuild()
{
    FWidth = GetWidth();
    FHeight = GetHeight();
    CreateImageCache();
}

void TSevenSeg::SetCaption(const QString& Value)
{
    if (FCaption == Value)
        return;
    FCaption = Value;
    Paint();
    NotifyAccessibleValueChanged();
}

void TSevenSeg::SetColorBackGnd(TColor Value)
{
    if (FColorBakG == Value)
        return;
    FColorBakG = Value;
    CreateImageCache();
    Paint();
}

void TSevenSeg::SetColorText(TColor Value)
{
    if (FColorTxt == Value)
        return;
    FColorTxt = Value;
    CreateImageCache();
    Paint();
}

void TSevenSeg::SetColorScheme(TColorScheme Value)
{
    if (FColorScheme == Value)
        return;
    FColorScheme = Value;
    const TSchemeLineColors Lines = SchemeLineColors(Value);
    FColGrayLine = Lines.Gray;
    FColWhiteLine = Lines.White;
    Invalidate();
}

void TSevenSeg::SetFrameStyle(TFrameStyle Value)
{
    if (FFrameStyle == Value)
        return;
    FFrameStyle = Value;
    Invalidate();
}

void TSevenSeg::SetInterDigDist(int Value)
{
    // A negative gap would widen the glyphs beyond their cells.
    Value = std::clamp(Value, 0, 255);
    if (FInterDigDist == Value)
        return;
    FInterDigDist = Value;
    CreateImageCache();
    Paint();
    updateGeometry();
}

void TSevenSeg::SetMargin(int Value)
{
    // A negative margin would make the cache larger than the control.
    Value = std::max(0, std::min(Value, GetHeight() / 2 - 1));
    if (FMargin == Value)
        return;
    FMargin = Value;
    CreateImageCache();
    Paint();
    updateGeometry();
}

void TSevenSeg::SetNumDigits(int Value)
{
    if (Value < 1 || Value > 32 || FNumDigits == Value)
        return;
    FNumDigits = Value;
    CreateImageCache();
    Paint();
    updateGeometry();
}

void TSevenSeg::ColorizeSegments(TColor Color)
{
    Color = ColorToRGB(Color);
    if (Color == 0xFFFFFF)
        Color = 0xFEFEFE;
    for (TBitmap* Seg : {SegVert.get(), SegHorz.get(), SegDot.get(), SegPlus.get()})
        FillSurface(Seg->GetCanvas(), Seg->GetWidth() / 2, Seg->GetHeight() / 2, Color);
    FillSurface(SegColon->GetCanvas(), 18, SegColon->GetHeight() - 18, Color);
    FillSurface(SegColon->GetCanvas(), SegColon->GetWidth() - 18, 18, Color);
    FillSurface(SegDeg->GetCanvas(), 25, SegDeg->GetHeight() / 2, Color);
}

void TSevenSeg::CopySegment(const TBitmap& Segment, int X, int Y)
{
    DigImg->GetCanvas()->Draw(X, Y, &Segment);
}

void TSevenSeg::CreateDigit(QChar Ch, bool Dot)
{
    TCanvas* C = DigImg->GetCanvas();
    C->SetCopyMode(cmSrcCopy);
    C->GetBrush()->SetStyle(bsSolid);
    C->GetBrush()->SetColor(clWhite);
    C->FillRect(Rect(0, 0, SevenSegMasterWidth, SevenSegMasterHeight));
    C->SetCopyMode(cmSrcAnd);
    if (Ch == QLatin1Char('+')) {
        CopySegment(*SegPlus, 57, 120);
    } else if (Ch == QLatin1Char(':')) {
        CopySegment(*SegColon, 122, 121);
    } else if (Ch == QChar(0x00B0)) {
        CopySegment(*SegDeg, 150, 0);
    } else {
        Dot = Dot || IsPoint(Ch);
        const quint8 Pattern = SevenSegPattern(Ch);
        for (int S = 0; S < 7; ++S) {
            if (Pattern & (1 << S))
                CopySegment(SegPlaces[S].Kind == skHorz ? *SegHorz : *SegVert, SegPlaces[S].X, SegPlaces[S].Y);
        }
    }
    if (Dot)
        CopySegment(*SegDot, DotX, DotY);
    C->SetCopyMode(cmSrcCopy);
    FillSurface(C, 1, 1, ColorToRGB(FColorBakG));
}

void TSevenSeg::CreateImageCache()
{
    const TSevenSegLayout L = Layout();
    if (L.IsEmpty()) {
        ImgCache->SetSize(0, 0);
        return;
    }
    const int Gw = L.GlyphWidth;
    ImgCache->SetSize(SevenSegCharCount * Gw, L.CacheHeight);
    TCanvas* C = ImgCache->GetCanvas();
    C->GetBrush()->SetStyle(bsSolid);
    C->GetBrush()->SetColor(FColorBakG);
    C->FillRect(Rect(0, 0, ImgCache->GetWidth(), ImgCache->GetHeight()));
    // A disabled display shows its segments half way to the background.
    FCacheEnabled = isEnabled();
    ColorizeSegments(FCacheEnabled ? FColorTxt : MeanColor(ColorToRGB(FColorTxt), ColorToRGB(FColorBakG)));
    C->SetCopyMode(cmSrcCopy);
    C->SetStretchMode(smHalftone);
    for (int K = 0; K < SevenSegCharCount; ++K) {
        CreateDigit(QChar(SevenSegCharList[K]), false);
        C->StretchDraw(Rect(K * Gw, 0, (K + 1) * Gw, L.CacheHeight), DigImg.get());
    }
}

void TSevenSeg::ProcessResize(QObject*)
{
    if (GetWidth() == FWidth && GetHeight() == FHeight)
        return;
    Rebuild();
    Paint();
}

void TSevenSeg::Resize()
{
    // The cache follows every size change, also when the host has its own OnResize.
    ProcessResize(this);
    TGraphicControl::Resize();
}

void TSevenSeg::Paint()
{
    const int W = GetWidth();
    const int H = GetHeight();
    FPaintBmp->SetSize(W, H);
    TCanvas* C = FPaintBmp->GetCanvas();
    C->SetFont(GetFont());
    C->SetCopyMode(cmSrcCopy);
    C->GetBrush()->SetStyle(bsSolid);
    C->GetBrush()->SetColor(FColorBakG);
    C->FillRect(Rect(0, 0, W, H));

    // The glyphs follow the enabled state and the device pixel ratio (a move
    // to another screen).
    if (FCacheEnabled != isEnabled() || ImgCache->GetDevicePixelRatio() != FPaintBmp->GetDevicePixelRatio())
        CreateImageCache();
    const TSevenSegLayout L = Layout();
    if (!L.IsEmpty() && ImgCache->GetHeight() == L.CacheHeight) {
        const int Gw = L.GlyphWidth;
        const int Ch = L.CacheHeight;
        const TCanvas* Cache = ImgCache->GetCanvas();
        const QList<TSevenSegCell> Cells = SevenSegCells(FCaption, FNumDigits);
        for (int J = 0; J < Cells.size(); ++J) {
            const int X = L.CellLeft(J, FMargin, FInterDigDist);
            const size_t Pos = std::u16string_view(SevenSegCharList).find(Cells[J].Ch.unicode());
            const int K = int(Pos);
            if (Pos != std::u16string_view::npos)
                C->CopyRect(Rect(X, FMargin, X + Gw, H - FMargin), Cache, Rect(K * Gw, 0, (K + 1) * Gw, Ch));
            if (Cells[J].Dot)
                C->CopyRect(Rect(X + Gw * 5 / 6, FMargin + Ch * 5 / 6, X + Gw, H - FMargin), Cache,
                    Rect(20 * Gw + Gw * 5 / 6, Ch * 5 / 6, 21 * Gw, Ch));
        }
    }
    DrawFrame(C, FFrameStyle, 0, 0, W - 1, H - 1, clWhite, clSilver, clGray, clBlack, clBlack);
    GetCanvas()->SetCopyMode(cmSrcCopy);
    GetCanvas()->Draw(0, 0, FPaintBmp.get());
}

void TSevenSeg::Assign(QObject* Source)
{
    const auto* Other = qobject_cast<TSevenSeg*>(Source);
    if (!Other) {
        TGraphicControl::Assign(Source);
        return;
    }
    FColorBakG = Other->FColorBakG;
    FColorTxt = Other->FColorTxt;
    FNumDigits = Other->FNumDigits;
    FCaption = Other->FCaption;
    FFrameStyle = Other->FFrameStyle;
    FColBlackLine = Other->FColBlackLine;
    FColGrayLine = Other->FColGrayLine;
    FColWhiteLine = Other->FColWhiteLine;
    FColorScheme = Other->FColorScheme;
    FMargin = Other->FMargin;
    FInterDigDist = Other->FInterDigDist;
    CreateImageCache();
    Invalidate();
    updateGeometry();
}

void TSevenSeg::AssignTo(QObject* Dest)
{
    if (!AssignToKindOf(Dest))
        TGraphicControl::AssignTo(Dest);
}

} // namespace vok
