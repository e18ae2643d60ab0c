// CSV import of TRLData from a file, with each delimiter, with and without a
// header record.
//
// Invariants:
// - a failed import leaves the container exactly as it was;
// - an import returns the number of data records and holds every field of
//   them (cut to the cell length) and the column names (cut to the name
//   length); comment, common header and data identifier stay;
// - the imported cells exported as CSV import again unchanged (for a list
//   of millions of cells, its first rows up to a million cells: a few
//   kilobytes of input may describe that many empty cells).
#include "FuzzCheck.h"
#include "ReplistFuzz.h"

#include "CsvFormat.h"
#include "Utf8Text.h"

#include <vok/Vok_strings.h>

#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

using namespace vok;

namespace {

bool WriteFile(const QString& Name, const QByteArray& Bytes)
{
    QFile File(Name);
    return File.open(QIODevice::WriteOnly) && File.write(Bytes) == Bytes.size();
}

// The records as the parser splits them, as texts.
std::vector<QStringList> Records(QByteArray Bytes, char Delimiter)
{
    replist::CsvParser Parser(Bytes, Delimiter);
    std::vector<QStringList> Result;
    std::vector<std::string_view> Fields;
    while (Parser.NextRecord(Fields)) {
        QStringList Texts;
        for (const std::string_view Field : Fields)
            Texts.append(detail::TextFromUtf8(QByteArrayView(Field.data(), qsizetype(Field.size()))));
        Result.push_back(Texts);
    }
    return Result;
}

constexpr int MaxRoundTripCells = 1 << 20;

// B holds the first rows of A.
void CheckSameCells(const TRLData& A, const TRLData& B)
{
    FUZZ_CHECK(A.GetNrOfColumns() == B.GetNrOfColumns());
    FUZZ_CHECK(B.GetNrOfRows() <= A.GetNrOfRows());
    for (int Col = 1; Col <= A.GetNrOfColumns(); ++Col) {
        FUZZ_CHECK(A.GetColName(Col) == B.GetColName(Col));
        for (int Row = 1; Row <= B.GetNrOfRows(); ++Row)
            FUZZ_CHECK(A.GetElem(Col, Row) == B.GetElem(Col, Row));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    fuzz::InputCursor In(Data, Size);
    const auto Delimiter = TCSVDelimiters(In.Choice(4));
    const bool Headers = In.Flag();
    const QByteArray Document = In.Rest();

    static QTemporaryDir Dir;
    const QString Input = Dir.filePath(QStringLiteral("in.csv"));
    const QString Output = Dir.filePath(QStringLiteral("out.csv"));
    FUZZ_CHECK(WriteFile(Input, Document));

    TRLData List;
    fuzz::PrefillList(List);
    const QByteArray Before = fuzz::ListSnapshot(List);
    const int Rows = List.ImportCSV(Input, Delimiter, Headers);
    if (Rows < 0) {
        FUZZ_CHECK(fuzz::ListSnapshot(List) == Before);
        return 0;
    }

    FUZZ_CHECK(Rows == List.GetNrOfRows());
    FUZZ_CHECK(List.GetComment() == QStringLiteral("old comment"));
    FUZZ_CHECK(List.GetCommonHeader() == QStringLiteral("old header"));
    FUZZ_CHECK(List.GetDataID() == QStringLiteral("old"));
    std::vector<QStringList> Expected = Records(Document, replist::CsvDelimiterChar(Delimiter));
    if (Headers && !Expected.empty()) {
        const QStringList Names = Expected.front();
        for (int Col = 1; Col <= Names.size(); ++Col)
            FUZZ_CHECK(List.GetColName(Col) == ShortString(Names[Col - 1], NameStrMaxLength));
        Expected.erase(Expected.begin());
    }
    FUZZ_CHECK(std::size_t(Rows) == Expected.size());
    for (int Row = 1; Row <= Rows; ++Row) {
        const QStringList& Fields = Expected[std::size_t(Row - 1)];
        FUZZ_CHECK(Fields.size() <= List.GetNrOfColumns());
        for (int Col = 1; Col <= Fields.size(); ++Col)
            FUZZ_CHECK(List.GetElem(Col, Row) == ShortString(Fields[Col - 1], TStringArray::MaxStringLength));
    }

    const int Cols = List.GetNrOfColumns();
    const int RoundTripRows = std::min(Rows, std::max(1, MaxRoundTripCells / Cols));
    FUZZ_CHECK(List.ExportCSV(Output, Delimiter, Headers, false, 1, 1, Cols, RoundTripRows) == RoundTripRows);
    TRLData Copy;
    FUZZ_CHECK(Copy.ImportCSV(Output, Delimiter, Headers) == RoundTripRows);
    CheckSameCells(List, Copy);
    return 0;
}
