#include <vok/Vok_NumLab.h>
#include <vok/Vok_frames.h>
#include <vok/Vok_textdraw.h>

#include <QFontMetrics>
#include <QSizePolicy>

#include <algorithm>
#include <cmath>

namespace vok {

// ---------------------------------------------------------------- life

TNumLab::TNumLab(QWidget* AOwner)
    : TGraphicControl(AOwner)
    , FLabBmp(std::make_unique<TBitmap>())
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    SetBounds(GetLeft(), GetTop(), 160, 28);
}

TNumLab::~TNumLab() = default;

// The initial size, wider when box and captions need more.
QSize TNumLab::sizeHint() const { return QSize(std::max(160, minimumSizeHint().width()), 28); }

// The box with its captions beside it, one line of text high.
QSize TNumLab::minimumSizeHint() const
{
    const QFontMetrics M(font());
    const int Right = FRightText.isEmpty() ? 0 : M.horizontalAdvance(FRightText) + 8;
    return QSize(FLeftSpace + FLabWidth + 2 + Right, M.height() + 6);
}

void TNumLab::FontChanged()
{
    TGraphicControl::FontChanged();
    updateGeometry();
}

// ---------------------------------------------------------------- settings

void TNumLab::SetAlignment(TAlignment Value) { StoreAndPaint(FAlignment, Value); }
void TNumLab::SetColorLabBakG(TColor Value) { StoreAndPaint(FColorLabBakG, Value); }
void TNumLab::SetColorLabText(TColor Value) { StoreAndPaint(FColorLabText, Value); }
void TNumLab::SetColorOutBakG(TColor Value) { StoreAndPaint(FColorOutBakG, Value); }
void TNumLab::SetColorOutText(TColor Value) { StoreAndPaint(FColorOutText, Value); }
void TNumLab::SetComma(bool Value) { StoreAndPaint(FFormat.Comma, Value); }
void TNumLab::SetDisplayType(TDisplay Value) { StoreAndPaint(FFormat.DisplayType, Value); }
void TNumLab::SetDTFormat(const QString& Value) { StoreAndPaint(FFormat.DTFormat, Value); }
void TNumLab::SetEmpty(bool Value) { StoreAndPaint(FEmpty, Value); }
void TNumLab::SetForcePlusSign(bool Value) { StoreAndPaint(FFormat.ForcePlusSign, Value); }
void TNumLab::SetFrameStyle(TFrameStyle Value) { StoreAndPaint(FFrameStyle, Value); }
void TNumLab::SetLeftText(const QString& Value) { StoreAndPaint(FLeftText, Value); }
void TNumLab::SetLeftTextAlignment(TAlignment Value) { StoreAndPaint(FLTAlignment, Value); }
void TNumLab::SetRightTextAlignment(TAlignment Value) { StoreAndPaint(FRTAlignment, Value); }
void TNumLab::SetOverflowIndicator(const QString& Value) { StoreAndPaint(FOverFlowIndi, Value); }
void TNumLab::SetStateText(const QString& Value) { StoreAndPaint(FFormat.StateText, Value); }
void TNumLab::SetTransparent(bool Value) { StoreAndPaint(FTransParent, Value); }

void TNumLab::SetRightText(const QString& Value)
{
    StoreAndPaint(FRightText, Value);
    updateGeometry();
}

void TNumLab::SetLabelWidth(int Value)
{
    StoreAndPaint(FLabWidth, std::max(0, Value));
    updateGeometry();
}

void TNumLab::SetLeftSpace(int Value)
{
    if (Value < 0)
        return;
    StoreAndPaint(FLeftSpace, std::min(Value, GetWidth()));
    updateGeometry();
}

void TNumLab::SetPrecision(int Value)
{
    if (Value >= 0)
        StoreAndPaint(FFormat.Precision, std::min(Value, 15));
}

void TNumLab::SetValue(double Value)
{
    if (!std::isnan(Value))
        StoreAndPaint(FLabValue, Value);
}

void TNumLab::SetColorScheme(TColorScheme Value)
{
    if (FColorScheme == Value)
        return;
    FColorScheme = Value;
    const TSchemeLineColors Lines = SchemeLineColors(Value);
    FColGrayLine = Lines.Gray;
    FColWhiteLine = Lines.White;
    Paint();
}

void TNumLab::SetEnabled(bool Value)
{
    TGraphicControl::SetEnabled(Value);
    Paint();
}

void TNumLab::MouseMove(TShiftState Shift, int X, int Y)
{
    FMouseAreaCode = 0;
    if (X > FLeftSpace)
        FMouseAreaCode = 1;
    if (X > FLeftSpace + FLabWidth)
        FMouseAreaCode = 2;
    TGraphicControl::MouseMove(Shift, X, Y);
}

// ---------------------------------------------------------------- copying

void TNumLab::Assign(QObject* Source)
{
    auto* Other = qobject_cast<TNumLab*>(Source);
    if (!Other) {
        TGraphicControl::Assign(Source);
        return;
    }
    FLeftSpace = Other->FLeftSpace;
    FEmpty = Other->FEmpty;
    FLabWidth = Other->FLabWidth;
    FFormat.Precision = Other->FFormat.Precision;
    FLeftText = Other->FLeftText;
    FRightText = Other->FRightText;
    FFrameStyle = Other->FFrameStyle;
    FAlignment = Other->FAlignment;
    FLTAlignment = Other->FLTAlignment;
    FRTAlignment = Other->FRTAlignment;
    FOverFlowIndi = Other->FOverFlowIndi;
    FLabValue = Other->FLabValue;
    FFormat.StateText = Other->FFormat.StateText;
    FTransParent = Other->FTransParent;
    FColorLabBakG = Other->FColorLabBakG;
    FColorLabText = Other->FColorLabText;
    FColorOutBakG = Other->FColorOutBakG;
    FColorOutText = Other->FColorOutText;
    FColBlackLine = Other->FColBlackLine;
    FColGrayLine = Other->FColGrayLine;
    FColWhiteLine = Other->FColWhiteLine;
    FColorScheme = Other->FColorScheme;
    FFormat.DisplayType = Other->FFormat.DisplayType;
    updateGeometry();
    Paint();
}

void TNumLab::AssignTo(QObject* Dest)
{
    if (!AssignToKindOf(Dest))
        TGraphicControl::AssignTo(Dest);
}

// ---------------------------------------------------------------- painting

// The six steps on an off-screen bitmap of the control's size: background,
// the two captions, the framed box and the number, then the transfer.
class TNumLab::Painter
{
public:
    explicit Painter(TNumLab& Label)
        : N(Label)
        , L(Label.FLeftSpace)
        , B(Label.FLabWidth)
        , W(Label.GetWidth())
        , H(Label.GetHeight())
        , Enabled(Label.isEnabled())
        , Bmp(*Label.FLabBmp)
        , C(Bmp.GetCanvas())
    {
        Bmp.SetPixelFormat(Label.FTransParent ? pf32bit : pf24bit);
        Bmp.SetSize(W, H);
        C->ResetClipRect();
        C->SetCopyMode(cmSrcCopy);
        C->SetFont(Label.GetFont());
        Ty = (H - C->TextHeight(TextHeightSample())) / 2;
    }

    void Run()
    {
        PaintBackground();
        PaintCaption(N.FLeftText, StripLeftCaptionX(N.FLTAlignment, L, C->TextWidth(N.FLeftText)));
        PaintCaption(N.FRightText, StripRightCaptionX(N.FRTAlignment, L + B, W, C->TextWidth(N.FRightText)));
        PaintBox();
        N.FDisplayedText.clear();
        if (!N.FEmpty)
            PaintNumber();
        TCanvas* Target = N.GetCanvas();
        if (N.FTransParent)
            N.EraseBackground();
        Target->SetCopyMode(cmSrcCopy);
        Target->Draw(0, 0, &Bmp);
    }

private:
    // Transparent: the picture starts see-through, so only what is drawn
    // covers the parent.
    void PaintBackground()
    {
        if (N.FTransParent) {
            Bmp.ClearTransparent();
            return;
        }
        C->GetBrush()->SetStyle(bsSolid);
        C->GetBrush()->SetColor(N.FColorOutBakG);
        C->FillRect(Rect(0, 0, W, H));
    }

    void PaintCaption(const QString& Text, int X)
    {
        if (Text.isEmpty())
            return;
        if (!Enabled) {
            DrawEmbossedText(C, X, Ty, Text, clWhite, clGray);
            return;
        }
        C->GetBrush()->SetStyle(bsClear);
        C->GetFont()->SetColor(N.FColorOutText);
        C->TextOut(X, Ty, Text);
    }

    void PaintBox()
    {
        C->GetBrush()->SetStyle(bsSolid);
        C->GetBrush()->SetColor(N.FColorLabBakG);
        C->FillRect(Rect(L + 1, 0, L + B + 1, H - 1));
        DrawFrame(C, N.FFrameStyle, L + 1, 0, L + B, H - 2, N.FColWhiteLine, clSilver, N.FColGrayLine,
                  N.FColBlackLine, N.FColBlackLine);
    }

    void PaintNumber()
    {
        const std::optional<QString> Number = NumLabText(N.FFormat, N.FLabValue);
        QString Text = Number.value_or(N.FOverFlowIndi);
        if (N.OnBeforeDisplay)
            N.OnBeforeDisplay(&N, Text);
        int Tw = C->TextWidth(Text);
        if (Tw > B - 6 && N.FFormat.DisplayType != dtState) {
            Text = N.FOverFlowIndi;
            Tw = C->TextWidth(Text);
        }
        N.FDisplayedText = Text;
        int X = L + (B - Tw) / 2 + 2;
        if (N.FAlignment == taLeftJustify)
            X = L + 4;
        else if (N.FAlignment == taRightJustify)
            X = L + B - Tw - 2;
        C->GetBrush()->SetStyle(bsClear);
        C->GetFont()->SetColor(Enabled ? N.FColorLabText : clBtnShadow);
        C->TextRect(Rect(L + 3, 2, L + B - 1, H - 3), X, Ty, Text);
    }

    TNumLab& N;
    const int L;
    const int B;
    const int W;
    const int H;
    const bool Enabled;
    TBitmap& Bmp;
    TCanvas* const C;
    int Ty = 0;
};

void TNumLab::Paint()
{
    if (!GetVisible() && !IsDesigning())
        return;
    const QString Shown = FDisplayedText;
    Painter(*this).Run();
    if (FDisplayedText != Shown)
        NotifyAccessibleValueChanged();
}

QAccessible::Role TNumLab::AccessibleRole() const { return QAccessible::StaticText; }

QString TNumLab::AccessibleName() const { return CaptionedAccessibleName(FLeftText); }

QString TNumLab::AccessibleValueText() const
{
    if (FRightText.isEmpty() || FDisplayedText.isEmpty())
        return FDisplayedText;
    return FDisplayedText + QLatin1Char(' ') + FRightText;
}

} // namespace vok
