// The report-list markup of TRLData: writers, readers and the header check.
#include <vok/Vok_replist.h>

#include "AtomicFile.h"
#include "Progress.h"
#include "ReplistHeader.h"
#include "ReplistSource.h"
#include "ReplistXml.h"

#include <QBuffer>
#include <QFile>
#include <QTextStream>

#include <limits>

namespace vok {

namespace {
const char* const CheckModeNames[] = {"none", "box", "radio"};

bool ParseCheckMode(const QString& Text, TCheckMode& Mode)
{
    for (int M = cmNone; M <= cmRadio; ++M)
        if (Text.trimmed().compare(QLatin1String(CheckModeNames[M]), Qt::CaseInsensitive) == 0) {
            Mode = TCheckMode(M);
            return true;
        }
    return false;
}

bool ParseCount(const QString& Text, int& Value)
{
    bool Ok = false;
    Value = Text.trimmed().toInt(&Ok);
    return Ok && Value >= 0;
}

[[noreturn]] void ThrowWriteError(const QString& Where)
{
    throw EVOKRLDataError(QStringLiteral("Class TRLData: cannot write %1").arg(Where));
}
} // namespace

bool CheckIfValidReplist(const QString& FileName, const QString& DataID)
{
    QFile File(FileName);
    if (!File.open(QIODevice::ReadOnly))
        throw EVOKRLDataError(QStringLiteral("Cannot open file \"%1\": %2").arg(FileName, File.errorString()));
    return CheckIfValidReplist(File, DataID);
}

bool CheckIfValidReplist(QIODevice& Stream, const QString& DataID)
{
    bool AtEnd = false;
    while (!AtEnd) {
        const QString Line = ReadLnStream(Stream, AtEnd, 0);
        if (replist::HeaderMatches(Line, DataID))
            return true;
    }
    return false;
}

void TRLData::WriteList(const std::function<void(const QByteArray&)>& Sink, bool CreateHeader, const QString& DataID)
{
    QByteArray Buffer;
    replist::ReplistXmlWriter Writer(Buffer);
    if (CreateHeader)
        Writer.WriteDeclaration();
    Writer.BeginList(DataID);
    Writer.WriteValue(xmlNumCols, QString::number(FNrOfColumns));
    Writer.WriteValue(xmlNumRows, QString::number(FNrOfRows));
    Writer.WriteValue(xmlCommonHd, FCommonHeader);
    Writer.WriteValue(xmlComment, FComment);
    for (int Col = 1; Col <= FNrOfColumns; ++Col) {
        Writer.WriteColumnValue(xmlColName, Col, GetColName(Col));
        if (!GetColumnFormat(Col).isEmpty())
            Writer.WriteColumnValue(xmlColumnFormat, Col, GetColumnFormat(Col));
        if (GetColCheckMode(Col) != cmNone)
            Writer.WriteColumnValue(xmlCheckedColumn, Col, QLatin1String(CheckModeNames[GetColCheckMode(Col)]));
    }
    // Columns without text are passed over, so that a wide list of empty
    // cells is written in time with its rows, not its cells.
    const std::vector<int> TextColumns = ColumnsWithText();
    replist::ProgressCounter Progress(this, FReportPercent, FProgressCellCount, FProgressStep);
    for (int Row = 1; Row <= FNrOfRows; ++Row) {
        for (const int Col : TextColumns) {
            // Most cells go out as the bytes they are stored as; the others
            // take the road through their text, as the store gives it.
            const std::string_view Stored = FStore->GetStringUtf8(Col, Row);
            if (replist::CanWriteUtf8AsIs(Stored)) {
                if (!Stored.empty())
                    Writer.WriteCellUtf8(Col, Row, Stored);
            } else if (const QString Raw = RawCell(Col, Row); !Raw.isEmpty()) {
                Writer.WriteCell(Col, Row, Raw);
            }
        }
        Progress.Advance(FNrOfColumns + 1);
        if (Buffer.size() >= replist::FlushSize) {
            Sink(Buffer);
            Buffer.clear();
        }
    }
    Writer.EndList();
    Sink(Buffer);
    Progress.Finish();
}

void TRLData::SaveAsXMLFile(const QString& FName, const QString& DataID)
{
    if (!replist::WriteFileAtomically(FName, [&](const replist::TPieceSink& Sink) { WriteList(Sink, true, DataID); }))
        ThrowWriteError(FName);
}

void TRLData::WriteToXMLStream(QIODevice& OutStream, bool CreateHeader, const QString& DataID)
{
    bool Failed = false;
    WriteList([&](const QByteArray& Piece) { Failed = Failed || OutStream.write(Piece) != Piece.size(); },
              CreateHeader, DataID);
    if (Failed)
        ThrowWriteError(QStringLiteral("to the stream"));
}

void TRLData::WriteToOpenXMLFile(QTextStream& F, bool CreateHeader, const QString& DataID)
{
    WriteList([&F](const QByteArray& Piece) { F << QString::fromUtf8(Piece); }, CreateHeader, DataID);
    F.flush();
    if (F.status() != QTextStream::Ok)
        ThrowWriteError(QStringLiteral("to the text file"));
}

bool TRLData::LoadFromXMLFile(const QString& FName, const QString& DataID)
{
    QFile File(FName);
    if (!File.open(QIODevice::ReadOnly))
        return false;
    replist::DeviceSource Source(File, true);
    return ReadList(Source, DataID);
}

bool TRLData::ReadFromXMLStream(QIODevice& InStream, const QString& DataID)
{
    replist::DeviceSource Source(InStream, false);
    return ReadList(Source, DataID);
}

bool TRLData::ReadFromXMLString(const QString& InString, const QString& DataID)
{
    QByteArray Utf8 = InString.toUtf8();
    QBuffer Buffer(&Utf8);
    Buffer.open(QIODevice::ReadOnly);
    replist::DeviceSource Source(Buffer, true);
    return ReadList(Source, DataID);
}

bool TRLData::ReadFromOpenXMLFile(QTextStream& F, const QString& DataID)
{
    replist::TextStreamSource Source(F);
    return ReadList(Source, DataID);
}

namespace replist {

// Builds a fresh container from the elements of one list. Rows grow as cells
// arrive (doubling), so a file that claims more rows than it holds costs no
// memory before it turns out to be truncated.
class ReplistLoader
{
public:
    explicit ReplistLoader(TRLData& Fresh)
        : FData(Fresh)
    {
    }

    bool Take(const ReplistXmlItem& Item)
    {
        switch (Item.Tag) {
        case xmlNumCols: {
            int Cols = 0;
            // The column count comes before any cell (resizing would drop the rows read).
            if (FCellsSeen || !ParseCount(Item.Text, Cols) || Cols > MaxFileColumns)
                return false;
            FData.SetNrOfColumns(qMax(Cols, 1));
            if (Cols == 0)
                FData.RemoveColumn(1); // a list without columns, as RemoveColumn leaves it
            return true;
        }
        case xmlNumRows:
            return ParseCount(Item.Text, FDeclaredRows)
                && (qint64(FDeclaredRows) + 1) * (FData.GetNrOfColumns() + 1) <= TStringArray::MaxCells;
        case xmlColName:
        case xmlColumnFormat:
        case xmlCheckedColumn:
            return TakeColumnValue(Item);
        case xmlCommonHd:
            FData.SetCommonHeader(Item.Text);
            return true;
        case xmlComment:
            FData.SetComment(Item.Text);
            return true;
        case xmlCell:
            return TakeCell(Item);
        case xmlEndReplist:
        case xmlInvalid:
            break;
        }
        return true;
    }

    // Gives the container its declared row count.
    void Finish() { FData.SetNrOfRows(FDeclaredRows); }

private:
    bool TakeColumnValue(const ReplistXmlItem& Item)
    {
        if (Item.Col < 1 || Item.Col > FData.GetNrOfColumns())
            return false;
        if (Item.Tag == xmlColName)
            FData.SetColName(Item.Col, Item.Text);
        else if (Item.Tag == xmlColumnFormat)
            FData.SetColumnFormat(Item.Col, Item.Text);
        else {
            TCheckMode Mode = cmNone;
            if (!ParseCheckMode(Item.Text, Mode))
                return false;
            // The cells carry their flags already: no conversion.
            FData.FColCheckModes[std::size_t(Item.Col - 1)] = Mode;
        }
        return true;
    }

    bool TakeCell(const ReplistXmlItem& Item)
    {
        if (Item.Col < 0 || Item.Col > FData.GetNrOfColumns() || Item.Row < 1 || Item.Row > FDeclaredRows)
            return false;
        FCellsSeen = true;
        TStringArray& Store = FData.Store();
        if (Item.Row > Store.GetNrOfRows())
            Store.Resize(FData.GetNrOfColumns(),
                         int(qMin<qint64>(qMax<qint64>(qint64(Store.GetNrOfRows()) * 2 + 16, Item.Row), FDeclaredRows)));
        // Bytes that need no cutting are stored as they stand, which is what
        // storing the text would come to.
        if (Item.Utf8Text && Item.Utf8Text->size() <= std::size_t(TStringArray::MaxStringLength))
            Store.SetStringUtf8(Item.Col, Item.Row, *Item.Utf8Text);
        else
            Store.SetString(Item.Col, Item.Row, Item.Text);
        return true;
    }

    TRLData& FData;
    int FDeclaredRows = 0;
    bool FCellsSeen = false;
};

} // namespace replist

namespace {

// Hands Piece to the reader. The XML parser decodes all it holds at once, so
// bytes that are no UTF-8 would fail the list even where they lie after its
// end (in a later list of the file); such a piece goes in line by line, up to
// the list's end.
replist::ReplistXmlReader::TState FeedPiece(replist::ReplistXmlReader& Reader, const QByteArray& Piece)
{
    if (QByteArrayView(Piece).isValidUtf8())
        return Reader.Feed(Piece);
    auto State = replist::ReplistXmlReader::TState::NeedMore;
    for (qsizetype Start = 0; Start < Piece.size() && State == replist::ReplistXmlReader::TState::NeedMore;) {
        const qsizetype LineEnd = Piece.indexOf('\n', Start);
        const qsizetype End = LineEnd < 0 ? Piece.size() : LineEnd + 1;
        State = Reader.Feed(Piece.sliced(Start, End - Start));
        Start = End;
    }
    return State;
}

} // namespace

bool TRLData::ReadList(ReplistSource& Source, const QString& DataID)
{
    QByteArray Line;
    bool Found = false;
    while (!Found && Source.ReadLine(Line))
        Found = replist::HeaderMatches(QString::fromUtf8(Line), DataID);
    if (!Found)
        return false;
    try {
        TRLData Fresh;
        replist::ReplistLoader Loader(Fresh);
        replist::ReplistXmlReader Reader([&Loader](const replist::ReplistXmlItem& Item) { return Loader.Take(Item); });
        auto State = FeedPiece(Reader, Line.mid(Line.toLower().indexOf("<replist")));
        while (State == replist::ReplistXmlReader::TState::NeedMore && Source.ReadMore(Line))
            State = FeedPiece(Reader, Line);
        if (State != replist::ReplistXmlReader::TState::Finished)
            return false;
        Loader.Finish();
        Fresh.SetDataID(Reader.DataID());
        TakeContentsFrom(Fresh);
        return true;
    } catch (const EVOKError&) {
        return false; // a size the store cannot hold
    } catch (const std::bad_alloc&) {
        return false;
    }
}

} // namespace vok
