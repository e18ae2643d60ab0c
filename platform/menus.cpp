#include <vok/Vok_menus.h>

#include <QAction>
#include <QPixmap>

#include <algorithm>

namespace vok {

TMenuItem::TMenuItem(QObject* AOwner)
    : TComponent(AOwner)
    , FBitmap(new TBitmap(this))
{
}

TMenuItem::~TMenuItem()
{
    if (FParentItem)
        FParentItem->FItems.removeOne(this);
    for (TMenuItem* Item : FItems)
        Item->FParentItem = nullptr;
}

void TMenuItem::Add(TMenuItem* Item) { Insert(GetCount(), Item); }

void TMenuItem::Insert(int Index, TMenuItem* Item)
{
    if (!Item || Item == this)
        return;
    if (Item->FParentItem)
        Item->FParentItem->Remove(Item);
    FItems.insert(std::clamp(Index, 0, GetCount()), Item);
    Item->FParentItem = this;
    if (!Item->parent())
        Item->setParent(this);
}

void TMenuItem::Remove(TMenuItem* Item)
{
    if (FItems.removeOne(Item))
        Item->FParentItem = nullptr;
}

void TMenuItem::Delete(int Index)
{
    if (Index < 0 || Index >= GetCount())
        return;
    delete FItems.at(Index); // the destructor takes it out of the list
}

void TMenuItem::Clear()
{
    while (!FItems.isEmpty())
        Delete(GetCount() - 1);
}

TMenuItem* TMenuItem::Find(const QString& Caption) const
{
    for (TMenuItem* Item : FItems) {
        if (QString(Item->GetCaption()).remove(QLatin1Char('&')) == Caption)
            return Item;
    }
    return nullptr;
}

void TMenuItem::Click()
{
    if (OnClick)
        OnClick(this);
    Q_EMIT clicked();
}

void TMenuItem::AddTo(QMenu* Menu)
{
    if (!FVisible)
        return;
    if (IsLine()) {
        Menu->addSeparator();
        return;
    }
    if (!FItems.isEmpty()) {
        QMenu* Sub = Menu->addMenu(FCaption);
        Sub->setEnabled(FEnabled);
        if (!FBitmap->GetEmpty())
            Sub->setIcon(QIcon(QPixmap::fromImage(FBitmap->GetImage())));
        for (TMenuItem* Item : FItems)
            Item->AddTo(Sub);
        return;
    }
    QAction* Action = Menu->addAction(FCaption);
    Action->setEnabled(FEnabled);
    Action->setCheckable(FChecked);
    Action->setChecked(FChecked);
    if (!FBitmap->GetEmpty())
        Action->setIcon(QIcon(QPixmap::fromImage(FBitmap->GetImage())));
    // Queued: the menu closes before the item's work starts, as with the classic menus.
    QObject::connect(Action, &QAction::triggered, this, [this] { Click(); }, Qt::QueuedConnection);
}

TPopupMenu::TPopupMenu(QObject* AOwner)
    : TComponent(AOwner)
    , FItems(new TMenuItem(this))
{
}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::Popup(int X, int Y)
{
    if (OnPopup)
        OnPopup(this);
    Q_EMIT poppedUp();
    FMenu = std::make_unique<QMenu>();
    for (int I = 0; I < FItems->GetCount(); ++I)
        FItems->GetItem(I)->AddTo(FMenu.get());
    FMenu->popup(QPoint(X, Y));
}

} // namespace vok
