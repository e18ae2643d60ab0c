#include <vok/Vok_Colsel.h>
#include <vok/Vok_colors.h>
#include <vok/Vok_forms.h>
#include <vok/Vok_syscolors.h>

#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <cmath>

namespace vok {

namespace {
constexpr TColor DisabledFace = 0xC0C0C0;
constexpr TColor DisabledLine = 0x808080;
} // namespace

TColor EditGlyphPenColor(TColor Color)
{
    const double R = GetRValue(Color), G = GetGValue(Color), B = GetBValue(Color);
    return std::sqrt(R * R + 2 * G * G + B * B) / 2 > 180 ? clBlack : clWhite;
}

TColSel::TColSel(QWidget* AOwner)
    : TCustomComboBox(AOwner)
{
    SetStyle(csOwnerDrawFixed);
    for (int I = 0; I < MaxColors; ++I) {
        FColors[I] = PredefinedColors(I + 1).Color;
        FColorNames[I] = ColorToString(FColors[I]);
    }
    FontChanged();
}

void TColSel::Loaded()
{
    TCustomComboBox::Loaded();
    BuildList();
}

// ---- slots ------------------------------------------------------------------

void TColSel::NameSlot(int Slot, TColor Color)
{
    FColors[Slot - 1] = Color;
    QString Name = ColorToString(Color);
    if (OnColorNameChange)
        OnColorNameChange(this, Name);
    FColorNames[Slot - 1] = Name;
    if (Slot <= GetItemCount())
        setItemText(Slot - 1, Name);
}

TColor TColSel::GetColors(int Index) const { return InRange(Index) ? FColors[Index - 1] : 0; }

void TColSel::SetColors(int Index, TColor Value)
{
    if (!InRange(Index))
        return;
    const TColor Old = GetSelColor();
    NameSlot(Index, Value);
    update();
    NotifySelColor(Old);
}

QString TColSel::GetColorNames(int Index) const { return InRange(Index) ? FColorNames[Index - 1] : QString(); }

void TColSel::SetColorNames(int Index, const QString& Value)
{
    if (!InRange(Index))
        return;
    FColorNames[Index - 1] = Value;
    if (Index <= GetItemCount())
        setItemText(Index - 1, Value);
    update();
}

bool TColSel::GetColorEditAllowed(int Index) const { return InRange(Index) && FIsUserEditable[Index - 1]; }

void TColSel::SetColorEditAllowed(int Index, bool Value)
{
    if (!InRange(Index))
        return;
    FIsUserEditable[Index - 1] = Value;
    update();
}

void TColSel::SetAllColorEditFlags()
{
    FIsUserEditable.fill(true);
    update();
}

void TColSel::ResetAllColorEditFlags()
{
    FIsUserEditable.fill(false);
    update();
}

QString TColSel::GetSelColorID() const { return GetItemIndex() >= 0 ? FColorNames[FSelColorIx - 1] : QString(); }

void TColSel::NotifySelColor(TColor Old)
{
    if (GetSelColor() != Old)
        emit selColorChanged(GetSelColor());
}

// ---- settings ---------------------------------------------------------------

void TColSel::SetColorBarWidth(int Value)
{
    if (Value < 0 || Value == FColorBarWidth)
        return;
    FColorBarWidth = Value;
    updateGeometry();
    update();
}

void TColSel::SetNumColors(int Value)
{
    if (Value < 1 || Value > MaxColors)
        return;
    const TColor Old = GetSelColor();
    FNumColors = Value;
    FSelColorIx = 1;
    BuildList();
    NotifySelColor(Old);
}

void TColSel::SetEnabled(bool Value)
{
    TCustomComboBox::SetEnabled(Value);
    update();
}

void TColSel::SetSelColor(TColor Value)
{
    const TColor Old = GetSelColor();
    const TColor Rgb = ColorToRGB(Value);
    int Found = 0;
    for (int Slot = 1; Slot <= FNumColors && !Found; ++Slot)
        if (ColorToRGB(FColors[Slot - 1]) == Rgb)
            Found = Slot;
    if (Found) {
        FSelColorIx = Found;
        SetItemIndex(Found - 1);
    } else {
        NameSlot(FSelColorIx, Rgb);
        FColors[FSelColorIx - 1] = Value;
    }
    update();
    NotifySelColor(Old);
}

void TColSel::LoadPalette(int Count, int FirstEntry)
{
    const TColor Old = GetSelColor();
    FSelColorIx = 1;
    FNumColors = Count;
    for (int Slot = 1; Slot <= Count; ++Slot)
        NameSlot(Slot, PredefinedColors(FirstEntry + Slot - 1).Color);
    BuildList();
    NotifySelColor(Old);
}

void TColSel::LoadBasicVGAPalette() { LoadPalette(16, 1); }
void TColSel::LoadExtendedPalette() { LoadPalette(20, 1); }
void TColSel::LoadStandardPalette() { LoadPalette(47, 1); }
void TColSel::LoadWindowsSystemPalette() { LoadPalette(27, 21); }

void TColSel::BuildList()
{
    SetItems(QStringList(FColorNames.begin(), FColorNames.begin() + FNumColors));
    SetItemIndex(FSelColorIx - 1);
    updateGeometry();
}

// ---- input ------------------------------------------------------------------

void TColSel::Change()
{
    FireChange(GetSelColor());
}

void TColSel::FireChange(TColor Old)
{
    if (GetItemIndex() >= 0)
        FSelColorIx = GetItemIndex() + 1;
    TCustomComboBox::Change();
    emit changed();
    NotifySelColor(Old);
}

void TColSel::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomComboBox::MouseMove(Shift, X, Y);
    FMouseAreaCode = X < FColorBarWidth ? 1 : 0;
}

void TColSel::DropDown()
{
    // The slot checked, offered and written back is the current item's.
    const int Slot = GetItemIndex() + 1;
    if (FMouseAreaCode == 1 && InRange(Slot) && FIsUserEditable[Slot - 1]) {
        TColorDialog Dialog(this);
        Dialog.SetColor(FColors[Slot - 1]);
        if (Dialog.Execute()) {
            const TColor Old = GetSelColor();
            NameSlot(Slot, ColorToRGB(Dialog.GetColor()));
            FireChange(Old);
        }
        update();
    }
    TCustomComboBox::DropDown();
}

// ---- painting ---------------------------------------------------------------

void TColSel::DrawItem(int Index, TRect ARect, TOwnerDrawState State)
{
    TCanvas* Canvas = GetCanvas();
    TBrush* Brush = Canvas->GetBrush();
    TPen* Pen = Canvas->GetPen();
    TFont* Font = Canvas->GetFont();
    const TColor SavedBrush = Brush->GetColor();
    const TColor SavedFont = Font->GetColor();
    const bool Enabled = isEnabled() && !(State & odDisabled);
    const int Slot = Index + 1;
    const int W = FColorBarWidth;
    int L = ARect.Left;
    const int T = ARect.Top, R = ARect.Right, B = ARect.Bottom;
    if (State & odSelected) {
        Brush->SetColor(clHighlight);
        Canvas->FillRect(ARect);
    }
    if (W > 0) {
        if (Enabled) {
            Brush->SetColor(FColors[Slot - 1]);
            Canvas->Rectangle(L + 3, T + 2, L + 3 + W, B - 2);
        } else {
            // The gray field stays inside the item.
            Pen->SetColor(DisabledFace);
            Brush->SetColor(DisabledFace);
            Canvas->Rectangle(L, T, L + 3 + W, B);
            Pen->SetColor(DisabledLine);
            Canvas->Rectangle(L + 3, T + 2, L + 3 + W, B - 2);
        }
    }
    if (FIsUserEditable[Slot - 1] && W >= 12 && Enabled) {
        Pen->SetColor(EditGlyphPenColor(ColorToRGB(FColors[Slot - 1])));
        Canvas->Polyline({Point(L + 5, T + 4), Point(L + 5, B - 5), Point(L + 8, B - 5), Point(L + 11, B - 8),
                          Point(L + 11, T + 7), Point(L + 8, T + 4), Point(L + 5, T + 4)});
        Pen->SetColor(clBlack);
    }
    Font->SetColor(Enabled ? clBlack : DisabledLine);
    Brush->SetColor(Enabled ? GetColor() : DisabledFace);
    L += W + 3;
    const QString& Name = FColorNames[Slot - 1];
    Canvas->TextRect(Rect(L, T, R, B), L + 3, T + (B - T - Canvas->TextHeight(Name)) / 2, Name);
    Brush->SetColor(SavedBrush);
    Font->SetColor(SavedFont);
}

// ---- sizes ------------------------------------------------------------------

void TColSel::FontChanged()
{
    TCustomComboBox::FontChanged();
    SetItemHeight(std::max(16, QFontMetrics(font()).height() + 4));
    updateGeometry();
}

QSize TColSel::SizeForText(int TextWidth) const
{
    QStyleOptionComboBox Option;
    initStyleOption(&Option);
    const QSize Contents(FColorBarWidth + 6 + TextWidth + 4, GetItemHeight());
    return style()->sizeFromContents(QStyle::CT_ComboBox, &Option, Contents, this);
}

QSize TColSel::sizeHint() const
{
    const QFontMetrics Fm(font());
    int Widest = Fm.horizontalAdvance(QStringLiteral("clMoneyGreen"));
    for (int I = 0; I < GetItemCount(); ++I)
        Widest = std::max(Widest, Fm.horizontalAdvance(GetItem(I)));
    return SizeForText(Widest);
}

QSize TColSel::minimumSizeHint() const
{
    return SizeForText(QFontMetrics(font()).horizontalAdvance(QStringLiteral("clGray")));
}

} // namespace vok
