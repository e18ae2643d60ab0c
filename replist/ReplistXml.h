// Writer and reader of the report-list markup: one XML element per line,
// every text escaped, several lists per file (see Vok_replist.h).
#pragma once

#include "ReplistXmlScan.h"

#include <vok/Vok_replist.h>

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>

#include <functional>
#include <optional>
#include <string_view>

namespace vok::replist {

// Appends the markup of one list to a UTF-8 buffer. The owner drains the
// buffer whenever it likes (large lists are written in pieces).
class VOK_EXPORT ReplistXmlWriter
{
public:
    explicit ReplistXmlWriter(QByteArray& Out)
        : FOut(Out)
    {
    }

    void WriteDeclaration();
    void BeginList(const QString& DataID);
    void WriteValue(TRepListXmlTag Tag, const QString& Text);
    void WriteColumnValue(TRepListXmlTag Tag, int Col, const QString& Text);
    void WriteCell(int Col, int Row, const QString& Text);
    // The same for a text given as UTF-8 bytes that CanWriteUtf8AsIs accepts,
    // without a detour through UTF-16.
    void WriteCellUtf8(int Col, int Row, std::string_view Utf8);
    void EndList();

private:
    void WriteElement(TRepListXmlTag Tag, int Col, int Row, QStringView Text);
    // Text is UTF-8 to escape, or with Hex the hexadecimal digits to write as they are.
    void WriteElementBytes(TRepListXmlTag Tag, int Col, int Row, std::string_view Text, bool Hex);
    QByteArray& FOut;
};

// Whether valid UTF-8 bytes go out escaped as they stand: no control
// character (which may need hex), nothing starting with 0xEF (U+FFFE and
// U+FFFF need hex, a leading byte-order mark may be dropped when the bytes
// are decoded). Such bytes are exactly their decoded text.
VOK_EXPORT bool CanWriteUtf8AsIs(std::string_view Utf8);

// Appends Text with the XML special characters, tab and line breaks written
// as references, so that it survives any XML reader unchanged.
VOK_EXPORT void AppendXmlEscaped(QByteArray& Out, QStringView Text);
// Whether Text holds a character XML 1.0 cannot carry (most control
// characters, U+FFFE, U+FFFF, unpaired surrogates).
VOK_EXPORT bool NeedsHexEncoding(QStringView Text);
VOK_EXPORT QByteArray HexEncodeUtf16(QStringView Text);
// False when Hex is not a whole number of 4-digit code units.
VOK_EXPORT bool HexDecodeUtf16(QStringView Hex, QString& Text);

// One element of a list: the tag, its c and r attributes (-1 when missing or
// not a number) and its text.
struct ReplistXmlItem
{
    TRepListXmlTag Tag = xmlInvalid;
    int Col = -1;
    int Row = -1;
    QString Text;
    // The same text as UTF-8 when the reader has it in that form (a view
    // valid during the handler call), so that it can be stored without
    // converting it back.
    std::optional<std::string_view> Utf8Text;
};

// Parses the markup of one list fed in pieces, starting at its "<replist"
// start tag. Unknown elements are skipped with everything inside them.
//
// The start tag always goes through QXmlStreamReader. The elements after it
// are read by the ReplistElementScanner as long as they have the writer's
// form; from the first markup that has not, QXmlStreamReader reads the rest.
// It then meets that rest in the state it would have had anyway: the scanner
// only takes complete, well-formed elements (and the whitespace before them)
// that directly follow the start tag or one another, inside the list
// element, where they leave no trace in the parser's state.
class VOK_EXPORT ReplistXmlReader
{
public:
    enum class TState { NeedMore, Finished, Failed };
    using TItemHandler = std::function<bool(const ReplistXmlItem&)>;

    explicit ReplistXmlReader(TItemHandler OnItem)
        : FOnItem(std::move(OnItem))
    {
    }

    // Parses what has arrived; a handler returning false fails the list.
    TState Feed(const QByteArray& Chunk);
    // The id attribute of the list's start tag.
    QString DataID() const { return FDataID; }

private:
    enum class TMode { StartTag, Scanning, Xml };

    TState Fail() { return FState = TState::Failed; }
    TState FeedStartTag(const QByteArray& Chunk);
    TState FeedScanner(const QByteArray& Chunk);
    TState SwitchToXml(QByteArrayView Rest);
    TState ParseXml();
    TState HandleStart();
    TState HandleEnd();
    bool TakeScanned(const ScannedElement& Element);

    TItemHandler FOnItem;
    TMode FMode = TMode::StartTag;
    // Markup received but not parsed yet (start tag and scanning modes).
    QByteArray FPending;
    ReplistElementScanner FScanner;
    QXmlStreamReader FXml;
    TState FState = TState::NeedMore;
    int FDepth = 0;
    ReplistXmlItem FItem;
    bool FHexText = false;
    QString FDataID;
};

// The tag of an element name (case-insensitive); xmlInvalid when unknown.
VOK_EXPORT TRepListXmlTag TagOfName(QStringView Name);

} // namespace vok::replist
