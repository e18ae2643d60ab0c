#include <vok/Vok_RasterLab.h>
#include <vok/Vok_frames.h>
#include <vok/Vok_syscolors.h>

#include "DotFont.h"

#include <vok/Vok_colors.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace vok {

namespace {
// Offsets and text origins stay within this range, far beyond any board,
// so that sums of positions and offsets cannot overflow.
constexpr int PosLimit = 1 << 29;

int Bounded(qint64 Value) { return int(std::clamp<qint64>(Value, -PosLimit, PosLimit)); }
} // namespace

TRDGlyphSpan RDGlyphSpan(const TRDCharMatrix& CMat, uint Code)
{
    if (Code < 32 || Code > 255)
        return {0, CMat.FontWidth / 2};
    return {CMat.LeftMostBit[Code], CMat.RightMostBit[Code]};
}

TRDCharMatrix BuiltInCharMatrix()
{
    TRDCharMatrix M;
    M.FontWidth = DotFontWidth;
    M.FontHeight = DotFontHeight;
    for (int I = 0; I < DotFontGlyphCount; ++I) {
        const quint8* G = BuiltInDotFont[I];
        const int Code = DotFontFirstCode + I;
        M.LeftMostBit[Code] = G[0];
        M.RightMostBit[Code] = G[1];
        for (int Row = 0; Row < DotFontHeight; ++Row)
            M.BitData[Code][Row] = G[2 + Row];
    }
    return M;
}

int RDFrameWidth(TFrameStyle Style)
{
    switch (Style) {
    case fsNoFrame:
        return 0;
    case fsSimple:
    case fsLowered:
    case fsRaised:
        return 1;
    case fsEmbossed:
    case fsEngraved:
        return 2;
    }
    return 0;
}

TRasterLab::TRasterLab(QWidget* AOwner)
    : TGraphicControl(AOwner)
    , FCMat(std::make_unique<TRDCharMatrix>())
    , FTimer(new TComponentTimer(this, [this] { DoTimer(); }, &RaiseError<EVOKRasterLabError>))
    , FPaintBmp(std::make_unique<TBitmap>())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    SetBounds(GetLeft(), GetTop(), 400, 68);
    GetFont()->SetName(QStringLiteral("default"));
    GetFont()->SetSize(8);
    *FCMat = CreateBitFont(GetFont());
}

TRasterLab::~TRasterLab() = default;

QSize TRasterLab::minimumSizeHint() const
{
    const int Fw = RDFrameWidth(FFrameStyle);
    return {2 * Fw + 4 * Step() * std::max(1, FCMat->FontWidth), 2 * Fw + Step() * std::max(1, FCMat->FontHeight)};
}

TRDCharMatrix TRasterLab::CreateBitFont(const TFont* Font)
{
    if (!Font || Font->GetName().toLower() == QLatin1String("default"))
        return BuiltInCharMatrix();
    TRDCharMatrix M;
    // The glyphs are read back one pixel per dot: the work picture stays at
    // ratio 1 whatever the screen's, so its scan lines are logical pixels.
    TBitmap Work;
    Work.SetDevicePixelRatio(1);
    Work.SetSize(65, 65);
    TCanvas* C = Work.GetCanvas();
    C->SetFont(const_cast<TFont*>(Font));
    // Crisp dots: every pixel the glyph touches is lit.
    C->GetFont()->SetQuality(fqNonAntialiased);
    C->GetFont()->SetColor(clBlack);
    C->GetFont()->SetEscapement(0);
    C->GetBrush()->SetStyle(bsSolid);
    C->GetBrush()->SetColor(clWhite);
    std::array<bool, 256> Blank{};
    for (int Code = 32; Code <= 255; ++Code) {
        C->FillRect(Rect(0, 0, 65, 65));
        C->TextOut(0, 0, QString(QChar(Code)));
        int Left = 31, Right = 0;
        for (int Row = 0; Row < 32; ++Row) {
            const quint32* Line = Work.ScanLine(Row);
            quint32 Bits = 0;
            for (int Col = 0; Col < 32; ++Col) {
                if ((Line[Col] & 0xFFFFFF) != 0xFFFFFF) {
                    Bits |= 1u << Col;
                    Left = std::min(Left, Col);
                    Right = std::max(Right, Col);
                }
            }
            M.BitData[Code][Row] = Bits;
            if (Bits)
                M.FontHeight = std::max(M.FontHeight, Row + 1);
        }
        Blank[Code] = Left > Right;
        if (Blank[Code])
            continue;
        M.LeftMostBit[Code] = quint8(Left);
        M.RightMostBit[Code] = quint8(Right);
        M.FontWidth = std::max(M.FontWidth, Right - Left + 1);
    }
    // The blank and every glyph without dots: a blank of half the font width.
    Blank[32] = true;
    for (int Code = 32; Code <= 255; ++Code) {
        if (Blank[Code]) {
            M.LeftMostBit[Code] = 0;
            M.RightMostBit[Code] = quint8(M.FontWidth / 2);
        }
    }
    return M;
}

int TRasterLab::PaintChar(TCanvas* Canvas, const TRDCharMatrix& CMat, int X, int Y, QChar Ch, int DotSize,
    int DotSpacing, TColor ColorOn, bool Fixed)
{
    const uint Code = Ch.unicode();
    const TRDGlyphSpan Span = Fixed ? TRDGlyphSpan{0, CMat.FontWidth - 1} : RDGlyphSpan(CMat, Code);
    const int S = DotSize + DotSpacing;
    if (Code >= 32 && Code <= 255 && Span.Columns() > 0) {
        TBrush* Brush = Canvas->GetBrush();
        Brush->SetStyle(bsSolid);
        Brush->SetColor(ColorOn);
        const int Rows = std::min(CMat.FontHeight, 32);
        for (int R = 0; R < Rows; ++R) {
            quint32 Bits = CMat.BitData[Code][R] >> Span.First;
            for (int C = 0; Bits && C < Span.Columns(); ++C, Bits >>= 1) {
                if (!(Bits & 1))
                    continue;
                const int Dx = X + C * S, Dy = Y + R * S;
                if (DotSize == 1)
                    Canvas->SetPixel(Dx, Dy, ColorOn);
                else
                    Canvas->FillRect(Rect(Dx, Dy, Dx + DotSize, Dy + DotSize));
            }
        }
    }
    return S * std::max(0, Span.Columns());
}

void TRasterLab::PaintString(TCanvas* Canvas, const TRDCharMatrix& CMat, int X, int Y, const QString& Text,
    int DotSize, int DotSpacing, TColor ColorOn, TColor ColorBakG, TRDBlockMode BlockMode, bool Proportional,
    int& BitLength)
{
    const int S = DotSize + DotSpacing;
    const int H = Canvas->Height();
    const auto Strip = [&](int Left, int Right) {
        Canvas->GetBrush()->SetStyle(bsSolid);
        Canvas->GetBrush()->SetColor(ColorBakG);
        Canvas->FillRect(Rect(Left, 0, Right, H));
    };
    int XPos = X;
    if (BlockMode == rdbmOn)
        Strip(XPos - S, XPos);
    const int W = Canvas->Width();
    for (QChar Ch : Text) {
        const int Width = S * (Proportional ? RDGlyphSpan(CMat, Ch.unicode()).Columns() : CMat.FontWidth);
        // Characters off the board only count for the length.
        if (XPos < W && XPos + Width > 0)
            PaintChar(Canvas, CMat, XPos, Y, Ch, DotSize, DotSpacing, ColorOn, !Proportional);
        XPos += Proportional ? Width + S : (CMat.FontWidth + 1) * S;
        if (BlockMode == rdbmOn)
            Strip(XPos - S, XPos);
    }
    BitLength = XPos - X + 1;
}

int TRasterLab::CalcTextBitLength(const QString& Text) const
{
    const int S = Step();
    int Length = 0;
    for (QChar Ch : Text)
        Length += FProportional ? (RDGlyphSpan(*FCMat, Ch.unicode()).Columns() + 1) * S : (FCMat->FontWidth + 1) * S;
    return Length;
}

int TRasterLab::AutoHeightValue() const
{
    return RDFrameWidth(FFrameStyle) + Step() * FCMat->FontHeight;
}

QSize TRasterLab::sizeHint() const
{
    return {400, FAutoHeight ? AutoHeightValue() : 68};
}

void TRasterLab::AdjustAutoHeight()
{
    SetHeight(AutoHeightValue());
}

void TRasterLab::AdjustAutoCenter()
{
    FXPos = (GetWidth() - CalcTextBitLength(FLabText)) / 2 + RDFrameWidth(FFrameStyle) + 1;
}

void TRasterLab::GeometryChanged()
{
    if (FAutoHeight)
        AdjustAutoHeight();
    if (FAutoCenter)
        AdjustAutoCenter();
    Paint();
    updateGeometry();
}

void TRasterLab::SetAutoCenter(bool Value)
{
    if (FAutoCenter == Value)
        return;
    FAutoCenter = Value;
    if (Value)
        AdjustAutoCenter();
    else
        FXPos = 1;
    Paint();
}

void TRasterLab::SetAutoHeight(bool Value)
{
    if (FAutoHeight == Value)
        return;
    FAutoHeight = Value;
    // In a layout the auto height is the fixed height.
    setSizePolicy(QSizePolicy::Expanding, Value ? QSizePolicy::Fixed : QSizePolicy::Preferred);
    if (Value)
        AdjustAutoHeight();
    Paint();
    updateGeometry();
}

void TRasterLab::SetCharBlockMode(TRDBlockMode Value)
{
    if (FCharBlockMode == Value)
        return;
    FCharBlockMode = Value;
    Paint();
}

void TRasterLab::SetColorDotOn(TColor Value)
{
    if (FColorDotOn == Value)
        return;
    FColorDotOn = Value;
    Paint();
}

void TRasterLab::SetColorDotOff(TColor Value)
{
    if (FColorDotOff == Value)
        return;
    FColorDotOff = Value;
    Paint();
}

void TRasterLab::SetColorLabBakG(TColor Value)
{
    if (FColorLabBakG == Value)
        return;
    FColorLabBakG = Value;
    Paint();
}

void TRasterLab::SetColorScheme(TColorScheme Value)
{
    if (FColorScheme == Value)
        return;
    FColorScheme = Value;
    const TSchemeLineColors Lines = SchemeLineColors(Value);
    FColGrayLine = Lines.Gray;
    FColWhiteLine = Lines.White;
    Paint();
}

void TRasterLab::SetDotSize(int Value)
{
    Value = std::clamp(Value, 1, 32);
    if (FDotSize == Value)
        return;
    FDotSize = Value;
    GeometryChanged();
}

void TRasterLab::SetDotSpacing(int Value)
{
    Value = std::clamp(Value, 0, 3);
    if (FDotSpacing == Value)
        return;
    FDotSpacing = Value;
    GeometryChanged();
}

void TRasterLab::SetFrameStyle(TFrameStyle Value)
{
    if (FFrameStyle == Value)
        return;
    FFrameStyle = Value;
    Paint();
}

void TRasterLab::SetPosX(int Value)
{
    if (FXPos == Value)
        return;
    FXPos = Value;
    Paint();
}

void TRasterLab::SetPosY(int Value)
{
    if (FYPos == Value)
        return;
    FYPos = Value;
    Paint();
}

void TRasterLab::SetProportional(bool Value)
{
    if (FProportional == Value)
        return;
    FProportional = Value;
    Paint();
}

void TRasterLab::SetScrollMode(TRDScrollMode Value)
{
    if (FScrollMode == Value)
        return;
    FScrollMode = Value;
    if (!IsDesigning()) {
        FScrTimerEnabled = Value != rdsmOff;
        UpdateTimer();
    }
    if (Value == rdsmOff) {
        FScrollPosX = 0;
        FScrollPosY = 0;
        Paint();
    }
}

void TRasterLab::SetScrollInterval(int Value)
{
    Value = std::max(10, Value);
    if (FScrollIv == Value)
        return;
    FScrollIv = Value;
    UpdateTimer();
}

void TRasterLab::SetScrollIncrement(int Value)
{
    Value = Value == INT_MIN ? INT_MAX : std::max(1, std::abs(Value));
    if (FScrollInc == Value)
        return;
    FScrollInc = Value;
    UpdateTimer();
}

void TRasterLab::SetScrollLoop(bool Value)
{
    FScrollLoop = Value;
    Paint();
}

void TRasterLab::SetText(const QString& Value)
{
    if (FLabText == Value)
        return;
    FLabText = Value;
    if (FAutoCenter)
        AdjustAutoCenter();
    Paint();
    NotifyAccessibleValueChanged();
}

void TRasterLab::SetCharMatrix(const TRDCharMatrix& Value)
{
    *FCMat = Value;
    Paint();
    updateGeometry();
}

void TRasterLab::SetOnScrollTimer(TNotifyEvent Handler)
{
    OnScrollTimer = std::move(Handler);
    UpdateTimer();
}

void TRasterLab::FontChanged()
{
    TGraphicControl::FontChanged();
    *FCMat = CreateBitFont(GetFont());
    GeometryChanged();
}

void TRasterLab::UpdateTimer()
{
    FTimer->Kill();
    if (FScrollIv > 0 && FScrollMode != rdsmOff && FScrTimerEnabled && !IsDesigning())
        FTimer->Start(FScrollIv);
}

void TRasterLab::ScrollStep()
{
    // Right and down: the text re-enters from the far side once its start
    // has passed the board; left and up mirror that.
    const int TextHeight = Step() * FCMat->FontHeight;
    bool Restart = false;
    switch (FScrollMode) {
    case rdsmOff:
        FScrTimerEnabled = false;
        FScrollPosX = 0;
        FScrollPosY = 0;
        break;
    case rdsmRight:
        FScrollPosX = Bounded(qint64(FScrollPosX) + FScrollInc);
        if (FScrollLoop && FScrollPosX > GetWidth()) {
            FScrollPosX = -FTextBitLength;
            Restart = true;
        }
        break;
    case rdsmLeft:
        FScrollPosX = Bounded(qint64(FScrollPosX) - FScrollInc);
        if (FScrollLoop && FScrollPosX < -FTextBitLength) {
            FScrollPosX = GetWidth();
            Restart = true;
        }
        break;
    case rdsmDown:
        FScrollPosY = Bounded(qint64(FScrollPosY) + FScrollInc);
        if (FScrollLoop && FScrollPosY > GetHeight()) {
            FScrollPosY = -TextHeight;
            Restart = true;
        }
        break;
    case rdsmUp:
        FScrollPosY = Bounded(qint64(FScrollPosY) - FScrollInc);
        if (FScrollLoop && FScrollPosY < -TextHeight) {
            FScrollPosY = GetHeight();
            Restart = true;
        }
        break;
    }
    if (Restart)
        DoScrLoopRestart();
    Paint();
}

void TRasterLab::DoTimer()
{
    ScrollStep();
    if (OnScrollTimer)
        OnScrollTimer(this);
    emit scrollTimer();
}

void TRasterLab::DoScrLoopRestart()
{
    if (OnScrollLoopRestart)
        OnScrollLoopRestart(this);
    emit scrollLoopRestart();
}

void TRasterLab::PaintFrame(TCanvas* C, int W, int H) const
{
    TPen* Pen = C->GetPen();
    Pen->SetStyle(psSolid);
    Pen->SetWidth(1);
    C->GetBrush()->SetStyle(bsClear);
    const auto Line = [&](TColor Color, std::initializer_list<TPoint> Points) {
        Pen->SetColor(Color);
        C->Polyline(QList<TPoint>(Points));
    };
    switch (FFrameStyle) {
    case fsNoFrame:
        break;
    case fsSimple:
        Pen->SetColor(FColGrayLine);
        DrawRectangle(C, 0, 0, W - 1, H - 1);
        break;
    case fsLowered:
    case fsRaised: {
        const bool Sunken = FFrameStyle == fsLowered;
        Line(Sunken ? FColBlackLine : FColWhiteLine, {Point(1, H - 3), Point(1, 1), Point(W - 2, 1)});
        Line(Sunken ? FColWhiteLine : FColBlackLine, {Point(Sunken ? 2 : 0, H - 1), Point(W - 1, H - 1), Point(W - 1, 0)});
        Pen->SetColor(FColGrayLine);
        DrawRectangle(C, 0, 0, W - 2, H - 2);
        break;
    }
    case fsEmbossed:
    case fsEngraved: {
        const bool Embossed = FFrameStyle == fsEmbossed;
        Pen->SetColor(Embossed ? FColGrayLine : FColWhiteLine);
        DrawRectangle(C, 1, 1, W - 1, H - 1);
        Pen->SetColor(Embossed ? FColWhiteLine : FColGrayLine);
        DrawRectangle(C, 0, 0, W - 2, H - 2);
        break;
    }
    }
}

void TRasterLab::Paint()
{
    const int W = GetWidth();
    const int H = GetHeight();
    FPaintBmp->SetSize(W, H);
    TCanvas* C = FPaintBmp->GetCanvas();
    C->SetCopyMode(cmSrcCopy);
    C->GetPen()->SetMode(pmCopy);

    // Step 1: the unlit dots (or the plain background).
    const TColor Field = FCharBlockMode == rdbmOff ? FColorLabBakG : FColorDotOff;
    C->GetBrush()->SetStyle(bsSolid);
    C->GetBrush()->SetColor(Field);
    C->FillRect(FFrameStyle != fsNoFrame ? Rect(1, 1, W - 1, H - 1) : Rect(0, 0, W, H));

    // Step 2: the raster gaps between the dots.
    const int S = Step();
    const int TextX = Bounded(qint64(FXPos) + FScrollPosX);
    const int TextY = Bounded(qint64(FYPos) + FScrollPosY);
    if (FCharBlockMode != rdbmOff && FDotSpacing > 0) {
        C->GetBrush()->SetColor(FColorLabBakG);
        const int Y0 = TextY % S - FDotSpacing - 1;
        for (int B = 0; B <= H / S + 1; ++B)
            C->FillRect(Rect(0, Y0 + B * S + 1, W, Y0 + B * S + 1 + FDotSpacing));
        const int X0 = TextX % S - FDotSpacing - 1;
        for (int B = 0; B <= W / S + 1; ++B)
            C->FillRect(Rect(X0 + B * S + 1, 0, X0 + B * S + 1 + FDotSpacing, H));
    }

    // Step 3: the text, its dots dimmed half way to the unlit colour while disabled.
    const TColor On = isEnabled() ? FColorDotOn : MeanColor(ColorToRGB(FColorDotOn), ColorToRGB(FColorDotOff));
    PaintString(C, *FCMat, TextX, TextY, FLabText, FDotSize, FDotSpacing, On, FColorLabBakG, FCharBlockMode, FProportional, FTextBitLength);

    PaintFrame(C, W, H);
    GetCanvas()->SetCopyMode(cmSrcCopy);
    GetCanvas()->Draw(0, 0, FPaintBmp.get());
}

void TRasterLab::Assign(QObject* Source)
{
    const auto* Other = qobject_cast<TRasterLab*>(Source);
    if (!Other) {
        TGraphicControl::Assign(Source);
        return;
    }
    FFrameStyle = Other->FFrameStyle;
    FLabText = Other->FLabText;
    FColorLabBakG = Other->FColorLabBakG;
    FColorDotOn = Other->FColorDotOn;
    FColBlackLine = Other->FColBlackLine;
    FColGrayLine = Other->FColGrayLine;
    FColWhiteLine = Other->FColWhiteLine;
    FColorScheme = Other->FColorScheme;
    Paint();
}

void TRasterLab::AssignTo(QObject* Dest)
{
    if (!AssignToKindOf(Dest))
        TGraphicControl::AssignTo(Dest);
}

} // namespace vok
