#include "MonitorWindow.h"

#include <QDateTime>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace monitor {

namespace {

constexpr int SampleIntervalMs = 500;
// Share of the distance to the setpoint covered per sample.
constexpr double LagPerSample = 0.08;

enum LogColumn { ColTime = 1, ColSetpoint, ColReading, LogColumns = ColReading };

QString Celsius(double Value)
{
    return QStringLiteral("%1 \u00B0C").arg(Value, 0, 'f', 1);
}

} // namespace

double NextReading(double Current, double Setpoint, int Tick)
{
    const double Ripple = 0.15 * std::sin(Tick * 0.7) + 0.05 * std::sin(Tick * 2.3);
    return Current + LagPerSample * (Setpoint - Current) + Ripple;
}

MonitorWindow::MonitorWindow(QWidget* Parent)
    : QWidget(Parent)
{
    setWindowTitle(QStringLiteral("Tank monitor"));

    // Control: which loop, its setpoint, and a pause switch for the sampling.
    auto* Control = new QGroupBox(QStringLiteral("Control"));
    FLoopName = new QLineEdit(QStringLiteral("Tank 3 heater"));
    FSetpoint = new vok::TNumIO2;
    FSetpoint->SetName(QStringLiteral("Setpoint"));
    FSetpoint->SetInputFormat(vok::itFixPoint);
    FSetpoint->SetFixPointDecPlaces(1);
    FSetpoint->SetRangeLow(0);
    FSetpoint->SetRangeHigh(100);
    FSetpoint->SetButVisible(true);
    FSetpoint->SetButIncrem(0.5);
    FSetpoint->SetLeftText(QStringLiteral("Setpoint"));
    // The caption area is the field's own setting: make it as wide as the caption.
    FSetpoint->SetLeftSpace(FSetpoint->fontMetrics().horizontalAdvance(FSetpoint->GetLeftText()) + 8);
    FSetpoint->SetRightText(QStringLiteral("\u00B0C"));
    FSetpoint->SetValue(45.0);
    // The box takes the palette's input colors, as the line edit above does.
    FSetpoint->SetColorBoxBG(vok::clWindow);
    FSetpoint->SetColorBoxText(vok::clWindowText);
    FPause = new QPushButton(QStringLiteral("Pause sampling"));
    FPause->setCheckable(true);
    auto* ControlLayout = new QVBoxLayout(Control);
    auto* NameRow = new QHBoxLayout;
    NameRow->addWidget(new QLabel(QStringLiteral("Loop")));
    NameRow->addWidget(FLoopName);
    ControlLayout->addLayout(NameRow);
    ControlLayout->addWidget(FSetpoint);
    ControlLayout->addWidget(FPause);
    ControlLayout->addStretch();

    // Process value: the meter's main needle is the reading, its second
    // needle the setpoint; the bands mark the low and high alarm ranges.
    auto* Process = new QGroupBox(QStringLiteral("Process value"));
    FMeter = new vok::TMeter;
    FMeter->SetName(QStringLiteral("Temperature"));
    FMeter->SetCaption(QStringLiteral("\u00B0C"));
    FMeter->SetMeterLayout(vok::mlCirc120);
    FMeter->SetMeterMinValue(0);
    FMeter->SetMeterMaxValue(100);
    FMeter->SetMeterNrTicks(6);
    FMeter->SetMeterDecPlaces(0);
    FMeter->SetThresholdLow(10);
    FMeter->SetThresholdHigh(80);
    FMeter->SetScaleBkVisible(true);
    FMeter->SetScaleBkWidth(8);
    // The dial takes the window color, so that its labels and ticks (in the
    // window text color) stay legible under any palette.
    FMeter->SetColorBakG(vok::clWindow);
    FMeter->SetColorScale(vok::clWindowText);
    FMeter->GetNeedleLayout()->SetColorOutline(vok::clWindowText);
    FMeter->GetNeedleLayoutSec()->SetVisible(true);
    FMeter->GetNeedleLayoutSec()->SetColorBody(0x0000C0);
    FMeter->SetValue(FProcessValue);
    FMeter->SetValueSec(FSetpoint->GetValue());
    FReading = new QLabel;
    FReading->setAlignment(Qt::AlignCenter);
    auto* ProcessLayout = new QVBoxLayout(Process);
    ProcessLayout->addWidget(FMeter, 1);
    ProcessLayout->addWidget(FReading);

    // Log: the readings in a report-list container, exported on request.
    FLog = new vok::TRLData(this);
    FLog->SetNrOfColumns(LogColumns);
    FLog->SetColName(ColTime, QStringLiteral("Time"));
    FLog->SetColName(ColSetpoint, QStringLiteral("Setpoint"));
    FLog->SetColName(ColReading, QStringLiteral("Reading"));
    auto* LogBox = new QGroupBox(QStringLiteral("Log"));
    FLogCount = new QLabel;
    FExportFile = new QLineEdit(QDir::home().filePath(QStringLiteral("tank-log.csv")));
    FExportButton = new QPushButton(QStringLiteral("Export CSV"));
    FStatus = new QLabel;
    auto* LogLayout = new QVBoxLayout(LogBox);
    LogLayout->addWidget(FLogCount);
    auto* FileRow = new QHBoxLayout;
    FileRow->addWidget(new QLabel(QStringLiteral("File")));
    FileRow->addWidget(FExportFile, 1);
    FileRow->addWidget(FExportButton);
    LogLayout->addLayout(FileRow);
    LogLayout->addWidget(FStatus);

    auto* Top = new QHBoxLayout;
    Top->addWidget(Control);
    Top->addWidget(Process, 1);
    auto* Layout = new QVBoxLayout(this);
    Layout->addLayout(Top, 1);
    Layout->addWidget(LogBox);

    FTimer = new QTimer(this);
    FTimer->setInterval(SampleIntervalMs);
    connect(FTimer, &QTimer::timeout, this, &MonitorWindow::Sample);
    connect(FSetpoint, &vok::TNumIO2::valueChanged, this, &MonitorWindow::SetpointChanged);
    connect(FExportButton, &QPushButton::clicked, this, &MonitorWindow::ExportLog);
    connect(FExportFile, &QLineEdit::returnPressed, this, &MonitorWindow::ExportLog);
    connect(FPause, &QPushButton::toggled, this, [this](bool Paused) {
        FPause->setText(Paused ? QStringLiteral("Resume sampling") : QStringLiteral("Pause sampling"));
        Paused ? FTimer->stop() : FTimer->start();
    });

    FReading->setText(Celsius(FProcessValue));
    ShowLogCount();
    FTimer->start();
}

void MonitorWindow::SetpointChanged(double Value)
{
    FMeter->SetValueSec(Value);
}

void MonitorWindow::Sample()
{
    FProcessValue = NextReading(FProcessValue, FSetpoint->GetValue(), FTick++);
    FMeter->SetValue(FProcessValue);
    FReading->setText(Celsius(FProcessValue));

    if (FLog->GetNrOfRows() >= MaxLoggedReadings)
        FLog->RemoveRow(1);
    const int Row = FLog->GetNrOfRows() + 1;
    FLog->SetNrOfRows(Row);
    FLog->SetElem(ColTime, Row, QDateTime::currentDateTime().toString(Qt::ISODate));
    FLog->SetElem(ColSetpoint, Row, QString::number(FSetpoint->GetValue(), 'f', 1));
    FLog->SetElem(ColReading, Row, QString::number(FProcessValue, 'f', 2));
    ShowLogCount();
}

void MonitorWindow::ExportLog()
{
    const QString File = FExportFile->text().trimmed();
    if (File.isEmpty()) {
        FStatus->setText(QStringLiteral("Name a file to export to."));
        return;
    }
    const int Rows = FLog->ExportCSV(File, vok::csvComma, true, false, 1, 1, LogColumns, FLog->GetNrOfRows());
    FStatus->setText(Rows < 0 ? QStringLiteral("Could not write %1.").arg(QDir::toNativeSeparators(File))
                              : QStringLiteral("%1 readings written to %2.").arg(Rows).arg(QDir::toNativeSeparators(File)));
}

void MonitorWindow::ShowLogCount()
{
    FLogCount->setText(QStringLiteral("%1 readings logged (every %2 s, the last %3 kept)")
                           .arg(FLog->GetNrOfRows())
                           .arg(SampleIntervalMs / 1000.0)
                           .arg(MaxLoggedReadings));
}

} // namespace monitor
