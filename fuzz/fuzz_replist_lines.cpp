// Text lines: TRLData::LoadLinesFromFile against the stream line reader
// ReadLnStream, on the same bytes.
//
// Invariants: both split the text into the same lines (CR, LF or CR LF end a
// line; a final line end adds none); the lines land in the chosen column
// from the chosen row on, cut to the cell length, and the rows above stay;
// a load that fails leaves the container as it was.
#include "FuzzCheck.h"
#include "ReplistFuzz.h"

#include <vok/Vok_strings.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

using namespace vok;

namespace {

// ReadLnStream drops a byte-order mark at the start of the stream, as the
// file reader does.
QStringList StreamLines(QByteArray Bytes)
{
    QStringList Lines;
    QBuffer Buffer(&Bytes);
    Buffer.open(QIODevice::ReadOnly);
    bool End = Bytes.isEmpty() || Bytes == "\xEF\xBB\xBF";
    while (!End) {
        const qint64 Before = Buffer.pos();
        Lines.append(ReadLnStream(Buffer, End));
        FUZZ_CHECK(End || Buffer.pos() > Before);
    }
    return Lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    fuzz::InputCursor In(Data, Size);
    const int Column = In.Choice(4) - 1; // -1 is refused, 0..2 exist
    const int FirstRow = In.Choice(8) - 1;
    const QByteArray Document = In.Rest();
    const QStringList Lines = StreamLines(Document);

    static QTemporaryDir Dir;
    const QString Name = Dir.filePath(QStringLiteral("lines.txt"));
    {
        QFile File(Name);
        FUZZ_CHECK(File.open(QIODevice::WriteOnly) && File.write(Document) == Document.size());
    }

    TRLData List;
    fuzz::PrefillList(List);
    const QByteArray Before = fuzz::ListSnapshot(List);
    const int Count = List.LoadLinesFromFile(Column, FirstRow, Name);
    if (Count < 0 || Column < 0) {
        FUZZ_CHECK(Column >= 0 || Count == 0);
        FUZZ_CHECK(fuzz::ListSnapshot(List) == Before);
        return 0;
    }
    FUZZ_CHECK(Count == Lines.size());
    if (Count == 0) {
        FUZZ_CHECK(fuzz::ListSnapshot(List) == Before);
        return 0;
    }

    const int From = qMax(FirstRow, 1);
    FUZZ_CHECK(List.GetNrOfRows() == qMax(2, From + Count - 1));
    // The check-box column keeps its flag in front of the text.
    const int CellLength = Column == 2 ? TStringArray::MaxStringLength - 1 : TStringArray::MaxStringLength;
    for (int I = 0; I < Count; ++I)
        FUZZ_CHECK(List.GetElem(Column, From + I) == ShortString(Lines[I], CellLength));
    if (From > 1 && Column == 1)
        FUZZ_CHECK(List.GetElem(1, 1) == QStringLiteral("old cell"));
    FUZZ_CHECK(List.GetColName(1) == QStringLiteral("Before"));
    return 0;
}
