// The report list: a measurement log of a few thousand rows in a
// TReportListView, sortable by header clicks, filterable from a search box,
// editable in place and through the row editor (double-click a row), with
// loading, saving and exporting in every format the list knows.
#include "GalleryPages.h"

#include <vok/Vok_replist.h>

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

namespace {

using namespace vok;

constexpr int LogRows = 3000;

class ReportListPage : public QWidget
{
public:
    ReportListPage()
    {
        FView = new TReportListView(this);
        FillSampleLog();

        auto* Layout = new QVBoxLayout(this);
        Layout->addWidget(new QLabel(
            QStringLiteral("<h2>Report list</h2>A laboratory measurement log in a TReportListView. Click a "
                           "header to sort, tick the check boxes, double-click a row for the row editor, "
                           "type into the Remark column.")));

        auto* Search = new QHBoxLayout;
        Search->addWidget(new QLabel(QStringLiteral("Filter:")));
        FFilter = new QLineEdit;
        FFilter->setPlaceholderText(QStringLiteral("e.g. Grace, (Ada or Marie) and not pending, ^S-00\\d"));
        FFilter->setClearButtonEnabled(true);
        Search->addWidget(FFilter, 1);
        FMode = new QComboBox;
        FMode->addItems({QStringLiteral("Contains"), QStringLiteral("Words (and/or/not)"),
                         QStringLiteral("Regular expression")});
        Search->addWidget(FMode);
        auto* Bring = new QPushButton(QStringLiteral("Found rows first"));
        Search->addWidget(Bring);
        Layout->addLayout(Search);
        connect(FFilter, &QLineEdit::textChanged, this, [this] { ApplyFilter(); });
        connect(FMode, &QComboBox::currentIndexChanged, this, [this] { ApplyFilter(); });
        connect(Bring, &QPushButton::clicked, this, [this] { FView->SortEnabledState(1, 2, true); });

        Layout->addWidget(FView, 1);
        FInfo = new QLabel;
        Layout->addWidget(FInfo);

        auto* Buttons = new QGridLayout;
        AddButton(Buttons, 0, 0, QStringLiteral("Load report list..."), [this] {
            Load(QStringLiteral("Report lists (*.xml)"),
                 [this](const QString& Name) { return FView->LoadFromXMLFile(Name, QString()); });
        });
        AddButton(Buttons, 0, 1, QStringLiteral("Save report list..."), [this] {
            Save(QStringLiteral("Report lists (*.xml)"),
                 [this](const QString& Name) { FView->SaveAsXMLFile(Name, FView->GetDataID()); });
        });
        AddButton(Buttons, 0, 2, QStringLiteral("Import CSV..."), [this] {
            Load(QStringLiteral("CSV files (*.csv)"),
                 [this](const QString& Name) { return FView->ImportCSV(Name, csvComma, true) >= 0; });
        });
        AddButton(Buttons, 0, 3, QStringLiteral("Export CSV..."), [this] {
            Save(QStringLiteral("CSV files (*.csv)"), [this](const QString& Name) {
                FView->ExportCSV(Name, csvComma, true, false, 1, 1, FView->GetNrOfColumns(), FView->GetNrOfRows());
            });
        });
        AddButton(Buttons, 1, 0, QStringLiteral("Load lines into Remark..."), [this] {
            Load(QStringLiteral("Text files (*.txt)"),
                 [this](const QString& Name) { return FView->LoadLinesFromFile(RemarkColumn, 1, Name) >= 0; });
        });
        AddButton(Buttons, 1, 1, QStringLiteral("Export HTML table..."), [this] {
            Save(QStringLiteral("HTML files (*.html)"), [this](const QString& Name) {
                FView->ExportHTMLTable(Name, 1, 1, FView->GetNrOfColumns(), FView->GetNrOfRows(), {}, 1, 0, 3, true,
                                       QStringLiteral("head"), QStringLiteral("cell"), QStringLiteral("report"));
            });
        });
        AddButton(Buttons, 1, 2, QStringLiteral("Copy selection"), [this] {
            const int Row = FView->FirstSelectedRow();
            if (Row > 0)
                FView->CopyToClipBoard(1, Row, FView->GetNrOfColumns(), Row, true, true);
        });
        AddButton(Buttons, 1, 3, QStringLiteral("Unsort"), [this] { FView->UnSort(); });
        Layout->addLayout(Buttons);

        FView->OnDblClick = [this](QObject*) {
            const int Row = FView->GetRow() - FView->HeaderRowCount() + 1;
            if (Row >= 1 && Row <= FView->GetNrOfRows())
                FView->EditRowEntries(Row, 200, 200);
        };
        connect(FView, &TReportListView::selectedChange, this, [this] { ShowInfo(); });
        connect(FView, &TReportListView::changed, this, [this] { ShowInfo(); });
        ShowInfo();
    }

private:
    static constexpr int RemarkColumn = 10;

    void FillSampleLog()
    {
        struct Column
        {
            const char* Name;
            const char* Format;
            int Width;
            TAlignment Alignment;
        };
        static const Column Columns[] = {
            {"Measured", "[dyyyy-MM-dd HH:mm][140]", 120, taLeftJustify},
            {"Sample", "[#s][90]", 70, taLeftJustify},
            {"Operator", "[l:6][110]Ada Lovelace|Grace Hopper|Marie Curie|Niels Bohr|Lise Meitner|", 100,
             taLeftJustify},
            {"Temp\n\u00B0C", "[f][70]20.0", 50, taRightJustify},
            {"pH", "[f][60]7.00", 44, taRightJustify},
            {"Conductivity\n\u00B5S/cm", "[i][80]0", 84, taRightJustify},
            {"Valid", "[s][60]", 52, taLeftJustify},
            {"Ref.", "[s][60]", 44, taCenter},
            {"Sign-off PIN", "[s][80]$pwd$4", 76, taLeftJustify},
            {"Remark", "[c][200]ok|repeat|pending|outlier|", 160, taLeftJustify},
        };
        static const char* const Operators[] = {"Ada Lovelace", "Grace Hopper", "Marie Curie", "Niels Bohr",
                                                "Lise Meitner"};
        static const char* const Remarks[] = {"ok", "ok", "ok", "repeat", "pending", "outlier", ""};
        const int Cols = int(std::size(Columns));
        FView->SetSuppressPaint(true);
        FView->SetNrOfColumns(Cols);
        FView->SetNrOfRows(LogRows);
        FView->SetCommonHeader(QStringLiteral("Water lab B2 \u2013 weekly log"));
        FView->SetCommonHeaderVisible(true);
        FView->SetColumnHeadersHeight(34);
        FView->SetDataID(QStringLiteral("waterlab"));
        FView->SetEmptyMessage(QStringLiteral("No measurements|load a report list"));
        for (int Col = 1; Col <= Cols; ++Col) {
            const Column& C = Columns[Col - 1];
            FView->SetColName(Col, QString::fromUtf8(C.Name));
            FView->SetColumnFormat(Col, QString::fromUtf8(C.Format));
            FView->SetColAlignment(Col, C.Alignment);
            FView->SetColWidths(Col, C.Width);
        }
        FView->SetColCheckMode(7, cmBox);
        FView->SetColCheckMode(8, cmRadio);
        FView->SetColumnIsPwd(9, true);
        FView->SetColumnEditable(RemarkColumn, true);
        FView->SetColumnEditable(4, true);
        FView->SetColumnEditable(5, true);

        QRandomGenerator Random(20240314);
        QDateTime When(QDate(2024, 3, 4), QTime(7, 30));
        TRLData* Data = FView->Data();
        for (int Row = 1; Row <= LogRows; ++Row) {
            When = When.addSecs(60 * (7 + int(Random.bounded(20))));
            Data->SetElem(0, Row, QString::number(Row));
            Data->SetElem(1, Row, When.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
            Data->SetElem(2, Row, QStringLiteral("S-%1").arg(Row, 5, 10, QLatin1Char('0')));
            Data->SetElem(3, Row, QString::fromUtf8(Operators[Random.bounded(int(std::size(Operators)))]));
            Data->SetElem(4, Row, QString::number(18.0 + Random.bounded(80) / 10.0, 'f', 1));
            Data->SetElem(5, Row, QString::number(6.5 + Random.bounded(150) / 100.0, 'f', 2));
            Data->SetElem(6, Row, QString::number(200 + Random.bounded(900)));
            Data->SetElemChecked(7, Row, Random.bounded(10) < 8);
            Data->SetElem(9, Row, QString::number(1000 + Random.bounded(9000)));
            Data->SetElem(RemarkColumn, Row, QString::fromUtf8(Remarks[Random.bounded(int(std::size(Remarks)))]));
        }
        Data->SetElemChecked(8, 17, true);
        // Cell editing needs cell-wise moves; the rows still show as selected.
        FView->SetOptions(FView->GetOptions() & ~TGridOptions(goRowSelect));
        FView->SetRowColPattern(3);
        FView->SelectRow(1);
        FView->SetSuppressPaint(false);
    }

    void ApplyFilter()
    {
        FView->FilterAndSort(FFilter->text(), {}, true, TFilterMode(FMode->currentIndex()), 0, true);
    }

    void ShowInfo()
    {
        const QString Sort = FView->GetLastSortColumn() < 0
            ? QStringLiteral("unsorted")
            : QStringLiteral("sorted by %1, %2")
                  .arg(FView->GetColName(FView->GetLastSortColumn()).replace(QLatin1Char('\n'), QLatin1Char(' ')))
                  .arg(FView->GetLastSortOrder() ? QStringLiteral("ascending") : QStringLiteral("descending"));
        FInfo->setText(QStringLiteral("%1 rows, %2 found by the filter, %3 selected; %4; valid: %5")
                           .arg(FView->GetNrOfRows())
                           .arg(FView->NumEnabledRows())
                           .arg(FView->NumSelectedRows())
                           .arg(Sort)
                           .arg(FView->CountCheckedElemsInCol(7)));
    }

    void AddButton(QGridLayout* Grid, int Row, int Col, const QString& Text, const std::function<void()>& Action)
    {
        auto* Button = new QPushButton(Text);
        connect(Button, &QPushButton::clicked, this, Action);
        Grid->addWidget(Button, Row, Col);
    }

    void Load(const QString& Filter, const std::function<bool(const QString&)>& Reader)
    {
        const QString Name = QFileDialog::getOpenFileName(this, QString(), QString(), Filter);
        if (Name.isEmpty())
            return;
        if (!Reader(Name))
            FInfo->setText(QStringLiteral("Could not read %1").arg(Name.toHtmlEscaped()));
        else
            ShowInfo();
    }

    void Save(const QString& Filter, const std::function<void(const QString&)>& Writer)
    {
        const QString Name = QFileDialog::getSaveFileName(this, QString(), QString(), Filter);
        if (Name.isEmpty())
            return;
        try {
            Writer(Name);
        } catch (const EVOKError& E) {
            FInfo->setText(E.Message().toHtmlEscaped());
        }
    }

    TReportListView* FView;
    QLineEdit* FFilter;
    QComboBox* FMode;
    QLabel* FInfo;
};

const vok::gallery::PageRegistration Reg(40, QStringLiteral("Report list"), [] { return new ReportListPage; });

} // namespace
