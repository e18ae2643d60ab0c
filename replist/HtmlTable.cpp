#include "HtmlTable.h"

namespace vok::replist {

QString HtmlEscaped(QStringView Text)
{
    QString Result;
    Result.reserve(Text.size());
    for (const QChar C : Text) {
        switch (C.unicode()) {
        case u'&': Result += QLatin1String("&amp;"); break;
        case u'<': Result += QLatin1String("&lt;"); break;
        case u'>': Result += QLatin1String("&gt;"); break;
        case u'"': Result += QLatin1String("&quot;"); break;
        case u'\'': Result += QLatin1String("&#39;"); break;
        default: Result += C;
        }
    }
    return Result;
}

void HtmlTableWriter::BeginDocument(const HtmlTableLayout& Layout)
{
    const QByteArray Border = QByteArray::number(qMax(0, Layout.Border));
    FOut += "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>";
    FOut += HtmlEscaped(Layout.Title.isEmpty() ? QStringLiteral("Report list") : Layout.Title).toUtf8();
    FOut += "</title>\n<style>\ntable { border-collapse: separate; border-spacing: ";
    FOut += QByteArray::number(qMax(0, Layout.CellSpacing));
    FOut += "px; border: ";
    FOut += Border;
    FOut += "px solid; }\nth, td { padding: ";
    FOut += QByteArray::number(qMax(0, Layout.CellPadding));
    FOut += "px; border: ";
    FOut += Border;
    FOut += "px solid; }\n</style>\n</head>\n<body>\n<table";
    if (!Layout.TableClass.isEmpty())
        FOut += " class=\"" + HtmlEscaped(Layout.TableClass).toUtf8() + '"';
    FOut += ">\n";
}

void HtmlTableWriter::BeginHeader()
{
    FOut += "<thead>\n";
}

void HtmlTableWriter::EndHeader()
{
    FOut += "</thead>\n";
}

void HtmlTableWriter::BeginBody()
{
    FOut += "<tbody>\n";
    FInBody = true;
}

void HtmlTableWriter::BeginRow()
{
    FOut += "<tr>";
}

void HtmlTableWriter::HeaderCell(const QString& Text, const QString& Class)
{
    WriteCell("th", Text, Class);
}

void HtmlTableWriter::Cell(const QString& Text, const QString& Class)
{
    WriteCell("td", Text, Class);
}

void HtmlTableWriter::EndRow()
{
    FOut += "</tr>\n";
}

void HtmlTableWriter::EndDocument()
{
    if (FInBody)
        FOut += "</tbody>\n";
    FOut += "</table>\n</body>\n</html>\n";
}

void HtmlTableWriter::WriteCell(const char* Element, const QString& Text, const QString& Class)
{
    FOut += '<';
    FOut += Element;
    if (!Class.isEmpty())
        FOut += " class=\"" + HtmlEscaped(Class).toUtf8() + '"';
    FOut += '>';
    FOut += HtmlEscaped(Text).toUtf8();
    FOut += "</";
    FOut += Element;
    FOut += '>';
}

} // namespace vok::replist
