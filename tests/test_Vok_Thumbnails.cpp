#include "AccessibleCounting.h"
#include "ThumbLayout.h"

#include <vok/Vok_syscolors.h>
#include <vok/Vok_Thumbnails.h>

#include <gtest/gtest.h>

#include <QAccessible>
#include <QSignalSpy>

#include <limits>
#include <vector>

using namespace vok;

namespace {

// Slide 1 of a fresh strip scrolled to the top: square at (10, 12), 134 wide.
constexpr int X0 = 10;
constexpr int Y0 = 12;
constexpr int Span = 134;

TThumbLayout DefaultLayout(int Columns)
{
    TThumbLayout L;
    L.Columns = Columns;
    return L;
}

// A strip whose requests answer from a table and are recorded.
struct RecordingStrip
{
    RecordingStrip()
    {
        Strip.OnImageRequest = [this](QObject*, int Id, TImageRequestProcessing& How, int&, TBitmap*&) {
            Requested.push_back(Id);
            if (Answer)
                How = Answer(Id);
        };
    }
    TThumbnails Strip;
    std::vector<int> Requested;
    std::function<TImageRequestProcessing(int)> Answer;
};

} // namespace

// ---------------------------------------------------------------- layout

TEST(ThumbLayout, InitialNumbersAndWidening)
{
    const TThumbLayout L = DefaultLayout(1);
    EXPECT_EQ(L.Pitch(), 136);
    EXPECT_EQ(L.ColumnsFor(260), 1);
    EXPECT_EQ(L.ColumnsFor(300), 2);
    EXPECT_EQ(L.ColumnsFor(10), 1);
    EXPECT_EQ(L.RowsFor(400, 1.0), 3);
    EXPECT_EQ(L.SlidePos(1, 1.0), Point(X0, Y0));
}

TEST(ThumbLayout, PositionCountsInSlides)
{
    struct Case
    {
        double In;
        int Min, Max, Columns;
        double Out;
    };
    const Case Cases[] = {
        {4, 1, 100, 2, 3.5},          // the row of 3 and 4, half scrolled out
        {3, 1, 100, 2, 3.0},
        {5, 1, 100, 3, 4 + 1.0 / 3},  // third column scrolled a third
        {0, 1, 100, 2, 1.0},          // clamped to Min
        {150, 1, 100, 2, 99.5},       // clamped to Max
        {-3, -5, 10, 2, -3.0},        // rows before slide 1 start on odd numbers too
        {7.5, 1, 100, 1, 7.5},
    };
    for (const Case& C : Cases)
        EXPECT_DOUBLE_EQ(DefaultLayout(C.Columns).NormalPosition(C.In, C.Min, C.Max), C.Out) << C.In;
}

TEST(ThumbLayout, ScrollingByPartOfARowFillsTheHeight)
{
    const TThumbLayout L = DefaultLayout(1);
    EXPECT_EQ(L.ScrolledPixels(1.5), 68);
    EXPECT_EQ(L.SlidePos(1, 1.5), Point(X0, Y0 - 68));
    // The fourth row starts at 352, above the bottom border at 390.
    EXPECT_EQ(L.RowsFor(400, 1.5), 4);
    EXPECT_EQ(L.RowsFor(15, 1.0), 0);
}

TEST(ThumbLayout, SlidesAboveTheViewKeepTheirColumn)
{
    const TThumbLayout L = DefaultLayout(2);
    EXPECT_EQ(L.SlidePos(2, 3.0), Point(X0 + 136, Y0 - 136));
    EXPECT_EQ(L.SlidePos(1, 3.0), Point(X0, Y0 - 136));
    EXPECT_EQ(L.SlidePos(6, 3.0), Point(X0 + 136, Y0 + 136));
}

TEST(ThumbLayout, HitTest)
{
    const TThumbLayout L = DefaultLayout(2);
    struct Case
    {
        int X, Y, Slide;
    };
    const Case Cases[] = {
        {X0, Y0, 1},
        {X0 + Span, Y0 + Span, 1},
        {X0 + Span + 1, Y0, 0},   // gap between the columns
        {X0 + 136, Y0, 2},
        {X0, Y0 + Span + 1, 0},   // gap between the rows
        {X0, Y0 + 136, 3},
        {X0, 11, 0},              // above the first row
        {5, 50, 0},               // left border
        {295, 50, 0},             // right border
        {X0 + 136, 395, 0},       // bottom border
        {X0 + 136, Y0 + 2 * 136, 6},
        {X0 + 136, Y0 + 272 + 1000, 0},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(L.SlideIndex(C.X, C.Y, 300, 400, 1.0, 1, 100), C.Slide) << C.X << "," << C.Y;
    // Beyond Max, and with the strip scrolled half a row (68 pixels).
    EXPECT_EQ(L.SlideIndex(X0 + 136, Y0, 300, 400, 1.0, 1, 1), 0);
    EXPECT_EQ(L.SlideIndex(X0, 20, 300, 400, 1.5, 1, 100), 1);
    EXPECT_EQ(L.SlideIndex(X0, Y0 + 136 - 68, 300, 400, 1.5, 1, 100), 3);
}

TEST(ThumbLayout, PictureKeepsItsAspectRatio)
{
    const TThumbLayout L = DefaultLayout(1);
    EXPECT_EQ(L.PictureRect(X0, Y0, 200, 100), Rect(17, 49, 137, 109));
    EXPECT_EQ(L.PictureRect(X0, Y0, 100, 200), Rect(47, 19, 107, 139));
    EXPECT_EQ(L.PictureRect(X0, Y0, 50, 50), Rect(17, 19, 137, 139));
    EXPECT_TRUE(L.PictureRect(X0, Y0, 0, 10).IsEmpty());
}

// ---------------------------------------------------------------- settings

TEST(Thumbnails, ClampsItsSettings)
{
    TThumbnails T;
    struct Case
    {
        void (TThumbnails::*Set)(int);
        int (TThumbnails::*Get)() const;
        int In, Out;
    };
    const Case Cases[] = {
        {&TThumbnails::SetSlideSize, &TThumbnails::GetSlideSize, 10, 50},
        {&TThumbnails::SetSlideSize, &TThumbnails::GetSlideSize, 1000, 260},
        {&TThumbnails::SetFocusLinewidth, &TThumbnails::GetFocusLinewidth, 20, 10},
        {&TThumbnails::SetFocusLinewidth, &TThumbnails::GetFocusLinewidth, -1, 0},
        {&TThumbnails::SetSlideMargin, &TThumbnails::GetSlideMargin, -5, 0},
        {&TThumbnails::SetSlideMargin, &TThumbnails::GetSlideMargin, 101, 100},
        {&TThumbnails::SetSlideDistance, &TThumbnails::GetSlideDistance, 300, 100},
        {&TThumbnails::SetMax, &TThumbnails::GetMax, -4, 1},
    };
    for (const Case& C : Cases) {
        (T.*C.Set)(C.In);
        EXPECT_EQ((T.*C.Get)(), C.Out) << C.In;
    }
}

TEST(Thumbnails, RangeKeepsMinAtOrBelowMaxAndTheSelectionWithItsSlides)
{
    TThumbnails T;
    T.SetMin(200); // streamed before Max: Max follows
    T.SetMax(300);
    EXPECT_EQ(T.GetMin(), 200);
    EXPECT_EQ(T.GetMax(), 300);
    T.SetMax(150); // below Min: Min follows
    EXPECT_EQ(T.GetMin(), 150);

    T.SetMin(1);
    T.SetMax(100);
    T.SetSelectedSlide(5, true);
    T.SetSelectedSlide(7, true);
    QSignalSpy Changed(&T, &TThumbnails::selectionChanged);
    T.SetMin(3);
    EXPECT_TRUE(T.GetSelectedSlide(5));
    EXPECT_TRUE(T.GetSelectedSlide(7));
    EXPECT_EQ(Changed.count(), 0);
    T.SetMin(6);
    EXPECT_EQ(T.NumSlidesSelected(), 1);
    EXPECT_EQ(T.FirstSelectedSlide(), 7);
    EXPECT_EQ(Changed.count(), 1);

    T.SetFirstThumbIx(50);
    T.SetMax(10);
    EXPECT_LE(T.GetFirstThumbIx(), 10.0);

    // A range larger than the selection can hold is cut, not refused.
    T.SetMin(std::numeric_limits<int>::min());
    EXPECT_EQ(qint64(T.GetMax()) - T.GetMin() + 1, TBitFld::MaxSize);
}

TEST(Thumbnails, SelectionByCode)
{
    TThumbnails T;
    EXPECT_EQ(T.FirstSelectedSlide(), T.GetMin() - 1);
    T.SetSelectedSlide(3, true);
    T.SetSelectedSlide(5, true); // single mode: only clicks select exactly one
    EXPECT_EQ(T.NumSlidesSelected(), 2);
    EXPECT_EQ(T.FirstSelectedSlide(), 3);
    T.SetSelectedSlide(0, true);
    T.SetSelectedSlide(101, true);
    EXPECT_EQ(T.NumSlidesSelected(), 2);
    T.SetSlideSelectMode(ssmMultiple);
    EXPECT_EQ(T.NumSlidesSelected(), 0);
}

TEST(Thumbnails, EnumerationsReadAndWriteByName)
{
    TThumbnails T;
    EXPECT_TRUE(T.setProperty("SlideSelectMode", QStringLiteral("ssmMultiple")));
    EXPECT_EQ(T.GetSlideSelectMode(), ssmMultiple);
    EXPECT_EQ(T.property("SlideSelectMode").toString(), QStringLiteral("ssmMultiple"));
    EXPECT_EQ(T.sizeHint(), QSize(260, 400));
}

TEST(Thumbnails, AssignCopiesTheSettings)
{
    TThumbnails A;
    A.SetSlideSize(80);
    A.SetMax(500);
    A.SetColorCover(0x123456);
    A.SetFirstThumbIx(7);
    int Clicks = 0;
    A.OnImageClick = [&](QObject*, int, int, int) { ++Clicks; };
    TThumbnails B;
    A.AssignTo(&B);
    EXPECT_EQ(B.GetSlideSize(), 80);
    EXPECT_EQ(B.GetMax(), 500);
    EXPECT_EQ(B.GetColorCover(), 0x123456u);
    EXPECT_DOUBLE_EQ(B.GetFirstThumbIx(), A.GetFirstThumbIx());
    B.WMImageClick(1, 1);
    EXPECT_EQ(Clicks, 1);
    EXPECT_THROW(B.Assign(nullptr), EVOKError);
}

// ---------------------------------------------------------------- painting

TEST(Thumbnails, InitialPaintShowsOneColumnOfThreeRows)
{
    RecordingStrip R;
    R.Strip.Paint();
    EXPECT_EQ(R.Strip.GetColumns(), 1);
    EXPECT_EQ(R.Strip.GetRows(), 3);
    EXPECT_EQ(R.Requested, (std::vector<int>{1, 2, 3}));
    int X, Y;
    R.Strip.CalcSlidePos(1, X, Y);
    EXPECT_EQ(Point(X, Y), Point(X0, Y0));
}

TEST(Thumbnails, WideningNormalisesThePositionForTheNewColumns)
{
    TThumbnails T;
    T.Paint();
    T.SetFirstThumbIx(4); // one column: slide 4 on top
    EXPECT_DOUBLE_EQ(T.GetFirstThumbIx(), 4.0);
    T.SetWidth(300);
    T.Paint();
    EXPECT_EQ(T.GetColumns(), 2);
    EXPECT_DOUBLE_EQ(T.GetFirstThumbIx(), 3.5);
}

TEST(Thumbnails, OnlyVisibleSlidesAreRequested)
{
    RecordingStrip R;
    R.Strip.SetMax(100000);
    R.Strip.SetFirstThumbIx(50000);
    R.Requested.clear();
    R.Strip.Paint();
    EXPECT_EQ(R.Requested, (std::vector<int>{50000, 50001, 50002}));

    // Half a row scrolled out: the fourth, partly visible row is painted too.
    R.Strip.SetFirstThumbIx(50000.5);
    R.Requested.clear();
    R.Strip.Paint();
    EXPECT_EQ(R.Requested, (std::vector<int>{50000, 50001, 50002, 50003}));
    EXPECT_NE(R.Strip.GetCanvas()->GetPixel(X0 + 20, 380), R.Strip.GetCanvas()->GetPixel(5, 380));
}

TEST(Thumbnails, ProcessingModesDecideWhatASlideShows)
{
    RecordingStrip R;
    R.Answer = [](int Id) { return Id == 1 ? irpShowNothing : Id == 2 ? irpShowFrameOnly : irpShowEmpty; };
    R.Strip.SetColorBackGnd(0x00FF00);
    R.Strip.Paint();
    const TCanvas* C = R.Strip.GetCanvas();
    const int Centre = Span / 2;
    EXPECT_EQ(C->GetPixel(X0 + Centre, Y0 + Centre), 0x00FF00u);
    EXPECT_EQ(C->GetPixel(X0 + Centre, Y0 + 136 + Centre), 0xC0C0C0u);
    EXPECT_EQ(C->GetPixel(X0, Y0 + 136), 0xFFFFFFu); // raised outer frame
    // The number in a white box; some of its pixels are dark.
    const int Top3 = Y0 + 2 * 136;
    EXPECT_EQ(C->GetPixel(X0 + 7 + 2, Top3 + 7 + 22), 0xFFFFFFu);
    int Dark = 0;
    for (int Y = Top3 + Centre - 8; Y < Top3 + Centre + 8; ++Y)
        for (int X = X0 + Centre - 8; X < X0 + Centre + 8; ++X)
            Dark += (C->GetPixel(X, Y) & 0xFF) < 0x60 ? 1 : 0;
    EXPECT_GT(Dark, 5);
}

TEST(Thumbnails, PicturesScaleIntoTheSlide)
{
    RecordingStrip R;
    QImage Landscape(200, 100, QImage::Format_RGB32);
    Landscape.fill(Qt::red);
    R.Strip.OnImageRequest = [&](QObject*, int Id, TImageRequestProcessing& How, int&, TBitmap*& Buffer) {
        if (Id != 1)
            return;
        Buffer->SetImage(Landscape);
        How = irpShowSlide;
    };
    R.Strip.Paint();
    const TCanvas* C = R.Strip.GetCanvas();
    EXPECT_EQ(C->GetPixel(17, 49), 0x0000FFu);
    EXPECT_EQ(C->GetPixel(136, 108), 0x0000FFu);
    EXPECT_NE(C->GetPixel(17, 48), 0x0000FFu);
    EXPECT_NE(C->GetPixel(137, 108), 0x0000FFu);
    EXPECT_NE(C->GetPixel(17, 109), 0x0000FFu);

    // Two pixels, black and white: smoothing blends them, nearest-pixel does not.
    QImage Pair(2, 1, QImage::Format_RGB32);
    Pair.setPixel(0, 0, 0xFF000000);
    Pair.setPixel(1, 0, 0xFFFFFFFF);
    Landscape = Pair;
    const auto Blends = [&] {
        R.Strip.Paint();
        for (int X = 17; X < 137; ++X) {
            const TColor P = R.Strip.GetCanvas()->GetPixel(X, 79);
            if (P != 0 && P != 0xFFFFFF)
                return true;
        }
        return false;
    };
    EXPECT_FALSE(Blends());
    R.Strip.SetAntiAlias(true);
    EXPECT_TRUE(Blends());
}

// ---------------------------------------------------------------- mouse

TEST(Thumbnails, ClicksSelectByMode)
{
    TThumbnails T;
    T.SetWidth(300);
    T.Paint();
    std::vector<int> Clicked;
    T.OnImageClick = [&](QObject*, int, int, int Id) { Clicked.push_back(Id); };
    const int Slide2X = X0 + 136 + 5;

    T.SetSelectedSlide(4, true);
    T.WMImageClick(Slide2X, Y0 + 5);
    EXPECT_EQ(T.NumSlidesSelected(), 1);
    EXPECT_TRUE(T.GetSelectedSlide(2));
    T.WMImageClick(X0 + Span + 1, Y0 + 5); // between two slides
    EXPECT_EQ(T.NumSlidesSelected(), 0);
    T.WMImageClick(-1, -1); // no position: ignored

    T.SetSlideSelectMode(ssmMultiple);
    T.WMImageClick(X0 + 5, Y0 + 5);             // 1
    T.WMImageClick(Slide2X, Y0 + 2 * 136 + 5, ssShift); // 1 .. 6
    EXPECT_EQ(T.NumSlidesSelected(), 6);
    T.WMImageClick(X0 + 5, Y0 + 136 + 5);       // 3 toggles off
    EXPECT_FALSE(T.GetSelectedSlide(3));
    EXPECT_EQ(T.NumSlidesSelected(), 5);

    T.SetSlideSelectMode(ssmDisabled);
    T.WMImageClick(X0 + 5, Y0 + 5);
    EXPECT_EQ(T.NumSlidesSelected(), 0);
    EXPECT_EQ(Clicked, (std::vector<int>{2, 0, 1, 6, 3, 1}));
}

TEST(Thumbnails, FocusFrameFollowsTheMouse)
{
    TThumbnails T;
    T.Paint();
    QSignalSpy Focus(&T, &TThumbnails::focusedSlideChanged);
    T.MouseMove({}, X0 + 50, Y0 + 50);
    EXPECT_EQ(T.GetFocusedSlide(), 1);
    const TCanvas* C = T.GetCanvas();
    EXPECT_EQ(C->GetPixel(X0 + 2, Y0 + 50), 0xFF0000u);
    T.MouseMove({}, X0 + 60, Y0 + 60); // same slide: nothing new
    EXPECT_EQ(Focus.count(), 1);
    T.MouseMove({}, X0 + 50, Y0 + 136 + 50);
    EXPECT_EQ(T.GetFocusedSlide(), 2);
    EXPECT_EQ(C->GetPixel(X0 + 2, Y0 + 50), 0xC0C0C0u);
    EXPECT_EQ(C->GetPixel(X0 + 2, Y0 + 136 + 50), 0xFF0000u);
    // Slide 3 reaches into the bottom border; the frame stays out of it,
    // and the control's own frame stays whole.
    T.MouseMove({}, X0 + 50, Y0 + 2 * 136 + 20);
    EXPECT_EQ(C->GetPixel(X0 + 2, 392), ColorToRGB(clBtnFace));
    EXPECT_EQ(C->GetPixel(100, 397), 0xC0C0C0u); // inner ring of the lowered frame
    EXPECT_EQ(Focus.count(), 3);

    T.SetFocusLinewidth(0);
    T.MouseMove({}, X0 + 50, Y0 + 50);
    EXPECT_EQ(T.GetFocusedSlide(), 3);
}

TEST(TThumbnails, AccessibleListAnnouncesSelectionChanges)
{
    QWidget Parent;
    auto* T = new AccessibleCounting<TThumbnails>(&Parent);
    T->SetHint(QStringLiteral("Pictures"));
    QAccessibleInterface* A = QAccessible::queryAccessibleInterface(T);
    ASSERT_NE(A, nullptr);
    EXPECT_EQ(A->role(), QAccessible::List);
    EXPECT_EQ(A->text(QAccessible::Name), QStringLiteral("Pictures"));
    EXPECT_EQ(A->text(QAccessible::Value), QString());
    T->SetSelectedSlide(7, true);
    T->SetSelectedSlide(3, true);
    T->SetSelectedSlide(3, true); // unchanged
    EXPECT_EQ(T->ValueChanges, 2);
    EXPECT_EQ(A->text(QAccessible::Value), QStringLiteral("3"));
    Parent.setEnabled(false);
    EXPECT_TRUE(A->state().disabled);
}
