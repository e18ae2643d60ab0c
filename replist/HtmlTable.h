// Writes an HTML5 document holding one table; every text is escaped.
#pragma once

#include <vok/vok_export.h>

#include <QByteArray>
#include <QString>

namespace vok::replist {

// Text with & < > " ' written as character references.
VOK_EXPORT QString HtmlEscaped(QStringView Text);

struct HtmlTableLayout
{
    QString Title;
    int Border = 0;      // pixel width of the cell and table lines, 0 = none
    int CellSpacing = 0; // pixels between cells
    int CellPadding = 0; // pixels between a cell's line and its text
    QString TableClass;
};

class VOK_EXPORT HtmlTableWriter
{
public:
    explicit HtmlTableWriter(QByteArray& Out)
        : FOut(Out)
    {
    }

    void BeginDocument(const HtmlTableLayout& Layout);
    void BeginHeader();
    void EndHeader();
    void BeginBody();
    void BeginRow();
    void HeaderCell(const QString& Text, const QString& Class);
    void Cell(const QString& Text, const QString& Class);
    void EndRow();
    void EndDocument();

private:
    void WriteCell(const char* Element, const QString& Text, const QString& Class);
    QByteArray& FOut;
    bool FInBody = false;
};

} // namespace vok::replist
