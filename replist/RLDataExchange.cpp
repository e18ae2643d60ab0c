// CSV import and export, text lines and the HTML table export of TRLData.
#include <vok/Vok_replist.h>

#include "AtomicFile.h"
#include "CsvFormat.h"
#include "HtmlTable.h"
#include "Progress.h"
#include "Utf8Text.h"

#include <QFile>

#include <algorithm>
#include <new>

namespace vok {

namespace {
bool ReadWholeFile(const QString& FName, QByteArray& Data)
{
    QFile File(FName);
    if (!File.open(QIODevice::ReadOnly))
        return false;
    Data = File.readAll();
    return File.error() == QFileDevice::NoError;
}

// Lines of UTF-8 text (after an optional byte-order mark), split at CRLF, LF
// or CR; a line end at the very end adds no empty line.
QStringList TextLines(const QByteArray& Data)
{
    const QByteArrayView Bytes = QByteArrayView(Data).startsWith("\xEF\xBB\xBF") ? QByteArrayView(Data).sliced(3)
                                                                                  : QByteArrayView(Data);
    const QString Text = detail::TextFromUtf8(Bytes); // a second U+FEFF is text
    QStringList Lines;
    qsizetype Start = 0;
    for (qsizetype I = 0; I < Text.size(); ++I) {
        if (Text[I] != u'\n' && Text[I] != u'\r')
            continue;
        Lines.append(Text.mid(Start, I - Start));
        if (Text[I] == u'\r' && I + 1 < Text.size() && Text[I + 1] == u'\n')
            ++I;
        Start = I + 1;
    }
    if (Start < Text.size())
        Lines.append(Text.mid(Start));
    return Lines;
}
} // namespace

int TRLData::ImportCSV(const QString& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders)
{
    QByteArray Data;
    if (!ReadWholeFile(FName, Data))
        return -1;
    try {
        TRLData Fresh;
        TStringArray& Store = Fresh.Store();
        replist::CsvParser Parser(Data, replist::CsvDelimiterChar(Delimiter));
        replist::ProgressCounter Progress(this, FReportPercent, 100, 1);
        std::vector<std::string_view> Fields;
        QStringList Names;
        if (IncludeColHeaders && Parser.NextRecord(Fields))
            for (const std::string_view Field : Fields)
                Names.append(detail::TextFromUtf8(QByteArrayView(Field.data(), qsizetype(Field.size()))));
        int Cols = qMax(1, int(qMin<qsizetype>(Names.size(), MaxFileColumns + 1)));
        int Rows = 0;
        // Line ends bound the record count from above: one resize serves most files.
        const qint64 LineEnds = std::count(Data.cbegin(), Data.cend(), '\n') + (Data.endsWith('\n') ? 0 : 1);
        int StoreRows = int(qMin<qint64>(LineEnds, TStringArray::MaxCells / (Cols + 1) - 1));
        int StoreCols = Cols;
        Store.Resize(StoreCols, StoreRows);
        while (Parser.NextRecord(Fields)) {
            if (Fields.size() > std::size_t(MaxFileColumns) || Cols > MaxFileColumns)
                return -1;
            ++Rows;
            Cols = qMax(Cols, int(Fields.size()));
            if (Cols > StoreCols || Rows > StoreRows) {
                const qint64 RowLimit = TStringArray::MaxCells / (Cols + 1) - 1;
                StoreCols = Cols;
                StoreRows = int(qMin<qint64>(qMax<qint64>(StoreRows, qint64(Rows) * 2), RowLimit));
                Store.Resize(StoreCols, StoreRows);
            }
            for (std::size_t I = 0; I < Fields.size(); ++I)
                if (!Fields[I].empty())
                    Store.SetStringUtf8(int(I) + 1, Rows, Fields[I]);
            if ((Rows & 0x3FF) == 0)
                Progress.Report(Parser.PercentDone());
        }
        Fresh.TakeSizeOfFilledStore(Cols, Rows);
        for (int Col = 1; Col <= Names.size() && Col <= Cols; ++Col)
            Fresh.SetColName(Col, Names[Col - 1]);
        Fresh.FCommonHeader = FCommonHeader;
        Fresh.FComment = FComment;
        Fresh.FDataID = FDataID;
        TakeContentsFrom(Fresh);
        Progress.Finish();
        return Rows;
    } catch (const EVOKError&) {
        return -1; // more cells than a store holds
    } catch (const std::bad_alloc&) {
        return -1;
    }
}

int TRLData::ExportCSV(const QString& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders,
                       bool IncludeCommonHeader, int FirstCol, int FirstRow, int LastCol, int LastRow)
{
    FirstCol = qMax(FirstCol, 0);
    LastCol = qMin(LastCol, FNrOfColumns);
    FirstRow = qMax(FirstRow, 1);
    LastRow = FirstCol <= LastCol ? qMin(LastRow, FNrOfRows) : 0;
    int Written = 0;
    const bool Ok = replist::WriteFileAtomically(FName, [&](const replist::TPieceSink& Sink) {
        QByteArray Buffer;
        replist::CsvWriter Writer(replist::CsvDelimiterChar(Delimiter));
        if (IncludeCommonHeader) {
            Writer.AppendField(Buffer, FCommonHeader);
            Writer.EndRecord(Buffer);
        }
        if (IncludeColHeaders && FirstCol <= LastCol) {
            for (int Col = FirstCol; Col <= LastCol; ++Col)
                Writer.AppendField(Buffer, GetColName(Col));
            Writer.EndRecord(Buffer);
        }
        replist::ProgressCounter Progress(this, FReportPercent, qMax(0, LastRow - FirstRow + 1), 1024);
        for (int Row = FirstRow; Row <= LastRow; ++Row) {
            for (int Col = FirstCol; Col <= LastCol; ++Col)
                Writer.AppendField(Buffer, GetElem(Col, Row));
            Writer.EndRecord(Buffer);
            ++Written;
            Progress.Advance();
            if (Buffer.size() >= replist::FlushSize) {
                Sink(Buffer);
                Buffer.clear();
            }
        }
        Sink(Buffer);
        Progress.Finish();
    });
    return Ok ? Written : -1;
}

int TRLData::LoadLinesFromFile(int Column, int FirstRow, const QString& FName)
{
    if (Column < 0 || Column > FNrOfColumns)
        return 0;
    QByteArray Data;
    if (!ReadWholeFile(FName, Data))
        return -1;
    const QStringList Lines = TextLines(Data);
    if (Lines.isEmpty())
        return 0; // nothing to put in: no rows either
    FirstRow = qMax(FirstRow, 1);
    const qint64 LastRow = qint64(FirstRow) + Lines.size() - 1;
    try {
        if (LastRow > FNrOfRows)
            SetNrOfRows(int(qMin<qint64>(LastRow, TStringArray::MaxCells)));
    } catch (const EVOKError&) {
        return -1;
    }
    for (qsizetype I = 0; I < Lines.size(); ++I)
        SetElem(Column, FirstRow + int(I), Lines[I]);
    return int(Lines.size());
}

void TRLData::ExportHTMLTable(const QString& FName, int LoC, int LoR, int HiC, int HiR,
                              const QList<int>& ColumnSelection, int Border, int CellSpacing, int Cellpadding,
                              bool IncludeHeader, const QString& HeadClass, const QString& CellClass,
                              const QString& TableClass)
{
    QList<int> Columns;
    if (ColumnSelection.isEmpty())
        for (int Col = qMax(LoC, 0); Col <= qMin(HiC, FNrOfColumns); ++Col)
            Columns.append(Col);
    else
        for (const int Col : ColumnSelection)
            if (Col >= 0 && Col <= FNrOfColumns)
                Columns.append(Col);
    LoR = qMax(LoR, 1);
    HiR = qMin(HiR, FNrOfRows);

    const bool Ok = replist::WriteFileAtomically(FName, [&](const replist::TPieceSink& Sink) {
        QByteArray Buffer;
        replist::HtmlTableWriter Writer(Buffer);
        Writer.BeginDocument({FCommonHeader.section(QLatin1Char('\n'), 0, 0), Border, CellSpacing, Cellpadding,
                              TableClass});
        if (IncludeHeader && !Columns.isEmpty()) {
            Writer.BeginHeader();
            Writer.BeginRow();
            for (const int Col : Columns) {
                QString Text = GetColName(Col);
                BeforeHTMLExport(Text, Col, 0);
                Writer.HeaderCell(Text, HeadClass);
            }
            Writer.EndRow();
            Writer.EndHeader();
        }
        Writer.BeginBody();
        replist::ProgressCounter Progress(this, FReportPercent, qMax(0, HiR - LoR + 1), 256);
        for (int Row = LoR; Row <= HiR; ++Row) {
            Writer.BeginRow();
            for (const int Col : Columns) {
                QString Text = GetElem(Col, Row);
                BeforeHTMLExport(Text, Col, Row);
                Writer.Cell(Text, CellClass);
            }
            Writer.EndRow();
            Progress.Advance();
            if (Buffer.size() >= replist::FlushSize) {
                Sink(Buffer);
                Buffer.clear();
            }
        }
        Writer.EndDocument();
        Sink(Buffer);
        Progress.Finish();
    });
    if (!Ok)
        throw EVOKRLDataError(QStringLiteral("Class TRLData: cannot write %1").arg(FName));
}

} // namespace vok
