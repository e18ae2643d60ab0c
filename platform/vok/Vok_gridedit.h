/// The in-place editors of the grid controls: TInplaceEdit, a line edit laid
/// over the current cell, and TInplaceEditList, which is a pick list for cells
/// whose edit style is esPickList: a drop-down button opens a list of items
/// that are asked for each time it drops down. \file
#pragma once

#include <vok/Vok_gridtypes.h>
#include <vok/Vok_stdctrls.h>

class QListWidget;

namespace vok {

class TCustomGrid;

/// The editor a grid opens on a cell to edit its text in place.
class VOK_EXPORT TInplaceEdit : public TCustomEdit
{
    Q_OBJECT
public:
    explicit TInplaceEdit(TCustomGrid* AGrid); ///< An editor for AGrid, which owns it.

    TCustomGrid* GetGrid() const { return FGrid; } ///< The grid the editor belongs to.
    /// Loads the cell's text (GetEditText) and edit style, all text selected,
    /// nothing changed yet.
    virtual void UpdateContents();
    /// Back to the cell's text, as Escape does.
    void Reset();

    /// Up, Down, Page Up/Down (and Tab with goTabs) go to the grid, which
    /// moves on; Enter and Escape go to the grid's KeyPress, which stores or
    /// leaves the cell.
    ///@{
    void KeyDown(quint16& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void DoExit() override;
    ///@}

private:
    TCustomGrid* FGrid;
};

/// An in-place editor that can also offer a pick list of values.
class VOK_EXPORT TInplaceEditList : public TInplaceEdit
{
    Q_OBJECT
public:
    explicit TInplaceEditList(TCustomGrid* AGrid); ///< An editor for AGrid, which owns it.
    ~TInplaceEditList() override;

    TEditStyle GetEditStyle() const { return FEditStyle; } ///< The current cell's edit style.
    /// Rows the list shows before it scrolls (at least 1).
    ///@{
    int GetDropDownRows() const { return FDropDownRows; }
    void SetDropDownRows(int Value);
    ///@}
    /// Fills the list each time it drops down.
    TOnGetPickListItems OnGetPickListItems;

    /// Opens the list under the editor (pick-list style only), filled through
    /// OnGetPickListItems, with the item equal to the text selected.
    void DropDown();
    /// Closes the list; with Accept the selected item becomes the text.
    void CloseUp(bool Accept);
    bool GetListVisible() const; ///< Whether the pick list is open.
    QListWidget* GetPickList() const { return FPickList; } ///< The pick list widget.
    QStringList GetPickListItems() const; ///< The items of the pick list.

    void UpdateContents() override;
    /// Hiding the editor closes its list.
    void setVisible(bool Visible) override;
    /// Alt+Down and F4 open and close the list.
    void KeyDown(quint16& Key, TShiftState Shift) override;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    TEditStyle FEditStyle = esSimple;
    int FDropDownRows = 7;
    QListWidget* FPickList;
    QAction* FDropButton;
};

} // namespace vok
