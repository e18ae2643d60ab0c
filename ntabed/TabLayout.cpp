#include "TabLayout.h"

#include "CellText.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace vok::ntabed {

int ClampPrecision(int Value)
{
    return std::clamp(Value, MinPrecision, MaxPrecision);
}

int NextPrecision(int Value)
{
    const int Next = Value - 1;
    return Next < MinPrecision ? MaxPrecision : Next;
}

void ResizePrecisions(std::vector<qint8>& Precisions, int NewCount)
{
    const qint8 Last = Precisions.empty() ? InitialPrecision : Precisions.back();
    Precisions.resize(size_t(std::max(0, NewCount)), Last);
}

TGridRect ClipToTable(const TGridRect& Rect, int NCols, int NRows)
{
    return {std::max(1, Rect.Left), std::max(1, Rect.Top), std::min(NCols, Rect.Right), std::min(NRows, Rect.Bottom)};
}

TGridRect MarkBlock(TMarkScope Scope, const TGridRect& Sel, int NCols, int NRows)
{
    switch (Scope) {
    case msRange: return ClipToTable(Sel, NCols, NRows);
    case msColumn: return ClipToTable({Sel.Left, 1, Sel.Right, NRows}, NCols, NRows);
    case msRow: return ClipToTable({1, Sel.Top, NCols, Sel.Bottom}, NCols, NRows);
    case msAll: break;
    }
    return {1, 1, NCols, NRows};
}

std::optional<double> ParseCellNumber(QString Text)
{
    Text.replace(QLatin1Char(','), QLatin1Char('.'));
    // Spaces only: other white space makes the text invalid.
    qsizetype First = 0;
    qsizetype Last = Text.size();
    while (First < Last && Text[First] == QLatin1Char(' '))
        ++First;
    while (Last > First && Text[Last - 1] == QLatin1Char(' '))
        --Last;
    const QStringView Number = QStringView(Text).mid(First, Last - First);
    if (std::any_of(Number.begin(), Number.end(), [](QChar C) { return C.isSpace(); }))
        return std::nullopt;
    bool Ok = false;
    const double Value = QLocale::c().toDouble(Number, &Ok);
    if (!Ok || !std::isfinite(Value))
        return std::nullopt;
    return Value;
}

std::optional<quint8> ParseAttribute(const QString& Text)
{
    const std::optional<double> Value = ParseCellNumber(Text);
    if (!Value)
        return std::nullopt;
    return quint8(std::nearbyint(std::clamp(*Value, 0.0, 255.0)));
}

QString CellCursorText(int Col, int Row)
{
    return IntegerText(Col) + QLatin1Char(':') + IntegerText(Row);
}

} // namespace vok::ntabed
