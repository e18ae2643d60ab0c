#include <vok/Vok_RotLab.h>
#include <vok/Vok_frames.h>

#include <vok/Vok_rounding.h>

#include <cmath>
#include <numbers>

namespace vok {

TPoint RotatedTextOrigin(int PosX, int PosY, int Width, int Height, int Angle, TAlignment Alignment)
{
    const int Hw = Width / 2;
    const int Hh = Height / 2;
    const double A = (Angle % 360) * std::numbers::pi / 180.0;
    const double S = std::sin(A), C = std::cos(A);
    // How far along the text's base line the reference point lies.
    const int Along = Alignment == taLeftJustify ? 0 : Alignment == taCenter ? Hw : 2 * Hw;
    return Point(Round(PosX + (-Along * C - Hh * S)), Round(PosY + (Along * S - Hh * C)));
}

TRotLab::TRotLab(QWidget* AOwner)
    : TCustomLabel(AOwner)
{
    SetAutoSize(false);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    SetTransparent(true);
    SetColor(clBtnFace);
    GetFont()->SetName(QStringLiteral("Arial"));
    GetFont()->SetSize(11);
    SetBounds(GetLeft(), GetTop(), 200, 200);
    OnResize = [this](QObject* Sender) { ProcessResize(Sender); };
    AdjustAutoCenter();
}

QSize TRotLab::minimumSizeHint() const
{
    // The caption fits at any angle within a square of its width.
    TCanvas* C = GetCanvas();
    C->SetFont(GetFont());
    const int Side = std::max(C->TextWidth(GetCaption()), C->TextHeight(QStringLiteral("Wg"))) + 4;
    return {Side, Side};
}

void TRotLab::Changed()
{
    if (GetTransparent())
        Invalidate();
    else
        Repaint();
}

void TRotLab::SetAlignment(TAlignment Value)
{
    if (FAlignment == Value)
        return;
    FAlignment = Value;
    Changed();
}

void TRotLab::SetAntiAlias(bool Value)
{
    if (FAntiAlias == Value)
        return;
    FAntiAlias = Value;
    Changed();
}

void TRotLab::SetAutoCenter(bool Value)
{
    if (FAutoCenter == Value)
        return;
    FAutoCenter = Value;
    if (Value)
        AdjustAutoCenter();
    Changed();
}

void TRotLab::SetFrameStyle(TFrameStyle Value)
{
    if (FFrameStyle == Value)
        return;
    FFrameStyle = Value;
    Changed();
}

void TRotLab::SetPosX(int Value)
{
    if (FTextPosX == Value)
        return;
    if (FAutoCenter)
        AdjustAutoCenter();
    else
        FTextPosX = Value;
    Changed();
}

void TRotLab::SetPosY(int Value)
{
    if (FTextPosY == Value)
        return;
    if (FAutoCenter)
        AdjustAutoCenter();
    else
        FTextPosY = Value;
    Changed();
}

void TRotLab::SetTextAngle(int Value)
{
    if (FTextAngle == Value)
        return;
    FTextAngle = Value;
    Changed();
}

void TRotLab::AdjustAutoCenter()
{
    FTextPosX = GetWidth() / 2;
    FTextPosY = GetHeight() / 2;
}

void TRotLab::ProcessResize(QObject*)
{
    if (!GetParent() || !FAutoCenter)
        return;
    AdjustAutoCenter();
    Changed();
}

void TRotLab::DoDrawText(TRect&, int Flags)
{
    if (Flags & DT_CALCRECT)
        return;
    TCanvas* C = GetCanvas();
    C->SetFont(GetFont());
    TFont* F = C->GetFont();
    F->SetEscapement(FTextAngle % 360 * 10);
    F->SetOrientation(FTextAngle % 360 * 10);
    F->SetQuality(FAntiAlias ? fqAntialiased : fqDefault);
    C->GetBrush()->SetStyle(bsClear);
    const QString Text = GetCaption();
    const TPoint O = RotatedTextOrigin(FTextPosX, FTextPosY, C->TextWidth(Text), C->TextHeight(Text), FTextAngle, FAlignment);
    if (isEnabled())
        C->TextOut(O.X, O.Y, Text);
    else
        DrawEmbossedText(C, O.X, O.Y, Text);
    F->SetEscapement(0);
    F->SetOrientation(0);
}

void TRotLab::Paint()
{
    if (!GetVisible())
        return;
    TCustomLabel::Paint();
    DrawFrame(GetCanvas(), FFrameStyle, 0, 0, GetWidth() - 1, GetHeight() - 1, clWhite, clSilver, clGray, clBlack, clBlack);
}

void TRotLab::Assign(QObject* Source)
{
    const auto* Other = qobject_cast<TRotLab*>(Source);
    if (!Other) {
        TCustomLabel::Assign(Source);
        return;
    }
    FAutoCenter = Other->FAutoCenter;
    FFrameStyle = Other->FFrameStyle;
    FTextAngle = Other->FTextAngle;
    FTextPosX = Other->FTextPosX;
    FTextPosY = Other->FTextPosY;
    FAntiAlias = Other->FAntiAlias;
    Invalidate();
}

void TRotLab::AssignTo(QObject* Dest)
{
    if (!AssignToKindOf(Dest))
        TCustomLabel::AssignTo(Dest);
}

} // namespace vok
