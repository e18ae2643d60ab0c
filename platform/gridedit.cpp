#include <vok/Vok_gridedit.h>
#include <vok/Vok_grids.h>

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace vok {

namespace {
constexpr quint16 VK_F4 = VK_F1 + 3;

// The drop-down button's picture: a small downward triangle.
QIcon DropDownIcon()
{
    QPixmap Picture(12, 12);
    Picture.fill(Qt::transparent);
    QPainter P(&Picture);
    P.setRenderHint(QPainter::Antialiasing);
    P.setPen(Qt::NoPen);
    P.setBrush(Qt::black);
    P.drawPolygon(QPolygonF({QPointF(2, 4), QPointF(10, 4), QPointF(6, 9)}));
    return QIcon(Picture);
}
} // namespace

TInplaceEdit::TInplaceEdit(TCustomGrid* AGrid)
    : TCustomEdit(AGrid)
    , FGrid(AGrid)
{
    hide();
    setFrame(false);
}

void TInplaceEdit::UpdateContents()
{
    const TGridCoord Cell = FGrid->EditorCell();
    setText(FGrid->GetEditText(Cell.X, Cell.Y));
    setModified(false);
    selectAll();
}

void TInplaceEdit::Reset()
{
    UpdateContents();
}

void TInplaceEdit::KeyDown(quint16& Key, TShiftState Shift)
{
    TCustomEdit::KeyDown(Key, Shift);
    const bool ToGrid = Key == VK_UP || Key == VK_DOWN || Key == VK_PRIOR || Key == VK_NEXT ||
                        (Key == VK_TAB && (FGrid->GetOptions() & goTabs));
    if (!ToGrid)
        return;
    FGrid->KeyDown(Key, Shift);
    Key = 0;
}

void TInplaceEdit::KeyPress(QChar& Key)
{
    TCustomEdit::KeyPress(Key);
    if (Key != QLatin1Char('\r') && Key != QChar(27))
        return;
    if (Key == QChar(27))
        Reset();
    FGrid->KeyPress(Key);
    Key = QChar();
}

void TInplaceEdit::DoExit()
{
    TCustomEdit::DoExit();
    // Leaving the editor for another control keeps what was typed.
    FGrid->UpdateText();
}

TInplaceEditList::TInplaceEditList(TCustomGrid* AGrid)
    : TInplaceEdit(AGrid)
    , FPickList(new QListWidget(this))
    , FDropButton(addAction(DropDownIcon(), QLineEdit::TrailingPosition))
{
    FPickList->setWindowFlags(Qt::Popup);
    FPickList->hide();
    FPickList->installEventFilter(this);
    connect(FPickList, &QListWidget::itemClicked, this, [this] { CloseUp(true); });
    connect(FPickList, &QListWidget::itemActivated, this, [this] { CloseUp(true); });
    FDropButton->setVisible(false);
    connect(FDropButton, &QAction::triggered, this, [this] {
        if (GetListVisible())
            CloseUp(false);
        else
            DropDown();
    });
}

TInplaceEditList::~TInplaceEditList() = default;

void TInplaceEditList::SetDropDownRows(int Value)
{
    FDropDownRows = std::max(1, Value);
}

void TInplaceEditList::UpdateContents()
{
    CloseUp(false);
    TInplaceEdit::UpdateContents();
    const TGridCoord Cell = GetGrid()->EditorCell();
    FEditStyle = GetGrid()->GetEditStyle(Cell.X, Cell.Y);
    FDropButton->setVisible(FEditStyle == esPickList);
}

void TInplaceEditList::DropDown()
{
    if (FEditStyle != esPickList || GetListVisible())
        return;
    QStringList Items;
    if (OnGetPickListItems) {
        const TGridCoord Cell = GetGrid()->EditorCell();
        OnGetPickListItems(Cell.X, Cell.Y, Items);
    }
    FPickList->clear();
    FPickList->addItems(Items);
    const QList<QListWidgetItem*> Same = FPickList->findItems(text(), Qt::MatchExactly);
    FPickList->setCurrentItem(Same.isEmpty() ? nullptr : Same.first());
    const int Rows = std::clamp(static_cast<int>(Items.size()), 1, FDropDownRows);
    const int RowHeight = std::max(1, FPickList->sizeHintForRow(0));
    FPickList->resize(width(), Rows * RowHeight + 2 * FPickList->frameWidth());
    FPickList->move(mapToGlobal(QPoint(0, height())));
    FPickList->show();
}

void TInplaceEditList::CloseUp(bool Accept)
{
    if (!GetListVisible())
        return;
    FPickList->hide();
    if (Accept && FPickList->currentItem()) {
        setText(FPickList->currentItem()->text());
        setModified(true);
        selectAll();
    }
    if (isVisible())
        setFocus();
}

void TInplaceEditList::setVisible(bool Visible)
{
    if (!Visible)
        CloseUp(false);
    TInplaceEdit::setVisible(Visible);
}

bool TInplaceEditList::GetListVisible() const
{
    return FPickList->isVisible();
}

QStringList TInplaceEditList::GetPickListItems() const
{
    QStringList Items;
    for (int I = 0; I < FPickList->count(); ++I)
        Items.append(FPickList->item(I)->text());
    return Items;
}

void TInplaceEditList::KeyDown(quint16& Key, TShiftState Shift)
{
    if (FEditStyle == esPickList && (Key == VK_F4 || (Key == VK_DOWN && (Shift & ssAlt)))) {
        if (GetListVisible())
            CloseUp(false);
        else
            DropDown();
        Key = 0;
        return;
    }
    TInplaceEdit::KeyDown(Key, Shift);
}

bool TInplaceEditList::eventFilter(QObject* Watched, QEvent* Event)
{
    // Escape in the open list closes it and keeps the text.
    if (Watched == FPickList && Event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(Event)->key() == Qt::Key_Escape) {
        CloseUp(false);
        return true;
    }
    return TInplaceEdit::eventFilter(Watched, Event);
}

} // namespace vok
