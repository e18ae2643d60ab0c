// Column format strings of the report list: "[" type "]" "[" width "]"
// default, each part optional. The type part is an optional "#" (read-only
// in the row editor), a type letter (c l d e f h i s) and letter-specific
// text; the width is the pixel width of the row editor's control.
#pragma once

#include <vok/vok_export.h>

#include <QString>

namespace vok::replist {

struct ColumnFormatParts
{
    bool ReadOnly = false;
    QChar TypeLetter;   // null without a type part
    QString TypeText;   // what follows the letter inside the brackets
    int Width = 200;    // missing or below 1 gives 200
    QString Default;    // the rest of the format
};

// The parts of a format string as the row editor reads them.
VOK_EXPORT ColumnFormatParts ParseColumnFormat(const QString& Format);

// A number inside a format: from the 1-based position Pos skip spaces, take
// one optional sign and the decimal digits up to the first non-digit; no
// digits give 0. Values beyond the Integer range are clamped.
VOK_EXPORT int ReadFormatNumber(QStringView Text, int Pos);

// The lowest Digits hexadecimal digits of Value (two's complement), Digits
// clamped to 1..8.
VOK_EXPORT QString RowNumberHex(int Value, int Digits);
// The lowest Digits decimal digits of |Value|, zero-padded, "-" in front of a
// negative value; Digits below 1 count as 1, more than 255 as 255.
VOK_EXPORT QString RowNumberDec(int Value, int Digits);

// The value a column with this format proposes for an empty cell of row Row:
// the first item of a list, the "rix" row number, a "$pwd$" password of at
// most 255 characters, or the literal default; read-only or not alike.
VOK_EXPORT QString FormatDefaultValue(const QString& Format, int Row);

} // namespace vok::replist
