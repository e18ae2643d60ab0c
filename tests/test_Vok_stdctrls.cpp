#include <vok/Vok_platform.h>

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QMetaProperty>
#include <QColorDialog>
#include <QTimer>
#include <QApplication>
#include <QTest>

using namespace vok;

inline void PrintTo(const QString& S, std::ostream* Os) { *Os << '"' << S.toStdString() << '"'; }

TEST(Edit, ChangeFiresForTypingAndSettingTextSelectionReadsClassic)
{
    TEdit E;
    QStringList Seen;
    E.OnChange = [&](QObject* Sender) { Seen << static_cast<TEdit*>(Sender)->GetText(); };
    QTest::keyClicks(&E, QStringLiteral("12"));
    E.SetText(QStringLiteral("345"));
    EXPECT_EQ(Seen, (QStringList{"1", "12", "345"}));

    E.SetSelStart(1);
    EXPECT_EQ(E.GetSelStart(), 1);
    EXPECT_EQ(E.GetSelLength(), 0);
    E.SetSelLength(5); // clipped to the text
    EXPECT_EQ(E.GetSelLength(), 2);
    EXPECT_EQ(E.GetSelText(), QStringLiteral("45"));
    E.SetSelText(QStringLiteral("x"));
    EXPECT_EQ(E.GetText(), QStringLiteral("3x"));
    E.SetMaxLength(0);
    EXPECT_EQ(E.GetMaxLength(), 0);
    E.SetAlignment(taRightJustify);
    EXPECT_EQ(E.GetAlignment(), taRightJustify);
}

TEST(Label, WrapTextLines)
{
    const auto Chars = [](const QString& S) { return int(S.size()); };
    struct Case
    {
        QString Text;
        int Width;
        QStringList Lines;
    };
    const Case Cases[] = {
        {"one two three", 7, {"one two", "three"}},
        {"one two three", 100, {"one two three"}},
        {"extraordinary word", 5, {"extraordinary", "word"}},
        {"a\nb c", 1, {"a", "b", "c"}},
        {"", 10, {""}},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(WrapTextLines(C.Text, C.Width, Chars), C.Lines) << C.Text.toStdString();
}

TEST(Label, AutoSizeFitsTheCaptionAndPaintsIt)
{
    TLabel L;
    L.SetColor(clWhite);
    L.SetCaption(QStringLiteral("Pressure"));
    const int W = L.GetCanvas()->TextWidth(QStringLiteral("Pressure"));
    EXPECT_EQ(L.GetWidth(), W);
    L.Update();
    EXPECT_EQ(L.GetCanvas()->GetPixel(W - 1, 0), clWhite);
    bool Ink = false;
    for (int X = 0; X < L.GetWidth() && !Ink; ++X)
        for (int Y = 0; Y < L.GetHeight() && !Ink; ++Y)
            Ink = L.GetCanvas()->GetPixel(X, Y) != clWhite;
    EXPECT_TRUE(Ink);

    L.SetTransparent(true);
    L.Update();
    EXPECT_EQ(L.GetPicture().pixelColor(W - 1, 0).alpha(), 0);

    // A right-aligned label keeps its right edge when the caption grows.
    L.SetAlignment(taRightJustify);
    L.SetLeft(100);
    const int Right = L.GetLeft() + L.GetWidth();
    L.SetCaption(QStringLiteral("Pressure drop"));
    EXPECT_EQ(L.GetLeft() + L.GetWidth(), Right);
}

TEST(Panel, RaisedBevelAroundItsColor)
{
    TPanel P;
    P.SetColor(clTeal);
    P.SetBounds(0, 0, 30, 20);
    P.Update();
    TCanvas* C = P.GetCanvas();
    EXPECT_EQ(C->GetPixel(0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(C->GetPixel(29, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(C->GetPixel(0, 19), ColorToRGB(clBtnShadow));
    EXPECT_EQ(C->GetPixel(29, 19), ColorToRGB(clBtnShadow));
    EXPECT_EQ(C->GetPixel(1, 1), clTeal);
    P.SetBevelOuter(bvLowered);
    P.SetBevelWidth(2);
    P.Update();
    EXPECT_EQ(C->GetPixel(1, 1), ColorToRGB(clBtnShadow));
    EXPECT_EQ(C->GetPixel(28, 18), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(C->GetPixel(2, 2), clTeal);
}

TEST(SpeedButton, NoFocusClickOnReleaseAndGroupLatch)
{
    QWidget Form;
    auto* A = new TSpeedButton(&Form);
    auto* B = new TSpeedButton(&Form);
    B->move(30, 0);
    EXPECT_EQ(A->focusPolicy(), Qt::NoFocus);
    QStringList Log;
    A->OnClick = [&](QObject*) { Log << "click"; };
    A->OnMouseUp = [&](QObject*, TMouseButton, TShiftState, int, int) { Log << "up"; };
    QTest::mouseClick(A, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(Log, (QStringList{"click", "up"}));
    EXPECT_FALSE(A->GetDown());

    A->SetGroupIndex(1);
    B->SetGroupIndex(1);
    QTest::mouseClick(A, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(A->GetDown());
    QTest::mouseClick(A, Qt::LeftButton, {}, QPoint(5, 5)); // stays down: not AllowAllUp
    EXPECT_TRUE(A->GetDown());
    B->SetDown(true);
    EXPECT_FALSE(A->GetDown());
    EXPECT_TRUE(B->GetDown());
}

TEST(ComboBox, ItemsIndexChangeOnlyFromTheUser)
{
    TComboBox C;
    C.SetStyle(csDropDownList);
    int Changes = 0;
    C.OnChange = [&](QObject*) { ++Changes; };
    C.SetItems({"Red", "Green", "Blue"});
    EXPECT_EQ(C.GetItemIndex(), -1);
    EXPECT_EQ(C.AddItem(QStringLiteral("Black")), 3);
    EXPECT_EQ(C.GetItemIndex(), -1);
    C.SetItemIndex(1);
    EXPECT_EQ(C.GetText(), QStringLiteral("Green"));
    C.SetItemIndex(7);
    EXPECT_EQ(C.GetItemIndex(), -1);
    EXPECT_EQ(Changes, 0);
    C.SetFocus();
    QTest::keyClick(&C, Qt::Key_Down);
    EXPECT_EQ(C.GetItemIndex(), 0);
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(C.GetItems().size(), 4);
}

TEST(ComboBox, OwnerDrawnItemsAndDropDownNotification)
{
    QWidget Form;
    auto* C = new TComboBox(&Form);
    C->SetStyle(csOwnerDrawFixed);
    C->SetItemHeight(18);
    C->SetDropDownCount(5);
    C->SetItems({"Red", "Lime"});
    C->SetItemIndex(0);
    QList<int> Drawn;
    C->OnDrawItem = [&](QObject* Sender, int Index, TRect R, TOwnerDrawState State) {
        Drawn << Index;
        TCanvas* Canvas = static_cast<TComboBox*>(Sender)->GetCanvas();
        Canvas->GetBrush()->SetColor(Index == 0 ? clRed : clLime);
        Canvas->FillRect(Rect(R.Left + 3, R.Top + 2, R.Left + 33, R.Bottom - 2));
        EXPECT_EQ(R.Height(), 18);
        if (State & odComboBoxEdit)
            Drawn << -1;
    };
    int DropDowns = 0;
    C->OnDropDown = [&](QObject*) {
        ++DropDowns;
        EXPECT_FALSE(C->GetDroppedDown()); // before the list opens
    };
    const QImage Item = C->RenderItem(1, 60, {});
    EXPECT_EQ(Item.height(), 18);
    EXPECT_EQ(Item.pixelColor(10, 9), QColor(Qt::green));
    Form.show();
    QApplication::processEvents();
    EXPECT_TRUE(Drawn.contains(-1)); // the closed box shows the selected item through DrawItem
    C->SetDroppedDown(true);
    EXPECT_EQ(DropDowns, 1);
    EXPECT_TRUE(C->GetDroppedDown());
    EXPECT_EQ(C->GetDropDownCount(), 5);
    C->SetDroppedDown(false);
}

TEST(TreeView, NodesInAbsoluteOrder)
{
    TTreeView T;
    TTreeNodes& N = T.GetItems();
    TTreeNode* Root = N.AddChild(nullptr, QStringLiteral("C:\\"));
    TTreeNode* Data = N.AddChild(Root, QStringLiteral("Data"));
    TTreeNode* Apps = N.AddChildFirst(Root, QStringLiteral("Apps"));
    TTreeNode* Year = N.AddChild(Data, QStringLiteral("2024"));
    N.Insert(Data, QStringLiteral("Bin"));
    N.Add(Apps, QStringLiteral("Temp"));
    QStringList Order;
    for (int I = 0; I < N.GetCount(); ++I)
        Order << N.GetItem(I)->GetText();
    EXPECT_EQ(Order, (QStringList{"C:\\", "Apps", "Bin", "Data", "2024", "Temp"}));
    EXPECT_EQ(Year->GetAbsoluteIndex(), 4);
    EXPECT_EQ(Year->GetLevel(), 2);
    EXPECT_EQ(Apps->GetNextSibling()->GetText(), QStringLiteral("Bin"));
    EXPECT_EQ(Root->GetNextSibling(), nullptr);
    EXPECT_EQ(N.GetItem(6), nullptr);
    Data->SetData(0xA5F016ED);
    EXPECT_EQ(Data->GetData(), quintptr(0xA5F016ED));
    Data->DeleteChildren();
    EXPECT_FALSE(Data->GetHasChildren());
    EXPECT_EQ(N.GetCount(), 5);
    N.Clear();
    EXPECT_EQ(N.GetFirstNode(), nullptr);
}

TEST(TreeView, ExpandingHandlerFillsOrRefusesBeforeTheNodeOpens)
{
    QWidget Form;
    auto* T = new TTreeView(&Form);
    T->SetBounds(0, 0, 200, 150);
    TTreeNode* Root = T->GetItems().AddChild(nullptr, QStringLiteral("C:\\"));
    T->GetItems().AddChild(Root, QStringLiteral("Child"));
    TTreeNode* Locked = T->GetItems().Add(Root, QStringLiteral("Locked"));
    T->GetItems().AddChild(Locked, QStringLiteral("Child"));
    QStringList Asked;
    T->OnExpanding = [&](QObject*, TTreeNode* Node, bool& Allow) {
        Asked << Node->GetText();
        if (Node->GetText() == QStringLiteral("Locked")) {
            Allow = false;
            return;
        }
        Node->DeleteChildren(); // the placeholder goes, the real children come
        T->GetItems().AddChild(Node, QStringLiteral("Data"));
        T->GetItems().AddChild(Node, QStringLiteral("Temp"));
    };
    QList<TTreeNode*> Changes;
    T->OnChange = [&](QObject*, TTreeNode* Node) { Changes << Node; };
    Form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Form));

    // By the user: select the root and press Right.
    T->SetSelected(Root);
    EXPECT_EQ(Changes, (QList<TTreeNode*>{Root}));
    T->setFocus();
    QTest::keyClick(T, Qt::Key_Right);
    EXPECT_TRUE(Root->GetExpanded());
    EXPECT_EQ(Root->GetCount(), 2);
    EXPECT_EQ(Root->GetFirstChild()->GetText(), QStringLiteral("Data"));

    // By code: asked once, refused stays closed.
    Locked->SetExpanded(true);
    EXPECT_FALSE(Locked->GetExpanded());
    T->SetSelected(Locked);
    QTest::keyClick(T, Qt::Key_Right);
    EXPECT_FALSE(Locked->GetExpanded());
    EXPECT_EQ(Asked, (QStringList{"C:\\", "Locked", "Locked"}));

    T->FullCollapse();
    EXPECT_FALSE(Root->GetExpanded());
}

TEST(PopupMenu, ItemsSubmenusGlyphsAndRightClick)
{
    QWidget Form;
    auto* Menu = new TPopupMenu(&Form);
    auto* Copy = new TMenuItem(Menu);
    Copy->SetCaption(QStringLiteral("&Copy"));
    auto* Line = new TMenuItem(Menu);
    Line->SetCaption(QStringLiteral("-"));
    auto* Format = new TMenuItem(Menu);
    Format->SetCaption(QStringLiteral("Format"));
    auto* Fixed = new TMenuItem(Menu);
    Fixed->SetCaption(QStringLiteral("Fixed"));
    Fixed->SetChecked(true);
    auto* Locked = new TMenuItem(Menu);
    Locked->SetCaption(QStringLiteral("Read-only"));
    Locked->SetEnabled(false);
    Menu->GetItems()->Add(Copy);
    Menu->GetItems()->Add(Line);
    Menu->GetItems()->Add(Format);
    Format->Add(Fixed);
    Menu->GetItems()->Insert(0, Locked);
    Locked->GetBitmap()->SetSize(16, 16);
    EXPECT_EQ(Menu->GetItems()->Find(QStringLiteral("Copy")), Copy);
    EXPECT_EQ(Menu->GetItems()->IndexOf(Copy), 1);

    QStringList Log;
    Menu->OnPopup = [&](QObject*) { Log << "popup"; };
    Copy->OnClick = [&](QObject* Sender) { Log << static_cast<TMenuItem*>(Sender)->GetCaption(); };

    auto* Target = new TPanel(&Form);
    Target->SetPopupMenu(Menu);
    Form.show();
    QContextMenuEvent Right(QContextMenuEvent::Mouse, QPoint(5, 5), Target->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(Target, &Right);
    ASSERT_NE(Menu->GetMenu(), nullptr);
    EXPECT_EQ(Menu->GetPopupComponent(), Target);
    const QList<QAction*> Actions = Menu->GetMenu()->actions();
    ASSERT_EQ(Actions.size(), 4);
    EXPECT_FALSE(Actions[0]->isEnabled());
    EXPECT_FALSE(Actions[0]->icon().isNull());
    EXPECT_TRUE(Actions[2]->isSeparator());
    ASSERT_NE(Actions[3]->menu(), nullptr);
    EXPECT_TRUE(Actions[3]->menu()->actions().front()->isChecked());
    Actions[1]->trigger();
    QApplication::processEvents();
    EXPECT_EQ(Log, (QStringList{"popup", "&Copy"}));
    Menu->GetMenu()->close();

    // Deleting an item takes it out of its submenu.
    delete Fixed;
    EXPECT_EQ(Format->GetCount(), 0);
    Menu->GetItems()->Delete(0);
    EXPECT_EQ(Menu->GetItems()->GetItem(0), Copy);

    // Without AutoPopup a right click opens nothing.
    Menu->SetAutoPopup(false);
    QContextMenuEvent Again(QContextMenuEvent::Mouse, QPoint(5, 5), Target->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(Target, &Again);
    EXPECT_EQ(Log.count(QStringLiteral("popup")), 1);
}

namespace {
// Runs Action on the modal dialog as soon as it is open.
void OnModal(std::function<void(QWidget*)> Action)
{
    QTimer::singleShot(0, [Action] {
        QWidget* Modal = QApplication::activeModalWidget();
        ASSERT_NE(Modal, nullptr);
        Action(Modal);
    });
}
} // namespace

TEST(Form, ShowModalReturnsTheResultOfTheButtonOrCancel)
{
    TForm Form;
    Form.SetCaption(QStringLiteral("Editing Row 3"));
    Form.SetBorderStyle(bsDialog);
    auto* Ok = new TButton(&Form);
    Ok->SetCaption(QStringLiteral("OK"));
    Ok->SetModalResult(mrOk);
    Ok->SetBounds(10, 4, 81, 29);
    auto* Label = new TLabel(&Form);
    Label->SetCaption(QStringLiteral("Name"));
    Label->SetBounds(10, 40, 60, 17);
    auto* Edit = new TEdit(&Form);
    Edit->SetBounds(80, 40, 120, 21);
    auto* Picker = new TDateTimePicker(&Form);
    Picker->SetBounds(80, 65, 150, 21);
    int Clicks = 0;
    Ok->OnClick = [&](QObject*) {
        ++Clicks;
        EXPECT_EQ(Form.GetModalResult(), mrOk); // set before OnClick
    };
    EXPECT_EQ(GetParentForm(Edit), &Form);
    EXPECT_EQ(Edit->GetBoundsRect(), Rect(80, 40, 200, 61));

    OnModal([&](QWidget*) { QTest::mouseClick(Ok, Qt::LeftButton, {}, QPoint(5, 5)); });
    EXPECT_EQ(Form.ShowModal(), mrOk);
    EXPECT_EQ(Clicks, 1);

    OnModal([](QWidget* Modal) { QTest::keyClick(Modal, Qt::Key_Escape); });
    EXPECT_EQ(Form.ShowModal(), mrCancel);
    OnModal([&](QWidget*) { Form.SetModalResult(7); });
    EXPECT_EQ(Form.ShowModal(), mrNo);
    OnModal([&](QWidget*) { Form.Close(); });
    EXPECT_EQ(Form.ShowModal(), mrCancel);
}

TEST(DateTimePicker, ClassicFormatsAndTheDateTimeValue)
{
    struct Case
    {
        QString Classic;
        QString Qt;
    };
    const Case Cases[] = {
        {"dd.MM.yyyy", "dd.MM.yyyy"},
        {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm:ss"},
        {"hh:mm tt", "hh:mm AP"},
        {"h:mm t", "h:mm AP"},
        {"dddd, d. MMMM yy", "dddd, d. MMMM yy"},
        {"'Day' dd", "'Day' dd"},
        {"\"at\" HH", "'at' HH"},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(QtDateTimeFormat(C.Classic), C.Qt) << C.Classic.toStdString();

    TDateTimePicker P;
    P.SetFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
    P.SetDateTime(45351.75); // 2024-02-29 18:00
    EXPECT_EQ(P.GetText(), QStringLiteral("2024-02-29 18:00"));
    EXPECT_DOUBLE_EQ(P.GetDateTime(), 45351.75);
    EXPECT_EQ(P.GetFormat(), QStringLiteral("yyyy-MM-dd HH:mm"));
}

TEST(ColorDialog, ConfirmTakesTheColorCancelKeepsIt)
{
    TColorDialog D;
    D.SetColor(clRed);
    OnModal([](QWidget* Modal) {
        auto* Dialog = qobject_cast<QColorDialog*>(Modal);
        ASSERT_NE(Dialog, nullptr);
        EXPECT_EQ(Dialog->currentColor(), QColor(Qt::red));
        Dialog->setCurrentColor(QColor(0, 0, 128));
        Dialog->accept();
    });
    EXPECT_TRUE(D.Execute());
    EXPECT_EQ(D.GetColor(), clNavy);
    OnModal([](QWidget* Modal) { static_cast<QDialog*>(Modal)->reject(); });
    EXPECT_FALSE(D.Execute());
    EXPECT_EQ(D.GetColor(), clNavy);
}

TEST(StandardControlsQt, NotifyingEventsAndPropertiesAreSignals)
{
    TEdit Edit;
    QStringList Texts;
    int EditChanges = 0;
    QObject::connect(&Edit, &TCustomEdit::changed, [&] { ++EditChanges; });
    const QMetaProperty Text = Edit.metaObject()->property(Edit.metaObject()->indexOfProperty("Text"));
    ASSERT_TRUE(Text.hasNotifySignal());
    EXPECT_EQ(Text.notifySignal().name(), QByteArray("changed"));
    Edit.SetText(QStringLiteral("abc"));
    Edit.SetText(QStringLiteral("abc"));
    EXPECT_EQ(EditChanges, 1);

    TComboBox Combo;
    Combo.SetStyle(csDropDownList);
    Combo.SetItems({"Red", "Green", "Blue"});
    QList<int> Indexes;
    QObject::connect(&Combo, &TCustomComboBox::itemIndexChanged, [&](int I) { Indexes << I; });
    Combo.SetItemIndex(1);
    Combo.SetItemIndex(1);
    Combo.setProperty("ItemIndex", 2);
    EXPECT_EQ(Indexes, QList<int>({1, 2}));

    QWidget Form;
    auto* A = new TSpeedButton(&Form);
    auto* B = new TSpeedButton(&Form);
    A->SetGroupIndex(1);
    B->SetGroupIndex(1);
    QList<bool> DownA, DownB;
    QObject::connect(A, &TSpeedButton::downChanged, [&](bool D) { DownA << D; });
    QObject::connect(B, &TSpeedButton::downChanged, [&](bool D) { DownB << D; });
    A->SetDown(true);
    B->SetDown(true); // A comes up
    B->SetDown(true);
    EXPECT_EQ(DownA, QList<bool>({true, false}));
    EXPECT_EQ(DownB, QList<bool>({true}));

    TTreeView Tree;
    TTreeNode* Node = Tree.GetItems().AddChild(nullptr, QStringLiteral("Root"));
    QList<TTreeNode*> Selected;
    QObject::connect(&Tree, &TCustomTreeView::changed, [&](TTreeNode* N) { Selected << N; });
    Tree.setCurrentItem(Node);
    EXPECT_EQ(Selected, QList<TTreeNode*>({Node}));

    TPen Pen;
    int PenChanges = 0;
    QObject::connect(&Pen, &TPen::changed, [&] { ++PenChanges; });
    Pen.SetWidth(3);
    EXPECT_EQ(PenChanges, 1);
}

TEST(StandardControlsQt, LabelsAndPanelsForAssistiveTechnologyAndDisabledParents)
{
    QWidget Form;
    auto* Label = new TLabel(&Form);
    Label->SetCaption(QStringLiteral("Pressure"));
    auto* Panel = new TPanel(&Form);
    Panel->SetCaption(QStringLiteral("Boiler"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Label)->role(), QAccessible::StaticText);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Label)->text(QAccessible::Name), QStringLiteral("Pressure"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Panel)->role(), QAccessible::Pane);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Panel)->text(QAccessible::Name), QStringLiteral("Boiler"));
    EXPECT_TRUE(Label->setProperty("Layout", QStringLiteral("tlCenter")));
    EXPECT_EQ(Label->GetLayout(), tlCenter);
    EXPECT_TRUE(Panel->setProperty("BevelOuter", QStringLiteral("bvLowered")));
    EXPECT_EQ(Panel->GetBevelOuter(), bvLowered);

    Label->Repaint();
    const QImage Live = Label->GetPicture().copy();
    Form.setEnabled(false); // the caption turns embossed
    Label->Update();
    EXPECT_NE(Label->GetPicture(), Live);
}

TEST(StandardControlsQt, SystemColorsOfQtWidgetsFollowThePalette)
{
    QWidget Form;
    auto* Edit = new TEdit(&Form);
    auto* Tree = new TTreeView(&Form);
    QPalette Dark = Form.palette();
    Dark.setColor(QPalette::Base, QColor(0x23, 0x23, 0x23));
    Form.setPalette(Dark);
    EXPECT_EQ(Edit->palette().color(QPalette::Base), QColor(0x23, 0x23, 0x23)); // clWindow
    EXPECT_EQ(Tree->palette().color(QPalette::Base), QColor(0x23, 0x23, 0x23));
    Edit->SetColor(clYellow); // a fixed color stays
    Form.setPalette(QPalette());
    EXPECT_EQ(Edit->palette().color(QPalette::Base), QColor(Qt::yellow));
    EXPECT_EQ(Tree->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
}
