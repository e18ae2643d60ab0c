// Recognition of the header line that opens a report list inside a file or
// stream, and of the data identifier it carries.
#pragma once

#include <vok/vok_export.h>

#include <QString>

namespace vok::replist {

// True when the line, compared without regard to case, contains "<replist"
// and the word "vokterra".
VOK_EXPORT bool IsReplistHeaderLine(const QString& Line);

// The data identifier of a header line: the text after the first `id="`
// marker up to the next double quote, without leading and trailing spaces;
// empty without a marker.
// Character and entity references (&amp; &#34; ...) are resolved, so an
// identifier that needs escaping in the file compares as written by the
// program. On a line with HexDataIDMarker the identifier is hexadecimal
// UTF-16 code units and is decoded (kept as it stands when it is not).
VOK_EXPORT QString HeaderDataID(const QString& Line);

// Whether an identifier goes into the header as hexadecimal UTF-16 code
// units: when markup cannot carry it (control characters ...), or when it
// has spaces at its ends, which the header rule would drop.
VOK_EXPORT bool NeedsHexDataID(QStringView DataID);
// The attribute that follows an identifier written so.
inline constexpr char HexDataIDMarker[] = "idenc=\"hex\"";

// True when Line is a header and, for a non-empty DataID, its identifier
// equals DataID without regard to case.
VOK_EXPORT bool HeaderMatches(const QString& Line, const QString& DataID);

// Resolves the five predefined XML entities and numeric character
// references; anything else is kept as it stands.
VOK_EXPORT QString DecodeXmlReferences(const QString& Text);

} // namespace vok::replist
