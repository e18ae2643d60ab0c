#include <vok/Vok_stdctrls.h>

#include <vok/Vok_frames.h>

#include <vok/Vok_syscolors.h>

#include "raster.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>
#include <QStylePainter>

#include <algorithm>

namespace vok {

// ---------------------------------------------------------------- TCustomEdit

TCustomEdit::TCustomEdit(QWidget* AOwner)
    : TControlOn<QLineEdit>(AOwner)
{
    SetBounds(0, 0, 121, 21);
    SetColor(clWindow);
    SetTabStop(true);
    connect(this, &QLineEdit::textChanged, this, [this] { Change(); });
}

int TCustomEdit::GetSelStart() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

void TCustomEdit::SetSelStart(int Value) { setCursorPosition(std::clamp(Value, 0, int(text().size()))); }

int TCustomEdit::GetSelLength() const { return int(selectionLength()); }

void TCustomEdit::SetSelLength(int Value)
{
    const int Start = GetSelStart();
    setSelection(Start, std::clamp(Value, 0, int(text().size()) - Start));
}

int TCustomEdit::GetMaxLength() const { return maxLength() == 32767 ? 0 : maxLength(); }

void TCustomEdit::SetMaxLength(int Value) { setMaxLength(Value <= 0 ? 32767 : Value); }

TAlignment TCustomEdit::GetAlignment() const
{
    if (alignment() & Qt::AlignRight)
        return taRightJustify;
    return (alignment() & Qt::AlignHCenter) ? taCenter : taLeftJustify;
}

void TCustomEdit::SetAlignment(TAlignment Value)
{
    const Qt::Alignment H = Value == taRightJustify ? Qt::AlignRight : Value == taCenter ? Qt::AlignHCenter : Qt::AlignLeft;
    setAlignment(H | Qt::AlignVCenter);
}

void TCustomEdit::Change()
{
    if (OnChange)
        OnChange(this);
    Q_EMIT changed();
}

void TCustomEdit::ColorChanged() { ApplyColorToPalette(QPalette::Base); }

// ---------------------------------------------------------------- TCustomLabel

QStringList WrapTextLines(const QString& Text, int Width, const std::function<int(const QString&)>& Measure)
{
    QStringList Lines;
    for (const QString& Paragraph : Text.split(QLatin1Char('\n'))) {
        QString Line;
        for (const QString& Word : Paragraph.split(QLatin1Char(' '))) {
            const QString Candidate = Line.isEmpty() ? Word : Line + QLatin1Char(' ') + Word;
            if (!Line.isEmpty() && Measure(Candidate) > Width) {
                Lines << Line;
                Line = Word;
            } else {
                Line = Candidate;
            }
        }
        Lines << Line;
    }
    return Lines;
}

TCustomLabel::TCustomLabel(QWidget* AOwner)
    : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetCaption(const QString& Value)
{
    if (FCaption == Value)
        return;
    FCaption = Value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetAlignment(TAlignment Value)
{
    if (FAlignment == Value)
        return;
    FAlignment = Value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value)
{
    if (FLayout == Value)
        return;
    FLayout = Value;
    Invalidate();
}

void TCustomLabel::SetTransparent(bool Value)
{
    if (FTransparent == Value)
        return;
    FTransparent = Value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value)
{
    if (FWordWrap == Value)
        return;
    FWordWrap = Value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool Value)
{
    if (FAutoSize == Value)
        return;
    FAutoSize = Value;
    AdjustBounds();
}

void TCustomLabel::FontChanged()
{
    TGraphicControl::FontChanged();
    AdjustBounds();
}

int TCustomLabel::DrawTextFlags() const
{
    int Flags = FAlignment == taRightJustify ? DT_RIGHT : FAlignment == taCenter ? DT_CENTER : DT_LEFT;
    if (FLayout == tlCenter)
        Flags |= DT_VCENTER;
    else if (FLayout == tlBottom)
        Flags |= DT_BOTTOM;
    if (FWordWrap)
        Flags |= DT_WORDBREAK;
    return Flags;
}

void TCustomLabel::AdjustBounds()
{
    if (!FAutoSize || IsLoading())
        return;
    TRect R = GetClientRect();
    DoDrawText(R, DrawTextFlags() | DT_CALCRECT);
    // Right-aligned labels keep their right edge, as the classic label does.
    const int NewLeft = FAlignment == taRightJustify ? GetLeft() + GetWidth() - R.Width() : GetLeft();
    SetBounds(NewLeft, GetTop(), R.Width(), R.Height());
}

QAccessible::Role TCustomLabel::AccessibleRole() const { return QAccessible::StaticText; }

QString TCustomLabel::AccessibleName() const { return CaptionedAccessibleName(FCaption); }

void TCustomLabel::Paint()
{
    TCanvas* C = GetCanvas();
    if (FTransparent) {
        EraseBackground();
    } else {
        C->GetBrush()->SetStyle(bsSolid);
        C->GetBrush()->SetColor(GetColor());
        C->FillRect(GetClientRect());
    }
    TRect R = GetClientRect();
    DoDrawText(R, DrawTextFlags());
}

void TCustomLabel::DoDrawText(TRect& Rect, int Flags)
{
    TCanvas* C = GetCanvas();
    C->SetFont(GetFont());
    const auto Measure = [C](const QString& S) { return C->TextWidth(S); };
    const QStringList Lines = (Flags & DT_WORDBREAK) ? WrapTextLines(FCaption, Rect.Width(), Measure)
                                                     : FCaption.split(QLatin1Char('\n'));
    const int LineHeight = C->TextHeight(QStringLiteral("Wg"));
    const int TextHeight = LineHeight * int(Lines.size());
    if (Flags & DT_CALCRECT) {
        int Widest = 0;
        for (const QString& Line : Lines)
            Widest = std::max(Widest, C->TextWidth(Line));
        Rect.Right = Rect.Left + Widest;
        Rect.Bottom = Rect.Top + TextHeight;
        return;
    }
    int Y = Rect.Top;
    if (Flags & DT_VCENTER)
        Y += (Rect.Height() - TextHeight) / 2;
    else if (Flags & DT_BOTTOM)
        Y = Rect.Bottom - TextHeight;
    C->GetBrush()->SetStyle(bsClear);
    C->GetFont()->SetColor(GetFont()->GetColor());
    int LineY = Y;
    for (const QString& Line : Lines) {
        const int W = C->TextWidth(Line);
        const int X = (Flags & DT_RIGHT) ? Rect.Right - W : (Flags & DT_CENTER) ? Rect.Left + (Rect.Width() - W) / 2 : Rect.Left;
        if (isEnabled())
            C->TextOut(X, LineY, Line);
        else
            DrawEmbossedText(C, X, LineY, Line);
        LineY += LineHeight;
    }
    C->GetFont()->SetColor(GetFont()->GetColor());
}

// ---------------------------------------------------------------- TCustomPanel

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width)
{
    TPen* Pen = Canvas->GetPen();
    const TColor SavedColor = Pen->GetColor();
    Pen->SetWidth(1);
    for (int I = 0; I < Width && !Rect.IsEmpty(); ++I) {
        const int L = Rect.Left, T = Rect.Top, R = Rect.Right - 1, B = Rect.Bottom - 1;
        Pen->SetColor(TopColor);
        Canvas->Polyline({Point(L, B), Point(L, T), Point(R, T)});
        Pen->SetColor(BottomColor);
        Canvas->Polyline({Point(R, T), Point(R, B), Point(L - 1, B)});
        Rect = vok::Rect(Rect.Left + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1);
    }
    Pen->SetColor(SavedColor);
}

TCustomPanel::TCustomPanel(QWidget* AOwner)
    : TCustomControl(AOwner)
{
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::SetCaption(const QString& Value)
{
    if (FCaption == Value)
        return;
    FCaption = Value;
    Invalidate();
}

void TCustomPanel::SetAlignment(TAlignment Value)
{
    if (FAlignment == Value)
        return;
    FAlignment = Value;
    Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut Value)
{
    if (FBevelOuter == Value)
        return;
    FBevelOuter = Value;
    Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut Value)
{
    if (FBevelInner == Value)
        return;
    FBevelInner = Value;
    Invalidate();
}

void TCustomPanel::SetBevelWidth(int Value)
{
    Value = std::max(1, Value);
    if (FBevelWidth == Value)
        return;
    FBevelWidth = Value;
    Invalidate();
}

void TCustomPanel::SetShowCaption(bool Value)
{
    if (FShowCaption == Value)
        return;
    FShowCaption = Value;
    Invalidate();
}

QAccessible::Role TCustomPanel::AccessibleRole() const { return QAccessible::Pane; }

QString TCustomPanel::AccessibleName() const { return CaptionedAccessibleName(FCaption); }

void TCustomPanel::Paint()
{
    TCanvas* C = GetCanvas();
    TRect R = GetClientRect();
    C->GetBrush()->SetStyle(bsSolid);
    C->GetBrush()->SetColor(GetColor());
    C->FillRect(R);
    const auto Bevel = [&](TBevelCut Cut) {
        if (Cut == bvNone)
            return;
        if (Cut == bvSpace) {
            R = Rect(R.Left + FBevelWidth, R.Top + FBevelWidth, R.Right - FBevelWidth, R.Bottom - FBevelWidth);
            return;
        }
        const bool Raised = Cut == bvRaised;
        Frame3D(C, R, Raised ? clBtnHighlight : clBtnShadow, Raised ? clBtnShadow : clBtnHighlight, FBevelWidth);
    };
    Bevel(FBevelOuter);
    Bevel(FBevelInner);
    if (!FShowCaption || FCaption.isEmpty())
        return;
    C->SetFont(GetFont());
    C->GetBrush()->SetStyle(bsClear);
    const int W = C->TextWidth(FCaption);
    const int H = C->TextHeight(FCaption);
    const int X = FAlignment == taLeftJustify ? R.Left : FAlignment == taRightJustify ? R.Right - W : R.Left + (R.Width() - W) / 2;
    C->TextOut(X, R.Top + (R.Height() - H) / 2, FCaption);
}

// ---------------------------------------------------------------- TSpeedButton

TSpeedButton::TSpeedButton(QWidget* AOwner)
    : TControlOn<QToolButton>(AOwner)
    , FGlyph(new TBitmap(this))
{
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    SetBounds(0, 0, 23, 22);
    FGlyph->GetCanvas()->OnChange = [this](QObject*) { UpdateGlyph(); };
    for (auto Signal : {&QAbstractButton::pressed, &QAbstractButton::released})
        connect(this, Signal, this, [this] { NotifyDown(); });
    connect(this, &QAbstractButton::toggled, this, [this] { NotifyDown(); });
}

void TSpeedButton::NotifyDown()
{
    if (GetDown() == FNotifiedDown)
        return;
    FNotifiedDown = GetDown();
    Q_EMIT downChanged(FNotifiedDown);
}

void TSpeedButton::UpdateGlyph()
{
    setIcon(FGlyph->GetEmpty() ? QIcon() : QIcon(QPixmap::fromImage(FGlyph->GetImage())));
    if (!FGlyph->GetEmpty())
        setIconSize(QSize(FGlyph->GetWidth(), FGlyph->GetHeight()));
}

void TSpeedButton::SetGroupIndex(int Value)
{
    FGroupIndex = std::max(0, Value);
    setCheckable(FGroupIndex > 0);
}

void TSpeedButton::SetDown(bool Value)
{
    if (FGroupIndex == 0) {
        setDown(Value); // no signal of QAbstractButton tells this one
        NotifyDown();
        return;
    }
    if (!Value && !FAllowAllUp)
        return;
    setChecked(Value);
    if (!Value || !parentWidget())
        return;
    for (TSpeedButton* Other : parentWidget()->findChildren<TSpeedButton*>(Qt::FindDirectChildrenOnly)) {
        if (Other != this && Other->FGroupIndex == FGroupIndex)
            Other->setChecked(false);
    }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    // Qt toggles a checkable button on release; the group keeps one down.
    if (Button == mbLeft && FGroupIndex > 0 && Rect(0, 0, GetWidth(), GetHeight()).Contains(Point(X, Y)))
        SetDown(isChecked() || !FAllowAllUp);
    TControlOn<QToolButton>::MouseUp(Button, Shift, X, Y);
}

// ---------------------------------------------------------------- TCustomComboBox

namespace {
// Draws the owner-drawn items of the drop-down list through DrawItem.
class TOwnerDrawDelegate : public QStyledItemDelegate
{
public:
    explicit TOwnerDrawDelegate(TCustomComboBox* Combo)
        : QStyledItemDelegate(Combo)
        , FCombo(Combo)
    {
    }
    void paint(QPainter* Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override
    {
        TOwnerDrawState State;
        State.setFlag(odSelected, Option.state & QStyle::State_Selected);
        State.setFlag(odFocused, Option.state & QStyle::State_HasFocus);
        State.setFlag(odDisabled, !(Option.state & QStyle::State_Enabled));
        Painter->drawImage(Option.rect.topLeft(), FCombo->RenderItem(Index.row(), Option.rect.width(), State));
    }
    QSize sizeHint(const QStyleOptionViewItem& Option, const QModelIndex&) const override
    {
        return {Option.rect.width(), FCombo->GetItemHeight()};
    }

private:
    TCustomComboBox* FCombo;
};
} // namespace

TCustomComboBox::TCustomComboBox(QWidget* AOwner)
    : TControlOn<QComboBox>(AOwner)
    , FItemCanvas(new TCanvas(&FItemPicture, this))
{
    FItemCanvas->SetPaletteSource(this);
    SetBounds(0, 0, 145, 21);
    SetColor(clWindow);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    SetDropDownCount(8);
    SetTabStop(true);
    const auto UserChanged = [this] {
        if (!FChangingInternally)
            Change();
    };
    connect(this, &QComboBox::activated, this, UserChanged);
    connect(this, &QComboBox::editTextChanged, this, [this, UserChanged] {
        if (isEditable())
            UserChanged();
    });
    connect(this, &QComboBox::currentIndexChanged, this, &TCustomComboBox::itemIndexChanged);
    connect(this, &QComboBox::currentTextChanged, this, &TCustomComboBox::textChanged);
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value)
{
    if (FStyle == Value)
        return;
    FStyle = Value;
    setEditable(Value == csDropDown || Value == csSimple);
    if (IsOwnerDrawn())
        setItemDelegate(new TOwnerDrawDelegate(this));
    else
        setItemDelegate(new QStyledItemDelegate(this));
    update();
}

QStringList TCustomComboBox::GetItems() const
{
    QStringList Items;
    for (int I = 0; I < count(); ++I)
        Items << itemText(I);
    return Items;
}

void TCustomComboBox::SetItems(const QStringList& Value)
{
    FChangingInternally = true;
    clear();
    addItems(Value);
    setCurrentIndex(-1);
    FChangingInternally = false;
}

int TCustomComboBox::AddItem(const QString& Text)
{
    FChangingInternally = true;
    const int Selected = currentIndex();
    addItem(Text);
    setCurrentIndex(Selected); // adding never selects
    FChangingInternally = false;
    return count() - 1;
}

void TCustomComboBox::SetItemIndex(int Value)
{
    FChangingInternally = true;
    setCurrentIndex(Value >= -1 && Value < count() ? Value : -1);
    FChangingInternally = false;
}

void TCustomComboBox::SetText(const QString& Value)
{
    FChangingInternally = true;
    if (isEditable())
        setEditText(Value);
    else
        setCurrentIndex(findText(Value));
    FChangingInternally = false;
}

void TCustomComboBox::SetItemHeight(int Value)
{
    FItemHeight = std::max(1, Value);
    update();
}

bool TCustomComboBox::GetDroppedDown() const { return view()->isVisible(); }

void TCustomComboBox::SetDroppedDown(bool Value)
{
    if (Value)
        showPopup();
    else
        hidePopup();
}

void TCustomComboBox::DropDown()
{
    if (OnDropDown)
        OnDropDown(this);
    Q_EMIT droppedDown();
}

void TCustomComboBox::Change()
{
    if (OnChange)
        OnChange(this);
    Q_EMIT changed();
}

void TCustomComboBox::showPopup()
{
    DropDown();
    QComboBox::showPopup();
}

void TCustomComboBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State)
{
    if (OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    const bool Selected = State & odSelected;
    FItemCanvas->GetBrush()->SetStyle(bsSolid);
    FItemCanvas->GetBrush()->SetColor(Selected ? clHighlight : GetColor());
    FItemCanvas->GetFont()->SetColor(Selected ? clHighlightText : GetFont()->GetColor());
    FItemCanvas->TextRect(Rect, Rect.Left + 2, Rect.Top + 1, itemText(Index));
}

QImage TCustomComboBox::RenderItem(int Index, int Width, TOwnerDrawState State)
{
    Width = std::max(1, Width);
    const raster::DeviceScale Scale(devicePixelRatioF());
    FItemPicture = QImage(Scale.Edge(Width), Scale.Edge(FItemHeight), QImage::Format_ARGB32_Premultiplied);
    FItemPicture.setDevicePixelRatio(Scale.Ratio());
    FItemPicture.fill(ColorToQColor(ResolveColor(GetColor())));
    FItemCanvas->SetImage(&FItemPicture);
    FItemCanvas->SetFont(GetFont());
    FItemCanvas->GetBrush()->SetStyle(bsSolid);
    FItemCanvas->GetBrush()->SetColor(GetColor());
    FItemCanvas->GetPen()->SetColor(clBlack);
    if (Index >= 0 && Index < count())
        DrawItem(Index, Rect(0, 0, Width, FItemHeight), State);
    return FItemPicture;
}

void TCustomComboBox::paintEvent(QPaintEvent* Event)
{
    if (!IsOwnerDrawn()) {
        QComboBox::paintEvent(Event);
        return;
    }
    // The frame and button from the style, the selected item drawn by DrawItem.
    QStylePainter Painter(this);
    QStyleOptionComboBox Option;
    initStyleOption(&Option);
    Option.currentText.clear();
    Painter.drawComplexControl(QStyle::CC_ComboBox, Option);
    const QRect Field = style()->subControlRect(QStyle::CC_ComboBox, &Option, QStyle::SC_ComboBoxEditField, this);
    TOwnerDrawState State = odComboBoxEdit;
    State.setFlag(odFocused, hasFocus());
    State.setFlag(odSelected, hasFocus());
    State.setFlag(odDisabled, !isEnabled());
    const QImage Item = RenderItem(currentIndex(), Field.width(), State);
    Painter.drawImage(Field.left(), Field.top() + (Field.height() - FItemHeight) / 2, Item);
}

void TCustomComboBox::ColorChanged()
{
    ApplyColorToPalette(QPalette::Base);
    update();
}

} // namespace vok
