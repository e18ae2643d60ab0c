#include "ReportListSupport.h"

#include <vok/Vok_rounding.h>

#include <algorithm>
#include <vector>

namespace vok::replist {

HeaderRowHeights HeaderHeights(bool CommonVisible, bool ColumnsVisible, int CommonHeight, int ColumnsHeight,
                               int DefaultHeight, int NrOfRows)
{
    HeaderRowHeights H;
    if (CommonVisible && ColumnsVisible) {
        // The column headers keep their height whatever the row count.
        H.Row0 = CommonHeight;
        H.Row1 = ColumnsHeight;
        return H;
    }
    H.Row0 = CommonVisible ? CommonHeight : ColumnsVisible ? ColumnsHeight : DefaultHeight;
    if (NrOfRows >= 2)
        H.Row1 = DefaultHeight;
    return H;
}

bool IsShadedRow(int Row, int Pattern)
{
    return Pattern > 0 && ((Row - 1) / Pattern) % 2 == 0;
}

QString ShortenCellText(const QString& Text, int Room, int TextWidth, bool RightAligned)
{
    if (Room >= TextWidth || TextWidth <= 0)
        return Text;
    const int Keep = std::max(1, Round(double(Text.size()) * Room / TextWidth - 4));
    if (RightAligned)
        return Text.left(1) + QStringLiteral("...") + Text.right(Keep);
    return Text.left(Keep) + QStringLiteral("...");
}

QString ShortenHeaderLine(const QString& Line, int Room, int TextWidth)
{
    if (TextWidth <= Room || TextWidth <= 0)
        return Line;
    const int Keep = std::max(1, Round(double(Line.size()) * Room / TextWidth - 3));
    return Line.left(Keep) + QStringLiteral("...");
}

int AlignedTextX(TAlignment Alignment, int Left, int Right, int TextWidth)
{
    switch (Alignment) {
    case taRightJustify: return Right - TextWidth;
    case taCenter: return (Left + Right) / 2 - TextWidth / 2;
    case taLeftJustify: break;
    }
    return Left;
}

int CenteredTopRow(int Row, int NrOfRows, int Visible)
{
    const int Top = Row > NrOfRows - Visible / 2 ? NrOfRows - Visible + 1 : Row - Visible / 2;
    return std::max(1, Top);
}

bool IsColumnPermutation(const QList<int>& List, int Count)
{
    if (List.size() != Count)
        return false;
    std::vector<bool> Seen(std::size_t(Count) + 1, false);
    for (int Col : List) {
        if (Col < 1 || Col > Count || Seen[std::size_t(Col)])
            return false;
        Seen[std::size_t(Col)] = true;
    }
    return true;
}

} // namespace vok::replist
