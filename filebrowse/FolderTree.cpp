#include <vok/Vok_FolderTree.h>
#include <vok/Vok_strings.h>

#include "FolderNames.h"

#include <QDir>

#include <memory>
#include <vector>

namespace vok {

namespace {
const QString RootText = QStringLiteral("/");
}

TFolderTree::TFolderTree(QWidget* AOwner)
    : TCustomTreeView(AOwner)
    , FColorBak(GetColor())
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    OnExpanding = [this](QObject* Sender, TTreeNode* Node, bool& Allow) { ProcessExpanding(Sender, Node, Allow); };
}

void TFolderTree::SetOldTreeStyle(bool Value) { FUseOldStyle = Value; }

// ---------------------------------------------------------------- building

TTreeNode* TFolderTree::BuildMainTree()
{
    GetItems().Clear();
    TTreeNode* Root = GetItems().AddChild(nullptr, RootText);
    return GetItems().AddChild(Root, QString::fromLatin1(PlaceholderText));
}

void TFolderTree::Reset()
{
    const QString Old = FDirectory;
    FDirectory = RootText;
    BuildMainTree();
    FullCollapse();
    if (FDirectory != Old)
        DirHasChanged();
}

void TFolderTree::CreateWnd()
{
    TCustomTreeView::CreateWnd();
    Reset();
}

QString TFolderTree::PathOfNode(const TTreeNode* Node) const
{
    QStringList Texts;
    for (; Node; Node = Node->GetParent())
        Texts.prepend(Node->GetText());
    QString Path;
    for (const QString& Text : Texts)
        Path = EnsureTrailingSeparator(Path + Text);
    return Path;
}

void TFolderTree::LoadDirNamesAndSort(const QString& Path, QList<TSubFolder>& List) const
{
    ListSubFolders(EnsureTrailingSeparator(Path), List, true);
    SortSubFolders(List);
}

bool TFolderTree::GetSubDirs(const QString& Path, QStringList& List) const
{
    if (!DirExists(Path))
        return false;
    QList<TSubFolder> Found;
    ListSubFolders(EnsureTrailingSeparator(Path), Found, false);
    SortSubFolders(Found);
    for (const TSubFolder& F : Found)
        List.append(F.Name);
    return !List.isEmpty();
}

bool TFolderTree::GetSubDirs(const TTreeNode* Node, QStringList& List) const
{
    return GetSubDirs(PathOfNode(Node), List);
}

void TFolderTree::ProcessExpanding(QObject*, TTreeNode* Node, bool& AllowExpansion)
{
    AllowExpansion = true;
    if (IsDesigning() || !Node || Node->GetData() == LoadedMarker)
        return;
    const TScreenCursorScope Hourglass(crHourGlass);
    QList<TSubFolder> Found;
    LoadDirNamesAndSort(PathOfNode(Node), Found);
    Node->DeleteChildren();
    if (Found.isEmpty())
        return;
    Node->SetData(LoadedMarker);
    // Built apart and placed in one step: thousands of subfolders open fast.
    std::vector<std::unique_ptr<TTreeNode>> Children;
    Children.reserve(size_t(Found.size()));
    for (const TSubFolder& F : Found) {
        Children.push_back(TTreeNodes::CreateNode(F.Name));
        if (F.HasSubFolders)
            GetItems().AddChild(Children.back().get(), QString::fromLatin1(PlaceholderText));
    }
    GetItems().AddChildren(Node, std::move(Children));
}

// ---------------------------------------------------------------- selection

void TFolderTree::Change(TTreeNode* Node)
{
    // Removing every node to rebuild the tree leaves no selection behind; Directory stays.
    if (!Node)
        return;
    if (OnClick)
        OnClick(this);
    const QString Old = FDirectory;
    FDirectory = PathOfNode(Node);
    TCustomTreeView::Change(Node);
    if (FDirectory != Old && FDirEventsHeld == 0)
        DirHasChanged();
}

void TFolderTree::DirHasChanged()
{
    if (OnDirChanged)
        OnDirChanged(this);
    emit dirChanged(FDirectory);
}

TTreeNode* TFolderTree::ChildFolder(const TTreeNode* Node, const QString& Name) const
{
    QStringList Names;
    Names.reserve(Node->GetCount());
    for (int I = 0; I < Node->GetCount(); ++I)
        Names.append(Node->GetItem(I)->GetText());
    const int Index = MatchFolderName(Names, Name);
    return Index < 0 ? nullptr : Node->GetItem(Index);
}

bool TFolderTree::SelectPath(const QString& Path)
{
    const QString Target = EnsureTrailingSeparator(Path);
    if (!DirExists(Target))
        return false;
    const QStringList Parts = QDir::cleanPath(QDir(Target).absolutePath()).split(u'/', Qt::SkipEmptyParts);

    BuildMainTree();
    TTreeNode* Node = GetItems().GetFirstNode();
    bool Allow = true;
    ProcessExpanding(this, Node, Allow);
    bool Found = true;
    for (const QString& Part : Parts) {
        TTreeNode* Child = ChildFolder(Node, Part);
        if (!Child) {
            Found = false;
            break;
        }
        Node = Child;
        ProcessExpanding(this, Node, Allow);
    }
    // The branch opens down to the selected node, which stays closed.
    for (TTreeNode* Ancestor = Node->GetParent(); Ancestor; Ancestor = Ancestor->GetParent())
        Ancestor->setExpanded(true);
    SetSelected(Node);
    scrollToItem(Node);
    SetFocus();
    return Found;
}

bool TFolderTree::RefreshTree()
{
    const QString Remembered = FDirectory;
    bool Selected = false;
    ++FDirEventsHeld;
    while (!FDirectory.isEmpty()) {
        if (SelectPath(FDirectory)) {
            Selected = true;
            break;
        }
        const QString Parent = ParentDir(FDirectory);
        FDirectory = Parent.isEmpty() ? Parent : EnsureTrailingSeparator(Parent);
    }
    --FDirEventsHeld;
    if (FDirectory != Remembered)
        DirHasChanged();
    return Selected;
}

bool TFolderTree::MakeSubFolder(const QString& Name)
{
    const TTreeNode* Node = GetSelected();
    QStringList Parts;
    if (!Node || !SplitSubFolderName(Name, Parts))
        return false;
    const QString Full = PathOfNode(Node) + Parts.join(u'/') + u'/';
    if (!QDir().mkpath(Full))
        return false;
    return SelectPath(Full);
}

bool TFolderTree::RemoveSelectedFolder()
{
    const TTreeNode* Node = GetSelected();
    if (!Node || !Node->GetParent())
        return false;
    const QString Parent = PathOfNode(Node->GetParent());
    if (!QDir().rmdir(PathOfNode(Node)))
        return false;
    SelectPath(Parent);
    return true;
}

// ---------------------------------------------------------------- color and enabled state

void TFolderTree::Loaded()
{
    TCustomTreeView::Loaded();
    if (GetColor() == clBlack)
        TCustomTreeView::SetColor(clWhite);
    FColorBak = GetColor();
    FullCollapse();
}

void TFolderTree::SetColor(TColor Value)
{
    FColorBak = Value;
    TCustomTreeView::SetColor(Value);
}

void TFolderTree::changeEvent(QEvent* Event)
{
    TCustomTreeView::changeEvent(Event);
    // Enabled and disabled by SetEnabled, setEnabled or a parent alike.
    if (Event->type() == QEvent::EnabledChange)
        TCustomTreeView::SetColor(isEnabled() ? FColorBak : clBtnFace);
}

} // namespace vok
