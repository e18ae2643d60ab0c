#include <vok/Vok_treeview.h>

#include <QTreeWidgetItemIterator>

namespace vok {

// ---------------------------------------------------------------- TTreeNode

TCustomTreeView* TTreeNode::GetTreeView() const { return static_cast<TCustomTreeView*>(treeWidget()); }

TTreeNode* TTreeNode::GetNextSibling() const
{
    const int Next = GetIndex() + 1;
    if (parent())
        return static_cast<TTreeNode*>(parent()->child(Next));
    return treeWidget() ? static_cast<TTreeNode*>(treeWidget()->topLevelItem(Next)) : nullptr;
}

int TTreeNode::GetLevel() const
{
    int Level = 0;
    for (const QTreeWidgetItem* P = parent(); P; P = P->parent())
        ++Level;
    return Level;
}

int TTreeNode::GetIndex() const
{
    if (parent())
        return parent()->indexOfChild(const_cast<TTreeNode*>(this));
    return treeWidget() ? treeWidget()->indexOfTopLevelItem(const_cast<TTreeNode*>(this)) : -1;
}

int TTreeNode::GetAbsoluteIndex() const
{
    if (!treeWidget())
        return -1;
    int Index = 0;
    for (QTreeWidgetItemIterator It(treeWidget()); *It; ++It, ++Index) {
        if (*It == this)
            return Index;
    }
    return -1;
}

void TTreeNode::SetExpanded(bool Value)
{
    if (Value == isExpanded())
        return;
    if (!Value)
        setExpanded(false);
    else if (GetTreeView())
        GetTreeView()->ExpandNode(this);
}

void TTreeNode::Expand(bool Recurse)
{
    SetExpanded(true);
    if (!Recurse)
        return;
    // The handler may replace the children while they open: walk by index.
    for (int I = 0; I < GetCount(); ++I)
        GetItem(I)->Expand(true);
}

void TTreeNode::Collapse(bool Recurse)
{
    setExpanded(false);
    if (!Recurse)
        return;
    for (int I = 0; I < GetCount(); ++I)
        GetItem(I)->Collapse(true);
}

bool TTreeNode::GetSelected() const { return treeWidget() && treeWidget()->currentItem() == this; }

void TTreeNode::SetSelected(bool Value)
{
    if (!GetTreeView())
        return;
    if (Value)
        GetTreeView()->SetSelected(this);
    else if (GetSelected())
        GetTreeView()->SetSelected(nullptr);
}

void TTreeNode::DeleteChildren() { qDeleteAll(takeChildren()); }

// ---------------------------------------------------------------- TTreeNodes

TTreeNode* TTreeNodes::Place(TTreeNode* Parent, int Index, const QString& Text)
{
    auto* Node = new TTreeNode;
    Node->SetText(Text);
    if (Parent)
        Parent->insertChild(Index < 0 ? Parent->childCount() : Index, Node);
    else
        FOwner->insertTopLevelItem(Index < 0 ? FOwner->topLevelItemCount() : Index, Node);
    return Node;
}

TTreeNode* TTreeNodes::Add(TTreeNode* Sibling, const QString& Text)
{
    return Place(Sibling ? Sibling->GetParent() : nullptr, -1, Text);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* Sibling, const QString& Text)
{
    return Place(Sibling ? Sibling->GetParent() : nullptr, 0, Text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* Parent, const QString& Text) { return Place(Parent, -1, Text); }

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* Parent, const QString& Text) { return Place(Parent, 0, Text); }

TTreeNode* TTreeNodes::Insert(TTreeNode* Sibling, const QString& Text)
{
    if (!Sibling)
        return Place(nullptr, -1, Text);
    return Place(Sibling->GetParent(), Sibling->GetIndex(), Text);
}

std::unique_ptr<TTreeNode> TTreeNodes::CreateNode(const QString& Text)
{
    std::unique_ptr<TTreeNode> Node(new TTreeNode);
    Node->SetText(Text);
    return Node;
}

void TTreeNodes::AddChildren(TTreeNode* Parent, std::vector<std::unique_ptr<TTreeNode>> Nodes)
{
    QList<QTreeWidgetItem*> Items;
    Items.reserve(qsizetype(Nodes.size()));
    for (std::unique_ptr<TTreeNode>& Node : Nodes)
        Items.append(Node.release());
    if (Parent)
        Parent->addChildren(Items);
    else
        FOwner->addTopLevelItems(Items);
}

void TTreeNodes::Clear() { FOwner->clear(); }

int TTreeNodes::GetCount() const
{
    int Count = 0;
    for (QTreeWidgetItemIterator It(FOwner); *It; ++It)
        ++Count;
    return Count;
}

TTreeNode* TTreeNodes::GetItem(int Index) const
{
    if (Index < 0)
        return nullptr;
    QTreeWidgetItemIterator It(FOwner);
    for (int I = 0; *It && I < Index; ++I)
        ++It;
    return static_cast<TTreeNode*>(*It);
}

TTreeNode* TTreeNodes::GetFirstNode() const { return static_cast<TTreeNode*>(FOwner->topLevelItem(0)); }

// ---------------------------------------------------------------- TCustomTreeView

TCustomTreeView::TCustomTreeView(QWidget* AOwner)
    : TControlOn<QTreeWidget>(AOwner)
    , FItems(this)
{
    setHeaderHidden(true);
    setColumnCount(1);
    SetBounds(0, 0, 121, 97);
    SetColor(clWindow);
    SetTabStop(true);
    // The user opened a node (button, key, double click): ask first, close again when refused.
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* Item) {
        if (Item != FExpandingNode && !CanExpand(static_cast<TTreeNode*>(Item)))
            Item->setExpanded(false);
    });
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* Current) { Change(static_cast<TTreeNode*>(Current)); });
}

void TCustomTreeView::SetSelected(TTreeNode* Node) { setCurrentItem(Node); }

void TCustomTreeView::SetShowButtons(bool Value)
{
    FShowButtons = Value;
    setItemsExpandable(Value);
}

void TCustomTreeView::FullExpand()
{
    for (int I = 0; I < topLevelItemCount(); ++I)
        static_cast<TTreeNode*>(topLevelItem(I))->Expand(true);
}

void TCustomTreeView::FullCollapse() { collapseAll(); }

bool TCustomTreeView::CanExpand(TTreeNode* Node)
{
    bool Allow = true;
    if (OnExpanding)
        OnExpanding(this, Node, Allow);
    return Allow;
}

void TCustomTreeView::Change(TTreeNode* Node)
{
    if (OnChange)
        OnChange(this, Node);
}

void TCustomTreeView::ExpandNode(TTreeNode* Node)
{
    if (!CanExpand(Node))
        return;
    // Asked already: the expansion signal must not ask again.
    TTreeNode* const Outer = FExpandingNode;
    FExpandingNode = Node;
    Node->setExpanded(true);
    FExpandingNode = Outer;
}

void TCustomTreeView::ColorChanged() { ApplyColorToPalette(QPalette::Base); }

} // namespace vok
