// Folder-name rules of the folder tree, apart from any widget: the order of
// subfolders, how a path component finds its folder, and which names may
// create folders below the selected one.
#pragma once

#include <vok/Vok_folders.h>
#include <vok/vok_export.h>

#include <QList>
#include <QString>
#include <QStringList>

namespace vok {

// Sorts by the lower-cased names, ascending; names equal that way keep
// their order.
VOK_EXPORT void SortSubFolders(QList<TSubFolder>& List);

// The index in Names of the folder Name: the one spelt exactly so, else the
// first that equals it ignoring case; -1 for none.
VOK_EXPORT int MatchFolderName(const QStringList& Names, const QString& Name);

// The folder chain a name asks to create below a folder: "\" and "/" both
// separate, leading and trailing separators are ignored ("/x/y/" gives x, y).
// False, with Parts untouched, for a name with a control character or one
// of " < > |, or with an empty, "." or ".." component (every new folder lies
// below the one it is made in).
VOK_EXPORT bool SplitSubFolderName(const QString& Name, QStringList& Parts);

} // namespace vok
