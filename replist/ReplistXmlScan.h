// Reads the elements of the report-list markup in the exact form the writer
// produces them, without a general XML parser: a known lower-case name, the
// attributes c, r and enc="hex" in the writer's order, text with the
// writer's references (&lt; &gt; &amp; &quot; &apos; &#9; &#10; &#13;) and
// valid UTF-8. Whatever this narrow form does not cover is reported as
// unusual and left to the full XML reader, so every element the scanner
// accepts reads exactly as QXmlStreamReader reads it.
#pragma once

#include <vok/Vok_replist.h>

#include <QByteArrayView>

#include <array>
#include <string>
#include <string_view>

namespace vok::replist {

// RepListXmlTagNames with their lengths known at compile time.
inline constexpr auto RepListXmlTagNameViews = [] {
    std::array<std::string_view, std::size(RepListXmlTagNames)> Views{};
    for (std::size_t I = 0; I < Views.size(); ++I)
        Views[I] = RepListXmlTagNames[I];
    return Views;
}();

struct ScannedElement
{
    TRepListXmlTag Tag = xmlInvalid;
    // The c and r attributes; -1 when missing.
    int Col = -1;
    int Row = -1;
    bool HexText = false;
    // The text with its references resolved: a view into the scanned bytes
    // or into the scanner, valid until the next scan.
    std::string_view Utf8Text;
    // Bytes of input the element takes, end tag included.
    qsizetype Length = 0;
};

class VOK_EXPORT ReplistElementScanner
{
public:
    // Element: Element describes the element at the start of Data.
    // Incomplete: Data ends inside an element of the narrow form.
    // Unusual: Data does not start with an element of the narrow form.
    enum class TResult { Element, Incomplete, Unusual };

    TResult Scan(QByteArrayView Data, ScannedElement& Element);

private:
    std::string FText;
};

} // namespace vok::replist
