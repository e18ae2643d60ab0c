// Numeric entry: the number formats shared by both numeric fields (input
// formats, scanners, typing checks, formatters, separator and range rules).
#pragma once

#include <vok/vok_export.h>
#include <vok/Vok_basetypes.h>

#include <QChar>
#include <QString>

namespace vok {

// The input format of a numeric field.
enum TInFormat : quint8 {
    itExp,       // decimal number with optional exponent ('1.5E-3')
    itFloat,     // decimal number with optional fraction, no exponent
    itFixPoint,  // decimal number with a fixed number of decimals
    itInt,       // signed decimal integer
    itHex,       // unsigned hexadecimal digits
    itOct,       // octal digits
    itBin,       // binary digits
    itDynamic    // "$" hexadecimal, "%" binary, "&" octal, else decimal with exponent
};

// ---- Separator modes -------------------------------------------------------

// The mode the typing checks use for dsSystem: dsPoint when the system
// separator is ".", dsComma for any other. Other modes are returned as given.
VOK_EXPORT TDecPSep ResolveTypingSepMode(TDecPSep Mode);
// The mode whole-text conversion uses for dsSystem: dsComma when the system
// separator is ",", dsPoint for any other. Other modes are returned as given.
VOK_EXPORT TDecPSep ResolveConversionSepMode(TDecPSep Mode);
// True when Ch separates the decimals in Mode (dsSystem resolved for typing).
VOK_EXPORT bool IsDecimalSeparator(QChar Ch, TDecPSep Mode);

// ---- Scanners --------------------------------------------------------------
// Positions are 1-based character indices. Every scanner leaves Pos on the
// first character it did not consume, so the whole text was a number when Pos
// ends at Text.length() + 1.

// Decimal number, with an exponent when ExpAllowed. Returns 0 for a text that
// is not a number; the result is clamped to +-uc_MaxDouble and exponents are
// limited to a magnitude of 4200. dsSystem is resolved as for typing.
VOK_EXPORT double ReadFloatNum(const QString& Text, bool ExpAllowed, TDecPSep Mode, int& Pos);
// Signed decimal integer after optional blanks; wraps silently in 32 bits.
VOK_EXPORT qint32 ReadDecInt(const QString& Text, int& Pos);
// Hexadecimal digits (a "$" at position 1 is skipped); wraps in 32 bits, so
// 'FFFFFFFF' reads as -1.
VOK_EXPORT qint32 ReadHexNum(const QString& Text, int& Pos);
VOK_EXPORT qint32 ReadOctNum(const QString& Text, int& Pos);
VOK_EXPORT qint32 ReadBinNum(const QString& Text, int& Pos);

// ---- Typing checks (partly typed texts) -----------------------------------

// Decimal text with optional exponent: '1E', '1E-', '.', '-.' and '1x' pass;
// '-', '+', '1.2.3' and an exponent above 4200 do not.
VOK_EXPORT bool IsValidExpText(const QString& Text, bool ExpAllowed, TDecPSep Mode);
// Decimal text without exponent: '-', '+', '.' and '12.' pass.
VOK_EXPORT bool IsValidDecText(const QString& Text, TDecPSep Mode);
// Optional sign followed by digits; a one-character text must be a digit.
VOK_EXPORT bool IsValidIntText(const QString& Text);
// Non-empty texts of digits of the radix, no prefix.
VOK_EXPORT bool IsHexText(const QString& Text);
VOK_EXPORT bool IsOctText(const QString& Text);
VOK_EXPORT bool IsBinText(const QString& Text);

// ---- Formatters ------------------------------------------------------------

// Decimals == -2: exponent form in a field of |Width| + 2 characters (sign
// position, one digit, ".", |Width| - 7 decimals, "E", exponent sign and two
// exponent digits, so 1234.5 with Width 12 gives ' 1.23450E+03'); a value whose
// decimal exponent needs three or more digits, or that is not finite, shows as
// a row of "*". With no decimals left the point is left out (' 1E+03').
// Otherwise: fixed form with Decimals decimals ("." as the point), right-aligned
// in at least |Width| characters. A negative Width pads with "0" instead of
// blanks, the sign moved in front. Digits are correctly rounded (the exact
// binary value, exact ties to even). Width and Decimals are kept within the
// classic short-string limit of 255.
VOK_EXPORT QString FormatFloatNum(int Width, int Decimals, double Value);

// Exactly Count digits (limited to 8, 11 or 32; 0 or less gives one digit) of
// Value taken as unsigned, leading zeros kept, higher bits dropped.
VOK_EXPORT QString IntToHexDigits(qint32 Value, int Count);
VOK_EXPORT QString IntToOctDigits(qint32 Value, int Count);
VOK_EXPORT QString IntToBinDigits(qint32 Value, int Count);

// ---- Dynamic format and range ---------------------------------------------

// How an itDynamic text is read: itHex for a leading "$", itBin for "%",
// itOct for "&" (the digits start at character 2), itExp for anything else.
VOK_EXPORT TInFormat DynamicTextFormat(const QString& Text);

// A value is out of range below Low or above High; the bounds are in range.
VOK_EXPORT bool IsOutOfRange(double Value, double Low, double High);

} // namespace vok
