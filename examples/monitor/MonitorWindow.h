// The monitor: a setpoint field, a meter following a simulated process value
// and a log of the readings that can be exported to CSV, inside ordinary Qt
// widgets and layouts, all wired with Qt signals.
#pragma once

#include <vok/VokComponents.h>

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace monitor {

// The simulated process: a first-order lag towards the setpoint with a small
// ripple, so that the needle moves like a real temperature would.
double NextReading(double Current, double Setpoint, int Tick);

class MonitorWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MonitorWindow(QWidget* Parent = nullptr);

    vok::TNumIO2* Setpoint() const { return FSetpoint; }
    vok::TMeter* Meter() const { return FMeter; }
    vok::TRLData* Log() const { return FLog; }
    QLineEdit* ExportFile() const { return FExportFile; }
    QPushButton* ExportButton() const { return FExportButton; }
    QLabel* Status() const { return FStatus; }

    // The readings the log keeps; older ones are dropped first.
    static constexpr int MaxLoggedReadings = 3600;

public slots:
    // One sampling step: the process value moves, the meter shows it and the
    // log records it.
    void Sample();
    // Writes the log to the file named in the export field.
    void ExportLog();

private:
    void SetpointChanged(double Value);
    void ShowLogCount();

    vok::TNumIO2* FSetpoint;
    vok::TMeter* FMeter;
    vok::TRLData* FLog;
    QLineEdit* FLoopName;
    QLabel* FReading;
    QLabel* FLogCount;
    QLineEdit* FExportFile;
    QPushButton* FExportButton;
    QPushButton* FPause;
    QLabel* FStatus;
    QTimer* FTimer;
    double FProcessValue = 20.0;
    int FTick = 0;
};

} // namespace monitor
