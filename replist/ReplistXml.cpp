#include "ReplistXml.h"

namespace vok::replist {

namespace {
const char HexDigits[] = "0123456789ABCDEF";

bool IsXmlChar(char32_t C)
{
    return C == 0x9 || C == 0xA || C == 0xD || (C >= 0x20 && C <= 0xD7FF) || (C >= 0xE000 && C <= 0xFFFD)
        || (C >= 0x10000 && C <= 0x10FFFF);
}

void AppendNumber(QByteArray& Out, int Value)
{
    char Buffer[16];
    int Len = 0;
    unsigned V = Value < 0 ? 0u : unsigned(Value);
    do {
        Buffer[Len++] = char('0' + V % 10);
        V /= 10;
    } while (V != 0);
    while (Len > 0)
        Out += Buffer[--Len];
}

int AttributeNumber(const QXmlStreamAttributes& Attributes, QLatin1String Name)
{
    if (!Attributes.hasAttribute(Name))
        return -1;
    bool Ok = false;
    const int Value = Attributes.value(Name).toInt(&Ok);
    return Ok && Value >= 0 ? Value : -1;
}
} // namespace

void AppendXmlEscaped(QByteArray& Out, QStringView Text)
{
    const QByteArray Utf8 = Text.toUtf8();
    const char* Run = Utf8.constData();
    const char* const End = Run + Utf8.size();
    for (const char* P = Run; P != End; ++P) {
        const char* Reference = nullptr;
        switch (*P) {
        case '<': Reference = "&lt;"; break;
        case '>': Reference = "&gt;"; break;
        case '&': Reference = "&amp;"; break;
        case '"': Reference = "&quot;"; break;
        case '\t': Reference = "&#9;"; break;
        case '\n': Reference = "&#10;"; break;
        case '\r': Reference = "&#13;"; break;
        default: continue;
        }
        Out.append(Run, P - Run);
        Out += Reference;
        Run = P + 1;
    }
    Out.append(Run, End - Run);
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
        FOut += " id=\"";
        AppendXmlEscaped(FOut, DataID);
        FOut += '"';
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

void ReplistXmlWriter::EndList()
{
    FOut += "</replist>\n";
}

void ReplistXmlWriter::WriteElement(TRepListXmlTag Tag, int Col, int Row, const QString& Text)
{
    const char* Name = RepListXmlTagNames[Tag];
    FOut += '<';
    FOut += Name;
    if (Col >= 0) {
        FOut += " c=\"";
        AppendNumber(FOut, Col);
        FOut += '"';
    }
    if (Row >= 0) {
        FOut += " r=\"";
        AppendNumber(FOut, Row);
        FOut += '"';
    }
    if (NeedsHexEncoding(Text)) {
        FOut += " enc=\"hex\">";
        FOut += HexEncodeUtf16(Text);
    } else {
        FOut += '>';
        AppendXmlEscaped(FOut, Text);
    }
    FOut += "</";
    FOut += Name;
    FOut += ">\n";
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
    FXml.addData(Chunk);
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
        FDataID = FXml.attributes().value(QLatin1String("id")).toString();
    } else if (FDepth == 2) {
        const QXmlStreamAttributes Attributes = FXml.attributes();
        FItem.Tag = TagOfName(FXml.name());
        FItem.Col = AttributeNumber(Attributes, QLatin1String("c"));
        FItem.Row = AttributeNumber(Attributes, QLatin1String("r"));
        FItem.Text.clear();
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
