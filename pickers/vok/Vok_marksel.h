/// TMarkSel: picks one of the 52 marker symbols from a grid of cells. The
/// marker nearest to the pointer is highlighted; a click selects it. \file
#pragma once

#include <vok/Vok_base.h>
#include <vok/Vok_controls.h>
#include <vok/Vok_frames.h>
#include <vok/vok_export.h>

#include <algorithm>
#include <array>

namespace vok {

/// A marker was picked at (X, Y).
using TMarkClickEvent = std::function<void(QObject* Sender, int X, int Y, int Mark)>;

/// Picks one of the 52 marker symbols from a grid of cells.
class VOK_EXPORT TMarkSel : public TGraphicControl
{
    Q_OBJECT
    /// Number of cell columns.
    Q_PROPERTY(int NrOfColumns READ GetNrOfColumns WRITE SetNrOfColumns RESET ResetNrOfColumns)
    /// Number of cell rows.
    Q_PROPERTY(int NrOfRows READ GetNrOfRows WRITE SetNrOfRows RESET ResetNrOfRows)
    /// Background color of the cells.
    Q_PROPERTY(quint32 ColorBackGnd READ GetColorBackGnd WRITE SetColorBackGnd RESET ResetColorBackGnd)
    /// Color of the marker symbols.
    Q_PROPERTY(quint32 ColorMarks READ GetColorMarks WRITE SetColorMarks RESET ResetColorMarks)
    /// Background color of the cell under the pointer.
    Q_PROPERTY(quint32 ColorHiLiteBG READ GetColorHiLiteBG WRITE SetColorHiLiteBG RESET ResetColorHiLiteBG)
    /// Color of the symbol under the pointer.
    Q_PROPERTY(quint32 ColorHiLiteSymbol READ GetColorHiLiteSymbol WRITE SetColorHiLiteSymbol RESET ResetColorHiLiteSymbol)
    /// Background color of the selected cell.
    Q_PROPERTY(quint32 ColorSelBG READ GetColorSelBG WRITE SetColorSelBG RESET ResetColorSelBG)
    /// Color of the selected symbol.
    Q_PROPERTY(quint32 ColorSelFG READ GetColorSelFG WRITE SetColorSelFG RESET ResetColorSelFG)
    /// Frame around the grid.
    Q_PROPERTY(vok::BaseEnums::TFrameStyle FrameStyle READ GetFrameStyle WRITE SetFrameStyle RESET ResetFrameStyle)
    /// Number of the selected marker symbol.
    Q_PROPERTY(int Selected READ GetSelected WRITE SetSelected NOTIFY selectedChanged RESET ResetSelected)
    /// Whether marker 0 (no marker) shows as a cross instead of an empty cell.
    Q_PROPERTY(bool ShowZeroAsCross READ GetShowZeroAsCross WRITE SetShowZeroAsCross RESET ResetShowZeroAsCross)

public:
    /// 236 x 178 pixels, 8 x 6 cells, every marker shown, none selected.
    explicit TMarkSel(QWidget* AOwner = nullptr);

    /// Grid size, 1..51 each; other values are ignored.
    ///@{
    int GetNrOfColumns() const { return FNrCols; }
    void SetNrOfColumns(int Value);
    ///@}
    /// Number of cell rows.
    ///@{
    int GetNrOfRows() const { return FNrRows; }
    void SetNrOfRows(int Value);
    ///@}

    /// Background color of the cells.
    ///@{
    TColor GetColorBackGnd() const { return FColorBackGnd; }
    void SetColorBackGnd(TColor Value) { SetColorField(FColorBackGnd, Value); }
    ///@}
    /// Color of the marker symbols.
    ///@{
    TColor GetColorMarks() const { return FColorMarks; }
    void SetColorMarks(TColor Value) { SetColorField(FColorMarks, Value); }
    ///@}
    /// Background color of the cell under the pointer.
    ///@{
    TColor GetColorHiLiteBG() const { return FColorHiLiteBG; }
    void SetColorHiLiteBG(TColor Value) { SetColorField(FColorHiLiteBG, Value); }
    ///@}
    /// Color of the symbol under the pointer.
    ///@{
    TColor GetColorHiLiteSymbol() const { return FColorHiLiteSymbol; }
    void SetColorHiLiteSymbol(TColor Value) { SetColorField(FColorHiLiteSymbol, Value); }
    ///@}
    /// Background color of the selected cell.
    ///@{
    TColor GetColorSelBG() const { return FColorSelBG; }
    void SetColorSelBG(TColor Value) { SetColorField(FColorSelBG, Value); }
    ///@}
    /// Color of the selected symbol.
    ///@{
    TColor GetColorSelFG() const { return FColorSelFG; }
    void SetColorSelFG(TColor Value) { SetColorField(FColorSelFG, Value); }
    ///@}

    /// Frame around the grid.
    ///@{
    TFrameStyle GetFrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle Value);
    ///@}
    /// The selected marker, -1..51 (-1: none); other values are ignored.
    ///@{
    int GetSelected() const { return FSelected; }
    void SetSelected(int Value);
    ///@}
    /// Whether marker 0 (no marker) shows as a cross instead of an empty cell.
    ///@{
    bool GetShowZeroAsCross() const { return FZeroAsCross; }
    void SetShowZeroAsCross(bool Value);
    ///@}

    /// Whether marker Index is offered. Reading outside 0..51 reads marker
    /// 0; writing takes 1..51 only, so marker 0 is always shown.
    ///@{
    bool GetMarkVisible(int Index) const;
    void SetMarkVisible(int Index, bool Value);
    void ShowAllMarks();
    void HideAllMarks();
    ///@}

    /// The marker under the pointer, highlighted.
    int GetHighlighted() const { return FLastHiLite; }
    /// Where marker Index sits (its cell's centre less the 2-pixel frame).
    TPoint GetMarkCoords(int Index) const { return FMarkCoords[std::clamp(Index, 0, MarkerKindCount - 1)]; }

    void Paint() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DblClick() override;

    QSize sizeHint() const override; ///< The initial size, what the constructor gives.
    QSize minimumSizeHint() const override; ///< The smallest size at which every part is still legible.

    /// Assistive technology sees a list whose value is the selected marker.
    ///@{
    QAccessible::Role AccessibleRole() const override { return QAccessible::List; }
    QString AccessibleValueText() const override;
    bool AccessibleValue(double& Value, double& Minimum, double& Maximum) const override;
    ///@}

    TMarkClickEvent OnMarkClick; ///< Fired when a marker is clicked, with the point and the marker number.
    TMarkClickEvent OnMarkDblClick; ///< Fired when a marker is double-clicked, with the point and the marker number.
    TNotifyEvent OnPaint; ///< Fired after each paint, so the host can draw on top.

signals:
    void markClick(int X, int Y, int Mark); ///< Emitted with OnMarkClick.
    void markDblClick(int X, int Y, int Mark); ///< Emitted with OnMarkDblClick.
    void paint(); ///< Emitted with OnPaint.
    void selectedChanged(int Mark); ///< Emitted when Selected changes.

protected:
    void changeEvent(QEvent* Event) override;

private:
    /// Stores a new selection and announces it (signal, assistive technology).
    void ChangeSelected(int Mark);

    struct TMarkColors
    {
        TColor Back, Symbol, SelBack, SelSymbol;
    };
    TMarkColors PaintColors() const;
    void SetColorField(TColor& Field, TColor Value);
    /// Cell sizes and the points of the visible markers.
    void UpdateLayout();
    /// Symbol of marker I at its point in the canvas's pen and brush.
    void DrawSymbol(TCanvas* Canvas, int I) const;
    void RestoreMarker(int I);
    void HighlightMarker(int I);
    /// Selection by the pointer at (X, Y): Selected, the event, repaint, highlight.
    void PickAt(int X, int Y, const TMarkClickEvent& Event, bool Double);

    void ResetNrOfColumns() { SetNrOfColumns(8); }
    void ResetNrOfRows() { SetNrOfRows(6); }
    void ResetColorBackGnd() { SetColorBackGnd(clBtnFace); }
    void ResetColorMarks() { SetColorMarks(0x000000); }
    void ResetColorHiLiteBG() { SetColorHiLiteBG(0x0000FF); }
    void ResetColorHiLiteSymbol() { SetColorHiLiteSymbol(0xFFFFFF); }
    void ResetColorSelBG() { SetColorSelBG(0xFFFFFF); }
    void ResetColorSelFG() { SetColorSelFG(0x800000); }
    void ResetFrameStyle() { SetFrameStyle(fsEngraved); }
    void ResetSelected() { SetSelected(-1); }
    void ResetShowZeroAsCross() { SetShowZeroAsCross(true); }

    std::array<bool, MarkerKindCount> FMarkVis;
    std::array<TPoint, MarkerKindCount> FMarkCoords{};
    int FNrCols = 8;
    int FNrRows = 6;
    int FSelected = -1;
    int FLastHiLite = 0;
    int FMarkDistHorz = 0, FMarkDistVert = 0;
    int FMarkMarginHorz = 0, FMarkMarginVert = 0;
    bool FZeroAsCross = true;
    TColor FColorBackGnd = clBtnFace;
    TColor FColorMarks = 0x000000;
    TColor FColorHiLiteBG = 0x0000FF;
    TColor FColorHiLiteSymbol = 0xFFFFFF;
    TColor FColorSelBG = 0xFFFFFF;
    TColor FColorSelFG = 0x800000;
    TFrameStyle FFrameStyle = fsEngraved;
    TPoint FLastPointer{-1, -1};
};

} // namespace vok
