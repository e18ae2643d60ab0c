// The table editor's number-to-text rules: integer text, padded text, short
// exponent text, the cell number format and the text of a nominal cell. All
// use "." as the decimal point, whatever the locale, and no digit grouping.
#pragma once

#include <vok/Vok_math.h>
#include <vok/vok_export.h>

#include <QString>

namespace vok::ntabed {

// Precisions a column may have: 0..8 fixed decimals where the value fits,
// 9, 10 and -1 exponent notation always.
inline constexpr int MinPrecision = -1;
inline constexpr int MaxPrecision = 10;
inline constexpr int MaxFixedPrecision = 8;

// Decimal digits of V with a leading "-" when negative, no padding.
VOK_EXPORT QString IntegerText(long long V);

// Decimals >= 0: fixed notation with exactly Decimals decimals (no point for
// 0), padded on the left with blanks to at least Width characters.
// Decimals < 0: exponent notation, a blank (or "-"), one digit, ".", k - 1
// digits, "E", the exponent sign and four exponent digits, where the count of
// significant digits k = Width - 8 is kept within 2..18; padded on the left
// to Width. Exact halves round away from zero; a value that is not finite
// shows as "*".
VOK_EXPORT QString PaddedText(double X, int Width, int Decimals);

// The exponent text for NumWidth NumWidth (NumWidth significant digits, at
// least 2) with a two-digit exponent: " 1.2E+05". A value whose exponent needs
// three digits (or that is not finite) gives a row of "*" as long as that text.
VOK_EXPORT QString ShortExponentText(double X, int NumWidth);

// The cell number format: fixed notation of width NumWidth with Precision
// decimals when Precision is 0..8 and |X| lies within that precision's
// bounds (or X is 0), the short exponent text otherwise. The bounds are
// compared in extended precision, so the double nearest to 9999999.9 counts
// as above the bound 9999999.9.
VOK_EXPORT QString CellNumberText(double X, int NumWidth, int Precision);

// Text of X in column Col of a nominal scale: the column's identifier for X
// rounded to the nearest integer (ties to even) when that lies in 1..150 and
// has a non-empty identifier; otherwise the scale type's name, ":" and the
// integer text of the rounded value ("nominal:7").
VOK_EXPORT QString NominalCellText(const TDataTable& Data, int Col, double X);

} // namespace vok::ntabed
