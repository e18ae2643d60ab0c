#include <vok/Vok_RotLab.h>
#include <vok/Vok_syscolors.h>

#include <gtest/gtest.h>

#include <QWidget>
#include <QAccessible>

using namespace vok;

namespace {

// The box of the pixels that differ from Background.
QRect InkBox(const TRotLab& L, TColor Background)
{
    QRect Box;
    for (int Y = 0; Y < L.GetHeight(); ++Y)
        for (int X = 0; X < L.GetWidth(); ++X)
            if (L.GetCanvas()->GetPixel(X, Y) != Background)
                Box |= QRect(X, Y, 1, 1);
    return Box;
}

bool HasPixel(const TRotLab& L, TColor Color)
{
    for (int Y = 0; Y < L.GetHeight(); ++Y)
        for (int X = 0; X < L.GetWidth(); ++X)
            if (L.GetCanvas()->GetPixel(X, Y) == Color)
                return true;
    return false;
}

std::unique_ptr<TRotLab> OpaqueLabel()
{
    auto L = std::make_unique<TRotLab>();
    L->SetTransparent(false);
    L->SetColor(clWhite);
    L->SetFrameStyle(fsNoFrame);
    L->GetFont()->SetName(QStringLiteral("DejaVu Sans"));
    L->SetCaption(QStringLiteral("Rotated text"));
    return L;
}

} // namespace

TEST(RotatedTextOrigin, PutsTheAlignedPointOnTheReference)
{
    struct Case
    {
        int Angle;
        TAlignment Alignment;
        TPoint Origin;
    } Cases[] = {
        {0, taLeftJustify, {100, 95}},
        {0, taCenter, {70, 95}},
        {0, taRightJustify, {40, 95}},
        {90, taCenter, {95, 130}},  // runs upward: the start lies below
        {180, taCenter, {130, 105}},
        {90, taRightJustify, {95, 160}},
        {-90, taLeftJustify, {105, 100}},
    };
    for (const Case& C : Cases)
        EXPECT_EQ(RotatedTextOrigin(100, 100, 60, 10, C.Angle, C.Alignment), C.Origin) << C.Angle << " " << C.Alignment;
}

TEST(TRotLab, CentredCaptionAtNinetyDegrees)
{
    auto L = OpaqueLabel();
    L->SetTextAngle(90);
    L->Paint();
    const QRect Box = InkBox(*L, clWhite);
    ASSERT_FALSE(Box.isEmpty());
    EXPECT_GT(Box.height(), 3 * Box.width()); // runs upward
    EXPECT_NEAR(Box.center().x(), 100, 2);
    EXPECT_NEAR(Box.center().y(), 100, 2);
}

TEST(TRotLab, AutoCenterOverridesThePosition)
{
    QWidget Parent;
    auto* L = new TRotLab(&Parent);
    L->SetPosX(30);
    EXPECT_EQ(L->GetPosX(), 100);
    L->SetBounds(0, 0, 120, 80);
    EXPECT_EQ(L->GetPosX(), 60);
    EXPECT_EQ(L->GetPosY(), 40);

    L->SetAutoCenter(false);
    L->SetPosX(30);
    EXPECT_EQ(L->GetPosX(), 30);
    L->SetBounds(0, 0, 200, 200);
    EXPECT_EQ(L->GetPosX(), 30);
    EXPECT_EQ(L->GetPosY(), 40);
}

TEST(TRotLab, DisabledCaptionIsEmbossed)
{
    auto L = OpaqueLabel();
    L->SetAntiAlias(false);
    L->Paint();
    EXPECT_TRUE(HasPixel(*L, clBlack));
    L->SetEnabled(false);
    L->Paint();
    EXPECT_FALSE(HasPixel(*L, clBlack));
    EXPECT_TRUE(HasPixel(*L, ColorToRGB(clBtnShadow)));
    EXPECT_TRUE(HasPixel(*L, ColorToRGB(clBtnHighlight)) || ColorToRGB(clBtnHighlight) == clWhite);
}

TEST(TRotLab, FrameAndAssign)
{
    auto L = OpaqueLabel();
    L->SetFrameStyle(fsLowered);
    L->Paint();
    EXPECT_EQ(L->GetCanvas()->GetPixel(0, 100), clGray);
    EXPECT_EQ(L->GetCanvas()->GetPixel(199, 100), clWhite);

    TRotLab Other;
    Other.SetTextAngle(45);
    Other.SetAutoCenter(false);
    Other.SetPosX(12);
    Other.SetAntiAlias(false);
    L->Assign(&Other);
    EXPECT_EQ(L->GetTextAngle(), 45);
    EXPECT_EQ(L->GetPosX(), 12);
    EXPECT_FALSE(L->GetAntiAlias());
    EXPECT_FALSE(L->GetAutoCenter());
}

TEST(TRotLab, AccessibleStaticTextNamedByItsCaption)
{
    QWidget Parent;
    auto* L = new TRotLab(&Parent);
    L->SetCaption(QStringLiteral("Rotated text"));
    L->SetTextAngle(90);
    QAccessibleInterface* A = QAccessible::queryAccessibleInterface(L);
    ASSERT_NE(A, nullptr);
    EXPECT_EQ(A->role(), QAccessible::StaticText);
    EXPECT_EQ(A->text(QAccessible::Name), QStringLiteral("Rotated text"));
    L->setAccessibleName(QStringLiteral("Axis"));
    EXPECT_EQ(A->text(QAccessible::Name), QStringLiteral("Axis"));
    Parent.setEnabled(false);
    EXPECT_TRUE(A->state().disabled);
}
