// The report list's row editor: a dialog built at run time with one label
// and one control per column, chosen by the column's format (combo boxes,
// drop-down lists, date-time pickers, numeric fields, edits).
#include "ColumnFormat.h"
#include "ReportListViewScopes.h"

#include <vok/Vok_NumIO.h>
#include <vok/Vok_replist.h>
#include <vok/Vok_stdctrls.h>

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPointer>

#include <vector>

namespace vok {

namespace {
const QString Prefix = QStringLiteral("runtime_rlre_");
constexpr int RowPitch = 25;
constexpr int OwnFormTopMargin = 45;
constexpr TColor ReadOnlyColor = 0xE0E0E0;
constexpr TColor ReadOnlyTextColor = 0x808080;

// Enter in a control closes its form with OK.
class EnterClosesForm : public QObject
{
public:
    EnterClosesForm(QObject* Parent, TForm* Form)
        : QObject(Parent)
        , FForm(Form)
    {
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() == QEvent::KeyPress) {
            const int Key = static_cast<QKeyEvent*>(Event)->key();
            if ((Key == Qt::Key_Return || Key == Qt::Key_Enter) && FForm) {
                FForm->SetModalResult(mrOk);
                return true;
            }
        }
        return QObject::eventFilter(Watched, Event);
    }

private:
    QPointer<TForm> FForm;
};

TInFormat NumericFormatOf(QChar Letter)
{
    switch (Letter.unicode()) {
    case 'e': return itDynamic;
    case 'f': return itFloat;
    case 'h': return itHex;
    default: return itInt;
    }
}

// The items of a list default: split at "|", a trailing "|" implied.
QStringList ListItems(const QString& Default)
{
    QStringList Items = Default.split(QLatin1Char('|'));
    if (!Items.isEmpty() && Items.last().isEmpty())
        Items.removeLast();
    return Items;
}
} // namespace

int TReportListView::EditRowEntries(int Row, int PosLeft, int PosTop)
{
    return EditRowEntries(Row, PosLeft, PosTop, QStringLiteral("Editing Row %1").arg(Row), QStringLiteral("OK"),
                          QStringLiteral("Cancel"));
}

int TReportListView::EditRowEntries(int Row, int PosLeft, int PosTop, const QString& FormCaption,
                                    const QString& ButOKCaption, const QString& ButCancelCaption)
{
    auto* Form = new TForm(this);
    Form->SetBounds(PosLeft, PosTop, Form->GetWidth(), Form->GetHeight());
    const int Result = RunRowEditor(Row, Form, true, 0, OwnFormTopMargin, FormCaption, ButOKCaption,
                                    ButCancelCaption);
    delete Form;
    return Result;
}

int TReportListView::EditRowEntries(int Row, TForm* ContainerForm, int PosLeft, int PosTop)
{
    if (ContainerForm == nullptr)
        return mrCancel;
    return RunRowEditor(Row, ContainerForm, false, PosLeft, PosTop, QString(), QString(), QString());
}

int TReportListView::RunRowEditor(int Row, TForm* Form, bool OwnForm, int X0, int Y0, const QString& Caption,
                                  const QString& OKCaption, const QString& CancelCaption)
{
    HideEditor();
    const QFontMetrics Metrics(Form->font());
    int LabelWidth = 0;
    for (int Col = 1; Col <= GetNrOfColumns(); ++Col)
        LabelWidth = std::max(LabelWidth, Metrics.horizontalAdvance(GetColName(Col)));
    LabelWidth += 8;

    std::vector<QPointer<QWidget>> Created;
    auto* EnterFilter = new EnterClosesForm(Form, Form);
    int WidestControl = 0;
    for (int Col = 1; Col <= GetNrOfColumns(); ++Col) {
        const int Y = Y0 + (Col - 1) * RowPitch;
        QString Format = GetColumnFormat(Col);
        if (OnRequestEditFormat)
            OnRequestEditFormat(this, Col, Row, Format);
        const replist::ColumnFormatParts Parts = replist::ParseColumnFormat(Format);
        const QChar Letter = Parts.TypeLetter.isNull() ? QLatin1Char('s') : Parts.TypeLetter;
        const QString DefaultText = replist::FormatDefaultValue(Format, Row);

        auto* Label = new TLabel(Form);
        Label->setObjectName(Prefix + QStringLiteral("Label%1").arg(Col));
        Label->SetAutoSize(false);
        Label->SetAlignment(taRightJustify);
        Label->SetCaption(GetColName(Col) + QLatin1Char(':'));
        Label->SetBounds(X0 + 8, Y + 3, LabelWidth, Metrics.height());
        Created.emplace_back(Label);

        const QString Cell = GetElem(Col, Row);
        const QRect Place(X0 + LabelWidth + 12, Y, Parts.Width, 21);
        QWidget* Control = nullptr;
        TControlCore* Core = nullptr;
        switch (Letter.unicode()) {
        case 'c':
        case 'l': {
            auto* Box = new TComboBox(Form);
            Box->setObjectName(Prefix + QStringLiteral("CBox%1").arg(Col));
            Box->SetStyle(Letter == QLatin1Char('c') ? csDropDown : csDropDownList);
            Box->SetItems(ListItems(Parts.Default));
            const int Colon = Parts.TypeText.indexOf(QLatin1Char(':'));
            if (Colon >= 0)
                Box->SetDropDownCount(std::max(1, replist::ReadFormatNumber(Parts.TypeText, Colon + 2)));
            if (Letter == QLatin1Char('c'))
                Box->SetText(Cell);
            else
                Box->SetItemIndex(Box->GetItems().indexOf(Cell));
            Control = Box;
            Core = Box;
            break;
        }
        case 'd': {
            auto* Picker = new TDateTimePicker(Form);
            Picker->setObjectName(Prefix + QStringLiteral("DtPick%1").arg(Col));
            Picker->SetFormat(Parts.TypeText);
            int Status = 0;
            const double Value = ParseDateTime(Cell.isEmpty() ? Parts.Default : Cell, Parts.TypeText, Status);
            Picker->SetDateTime(Status == 0 ? Value : 0.0);
            Control = Picker;
            Core = Picker;
            break;
        }
        case 'e':
        case 'f':
        case 'h':
        case 'i': {
            auto* Field = new TNumIO(Form);
            Field->setObjectName(Prefix + QStringLiteral("NumIO%1").arg(Col));
            Field->SetRangeLow(-1.7e308);
            Field->SetRangeHigh(1.7e308);
            Field->SetInputFormat(NumericFormatOf(Letter));
            Field->SetEditText(Cell.isEmpty() ? DefaultText : Cell);
            Control = Field;
            Core = Field;
            break;
        }
        case 's': {
            auto* Edit = new TEdit(Form);
            Edit->setObjectName(Prefix + QStringLiteral("Edit%1").arg(Col));
            Edit->SetText(Cell.isEmpty() ? DefaultText : Cell);
            Control = Edit;
            Core = Edit;
            break;
        }
        default: break;
        }
        if (Control == nullptr)
            continue;
        Core->SetBounds(Place.x(), Place.y(), Place.width(), Place.height());
        Core->SetTag(Col);
        WidestControl = std::max(WidestControl, Parts.Width);
        if (Parts.ReadOnly) {
            Core->SetEnabled(false);
            Core->SetColor(ReadOnlyColor);
            Core->GetFont()->SetColor(ReadOnlyTextColor);
        } else {
            Control->installEventFilter(EnterFilter);
        }
        Control->show();
        Created.emplace_back(Control);
    }

    const int ContentWidth = WidestControl + LabelWidth;
    const int ContentHeight = GetNrOfColumns() * RowPitch + (OwnForm ? OwnFormTopMargin : 0) + 38;
    if (OwnForm) {
        Form->SetBorderStyle(bsDialog);
        Form->SetBounds(Form->GetLeft(), Form->GetTop(), ContentWidth + 28, ContentHeight);
        auto* Cancel = new TButton(Form);
        Cancel->SetCaption(CancelCaption);
        Cancel->SetModalResult(mrCancel);
        Cancel->SetBounds(ContentWidth - 69, 4, 81, 29);
        auto* OK = new TButton(Form);
        OK->SetCaption(OKCaption);
        OK->SetModalResult(mrOk);
        OK->SetBounds(ContentWidth - 154, 4, 81, 29);
    } else {
        Form->SetBounds(Form->GetLeft(), Form->GetTop(), std::max(Form->GetWidth(), ContentWidth + 28),
                        std::max(Form->GetHeight(), ContentHeight));
    }
    Form->SetCaption(Caption);
    const int Result = Form->ShowModal();

    if (Result == mrOk) {
        const SuppressPaintScope Suppress(*this);
        for (const QPointer<QWidget>& Widget : Created) {
            if (!Widget)
                continue;
            const auto* Core = dynamic_cast<const TControlCore*>(Widget.data());
            const int Col = Core ? int(Core->GetTag()) : 0;
            if (auto* Edit = qobject_cast<TCustomEdit*>(Widget.data()))
                SetElem(Col, Row, Edit->GetText());
            else if (auto* Box = qobject_cast<TComboBox*>(Widget.data()))
                SetElem(Col, Row, Box->GetText());
            else if (auto* Picker = qobject_cast<TDateTimePicker*>(Widget.data()))
                SetElem(Col, Row, Picker->GetText());
        }
    }
    for (auto It = Created.rbegin(); It != Created.rend(); ++It)
        delete It->data();
    delete EnterFilter;
    return Result;
}

} // namespace vok
