// A tree view on QTreeWidget with the classic node interface: nodes carry a
// text and a pointer-sized data value, and an expanding handler runs before a
// node opens (it may fill in the children, or refuse).
#pragma once

#include <vok/Vok_controls.h>

#include <QTreeWidget>

#include <memory>
#include <vector>

namespace vok {

class TCustomTreeView;

class VOK_EXPORT TTreeNode : public QTreeWidgetItem
{
public:
    QString GetText() const { return text(0); }
    void SetText(const QString& Value) { setText(0, Value); }
    quintptr GetData() const { return FData; }
    void SetData(quintptr Value) { FData = Value; }

    TCustomTreeView* GetTreeView() const;
    TTreeNode* GetParent() const { return static_cast<TTreeNode*>(parent()); }
    int GetCount() const { return childCount(); }
    TTreeNode* GetItem(int Index) const { return static_cast<TTreeNode*>(child(Index)); }
    bool GetHasChildren() const { return childCount() > 0; }
    TTreeNode* GetFirstChild() const { return GetItem(0); }
    // The next node with the same parent; nullptr for the last.
    TTreeNode* GetNextSibling() const;
    // 0 for a top-level node.
    int GetLevel() const;
    // The position among its siblings.
    int GetIndex() const;
    // The position in the whole tree, parents before their children.
    int GetAbsoluteIndex() const;

    bool GetExpanded() const { return isExpanded(); }
    // Expanding asks the tree view's CanExpand first.
    void SetExpanded(bool Value);
    void Expand(bool Recurse);
    void Collapse(bool Recurse);
    bool GetSelected() const;
    void SetSelected(bool Value);

    // Deletes the children; Delete() deletes the node itself (and ends this object).
    void DeleteChildren();
    void Delete() { delete this; }

private:
    friend class TTreeNodes;
    TTreeNode() = default;
    quintptr FData = 0;
};

// The nodes of a tree view (the classic Items).
class VOK_EXPORT TTreeNodes
{
public:
    explicit TTreeNodes(TCustomTreeView* Owner)
        : FOwner(Owner)
    {
    }

    // A node after the last sibling of Sibling (top level for nullptr).
    TTreeNode* Add(TTreeNode* Sibling, const QString& Text);
    // A node before the first sibling of Sibling.
    TTreeNode* AddFirst(TTreeNode* Sibling, const QString& Text);
    // The last (first) child of Parent (top level for nullptr).
    TTreeNode* AddChild(TTreeNode* Parent, const QString& Text);
    TTreeNode* AddChildFirst(TTreeNode* Parent, const QString& Text);
    // A node just before Sibling (at the end of the top level for nullptr).
    TTreeNode* Insert(TTreeNode* Sibling, const QString& Text);
    // A node outside any tree. It may be given children (AddChild works on
    // it) before AddChildren places it: a large branch built apart and placed
    // in one step opens far faster than one added node by node.
    static std::unique_ptr<TTreeNode> CreateNode(const QString& Text);
    // Places Nodes after the last child of Parent (top level for nullptr), in order.
    void AddChildren(TTreeNode* Parent, std::vector<std::unique_ptr<TTreeNode>> Nodes);
    void Clear();

    // Every node of the tree, in absolute order (parents before children).
    int GetCount() const;
    TTreeNode* GetItem(int Index) const;
    TTreeNode* GetFirstNode() const;

private:
    TTreeNode* Place(TTreeNode* Parent, int Index, const QString& Text);

    TCustomTreeView* FOwner;
};

// AllowExpansion starts true; a handler clears it to keep the node closed.
using TTVExpandingEvent = std::function<void(QObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVChangedEvent = std::function<void(QObject* Sender, TTreeNode* Node)>;

class VOK_EXPORT TCustomTreeView : public TControlOn<QTreeWidget>
{
    Q_OBJECT
    Q_PROPERTY(quint32 Color READ GetColor WRITE SetColor)
public:
    // 121 by 97 pixels, white, tab stop, buttons, lines and root shown.
    explicit TCustomTreeView(QWidget* AOwner = nullptr);

    TTreeNodes& GetItems() { return FItems; }
    TTreeNode* GetSelected() const { return static_cast<TTreeNode*>(currentItem()); }
    // Selecting runs Change.
    void SetSelected(TTreeNode* Node);

    bool GetShowButtons() const { return FShowButtons; }
    void SetShowButtons(bool Value);
    bool GetShowLines() const { return FShowLines; }
    void SetShowLines(bool Value) { FShowLines = Value; }
    bool GetShowRoot() const { return rootIsDecorated(); }
    void SetShowRoot(bool Value) { setRootIsDecorated(Value); }

    void FullExpand();
    void FullCollapse();

    // Runs before Node opens, whether by the user or by code; fires
    // OnExpanding. False keeps the node closed.
    virtual bool CanExpand(TTreeNode* Node);
    // Runs after the selected node changed; fires OnChange.
    virtual void Change(TTreeNode* Node);

    TTVExpandingEvent OnExpanding;
    TTVChangedEvent OnChange;

protected:
    void ColorChanged() override;

private:
    friend class TTreeNode;
    // Expands Node when CanExpand allows it.
    void ExpandNode(TTreeNode* Node);

    TTreeNodes FItems;
    bool FShowButtons = true;
    bool FShowLines = true;
    TTreeNode* FExpandingNode = nullptr; // opened by code after CanExpand allowed it
};

class VOK_EXPORT TTreeView : public TCustomTreeView
{
    Q_OBJECT
public:
    using TCustomTreeView::TCustomTreeView;
};

} // namespace vok
