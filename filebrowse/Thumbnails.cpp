#include <vok/Vok_Thumbnails.h>
#include <vok/Vok_frames.h>

#include "ThumbLayout.h"

#include <algorithm>
#include <utility>

namespace vok {

namespace {
constexpr int InitialWidth = 260;
constexpr int InitialHeight = 400;
constexpr int MinSlideSize = 50;
} // namespace

TThumbnails::TThumbnails(QWidget* AOwner)
    : TGraphicControl(AOwner)
    , FSelection(100)
    , FOffScreen(std::make_unique<TBitmap>())
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    SetBounds(GetLeft(), GetTop(), InitialWidth, InitialHeight);
    // Every way the selection changes ends in selectionChanged().
    connect(this, &TThumbnails::selectionChanged, this, [this] { NotifyAccessibleValueChanged(); });
}

TThumbnails::~TThumbnails() = default;

QString TThumbnails::AccessibleValueText() const
{
    return NumSlidesSelected() == 0 ? QString() : QString::number(FirstSelectedSlide());
}

QSize TThumbnails::sizeHint() const { return {InitialWidth, InitialHeight}; }

QSize TThumbnails::minimumSizeHint() const
{
    // One whole slide between the borders.
    const TThumbLayout L = Layout();
    return {L.Span() + 2 * ThumbBorder + 2, L.Span() + L.SlideDistance + 2 * ThumbBorder + 2};
}

TThumbLayout TThumbnails::Layout() const { return {FSlideSize, FSlideDistance, FSlideMargin, FColumns}; }

void TThumbnails::SetAntiAlias(bool Value)
{
    FAntiAlias = Value;
    Paint();
}

void TThumbnails::SetColorBackGnd(TColor Value) { StoreAndPaint(FColorBackGnd, Value); }
void TThumbnails::SetColorCover(TColor Value) { StoreAndPaint(FColorCover, Value); }
void TThumbnails::SetColorSelected(TColor Value) { StoreAndPaint(FColorSelected, Value); }
void TThumbnails::SetColorFocus(TColor Value) { StoreAndPaint(FColorFocus, Value); }
void TThumbnails::SetColorMark(TColor Value) { StoreAndPaint(FColorMark, Value); }
void TThumbnails::SetColorScheme(TColorScheme Value) { StoreAndPaint(FColorScheme, Value); }
void TThumbnails::SetFocusLinewidth(int Value) { StoreAndPaint(FFocusLinewidth, std::clamp(Value, 0, 10)); }
void TThumbnails::SetFrameStyle(TFrameStyle Value) { StoreAndPaint(FFrameStyle, Value); }
void TThumbnails::SetOuterFrameStyle(TFrameStyle Value) { StoreAndPaint(FOuterFrameStyle, Value); }
void TThumbnails::SetInnerFrameStyle(TFrameStyle Value) { StoreAndPaint(FInnerFrameStyle, Value); }
void TThumbnails::SetSlideDistance(int Value) { StoreAndPaint(FSlideDistance, std::clamp(Value, 0, 100)); }
void TThumbnails::SetSlideMargin(int Value) { StoreAndPaint(FSlideMargin, std::clamp(Value, 0, 100)); }

void TThumbnails::SetSlideSize(int Value)
{
    StoreAndPaint(FSlideSize, std::clamp(Value, MinSlideSize, std::max(MinSlideSize, GetWidth())));
    updateGeometry();
}

TColor TThumbnails::GrayLine() const { return FColorScheme == csClassic ? clGray : clBtnShadow; }
TColor TThumbnails::WhiteLine() const { return FColorScheme == csClassic ? clWhite : clBtnHighlight; }

// ---------------------------------------------------------------- range and selection

void TThumbnails::SetMin(int Value)
{
    if (Value == FMin)
        return;
    const int OldMin = FMin;
    FMax = std::max(FMax, Value);
    FMin = int(std::max<long long>(Value, (long long)FMax - TBitFld::MaxSize + 1));
    RangeChanged(OldMin);
}

void TThumbnails::SetMax(int Value)
{
    Value = std::max(Value, 1);
    if (Value == FMax)
        return;
    const int OldMin = FMin;
    FMin = std::min(FMin, Value);
    FMax = int(std::min<long long>(Value, (long long)FMin + TBitFld::MaxSize - 1));
    RangeChanged(OldMin);
}

void TThumbnails::RangeChanged(int OldMin)
{
    TBitFld Kept(FMax - FMin + 1);
    bool Dropped = false;
    if (FSelection.CountTrueBits() > 0) {
        for (int Bit = FSelection.FirstTrueBit(); Bit < FSelection.GetSize(); ++Bit) {
            if (!FSelection.GetBit(Bit))
                continue;
            const long long Slide = (long long)OldMin + Bit;
            if (Slide >= FMin && Slide <= FMax)
                Kept.SetBit(int(Slide - FMin), true);
            else
                Dropped = true;
        }
    }
    FSelection = Kept;
    if (FFirstThumbIx < FMin || FFirstThumbIx > FMax)
        FFirstThumbIx = Layout().NormalPosition(FFirstThumbIx, FMin, FMax);
    if (Dropped)
        emit selectionChanged();
    Paint();
}

void TThumbnails::SetSlideSelectMode(TSlideSelectMode Value)
{
    if (FSlideSelectMode == Value)
        return;
    FSlideSelectMode = Value;
    ResetAllSelections();
}

bool TThumbnails::GetSelectedSlide(int Slide) const { return FSelection.GetBit(int((long long)Slide - FMin)); }

void TThumbnails::SetSelectedSlide(int Slide, bool Value)
{
    if (Slide < FMin || Slide > FMax || GetSelectedSlide(Slide) == Value)
        return;
    FSelection.SetBit(Slide - FMin, Value);
    emit selectionChanged();
    Paint();
}

void TThumbnails::ResetAllSelections()
{
    const bool Had = FSelection.CountTrueBits() > 0;
    FSelection.Clear();
    if (Had)
        emit selectionChanged();
    Paint();
}

int TThumbnails::FirstSelectedSlide() const { return FSelection.FirstTrueBit() + FMin; }

int TThumbnails::NumSlidesSelected() const { return FSelection.CountTrueBits(); }

// ---------------------------------------------------------------- geometry

void TThumbnails::SetFirstThumbIx(double Value)
{
    const double Position = Layout().NormalPosition(Value, FMin, FMax);
    if (Position == FFirstThumbIx)
        return;
    FFirstThumbIx = Position;
    Paint();
}

int TThumbnails::CalcSlideIndex(int X, int Y) const
{
    return Layout().SlideIndex(X, Y, GetWidth(), GetHeight(), FFirstThumbIx, FMin, FMax);
}

void TThumbnails::CalcSlidePos(int Slide, int& X, int& Y) const
{
    const TPoint P = Layout().SlidePos(Slide, FFirstThumbIx);
    X = P.X;
    Y = P.Y;
}

// ---------------------------------------------------------------- focus frame

TColor TThumbnails::SlideFill(int Slide) const { return GetSelectedSlide(Slide) ? FColorSelected : FColorCover; }

void TThumbnails::DrawFocusFrame(int Slide, TColor Color)
{
    if (Slide < FMin || Slide > FMax)
        return;
    const TThumbLayout L = Layout();
    const int W = GetWidth();
    const int H = GetHeight();
    const TRect Box = L.FocusBox(L.SlidePos(Slide, FFirstThumbIx), H);
    TCanvas* C = GetCanvas();
    C->GetPen()->SetColor(Color);
    C->GetPen()->SetWidth(1);
    C->GetPen()->SetStyle(psSolid);
    C->GetPen()->SetMode(pmCopy);
    for (int K = 0; K < FFocusLinewidth; ++K)
        DrawRectangle(C, Box.Left + K, Box.Top + K, Box.Right - K, Box.Bottom - K);
    // No frame shows in the border bands; the control's frame, which the
    // bands touch, is drawn again.
    C->GetPen()->SetColor(FColorBackGnd);
    C->GetBrush()->SetColor(FColorBackGnd);
    C->GetBrush()->SetStyle(bsSolid);
    C->Rectangle(2, 2, W - 2, ThumbBorder);
    C->Rectangle(2, H - ThumbBorder, W - 2, H - 2);
    DrawControlFrame(C);
}

void TThumbnails::DrawControlFrame(TCanvas* Canvas) const
{
    DrawFrame(Canvas, FFrameStyle, 0, 0, GetWidth() - 2, GetHeight() - 2, WhiteLine(), clSilver, GrayLine());
}

void TThumbnails::HiLite(int Slide) { DrawFocusFrame(Slide, FColorFocus); }

void TThumbnails::ResetLastHiLite() { DrawFocusFrame(FFocusedSlide, SlideFill(FFocusedSlide)); }

// ---------------------------------------------------------------- mouse

void TThumbnails::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (FFocusLinewidth == 0)
        return;
    const int Slide = CalcSlideIndex(X, Y);
    if (Slide == FFocusedSlide)
        return;
    ResetLastHiLite();
    HiLite(Slide);
    FFocusedSlide = Slide;
    if (OnFocusChange)
        OnFocusChange(this);
    emit focusChange();
    emit focusedSlideChanged(Slide);
}

void TThumbnails::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft)
        WMImageClick(X, Y, Shift);
}

void TThumbnails::changeEvent(QEvent* Event)
{
    TGraphicControl::changeEvent(Event);
    // Disabled by a parent as well as by SetEnabled: paint again.
    if (Event->type() == QEvent::EnabledChange)
        Invalidate();
}

void TThumbnails::mouseDoubleClickEvent(QMouseEvent* Event)
{
    TGraphicControl::mouseDoubleClickEvent(Event);
    if (Event->button() != Qt::LeftButton)
        return;
    FEndingDoubleClick = true;
    WMImageDblClick(int(Event->position().x()), int(Event->position().y()));
}

void TThumbnails::WMImageClick(int X, int Y, TShiftState Shift)
{
    if (X == -1 && Y == -1)
        return;
    const int Slide = CalcSlideIndex(X, Y);
    const bool EndsDoubleClick = std::exchange(FEndingDoubleClick, false);
    if (FSlideSelectMode == ssmSingle) {
        const bool Changed = NumSlidesSelected() != (Slide ? 1 : 0) || (Slide && !GetSelectedSlide(Slide));
        FSelection.Clear();
        if (Slide)
            FSelection.SetBit(Slide - FMin, true);
        FLastClickedSlide = Slide;
        if (Changed)
            emit selectionChanged();
        Paint();
    } else if (FSlideSelectMode == ssmMultiple && Slide && !EndsDoubleClick) {
        if (Shift.testFlag(ssShift) && FLastClickedSlide >= FMin && FLastClickedSlide <= FMax) {
            const int From = std::min(FLastClickedSlide, Slide);
            const int To = std::max(FLastClickedSlide, Slide);
            for (int N = From; N <= To; ++N)
                FSelection.SetBit(N - FMin, true);
        } else {
            FSelection.SetBit(Slide - FMin, !GetSelectedSlide(Slide));
        }
        FLastClickedSlide = Slide;
        emit selectionChanged();
        Paint();
    }
    if (OnImageClick)
        OnImageClick(this, X, Y, Slide);
    emit imageClick(X, Y, Slide);
}

void TThumbnails::WMImageDblClick(int X, int Y)
{
    const int Slide = CalcSlideIndex(X, Y);
    if (OnImageDblClick)
        OnImageDblClick(this, X, Y, Slide);
    emit imageDblClick(X, Y, Slide);
}

// ---------------------------------------------------------------- assignment

void TThumbnails::Assign(QObject* Source)
{
    auto* Other = qobject_cast<TThumbnails*>(Source);
    if (!Other) {
        TGraphicControl::Assign(Source);
        return;
    }
    FFrameStyle = Other->FFrameStyle;
    FOuterFrameStyle = Other->FOuterFrameStyle;
    FInnerFrameStyle = Other->FInnerFrameStyle;
    FColorBackGnd = Other->FColorBackGnd;
    FColorScheme = Other->FColorScheme;
    FFirstThumbIx = Other->FFirstThumbIx;
    const int OldMin = FMin;
    FMin = Other->FMin;
    FMax = Other->FMax;
    FColumns = Other->FColumns;
    FRows = Other->FRows;
    FSlideSize = Other->FSlideSize;
    FSlideDistance = Other->FSlideDistance;
    FSlideMargin = Other->FSlideMargin;
    OnImageRequest = Other->OnImageRequest;
    OnFirstImageRequest = Other->OnFirstImageRequest;
    OnLastImageRequest = Other->OnLastImageRequest;
    OnSlideRendered = Other->OnSlideRendered;
    OnImageClick = Other->OnImageClick;
    OnImageDblClick = Other->OnImageDblClick;
    OnFocusChange = Other->OnFocusChange;
    FAntiAlias = Other->FAntiAlias;
    FColorCover = Other->FColorCover;
    FColorSelected = Other->FColorSelected;
    FColorFocus = Other->FColorFocus;
    FColorMark = Other->FColorMark;
    FFocusedSlide = Other->FFocusedSlide;
    FFocusLinewidth = Other->FFocusLinewidth;
    updateGeometry();
    RangeChanged(OldMin); // resizes the selection and repaints
}

void TThumbnails::AssignTo(QObject* Dest)
{
    if (!AssignToKindOf(Dest))
        TGraphicControl::AssignTo(Dest);
}

} // namespace vok
