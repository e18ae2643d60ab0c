#include <vok/Vok_canvas.h>
#include <vok/Vok_gridedit.h>
#include <vok/Vok_gridnav.h>
#include <vok/Vok_grids.h>

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace vok {

namespace {
constexpr quint16 VK_F2 = VK_F1 + 1;
constexpr int SizingTolerance = 3; // pixels on each side of a border that grab it
constexpr int WheelRows = 3;       // rows scrolled per wheel notch
constexpr TColor FixedLineColor = clBlack;
constexpr TColor CellLineColor = clSilver;

// Whether two fonts draw alike; assigning a font drops its cached metrics,
// so the cells only do it when a cell changed the font.
bool SameFont(const TFont& A, const TFont& B)
{
    return A.GetName() == B.GetName() && A.GetHeight() == B.GetHeight() && A.GetStyle() == B.GetStyle() &&
           A.GetColor() == B.GetColor() && A.GetEscapement() == B.GetEscapement() &&
           A.GetOrientation() == B.GetOrientation() && A.GetQuality() == B.GetQuality();
}

int BorderWidth(TBorderStyle Style)
{
    return Style == bsSingle ? 2 : 0;
}
} // namespace

TCustomGrid::TCustomGrid(QWidget* AOwner)
    : TCustomControl(AOwner)
    , FOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect)
    , FFixedColor(clBtnFace)
    , FHorzBar(new QScrollBar(Qt::Horizontal, this))
    , FVertBar(new QScrollBar(Qt::Vertical, this))
{
    SetColor(clWindow);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    for (QScrollBar* Bar : {FHorzBar, FVertBar}) {
        Bar->hide();
        Bar->setFocusPolicy(Qt::NoFocus);
        connect(Bar, &QScrollBar::valueChanged, this, [this] { ScrollBarMoved(); });
    }
    UpdateLineWidths();
    LayoutChanged();
    SetBounds(0, 0, 320, 120);
}

TCustomGrid::~TCustomGrid() = default;

// ---- size and cells ---------------------------------------------------------

void TCustomGrid::SetColCount(int Value)
{
    if (std::max(1, Value) == GetColCount())
        return;
    FLayout.Cols.SetCount(Value);
    CellCountsChanged();
}

void TCustomGrid::SetRowCount(int Value)
{
    if (std::max(1, Value) == GetRowCount())
        return;
    FLayout.Rows.SetCount(Value);
    CellCountsChanged();
}

void TCustomGrid::SetFixedCols(int Value)
{
    const int Old = GetFixedCols();
    FLayout.Cols.SetFixedCount(Value);
    if (GetFixedCols() != Old)
        CellCountsChanged();
}

void TCustomGrid::SetFixedRows(int Value)
{
    const int Old = GetFixedRows();
    FLayout.Rows.SetFixedCount(Value);
    if (GetFixedRows() != Old)
        CellCountsChanged();
}

void TCustomGrid::CellCountsChanged()
{
    // An edited cell that is gone has nothing to store into.
    if (FEditCell.X >= 0 && !IsScrollableCell(FEditCell)) {
        FEditCell = {-1, -1};
        HideEditor();
    }
    const auto Inside = [this](TGridCoord P) {
        return TGridCoord{std::clamp(P.X, GetFixedCols(), GetColCount() - 1),
                          std::clamp(P.Y, GetFixedRows(), GetRowCount() - 1)};
    };
    SetCurrent(Inside(FCurrent));
    FAnchor = Inside(FAnchor);
    LayoutChanged();
}

void TCustomGrid::SetDefaultColWidth(int Value)
{
    FLayout.Cols.SetDefaultExtent(Value);
    ColWidthsChanged();
    LayoutChanged();
}

void TCustomGrid::SetDefaultRowHeight(int Value)
{
    FLayout.Rows.SetDefaultExtent(Value);
    RowHeightsChanged();
    LayoutChanged();
}

void TCustomGrid::SetColWidths(int Index, int Value)
{
    if (Index < 0 || Index >= GetColCount() || std::max(0, Value) == GetColWidths(Index))
        return;
    FLayout.Cols.SetExtent(Index, Value);
    ColWidthsChanged();
    LayoutChanged();
}

void TCustomGrid::SetRowHeights(int Index, int Value)
{
    if (Index < 0 || Index >= GetRowCount() || std::max(0, Value) == GetRowHeights(Index))
        return;
    FLayout.Rows.SetExtent(Index, Value);
    RowHeightsChanged();
    LayoutChanged();
}

void TCustomGrid::SetGridLineWidth(int Value)
{
    Value = std::max(0, Value);
    if (Value == FGridLineWidth)
        return;
    FGridLineWidth = Value;
    UpdateLineWidths();
    LayoutChanged();
}

void TCustomGrid::UpdateLineWidths()
{
    FLayout.Cols.SetLineWidth(FOptions & (goFixedVertLine | goVertLine) ? FGridLineWidth : 0);
    FLayout.Rows.SetLineWidth(FOptions & (goFixedHorzLine | goHorzLine) ? FGridLineWidth : 0);
}

// ---- appearance -------------------------------------------------------------

void TCustomGrid::SetFixedColor(TColor Value)
{
    if (FFixedColor == Value)
        return;
    FFixedColor = Value;
    Invalidate();
}

void TCustomGrid::SetDefaultDrawing(bool Value)
{
    if (FDefaultDrawing == Value)
        return;
    FDefaultDrawing = Value;
    Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value)
{
    if (FScrollBars == Value)
        return;
    FScrollBars = Value;
    LayoutChanged();
}

void TCustomGrid::SetBorderStyle(TBorderStyle Value)
{
    if (FBorderStyle == Value)
        return;
    FBorderStyle = Value;
    LayoutChanged();
}

void TCustomGrid::SetOptions(TGridOptions Value)
{
    // An editor over a whole selected row makes no sense.
    if (Value & goRowSelect)
        Value &= ~TGridOptions(goAlwaysShowEditor);
    if (Value == FOptions)
        return;
    const TGridOptions Changed = Value ^ FOptions;
    FOptions = Value;
    if (Changed & goTabs)
        SetWantTabs(FOptions & goTabs);
    if (!FEditorMode && (FOptions & goAlwaysShowEditor))
        ShowEditor();
    if (FOptions & goRowSelect)
        HideEditor();
    if (Changed & (goFixedVertLine | goVertLine | goFixedHorzLine | goHorzLine)) {
        UpdateLineWidths();
        LayoutChanged();
    } else {
        // Components switch goEditing on and off all the time: keep that cheap.
        UpdateScrollBars();
        Invalidate();
    }
}

// ---- selection and scrolling ------------------------------------------------

void TCustomGrid::SetCol(int Value)
{
    Value = std::clamp(Value, GetFixedCols(), GetColCount() - 1);
    if (Value != FCurrent.X)
        FocusCell(Value, FCurrent.Y, true);
}

void TCustomGrid::SetRow(int Value)
{
    Value = std::clamp(Value, GetFixedRows(), GetRowCount() - 1);
    if (Value != FCurrent.Y)
        FocusCell(FCurrent.X, Value, true);
}

TGridRect TCustomGrid::GetSelection() const
{
    return SpanSelection(FAnchor, FCurrent, FOptions, GetFixedCols(), GetColCount());
}

void TCustomGrid::SetSelection(TGridRect Value)
{
    FAnchor = {Value.Left, Value.Top};
    SetCurrent({Value.Right, Value.Bottom});
    Invalidate();
}

void TCustomGrid::SetCurrent(TGridCoord Value)
{
    const TGridCoord Old = FCurrent;
    FCurrent = Value;
    if (Value.X != Old.X)
        Q_EMIT colChanged(Value.X);
    if (Value.Y != Old.Y)
        Q_EMIT rowChanged(Value.Y);
}

QSize TCustomGrid::minimumSizeHint() const { return sizeHint() / 2; }

QAccessible::Role TCustomGrid::AccessibleRole() const { return QAccessible::Table; }

void TCustomGrid::SetTopRow(int Value)
{
    MoveTopLeft({FLayout.TopLeft.X, Value});
}

void TCustomGrid::SetLeftCol(int Value)
{
    MoveTopLeft({Value, FLayout.TopLeft.Y});
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const
{
    const TGridCoord Cell = MouseCoord(X, Y);
    ACol = Cell.X;
    ARow = Cell.Y;
}

bool TCustomGrid::IsScrollableCell(TGridCoord Cell) const
{
    return Cell.X >= GetFixedCols() && Cell.X < GetColCount() && Cell.Y >= GetFixedRows() && Cell.Y < GetRowCount();
}

bool TCustomGrid::MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show)
{
    const TGridCoord Cell{ACol, ARow};
    if (!IsScrollableCell(Cell) || !SelectCell(ACol, ARow))
        return false;
    if (FEditCell != Cell) {
        if (FOptions & goAlwaysShowEditor)
            UpdateText();
        else
            HideEditor();
    }
    SetCurrent(Cell);
    if (MoveAnchor || !(FOptions & goRangeSelect))
        FAnchor = Cell;
    if (Show) {
        TGridCoord TopLeft = FLayout.TopLeft;
        TopLeft.Y = FLayout.Rows.ScrollToShow(ARow, TopLeft.Y, FLayout.ClientHeight);
        if (!(FOptions & goRowSelect))
            TopLeft.X = FLayout.Cols.ScrollToShow(ACol, TopLeft.X, FLayout.ClientWidth);
        MoveTopLeft(TopLeft);
    }
    Invalidate();
    return true;
}

void TCustomGrid::FocusCell(int ACol, int ARow, bool MoveAnchor)
{
    if (!MoveCurrent(ACol, ARow, MoveAnchor, true))
        return;
    if (FOptions & goAlwaysShowEditor)
        ShowEditor();
    Click();
}

void TCustomGrid::MoveTopLeft(TGridCoord Value)
{
    const TGridCoord New = FLayout.ClampTopLeft(Value);
    if (New == FLayout.TopLeft)
        return;
    FLayout.TopLeft = New;
    UpdateScrollBars();
    UpdateEditorPlace();
    Invalidate();
    TopLeftChanged();
}

void TCustomGrid::LayoutChanged()
{
    const int Border = BorderWidth(FBorderStyle);
    const int BarExtent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int AreaWidth = std::max(0, width() - 2 * Border);
    const int AreaHeight = std::max(0, height() - 2 * Border);
    const TGridScrollBars Bars = NeededScrollBars(FLayout, AreaWidth, AreaHeight, BarExtent, FScrollBars);
    const int VertExtent = Bars.Vertical ? BarExtent : 0;
    const int HorzExtent = Bars.Horizontal ? BarExtent : 0;
    setContentsMargins(Border, Border, Border + VertExtent, Border + HorzExtent);
    FLayout.ClientWidth = std::max(0, AreaWidth - VertExtent);
    FLayout.ClientHeight = std::max(0, AreaHeight - HorzExtent);
    FVertBar->setGeometry(Border + FLayout.ClientWidth, Border, VertExtent, FLayout.ClientHeight);
    FHorzBar->setGeometry(Border, Border + FLayout.ClientHeight, FLayout.ClientWidth, HorzExtent);
    FVertBar->setVisible(Bars.Vertical);
    FHorzBar->setVisible(Bars.Horizontal);
    MoveTopLeft(FLayout.TopLeft);
    UpdateScrollBars();
    UpdateEditorPlace();
    Invalidate();
}

void TCustomGrid::UpdateScrollBars()
{
    FUpdatingBars = true;
    const TGridCoord Max = FLayout.MaxTopLeft();
    const bool Tracking = FOptions & goThumbTracking;
    FVertBar->setTracking(Tracking);
    FVertBar->setRange(GetFixedRows(), std::max(GetFixedRows(), Max.Y));
    FVertBar->setPageStep(std::max(1, GetVisibleRowCount()));
    FVertBar->setValue(GetTopRow());
    FHorzBar->setTracking(Tracking);
    FHorzBar->setRange(GetFixedCols(), std::max(GetFixedCols(), Max.X));
    FHorzBar->setPageStep(std::max(1, GetVisibleColCount()));
    FHorzBar->setValue(GetLeftCol());
    FUpdatingBars = false;
}

void TCustomGrid::ScrollBarMoved()
{
    if (!FUpdatingBars)
        MoveTopLeft({FHorzBar->value(), FVertBar->value()});
}

void TCustomGrid::ScrollByRows(int Delta)
{
    MoveTopLeft({FLayout.TopLeft.X, FLayout.TopLeft.Y + Delta});
}

void TCustomGrid::Resize()
{
    LayoutChanged();
    TCustomControl::Resize();
}

// ---- overridable behaviour --------------------------------------------------

bool TCustomGrid::SelectCell(int, int)
{
    return true;
}

void TCustomGrid::TopLeftChanged() {}
void TCustomGrid::ColWidthsChanged() {}
void TCustomGrid::RowHeightsChanged() {}

QString TCustomGrid::GetEditText(int, int)
{
    return {};
}

void TCustomGrid::SetEditText(int, int, const QString&) {}

TEditStyle TCustomGrid::GetEditStyle(int, int)
{
    return esSimple;
}

TInplaceEdit* TCustomGrid::CreateEditor()
{
    return new TInplaceEditList(this);
}

bool TCustomGrid::CanEditShow() const
{
    return (FOptions & goEditing) && !(FOptions & goRowSelect) && IsScrollableCell(FCurrent) && !IsDesigning();
}

// ---- in-place editing -------------------------------------------------------

void TCustomGrid::SetEditorMode(bool Value)
{
    if (Value)
        ShowEditor();
    else
        HideEditor();
}

void TCustomGrid::ShowEditor()
{
    if (!CanEditShow())
        return;
    if (!FInplaceEdit)
        FInplaceEdit = CreateEditor();
    FEditorMode = true;
    if (FEditCell != FCurrent) {
        UpdateText();
        FEditCell = FCurrent;
        FInplaceEdit->UpdateContents();
    }
    MoveTopLeft({FLayout.Cols.ScrollToShow(FCurrent.X, FLayout.TopLeft.X, FLayout.ClientWidth),
                 FLayout.Rows.ScrollToShow(FCurrent.Y, FLayout.TopLeft.Y, FLayout.ClientHeight)});
    UpdateEditorPlace();
    FInplaceEdit->setFocus();
    Invalidate();
}

void TCustomGrid::HideEditor()
{
    FEditorMode = false;
    if (!FInplaceEdit)
        return;
    const bool HadFocus = FInplaceEdit->hasFocus();
    UpdateText();
    FEditCell = {-1, -1};
    FInplaceEdit->hide();
    if (HadFocus)
        setFocus();
    Invalidate();
}

void TCustomGrid::UpdateText()
{
    if (!FInplaceEdit || FEditCell.X < 0 || !FInplaceEdit->isModified())
        return;
    FInplaceEdit->setModified(false);
    SetEditText(FEditCell.X, FEditCell.Y, FInplaceEdit->text());
    Invalidate();
}

void TCustomGrid::UpdateEditorPlace()
{
    if (!FInplaceEdit || FEditCell.X < 0)
        return;
    const TRect R = CellRect(FEditCell.X, FEditCell.Y);
    if (R.IsEmpty()) {
        FInplaceEdit->hide();
        return;
    }
    const QPoint Origin = contentsRect().topLeft();
    FInplaceEdit->setGeometry(R.Left + Origin.x(), R.Top + Origin.y(), R.Width(), R.Height());
    FInplaceEdit->show();
}

// ---- painting ---------------------------------------------------------------

TGridDrawState TCustomGrid::CellState(int ACol, int ARow, bool HasFocus, const TGridRect& Sel) const
{
    if (ACol < GetFixedCols() || ARow < GetFixedRows())
        return gdFixed;
    TGridDrawState State;
    if (HasFocus && ACol == FCurrent.X && ARow == FCurrent.Y)
        State |= gdFocused;
    if (Sel.Contains(ACol, ARow))
        State |= gdSelected;
    return State;
}

void TCustomGrid::Paint()
{
    TCanvas* Canvas = GetCanvas();
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(GetColor());
    Canvas->FillRect(Rect(0, 0, FLayout.ClientWidth, FLayout.ClientHeight));
    PaintLines();
    const bool HasFocus = Focused() || (FInplaceEdit && FInplaceEdit->hasFocus());
    const TGridRect Sel = GetSelection();
    const std::vector<TAxisCell> Cols = FLayout.Cols.VisibleCells(FLayout.TopLeft.X, FLayout.ClientWidth);
    const std::vector<TAxisCell> Rows = FLayout.Rows.VisibleCells(FLayout.TopLeft.Y, FLayout.ClientHeight);
    for (const TAxisCell& Row : Rows)
        for (const TAxisCell& Col : Cols) {
            if (Col.Span.IsEmpty() || Row.Span.IsEmpty())
                continue;
            const TRect R{Col.Span.Start, Row.Span.Start, Col.Span.End, Row.Span.End};
            PaintCell(Col.Index, Row.Index, R, CellState(Col.Index, Row.Index, HasFocus, Sel));
        }
}

void TCustomGrid::PaintLines()
{
    TCanvas* Canvas = GetCanvas();
    TBrush* Brush = Canvas->GetBrush();
    const int FixedRight = FLayout.Cols.FixedBoundary();
    const int FixedBottom = FLayout.Rows.FixedBoundary();
    const int Right = GetGridWidth();
    const int Bottom = GetGridHeight();
    auto Band = [&](bool Show, TColor Color, TRect R) {
        if (!Show || R.IsEmpty())
            return;
        Brush->SetColor(Color);
        Canvas->FillRect(R);
    };
    const int ColLine = FLayout.Cols.GetLineWidth();
    for (const TAxisCell& Col : FLayout.Cols.VisibleCells(FLayout.TopLeft.X, FLayout.ClientWidth)) {
        const int X = Col.Span.End;
        const bool FixedCol = Col.Index < GetFixedCols();
        Band(FOptions & goFixedVertLine, FixedLineColor, Rect(X, 0, X + ColLine, std::min(FixedBottom, Bottom)));
        Band(FOptions & (FixedCol ? goFixedVertLine : goVertLine), FixedCol ? FixedLineColor : CellLineColor,
             Rect(X, FixedBottom, X + ColLine, Bottom));
    }
    const int RowLine = FLayout.Rows.GetLineWidth();
    for (const TAxisCell& Row : FLayout.Rows.VisibleCells(FLayout.TopLeft.Y, FLayout.ClientHeight)) {
        const int Y = Row.Span.End;
        const bool FixedRow = Row.Index < GetFixedRows();
        Band(FOptions & goFixedHorzLine, FixedLineColor, Rect(0, Y, std::min(FixedRight, Right), Y + RowLine));
        Band(FOptions & (FixedRow ? goFixedHorzLine : goHorzLine), FixedRow ? FixedLineColor : CellLineColor,
             Rect(FixedRight, Y, Right, Y + RowLine));
    }
}

void TCustomGrid::PaintCell(int ACol, int ARow, const TRect& R, TGridDrawState State)
{
    // The open editor covers its cell.
    if (FInplaceEdit && FEditCell == TGridCoord{ACol, ARow} && !FInplaceEdit->isHidden())
        return;
    TCanvas* Canvas = GetCanvas();
    if (FDefaultDrawing) {
        if (!SameFont(*Canvas->GetFont(), *GetFont()))
            Canvas->SetFont(GetFont());
        Canvas->GetBrush()->SetStyle(bsSolid);
        const bool Highlight = (State & gdSelected) &&
                               (!(State & gdFocused) || (FOptions & (goDrawFocusSelected | goRowSelect)));
        if (State & gdFixed) {
            Canvas->GetBrush()->SetColor(FFixedColor);
        } else if (Highlight) {
            Canvas->GetBrush()->SetColor(clHighlight);
            Canvas->GetFont()->SetColor(clHighlightText);
        } else {
            Canvas->GetBrush()->SetColor(GetColor());
        }
        Canvas->FillRect(R);
    }
    DrawCell(ACol, ARow, R, State);
    if (!FDefaultDrawing)
        return;
    TPen* Pen = Canvas->GetPen();
    Pen->SetMode(pmCopy);
    Pen->SetStyle(psSolid);
    Pen->SetWidth(1);
    if (State & gdFixed) {
        // A raised edge: light along the top and left, shadow along the bottom and right.
        Pen->SetColor(clBtnHighlight);
        Canvas->MoveTo(R.Left, R.Bottom - 1);
        Canvas->LineTo(R.Left, R.Top);
        Canvas->LineTo(R.Right, R.Top);
        Pen->SetColor(clBtnShadow);
        Canvas->MoveTo(R.Left, R.Bottom - 1);
        Canvas->LineTo(R.Right - 1, R.Bottom - 1);
        Canvas->LineTo(R.Right - 1, R.Top - 1);
    } else if ((State & gdFocused) && !(FOptions & goRowSelect) &&
               (FOptions & (goEditing | goAlwaysShowEditor)) != (goEditing | goAlwaysShowEditor)) {
        // The dotted focus frame, inverting what lies under it.
        Pen->SetMode(pmXor);
        Pen->SetStyle(psDot);
        Pen->SetColor(clWhite);
        Canvas->GetBrush()->SetStyle(bsClear);
        Canvas->Rectangle(R);
        Pen->SetMode(pmCopy);
        Pen->SetStyle(psSolid);
        Canvas->GetBrush()->SetStyle(bsSolid);
    }
}

void TCustomGrid::paintEvent(QPaintEvent*)
{
    FitPicture();
    Update();
    QPainter Painter(this);
    const QRect Client = contentsRect();
    const qreal Ratio = GetPicture().devicePixelRatio();
    Painter.drawImage(QRectF(Client), GetPicture(), QRectF(0, 0, Client.width() * Ratio, Client.height() * Ratio));
    // Everything around the cell area: the border, under the scroll bars and between them.
    Painter.setClipRegion(QRegion(rect()).subtracted(Client));
    Painter.fillRect(rect(), palette().color(QPalette::Button));
    if (FBorderStyle == bsSingle) {
        // A sunken edge: shadow and dark lines top-left, light lines bottom-right.
        const QRect Outer = rect().adjusted(0, 0, -1, -1);
        const QRect Inner = Outer.adjusted(1, 1, -1, -1);
        auto Edge = [&Painter](const QRect& R, const QColor& TopLeft, const QColor& BottomRight) {
            Painter.setPen(TopLeft);
            Painter.drawLine(R.bottomLeft(), R.topLeft());
            Painter.drawLine(R.topLeft(), R.topRight());
            Painter.setPen(BottomRight);
            Painter.drawLine(R.topRight(), R.bottomRight());
            Painter.drawLine(R.bottomRight(), R.bottomLeft());
        };
        Edge(Outer, palette().color(QPalette::Dark), palette().color(QPalette::Light));
        Edge(Inner, palette().color(QPalette::Shadow), palette().color(QPalette::Button));
    }
}

namespace {
// The same mouse event with its position moved by Offset.
QMouseEvent Moved(const QMouseEvent& E, QPoint Offset)
{
    return QMouseEvent(E.type(), E.position() - Offset, E.scenePosition(), E.globalPosition(), E.button(),
                       E.buttons(), E.modifiers(), E.pointingDevice());
}
} // namespace

void TCustomGrid::mousePressEvent(QMouseEvent* Event)
{
    QMouseEvent E = Moved(*Event, contentsRect().topLeft());
    TCustomControl::mousePressEvent(&E);
}

void TCustomGrid::mouseReleaseEvent(QMouseEvent* Event)
{
    QMouseEvent E = Moved(*Event, contentsRect().topLeft());
    TCustomControl::mouseReleaseEvent(&E);
}

void TCustomGrid::mouseDoubleClickEvent(QMouseEvent* Event)
{
    QMouseEvent E = Moved(*Event, contentsRect().topLeft());
    TCustomControl::mouseDoubleClickEvent(&E);
}

void TCustomGrid::mouseMoveEvent(QMouseEvent* Event)
{
    QMouseEvent E = Moved(*Event, contentsRect().topLeft());
    TCustomControl::mouseMoveEvent(&E);
}

void TCustomGrid::InvalidateCell(int, int)
{
    // One picture for the whole control: a cell is repainted with the rest.
    Invalidate();
}

// ---- input ------------------------------------------------------------------

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft && !(Shift & ssDouble)) {
        const int ColBorder = (FOptions & goColSizing) && Y < FLayout.Rows.FixedBoundary()
                                  ? FLayout.Cols.BorderAt(X, GetLeftCol(), FLayout.ClientWidth, SizingTolerance)
                                  : -1;
        const int RowBorder = (FOptions & goRowSizing) && X < FLayout.Cols.FixedBoundary()
                                  ? FLayout.Rows.BorderAt(Y, GetTopRow(), FLayout.ClientHeight, SizingTolerance)
                                  : -1;
        const TGridCoord Cell = MouseCoord(X, Y);
        if (ColBorder >= 0) {
            FGridState = gsColSizing;
            FSizingIndex = ColBorder;
            FSizingStart = X - GetColWidths(ColBorder);
        } else if (RowBorder >= 0) {
            FGridState = gsRowSizing;
            FSizingIndex = RowBorder;
            FSizingStart = Y - GetRowHeights(RowBorder);
        } else if (IsScrollableCell(Cell)) {
            const bool OnCurrent = Cell == FCurrent && FEditCell != Cell;
            if (OnCurrent && (FOptions & goEditing) && !(Shift & ssShift)) {
                ShowEditor();
            } else {
                MoveCurrent(Cell.X, Cell.Y, !((Shift & ssShift) && (FOptions & goRangeSelect)), true);
                FGridState = gsSelecting;
            }
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    // A release the grid did not see ends what the press started.
    if (FGridState != gsNormal && !(Shift & ssLeft))
        FGridState = gsNormal;
    switch (FGridState) {
    case gsSelecting: {
        // A drag past the edge picks the cell at the edge, which scrolls it in.
        const TGridCoord Cell = MouseCoord(std::clamp(X, 0, std::max(0, FLayout.ClientWidth - 1)),
                                           std::clamp(Y, 0, std::max(0, FLayout.ClientHeight - 1)));
        if (IsScrollableCell(Cell) && Cell != FCurrent)
            MoveCurrent(Cell.X, Cell.Y, false, true);
        break;
    }
    case gsColSizing: SetColWidths(FSizingIndex, X - FSizingStart); break;
    case gsRowSizing: SetRowHeights(FSizingIndex, Y - FSizingStart); break;
    case gsNormal: {
        const bool OverColBorder =
            (FOptions & goColSizing) && Y < FLayout.Rows.FixedBoundary() &&
            FLayout.Cols.BorderAt(X, GetLeftCol(), FLayout.ClientWidth, SizingTolerance) >= 0;
        const bool OverRowBorder =
            (FOptions & goRowSizing) && X < FLayout.Cols.FixedBoundary() &&
            FLayout.Rows.BorderAt(Y, GetTopRow(), FLayout.ClientHeight, SizingTolerance) >= 0;
        setCursor(CursorShape(OverColBorder ? crHSplit : OverRowBorder ? crVSplit : GetCursor()));
        break;
    }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FGridState = gsNormal;
    FSizingIndex = -1;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomGrid::KeyDown(quint16& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0)
        return;
    if (Key == VK_F2 && (FOptions & goEditing)) {
        SetEditorMode(true);
        return;
    }
    const TGridKeyMove Move = GridKeyMove(Key, Shift, FLayout, FCurrent, FOptions);
    if (!Move.Handled)
        return;
    MoveTopLeft(Move.TopLeft);
    if (Move.Current != FCurrent)
        FocusCell(Move.Current.X, Move.Current.Y, Move.MoveAnchor);
}

void TCustomGrid::KeyPress(QChar& Key)
{
    TCustomControl::KeyPress(Key);
    if (Key.isNull() || !(FOptions & goEditing))
        return;
    const bool Editing = FEditCell.X >= 0;
    if (Key == QLatin1Char('\r')) {
        if (!Editing)
            ShowEditor();
        else if (FOptions & goAlwaysShowEditor)
            UpdateText();
        else
            HideEditor();
        Key = QChar();
    } else if (Key == QChar(27)) {
        if (Editing && !(FOptions & goAlwaysShowEditor))
            HideEditor();
        Key = QChar();
    } else if (Key.isPrint() && !Editing && CanEditShow()) {
        // Typing on a cell starts editing it; the key replaces the text.
        ShowEditor();
        if (FInplaceEdit && FEditCell.X >= 0)
            FInplaceEdit->insert(QString(Key));
        Key = QChar();
    }
}

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    if (!TCustomControl::DoMouseWheelDown(Shift, MousePos))
        ScrollByRows(WheelRows);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    if (!TCustomControl::DoMouseWheelUp(Shift, MousePos))
        ScrollByRows(-WheelRows);
    return true;
}

// ---- the draw grid ----------------------------------------------------------

TCustomDrawGrid::TCustomDrawGrid(QWidget* AOwner)
    : TCustomGrid(AOwner)
{
}

void TCustomDrawGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState)
{
    if (OnDrawCell)
        OnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TCustomDrawGrid::SelectCell(int ACol, int ARow)
{
    bool CanSelect = true;
    if (OnSelectCell)
        OnSelectCell(this, ACol, ARow, CanSelect);
    return CanSelect;
}

void TCustomDrawGrid::TopLeftChanged()
{
    TCustomGrid::TopLeftChanged();
    if (OnTopLeftChanged)
        OnTopLeftChanged(this);
    Q_EMIT topLeftChanged();
}

QString TCustomDrawGrid::GetEditText(int ACol, int ARow)
{
    QString Value;
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, Value);
    return Value;
}

void TCustomDrawGrid::SetEditText(int ACol, int ARow, const QString& Value)
{
    if (OnSetEditText)
        OnSetEditText(this, ACol, ARow, Value);
    Q_EMIT editTextSet(ACol, ARow, Value);
}

TDrawGrid::TDrawGrid(QWidget* AOwner)
    : TCustomDrawGrid(AOwner)
{
}

} // namespace vok
