#include "ReplistHeader.h"
#include "ReplistXml.h"

namespace vok::replist {

bool IsReplistHeaderLine(const QString& Line)
{
    return Line.contains(QLatin1String("<replist"), Qt::CaseInsensitive)
        && Line.contains(QLatin1String("vokterra"), Qt::CaseInsensitive);
}

QString DecodeXmlReferences(const QString& Text)
{
    if (!Text.contains(QLatin1Char('&')))
        return Text;
    QString Result;
    Result.reserve(Text.size());
    qsizetype I = 0;
    while (I < Text.size()) {
        const qsizetype Semi = Text[I] == QLatin1Char('&') ? Text.indexOf(QLatin1Char(';'), I) : -1;
        if (Semi < 0) {
            Result += Text[I++];
            continue;
        }
        const QStringView Name = QStringView(Text).mid(I + 1, Semi - I - 1);
        QString Replacement;
        if (Name == u"amp")
            Replacement = QStringLiteral("&");
        else if (Name == u"lt")
            Replacement = QStringLiteral("<");
        else if (Name == u"gt")
            Replacement = QStringLiteral(">");
        else if (Name == u"quot")
            Replacement = QStringLiteral("\"");
        else if (Name == u"apos")
            Replacement = QStringLiteral("'");
        else if (Name.startsWith(u'#') && Name.size() > 1) {
            bool Ok = false;
            const uint Code = Name.size() > 2 && (Name[1] == u'x' || Name[1] == u'X') ? Name.mid(2).toUInt(&Ok, 16)
                                                                                       : Name.mid(1).toUInt(&Ok, 10);
            if (Ok && Code > 0 && Code <= 0x10FFFF)
                Replacement = QString::fromUcs4(reinterpret_cast<const char32_t*>(&Code), 1);
        }
        if (Replacement.isNull()) {
            Result += Text[I++];
            continue;
        }
        Result += Replacement;
        I = Semi + 1;
    }
    return Result;
}

QString HeaderDataID(const QString& Line)
{
    static const QLatin1String Marker("id=\"");
    const qsizetype Start = Line.indexOf(Marker, 0, Qt::CaseInsensitive);
    if (Start < 0)
        return QString();
    const qsizetype From = Start + Marker.size();
    const qsizetype End = Line.indexOf(QLatin1Char('"'), From);
    const QString Raw = End < 0 ? Line.mid(From) : Line.mid(From, End - From);
    QStringView Id = Raw;
    while (Id.startsWith(u' '))
        Id = Id.mid(1);
    while (Id.endsWith(u' '))
        Id.chop(1);
    const QString Text = DecodeXmlReferences(Id.toString());
    QString Decoded;
    if (Line.contains(QLatin1String(HexDataIDMarker), Qt::CaseInsensitive) && HexDecodeUtf16(Text, Decoded))
        return Decoded;
    return Text;
}

bool NeedsHexDataID(QStringView DataID)
{
    return NeedsHexEncoding(DataID) || DataID.startsWith(u' ') || DataID.endsWith(u' ');
}

bool HeaderMatches(const QString& Line, const QString& DataID)
{
    if (!IsReplistHeaderLine(Line))
        return false;
    return DataID.isEmpty() || HeaderDataID(Line).compare(DataID, Qt::CaseInsensitive) == 0;
}

} // namespace vok::replist
