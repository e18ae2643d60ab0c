/// Popup menus: a TPopupMenu holds a tree of TMenuItems (caption, name,
/// enabled, checked, glyph, submenus) and opens at a screen point. The Qt
/// menu underneath is built from the items each time the menu opens, so a
/// host may change items, glyphs and captions up to the last moment
/// (OnPopup runs just before). \file
#pragma once

#include <vok/Vok_bitmap.h>
#include <vok/Vok_components.h>
#include <vok/Vok_geometry.h>

#include <QMenu>

#include <memory>

namespace vok {

/// An item of a popup menu, with a caption, check mark, glyph and submenu.
class VOK_EXPORT TMenuItem : public TComponent
{
    Q_OBJECT
public:
    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TMenuItem(QObject* AOwner = nullptr);
    ~TMenuItem() override;

    /// "-" makes the item a separator; "&" marks the access key.
    ///@{
    QString GetCaption() const { return FCaption; }
    void SetCaption(const QString& Value) { FCaption = Value; }
    ///@}
    /// Whether the item can be chosen.
    ///@{
    bool GetEnabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    ///@}
    /// Whether the item shows a check mark.
    ///@{
    bool GetChecked() const { return FChecked; }
    void SetChecked(bool Value) { FChecked = Value; }
    ///@}
    /// Whether the item is shown.
    ///@{
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    ///@}
    /// A number for the host's own use.
    ///@{
    qintptr GetTag() const { return FTag; }
    void SetTag(qintptr Value) { FTag = Value; }
    ///@}
    /// The glyph shown beside the caption; empty for none.
    ///@{
    TBitmap* GetBitmap() const { return FBitmap; }
    void SetBitmap(TBitmap* Value) { FBitmap->Assign(Value); }
    ///@}
    bool IsLine() const { return FCaption == QLatin1String("-"); } ///< Whether the item is a separator.

    /// The submenu.
    ///@{
    int GetCount() const { return int(FItems.size()); }
    TMenuItem* GetItem(int Index) const { return FItems.value(Index); }
    TMenuItem* GetParentItem() const { return FParentItem; }
    ///@}
    /// Takes Item into this submenu (at the end or at Index); an item in
    /// another submenu leaves it.
    ///@{
    void Add(TMenuItem* Item);
    void Insert(int Index, TMenuItem* Item);
    ///@}
    /// Takes Item out without deleting it.
    void Remove(TMenuItem* Item);
    /// Deletes item Index (and its submenu).
    void Delete(int Index);
    void Clear(); ///< Deletes every item of the submenu.
    int IndexOf(const TMenuItem* Item) const { return int(FItems.indexOf(Item)); } ///< The index of Item in the submenu; -1 if it is not there.
    /// The first item of this submenu whose caption, without access-key
    /// marks, equals Caption; nullptr if none.
    TMenuItem* Find(const QString& Caption) const;

    /// What choosing the item does; fires OnClick.
    virtual void Click();

    TNotifyEvent OnClick; ///< Fired when the item is chosen.

    /// Adds this item (and its submenu) to a Qt menu.
    void AddTo(QMenu* Menu);

Q_SIGNALS:
    void clicked(); ///< Emitted with OnClick.

private:
    QString FCaption;
    bool FEnabled = true;
    bool FChecked = false;
    bool FVisible = true;
    qintptr FTag = 0;
    TBitmap* FBitmap;
    QList<TMenuItem*> FItems;
    TMenuItem* FParentItem = nullptr;
};

/// A popup menu of TMenuItem, opened by a right click on a control whose PopupMenu it is, or by Popup().
class VOK_EXPORT TPopupMenu : public TComponent
{
    Q_OBJECT
public:
    /// A new instance with the initial settings; AOwner is its Qt parent and frees it.
    explicit TPopupMenu(QObject* AOwner = nullptr);
    ~TPopupMenu() override;

    /// The top-level items.
    TMenuItem* GetItems() const { return FItems; }
    /// Whether a right click on a control using this menu opens it.
    ///@{
    bool GetAutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool Value) { FAutoPopup = Value; }
    ///@}
    /// The control that opened the menu last.
    ///@{
    QObject* GetPopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(QObject* Value) { FPopupComponent = Value; }
    ///@}

    /// Fires OnPopup, builds the Qt menu from the items and opens it at the
    /// screen point (X, Y); returns at once, the choice arrives as the item's Click.
    virtual void Popup(int X, int Y);
    /// The Qt menu as the last Popup built it (nullptr before).
    QMenu* GetMenu() const { return FMenu.get(); }

    TNotifyEvent OnPopup; ///< Fired before the menu opens.

Q_SIGNALS:
    void poppedUp(); ///< Emitted with OnPopup.

private:
    TMenuItem* FItems;
    bool FAutoPopup = true;
    QObject* FPopupComponent = nullptr;
    std::unique_ptr<QMenu> FMenu;
};

} // namespace vok
