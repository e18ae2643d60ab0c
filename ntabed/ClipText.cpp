#include "ClipText.h"

#include "CellText.h"

#include <vok/Vok_NumIO.h>

#include <algorithm>

namespace vok::ntabed {

namespace {

// Copy text with full precision: exponent notation, 14 significant digits.
constexpr int FullPrecWidth = 22;
constexpr int DefaultPrecision = 3;

bool StartsNumber(QChar Ch)
{
    return (Ch >= QLatin1Char('0') && Ch <= QLatin1Char('9')) || Ch == QLatin1Char('+') || Ch == QLatin1Char('-')
           || Ch == QLatin1Char('.');
}

bool IsDigit(QChar Ch) { return Ch >= QLatin1Char('0') && Ch <= QLatin1Char('9'); }

// The text the scan runs over: TAB, CR and (when CommaSeparates) "," become
// blanks, every line feed gets a blank before it unless a CR stands there
// (so a line feed alone ends a row as CR LF does), and one blank ends it.
QString ScanText(const QString& Text, bool CommaSeparates)
{
    const auto LineFeeds = std::count(Text.cbegin(), Text.cend(), QLatin1Char('\n'));
    QString S(Text.size() + LineFeeds + 1, Qt::Uninitialized);
    QChar* Out = S.data();
    QChar Previous;
    for (const QChar Ch : Text) {
        if (Ch == QLatin1Char('\n') && Previous != QLatin1Char('\r'))
            *Out++ = QLatin1Char(' ');
        const bool Separator =
            Ch == QLatin1Char('\t') || Ch == QLatin1Char('\r') || (CommaSeparates && Ch == QLatin1Char(','));
        *Out++ = Separator ? QChar(QLatin1Char(' ')) : Ch;
        Previous = Ch;
    }
    *Out++ = QLatin1Char(' ');
    S.truncate(Out - S.constData());
    return S;
}

// Walks the numbers of a prepared scan text (1-based positions as the
// scanner takes them), calling Found(col, row, value) with col and row from 0:
// col counts the numbers of a line, row the line feeds met after the first
// number. Every pass of the loop consumes at least one character.
template <class F>
void WalkNumbers(const QString& S, F Found)
{
    const int Len = int(S.size());
    const auto At = [&S](int Pos) { return S[Pos - 1]; };
    int Pos = 1;
    while (Pos < Len && !StartsNumber(At(Pos)))
        ++Pos;
    int Col = 0;
    int Row = 0;
    while (Pos <= Len) {
        if (Pos == Len && !IsDigit(At(Pos))) {
            ++Pos;
            continue;
        }
        Found(Col, Row, ScanClipNumber(S, Pos));
        ++Col;
        do {
            if (Pos < Len)
                ++Pos;
            if (At(Pos) == QLatin1Char('\n')) {
                if (Pos < Len)
                    ++Pos;
                Col = 0;
                ++Row;
            }
        } while (Pos < Len && !StartsNumber(At(Pos)));
    }
}

// Text of one cell in the copy text.
QString ClipCellText(const TDataTable& Data, int Col, int Row, const TClipCopySettings& Settings)
{
    if (!Data.GetIsNumber(Col, Row))
        return QStringLiteral("####");
    const double X = Data.GetElem(Col, Row);
    if (Settings.UseFullPrec)
        return PaddedText(X, FullPrecWidth, -1);
    const auto Index = size_t(Col - 1); // Col lies in the table, so from 1 on
    const int Precision = Index < Settings.Precisions.size() ? Settings.Precisions[Index] : DefaultPrecision;
    return PaddedText(X, 1, Precision);
}

} // namespace

QString ClipboardCopyText(const TDataTable& Data, const TClipCopySettings& Settings)
{
    const TCellBlock& B = Settings.Block;
    if (B.IsEmpty())
        return QString();
    QString Text;
    Text.reserve(qsizetype(B.Width()) * qsizetype(B.Height()) * (Settings.UseFullPrec ? FullPrecWidth + 1 : 10));
    for (int r = B.Top; r <= B.Bottom; ++r) {
        for (int c = B.Left; c <= B.Right; ++c) {
            Text += c == B.Left ? QLatin1Char(' ') : QLatin1Char('\t');
            Text += ClipCellText(Data, c, r, Settings);
        }
        Text += QLatin1StringView("\r\n");
    }
    return Text;
}

bool CopyToBuffer(const TDataTable& Data, const TCellBlock& Block, TDataTable& Buffer)
{
    if (Block.IsEmpty())
        return false;
    Buffer.Resize(Block.Width(), Block.Height());
    Buffer.Clear();
    Buffer.CopyBlockFrom(Data, Block.Left, Block.Top, Block.Right, Block.Bottom, 1, 1);
    return true;
}

TCellBlock PasteFromBuffer(const TDataTable& Buffer, TDataTable& Data, int DestCol, int DestRow)
{
    const int NrCols = Buffer.GetNrOfColumns();
    const int NrRows = Buffer.GetNrOfRows();
    if (NrCols < 1 || NrRows < 1)
        return TCellBlock{};
    Data.CopyBlockFrom(Buffer, 1, 1, NrCols, NrRows, DestCol, DestRow);
    TCellBlock Pasted{std::max(DestCol, 1), std::max(DestRow, 1),
                      int(std::min<qint64>(qint64(DestCol) + NrCols - 1, Data.GetNrOfColumns())),
                      int(std::min<qint64>(qint64(DestRow) + NrRows - 1, Data.GetNrOfRows()))};
    return Pasted.IsEmpty() ? TCellBlock{} : Pasted;
}

double ScanClipNumber(const QString& Text, int& Pos) { return ReadFloatNum(Text, true, dsBoth, Pos); }

TCellBlock ExtractFromClipText(const QString& Text, TDataTable& Data, int LeftCol, int TopRow)
{
    int MaxCol = 0;
    int MaxRow = 0;
    if (Text.size() <= MaxClipTextLength) {
        WalkNumbers(ScanText(Text, true), [&](int Col, int Row, double Value) {
            const qint64 C = qint64(LeftCol) + Col;
            const qint64 R = qint64(TopRow) + Row;
            if (C >= 1 && C <= Data.GetNrOfColumns() && R >= 1 && R <= Data.GetNrOfRows()) {
                Data.SetElem(int(C), int(R), Value);
                const quint8 State = Data.GetCellState(int(C), int(R));
                Data.SetCellState(int(C), int(R), quint8(State & ~(cstNoNumber | cstEmpty)));
            }
            MaxCol = std::max(MaxCol, Col);
            MaxRow = std::max(MaxRow, Row);
        });
    }
    const TCellBlock Block{std::max(LeftCol, 1), std::max(TopRow, 1),
                           int(std::min<qint64>(qint64(LeftCol) + MaxCol, Data.GetNrOfColumns())),
                           int(std::min<qint64>(qint64(TopRow) + MaxRow, Data.GetNrOfRows()))};
    return Block.IsEmpty() ? TCellBlock{} : Block;
}

bool GetClipMatrixSize(const QString& Text, int& NCols, int& NRows)
{
    NCols = 1;
    NRows = 1;
    bool Found = false;
    if (Text.size() > MaxClipTextLength)
        return false;
    WalkNumbers(ScanText(Text, false), [&](int Col, int Row, double) {
        Found = true;
        NCols = std::max(NCols, Col + 1);
        NRows = std::max(NRows, Row + 1);
    });
    return Found;
}

} // namespace vok::ntabed
