// The report data container: a measurement log in a TRLData, previewed in a
// plain table, with loading and saving in every format the container knows.
#include "GalleryPages.h"

#include <vok/Vok_replist.h>

#include <QFileDialog>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using namespace vok;

class ReportListPage : public QWidget
{
public:
    ReportListPage()
    {
        FData = new TRLData(this);
        FillSampleLog();

        auto* Layout = new QVBoxLayout(this);
        Layout->addWidget(new QLabel(QStringLiteral("<h2>Report list</h2>The data container TRLData with a check "
                                                    "column, typed column formats and a hidden key column 0.")));
        FInfo = new QLabel;
        Layout->addWidget(FInfo);
        FTable = new QTableWidget;
        FTable->verticalHeader()->setDefaultSectionSize(20);
        Layout->addWidget(FTable, 1);

        auto* Buttons = new QGridLayout;
        AddButton(Buttons, 0, 0, QStringLiteral("Load report list..."), [this] { LoadList(); });
        AddButton(Buttons, 0, 1, QStringLiteral("Save report list..."), [this] {
            Save(QStringLiteral("Report lists (*.xml)"),
                 [this](const QString& Name) { FData->SaveAsXMLFile(Name, FData->GetDataID()); });
        });
        AddButton(Buttons, 0, 2, QStringLiteral("Import CSV..."), [this] {
            Load(QStringLiteral("CSV files (*.csv)"),
                 [this](const QString& Name) { return FData->ImportCSV(Name, csvComma, true) >= 0; });
        });
        AddButton(Buttons, 0, 3, QStringLiteral("Export CSV..."), [this] {
            Save(QStringLiteral("CSV files (*.csv)"), [this](const QString& Name) {
                FData->ExportCSV(Name, csvComma, true, false, 1, 1, FData->GetNrOfColumns(), FData->GetNrOfRows());
            });
        });
        AddButton(Buttons, 1, 0, QStringLiteral("Load lines into column 2..."), [this] {
            Load(QStringLiteral("Text files (*.txt)"),
                 [this](const QString& Name) { return FData->LoadLinesFromFile(2, 1, Name) >= 0; });
        });
        AddButton(Buttons, 1, 1, QStringLiteral("Export HTML table..."), [this] {
            Save(QStringLiteral("HTML files (*.html)"), [this](const QString& Name) {
                FData->ExportHTMLTable(Name, 1, 1, FData->GetNrOfColumns(), FData->GetNrOfRows(), {}, 1, 0, 3, true,
                                       QStringLiteral("head"), QStringLiteral("cell"), QStringLiteral("report"));
            });
        });
        AddButton(Buttons, 1, 2, QStringLiteral("Sort by value"), [this] {
            FData->Sort(4, 1, !(FData->GetLastSortColumn() == 4 && FData->GetLastSortOrder()));
            ShowData();
        });
        AddButton(Buttons, 1, 3, QStringLiteral("Unsort"), [this] {
            FData->UnSort();
            ShowData();
        });
        Layout->addLayout(Buttons);
        ShowData();
    }

private:
    void FillSampleLog()
    {
        struct Reading
        {
            const char* Sensor;
            const char* Quantity;
            double Value;
            const char* Unit;
            bool Alarm;
        };
        static const Reading Log[] = {
            {"PT-101", "pressure", 4.82, "bar", false},      {"TT-204", "temperature", 87.4, "\u00B0C", true},
            {"FT-310", "flow rate", 132.5, "l/min", false},  {"LT-015", "level", 2.37, "m", false},
            {"PT-102", "pressure", 5.10, "bar", false},      {"TT-205", "temperature", 91.9, "\u00B0C", true},
            {"VT-420", "vibration", 0.84, "mm/s", false},    {"ST-500", "speed", 1480, "rpm", false},
            {"FT-311", "flow rate", 118.0, "l/min", false},  {"QT-601", "conductivity", 512, "\u00B5S/cm", false},
            {"TT-206", "temperature", 64.2, "\u00B0C", false}, {"PT-103", "pressure", 3.95, "bar", true},
        };
        FData->SetNrOfColumns(6);
        FData->SetNrOfRows(int(std::size(Log)));
        FData->SetCommonHeader(QStringLiteral("Boiler house B2\nShift log 2024-03-14"));
        FData->SetDataID(QStringLiteral("shiftlog"));
        const char* const Names[] = {"Sensor", "Quantity", "Reading", "Value", "Unit", "Time"};
        const char* const Formats[] = {"[#s][80]", "[l:6][120]pressure|temperature|flow rate|level", "[i][60]rix3",
                                       "[f][90]0.0", "[c][70]bar|\u00B0C|l/min", "[dhh:mm][70]08:00"};
        for (int Col = 1; Col <= 6; ++Col) {
            FData->SetColName(Col, QString::fromUtf8(Names[Col - 1]));
            FData->SetColumnFormat(Col, QString::fromUtf8(Formats[Col - 1]));
        }
        for (int Row = 1; Row <= FData->GetNrOfRows(); ++Row) {
            const Reading& R = Log[Row - 1];
            FData->SetElem(0, Row, QStringLiteral("key-%1").arg(Row));
            FData->SetElem(1, Row, QString::fromUtf8(R.Sensor));
            FData->SetElem(2, Row, QString::fromUtf8(R.Quantity));
            FData->SetElem(3, Row, FData->GetCellDefaultValue(3, Row));
            FData->SetElem(4, Row, QString::number(R.Value, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')));
            FData->SetElem(5, Row, QString::fromUtf8(R.Unit));
            const int Minutes = 8 * 60 + Row * 13;
            FData->SetElem(6, Row, QStringLiteral("%1:%2").arg(Minutes / 60, 2, 10, QLatin1Char('0'))
                                       .arg(Minutes % 60, 2, 10, QLatin1Char('0')));
        }
        FData->SetColCheckMode(1, cmBox);
        for (int Row = 1; Row <= FData->GetNrOfRows(); ++Row)
            FData->SetElemChecked(1, Row, Log[Row - 1].Alarm);
    }

    void ShowData()
    {
        const int Cols = FData->GetNrOfColumns();
        const int Rows = FData->GetNrOfRows();
        FTable->clear();
        FTable->setColumnCount(Cols + 1);
        FTable->setRowCount(Rows);
        FTable->setHorizontalHeaderItem(0, new QTableWidgetItem(QStringLiteral("(0)")));
        for (int Col = 1; Col <= Cols; ++Col)
            FTable->setHorizontalHeaderItem(Col, new QTableWidgetItem(FData->GetColName(Col)));
        for (int Row = 1; Row <= Rows; ++Row)
            for (int Col = 0; Col <= Cols; ++Col) {
                auto* Item = new QTableWidgetItem(FData->GetElem(Col, Row));
                if (FData->GetColCheckMode(Col) != cmNone)
                    Item->setCheckState(FData->GetElemChecked(Col, Row) ? Qt::Checked : Qt::Unchecked);
                FTable->setItem(Row - 1, Col, Item);
            }
        FTable->resizeColumnsToContents();
        const QString Sort = FData->GetLastSortColumn() < 0
            ? QStringLiteral("unsorted")
            : QStringLiteral("sorted by column %1, %2")
                  .arg(FData->GetLastSortColumn())
                  .arg(FData->GetLastSortOrder() ? QStringLiteral("ascending") : QStringLiteral("descending"));
        FInfo->setText(QStringLiteral("<b>%1</b><br>%2 columns, %3 rows, data id \"%4\", %5; alarms checked: %6")
                           .arg(FData->GetCommonHeader().toHtmlEscaped().replace(QLatin1Char('\n'),
                                                                                 QStringLiteral("<br>")))
                           .arg(Cols)
                           .arg(Rows)
                           .arg(FData->GetDataID().toHtmlEscaped(), Sort)
                           .arg(FData->CountCheckedElemsInCol(1)));
    }

    void AddButton(QGridLayout* Grid, int Row, int Col, const QString& Text, const std::function<void()>& Action)
    {
        auto* Button = new QPushButton(Text);
        connect(Button, &QPushButton::clicked, this, Action);
        Grid->addWidget(Button, Row, Col);
    }

    void LoadList()
    {
        Load(QStringLiteral("Report lists (*.xml)"),
             [this](const QString& Name) { return FData->LoadFromXMLFile(Name, QString()); });
    }

    void Load(const QString& Filter, const std::function<bool(const QString&)>& Reader)
    {
        const QString Name = QFileDialog::getOpenFileName(this, QString(), QString(), Filter);
        if (Name.isEmpty())
            return;
        if (!Reader(Name))
            FInfo->setText(QStringLiteral("Could not read %1").arg(Name.toHtmlEscaped()));
        else
            ShowData();
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

    TRLData* FData;
    QTableWidget* FTable;
    QLabel* FInfo;
};

const vok::gallery::PageRegistration Reg(40, QStringLiteral("Report list"), [] { return new ReportListPage; });

} // namespace
