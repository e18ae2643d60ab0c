/// TFolderTree: a folder picker on the tree view. It shows the folders below
/// the file-system root "/", reads a folder's subfolders only when its node
/// first opens, keeps the path of the selected folder (Directory, always
/// ending in "/"), and selects a given path, creates subfolders, removes an
/// empty folder and refreshes itself.
///
/// Nodes hold one path component each: the root's text is "/", every other
/// node's text a folder name, so the node 2024 below data below the root
/// stands for "/data/2024/". A node whose subfolders are not read yet but
/// exist has one placeholder child "Child"; a node whose subfolders were read
/// carries LoadedMarker as its data and is not read again. Folder names sort
/// without regard to case; names beginning with "." are not shown. A folder
/// that cannot be read shows no children. \file
#pragma once

#include <vok/Vok_folders.h>
#include <vok/Vok_treeview.h>
#include <vok/vok_export.h>

#include <QStringList>

namespace vok {

/// A tree of the file system's folders that reads each level when it is opened.
class VOK_EXPORT TFolderTree : public TCustomTreeView
{
    Q_OBJECT
    /// Whether the tree is drawn with the classic dotted lines.
    Q_PROPERTY(bool OldTreeStyle READ GetOldTreeStyle WRITE SetOldTreeStyle RESET ResetOldTreeStyle)
    /// The selected folder; setting it opens the tree down to it.
    Q_PROPERTY(QString Directory READ GetDirectory NOTIFY dirChanged STORED false)

public:
    /// The data of a node whose subfolders have been read.
    static constexpr quintptr LoadedMarker = 0xA5F016ED;
    /// The text of the placeholder child.
    static constexpr const char* PlaceholderText = "Child";

    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TFolderTree(QWidget* AOwner = nullptr);

    /// The selected folder's path with a trailing "/".
    ///@{
    QString GetDirectory() const { return FDirectory; }
    ///@}

    /// The classic tree look (true) or the explorer look (false). This
    /// platform has no tree themes, so the setting is only kept.
    ///@{
    bool GetOldTreeStyle() const { return FUseOldStyle; }
    void SetOldTreeStyle(bool Value);
    ///@}

    /// Directory becomes "/", the tree is rebuilt and collapsed; OnDirChanged
    /// when Directory changed.
    void Reset();
    /// Removes every node and adds the root with its placeholder; returns the
    /// placeholder.
    TTreeNode* BuildMainTree();
    /// Rebuilds the tree along Path (with or without trailing "/", relative
    /// to the current directory unless it starts with "/") and selects its
    /// folder, which sets Directory and fires OnDirChanged when it changed.
    /// Each component goes to the folder spelt exactly so, else to one that
    /// equals it ignoring case. False, with nothing changed, when the folder
    /// does not exist; false also when it exists but has no node (a name
    /// beginning with "."): then its nearest shown ancestor is selected.
    bool SelectPath(const QString& Path);
    /// Selects Directory again after the file system changed: when it is gone,
    /// its nearest existing ancestor. OnDirChanged once when Directory ends
    /// different. False when nothing could be selected.
    bool RefreshTree();
    /// Creates Name below the selected folder ("x/y" makes a chain) and
    /// selects it. False without a selection, for a refused name (see
    /// SplitSubFolderName) or when the folder cannot be created.
    bool MakeSubFolder(const QString& Name);
    /// Removes the selected folder when it is empty and selects its parent.
    /// False without a selection, for the root, or when removing fails.
    bool RemoveSelectedFolder();
    /// The folder path a node stands for, with a trailing "/" ("" for nullptr).
    QString PathOfNode(const TTreeNode* Node) const;
    /// Appends the sorted subfolder names of Path (of Node) to List. False
    /// when the folder does not exist (List untouched); otherwise whether
    /// List is not empty.
    ///@{
    bool GetSubDirs(const QString& Path, QStringList& List) const;
    bool GetSubDirs(const TTreeNode* Node, QStringList& List) const;
    ///@}
    /// Appends the subfolders of Path, each with whether it has subfolders,
    /// and sorts the list (SortSubFolders).
    void LoadDirNamesAndSort(const QString& Path, QList<TSubFolder>& List) const;
    /// The expanding handler: reads the node's subfolders the first time,
    /// with the hourglass showing. Expansion is always allowed.
    void ProcessExpanding(QObject* Sender, TTreeNode* Node, bool& AllowExpansion);

    /// OnClick, then Directory follows the selected node, OnChange, and
    /// OnDirChanged when Directory changed.
    void Change(TTreeNode* Node) override;
    /// The first show: Reset.
    void CreateWnd() override;
    /// A black Color from a form becomes white; the color is kept as the
    /// enabled color; the tree is collapsed.
    void Loaded() override;
    /// The color shown while enabled; while disabled the tree shows the
    /// button face.
    void SetColor(TColor Value) override;
    /// Fires OnDirChanged and dirChanged().
    void DirHasChanged();

    TNotifyEvent OnDirChanged; ///< Fired when the selected folder (Directory) changes.

signals:
    void dirChanged(const QString& Directory); ///< Emitted with OnDirChanged, with the new Directory.

protected:
    void changeEvent(QEvent* Event) override;

private:
    void ResetOldTreeStyle() { SetOldTreeStyle(true); }
    /// The child of Node that folder Name selects, nullptr for none.
    TTreeNode* ChildFolder(const TTreeNode* Node, const QString& Name) const;

    QString FDirectory;
    TColor FColorBak;
    bool FUseOldStyle = true;
    int FDirEventsHeld = 0; ///< RefreshTree reports one change at its end
};

} // namespace vok
