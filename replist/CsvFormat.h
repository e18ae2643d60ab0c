// CSV after RFC 4180: records of fields, fields holding the delimiter, a
// double quote or a line break are quoted and their quotes doubled.
#pragma once

#include <vok/Vok_basetypes.h>
#include <vok/vok_export.h>

#include <QByteArray>
#include <QStringView>

#include <string_view>
#include <vector>

namespace vok::replist {

// The character behind each delimiter choice: "," ";" tab and space.
VOK_EXPORT char CsvDelimiterChar(TCSVDelimiters Delimiter);

// Splits UTF-8 text into records. Records end with CRLF, LF or CR; a line
// end after the last record adds none. Quoted fields are unescaped in place,
// so the fields are views into the given buffer. Text after a closing quote
// is kept, and an unterminated quote runs to the end of the text, as
// spreadsheets read them.
class VOK_EXPORT CsvParser
{
public:
    // Skips a UTF-8 byte-order mark at the start of Data.
    CsvParser(QByteArray& Data, char Delimiter);

    // The fields of the next record; false at the end of the text.
    bool NextRecord(std::vector<std::string_view>& Fields);
    // Share of the text consumed so far, 0..100.
    int PercentDone() const;

private:
    std::string_view QuotedField();
    std::string_view PlainField();

    char* FBegin;
    char* FPos;
    char* FEnd;
    char FDelimiter;
};

// Appends records to a UTF-8 buffer, CRLF after each.
class VOK_EXPORT CsvWriter
{
public:
    explicit CsvWriter(char Delimiter)
        : FDelimiter(Delimiter)
    {
    }

    void AppendField(QByteArray& Out, QStringView Field);
    void EndRecord(QByteArray& Out);

private:
    char FDelimiter;
    int FFieldsInRecord = 0;
    bool FLastFieldEmpty = false;
};

} // namespace vok::replist
