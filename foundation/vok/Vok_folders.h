/// Folder search of the base library: the subfolders of a folder, read with
/// one pass over the directory (no per-entry status call where the file
/// system reports entry types). Names beginning with "." are left out, as
/// are "." and "..". \file
#pragma once

#include <vok/vok_export.h>

#include <QList>
#include <QString>

namespace vok {

/// A subfolder as a folder listing gives it.
struct TSubFolder
{
    QString Name; ///< The folder's name, without its path.
    bool HasSubFolders = false; ///< filled in only when asked for
};

/// Appends the subfolders of Path (symbolic links to folders count) in the
/// order the directory holds them; with Probe, each one's HasSubFolders tells
/// whether it has a subfolder itself (on file systems that count subfolders
/// in a folder's link count, as ext4, xfs and tmpfs do, a folder whose only
/// subfolders are symbolic links counts as having none). False, and List
/// untouched, when Path cannot be read.
VOK_EXPORT bool ListSubFolders(const QString& Path, QList<TSubFolder>& List, bool Probe);

} // namespace vok
