#include "OnOffButLayout.h"

#include <vok/Vok_onoffbut.h>
#include <vok/Vok_syscolors.h>

#include "PictureTest.h"
#include "AccessibleCounting.h"

#include <gtest/gtest.h>

#include <QAccessible>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

using namespace vok;

namespace {

TColor PixelAt(const TOnOffBut& B, int X, int Y) { return B.GetCanvas()->GetPixel(X, Y); }

bool AnyPixel(const TOnOffBut& B, TRect Box, TColor Color) { return test::AnyPixel(*B.GetCanvas(), Box, Color); }

// A click as the mouse gives it: press and release at (X, Y).
void ClickAt(TOnOffBut& B, int X, int Y)
{
    B.MouseDown(mbLeft, {}, X, Y);
    B.MouseUp(mbLeft, {}, X, Y);
}

// Three buttons of group 1 on one parent, the first one on.
struct Group
{
    QWidget Parent;
    TOnOffBut* B[3];

    explicit Group(bool AllowAllOff)
    {
        for (TOnOffBut*& Button : B) {
            Button = new TOnOffBut(&Parent);
            Button->SetMouseAction(oomaPlain);
            Button->SetOnOff(false);
            Button->SetGroupIndex(1);
        }
        B[0]->SetAllowAllOff(AllowAllOff);
        B[0]->SetOnOff(true);
    }
    QList<bool> States() const { return {B[0]->GetOnOff(), B[1]->GetOnOff(), B[2]->GetOnOff()}; }
};

} // namespace

TEST(OnOffButPictures, EveryStyleLoadsItsStripWithTheListedGlyphSize)
{
    struct Case
    {
        TOnOffButStyle Style;
        int W, H;
    };
    const Case Cases[] = {
        {oobsCheckbox, 16, 16},    {oobsRadioBut, 14, 14},       {oobsSlideTB, 18, 30},
        {oobsSlideLR, 30, 18},     {oobsColSlideTB, 18, 30},     {oobsColSlideLR, 30, 18},
        {oobsLedRedGreen, 14, 14}, {oobsArrowTopRgt, 25, 25},    {oobsArrowUpDown, 25, 25},
        {oobsArrowLeftRight, 25, 25}, {oobsTrafficLPed, 31, 31}, {oobsBeveledLed, 17, 17},
        {oobsSmileyYellow, 18, 18}, {oobsSmileyRedGrn, 18, 18},  {oobsBulb, 39, 49},
        {oobsButLamp, 49, 24},     {oobsHDLeft, 48, 16},         {oobsHDRight, 48, 16},
        {oobsUser1, 24, 24},       {oobsUser2, 24, 24},          {oobsUser3, 24, 24},
        {oobsUser4, 24, 24},       {oobsUser5, 24, 24},
    };
    TOnOffBut B;
    const QRgb Key = qRgb(235, 190, 235);
    for (const Case& C : Cases) {
        SCOPED_TRACE(OnOffButResourceName(C.Style).toStdString());
        B.SetButtonStyle(C.Style);
        ASSERT_EQ(B.GetGlyphWidth(), C.W);
        ASSERT_EQ(B.GetGlyphHeight(), C.H);
        // The four pictures differ: on from off, enabled from disabled; each
        // has background (key) and picture pixels.
        const QImage OnEn = B.GetStateImage(true, true)->GetImage();
        EXPECT_NE(OnEn, B.GetStateImage(false, true)->GetImage());
        EXPECT_NE(OnEn, B.GetStateImage(true, false)->GetImage());
        int Keys = 0;
        for (int Y = 0; Y < C.H; ++Y)
            for (int X = 0; X < C.W; ++X)
                Keys += (OnEn.pixel(X, Y) & 0xFFFFFF) == (Key & 0xFFFFFF);
        EXPECT_LT(Keys, C.W * C.H);
    }
}

TEST(OnOffButLayout, TextPlacesAndPictureHits)
{
    // A 30 x 18 glyph at LS 35, TS 16 on a 100-wide control, texts 13 high.
    const TOnOffButLayout L{35, 16, 30, 18, 100, 13};
    EXPECT_EQ(L.LeftTextAt(taRightJustify, 20), Point(12, 18));
    EXPECT_EQ(L.LeftTextAt(taCenter, 20), Point(7, 18));
    EXPECT_EQ(L.RightTextAt(taLeftJustify, 20), Point(69, 18));
    EXPECT_EQ(L.RightTextAt(taCenter, 20), Point(73, 18));
    EXPECT_EQ(L.RightTextAt(taRightJustify, 20), Point(76, 18));
    EXPECT_EQ(L.TopTextAt(taCenter, 20), Point(40, -1));
    EXPECT_EQ(L.BottomTextAt(taLeftJustify, 20), Point(4, 38));
    EXPECT_FALSE(L.InPicture(35, 20)); // the border pixel X = LS
    EXPECT_TRUE(L.InPicture(36, 20));
    EXPECT_FALSE(L.InPicture(65, 20));
    EXPECT_FALSE(L.InPicture(50, 34));
}

TEST(TOnOffBut, CheckboxCornerAndSpaces)
{
    TOnOffBut B;
    EXPECT_EQ(B.sizeHint(), QSize(100, 50));
    B.SetButtonStyle(oobsCheckbox);
    EXPECT_EQ(B.GetLeftSpace(), 42);
    EXPECT_EQ(B.GetTopSpace(), 17);
    B.Paint();
    // The check box's sunken outline starts at the picture corner (43, 18) + 1.
    EXPECT_EQ(PixelAt(B, 43, 18), ColorToRGB(clBtnFace)); // key corner: background
    EXPECT_NE(PixelAt(B, 45, 25), ColorToRGB(clBtnFace));

    B.SetLeftSpace(-1);
    EXPECT_EQ(B.GetLeftSpace(), 42);
    B.SetAutoCenter(false);
    B.SetLeftSpace(500);
    EXPECT_EQ(B.GetLeftSpace(), 100);
    B.SetTopSpace(500);
    EXPECT_EQ(B.GetTopSpace(), 50);
    B.SetAutoCenter(true); // centres again
    EXPECT_EQ(B.GetLeftSpace(), 42);
}

TEST(TOnOffBut, MouseActionsAndModes)
{
    TOnOffBut B;
    B.SetButtonStyle(oobsCheckbox); // picture strictly inside 42 < X < 58, 17 < Y < 33
    int Clicks = 0;
    B.OnClick = [&](QObject*) { ++Clicks; };
    QSignalSpy Changed(&B, &TOnOffBut::onOffChanged);
    ASSERT_TRUE(B.GetOnOff());

    ClickAt(B, 42, 25); // the border pixel: nothing
    ClickAt(B, 10, 25); // beside the picture: nothing
    EXPECT_TRUE(B.GetOnOff());
    EXPECT_EQ(Clicks, 0);
    ClickAt(B, 50, 25);
    EXPECT_FALSE(B.GetOnOff());
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(Changed.size(), 1);
    B.MouseDown(mbRight, {}, 50, 25);
    EXPECT_FALSE(B.GetOnOff());

    B.SetMouseAction(oomaPlain);
    ClickAt(B, 42, 25);
    EXPECT_TRUE(B.GetOnOff());
    B.SetMouseAction(oomaNone);
    ClickAt(B, 50, 25);
    EXPECT_TRUE(B.GetOnOff());
    EXPECT_EQ(Clicks, 2);

    // Speed-button mode: on while held, OnClick on release.
    B.SetMouseAction(oomaFocused);
    B.SetMode(oobmSpeedBut);
    EXPECT_FALSE(B.GetOnOff());
    B.Update();
    const QImage Off = B.GetPicture();
    B.MouseDown(mbLeft, {}, 50, 25);
    EXPECT_TRUE(B.GetOnOff());
    EXPECT_NE(B.GetPicture(), Off);
    EXPECT_EQ(Clicks, 2);
    B.MouseUp(mbLeft, {}, 50, 25);
    EXPECT_FALSE(B.GetOnOff());
    EXPECT_EQ(B.GetPicture(), Off);
    EXPECT_EQ(Clicks, 3);
}

TEST(TOnOffBut, GroupsSwitchTheOthersOff)
{
    {
        Group G(false);
        EXPECT_EQ(G.States(), (QList<bool>{true, false, false}));
        ClickAt(*G.B[1], 50, 25);
        EXPECT_EQ(G.States(), (QList<bool>{false, true, false}));
        ClickAt(*G.B[1], 50, 25); // the last one on stays on
        EXPECT_EQ(G.States(), (QList<bool>{false, true, false}));
        G.B[1]->SetOnOff(false); // also by code
        EXPECT_TRUE(G.B[1]->GetOnOff());
        G.B[2]->SetOnOff(true);
        EXPECT_EQ(G.States(), (QList<bool>{false, false, true}));
    }
    {
        Group G(true);
        ClickAt(*G.B[0], 50, 25);
        EXPECT_EQ(G.States(), (QList<bool>{false, false, false}));
    }
    {
        // Group 0 never talks to the others.
        QWidget Parent;
        TOnOffBut A(&Parent), B(&Parent);
        A.SetOnOff(true);
        B.SetOnOff(true);
        EXPECT_TRUE(A.GetOnOff());
        EXPECT_TRUE(B.GetOnOff());
    }
}

TEST(TOnOffBut, DisabledUsesTheBottomRowAndEngravedTexts)
{
    TOnOffBut B;
    B.SetButtonStyle(oobsLedRedGreen);
    B.SetRightText(QStringLiteral("Pump"));
    B.Paint();
    EXPECT_TRUE(AnyPixel(B, Rect(60, 15, 98, 35), clBlack));
    const QImage Enabled = B.GetPicture();
    B.setEnabled(false);
    B.Paint();
    EXPECT_FALSE(AnyPixel(B, Rect(60, 15, 98, 35), clBlack));
    EXPECT_TRUE(AnyPixel(B, Rect(60, 15, 98, 35), clGray));
    EXPECT_TRUE(AnyPixel(B, Rect(60, 15, 98, 35), clWhite));
    // The picture is the disabled cell of the strip.
    const QImage Cell = B.GetStateImage(true, false)->GetImage();
    const TPoint O{B.GetLeftSpace() + 1, B.GetTopSpace() + 1};
    EXPECT_EQ(PixelAt(B, O.X + 7, O.Y + 7), PixelToColor(Cell.pixel(7, 7)));
}

TEST(TOnOffBut, TransparentLeavesTheKeySeeThrough)
{
    TOnOffBut B;
    B.SetButtonStyle(oobsRadioBut);
    B.SetFrameStyle(fsNoFrame);
    B.SetTransparent(true);
    B.Paint();
    const int X0 = B.GetLeftSpace() + 1, Y0 = B.GetTopSpace() + 1;
    EXPECT_EQ(qAlpha(B.GetPicture().pixel(2, 2)), 0);
    EXPECT_EQ(qAlpha(B.GetPicture().pixel(X0, Y0)), 0); // the key corner
    EXPECT_EQ(qAlpha(B.GetPicture().pixel(X0 + 7, Y0 + 7)), 255);
}

TEST(TOnOffBut, UserGlyphsAndAssign)
{
    TOnOffBut B;
    B.SetButtonStyle(oobsUser);
    EXPECT_EQ(B.GetGlyphWidth(), 20); // the built-in circle and cross

    TBitmap Strip(40, 60);
    Strip.GetCanvas()->GetBrush()->SetColor(0x0000FF);
    Strip.GetCanvas()->FillRect(Rect(0, 0, 20, 30)); // on, enabled: red
    EXPECT_TRUE(B.SetUserGlyph(&Strip));
    EXPECT_EQ(B.GetGlyphWidth(), 20);
    EXPECT_EQ(B.GetGlyphHeight(), 30);
    EXPECT_EQ(B.GetStateImage(true, true)->GetCanvas()->GetPixel(3, 3), 0x0000FFu);
    EXPECT_EQ(B.GetStateImage(false, true)->GetCanvas()->GetPixel(3, 3), 0xFFFFFFu);

    TBitmap Tiny(1, 1);
    EXPECT_FALSE(B.SetUserGlyph(&Tiny));
    EXPECT_FALSE(B.LoadUserGlyph(QStringLiteral("/nonexistent/strip.png")));
    EXPECT_EQ(B.GetGlyphHeight(), 30);
    QTemporaryDir Dir;
    const QString File = Dir.filePath(QStringLiteral("strip.png"));
    Strip.SaveToFile(File);
    TOnOffBut C;
    C.SetButtonStyle(oobsUser);
    EXPECT_TRUE(C.LoadUserGlyph(File));
    EXPECT_EQ(C.GetStateImage(true, true)->GetCanvas()->GetPixel(3, 3), 0x0000FFu);

    TOnOffBut D;
    B.SetTopText(QStringLiteral("Valve"));
    B.SetGroupIndex(4);
    B.SetOnOff(false);
    D.Assign(&B);
    EXPECT_EQ(D.GetButtonStyle(), oobsUser);
    EXPECT_EQ(D.GetTopText(), QStringLiteral("Valve"));
    EXPECT_FALSE(D.GetOnOff());
    EXPECT_EQ(D.GetGroupIndex(), 0);
    EXPECT_EQ(D.GetStateImage(true, true)->GetCanvas()->GetPixel(3, 3), 0x0000FFu);
    EXPECT_TRUE(D.setProperty("ButtonStyle", QStringLiteral("oobsBulb")));
    EXPECT_EQ(D.GetGlyphHeight(), 49);
}

TEST(TOnOffBut, SpaceBarActsAsAClick)
{
    TOnOffBut B;
    EXPECT_EQ(B.focusPolicy(), Qt::StrongFocus);
    int Clicks = 0;
    B.OnClick = [&](QObject*) { ++Clicks; };
    quint16 Key = VK_SPACE;
    B.KeyDown(Key, {});
    B.KeyDown(Key, {}); // held: the repeats do not toggle again
    EXPECT_FALSE(B.GetOnOff());
    EXPECT_EQ(Clicks, 0);
    B.KeyUp(Key, {});
    EXPECT_EQ(Clicks, 1);
    B.SetMouseAction(oomaNone);
    B.KeyDown(Key, {});
    B.KeyUp(Key, {});
    EXPECT_FALSE(B.GetOnOff());
    EXPECT_EQ(Clicks, 1);
}

TEST(TOnOffBut, AccessibleCheckBoxOrSpeedButton)
{
    QWidget Parent;
    AccessibleCounting<TOnOffBut>* G[3];
    for (auto*& Button : G) {
        Button = new AccessibleCounting<TOnOffBut>(&Parent);
        Button->SetMouseAction(oomaPlain);
        Button->SetOnOff(false);
        Button->SetGroupIndex(1);
    }
    auto* B = G[0];
    B->SetOnOff(true);
    B->SetLeftText(QStringLiteral("Off"));
    B->SetRightText(QStringLiteral("Pump"));
    QAccessibleInterface* A = QAccessible::queryAccessibleInterface(B);
    ASSERT_NE(A, nullptr);
    EXPECT_EQ(A->role(), QAccessible::CheckBox);
    EXPECT_EQ(A->text(QAccessible::Name), QStringLiteral("Pump"));
    EXPECT_TRUE(A->state().checkable);
    EXPECT_TRUE(A->state().checked);
    for (auto* Button : G)
        Button->StateChanges = 0;
    B->SetOnOff(false);
    EXPECT_FALSE(A->state().checked);
    ClickAt(*G[1], 50, 25);
    B->SetOnOff(true); // and G[1] goes off
    B->SetOnOff(true); // unchanged
    EXPECT_EQ(B->StateChanges, 2);
    EXPECT_EQ(G[1]->StateChanges, 2);
    EXPECT_EQ(G[2]->StateChanges, 0);
    EXPECT_TRUE(A->state().checked);

    // Speed-button mode: a button, pressed while held, never checked.
    B->SetMode(oobmSpeedBut);
    EXPECT_EQ(A->role(), QAccessible::Button);
    EXPECT_FALSE(A->state().checkable);
    EXPECT_FALSE(A->state().checked);
    B->SetMouseAction(oomaPlain);
    B->MouseDown(mbLeft, {}, 50, 25);
    EXPECT_TRUE(A->state().pressed);
    EXPECT_FALSE(A->state().checked);
    B->MouseUp(mbLeft, {}, 50, 25);
    EXPECT_FALSE(A->state().pressed);

    B->SetRightText(QString());
    EXPECT_EQ(A->text(QAccessible::Name), QStringLiteral("Off"));
    B->setAccessibleName(QStringLiteral("Main pump"));
    EXPECT_EQ(A->text(QAccessible::Name), QStringLiteral("Main pump"));
    Parent.setEnabled(false);
    EXPECT_TRUE(A->state().disabled);
}
