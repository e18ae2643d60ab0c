#include <vok/Vok_syscolors.h>
#include <vok/Vok_frames.h>
#include <vok/Vok_rounding.h>

#include <cmath>
#include <numbers>

namespace vok {

namespace {

// Restores a canvas's pen and brush when drawing with temporary ones ends.
class ToolGuard
{
public:
    explicit ToolGuard(TCanvas* Canvas)
        : FCanvas(Canvas)
    {
        FPen.Assign(Canvas->GetPen());
        FBrush.Assign(Canvas->GetBrush());
        FPenPos = Canvas->GetPenPos();
    }
    ~ToolGuard()
    {
        FCanvas->GetPen()->Assign(&FPen);
        FCanvas->GetBrush()->Assign(&FBrush);
        FCanvas->SetPenPos(FPenPos);
    }
    ToolGuard(const ToolGuard&) = delete;
    ToolGuard& operator=(const ToolGuard&) = delete;

private:
    TCanvas* FCanvas;
    TPen FPen;
    TBrush FBrush;
    TPoint FPenPos;
};

// Fills the inclusive pixel box in Color (copy mode, brush only).
void Fill(TCanvas* Canvas, int Left, int Top, int Right, int Bottom, TColor Color)
{
    Canvas->GetBrush()->SetColor(Color);
    Canvas->FillRect(Rect(Left, Top, Right + 1, Bottom + 1));
}

// Upper-left lines of the inclusive box: top row to Right - 1, left column
// to Bottom - 1.
void UpperLeft(TCanvas* Canvas, int Left, int Top, int Right, int Bottom, TColor Color)
{
    Fill(Canvas, Left, Top, Right - 1, Top, Color);
    Fill(Canvas, Left, Top, Left, Bottom - 1, Color);
}

// Lower-right lines: bottom row from Left, right column from Top.
void LowerRight(TCanvas* Canvas, int Left, int Top, int Right, int Bottom, TColor Color)
{
    Fill(Canvas, Left, Bottom, Right, Bottom, Color);
    Fill(Canvas, Right, Top, Right, Bottom, Color);
}

void Outline(TCanvas* Canvas, int Left, int Top, int Right, int Bottom, TColor Color)
{
    UpperLeft(Canvas, Left, Top, Right, Bottom, Color);
    LowerRight(Canvas, Left, Top, Right, Bottom, Color);
}

// Two rings: outer and inner, each with an upper-left and a lower-right color.
void Bevel(TCanvas* Canvas, int L, int T, int R, int B, TColor OuterUL, TColor OuterLR, TColor InnerUL, TColor InnerLR)
{
    UpperLeft(Canvas, L, T, R, B, OuterUL);
    LowerRight(Canvas, L, T, R, B, OuterLR);
    if (R - L < 2 || B - T < 2)
        return;
    UpperLeft(Canvas, L + 1, T + 1, R - 1, B - 1, InnerUL);
    LowerRight(Canvas, L + 1, T + 1, R - 1, B - 1, InnerLR);
}

// A line through both end pixels (a single pixel when they are equal).
void Segment(TCanvas* Canvas, int X1, int Y1, int X2, int Y2)
{
    Canvas->MoveTo(X1, Y1);
    if (X1 == X2 && Y1 == Y2)
        Canvas->LineTo(X2 + 1, Y2);
    else
        Canvas->LineTo(X2 + (X2 > X1) - (X2 < X1), Y2 + (Y2 > Y1) - (Y2 < Y1));
}

} // namespace

TSchemeLineColors SchemeLineColors(TColorScheme Scheme)
{
    if (Scheme == csClassic)
        return {clGray, clWhite};
    return {clBtnShadow, clBtnHighlight};
}

void DrawEmbossedText(TCanvas* Canvas, int X, int Y, const QString& Text, TColor Light, TColor Shadow)
{
    TFont* Font = Canvas->GetFont();
    TBrush* Brush = Canvas->GetBrush();
    const TColor FontColor = Font->GetColor();
    const TBrushStyle BrushStyle = Brush->GetStyle();
    Brush->SetStyle(bsClear);
    Font->SetColor(Light);
    Canvas->TextOut(X + 1, Y + 1, Text);
    Font->SetColor(Shadow);
    Canvas->TextOut(X, Y, Text);
    Font->SetColor(FontColor);
    Brush->SetStyle(BrushStyle);
}

void DrawFrame(TCanvas* Canvas, TFrameStyle Style, int Left, int Top, int Right, int Bottom, TColor ColorWhite,
    TColor ColorSilver, TColor ColorGray, TColor ColorBlack, TColor ColorFlat)
{
    if (!Canvas || Style == fsNoFrame)
        return;
    if (Right < Left)
        std::swap(Left, Right);
    if (Bottom < Top)
        std::swap(Top, Bottom);
    const ToolGuard Guard(Canvas);
    Canvas->GetBrush()->SetStyle(bsSolid);
    switch (Style) {
    case fsNoFrame:
        break;
    case fsSimple:
        Outline(Canvas, Left, Top, Right, Bottom, ColorFlat);
        break;
    case fsLowered:
        Bevel(Canvas, Left, Top, Right, Bottom, ColorGray, ColorWhite, ColorBlack, ColorSilver);
        break;
    case fsRaised:
        Bevel(Canvas, Left, Top, Right, Bottom, ColorWhite, ColorBlack, ColorSilver, ColorGray);
        break;
    case fsEmbossed:
    case fsEngraved: {
        const TColor Shifted = Style == fsEmbossed ? ColorGray : ColorWhite;
        const TColor Front = Style == fsEmbossed ? ColorWhite : ColorGray;
        Outline(Canvas, Left + 1, Top + 1, Right, Bottom, Shifted);
        Outline(Canvas, Left, Top, Right - 1, Bottom - 1, Front);
        break;
    }
    }
}

void DrawRectangle(TCanvas* Canvas, int Left, int Top, int Right, int Bottom)
{
    if (!Canvas)
        return;
    const int Width = Canvas->GetPen()->GetWidth();
    const TPoint PenPos = Canvas->GetPenPos();
    Canvas->GetPen()->SetWidth(1);
    if (Left == Right || Top == Bottom) {
        // A line or a single pixel: the closed outline would paint it twice.
        Segment(Canvas, Left, Top, Right, Bottom);
    } else {
        Canvas->MoveTo(Left, Top);
        Canvas->LineTo(Right, Top);
        Canvas->LineTo(Right, Bottom);
        Canvas->LineTo(Left, Bottom);
        Canvas->LineTo(Left, Top);
    }
    Canvas->GetPen()->SetWidth(Width);
    Canvas->SetPenPos(PenPos);
}

namespace {

enum class Shape { Square, Circle, TriangleUp, TriangleDown, TriangleLeft, TriangleRight, Diamond, Hexagon, Pentagon, Star };
enum class Mark { Cross, Plus, Asterisk, HorizontalBar, VerticalBar };

constexpr int LargeHalf = 4;
constexpr int SmallHalf = 2;

// Points on a circle of radius R around (X, Y), counterclockwise from
// StartDegrees, alternating between R and InnerR when InnerR > 0.
QList<TPoint> RingPoints(int X, int Y, double R, double InnerR, int Count, double StartDegrees)
{
    QList<TPoint> Points;
    for (int I = 0; I < Count; ++I) {
        const double Radius = (InnerR > 0 && I % 2 == 1) ? InnerR : R;
        const double A = (StartDegrees + 360.0 * I / Count) * std::numbers::pi / 180.0;
        Points.append({X + Round(Radius * std::cos(A)), Y - Round(Radius * std::sin(A))});
    }
    return Points;
}

QList<TPoint> ShapePolygon(Shape S, int X, int Y, int H)
{
    switch (S) {
    case Shape::TriangleUp:
        return {{X, Y - H}, {X + H, Y + H}, {X - H, Y + H}};
    case Shape::TriangleDown:
        return {{X - H, Y - H}, {X + H, Y - H}, {X, Y + H}};
    case Shape::TriangleLeft:
        return {{X - H, Y}, {X + H, Y - H}, {X + H, Y + H}};
    case Shape::TriangleRight:
        return {{X + H, Y}, {X - H, Y + H}, {X - H, Y - H}};
    case Shape::Diamond:
        return {{X, Y - H}, {X + H, Y}, {X, Y + H}, {X - H, Y}};
    case Shape::Hexagon:
        return RingPoints(X, Y, H, 0, 6, 0);
    case Shape::Pentagon:
        return RingPoints(X, Y, H, 0, 5, 90);
    case Shape::Star:
        return RingPoints(X, Y, H, H * 0.45, 10, 90);
    case Shape::Square:
    case Shape::Circle:
        break;
    }
    return {};
}

void DrawShape(TCanvas* Canvas, Shape S, bool Filled, int X, int Y, int H)
{
    const TBrushStyle Saved = Canvas->GetBrush()->GetStyle();
    if (!Filled)
        Canvas->GetBrush()->SetStyle(bsClear);
    switch (S) {
    case Shape::Square:
        Canvas->Rectangle(X - H, Y - H, X + H + 1, Y + H + 1);
        break;
    case Shape::Circle:
        Canvas->Ellipse(X - H, Y - H, X + H + 1, Y + H + 1);
        break;
    default:
        Canvas->Polygon(ShapePolygon(S, X, Y, H));
        break;
    }
    Canvas->GetBrush()->SetStyle(Saved);
}

void DrawLineMark(TCanvas* Canvas, Mark M, int X, int Y, int H)
{
    // The asterisk's plus skips the centre the cross already painted, so
    // combining pen modes paint every pixel once.
    switch (M) {
    case Mark::Cross:
    case Mark::Asterisk:
        Segment(Canvas, X - H, Y - H, X + H, Y + H);
        Segment(Canvas, X + H, Y - H, X + 1, Y - 1);
        Segment(Canvas, X - 1, Y + 1, X - H, Y + H);
        if (M == Mark::Cross)
            break;
        Segment(Canvas, X - H, Y, X - 1, Y);
        Segment(Canvas, X + 1, Y, X + H, Y);
        Segment(Canvas, X, Y - H, X, Y - 1);
        Segment(Canvas, X, Y + 1, X, Y + H);
        break;
    case Mark::Plus:
        Segment(Canvas, X - H, Y, X + H, Y);
        Segment(Canvas, X, Y - H, X, Y - 1);
        Segment(Canvas, X, Y + 1, X, Y + H);
        break;
    case Mark::HorizontalBar:
        Segment(Canvas, X - H, Y, X + H, Y);
        break;
    case Mark::VerticalBar:
        Segment(Canvas, X, Y - H, X, Y + H);
        break;
    }
}

constexpr int ShapeCount = 10;
constexpr int LineMarkCount = 5;

} // namespace

QList<TPoint> MarkerPolygon(quint8 Kind, int X, int Y)
{
    if (Kind < 1 || Kind > 2 * 2 * ShapeCount)
        return {};
    const int Index = (Kind - 1) % (2 * ShapeCount);
    const int H = Kind <= 2 * ShapeCount ? LargeHalf : SmallHalf;
    return ShapePolygon(Shape(Index / 2), X, Y, H);
}

void DrawMarkOnCanvas(TCanvas* Canvas, quint8 Kind, int X, int Y)
{
    if (!Canvas || Kind >= MarkerKindCount)
        return;
    const TPoint PenPos = Canvas->GetPenPos();
    if (Kind == 0) {
        if (Canvas->GetPen()->GetStyle() != psClear)
            Canvas->SetPixel(X, Y, Canvas->GetPen()->GetColor());
    } else if (Kind <= 4 * ShapeCount) {
        const int Index = (Kind - 1) % (2 * ShapeCount);
        const int H = Kind <= 2 * ShapeCount ? LargeHalf : SmallHalf;
        DrawShape(Canvas, Shape(Index / 2), Index % 2 == 1, X, Y, H);
    } else if (Kind <= 4 * ShapeCount + 2 * LineMarkCount) {
        const int Index = Kind - 4 * ShapeCount - 1;
        const int H = Index < LineMarkCount ? LargeHalf : SmallHalf;
        DrawLineMark(Canvas, Mark(Index % LineMarkCount), X, Y, H);
    } else {
        const TBrushStyle Saved = Canvas->GetBrush()->GetStyle();
        Canvas->GetBrush()->SetStyle(bsClear);
        Canvas->Ellipse(X - 3, Y - 3, X + 4, Y + 4);
        Canvas->GetBrush()->SetStyle(Saved);
        Segment(Canvas, X - LargeHalf, Y, X - 1, Y);
        Segment(Canvas, X + 1, Y, X + LargeHalf, Y);
        Segment(Canvas, X, Y - LargeHalf, X, Y - 1);
        Segment(Canvas, X, Y + 1, X, Y + LargeHalf);
    }
    Canvas->SetPenPos(PenPos);
}

} // namespace vok
