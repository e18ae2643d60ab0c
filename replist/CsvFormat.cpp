#include "CsvFormat.h"

namespace vok::replist {

char CsvDelimiterChar(TCSVDelimiters Delimiter)
{
    switch (Delimiter) {
    case csvSemicolon: return ';';
    case csvTab: return '\t';
    case csvSpace: return ' ';
    case csvComma: break;
    }
    return ',';
}

CsvParser::CsvParser(QByteArray& Data, char Delimiter)
    : FBegin(Data.data())
    , FPos(FBegin)
    , FEnd(FBegin + Data.size())
    , FDelimiter(Delimiter)
{
    if (Data.startsWith("\xEF\xBB\xBF"))
        FPos += 3;
}

int CsvParser::PercentDone() const
{
    const auto Total = FEnd - FBegin;
    return Total == 0 ? 100 : int((FPos - FBegin) * 100 / Total);
}

bool CsvParser::NextRecord(std::vector<std::string_view>& Fields)
{
    Fields.clear();
    if (FPos == FEnd)
        return false;
    while (true) {
        Fields.push_back(*FPos == '"' ? QuotedField() : PlainField());
        if (FPos == FEnd)
            return true;
        if (*FPos == FDelimiter) {
            ++FPos;
            if (FPos == FEnd) {
                Fields.emplace_back();
                return true;
            }
            continue;
        }
        // A line end: CRLF, LF or CR.
        if (*FPos++ == '\r' && FPos != FEnd && *FPos == '\n')
            ++FPos;
        return true;
    }
}

std::string_view CsvParser::PlainField()
{
    char* const Start = FPos;
    while (FPos != FEnd && *FPos != FDelimiter && *FPos != '\n' && *FPos != '\r')
        ++FPos;
    return std::string_view(Start, FPos - Start);
}

std::string_view CsvParser::QuotedField()
{
    char* const Start = FPos;
    char* Write = FPos;
    char* Read = FPos + 1;
    while (Read != FEnd) {
        if (*Read == '"') {
            if (Read + 1 != FEnd && Read[1] == '"') {
                *Write++ = '"';
                Read += 2;
                continue;
            }
            ++Read;
            break;
        }
        *Write++ = *Read++;
    }
    while (Read != FEnd && *Read != FDelimiter && *Read != '\n' && *Read != '\r')
        *Write++ = *Read++;
    FPos = Read;
    return std::string_view(Start, Write - Start);
}

void CsvWriter::AppendField(QByteArray& Out, QStringView Field)
{
    if (FFieldsInRecord++ > 0)
        Out += FDelimiter;
    FLastFieldEmpty = Field.isEmpty();
    const QByteArray Utf8 = Field.toUtf8();
    // A leading U+FEFF would read as a byte-order mark at the start of the file.
    bool NeedsQuotes = Utf8.startsWith("\xEF\xBB\xBF");
    for (const char C : Utf8)
        if (C == FDelimiter || C == '"' || C == '\n' || C == '\r') {
            NeedsQuotes = true;
            break;
        }
    if (!NeedsQuotes) {
        Out += Utf8;
        return;
    }
    Out += '"';
    for (const char C : Utf8) {
        if (C == '"')
            Out += '"';
        Out += C;
    }
    Out += '"';
}

void CsvWriter::EndRecord(QByteArray& Out)
{
    // A lone empty field would otherwise be an empty line.
    if (FFieldsInRecord == 1 && FLastFieldEmpty)
        Out += "\"\"";
    Out += "\r\n";
    FFieldsInRecord = 0;
}

} // namespace vok::replist
