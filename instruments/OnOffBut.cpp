#include <vok/Vok_onoffbut.h>
#include <vok/Vok_frames.h>
#include <vok/Vok_syscolors.h>
#include <vok/Vok_textdraw.h>

#include "OnOffButLayout.h"

#include <QFontMetrics>
#include <QSizePolicy>

#include <algorithm>

namespace vok {

QString OnOffButResourceName(TOnOffButStyle Style)
{
    static const char* const Names[] = {
        "",           "CHECKBOX",   "RADIOBUT",  "SLIDETOPBOT", "SLIDELFTRGT", "COLSLIDETB",
        "COLSLIDELR", "LEDREDGREEN", "ARROWTR",  "ARROWUD",     "ARROWLR",     "TRAFFICLGT",
        "BEVELEDLED", "SMILEYS",    "SMILEYRG",  "BULB",        "BUTLAMP",     "HDLEFT",
        "HDRIGHT",    "USER1",      "USER2",     "USER3",       "USER4",       "USER5",
    };
    const int I = int(Style);
    return I >= 0 && I < int(std::size(Names)) ? QString::fromLatin1(Names[I]) : QString();
}

// ---------------------------------------------------------------- life

TOnOffBut::TOnOffBut(QWidget* AOwner)
    : TGraphicControl(AOwner)
    , FButBmp(std::make_unique<TBitmap>())
{
    for (auto& Row : FStateImg)
        for (auto& Img : Row)
            Img = std::make_unique<TBitmap>();
    MakeUserImages();
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFocusPolicy(Qt::StrongFocus);
    SetBounds(GetLeft(), GetTop(), 100, 50);
    LoadGlyphs();
    AdjustAutoCenter();
    OnResize = [this](QObject* Sender) { ProcessResize(Sender); };
}

TOnOffBut::~TOnOffBut() = default;

// The on picture: an outlined circle; the off picture: a cross; both
// disabled pictures blank.
void TOnOffBut::MakeUserImages()
{
    for (auto& Row : FUserImg)
        for (auto& Img : Row)
            Img = std::make_unique<TBitmap>(20, 20);
    TCanvas* On = FUserImg[1][1]->GetCanvas();
    On->GetBrush()->SetStyle(bsClear);
    On->Ellipse(5, 5, 15, 15);
    TCanvas* Off = FUserImg[0][1]->GetCanvas();
    Off->MoveTo(0, 0);
    Off->LineTo(20, 20);
    Off->MoveTo(0, 20);
    Off->LineTo(20, 0);
}

// The initial size, larger when picture and texts need more.
QSize TOnOffBut::sizeHint() const { return QSize(100, 50).expandedTo(minimumSizeHint()); }

// The picture in the middle with room for each text on its side: the
// picture is centred, so both sides get the room of the wider one.
QSize TOnOffBut::minimumSizeHint() const
{
    const QFontMetrics M(font());
    const auto TextW = [&](TTextPos P) { return FTexts[P].isEmpty() ? 0 : M.horizontalAdvance(FTexts[P]) + 8; };
    const auto TextH = [&](TTextPos P) { return FTexts[P].isEmpty() ? 0 : M.height() + 4; };
    const int Across = std::max({FGlyphWidth + 2 * std::max(TextW(LeftPos), TextW(RightPos)), TextW(TopPos), TextW(BottomPos)});
    return QSize(Across + 4, FGlyphHeight + 2 * std::max(TextH(TopPos), TextH(BottomPos)) + 4);
}

void TOnOffBut::FontChanged()
{
    TGraphicControl::FontChanged();
    updateGeometry();
}

// ---------------------------------------------------------------- pictures

void TOnOffBut::LoadGlyphs()
{
    if (FButtonStyle == oobsUser) {
        for (int On = 0; On < 2; ++On)
            for (int Enabled = 0; Enabled < 2; ++Enabled)
                FStateImg[On][Enabled]->Assign(FUserImg[On][Enabled].get());
        // The glyph size follows the user pictures, so that centring and
        // clicks match what is drawn.
        FGlyphWidth = FUserImg[1][1]->GetWidth();
        FGlyphHeight = FUserImg[1][1]->GetHeight();
        return;
    }
    TBitmap Strip;
    Strip.LoadFromResourceName(OnOffButResourceName(FButtonStyle));
    ExtractGlyphs(&Strip);
}

void TOnOffBut::ExtractGlyphs(const TBitmap* Bitmap)
{
    FGlyphWidth = Bitmap->GetWidth() / 2;
    FGlyphHeight = Bitmap->GetHeight() / 2;
    for (int On = 0; On < 2; ++On)
        for (int Enabled = 0; Enabled < 2; ++Enabled)
            FStateImg[On][Enabled]->SetImage(Bitmap->CopyImage(
                Bounds(On ? 0 : FGlyphWidth, Enabled ? 0 : FGlyphHeight, FGlyphWidth, FGlyphHeight)));
}

bool TOnOffBut::SetUserGlyph(const TBitmap* Bitmap)
{
    if (!Bitmap || Bitmap->GetWidth() < 2 || Bitmap->GetHeight() < 2)
        return false;
    const int W = Bitmap->GetWidth() / 2;
    const int H = Bitmap->GetHeight() / 2;
    for (int On = 0; On < 2; ++On)
        for (int Enabled = 0; Enabled < 2; ++Enabled)
            FUserImg[On][Enabled]->SetImage(Bitmap->CopyImage(Bounds(On ? 0 : W, Enabled ? 0 : H, W, H)));
    if (FButtonStyle == oobsUser) {
        LoadGlyphs();
        if (FAutoCenter)
            AdjustAutoCenter();
        updateGeometry();
        Invalidate();
    }
    return true;
}

bool TOnOffBut::LoadUserGlyph(const QString& FileName)
{
    TBitmap Strip;
    try {
        Strip.LoadFromFile(FileName);
    } catch (const EVOKError&) {
        return false;
    }
    return SetUserGlyph(&Strip);
}

void TOnOffBut::AdjustAutoCenter()
{
    FLeftSpace = (GetWidth() - FGlyphWidth) / 2;
    FTopSpace = (GetHeight() - FGlyphHeight) / 2;
}

void TOnOffBut::ProcessResize(QObject*)
{
    if (GetParent() && FAutoCenter)
        AdjustAutoCenter();
    if (FTransparent)
        Invalidate();
    else
        Paint();
}

// ---------------------------------------------------------------- settings

void TOnOffBut::SetText(TTextPos Pos, const QString& Value)
{
    if (FTexts[Pos] == Value)
        return;
    FTexts[Pos] = Value;
    updateGeometry();
    Invalidate();
}

void TOnOffBut::SetTextAlignment(TTextPos Pos, TAlignment Value)
{
    if (FAlignments[Pos] == Value)
        return;
    FAlignments[Pos] = Value;
    Invalidate();
}

void TOnOffBut::SetAllowAllOff(bool Value)
{
    if (FAllowAllOff == Value)
        return;
    FAllowAllOff = Value;
    UpdateExclusive();
}

void TOnOffBut::SetAutoCenter(bool Value)
{
    if (FAutoCenter == Value)
        return;
    FAutoCenter = Value;
    if (Value)
        AdjustAutoCenter();
    Paint();
}

void TOnOffBut::SetButtonStyle(TOnOffButStyle Value)
{
    if (FButtonStyle == Value || Value < oobsUser || Value > oobsUser5)
        return;
    FButtonStyle = Value;
    LoadGlyphs();
    if (FAutoCenter)
        AdjustAutoCenter();
    updateGeometry();
    Invalidate();
}

void TOnOffBut::SetColorBackgnd(TColor Value)
{
    if (FColorBackgnd == Value)
        return;
    FColorBackgnd = Value;
    Paint();
}

void TOnOffBut::SetColorScheme(TColorScheme Value)
{
    if (FColorScheme == Value)
        return;
    FColorScheme = Value;
    Invalidate();
}

void TOnOffBut::SetColorText(TColor Value)
{
    if (FColorText == Value)
        return;
    FColorText = Value;
    Paint();
}

void TOnOffBut::SetFrameStyle(TFrameStyle Value)
{
    if (FFrameStyle == Value)
        return;
    FFrameStyle = Value;
    Paint();
}

void TOnOffBut::SetGroupIndex(int Value)
{
    if (FGroupIndex == Value)
        return;
    FGroupIndex = Value;
    UpdateExclusive();
}

void TOnOffBut::SetLeftSpace(int Value)
{
    if (Value == FLeftSpace || Value < 0)
        return;
    if (FAutoCenter)
        AdjustAutoCenter();
    else
        FLeftSpace = std::min(Value, GetWidth());
    Invalidate();
}

void TOnOffBut::SetTopSpace(int Value)
{
    if (Value == FTopSpace || Value < 0)
        return;
    if (FAutoCenter)
        AdjustAutoCenter();
    else
        FTopSpace = std::min(Value, GetHeight());
    Invalidate();
}

void TOnOffBut::SetMode(TOOButMode Value)
{
    const bool ModeChanged = FMode != Value;
    FMode = Value;
    if (Value == oobmSpeedBut && FOnOff) {
        FOnOff = false;
        OnOffChanged();
    } else if (ModeChanged) {
        NotifyAccessibleStateChanged(); // checkable or not
    }
    Invalidate();
}

void TOnOffBut::SetTransparent(bool Value)
{
    FTransparent = Value;
    Invalidate();
}

void TOnOffBut::SetEnabled(bool Value)
{
    TGraphicControl::SetEnabled(Value);
    Invalidate();
}

// ---------------------------------------------------------------- state and groups

void TOnOffBut::ChangeOnOff(bool Value)
{
    FOnOff = Value;
    Paint();
    OnOffChanged();
    if (Value)
        UpdateExclusive();
}

void TOnOffBut::OnOffChanged()
{
    Q_EMIT onOffChanged(FOnOff);
    NotifyAccessibleStateChanged();
}

void TOnOffBut::SetOnOff(bool Value)
{
    if (FOnOff == Value || (!Value && FGroupIndex != 0 && !FAllowAllOff))
        return;
    ChangeOnOff(Value);
}

void TOnOffBut::UpdateExclusive()
{
    QWidget* Parent = GetParent();
    if (FGroupIndex == 0 || !Parent)
        return;
    const QList<TOnOffBut*> Siblings = Parent->findChildren<TOnOffBut*>(Qt::FindDirectChildrenOnly);
    for (TOnOffBut* Sibling : Siblings)
        Sibling->CMButtonPressed(FGroupIndex, this);
}

void TOnOffBut::CMButtonPressed(int GroupIndex, TOnOffBut* Sender)
{
    if (GroupIndex != FGroupIndex || FGroupIndex < 0 || Sender == this || !Sender)
        return;
    if (Sender->FOnOff && FOnOff) {
        FOnOff = false;
        Paint();
        OnOffChanged();
    }
    FAllowAllOff = Sender->FAllowAllOff;
}

// ---------------------------------------------------------------- mouse

bool TOnOffBut::ActsOn(TMouseButton Button, int X, int Y) const
{
    if (Button != mbLeft || FMouseAction == oomaNone)
        return false;
    if (FMouseAction == oomaPlain)
        return true;
    return TOnOffButLayout{FLeftSpace, FTopSpace, FGlyphWidth, FGlyphHeight, GetWidth(), 0}.InPicture(X, Y);
}

void TOnOffBut::Press()
{
    if (FGroupIndex != 0 && !FAllowAllOff && FOnOff)
        return; // the last button of a group stays on
    ChangeOnOff(!FOnOff);
}

void TOnOffBut::Release()
{
    if (FMode == oobmSpeedBut && FOnOff) {
        FOnOff = false;
        Paint();
        OnOffChanged();
    }
    if (OnClick)
        OnClick(this);
    Q_EMIT clicked();
}

void TOnOffBut::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (ActsOn(Button, X, Y))
        Press();
}

void TOnOffBut::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (ActsOn(Button, X, Y))
        Release();
}

void TOnOffBut::Click() {}

// ---------------------------------------------------------------- accessibility

QAccessible::Role TOnOffBut::AccessibleRole() const
{
    return FMode == oobmSpeedBut ? QAccessible::Button : QAccessible::CheckBox;
}

QString TOnOffBut::AccessibleName() const
{
    for (TTextPos Pos : {RightPos, LeftPos, TopPos, BottomPos})
        if (!FTexts[Pos].isEmpty())
            return CaptionedAccessibleName(FTexts[Pos]);
    return TGraphicControl::AccessibleName();
}

void TOnOffBut::AccessibleState(QAccessible::State& State) const
{
    State.checkable = FMode == oobmNormalBut;
    State.checked = State.checkable && FOnOff;
    State.pressed = FMode == oobmSpeedBut && FOnOff;
}

// A held space bar repeats its key-down: only the first one presses.
void TOnOffBut::KeyDown(quint16& Key, TShiftState Shift)
{
    TGraphicControl::KeyDown(Key, Shift);
    if (Key != VK_SPACE || FMouseAction == oomaNone || FSpaceDown)
        return;
    FSpaceDown = true;
    Press();
}

void TOnOffBut::KeyUp(quint16& Key, TShiftState Shift)
{
    TGraphicControl::KeyUp(Key, Shift);
    if (Key != VK_SPACE || !FSpaceDown)
        return;
    FSpaceDown = false;
    Release();
}

void TOnOffBut::DoEnter()
{
    TGraphicControl::DoEnter();
    Paint();
}

void TOnOffBut::DoExit()
{
    TGraphicControl::DoExit();
    FSpaceDown = false;
    Paint();
}

// ---------------------------------------------------------------- copying

void TOnOffBut::Assign(QObject* Source)
{
    auto* Other = qobject_cast<TOnOffBut*>(Source);
    if (!Other) {
        TGraphicControl::Assign(Source);
        return;
    }
    FLeftSpace = Other->FLeftSpace;
    FTopSpace = Other->FTopSpace;
    FAutoCenter = Other->FAutoCenter;
    FTexts = Other->FTexts;
    FAlignments = Other->FAlignments;
    FFrameStyle = Other->FFrameStyle;
    FColorBackgnd = Other->FColorBackgnd;
    FColorScheme = Other->FColorScheme;
    if (FOnOff != Other->FOnOff) {
        FOnOff = Other->FOnOff;
        OnOffChanged();
    }
    for (int On = 0; On < 2; ++On)
        for (int Enabled = 0; Enabled < 2; ++Enabled) {
            FStateImg[On][Enabled]->Assign(Other->FStateImg[On][Enabled].get());
            FUserImg[On][Enabled]->Assign(Other->FUserImg[On][Enabled].get());
        }
    FButtonStyle = Other->FButtonStyle;
    FMouseAction = Other->FMouseAction;
    FColorText = Other->FColorText;
    FGlyphWidth = Other->FGlyphWidth;
    FGlyphHeight = Other->FGlyphHeight;
    FTransparent = Other->FTransparent;
    SetEnabled(Other->GetEnabled());
    updateGeometry();
    Invalidate();
}

void TOnOffBut::AssignTo(QObject* Dest)
{
    if (!AssignToKindOf(Dest))
        TGraphicControl::AssignTo(Dest);
}

// ---------------------------------------------------------------- painting

// Background, the four texts, the picture with its key color taken out and
// the frame, on an off-screen bitmap copied to the canvas in one step.
// Transparent, the bitmap starts see-through and the key color stays so.
class TOnOffBut::Painter
{
public:
    explicit Painter(TOnOffBut& Button)
        : B(Button)
        , W(Button.GetWidth())
        , H(Button.GetHeight())
        , Enabled(Button.isEnabled())
        , Bmp(*Button.FButBmp)
        , C(Bmp.GetCanvas())
    {
        Bmp.SetPixelFormat(B.FTransparent ? pf32bit : pf24bit);
        Bmp.SetSize(W, H);
        C->ResetClipRect();
        C->SetCopyMode(cmSrcCopy);
        C->SetFont(B.GetFont());
        L = {B.FLeftSpace, B.FTopSpace, B.FGlyphWidth, B.FGlyphHeight, W, C->TextHeight(TextHeightSample())};
    }

    void Run()
    {
        PaintBackground();
        PaintText(LeftPos, &TOnOffButLayout::LeftTextAt);
        PaintText(RightPos, &TOnOffButLayout::RightTextAt);
        PaintText(TopPos, &TOnOffButLayout::TopTextAt);
        PaintText(BottomPos, &TOnOffButLayout::BottomTextAt);
        PaintPicture();
        if (B.hasFocus())
            PaintFocusFrame();
        const TSchemeLineColors Lines = SchemeLineColors(B.FColorScheme);
        DrawFrame(C, B.FFrameStyle, 0, 0, W - 1, H - 1, Lines.White, clSilver, Lines.Gray);
        if (B.FTransparent)
            B.EraseBackground();
        B.GetCanvas()->SetCopyMode(cmSrcCopy);
        B.GetCanvas()->Draw(0, 0, &Bmp);
    }

private:
    void PaintBackground()
    {
        if (B.FTransparent) {
            Bmp.ClearTransparent();
            return;
        }
        C->GetBrush()->SetStyle(bsSolid);
        C->GetBrush()->SetColor(B.FColorBackgnd);
        C->FillRect(Rect(0, 0, W, H));
    }

    void PaintText(TTextPos Pos, TPoint (TOnOffButLayout::*At)(TAlignment, int) const)
    {
        const QString& Text = B.FTexts[Pos];
        if (Text.isEmpty())
            return;
        const TPoint P = (L.*At)(B.FAlignments[Pos], C->TextWidth(Text));
        if (!Enabled) {
            DrawEmbossedText(C, P.X, P.Y, Text, clWhite, clGray);
            return;
        }
        C->GetBrush()->SetStyle(bsClear);
        C->GetFont()->SetColor(B.FColorText);
        C->TextOut(P.X, P.Y, Text);
    }

    // The state picture, its key-colored pixels replaced by the background
    // (or left see-through). Works on the device pixels of the button's
    // picture: each takes the glyph pixel under it (the nearest one, so the
    // key color stays exact whatever the two resolutions).
    void PaintPicture()
    {
        const TBitmap& State = *B.FStateImg[B.FOnOff][Enabled];
        const QImage& Glyph = State.GetImage();
        const TRect D = C->DeviceRect(Bounds(L.PictureOrigin().X, L.PictureOrigin().Y, State.GetWidth(), State.GetHeight()));
        if (Glyph.isNull() || D.IsEmpty())
            return;
        const quint32 Key = ColorToPixel(OnOffButKeyColor) & 0x00FFFFFFu;
        const quint32 Back = B.FTransparent ? 0u : ColorToPixel(B.FColorBackgnd);
        const int X0 = std::max(0, -D.Left);
        const int X1 = std::min(D.Width(), Bmp.GetImage().width() - D.Left);
        for (int Y = std::max(0, -D.Top); Y < std::min(D.Height(), Bmp.GetImage().height() - D.Top); ++Y) {
            const auto* Src = reinterpret_cast<const quint32*>(Glyph.constScanLine(int(qint64(Y) * Glyph.height() / D.Height())));
            quint32* Dst = Bmp.ScanLine(D.Top + Y);
            for (int X = X0; X < X1; ++X) {
                const quint32 S = Src[qint64(X) * Glyph.width() / D.Width()];
                Dst[D.Left + X] = (S & 0x00FFFFFFu) == Key ? Back : (S | 0xFF000000u);
            }
        }
    }

    // A dotted outline one pixel around the picture.
    void PaintFocusFrame()
    {
        const TPoint O = L.PictureOrigin();
        C->GetBrush()->SetStyle(bsClear);
        C->GetPen()->SetColor(B.FColorText);
        C->GetPen()->SetStyle(psDot);
        C->Rectangle(O.X - 1, O.Y - 1, O.X + L.GlyphWidth + 1, O.Y + L.GlyphHeight + 1);
        C->GetPen()->SetStyle(psSolid);
    }

    TOnOffBut& B;
    const int W;
    const int H;
    const bool Enabled;
    TBitmap& Bmp;
    TCanvas* const C;
    TOnOffButLayout L;
};

void TOnOffBut::Paint()
{
    if (!GetVisible() && !IsDesigning())
        return;
    Painter(*this).Run();
}

} // namespace vok
