#include <vok/Vok_NumIO.h>

#include "numiotext.h"

#include <vok/Vok_sysservices.h>

#include <algorithm>

namespace vok {

TNumIO::TNumIO(QWidget* AOwner)
    : TCustomEdit(AOwner)
    , FFormat(std::make_unique<TNumIOTextFormat>())
{
    if (IsDesigning()) {
        FMinimum = -uc_MaxDouble;
        FMaximum = uc_MaxDouble;
    }
    SetEditText(QString());
}

TNumIO::~TNumIO() = default;

TInFormat TNumIO::GetInputFormat() const { return FFormat->InputFormat; }
void TNumIO::SetInputFormat(TInFormat Value)
{
    if (FFormat->InputFormat == Value)
        return;
    FFormat->InputFormat = Value;
    Recheck();
}

int TNumIO::GetFixPointDecPlaces() const { return FFormat->FixPointDecPlaces; }
void TNumIO::SetFixPointDecPlaces(int Value) { FFormat->FixPointDecPlaces = std::clamp(Value, 1, 8); }

void TNumIO::SetRangeLow(double Value)
{
    if (Value >= FMaximum) {
        FMinimum = FMaximum;
        FMaximum = Value;
    } else {
        FMinimum = Value;
    }
    Recheck();
}

void TNumIO::SetRangeHigh(double Value)
{
    if (Value > FMinimum) {
        FMaximum = Value;
    } else {
        FMaximum = FMinimum;
        FMinimum = Value;
    }
    Recheck();
}

TDecPSep TNumIO::GetDecPlaceSep() const { return FFormat->DecPlaceSep; }
void TNumIO::SetDecPlaceSep(TDecPSep Value)
{
    if (FFormat->DecPlaceSep == Value)
        return;
    FFormat->DecPlaceSep = Value;
    Recheck();
}

double TNumIO::GetValue() const { return NumIOTextValue(*FFormat, GetText()); }
void TNumIO::SetValue(double Value) { SetEditText(NumIOValueText(*FFormat, Value)); }

bool TNumIO::ConvertNumString(const QString& Text, double& Value) const
{
    return ConvertNumText(*FFormat, Text, Value);
}

void TNumIO::SetEditText(const QString& Text)
{
    // Setting the same text changes nothing and sends no notification, so
    // only a real change is marked as the field's own.
    if (Text == GetText())
        return;
    FInternalChg = true;
    SetText(Text);
}

void TNumIO::Recheck()
{
    FOldText.clear();
    Change();
}

void TNumIO::Change()
{
    CheckText();
    // A text put back by the check arrives here first (nested): the value
    // is told once, for the text that stays.
    const double Value = GetValue();
    if (!(Value == FNotifiedValue)) {
        FNotifiedValue = Value;
        Q_EMIT valueChanged(Value);
    }
}

void TNumIO::CheckText()
{
    if (IsDesigning())
        return;
    if (FInternalChg) {
        FInternalChg = false;
        return;
    }
    const TNumIOChangeResult R =
        CheckNumIOChange(*FFormat, {GetText(), FOldText, cursorPosition(), FMinimum, FMaximum});
    if (R.Replacement) {
        SetEditText(*R.Replacement);
        setCursorPosition(std::clamp(R.Caret, 0, int(GetText().size())));
    }
    if (R.Accepted) {
        FOldText = R.AcceptedText;
        TCustomEdit::Change();
    } else if (R.Refused && FBeep) {
        MessageBeep(0);
    }
}

void TNumIO::Assign(QObject* Source)
{
    const auto* Src = qobject_cast<TNumIO*>(Source);
    if (!Src) {
        TCustomEdit::Assign(Source);
        return;
    }
    FFormat->InputFormat = Src->FFormat->InputFormat;
    FFormat->DecPlaceSep = Src->FFormat->DecPlaceSep;
    FBeep = Src->FBeep;
    FMinimum = Src->FMinimum;
    FMaximum = Src->FMaximum;
}

void TNumIO::AssignTo(QObject* Dest)
{
    if (!AssignToKindOf(Dest))
        TCustomEdit::AssignTo(Dest);
}

} // namespace vok
