#include <vok/Vok_gridlayout.h>

#include <algorithm>

namespace vok {

TGridAxis::TGridAxis(int Count, int FixedCount, int DefaultExtent)
    : FCount(std::max(1, Count))
    , FRequestedFixed(std::max(0, FixedCount))
    , FDefaultExtent(std::max(0, DefaultExtent))
{
}

void TGridAxis::SetCount(int Value)
{
    FCount = std::max(1, Value);
    if (static_cast<int>(FExtents.size()) > FCount)
        FExtents.resize(FCount);
}

int TGridAxis::GetFixedCount() const
{
    return std::min(FRequestedFixed, FCount - 1);
}

void TGridAxis::SetFixedCount(int Value)
{
    FRequestedFixed = std::max(0, Value);
}

void TGridAxis::SetDefaultExtent(int Value)
{
    FDefaultExtent = std::max(0, Value);
    FExtents.clear();
}

int TGridAxis::GetExtent(int Index) const
{
    if (Index < 0 || Index >= FCount)
        return 0;
    return Index < static_cast<int>(FExtents.size()) ? FExtents[Index] : FDefaultExtent;
}

void TGridAxis::SetExtent(int Index, int Value)
{
    if (Index < 0 || Index >= FCount)
        return;
    Value = std::max(0, Value);
    if (Index >= static_cast<int>(FExtents.size())) {
        if (Value == FDefaultExtent)
            return;
        FExtents.resize(Index + 1, FDefaultExtent);
    }
    FExtents[Index] = Value;
}

void TGridAxis::SetLineWidth(int Value)
{
    FLineWidth = std::max(0, Value);
}

int TGridAxis::FixedBoundary() const
{
    int Pos = 0;
    for (int I = 0; I < GetFixedCount(); ++I)
        Pos += GetExtent(I) + FLineWidth;
    return Pos;
}

TAxisSpan TGridAxis::CellSpan(int Index, int First, int ClientExtent) const
{
    const int Fixed = GetFixedCount();
    First = std::max(First, Fixed);
    if (Index < 0 || Index >= FCount || (Index >= Fixed && Index < First))
        return {};
    int Pos = Index < Fixed ? 0 : FixedBoundary();
    for (int I = Index < Fixed ? 0 : First; I < Index && Pos < ClientExtent; ++I)
        Pos += GetExtent(I) + FLineWidth;
    if (Pos >= ClientExtent)
        return {};
    return {Pos, Pos + GetExtent(Index)};
}

int TGridAxis::IndexAt(int Pos, int First, int ClientExtent) const
{
    if (Pos < 0 || Pos >= ClientExtent)
        return -1;
    const int Fixed = GetFixedCount();
    int Line = 0;
    for (int I = 0; I < Fixed; ++I) {
        Line += GetExtent(I) + FLineWidth;
        if (Pos < Line)
            return I;
    }
    for (int I = std::max(First, Fixed); I < FCount && Line < ClientExtent; ++I) {
        Line += GetExtent(I) + FLineWidth;
        if (Pos < Line)
            return I;
    }
    return -1;
}

int TGridAxis::BorderAt(int Pos, int First, int ClientExtent, int Tolerance) const
{
    const int Last = LastVisible(First, ClientExtent);
    int Found = -1;
    int Start = 0;
    auto Check = [&](int I) {
        const int Edge = Start + GetExtent(I);
        if (Pos >= Edge - Tolerance && Pos <= Edge + Tolerance)
            Found = I;
        Start = Edge + FLineWidth;
    };
    const int Fixed = GetFixedCount();
    for (int I = 0; I < Fixed; ++I)
        Check(I);
    for (int I = std::max(First, Fixed); I <= Last; ++I)
        Check(I);
    return Found;
}

std::vector<TAxisCell> TGridAxis::VisibleCells(int First, int ClientExtent) const
{
    std::vector<TAxisCell> Cells;
    const int Fixed = GetFixedCount();
    int Pos = 0;
    auto Add = [&](int I) {
        Cells.push_back({I, {Pos, Pos + GetExtent(I)}});
        Pos += GetExtent(I) + FLineWidth;
    };
    for (int I = 0; I < Fixed && Pos < ClientExtent; ++I)
        Add(I);
    for (int I = std::max(First, Fixed); I < FCount && Pos < ClientExtent; ++I)
        Add(I);
    return Cells;
}

int TGridAxis::LastVisible(int First, int ClientExtent) const
{
    const std::vector<TAxisCell> Cells = VisibleCells(First, ClientExtent);
    return Cells.empty() ? -1 : Cells.back().Index;
}

int TGridAxis::FitRun(int Start, int Step, int Stop, int Room) const
{
    int Last = Start - Step;
    int Used = 0;
    for (int I = Start; Step > 0 ? I <= Stop : I >= Stop; I += Step) {
        Used += GetExtent(I);
        if (Used > Room)
            break;
        Last = I;
        Used += FLineWidth;
    }
    return Last;
}

int TGridAxis::LastFullyVisible(int First, int ClientExtent) const
{
    First = std::max(First, GetFixedCount());
    return FitRun(First, 1, FCount - 1, ClientExtent - FixedBoundary());
}

int TGridAxis::VisibleCount(int First, int ClientExtent) const
{
    First = std::max(First, GetFixedCount());
    return LastFullyVisible(First, ClientExtent) - First + 1;
}

int TGridAxis::MaxFirst(int ClientExtent) const
{
    const int First = FitRun(FCount - 1, -1, GetFixedCount(), ClientExtent - FixedBoundary());
    return std::min(First, FCount - 1);
}

int TGridAxis::ClampFirst(int First, int ClientExtent) const
{
    return std::clamp(First, GetFixedCount(), std::max(GetFixedCount(), MaxFirst(ClientExtent)));
}

int TGridAxis::ScrollToShow(int Index, int First, int ClientExtent) const
{
    const int Fixed = GetFixedCount();
    if (Index < Fixed || Index >= FCount)
        return First;
    if (Index < First)
        return Index;
    if (Index <= LastFullyVisible(First, ClientExtent))
        return First;
    const int Result = FitRun(Index, -1, Fixed, ClientExtent - FixedBoundary());
    return std::min(Result, Index);
}

TGridLayout::TGridLayout()
    : Cols(5, 1, 64)
    , Rows(5, 1, 24)
{
}

TRect TGridLayout::CellBounds(int ACol, int ARow) const
{
    const TAxisSpan H = Cols.CellSpan(ACol, TopLeft.X, ClientWidth);
    const TAxisSpan V = Rows.CellSpan(ARow, TopLeft.Y, ClientHeight);
    if (H == TAxisSpan{} || V == TAxisSpan{})
        return {};
    return {H.Start, V.Start, H.End, V.End};
}

TRect TGridLayout::CellRect(int ACol, int ARow) const
{
    TRect R = CellBounds(ACol, ARow);
    if (R == TRect{})
        return R;
    R.Right = std::min(R.Right, ClientWidth);
    R.Bottom = std::min(R.Bottom, ClientHeight);
    return R;
}

TGridCoord TGridLayout::MouseCoord(int X, int Y) const
{
    const int C = Cols.IndexAt(X, TopLeft.X, ClientWidth);
    const int R = Rows.IndexAt(Y, TopLeft.Y, ClientHeight);
    if (C < 0 || R < 0)
        return {-1, -1};
    return {C, R};
}

int TGridLayout::VisibleColCount() const
{
    return Cols.VisibleCount(TopLeft.X, ClientWidth);
}

int TGridLayout::VisibleRowCount() const
{
    return Rows.VisibleCount(TopLeft.Y, ClientHeight);
}

TGridCoord TGridLayout::MaxTopLeft() const
{
    return {Cols.MaxFirst(ClientWidth), Rows.MaxFirst(ClientHeight)};
}

TGridCoord TGridLayout::ClampTopLeft(TGridCoord Value) const
{
    return {Cols.ClampFirst(Value.X, ClientWidth), Rows.ClampFirst(Value.Y, ClientHeight)};
}

namespace {
int GridEnd(const TGridAxis& Axis, int First, int ClientExtent)
{
    const int Last = Axis.LastVisible(First, ClientExtent);
    if (Last < 0)
        return 0;
    return std::min(ClientExtent, Axis.CellSpan(Last, First, ClientExtent).End + Axis.GetLineWidth());
}
} // namespace

int TGridLayout::GridWidth() const
{
    return GridEnd(Cols, TopLeft.X, ClientWidth);
}

int TGridLayout::GridHeight() const
{
    return GridEnd(Rows, TopLeft.Y, ClientHeight);
}

TGridScrollBars NeededScrollBars(const TGridLayout& Layout, int AreaWidth, int AreaHeight, int BarExtent,
                                 TScrollStyle Style)
{
    const bool HorzAllowed = Style == ssHorizontal || Style == ssBoth;
    const bool VertAllowed = Style == ssVertical || Style == ssBoth;
    auto Overflows = [](const TGridAxis& A, int Extent) { return A.MaxFirst(Extent) > A.GetFixedCount(); };
    TGridScrollBars Bars;
    // Two rounds: a bar that appears narrows the other axis.
    for (int Round = 0; Round < 2; ++Round) {
        Bars.Vertical = VertAllowed && Overflows(Layout.Rows, AreaHeight - (Bars.Horizontal ? BarExtent : 0));
        Bars.Horizontal = HorzAllowed && Overflows(Layout.Cols, AreaWidth - (Bars.Vertical ? BarExtent : 0));
    }
    return Bars;
}

} // namespace vok
