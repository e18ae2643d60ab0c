// The color selector and the color button.
#include <vok/Vok_Colbut.h>
#include <vok/Vok_Colsel.h>
#include <vok/Vok_colors.h>
#include <vok/Vok_forms.h>
#include <vok/Vok_syscolors.h>

#include <gtest/gtest.h>

#include <QAccessible>
#include <QSignalSpy>

#include <optional>

using namespace vok;

namespace {

// Answers every color dialog with Answer (nullopt: cancel) and records the
// color each one started from.
class DialogAnswer
{
public:
    explicit DialogAnswer(std::optional<TColor> Answer)
    {
        SetColorDialogHook([this, Answer](TColor& Color) {
            Offered.push_back(Color);
            if (Answer)
                Color = *Answer;
            return Answer.has_value();
        });
    }
    ~DialogAnswer() { SetColorDialogHook({}); }
    std::vector<TColor> Offered;
};

} // namespace

TEST(ColSel, ListIsBuiltOnLoadingAndByPalettes)
{
    TColSel Sel;
    EXPECT_EQ(Sel.GetItemCount(), 0); // created at run time: nothing until loaded
    Sel.Loaded();
    EXPECT_EQ(Sel.GetItemCount(), 20);
    EXPECT_EQ(Sel.GetItemIndex(), 0);
    EXPECT_EQ(Sel.GetSelColor(), PredefinedColors(1).Color);

    const struct
    {
        void (TColSel::*Load)();
        int Count;
        int FirstEntry;
    } Palettes[] = {
        {&TColSel::LoadBasicVGAPalette, 16, 1},
        {&TColSel::LoadExtendedPalette, 20, 1},
        {&TColSel::LoadStandardPalette, 47, 1},
        {&TColSel::LoadWindowsSystemPalette, 27, 21},
    };
    int Named = 0;
    Sel.OnColorNameChange = [&](QObject*, QString& Name) {
        ++Named;
        Name = QStringLiteral("~") + Name;
    };
    for (const auto& P : Palettes) {
        Named = 0;
        Sel.SetItemIndex(3);
        (Sel.*P.Load)();
        EXPECT_EQ(Sel.GetNumColors(), P.Count);
        EXPECT_EQ(Sel.GetItemCount(), P.Count);
        EXPECT_EQ(Named, P.Count);
        EXPECT_EQ(Sel.GetSelColorIx(), 1);
        EXPECT_EQ(Sel.GetItemIndex(), 0);
        for (int Slot = 1; Slot <= P.Count; ++Slot) {
            const TColor C = PredefinedColors(P.FirstEntry + Slot - 1).Color;
            ASSERT_EQ(Sel.GetColors(Slot), C);
            ASSERT_EQ(Sel.GetColorNames(Slot), QStringLiteral("~") + ColorToString(C));
            ASSERT_EQ(Sel.GetItem(Slot - 1), Sel.GetColorNames(Slot));
        }
    }
}

TEST(ColSel, IndexBoundsAndNumColors)
{
    TColSel Sel;
    Sel.LoadStandardPalette();
    Sel.SetNumColors(16);
    EXPECT_EQ(Sel.GetItemCount(), 16);
    Sel.SetNumColors(48);
    Sel.SetNumColors(0);
    EXPECT_EQ(Sel.GetNumColors(), 16);
    EXPECT_EQ(Sel.GetColors(17), 0u);
    EXPECT_EQ(Sel.GetColorNames(0), QString());
    Sel.SetColors(17, clRed);
    Sel.SetColorEditAllowed(17, true);
    EXPECT_FALSE(Sel.GetColorEditAllowed(17));
    Sel.SetNumColors(47); // hidden slots kept their colors
    EXPECT_EQ(Sel.GetColors(17), PredefinedColors(17).Color);
    EXPECT_FALSE(Sel.GetColorEditAllowed(17));

    Sel.SetColorNames(2, QStringLiteral("Deep red"));
    EXPECT_EQ(Sel.GetItem(1), QStringLiteral("Deep red"));
    Sel.SetColorBarWidth(-1);
    EXPECT_EQ(Sel.GetColorBarWidth(), 30);
}

TEST(ColSel, SelColorFoundOrReplacingTheSelectedSlot)
{
    TColSel Sel;
    Sel.LoadExtendedPalette();
    QSignalSpy Spy(&Sel, &TColSel::selColorChanged);
    Sel.SetSelColor(clRed);
    const int RedSlot = Sel.GetSelColorIx();
    EXPECT_EQ(Sel.GetColors(RedSlot), clRed);
    EXPECT_EQ(Sel.GetItemIndex(), RedSlot - 1);
    EXPECT_EQ(Sel.GetSelColorID(), QStringLiteral("clRed"));
    EXPECT_EQ(Spy.count(), 1);
    Sel.SetSelColor(clRed);
    EXPECT_EQ(Spy.count(), 1);

    Sel.SetSelColor(0x123456);
    EXPECT_EQ(Sel.GetSelColorIx(), RedSlot);
    EXPECT_EQ(Sel.GetColors(RedSlot), 0x123456u);
    EXPECT_EQ(Sel.GetSelColorID(), QStringLiteral("$00123456"));
    EXPECT_EQ(Sel.GetItem(RedSlot - 1), QStringLiteral("$00123456"));
    EXPECT_EQ(Spy.count(), 2);
    Sel.SetItemIndex(-1);
    EXPECT_EQ(Sel.GetSelColorID(), QString());
}

TEST(ColSel, RedefiningAColorFromTheDropDown)
{
    TColSel Sel;
    Sel.LoadExtendedPalette();
    Sel.SetColorEditAllowed(3, true);
    QString SeenInHandler;
    Sel.OnChange = [&](QObject*) { SeenInHandler = Sel.GetSelColorID(); };
    DialogAnswer Dialog(TColor(0x00A0B0));

    // Pointer over the name: no dialog.
    Sel.SetItemIndex(2);
    Sel.MouseMove({}, Sel.GetColorBarWidth() + 5, 5);
    Sel.DropDown();
    EXPECT_TRUE(Dialog.Offered.empty());

    // Over the bar of an editable item: the dialog starts from it and the
    // item takes the answer; OnChange already sees the new name.
    Sel.MouseMove({}, 5, 5);
    Sel.DropDown();
    ASSERT_EQ(Dialog.Offered.size(), 1u);
    EXPECT_EQ(Dialog.Offered[0], PredefinedColors(3).Color);
    EXPECT_EQ(Sel.GetColors(3), 0x00A0B0u);
    EXPECT_EQ(Sel.GetSelColorIx(), 3);
    EXPECT_EQ(SeenInHandler, QStringLiteral("$0000A0B0"));

    // The current item decides, not a selected slot left behind.
    Sel.SetItemIndex(4); // slot 5, not editable
    Sel.DropDown();
    EXPECT_EQ(Dialog.Offered.size(), 1u);
    EXPECT_EQ(Sel.GetColors(5), PredefinedColors(5).Color);
}

TEST(ColSel, ItemPicture)
{
    EXPECT_EQ(EditGlyphPenColor(clWhite), clBlack);
    EXPECT_EQ(EditGlyphPenColor(clYellow), clBlack);
    EXPECT_EQ(EditGlyphPenColor(clNavy), clWhite);
    EXPECT_EQ(EditGlyphPenColor(RGBToColor(150, 150, 150)), clWhite); // brightness 150
    EXPECT_EQ(EditGlyphPenColor(RGBToColor(190, 190, 190)), clBlack); // brightness 190

    TColSel Sel;
    Sel.LoadBasicVGAPalette();
    Sel.SetColorEditAllowed(13, true);
    const int H = Sel.GetItemHeight();
    QImage Item = Sel.RenderItem(12, 150, {});
    const TColor Bar = Sel.GetColors(13);
    EXPECT_EQ(PixelToColor(Item.pixel(20, H / 2)), Bar);
    EXPECT_EQ(PixelToColor(Item.pixel(5, H / 2)), EditGlyphPenColor(Bar)); // glyph's left edge

    Sel.SetEnabled(false);
    Item = Sel.RenderItem(12, 150, odDisabled);
    EXPECT_EQ(PixelToColor(Item.pixel(20, H / 2)), 0xC0C0C0u);
    EXPECT_EQ(PixelToColor(Item.pixel(3, H / 2)), 0x808080u);
    EXPECT_EQ(PixelToColor(Item.pixel(0, 0)), 0xC0C0C0u);
}

TEST(ColorButton, HoverLightensAndRestores)
{
    EXPECT_DOUBLE_EQ(HoverLightness(0.2), 0.4);
    EXPECT_DOUBLE_EQ(HoverLightness(0.8), 0.9);
    EXPECT_DOUBLE_EQ(HoverLightness(1.0), 1.0);

    TColorButton B;
    const TColor Dark = HSLtoColor(120, 0.5, 0.2);
    B.SetColor(Dark);
    B.MouseEnter();
    double H, S, L;
    ColorToHSL(B.GetColor(), H, S, L);
    EXPECT_NEAR(L, 0.4, 0.01);
    EXPECT_NEAR(H, 120, 1);
    B.MouseLeave();
    EXPECT_EQ(B.GetColor(), Dark);
}

TEST(ColorButton, ClickChoosesColorAndCaptionColor)
{
    EXPECT_EQ(CaptionColorFor(RGBToColor(96, 96, 96), false), clWhite);
    EXPECT_EQ(CaptionColorFor(RGBToColor(97, 97, 97), false), clBlack);
    EXPECT_EQ(CaptionColorFor(clBlack, true), clWindowText);

    TColorButton B;
    TColorDialog Dialog;
    int Changes = 0;
    B.OnChange = [&](QObject*) { ++Changes; };
    B.Click(); // no dialog assigned: nothing
    EXPECT_EQ(Changes, 0);
    B.SetColorDialog(&Dialog);
    B.SetColor(clYellow);
    {
        DialogAnswer Cancel(std::nullopt);
        B.Click();
        EXPECT_EQ(B.GetColor(), clYellow);
        EXPECT_EQ(Changes, 0);
    }
    DialogAnswer Answer(clNavy);
    QSignalSpy Spy(&B, &TColorButton::colorChanged);
    B.MouseEnter();
    B.Click();
    ASSERT_EQ(Answer.Offered.size(), 1u);
    EXPECT_EQ(Answer.Offered[0], clYellow); // its own color, not the lightened one
    EXPECT_EQ(B.GetColor(), clNavy);
    EXPECT_EQ(B.GetFont()->GetColor(), clWhite);
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(Spy.count(), 1);
    B.MouseLeave();
    EXPECT_EQ(B.GetColor(), clNavy);
}

TEST(ColorButton, AccessibleButtonNamedByItsCaption)
{
    QWidget Parent;
    auto* B = new TColorButton(&Parent);
    B->SetCaption(QStringLiteral("Trace"));
    QAccessibleInterface* A = QAccessible::queryAccessibleInterface(B);
    ASSERT_NE(A, nullptr);
    EXPECT_EQ(A->role(), QAccessible::Button);
    EXPECT_EQ(A->text(QAccessible::Name), QStringLiteral("Trace"));
    Parent.setEnabled(false);
    EXPECT_TRUE(A->state().disabled);
}
