#include "ReplistXml.h"
#include "ReplistHeader.h"

#include <QStringDecoder>

#include <cstring>

namespace vok::replist {

namespace {
const char HexDigits[] = "0123456789ABCDEF";

bool IsXmlChar(char32_t C)
{
    return C == 0x9 || C == 0xA || C == 0xD || (C >= 0x20 && C <= 0xD7FF) || (C >= 0xE000 && C <= 0xFFFD)
        || (C >= 0x10000 && C <= 0x10FFFF);
}

int AttributeNumber(const QXmlStreamAttributes& Attributes, QLatin1String Name)
{
    if (!Attributes.hasAttribute(Name))
        return -1;
    bool Ok = false;
    const int Value = Attributes.value(Name).toInt(&Ok);
    return Ok && Value >= 0 ? Value : -1;
}

const char* ReferenceFor(char C)
{
    switch (C) {
    case '<': return "&lt;";
    case '>': return "&gt;";
    case '&': return "&amp;";
    case '"': return "&quot;";
    case '\t': return "&#9;";
    case '\n': return "&#10;";
    case '\r': return "&#13;";
    default: return nullptr;
    }
}

// Longest form a text byte can take when escaped ("&quot;").
constexpr std::size_t MaxEscapedBytes = 6;

char* CopyBytes(char* Out, std::string_view Bytes)
{
    std::memcpy(Out, Bytes.data(), Bytes.size());
    return Out + Bytes.size();
}

// Writes the UTF-8 bytes of Text escaped at Out (room for MaxEscapedBytes
// per byte); returns the end.
char* WriteEscaped(char* Out, std::string_view Text)
{
    for (const char C : Text) {
        if (const char* Reference = ReferenceFor(C))
            Out = CopyBytes(Out, Reference);
        else
            *Out++ = C;
    }
    return Out;
}

char* WriteNumber(char* Out, int Value)
{
    char Digits[16];
    int Len = 0;
    unsigned V = Value < 0 ? 0u : unsigned(Value);
    do {
        Digits[Len++] = char('0' + V % 10);
        V /= 10;
    } while (V != 0);
    while (Len > 0)
        *Out++ = Digits[--Len];
    return Out;
}

// Text becomes the UTF-8 bytes, in Text's own buffer when it has room. Short
// ASCII texts are the rule, so they are widened without a decoder.
void AssignUtf8(QString& Text, std::string_view Utf8)
{
    Text.resize(qsizetype(Utf8.size())); // UTF-16 never needs more units than UTF-8 bytes
    if (Utf8.empty())
        return;
    QChar* Out = Text.data();
    std::size_t Ascii = 0;
    for (; Ascii < Utf8.size() && static_cast<unsigned char>(Utf8[Ascii]) < 0x80; ++Ascii)
        *Out++ = QLatin1Char(Utf8[Ascii]);
    if (Ascii < Utf8.size()) {
        QStringDecoder Decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        Out = Decoder.appendToBuffer(Out, QByteArrayView(Utf8.data() + Ascii, qsizetype(Utf8.size() - Ascii)));
    }
    Text.truncate(Out - Text.constData());
}

bool IsXmlSpace(char C)
{
    return C == ' ' || C == '\t' || C == '\n' || C == '\r';
}
} // namespace

void AppendXmlEscaped(QByteArray& Out, QStringView Text)
{
    const QByteArray Utf8 = Text.toUtf8();
    const qsizetype Old = Out.size();
    Out.resize(Old + Utf8.size() * qsizetype(MaxEscapedBytes));
    char* const End = WriteEscaped(Out.data() + Old, std::string_view(Utf8.constData(), std::size_t(Utf8.size())));
    Out.truncate(End - Out.constData());
}

bool CanWriteUtf8AsIs(std::string_view Utf8)
{
    for (const char C : Utf8)
        if (static_cast<unsigned char>(C) < 0x20 || static_cast<unsigned char>(C) == 0xEF)
            return false;
    return true;
}

bool NeedsHexEncoding(QStringView Text)
{
    for (qsizetype I = 0; I < Text.size(); ++I) {
        const QChar C = Text[I];
        if (C.isHighSurrogate() && I + 1 < Text.size() && Text[I + 1].isLowSurrogate()) {
            ++I;
            continue;
        }
        if (C.isSurrogate() || !IsXmlChar(C.unicode()))
            return true;
    }
    return false;
}

QByteArray HexEncodeUtf16(QStringView Text)
{
    QByteArray Hex;
    Hex.reserve(Text.size() * 4);
    for (const QChar C : Text) {
        const char16_t U = C.unicode();
        for (int Shift = 12; Shift >= 0; Shift -= 4)
            Hex += HexDigits[(U >> Shift) & 0xF];
    }
    return Hex;
}

bool HexDecodeUtf16(QStringView Hex, QString& Text)
{
    if (Hex.size() % 4 != 0)
        return false;
    QString Result(Hex.size() / 4, Qt::Uninitialized);
    for (qsizetype I = 0; I < Result.size(); ++I) {
        bool Ok = false;
        const uint Unit = Hex.mid(I * 4, 4).toUInt(&Ok, 16);
        if (!Ok)
            return false;
        Result[I] = QChar(char16_t(Unit));
    }
    Text = Result;
    return true;
}

void ReplistXmlWriter::WriteDeclaration()
{
    FOut += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
}

void ReplistXmlWriter::BeginList(const QString& DataID)
{
    // The header line that CheckIfValidReplist recognises.
    FOut += "<replist vokterra=\"1\"";
    if (!DataID.isEmpty()) {
        const bool Hex = NeedsHexDataID(DataID);
        FOut += " id=\"";
        if (Hex)
            FOut += HexEncodeUtf16(DataID);
        else
            AppendXmlEscaped(FOut, DataID);
        FOut += '"';
        if (Hex) {
            FOut += ' ';
            FOut += HexDataIDMarker;
        }
    }
    FOut += ">\n";
}

void ReplistXmlWriter::WriteValue(TRepListXmlTag Tag, const QString& Text)
{
    WriteElement(Tag, -1, -1, Text);
}

void ReplistXmlWriter::WriteColumnValue(TRepListXmlTag Tag, int Col, const QString& Text)
{
    WriteElement(Tag, Col, -1, Text);
}

void ReplistXmlWriter::WriteCell(int Col, int Row, const QString& Text)
{
    WriteElement(xmlCell, Col, Row, Text);
}

void ReplistXmlWriter::WriteCellUtf8(int Col, int Row, std::string_view Utf8)
{
    WriteElementBytes(xmlCell, Col, Row, Utf8, false);
}

void ReplistXmlWriter::EndList()
{
    FOut += "</replist>\n";
}

void ReplistXmlWriter::WriteElement(TRepListXmlTag Tag, int Col, int Row, QStringView Text)
{
    const bool Hex = NeedsHexEncoding(Text);
    const QByteArray Bytes = Hex ? HexEncodeUtf16(Text) : Text.toUtf8();
    WriteElementBytes(Tag, Col, Row, std::string_view(Bytes.constData(), std::size_t(Bytes.size())), Hex);
}

void ReplistXmlWriter::WriteElementBytes(TRepListXmlTag Tag, int Col, int Row, std::string_view Text, bool Hex)
{
    const std::string_view Name = RepListXmlTagNameViews[Tag];
    // Room for the tags, both attributes with 10 digits, enc="hex" and the
    // text at its longest; the unused rest is cut off again.
    const std::size_t Room = 2 * Name.size() + 48 + MaxEscapedBytes * Text.size();
    const qsizetype Old = FOut.size();
    FOut.resize(Old + qsizetype(Room));
    char* Out = FOut.data() + Old;
    *Out++ = '<';
    Out = CopyBytes(Out, Name);
    if (Col >= 0) {
        Out = CopyBytes(Out, " c=\"");
        Out = WriteNumber(Out, Col);
        *Out++ = '"';
    }
    if (Row >= 0) {
        Out = CopyBytes(Out, " r=\"");
        Out = WriteNumber(Out, Row);
        *Out++ = '"';
    }
    if (Hex) {
        Out = CopyBytes(Out, " enc=\"hex\">");
        Out = CopyBytes(Out, Text);
    } else {
        *Out++ = '>';
        Out = WriteEscaped(Out, Text);
    }
    Out = CopyBytes(Out, "</");
    Out = CopyBytes(Out, Name);
    Out = CopyBytes(Out, ">\n");
    FOut.truncate(Out - FOut.constData());
}

TRepListXmlTag TagOfName(QStringView Name)
{
    for (int T = xmlNumCols; T < xmlEndReplist; ++T)
        if (Name.compare(QLatin1String(RepListXmlTagNames[T]), Qt::CaseInsensitive) == 0)
            return TRepListXmlTag(T);
    return xmlInvalid;
}

ReplistXmlReader::TState ReplistXmlReader::Feed(const QByteArray& Chunk)
{
    if (FState != TState::NeedMore)
        return FState;
    switch (FMode) {
    case TMode::StartTag: return FeedStartTag(Chunk);
    case TMode::Scanning: return FeedScanner(Chunk);
    case TMode::Xml: break;
    }
    FXml.addData(Chunk);
    return ParseXml();
}

ReplistXmlReader::TState ReplistXmlReader::FeedStartTag(const QByteArray& Chunk)
{
    FPending += Chunk;
    const qsizetype TagEnd = FPending.indexOf('>');
    if (TagEnd < 0)
        return FState;
    const QByteArray Rest = FPending.mid(TagEnd + 1);
    FPending.truncate(TagEnd + 1);
    FXml.addData(FPending);
    FPending.clear();
    if (ParseXml() != TState::NeedMore)
        return FState;
    // The start tag ended at this first '>' when the parser is inside the
    // list now; otherwise the '>' belonged to something else.
    if (FDepth != 1)
        return SwitchToXml(Rest);
    FMode = TMode::Scanning;
    return FeedScanner(Rest);
}

ReplistXmlReader::TState ReplistXmlReader::FeedScanner(const QByteArray& Chunk)
{
    if (FPending.isEmpty())
        FPending = Chunk;
    else
        FPending += Chunk;
    const char* const Data = FPending.constData();
    const qsizetype Size = FPending.size();
    qsizetype Taken = 0;
    while (true) {
        qsizetype Start = Taken;
        while (Start < Size && IsXmlSpace(Data[Start]))
            ++Start;
        if (Start == Size)
            break;
        ScannedElement Element;
        const auto Result = FScanner.Scan(QByteArrayView(Data + Start, Size - Start), Element);
        if (Result == ReplistElementScanner::TResult::Incomplete)
            break;
        if (Result == ReplistElementScanner::TResult::Unusual)
            return SwitchToXml(QByteArrayView(FPending).sliced(Taken));
        if (!TakeScanned(Element))
            return Fail();
        Taken = Start + Element.Length;
    }
    if (Taken == Size)
        FPending.clear(); // the rule when lines arrive one by one
    else
        FPending.remove(0, Taken);
    return FState;
}

ReplistXmlReader::TState ReplistXmlReader::SwitchToXml(QByteArrayView Rest)
{
    FMode = TMode::Xml;
    FXml.addData(Rest.toByteArray());
    FPending.clear();
    return ParseXml();
}

bool ReplistXmlReader::TakeScanned(const ScannedElement& Element)
{
    FItem.Tag = Element.Tag;
    FItem.Col = Element.Col;
    FItem.Row = Element.Row;
    AssignUtf8(FItem.Text, Element.Utf8Text);
    if (Element.HexText) {
        FItem.Utf8Text.reset();
        if (!HexDecodeUtf16(FItem.Text, FItem.Text))
            return false;
    } else {
        FItem.Utf8Text = Element.Utf8Text;
    }
    return FOnItem(FItem);
}

ReplistXmlReader::TState ReplistXmlReader::ParseXml()
{
    while (true) {
        const QXmlStreamReader::TokenType Token = FXml.readNext();
        if (FXml.hasError())
            return FXml.error() == QXmlStreamReader::PrematureEndOfDocumentError ? TState::NeedMore : Fail();
        switch (Token) {
        case QXmlStreamReader::StartElement:
            if (HandleStart() == TState::Failed)
                return FState;
            break;
        case QXmlStreamReader::EndElement:
            if (HandleEnd() != TState::NeedMore)
                return FState;
            break;
        case QXmlStreamReader::Characters:
            if (FDepth == 2 && FItem.Tag != xmlInvalid)
                FItem.Text += FXml.text();
            break;
        default:
            break;
        }
    }
}

ReplistXmlReader::TState ReplistXmlReader::HandleStart()
{
    ++FDepth;
    if (FDepth == 1) {
        if (FXml.name().compare(QLatin1String("replist"), Qt::CaseInsensitive) != 0)
            return Fail();
        const QXmlStreamAttributes Attributes = FXml.attributes();
        FDataID = Attributes.value(QLatin1String("id")).toString();
        if (Attributes.value(QLatin1String("idenc")) == QLatin1String("hex") && !HexDecodeUtf16(FDataID, FDataID))
            return Fail();
    } else if (FDepth == 2) {
        const QXmlStreamAttributes Attributes = FXml.attributes();
        FItem.Tag = TagOfName(FXml.name());
        FItem.Col = AttributeNumber(Attributes, QLatin1String("c"));
        FItem.Row = AttributeNumber(Attributes, QLatin1String("r"));
        FItem.Text.clear();
        FItem.Utf8Text.reset();
        FHexText = Attributes.value(QLatin1String("enc")) == QLatin1String("hex");
    }
    return FState;
}

ReplistXmlReader::TState ReplistXmlReader::HandleEnd()
{
    --FDepth;
    if (FDepth == 0)
        return FState = TState::Finished;
    if (FDepth == 1 && FItem.Tag != xmlInvalid) {
        if (FHexText && !HexDecodeUtf16(FItem.Text, FItem.Text))
            return Fail();
        if (!FOnItem(FItem))
            return Fail();
    }
    return FState;
}

} // namespace vok::replist
