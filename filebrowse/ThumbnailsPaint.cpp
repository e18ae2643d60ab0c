// Painting of TThumbnails: the whole strip is rendered into an off-screen
// bitmap and copied to the canvas in one step. Only the slides that show are
// requested from the host, one at a time through one shared picture buffer.
#include <vok/Vok_Thumbnails.h>
#include <vok/Vok_frames.h>
#include <vok/Vok_syscolors.h>

#include "ThumbLayout.h"

#include <QPainter>

namespace vok {

class TThumbnails::Painter
{
public:
    explicit Painter(TThumbnails& Owner)
        : T(Owner)
        , W(Owner.GetWidth())
        , H(Owner.GetHeight())
    {
    }

    void Run()
    {
        // 1. Background.
        T.FOffScreen->SetSize(W, H);
        C = T.FOffScreen->GetCanvas();
        C->SetFont(T.GetFont());
        T.GetCanvas()->SetFont(T.GetFont());
        Fill(T.FColorBackGnd);
        C->FillRect(Rect(0, 0, W, H));

        // 2. Layout: a new column count puts the scroll position on a row of its own.
        const int Columns = T.Layout().ColumnsFor(W);
        if (Columns != T.FColumns) {
            T.FColumns = Columns;
            T.SetFirstThumbIx(T.FFirstThumbIx);
        }
        L = T.Layout();
        T.FRows = L.RowsFor(H, T.FFirstThumbIx);

        // 3. - 5. The slides, through one picture buffer.
        TBitmap Buffer;
        if (T.OnFirstImageRequest)
            T.OnFirstImageRequest(&T);
        emit T.firstImageRequest();
        const long long First = TThumbLayout::FirstSlide(T.FFirstThumbIx);
        for (int I = 0; I < L.Columns; ++I) {
            for (int J = 0; J < T.FRows; ++J) {
                const long long N = First + (long long)J * L.Columns + I;
                if (N >= T.FMin && N <= T.FMax)
                    PaintSlide(int(N), Buffer);
            }
        }
        if (T.OnLastImageRequest)
            T.OnLastImageRequest(&T);
        emit T.lastImageRequest();

        // 6. Slides scrolled into the top and bottom borders are covered.
        Fill(T.FColorBackGnd);
        C->Rectangle(0, 0, W, ThumbBorder);
        C->Rectangle(0, H - ThumbBorder, W, H);

        if (!T.isEnabled())
            FadeSlides();

        // 7. - 8. Frame, then the picture to the control's canvas.
        T.DrawControlFrame(C);
        T.GetCanvas()->SetCopyMode(cmSrcCopy);
        T.GetCanvas()->Draw(0, 0, T.FOffScreen.get());
    }

private:
    // A disabled strip shows its slides faded into the background.
    void FadeSlides()
    {
        QImage Faded = T.FOffScreen->GetImage();
        QColor Veil = ColorToQColor(T.FColorBackGnd);
        Veil.setAlpha(160);
        QPainter(&Faded).fillRect(QRect(0, ThumbBorder, W, H - 2 * ThumbBorder), Veil);
        T.FOffScreen->SetImage(Faded);
    }

    void Fill(TColor Color)
    {
        C->GetPen()->SetColor(Color);
        C->GetPen()->SetStyle(psSolid);
        C->GetPen()->SetWidth(1);
        C->GetBrush()->SetColor(Color);
        C->GetBrush()->SetStyle(bsSolid);
    }

    void PaintSlide(int N, TBitmap& Buffer)
    {
        const TPoint P = L.SlidePos(N, T.FFirstThumbIx);
        const int X0 = P.X;
        const int Y0 = P.Y;
        const int X1 = X0 + L.Span();
        const int Y1 = Y0 + L.Span();
        const int M = L.SlideMargin;

        TImageRequestProcessing How = irpShowEmpty;
        int MarkIt = -1;
        TBitmap* Picture = &Buffer;
        if (T.OnImageRequest)
            T.OnImageRequest(&T, N, How, MarkIt, Picture);
        if (How == irpShowNothing)
            return;

        Fill(T.SlideFill(N));
        C->Rectangle(X0, Y0, X1 + 1, Y1 + 1);
        DrawFrame(C, T.FOuterFrameStyle, X0, Y0, X1, Y1, T.WhiteLine(), clSilver, T.GrayLine());
        C->GetPen()->SetColor(clBlack);

        if (How == irpShowEmpty) {
            C->GetBrush()->SetColor(clWhite);
            C->Rectangle(X0 + M, Y0 + M + 20, X1 - M, Y1 - M - 20);
            const QString Number = QString::number(N);
            const TSize Extent = C->TextExtent(Number);
            C->GetFont()->SetColor(clBlack);
            C->TextOut((X0 + X1) / 2 - Extent.cx / 2, (Y0 + Y1) / 2 - Extent.cy / 2, Number);
        } else if (How == irpShowSlide && Picture) {
            const TRect Dest = L.PictureRect(X0, Y0, Picture->GetWidth(), Picture->GetHeight());
            if (!Dest.IsEmpty()) {
                C->SetStretchMode(T.FAntiAlias ? smHalftone : smColorOnColor);
                C->SetCopyMode(cmSrcCopy);
                C->StretchDraw(Dest, Picture);
                // Around the picture, not over it.
                DrawFrame(C, T.FInnerFrameStyle, Dest.Left - 2, Dest.Top - 2, Dest.Right + 1, Dest.Bottom + 1,
                          T.WhiteLine(), clSilver, T.GrayLine());
            }
        }

        if (MarkIt != -1) {
            C->GetPen()->SetColor(T.FColorMark);
            DrawMarkOnCanvas(C, quint8(MarkIt), X0 + 10, Y0 + 12);
        }
        if (T.OnSlideRendered)
            T.OnSlideRendered(&T, C, X0, Y0, N);
    }

    TThumbnails& T;
    const int W;
    const int H;
    TCanvas* C = nullptr;
    TThumbLayout L;
};

void TThumbnails::Paint()
{
    if (FPainting || !(GetVisible() || IsDesigning()) || GetWidth() <= 0 || GetHeight() <= 0)
        return;
    FPainting = true;
    try {
        Painter(*this).Run();
    } catch (...) {
        FPainting = false;
        throw;
    }
    FPainting = false;
}

} // namespace vok
