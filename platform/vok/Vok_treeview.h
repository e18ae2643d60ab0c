/// A tree view on QTreeWidget with the classic node interface: nodes carry a
/// text and a pointer-sized data value, and an expanding handler runs before a
/// node opens (it may fill in the children, or refuse). \file
#pragma once

#include <vok/Vok_controls.h>

#include <QTreeWidget>

#include <memory>
#include <vector>

namespace vok {

class TCustomTreeView;

/// A node of a tree view: its text, a number for the host and its children.
class VOK_EXPORT TTreeNode : public QTreeWidgetItem
{
public:
    /// The text shown.
    ///@{
    QString GetText() const { return text(0); }
    void SetText(const QString& Value) { setText(0, Value); }
    ///@}
    /// A number for the host's own use.
    ///@{
    quintptr GetData() const { return FData; }
    void SetData(quintptr Value) { FData = Value; }
    ///@}

    TCustomTreeView* GetTreeView() const; ///< The tree view the node belongs to.
    TTreeNode* GetParent() const { return static_cast<TTreeNode*>(parent()); } ///< The parent node; nullptr at the top level.
    int GetCount() const { return childCount(); } ///< The number of children.
    TTreeNode* GetItem(int Index) const { return static_cast<TTreeNode*>(child(Index)); } ///< Child Index; nullptr outside.
    bool GetHasChildren() const { return childCount() > 0; } ///< Whether the node has children.
    TTreeNode* GetFirstChild() const { return GetItem(0); } ///< The first child; nullptr for none.
    /// The next node with the same parent; nullptr for the last.
    TTreeNode* GetNextSibling() const;
    /// 0 for a top-level node.
    int GetLevel() const;
    /// The position among its siblings.
    int GetIndex() const;
    /// The position in the whole tree, parents before their children.
    int GetAbsoluteIndex() const;

    bool GetExpanded() const { return isExpanded(); } ///< Whether the children show.
    /// Expanding asks the tree view's CanExpand first.
    void SetExpanded(bool Value);
    void Expand(bool Recurse); ///< Shows the children (and theirs, with Recurse).
    void Collapse(bool Recurse); ///< Hides the children (and collapses theirs, with Recurse).
    /// Whether the node is the selected one.
    ///@{
    bool GetSelected() const;
    void SetSelected(bool Value);
    ///@}

    /// Deletes the children; Delete() deletes the node itself (and ends this object).
    void DeleteChildren();
    void Delete() { delete this; } ///< Deletes the node and its children.

private:
    friend class TTreeNodes;
    TTreeNode() = default;
    quintptr FData = 0;
};

/// The nodes of a tree view (the classic Items).
class VOK_EXPORT TTreeNodes
{
public:
    /// The nodes of Owner.
    explicit TTreeNodes(TCustomTreeView* Owner)
        : FOwner(Owner)
    {
    }

    /// A node after the last sibling of Sibling (top level for nullptr).
    TTreeNode* Add(TTreeNode* Sibling, const QString& Text);
    /// A node before the first sibling of Sibling.
    TTreeNode* AddFirst(TTreeNode* Sibling, const QString& Text);
    /// The last (first) child of Parent (top level for nullptr).
    ///@{
    TTreeNode* AddChild(TTreeNode* Parent, const QString& Text);
    TTreeNode* AddChildFirst(TTreeNode* Parent, const QString& Text);
    ///@}
    /// A node just before Sibling (at the end of the top level for nullptr).
    TTreeNode* Insert(TTreeNode* Sibling, const QString& Text);
    /// A node outside any tree. It may be given children (AddChild works on
    /// it) before AddChildren places it: a large branch built apart and placed
    /// in one step opens far faster than one added node by node.
    static std::unique_ptr<TTreeNode> CreateNode(const QString& Text);
    /// Places Nodes after the last child of Parent (top level for nullptr), in order.
    void AddChildren(TTreeNode* Parent, std::vector<std::unique_ptr<TTreeNode>> Nodes);
    void Clear(); ///< Deletes every node.

    /// Every node of the tree, in absolute order (parents before children).
    ///@{
    int GetCount() const;
    TTreeNode* GetItem(int Index) const;
    TTreeNode* GetFirstNode() const;
    ///@}

private:
    TTreeNode* Place(TTreeNode* Parent, int Index, const QString& Text);

    TCustomTreeView* FOwner;
};

/// AllowExpansion starts true; a handler clears it to keep the node closed.
///@{
using TTVExpandingEvent = std::function<void(QObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVChangedEvent = std::function<void(QObject* Sender, TTreeNode* Node)>;
///@}

/// A tree view of TTreeNode with lazy expansion through CanExpand and OnExpanding.
class VOK_EXPORT TCustomTreeView : public TControlOn<QTreeWidget>
{
    Q_OBJECT
    /// Background color ($00BBGGRR or a system color).
    Q_PROPERTY(quint32 Color READ GetColor WRITE SetColor)
public:
    /// 121 by 97 pixels, white, tab stop, buttons, lines and root shown.
    explicit TCustomTreeView(QWidget* AOwner = nullptr);

    TTreeNodes& GetItems() { return FItems; } ///< The nodes.
    /// The selected node; nullptr for none.
    TTreeNode* GetSelected() const { return static_cast<TTreeNode*>(currentItem()); }
    /// Selecting runs Change.
    void SetSelected(TTreeNode* Node);

    /// Whether nodes with children show an expand button.
    ///@{
    bool GetShowButtons() const { return FShowButtons; }
    void SetShowButtons(bool Value);
    ///@}
    /// Whether lines join the nodes.
    ///@{
    bool GetShowLines() const { return FShowLines; }
    void SetShowLines(bool Value) { FShowLines = Value; }
    ///@}
    /// Whether the top-level nodes show lines and buttons too.
    ///@{
    bool GetShowRoot() const { return rootIsDecorated(); }
    void SetShowRoot(bool Value) { setRootIsDecorated(Value); }
    ///@}

    void FullExpand(); ///< Expands every node.
    void FullCollapse(); ///< Collapses every node.

    /// Runs before Node opens, whether by the user or by code; fires
    /// OnExpanding. False keeps the node closed.
    virtual bool CanExpand(TTreeNode* Node);
    /// Runs after the selected node changed; fires OnChange.
    virtual void Change(TTreeNode* Node);

    TTVExpandingEvent OnExpanding; ///< Asked before a node expands; the handler may refuse.
    TTVChangedEvent OnChange; ///< Fired when the selected node changes.

Q_SIGNALS:
    void changed(vok::TTreeNode* Node); ///< Emitted with OnChange.

protected:
    void ColorChanged() override;

private:
    friend class TTreeNode;
    /// Expands Node when CanExpand allows it.
    void ExpandNode(TTreeNode* Node);

    TTreeNodes FItems;
    bool FShowButtons = true;
    bool FShowLines = true;
    TTreeNode* FExpandingNode = nullptr; ///< opened by code after CanExpand allowed it
};

class VOK_EXPORT TTreeView : public TCustomTreeView
{
    Q_OBJECT
public:
    using TCustomTreeView::TCustomTreeView;
};

} // namespace vok
