/// TThumbnails: a scrollable grid of numbered slides whose pictures the host
/// supplies while the strip paints, with a selection, a focus frame that
/// follows the mouse and click events carrying the slide number. \file
#pragma once

#include <vok/Vok_bitfld.h>
#include <vok/Vok_bitmap.h>
#include <vok/Vok_controls.h>
#include <vok/vok_export.h>

#include <QObject>

#include <functional>
#include <memory>

namespace vok {

struct TThumbLayout;

inline namespace ThumbnailsEnums {
Q_NAMESPACE_EXPORT(VOK_EXPORT)

/// What the strip does with a slide after the host answered its request.
enum TImageRequestProcessing {
    irpShowEmpty,     ///< the framed square with the slide number in a white box
    irpShowSlide,     ///< the picture in the buffer, scaled into the slide
    irpShowFrameOnly, ///< the framed square alone
    irpShowNothing,   ///< nothing: the background shows
};
Q_ENUM_NS(TImageRequestProcessing)

/// How clicks change the selection: not at all; exactly the clicked slide;
/// the clicked slide toggles (Shift+click selects the range from the last
/// clicked slide).
enum TSlideSelectMode { ssmDisabled, ssmSingle, ssmMultiple };
Q_ENUM_NS(TSlideSelectMode)
} // namespace ThumbnailsEnums

/// Asked for every visible slide in every paint. HowToProcess starts as
/// irpShowEmpty and MarkIt as -1 (no marker). The handler draws the picture
/// into ImgBuffer, the strip's one buffer for the whole pass, sizing it as
/// needed; it may also point ImgBuffer at a bitmap of its own for this slide
/// (the strip does not take it over).
using TImageRequestEvent = std::function<void(QObject* Sender, int ThumbID, TImageRequestProcessing& HowToProcess,
                                              int& MarkIt, TBitmap*& ImgBuffer)>;
/// After a slide is drawn; (X, Y) is its top-left corner on Canvas.
using TSlideRenderedEvent = std::function<void(QObject* Sender, TCanvas* Canvas, int X, int Y, int ThumbID)>;
/// ThumbID is 0 when no slide was hit.
using TImageClickEvent = std::function<void(QObject* Sender, int X, int Y, int ThumbID)>;

/// A scrollable grid of numbered slides whose pictures the host supplies while the strip paints.
class VOK_EXPORT TThumbnails : public TGraphicControl
{
    Q_OBJECT
    /// Whether the pictures are scaled smoothly.
    Q_PROPERTY(bool AntiAlias READ GetAntiAlias WRITE SetAntiAlias RESET ResetAntiAlias)
    /// Background color between the slides.
    Q_PROPERTY(quint32 ColorBackGnd READ GetColorBackGnd WRITE SetColorBackGnd RESET ResetColorBackGnd)
    /// Fill color of an unselected slide.
    Q_PROPERTY(quint32 ColorCover READ GetColorCover WRITE SetColorCover RESET ResetColorCover)
    /// Fill color of a selected slide.
    Q_PROPERTY(quint32 ColorSelected READ GetColorSelected WRITE SetColorSelected RESET ResetColorSelected)
    /// Color of the focus frame.
    Q_PROPERTY(quint32 ColorFocus READ GetColorFocus WRITE SetColorFocus RESET ResetColorFocus)
    /// Color of the slide markers.
    Q_PROPERTY(quint32 ColorMark READ GetColorMark WRITE SetColorMark RESET ResetColorMark)
    /// Classic fixed frame colors, or the palette's button colors.
    Q_PROPERTY(vok::BaseEnums::TColorScheme ColorScheme READ GetColorScheme WRITE SetColorScheme RESET ResetColorScheme)
    /// Width of the focus frame in pixels (0..10; 0: no focus frame).
    Q_PROPERTY(int FocusLinewidth READ GetFocusLinewidth WRITE SetFocusLinewidth RESET ResetFocusLinewidth)
    /// Number of the slide with the focus frame.
    Q_PROPERTY(int FocusedSlide READ GetFocusedSlide NOTIFY focusedSlideChanged)
    /// Frame around the strip.
    Q_PROPERTY(vok::BaseEnums::TFrameStyle FrameStyle READ GetFrameStyle WRITE SetFrameStyle RESET ResetFrameStyle)
    /// Frame around each slide.
    Q_PROPERTY(vok::BaseEnums::TFrameStyle OuterFrameStyle READ GetOuterFrameStyle WRITE SetOuterFrameStyle RESET ResetOuterFrameStyle)
    /// Frame around each slide's picture.
    Q_PROPERTY(vok::BaseEnums::TFrameStyle InnerFrameStyle READ GetInnerFrameStyle WRITE SetInnerFrameStyle RESET ResetInnerFrameStyle)
    /// Number of the first slide.
    Q_PROPERTY(int Min READ GetMin WRITE SetMin RESET ResetMin)
    /// Number of the last slide.
    Q_PROPERTY(int Max READ GetMax WRITE SetMax RESET ResetMax)
    /// Whether one slide or several can be selected.
    Q_PROPERTY(vok::ThumbnailsEnums::TSlideSelectMode SlideSelectMode READ GetSlideSelectMode WRITE SetSlideSelectMode RESET ResetSlideSelectMode)
    /// Edge length of a slide in pixels.
    Q_PROPERTY(int SlideSize READ GetSlideSize WRITE SetSlideSize RESET ResetSlideSize)
    /// Gap between slides in pixels.
    Q_PROPERTY(int SlideDistance READ GetSlideDistance WRITE SetSlideDistance RESET ResetSlideDistance)
    /// Space between a slide's edge and its picture in pixels (0..100).
    Q_PROPERTY(int SlideMargin READ GetSlideMargin WRITE SetSlideMargin RESET ResetSlideMargin)

public:
    /// 260 x 400 pixels, slides 1 .. 100, nothing selected.
    explicit TThumbnails(QWidget* AOwner = nullptr);
    ~TThumbnails() override;

    QSize sizeHint() const override; ///< The initial size, what the constructor gives.
    QSize minimumSizeHint() const override; ///< The smallest size at which every part is still legible.

    /// Whether the pictures are scaled smoothly.
    ///@{
    bool GetAntiAlias() const { return FAntiAlias; }
    /// Smooth (averaging) scaling of the pictures instead of nearest-pixel.
    void SetAntiAlias(bool Value);
    ///@}
    /// Background color between the slides.
    ///@{
    TColor GetColorBackGnd() const { return FColorBackGnd; }
    void SetColorBackGnd(TColor Value);
    ///@}
    /// Fill color of an unselected slide.
    ///@{
    TColor GetColorCover() const { return FColorCover; }
    void SetColorCover(TColor Value);
    ///@}
    /// Fill color of a selected slide.
    ///@{
    TColor GetColorSelected() const { return FColorSelected; }
    void SetColorSelected(TColor Value);
    ///@}
    /// Color of the focus frame.
    ///@{
    TColor GetColorFocus() const { return FColorFocus; }
    void SetColorFocus(TColor Value);
    ///@}
    /// Color of the slide markers.
    ///@{
    TColor GetColorMark() const { return FColorMark; }
    void SetColorMark(TColor Value);
    ///@}
    /// Classic fixed frame colors, or the palette's button colors.
    ///@{
    TColorScheme GetColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme Value);
    ///@}
    /// Width of the focus frame in pixels (0..10; 0: no focus frame).
    ///@{
    int GetFocusLinewidth() const { return FFocusLinewidth; }
    /// 0 .. 10 lines; 0 switches the focus frame off.
    void SetFocusLinewidth(int Value);
    ///@}
    /// The slide under the mouse, 0 for none.
    ///@{
    int GetFocusedSlide() const { return FFocusedSlide; }
    ///@}
    /// Frame around the strip.
    ///@{
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle Value);
    ///@}
    /// Frame around each slide.
    ///@{
    TFrameStyle GetOuterFrameStyle() const { return FOuterFrameStyle; }
    void SetOuterFrameStyle(TFrameStyle Value);
    ///@}
    /// Frame around each slide's picture.
    ///@{
    TFrameStyle GetInnerFrameStyle() const { return FInnerFrameStyle; }
    void SetInnerFrameStyle(TFrameStyle Value);
    ///@}
    /// The slide numbers run Min .. Max. Setting one beyond the other moves
    /// the other along, so any order of setting both works; a range too large
    /// for the selection is cut at the setting's end. Selected slides stay
    /// selected while they remain in the range; the scroll position is
    /// clamped into the range.
    ///@{
    int GetMin() const { return FMin; }
    void SetMin(int Value);
    ///@}
    /// Number of the last slide.
    ///@{
    int GetMax() const { return FMax; }
    /// Values below 1 become 1.
    void SetMax(int Value);
    ///@}
    /// Whether one slide or several can be selected.
    ///@{
    TSlideSelectMode GetSlideSelectMode() const { return FSlideSelectMode; }
    /// Clears the selection.
    void SetSlideSelectMode(TSlideSelectMode Value);
    ///@}
    /// Edge length of a slide in pixels.
    ///@{
    int GetSlideSize() const { return FSlideSize; }
    /// Side of the picture area: at least 50, at most the control's width
    /// (unless that is below 50).
    void SetSlideSize(int Value);
    ///@}
    /// Gap between slides in pixels.
    ///@{
    int GetSlideDistance() const { return FSlideDistance; }
    void SetSlideDistance(int Value); ///< 0..100
    ///@}
    /// Space between a slide's edge and its picture in pixels (0..100).
    ///@{
    int GetSlideMargin() const { return FSlideMargin; }
    void SetSlideMargin(int Value); ///< 0..100
    ///@}

    /// The scroll position in slides (see SetFirstThumbIx).
    double GetFirstThumbIx() const { return FFirstThumbIx; }
    /// Scrolls so that slide Value's row is on top, scrolled out by the
    /// fraction of the row that Value's fraction and column give: Value is
    /// clamped to [Min, Max]; with 2 columns, 4 gives 3.5 (slides 3 and 4,
    /// half a row out). Repaints when the position changed.
    void SetFirstThumbIx(double Value);
    /// Slides per row and rows painted by the last paint.
    ///@{
    int GetColumns() const { return FColumns; }
    int GetRows() const { return FRows; }
    ///@}

    /// Whether a slide is selected; writing works in every selection mode and
    /// leaves the other slides alone. Numbers outside Min .. Max are ignored.
    ///@{
    bool GetSelectedSlide(int Slide) const;
    void SetSelectedSlide(int Slide, bool Value);
    void ResetAllSelections(); ///< Deselects every slide.
    ///@}
    /// The lowest selected slide; Min - 1 when none is selected.
    ///@{
    int FirstSelectedSlide() const;
    int NumSlidesSelected() const; ///< How many slides are selected.
    ///@}

    /// Assistive technology sees a list whose value is the lowest selected
    /// slide (empty while none is selected).
    ///@{
    QAccessible::Role AccessibleRole() const override { return QAccessible::List; }
    QString AccessibleValueText() const override;
    ///@}

    /// The slide under a pixel, 0 for none.
    int CalcSlideIndex(int X, int Y) const;
    /// Top-left corner of a slide's square.
    void CalcSlidePos(int Slide, int& X, int& Y) const;
    /// Draws (erases) the focus frame of a slide directly on the canvas.
    ///@{
    void HiLite(int Slide);
    void ResetLastHiLite();
    ///@}

    /// Renders the strip; a disabled strip shows its slides faded.
    void Paint() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    /// A left click at (X, Y): selects by SlideSelectMode, fires OnImageClick.
    /// (-1, -1) is ignored.
    void WMImageClick(int X, int Y, TShiftState Shift = {});
    /// A left double click at (X, Y): fires OnImageDblClick.
    void WMImageDblClick(int X, int Y);

    /// Copies frame styles, colors, scroll position, range, layout, slide
    /// sizes, events, AntiAlias, the focused slide and FocusLinewidth from
    /// another TThumbnails, then repaints.
    void Assign(QObject* Source) override;
    void AssignTo(QObject* Dest) override;

    TImageRequestEvent OnImageRequest; ///< Asks the host for the picture of a slide while the strip paints.
    TNotifyEvent OnFirstImageRequest; ///< Fired before the first picture request of a paint.
    TNotifyEvent OnLastImageRequest; ///< Fired after the last picture request of a paint.
    TSlideRenderedEvent OnSlideRendered; ///< Called after a slide is drawn, so the host can draw on it.
    TImageClickEvent OnImageClick; ///< Fired when a slide is clicked, with the point and the slide number.
    TImageClickEvent OnImageDblClick; ///< Fired when a slide is double-clicked, with the point and the slide number.
    TNotifyEvent OnFocusChange; ///< Fired when the focus frame moves to another slide.

signals:
    void firstImageRequest(); ///< Emitted with OnFirstImageRequest.
    void lastImageRequest(); ///< Emitted with OnLastImageRequest.
    void imageClick(int X, int Y, int ThumbID); ///< Emitted with OnImageClick.
    void imageDblClick(int X, int Y, int ThumbID); ///< Emitted with OnImageDblClick.
    void focusChange(); ///< Emitted with OnFocusChange.
    void focusedSlideChanged(int Slide); ///< Emitted when FocusedSlide changes.
    /// The set of selected slides changed, by input or by code.
    void selectionChanged();

protected:
    void changeEvent(QEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;

private:
    class Painter;

    /// The geometry of the current settings (ThumbLayout.h).
    TThumbLayout Layout() const;
    /// Resizes the selection to Min .. Max, keeping the bits of the slides
    /// that stay, and clamps the scroll position into the range.
    void RangeChanged(int OldMin);
    /// Draws the focus frame of Slide in Color.
    void DrawFocusFrame(int Slide, TColor Color);
    TColor SlideFill(int Slide) const;
    /// The frame around the whole strip.
    void DrawControlFrame(TCanvas* Canvas) const;
    /// Gray and white lines of the frames by ColorScheme.
    TColor GrayLine() const;
    TColor WhiteLine() const;

    void ResetAntiAlias() { SetAntiAlias(false); }
    void ResetColorBackGnd() { SetColorBackGnd(clBtnFace); }
    void ResetColorCover() { SetColorCover(0xC0C0C0); }
    void ResetColorSelected() { SetColorSelected(0x800000); }
    void ResetColorFocus() { SetColorFocus(0xFF0000); }
    void ResetColorMark() { SetColorMark(0x000000); }
    void ResetColorScheme() { SetColorScheme(csClassic); }
    void ResetFocusLinewidth() { SetFocusLinewidth(1); }
    void ResetFrameStyle() { SetFrameStyle(fsLowered); }
    void ResetOuterFrameStyle() { SetOuterFrameStyle(fsRaised); }
    void ResetInnerFrameStyle() { SetInnerFrameStyle(fsLowered); }
    void ResetMin() { SetMin(1); }
    void ResetMax() { SetMax(100); }
    void ResetSlideSelectMode() { SetSlideSelectMode(ssmSingle); }
    void ResetSlideSize() { SetSlideSize(120); }
    void ResetSlideDistance() { SetSlideDistance(2); }
    void ResetSlideMargin() { SetSlideMargin(7); }

    TBitFld FSelection;
    bool FAntiAlias = false;
    TColor FColorBackGnd = clBtnFace;
    TColor FColorCover = 0xC0C0C0;
    TColor FColorSelected = 0x800000;
    TColor FColorFocus = 0xFF0000;
    TColor FColorMark = 0x000000;
    TColorScheme FColorScheme = csClassic;
    int FFocusLinewidth = 1;
    int FFocusedSlide = 0;
    int FLastClickedSlide = 0;
    TFrameStyle FFrameStyle = fsLowered;
    TFrameStyle FOuterFrameStyle = fsRaised;
    TFrameStyle FInnerFrameStyle = fsLowered;
    int FMin = 1;
    int FMax = 100;
    TSlideSelectMode FSlideSelectMode = ssmSingle;
    int FSlideSize = 120;
    int FSlideDistance = 2;
    int FSlideMargin = 7;
    double FFirstThumbIx = 1.0;
    int FColumns = 2; ///< recomputed by every paint
    int FRows = 0;
    bool FPainting = false;
    bool FEndingDoubleClick = false; ///< the release that ends a double click changes no selection
    std::unique_ptr<TBitmap> FOffScreen;
};

} // namespace vok
