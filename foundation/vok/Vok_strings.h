/// String, path and stream helpers of the base library. Positions are 1-based
/// like the classic string routines; every function accepts any input and
/// answers with an empty or neutral result where nothing sensible fits. \file
#pragma once

#include <vok/vok_export.h>

#include <QChar>
#include <QIODevice>
#include <QString>
#include <QStringList>

namespace vok {

/// S cut to at most MaxLength UTF-16 characters, never inside a surrogate pair
/// (a short string's length limit).
VOK_EXPORT QString ShortString(const QString& S, int MaxLength);

/// Value in fixed-point notation with Decimals digits after the point (always
/// "."; negative counts as 0, more than 30 as 30), right-aligned in a field of
/// at least Width characters: strff(3.14159, 7, 2) = "   3.14". Not-a-number
/// and infinities give "NaN", "Inf" and "-Inf".
VOK_EXPORT QString strff(double Value, int Width, int Decimals);

/// Splits Text at every Delimiter into Parts and returns their number. A
/// trailing delimiter gives an empty last part ("a\b\" -> "a", "b", ""); an
/// empty Text gives no parts.
VOK_EXPORT int Tokenize(const QString& Text, QChar Delimiter, QStringList& Parts);

/// Position (1-based) of the Occurrence-th occurrence of Sought in Text at or
/// after position Start, 0 when there is none (or Sought is empty, or
/// Occurrence < 1). Occurrences may overlap: in "aaaa" the 2nd "aa" is at 2.
/// Start below 1 counts as 1.
VOK_EXPORT int NumberedPos(const QString& Sought, const QString& Text, int Start, int Occurrence, bool IgnoreCase);

/// Text cut or filled with blanks on the right to exactly N characters ("" for N <= 0).
VOK_EXPORT QString LeftString(const QString& Text, int N);

/// Text with every OldChar replaced by NewChar.
VOK_EXPORT QString ReplaceCharInString(const QString& Text, QChar OldChar, QChar NewChar);

/// Text without control characters (C0, DEL and C1 codes: tabs and line breaks too).
VOK_EXPORT QString RemoveControlChars(const QString& Text);

/// Text without the run of Ch at its start / at its end.
///@{
VOK_EXPORT QString StripLeadingChars(QChar Ch, const QString& Text);
VOK_EXPORT QString StripTrailingChars(QChar Ch, const QString& Text);
///@}

/// Text ending in exactly one Ch: a run of Ch at the end shrinks to one, a
/// missing one is added ("" gives Ch alone).
VOK_EXPORT QString EnsureTrailingChar(QChar Ch, const QString& Text);
/// EnsureTrailingChar with a backslash, for paths in the classic notation.
VOK_EXPORT QString EnsureTrailingBkSlash(const QString& Path);
/// EnsureTrailingChar with this platform's path separator "/".
VOK_EXPORT QString EnsureTrailingSeparator(const QString& Path);

/// Whether Path names an existing folder ("" does not).
VOK_EXPORT bool DirExists(const QString& Path);

/// The folder one level up; "/" and "\\" both separate, a trailing separator
/// is ignored: "/home/ann/docs/" -> "/home/ann" -> "/home" -> "/" -> "";
/// `C:\data\x` -> `C:\data` -> "C:" -> "". A name without separator gives "".
VOK_EXPORT QString ParentDir(const QString& Path);

/// A fresh random text of N letters and digits (N clamped to 0..255), from
/// the system's cryptographically secure generator.
VOK_EXPORT QString InventPassword(int N);

/// Reads the next line from Stream's current position (UTF-8). Mode 0, the
/// only mode (other values read as 0), ends a line at CR, LF or CR LF; the terminator is consumed and not
/// returned. EndOfStream becomes true when nothing follows the line, so a
/// last line without terminator is read and a final terminator does not give
/// an extra empty line. A stream not open for reading gives "" at its end.
VOK_EXPORT QString ReadLnStream(QIODevice& Stream, bool& EndOfStream, int Mode = 0);

} // namespace vok
