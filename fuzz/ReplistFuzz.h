// What the report-list harnesses share: a container with known contents to
// load into, and a comparable picture of everything a reader may change.
#pragma once

#include <vok/Vok_replist.h>

#include <QBuffer>
#include <QByteArray>

namespace vok::fuzz {

// Two columns (the second with check boxes), two rows, a name, a comment and
// a data identifier: a reader that fails must leave all of it.
inline void PrefillList(TRLData& List)
{
    List.SetNrOfColumns(2);
    List.SetNrOfRows(2);
    List.SetColName(1, QStringLiteral("Before"));
    List.SetColCheckMode(2, cmBox);
    List.SetElem(1, 1, QStringLiteral("old cell"));
    List.SetElemChecked(2, 2, true);
    List.SetCommonHeader(QStringLiteral("old header"));
    List.SetComment(QStringLiteral("old comment"));
    List.SetDataID(QStringLiteral("old"));
}

inline QByteArray ListMarkup(TRLData& List)
{
    QByteArray Out;
    QBuffer Buffer(&Out);
    Buffer.open(QIODevice::WriteOnly);
    List.WriteToXMLStream(Buffer, true, List.GetDataID());
    return Out;
}

// Everything a reader may change, as one comparable text.
inline QByteArray ListSnapshot(TRLData& List)
{
    return ListMarkup(List) + List.GetDataID().toUtf8() + '|' + QByteArray::number(List.GetLastSortColumn());
}

} // namespace vok::fuzz
