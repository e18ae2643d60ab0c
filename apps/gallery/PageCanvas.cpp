// Gallery page "Canvas": the six frame styles, the 52 marker kinds and the
// canvas primitives, all drawn by the library's canvas into one bitmap.
#include "GalleryPages.h"

#include <vok/Vok_frames.h>
#include <vok/Vok_graphics.h>

#include <QPainter>
#include <QScrollArea>

#include <cmath>
#include <numbers>

namespace {

using namespace vok;

constexpr int PictureWidth = 880;
constexpr int PictureHeight = 645;

void Heading(TCanvas* C, int X, int Y, const QString& Text)
{
    C->GetBrush()->SetStyle(bsClear);
    C->GetFont()->SetStyle(fsBold);
    C->GetFont()->SetColor(clNavy);
    C->TextOut(X, Y, Text);
    C->GetFont()->SetStyle({});
    C->GetFont()->SetColor(clBlack);
}

void Caption(TCanvas* C, int X, int Y, const QString& Text)
{
    const TBrushStyle Saved = C->GetBrush()->GetStyle();
    C->GetBrush()->SetStyle(bsClear);
    C->TextOut(X, Y, Text);
    C->GetBrush()->SetStyle(Saved);
}

void ResetTools(TCanvas* C)
{
    C->GetPen()->SetColor(clBlack);
    C->GetPen()->SetWidth(1);
    C->GetPen()->SetStyle(psSolid);
    C->GetPen()->SetMode(pmCopy);
    C->GetBrush()->SetStyle(bsSolid);
    C->GetBrush()->SetColor(clWhite);
    C->SetCopyMode(cmSrcCopy);
}

void DrawFrames(TCanvas* C, int Top)
{
    Heading(C, 10, Top, QStringLiteral("Frame styles (DrawFrame)"));
    const char* Names[6] = {"0 none", "1 simple", "2 lowered", "3 raised", "4 embossed", "5 engraved"};
    for (int I = 0; I < 6; ++I) {
        const int X = 10 + I * 140;
        ResetTools(C);
        C->GetBrush()->SetColor(clSilver);
        C->FillRect(Bounds(X, Top + 20, 120, 50));
        DrawFrame(C, TFrameStyle(I), X + 10, Top + 28, X + 109, Top + 61);
        Caption(C, X + 10, Top + 74, QString::fromLatin1(Names[I]));
    }
}

// The markers drawn at their real size in 20 x 20 cells, shown three times
// enlarged (color-on-color stretching keeps every pixel sharp).
void DrawMarkers(TCanvas* C, int Top)
{
    Heading(C, 10, Top, QStringLiteral("The 52 markers (DrawMarkOnCanvas), navy pen, yellow brush, enlarged 3 times"));
    constexpr int PerRow = 13;
    constexpr int Cell = 20;
    constexpr int Zoom = 3;
    TBitmap Strip(PerRow * Cell, 4 * Cell);
    TCanvas* S = Strip.GetCanvas();
    S->GetBrush()->SetColor(0xF4F4F4);
    S->FillRect(Rect(0, 0, Strip.GetWidth(), Strip.GetHeight()));
    S->GetBrush()->SetColor(clSilver);
    for (int Kind = 0; Kind < MarkerKindCount; ++Kind)
        S->FrameRect(Bounds((Kind % PerRow) * Cell, (Kind / PerRow) * Cell, Cell, Cell));
    S->GetPen()->SetColor(clNavy);
    S->GetBrush()->SetColor(clYellow);
    for (int Kind = 0; Kind < MarkerKindCount; ++Kind)
        DrawMarkOnCanvas(S, quint8(Kind), (Kind % PerRow) * Cell + Cell / 2, (Kind / PerRow) * Cell + Cell / 2);
    ResetTools(C);
    C->StretchDraw(Bounds(10, Top + 22, Strip.GetWidth() * Zoom, Strip.GetHeight() * Zoom), &Strip);
    C->GetFont()->SetColor(clGray);
    for (int Kind = 0; Kind < MarkerKindCount; ++Kind)
        Caption(C, 10 + (Kind % PerRow) * Cell * Zoom + 3, Top + 22 + (Kind / PerRow) * Cell * Zoom + 2, QString::number(Kind));
    C->GetFont()->SetColor(clBlack);
}

// A small test picture for the copy and stretch demonstrations.
void PaintSample(TBitmap& B)
{
    B.SetSize(24, 16);
    TCanvas* C = B.GetCanvas();
    C->GetBrush()->SetColor(clTeal);
    C->FillRect(Rect(0, 0, 24, 16));
    C->GetBrush()->SetColor(clYellow);
    C->GetPen()->SetColor(clMaroon);
    C->Ellipse(2, 2, 14, 14);
    C->GetBrush()->SetColor(clWhite);
    C->Rectangle(14, 4, 22, 12);
}

void DrawPrimitives(TCanvas* C, int Top)
{
    Heading(C, 10, Top, QStringLiteral("Canvas primitives"));
    const int Y = Top + 24;

    // Lines in the five pen styles, and a wide pen.
    ResetTools(C);
    const TPenStyle Styles[5] = {psSolid, psDash, psDot, psDashDot, psDashDotDot};
    for (int I = 0; I < 5; ++I) {
        C->GetPen()->SetStyle(Styles[I]);
        C->MoveTo(10, Y + 4 + I * 10);
        C->LineTo(130, Y + 4 + I * 10);
    }
    C->GetPen()->SetStyle(psSolid);
    C->GetPen()->SetWidth(5);
    C->GetPen()->SetColor(clRed);
    C->MoveTo(14, Y + 62);
    C->LineTo(126, Y + 62);
    ResetTools(C);
    Caption(C, 10, Y + 74, QStringLiteral("LineTo, pen styles"));

    // Rectangle, ellipse, pie, arc, polygon.
    C->GetPen()->SetColor(clNavy);
    C->GetBrush()->SetColor(clAqua);
    C->Rectangle(150, Y, 230, Y + 60);
    Caption(C, 150, Y + 74, QStringLiteral("Rectangle"));
    C->GetBrush()->SetColor(clLime);
    C->Ellipse(245, Y, 335, Y + 60);
    Caption(C, 245, Y + 74, QStringLiteral("Ellipse"));
    C->GetBrush()->SetColor(0x4080FF);
    C->Pie(350, Y, 420, Y + 70, 430, Y + 35, 385, Y - 10);
    C->GetBrush()->SetColor(0xFFC080);
    C->Pie(350, Y, 420, Y + 70, 385, Y - 10, 430, Y + 35);
    Caption(C, 350, Y + 74, QStringLiteral("Pie"));
    C->GetPen()->SetWidth(3);
    C->GetPen()->SetColor(clPurple);
    C->Arc(440, Y, 520, Y + 60, 540, Y + 30, 420, Y + 30);
    C->GetPen()->SetWidth(1);
    C->GetPen()->SetColor(clGreen);
    C->Arc(440, Y + 10, 520, Y + 70, 420, Y + 40, 540, Y + 40);
    Caption(C, 440, Y + 74, QStringLiteral("Arc"));
    ResetTools(C);
    C->GetPen()->SetColor(clMaroon);
    C->GetBrush()->SetColor(clFuchsia);
    QList<TPoint> Star;
    for (int I = 0; I < 10; ++I) {
        const double R = I % 2 ? 14 : 34;
        const double A = std::numbers::pi / 2 + I * std::numbers::pi / 5;
        Star.append({575 + Round(R * std::cos(A)), Y + 36 - Round(R * std::sin(A))});
    }
    C->Polygon(Star);
    Caption(C, 540, Y + 74, QStringLiteral("Polygon"));
    C->GetPen()->SetColor(clBlue);
    C->Polyline({{630, Y + 60}, {650, Y + 10}, {670, Y + 50}, {690, Y + 0}, {710, Y + 40}});
    Caption(C, 630, Y + 74, QStringLiteral("Polyline"));

    // Flood fill of a surface bounded by a drawn outline.
    ResetTools(C);
    C->GetBrush()->SetStyle(bsClear);
    C->Ellipse(730, Y, 800, Y + 60);
    C->MoveTo(730, Y + 30);
    C->LineTo(800, Y + 30);
    C->GetBrush()->SetStyle(bsSolid);
    C->GetBrush()->SetColor(clYellow);
    C->FloodFill(765, Y + 15, clWhite, fsSurface);
    C->GetBrush()->SetColor(clSkyBlue);
    C->FloodFill(765, Y + 45, clBlack, fsBorder);
    Caption(C, 730, Y + 74, QStringLiteral("FloodFill"));

    // Text: quality, styles, TextRect, rotation.
    const int T = Y + 100;
    ResetTools(C);
    C->GetBrush()->SetColor(clCream);
    C->TextOut(10, T, QStringLiteral("TextOut on a solid brush (8g]}ÜÄ§"));
    C->GetFont()->SetQuality(fqNonAntialiased);
    C->GetFont()->SetStyle(fsBold);
    C->GetBrush()->SetStyle(bsClear);
    C->TextOut(10, T + 18, QStringLiteral("Bold, not anti-aliased"));
    C->GetFont()->SetQuality(fqAntialiased);
    C->GetFont()->SetStyle(fsItalic | fsUnderline);
    C->GetFont()->SetHeight(-16);
    C->TextOut(10, T + 36, QStringLiteral("Italic, underlined, 16 px"));
    C->GetFont()->SetHeight(-11);
    C->GetFont()->SetStyle({});
    C->GetBrush()->SetStyle(bsSolid);
    C->GetBrush()->SetColor(clMoneyGreen);
    C->TextRect(Rect(10, T + 62, 130, T + 78), 14, T + 63, QStringLiteral("TextRect clips this long text"));
    C->GetBrush()->SetStyle(bsClear);
    for (int Angle = 0; Angle < 360; Angle += 45) {
        C->GetFont()->SetEscapement(Angle * 10);
        C->TextOut(330, T + 55, QStringLiteral("      %1°").arg(Angle));
    }
    C->GetFont()->SetEscapement(0);
    Caption(C, 240, T + 100, QStringLiteral("Escapement"));

    // Copy modes of the sample over a striped background, and stretching.
    TBitmap Sample;
    PaintSample(Sample);
    const struct { TCopyMode Mode; const char* Name; } Modes[] = {{cmSrcCopy, "copy"}, {cmSrcAnd, "AND"},
        {cmSrcPaint, "OR"}, {cmSrcInvert, "XOR"}, {cmNotSrcCopy, "not copy"}, {cmDstInvert, "invert"}};
    for (int I = 0; I < 6; ++I) {
        const int X = 440 + I * 72;
        ResetTools(C);
        for (int S = 0; S < 4; ++S) {
            C->GetBrush()->SetColor(S % 2 ? clSilver : 0x60A0E0);
            C->FillRect(Bounds(X, T + 8 * S, 48, 8));
        }
        C->SetCopyMode(Modes[I].Mode);
        C->StretchDraw(Bounds(X, T, 48, 32), &Sample);
        ResetTools(C);
        Caption(C, X, T + 36, QString::fromLatin1(Modes[I].Name));
    }
    ResetTools(C);
    C->Draw(440, T + 60, &Sample);
    C->StretchDraw(Bounds(480, T + 60, 79, 53), &Sample);
    C->SetStretchMode(smHalftone);
    C->StretchDraw(Bounds(570, T + 60, 79, 53), &Sample);
    C->StretchDraw(Bounds(660, T + 60, 13, 9), &Sample);
    C->SetStretchMode(smColorOnColor);
    Caption(C, 440, T + 116, QStringLiteral("Draw, StretchDraw color-on-color, halftone, shrunk"));
}

class CanvasPage : public QWidget
{
public:
    CanvasPage()
    {
        FPicture.SetSize(PictureWidth, PictureHeight);
        TCanvas* C = FPicture.GetCanvas();
        C->GetBrush()->SetColor(clWhite);
        C->FillRect(Rect(0, 0, PictureWidth, PictureHeight));
        DrawFrames(C, 8);
        DrawMarkers(C, 110);
        DrawPrimitives(C, 380);
        setFixedSize(PictureWidth, PictureHeight);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter P(this);
        P.drawImage(0, 0, FPicture.GetImage());
    }

private:
    TBitmap FPicture;
};

QWidget* MakeCanvasPage()
{
    auto* Scroll = new QScrollArea;
    Scroll->setWidget(new CanvasPage);
    return Scroll;
}

const vok::gallery::PageRegistration Reg(10, QStringLiteral("Canvas"), MakeCanvasPage);

} // namespace
