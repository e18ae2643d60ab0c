// The "Controls" page: the standard controls of the platform layer and an
// input pad that logs the mouse, key and timer events it receives, so the
// input path can be checked by hand.
#include "GalleryPages.h"

#include <vok/Vok_platform.h>

#include <QPlainTextEdit>

namespace {

using namespace vok;

// A custom control that draws a grid of crosshairs and marks where it was clicked.
class TInputPad : public TCustomControl
{
public:
    explicit TInputPad(QWidget* AOwner)
        : TCustomControl(AOwner)
    {
        SetColor(clWhite);
        SetTabStop(true);
        SetWantTabs(true);
    }

    void Paint() override
    {
        TCanvas* C = GetCanvas();
        C->GetBrush()->SetStyle(bsSolid);
        C->GetBrush()->SetColor(Focused() ? 0xF0FFF0 : clWhite);
        C->FillRect(GetClientRect());
        C->GetPen()->SetColor(clSilver);
        for (int X = 0; X < GetWidth(); X += 20) {
            C->MoveTo(X, 0);
            C->LineTo(X, GetHeight());
        }
        for (int Y = 0; Y < GetHeight(); Y += 20) {
            C->MoveTo(0, Y);
            C->LineTo(GetWidth(), Y);
        }
        C->GetPen()->SetColor(clRed);
        C->MoveTo(FLast.X - 6, FLast.Y);
        C->LineTo(FLast.X + 7, FLast.Y);
        C->MoveTo(FLast.X, FLast.Y - 6);
        C->LineTo(FLast.X, FLast.Y + 7);
        C->GetPen()->SetColor(clBlack);
        C->GetBrush()->SetStyle(bsClear);
        C->GetFont()->SetColor(clGray);
        C->TextOut(6, 4, QStringLiteral("Click, drag, type, turn the wheel here"));
        C->GetBrush()->SetStyle(bsSolid);
        C->GetBrush()->SetColor(clBlack);
        C->FrameRect(GetClientRect());
    }

    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override
    {
        FLast = Point(X, Y);
        Paint();
        TCustomControl::MouseDown(Button, Shift, X, Y);
    }
    void DoEnter() override
    {
        Invalidate();
        TCustomControl::DoEnter();
    }
    void DoExit() override
    {
        Invalidate();
        TCustomControl::DoExit();
    }

private:
    TPoint FLast{100, 60};
};

QString ShiftText(TShiftState S)
{
    QStringList Parts;
    const std::pair<TShiftStateFlag, const char*> Names[] = {{ssShift, "Shift"}, {ssAlt, "Alt"},     {ssCtrl, "Ctrl"},
                                                             {ssLeft, "Left"},   {ssRight, "Right"}, {ssMiddle, "Middle"}};
    for (const auto& [Flag, Name] : Names) {
        if (S & Flag)
            Parts << QString::fromLatin1(Name);
    }
    return QLatin1Char('[') + Parts.join(QLatin1Char(',')) + QLatin1Char(']');
}

const char* ButtonName(TMouseButton B) { return B == mbLeft ? "left" : B == mbRight ? "right" : "middle"; }

class ControlsPage : public QWidget
{
public:
    ControlsPage()
    {
        FLog = new QPlainTextEdit(this);
        FLog->setReadOnly(true);
        FLog->setGeometry(280, 228, 420, 152);

        auto* Title = new TLabel(this);
        Title->GetFont()->SetSize(12);
        Title->GetFont()->SetStyle(fsBold);
        Title->SetCaption(QStringLiteral("Standard controls and the input path"));
        Title->SetBounds(12, 8, 400, 20);

        // Column 1: a small measurement set-up form.
        Place(new TLabel(this), QStringLiteral("Sample ID"), 12, 44);
        auto* Sample = new TEdit(this);
        Sample->SetBounds(110, 40, 150, 21);
        Sample->SetText(QStringLiteral("PX-2024-0117"));
        Sample->OnChange = [this](QObject* S) { Log(QStringLiteral("Sample ID: %1").arg(static_cast<TEdit*>(S)->GetText())); };

        Place(new TLabel(this), QStringLiteral("Trace color"), 12, 72);
        auto* Colors = new TComboBox(this);
        Colors->SetStyle(csOwnerDrawFixed);
        Colors->SetItemHeight(18);
        Colors->SetBounds(110, 68, 150, 24);
        const QList<std::pair<QString, TColor>> Palette = {{"Red", clRed},   {"Green", clGreen}, {"Navy", clNavy},
                                                           {"Teal", clTeal}, {"Purple", clPurple}, {"Olive", clOlive}};
        for (const auto& [Name, Color] : Palette)
            Colors->AddItem(Name);
        Colors->SetItemIndex(2);
        Colors->OnDrawItem = [Colors, Palette](QObject*, int Index, TRect R, TOwnerDrawState State) {
            TCanvas* C = Colors->GetCanvas();
            C->GetBrush()->SetColor((State & odSelected) && !(State & odComboBoxEdit) ? clHighlight : clWindow);
            C->FillRect(R);
            C->GetBrush()->SetColor(Palette[Index].second);
            C->GetPen()->SetColor(clBlack);
            C->Rectangle(R.Left + 3, R.Top + 2, R.Left + 33, R.Bottom - 2);
            C->GetBrush()->SetStyle(bsClear);
            C->GetFont()->SetColor((State & odSelected) && !(State & odComboBoxEdit) ? clHighlightText : clWindowText);
            C->TextOut(R.Left + 39, R.Top + (R.Height() - C->TextHeight(Palette[Index].first)) / 2, Palette[Index].first);
            C->GetBrush()->SetStyle(bsSolid);
        };
        Colors->OnDropDown = [this](QObject*) { Log(QStringLiteral("Trace color: drop-down")); };
        Colors->OnChange = [this, Colors](QObject*) { Log(QStringLiteral("Trace color: %1").arg(Colors->GetText())); };

        Place(new TLabel(this), QStringLiteral("Started"), 12, 102);
        auto* Started = new TDateTimePicker(this);
        Started->SetFormat(QStringLiteral("dd.MM.yyyy HH:mm"));
        Started->SetDateTime(DateTimeToTDateTime(QDateTime(QDate(2024, 3, 12), QTime(9, 30))));
        Started->SetBounds(110, 98, 150, 22);

        auto* Panel = new TPanel(this);
        Panel->SetBounds(12, 132, 248, 36);
        Panel->SetCaption(QStringLiteral("Channel 3: 4.20 mA"));
        Panel->SetColor(0xE0F0FF);
        Panel->GetFont()->SetColor(clBlack);

        const char* Tools[] = {"<<", "<", ">", ">>"};
        int X = 12;
        for (const char* Tool : Tools) {
            auto* B = new TSpeedButton(this);
            B->SetCaption(QString::fromLatin1(Tool));
            B->SetBounds(X, 176, 30, 24);
            B->SetGroupIndex(1);
            B->OnClick = [this, B](QObject*) { Log(QStringLiteral("Speed button %1").arg(B->GetCaption())); };
            X += 32;
        }

        auto* Tree = new TTreeView(this);
        Tree->SetBounds(12, 210, 248, 170);
        TTreeNode* Root = Tree->GetItems().AddChild(nullptr, QStringLiteral("Measurements"));
        for (const char* Series : {"2023", "2024"}) {
            TTreeNode* Node = Tree->GetItems().AddChild(Root, QString::fromLatin1(Series));
            Tree->GetItems().AddChild(Node, QStringLiteral("Child")); // loaded when opened
        }
        Tree->OnExpanding = [this, Tree](QObject*, TTreeNode* Node, bool&) {
            if (Node->GetCount() != 1 || Node->GetFirstChild()->GetText() != QLatin1String("Child"))
                return;
            Node->DeleteChildren();
            for (const char* Run : {"Run A (pressure)", "Run B (flow)", "Run C (temperature)"})
                Tree->GetItems().AddChild(Node, QString::fromLatin1(Run));
            Log(QStringLiteral("Tree: loaded %1").arg(Node->GetText()));
        };
        Root->Expand(false);
        Root->GetFirstChild()->GetNextSibling()->Expand(false);

        // Column 2: the input pad and its log.
        auto* Pad = new TInputPad(this);
        Pad->SetBounds(280, 40, 420, 160);
        Pad->OnMouseDown = [this](QObject*, TMouseButton B, TShiftState S, int X, int Y) {
            Log(QStringLiteral("MouseDown %1 %2 at %3,%4").arg(ButtonName(B), ShiftText(S)).arg(X).arg(Y));
        };
        Pad->OnMouseUp = [this](QObject*, TMouseButton B, TShiftState S, int X, int Y) {
            Log(QStringLiteral("MouseUp %1 %2 at %3,%4").arg(ButtonName(B), ShiftText(S)).arg(X).arg(Y));
        };
        Pad->OnClick = [this](QObject*) { Log(QStringLiteral("Click")); };
        Pad->OnDblClick = [this](QObject*) { Log(QStringLiteral("DblClick")); };
        Pad->OnKeyDown = [this](QObject*, quint16& Key, TShiftState S) {
            Log(QStringLiteral("KeyDown %1 %2").arg(Key).arg(ShiftText(S)));
        };
        Pad->OnKeyPress = [this](QObject*, QChar& Key) {
            Log(QStringLiteral("KeyPress #%1 '%2'").arg(Key.unicode()).arg(Key.isPrint() ? QString(Key) : QString()));
        };
        Pad->OnMouseWheel = [this](QObject*, TShiftState S, int Delta, TPoint, bool&) {
            Log(QStringLiteral("MouseWheel %1 %2").arg(Delta).arg(ShiftText(S)));
        };
        Pad->OnEnter = [this](QObject*) { Log(QStringLiteral("Enter")); };
        Pad->OnExit = [this](QObject*) { Log(QStringLiteral("Exit")); };

        auto* Menu = new TPopupMenu(this);
        for (const char* Caption : {"Copy coordinates", "-", "Reset marker"}) {
            auto* Item = new TMenuItem(Menu);
            Item->SetCaption(QString::fromLatin1(Caption));
            Item->OnClick = [this, Item](QObject*) { Log(QStringLiteral("Menu: %1").arg(Item->GetCaption())); };
            Menu->GetItems()->Add(Item);
        }
        Pad->SetPopupMenu(Menu);

        auto* Ticks = new TLabel(this);
        Ticks->SetBounds(280, 206, 300, 17);
        FTimer = new TComponentTimer(this, [this, Ticks] {
            ++FTickCount;
            Ticks->SetCaption(QStringLiteral("Timer ticks (1 s): %1").arg(FTickCount));
        });
        Ticks->SetCaption(QStringLiteral("Timer ticks (1 s): 0"));
        FTimer->Start(1000);

        Log(QStringLiteral("Sample PX-2024-0117 ready; trace color Navy"));
        Log(QStringLiteral("MouseDown left [Left] at 100,60"));
        Log(QStringLiteral("Click"));
        Log(QStringLiteral("MouseUp left [] at 100,60"));
        Log(QStringLiteral("KeyDown 65 [Shift]"));
        Log(QStringLiteral("KeyPress #65 'A'"));
    }

private:
    void Place(TLabel* Label, const QString& Caption, int X, int Y)
    {
        Label->SetCaption(Caption);
        Label->SetBounds(X, Y, Label->GetWidth(), Label->GetHeight());
    }
    void Log(const QString& Line) { FLog->appendPlainText(Line); }

    QPlainTextEdit* FLog = nullptr;
    TComponentTimer* FTimer = nullptr;
    int FTickCount = 0;
};

const vok::gallery::PageRegistration Reg(20, QStringLiteral("Controls"), [] { return new ControlsPage; });

} // namespace
