#include <vok/Vok_Colbut.h>
#include <vok/Vok_colors.h>
#include <vok/Vok_forms.h>
#include <vok/Vok_syscolors.h>

#include <QFontMetrics>

#include <algorithm>

namespace vok {

double HoverLightness(double L)
{
    return std::min(1.0, L <= 0.3 ? L + 0.2 : (L + 1) / 2);
}

TColor CaptionColorFor(TColor Color, bool ParentBackground)
{
    if (ParentBackground)
        return clWindowText;
    return ColorToGray(ColorToRGB(Color)) <= 96 ? clWhite : clBlack;
}

TColorButton::TColorButton(QWidget* AOwner)
    : TCustomPanel(AOwner)
    , FBakColor(clBtnFace)
{
    SetColor(clBtnFace);
    SetParentBackground(false);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFocusPolicy(Qt::StrongFocus);
}

TColorDialog* TColorButton::GetColorDialog() const
{
    return FColorDialog;
}

void TColorButton::SetColorDialog(TColorDialog* Value)
{
    FColorDialog = Value;
}

void TColorButton::MouseEnter()
{
    TCustomPanel::MouseEnter();
    FBakColor = GetColor();
    FHovered = true;
    double H, S, L;
    ColorToHSL(ColorToRGB(GetColor()), H, S, L);
    SetColor(HSLtoColor(H, S, HoverLightness(L)));
}

void TColorButton::MouseLeave()
{
    TCustomPanel::MouseLeave();
    FHovered = false;
    SetColor(FBakColor);
}

void TColorButton::Click()
{
    TCustomPanel::Click();
    if (!FColorDialog)
        return;
    // The dialog starts from the button's own color, not the lightened one.
    const TColor Own = FHovered ? FBakColor : GetColor();
    FColorDialog->SetColor(Own);
    if (!FColorDialog->Execute())
        return;
    const TColor Chosen = FColorDialog->GetColor();
    SetColor(Chosen);
    FBakColor = Chosen;
    GetFont()->SetColor(CaptionColorFor(Chosen, GetParentBackground()));
    if (OnChange)
        OnChange(this);
    emit changed();
    if (Chosen != Own)
        emit colorChanged(Chosen);
}

void TColorButton::KeyDown(quint16& Key, TShiftState Shift)
{
    TCustomPanel::KeyDown(Key, Shift);
    if (Key == VK_SPACE || Key == VK_RETURN) {
        Key = 0;
        Click();
    }
}

void TColorButton::FontChanged()
{
    TCustomPanel::FontChanged();
    updateGeometry();
}

QSize TColorButton::sizeHint() const
{
    return {185, 41};
}

QSize TColorButton::minimumSizeHint() const
{
    const QFontMetrics Fm(font());
    return {std::max(24, Fm.horizontalAdvance(GetCaption()) + 12), Fm.height() + 8};
}

} // namespace vok
