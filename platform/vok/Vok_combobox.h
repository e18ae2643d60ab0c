/// The combo box, plain or drawn by its host, on its own so that a component
/// deriving from it does not pull in the edit or the speed button. \file
#pragma once

#include <vok/Vok_controls.h>
#include <vok/Vok_labels.h>

#include <QComboBox>

namespace vok {

/// The state of an item the host draws: selected, focused, disabled, the edit field.
enum TOwnerDrawStateFlag { odSelected = 0x01, odFocused = 0x02, odDisabled = 0x04, odComboBoxEdit = 0x08 };
/// Set of TOwnerDrawStateFlag.
Q_DECLARE_FLAGS(TOwnerDrawState, TOwnerDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TOwnerDrawState)

class TCustomComboBox;
/// Draws item Index into Rect on the combo box's canvas.
using TDrawItemEvent = std::function<void(QObject* Sender, int Index, TRect Rect, TOwnerDrawState State)>;

/// A combo box on QComboBox. With an owner-drawn style every item (and the
/// selected one in the closed box) is drawn by DrawItem on GetCanvas(), an
/// ItemHeight-high picture of the item whose top-left is (0, 0).
class VOK_EXPORT TCustomComboBox : public TControlOn<QComboBox>
{
    Q_OBJECT
    /// Index of the selected item; -1 for none.
    Q_PROPERTY(int ItemIndex READ GetItemIndex WRITE SetItemIndex NOTIFY itemIndexChanged)
    /// Number of items the opened list shows without scrolling.
    Q_PROPERTY(int DropDownCount READ GetDropDownCount WRITE SetDropDownCount)
    /// The text of the edit field.
    Q_PROPERTY(QString Text READ GetText WRITE SetText NOTIFY textChanged)
    /// A number for the host's own use.
    Q_PROPERTY(qlonglong Tag READ GetTag WRITE SetTag)
public:
    /// 145 by 21 pixels, csDropDown, 8 rows in the list, tab stop.
    explicit TCustomComboBox(QWidget* AOwner = nullptr);

    /// The kind of combo box.
    ///@{
    TComboBoxStyle GetStyle() const { return FStyle; }
    void SetStyle(TComboBoxStyle Value);
    ///@}

    /// The items of the list.
    ///@{
    QStringList GetItems() const;
    void SetItems(const QStringList& Value);
    ///@}
    int AddItem(const QString& Text); ///< Appends an item; returns its index.
    void ClearItems() { clear(); } ///< Removes every item.
    int GetItemCount() const { return count(); } ///< The number of items.
    QString GetItem(int Index) const { return itemText(Index); } ///< The text of item Index; "" outside the list.

    /// -1: no item.
    ///@{
    int GetItemIndex() const { return currentIndex(); }
    void SetItemIndex(int Value);
    ///@}
    /// The edit text (csDropDown) or the selected item's text.
    ///@{
    QString GetText() const { return currentText(); }
    void SetText(const QString& Value);
    ///@}

    /// Number of items the opened list shows without scrolling.
    ///@{
    int GetDropDownCount() const { return maxVisibleItems(); }
    void SetDropDownCount(int Value) { setMaxVisibleItems(Value); }
    ///@}
    /// The height of owner-drawn items (at least 1).
    ///@{
    int GetItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value);
    ///@}

    /// The picture of the item being drawn.
    TCanvas* GetCanvas() const { return FItemCanvas; }

    /// Whether the list is open.
    ///@{
    bool GetDroppedDown() const;
    void SetDroppedDown(bool Value);
    ///@}

    /// Runs just before the list drops down; fires OnDropDown.
    virtual void DropDown();
    /// Runs when the user picked an item or edited the text; fires OnChange.
    virtual void Change();
    /// Draws item Index; the default fires OnDrawItem, or without a handler
    /// fills Rect and writes the item's text.
    virtual void DrawItem(int Index, TRect Rect, TOwnerDrawState State);
    /// Renders item Index as DrawItem draws it, at the given width, at the
    /// control's device pixel ratio.
    QImage RenderItem(int Index, int Width, TOwnerDrawState State);

    void showPopup() override; ///< Qt's showPopup, which fires OnDropDown first.

    TNotifyEvent OnDropDown; ///< Fired before the list opens.
    TNotifyEvent OnChange; ///< Fired when the text or the selected item changes.
    TDrawItemEvent OnDrawItem; ///< Draws an item of an owner-drawn list.

Q_SIGNALS:
    void changed(); ///< Emitted with OnChange.
    void droppedDown(); ///< Emitted with OnDropDown.
    void itemIndexChanged(int ItemIndex); ///< Emitted when ItemIndex changes.
    void textChanged(const QString& Text); ///< Emitted when Text changes.

protected:
    void paintEvent(QPaintEvent* Event) override;
    void ColorChanged() override;

private:
    bool IsOwnerDrawn() const { return FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable; }

    TComboBoxStyle FStyle = csDropDown;
    int FItemHeight = 16;
    QImage FItemPicture;
    TCanvas* FItemCanvas;
    bool FChangingInternally = false;
};

class VOK_EXPORT TComboBox : public TCustomComboBox
{
    Q_OBJECT
public:
    using TCustomComboBox::TCustomComboBox;
};

} // namespace vok
