// The "Table editor" page: a TNTabEd over a tensile-test series with named
// specimens and quantities, a nominal material column, empty and invalid
// cells, locked reference values and marks of both kinds. Both popup menus
// work (right-click a cell or a heading; right-click the corner cell for the
// comment); a button shows what Copy put on the clipboard.
#include "GalleryPages.h"

#include <vok/Vok_ntabed.h>
#include <vok/Vok_sysservices.h>

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace {

using namespace vok;

constexpr int Specimens = 24;
constexpr int MaterialColumn = 6;

struct TQuantity
{
    const char* Name;
    int Precision;
};

const TQuantity Quantities[] = {{"Length mm", 1}, {"Width mm", 2},  {"Thickness mm", 2},
                                {"Force kN", 3},  {"Strain %", 2},  {"Material", 0},
                                {"Yield MPa", 0}};

const char* const Materials[] = {"S235", "S355", "AlMg3", "CuZn37"};

class TableEditorPage : public QWidget
{
public:
    TableEditorPage()
    {
        FEditor = new TNTabEd(this);
        FillSeries();

        auto* Layout = new QVBoxLayout(this);
        Layout->addWidget(new QLabel(QStringLiteral(
            "<h2>Table editor</h2>A tensile-test series in a TNTabEd. Click a cell twice (or type) to edit, "
            "right-click a cell for marks, clearing and the clipboard, right-click a heading to rename it, "
            "step its precision or insert and delete lines; right-click the corner for the comment. Red values "
            "are marked A, blue ones B; the reference row is locked.")));

        auto* Options = new QHBoxLayout;
        auto* RowAttribs = new QCheckBox(QStringLiteral("Row attributes"));
        RowAttribs->setChecked(FEditor->GetAttribRowVisible());
        connect(RowAttribs, &QCheckBox::toggled, this, [this](bool On) { FEditor->SetAttribRowVisible(On); });
        auto* ColAttribs = new QCheckBox(QStringLiteral("Column attributes"));
        connect(ColAttribs, &QCheckBox::toggled, this, [this](bool On) { FEditor->SetAttribColVisible(On); });
        auto* ReadOnly = new QCheckBox(QStringLiteral("Read-only"));
        connect(ReadOnly, &QCheckBox::toggled, this, [this](bool On) { FEditor->SetDataReadOnly(On); });
        connect(FEditor, &TNTabEd::dataReadOnlyChanged, ReadOnly, &QCheckBox::setChecked);
        auto* Width = new QSpinBox;
        Width->setRange(1, 20);
        Width->setValue(FEditor->GetNumWidth());
        connect(Width, &QSpinBox::valueChanged, this, [this](int V) { FEditor->SetNumWidth(V); });
        auto* ShowClip = new QPushButton(QStringLiteral("Show clipboard text"));
        connect(ShowClip, &QPushButton::clicked, this, [this] { FClipText->setPlainText(Clipboard().GetAsText()); });
        Options->addWidget(RowAttribs);
        Options->addWidget(ColAttribs);
        Options->addWidget(ReadOnly);
        Options->addWidget(new QLabel(QStringLiteral("Number width:")));
        Options->addWidget(Width);
        Options->addStretch();
        Options->addWidget(ShowClip);
        Layout->addLayout(Options);

        Layout->addWidget(FEditor, 1);

        FStatus = new QLabel;
        Layout->addWidget(FStatus);
        FClipText = new QPlainTextEdit;
        FClipText->setReadOnly(true);
        FClipText->setPlaceholderText(QStringLiteral("Copy a block (data popup menu), then show the clipboard text."));
        FClipText->setMaximumHeight(110);
        Layout->addWidget(FClipText);

        connect(FEditor, &TNTabEd::selectionChanged, this, [this] { ShowStatus(); });
        connect(FEditor, &TNTabEd::cellStateChanged, this, [this] { ShowStatus(); });
        connect(FEditor, &TNTabEd::changed, this, [this] { ShowStatus(); });
        ShowStatus();
    }

private:
    void FillSeries()
    {
        FEditor->SetSuppressPaint(true);
        const int Columns = int(std::size(Quantities));
        FEditor->Redimension(Columns, Specimens + 1);
        // Palette colours, so the texts stay legible on a dark palette too,
        // and mark colours bright enough for both.
        FEditor->SetColorNormal(clWindowText);
        FEditor->SetColorSelected(clHighlight);
        FEditor->SetColorMarkedB(0xFF8000);
        FEditor->SetColorMarkedBoth(0xFF40C0);
        FEditor->SetComment(QStringLiteral("Tensile tests, batch 2026-11, machine Z100"));
        TDataTable* Data = FEditor->Data;
        Data->SetMScaleType(MaterialColumn, mstNominal);
        for (int N = 0; N < int(std::size(Materials)); ++N)
            Data->SetNominalID(MaterialColumn, N + 1, QString::fromLatin1(Materials[N]));
        for (int C = 1; C <= Columns; ++C) {
            FEditor->SetColName(C, QString::fromLatin1(Quantities[C - 1].Name));
            FEditor->SetPrecision(C, Quantities[C - 1].Precision);
        }
        FEditor->SetRowName(1, QStringLiteral("Nominal"));
        for (int R = 2; R <= Specimens + 1; ++R)
            FEditor->SetRowName(R, QStringLiteral("Specimen %1").arg(R - 1, 2, 10, QLatin1Char('0')));
        const double Nominal[] = {80.0, 20.0, 4.0, 0, 0, 1, 235};
        for (int C = 1; C <= Columns; ++C) {
            FEditor->SetElem(C, 1, Nominal[C - 1]);
            Data->SetCellState(C, 1, cstLocked);
        }
        Data->SetCellState(4, 1, cstLocked | cstEmpty);
        Data->SetCellState(5, 1, cstLocked | cstEmpty);
        for (int R = 2; R <= Specimens + 1; ++R) {
            const double K = R - 1;
            const int Material = 1 + (R % 4);
            const double Width = 20.0 + 0.04 * std::sin(K * 1.3);
            const double Thick = 4.0 + 0.03 * std::cos(K * 0.7);
            const double Yield = Material <= 2 ? (Material == 1 ? 262 : 371) : (Material == 3 ? 118 : 204);
            const double Force = Yield * 1.3 * Width * Thick / 1000.0 * (1 + 0.02 * std::sin(K));
            FEditor->SetElem(1, R, 80.0 + 0.1 * std::sin(K * 2.1));
            FEditor->SetElem(2, R, Width);
            FEditor->SetElem(3, R, Thick);
            FEditor->SetElem(4, R, Force);
            FEditor->SetElem(5, R, 18.0 + 9.0 * std::sin(K * 0.37) + (Material == 3 ? 6 : 0));
            FEditor->SetElem(6, R, Material);
            FEditor->SetElem(7, R, Yield + 7 * std::sin(K * 0.9));
            FEditor->SetRowAttrib(R, quint8(Material));
        }
        Data->SetCellState(5, 9, cstNoNumber);   // extensometer slipped
        Data->SetCellState(4, 14, cstEmpty);     // specimen broke in the grips
        Data->SetCellState(7, 14, cstEmpty);
        Data->SetCellState(4, 6, cstMarkA);      // outliers
        Data->SetCellState(7, 6, cstMarkA);
        Data->SetCellState(5, 17, cstMarkB);     // to be repeated
        Data->SetCellState(5, 20, cstMarkA | cstMarkB);
        FEditor->SetColWidths(0, 92);
        FEditor->AutoColWidth(-1, true, 0);
        for (int C = 1; C <= Columns; ++C)
            FEditor->AutoColWidth(C, true, 4);
        FEditor->SetDataSelection({2, 3, 2, 3});
        FEditor->SetSuppressPaint(false);
    }

    void ShowStatus()
    {
        const TGridRect Sel = FEditor->DataSelection();
        FStatus->setText(QStringLiteral("Selection %1:%2 .. %3:%4    marked A: %5    marked B: %6")
                             .arg(Sel.Left)
                             .arg(Sel.Top)
                             .arg(Sel.Right)
                             .arg(Sel.Bottom)
                             .arg(FEditor->NrOfMarkedDataA())
                             .arg(FEditor->NrOfMarkedDataB()));
    }

    TNTabEd* FEditor;
    QLabel* FStatus;
    QPlainTextEdit* FClipText;
};

const vok::gallery::PageRegistration Reg(50, QStringLiteral("Table editor"), [] { return new TableEditorPage; });

} // namespace
