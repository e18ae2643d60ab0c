// Report-list markup readers of TRLData (string, stream, text stream) and the
// header check CheckIfValidReplist, on arbitrary documents.
//
// Invariants:
// - a failed load leaves the container exactly as it was;
// - a loaded list holds every cell the list's elements carried (the last
//   text given for a cell, cut to the cell length);
// - a loaded list written by the markup writer reads back, by its data
//   identifier, into the same markup;
// - a document the readers took a list from passes the header check;
// - a file (read in large pieces) and a stream (read in lines) of the same
//   bytes give the same list.
#include "FuzzCheck.h"
#include "ReplistFuzz.h"

#include "ReplistHeader.h"
#include "ReplistXml.h"

#include <vok/Vok_replist.h>
#include <vok/Vok_strings.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <map>
#include <utility>

using namespace vok;

namespace {

using CellMap = std::map<std::pair<int, int>, QString>;

// The cells of the first list matching DataID, read the way the container
// finds it: the first header line that matches, then its markup from "<replist".
bool CellsOfFirstList(const QByteArray& Document, const QString& DataID, CellMap& Cells)
{
    qsizetype Start = 0;
    while (Start < Document.size()) {
        qsizetype End = Document.indexOf('\n', Start);
        End = End < 0 ? Document.size() : End + 1;
        const QByteArray Line = Document.mid(Start, End - Start);
        if (replist::HeaderMatches(QString::fromUtf8(Line), DataID)) {
            replist::ReplistXmlReader Reader([&Cells](const replist::ReplistXmlItem& Item) {
                if (Item.Tag == xmlCell)
                    Cells[{Item.Col, Item.Row}] = Item.Text;
                return true;
            });
            // Line by line, as a stream is read, up to the list's end.
            auto State = replist::ReplistXmlReader::TState::NeedMore;
            for (qsizetype At = Start + Line.toLower().indexOf("<replist");
                 At < Document.size() && State == replist::ReplistXmlReader::TState::NeedMore;) {
                qsizetype Next = Document.indexOf('\n', At);
                Next = Next < 0 ? Document.size() : Next + 1;
                State = Reader.Feed(Document.mid(At, Next - At));
                At = Next;
            }
            return State == replist::ReplistXmlReader::TState::Finished;
        }
        Start = End;
    }
    return false;
}

bool Load(TRLData& List, int Entry, QByteArray Document, const QString& DataID)
{
    switch (Entry) {
    case 0:
        return List.ReadFromXMLString(QString::fromUtf8(Document), DataID);
    case 1: {
        QBuffer Buffer(&Document);
        Buffer.open(QIODevice::ReadOnly);
        const bool Ok = List.ReadFromXMLStream(Buffer, DataID);
        FUZZ_CHECK(Buffer.pos() <= Document.size());
        return Ok;
    }
    default: {
        QTextStream Stream(&Document, QIODevice::ReadOnly);
        return List.ReadFromOpenXMLFile(Stream, DataID);
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    fuzz::InputCursor In(Data, Size);
    static const QString Ids[] = {QString(), QStringLiteral("data"), QStringLiteral("Other \"ID\" & <more>")};
    const QString DataID = Ids[In.Choice(3)];
    const int Entry = In.Choice(3);
    const QByteArray Document = In.Rest();
    // The string entry is handed text: what UTF-8 decoding leaves of the document.
    const QByteArray Read = Entry == 0 ? QString::fromUtf8(Document).toUtf8() : Document;

    TRLData List;
    fuzz::PrefillList(List);
    const QByteArray Before = fuzz::ListSnapshot(List);
    const bool Loaded = Load(List, Entry, Document, DataID);

    // A file is read in large pieces, a stream line by line: the same bytes
    // must give the same list.
    if (Entry == 1) {
        static QTemporaryDir Dir;
        const QString Name = Dir.filePath(QStringLiteral("list.xml"));
        QFile File(Name);
        FUZZ_CHECK(File.open(QIODevice::WriteOnly) && File.write(Document) == Document.size());
        File.close();
        TRLData FromFile;
        fuzz::PrefillList(FromFile);
        FUZZ_CHECK(FromFile.LoadFromXMLFile(Name, DataID) == Loaded);
        FUZZ_CHECK(fuzz::ListSnapshot(FromFile) == fuzz::ListSnapshot(List));
    }

    if (!Loaded) {
        FUZZ_CHECK(fuzz::ListSnapshot(List) == Before);
        return 0;
    }

    // Cells: the text stream entry reads lines, so only the byte entries are compared.
    if (Entry != 2) {
        CellMap Cells;
        FUZZ_CHECK(CellsOfFirstList(Read, DataID, Cells));
        for (const auto& [Where, Text] : Cells)
            FUZZ_CHECK(List.Store().GetString(Where.first, Where.second)
                       == ShortString(Text, TStringArray::MaxStringLength));
    }

    const QByteArray Written = fuzz::ListMarkup(List);
    TRLData Copy;
    FUZZ_CHECK(Copy.ReadFromXMLString(QString::fromUtf8(Written), List.GetDataID()));
    FUZZ_CHECK(Copy.GetDataID() == List.GetDataID());
    FUZZ_CHECK(fuzz::ListMarkup(Copy) == Written);

    // The header check reads lines ending at CR as well; the readers only at LF.
    if (!Read.contains('\r')) {
        QByteArray Doc = Read;
        QBuffer Buffer(&Doc);
        Buffer.open(QIODevice::ReadOnly);
        FUZZ_CHECK(CheckIfValidReplist(Buffer, DataID));
    }
    return 0;
}
