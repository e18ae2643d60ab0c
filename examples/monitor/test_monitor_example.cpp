// The monitor example run headless: its components get room to show
// themselves, the setpoint reaches the meter and the log through Qt signals,
// and the export writes every logged reading.
#include "MonitorWindow.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using monitor::MonitorWindow;

namespace {

QStringList ReadLines(const QString& Path)
{
    QFile F(Path);
    if (!F.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(F.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

TEST(MonitorExample, ComponentsGetAtLeastTheirMinimumSizeAtTheNaturalSize)
{
    MonitorWindow W;
    W.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&W));
    W.adjustSize();
    for (QWidget* C : {static_cast<QWidget*>(W.Setpoint()), static_cast<QWidget*>(W.Meter())}) {
        SCOPED_TRACE(C->objectName().toStdString());
        const QSize Min = C->minimumSizeHint();
        ASSERT_TRUE(Min.isValid() && !Min.isEmpty()) << "no minimum size hint";
        EXPECT_GE(C->width(), Min.width());
        EXPECT_GE(C->height(), Min.height());
    }
}

TEST(MonitorExample, SetpointReachesMeterAndLog)
{
    MonitorWindow W;
    W.show();
    vok::TNumIO2* Field = W.Setpoint();

    // Set by code: the setpoint needle follows at once.
    Field->SetValue(30.0);
    EXPECT_DOUBLE_EQ(W.Meter()->GetValueSec(), 30.0);

    // Typed by the user: the whole part over the selected "30", then the
    // decimal overwritten behind the point (a fixed-point field keeps its
    // point while typing).
    Field->setFocus();
    Field->SetSelBegin(0);
    Field->SetSelEnd(2);
    QTest::keyClicks(Field, QStringLiteral("62"));
    QTest::keyClick(Field, Qt::Key_Right);
    QTest::keyClicks(Field, QStringLiteral("5"));
    ASSERT_DOUBLE_EQ(Field->GetValue(), 62.5);
    EXPECT_DOUBLE_EQ(W.Meter()->GetValueSec(), 62.5);

    // The samples log the setpoint and move the reading towards it.
    const double Before = W.Meter()->GetValue();
    for (int I = 0; I < 30; ++I)
        W.Sample();
    ASSERT_EQ(W.Log()->GetNrOfRows(), 30);
    EXPECT_EQ(W.Log()->GetElem(2, 30), QStringLiteral("62.5"));
    EXPECT_LT(std::abs(W.Meter()->GetValue() - 62.5), std::abs(Before - 62.5));
    EXPECT_DOUBLE_EQ(W.Log()->GetElem(3, 30).toDouble(), std::round(W.Meter()->GetValue() * 100) / 100);
}

TEST(MonitorExample, ExportWritesEveryLoggedReading)
{
    QTemporaryDir Dir;
    ASSERT_TRUE(Dir.isValid());
    MonitorWindow W;
    W.show();
    for (int I = 0; I < 12; ++I)
        W.Sample();

    const QString Path = Dir.filePath(QStringLiteral("log.csv"));
    W.ExportFile()->setText(Path);
    QTest::mouseClick(W.ExportButton(), Qt::LeftButton);
    const QStringList Lines = ReadLines(Path);
    ASSERT_EQ(Lines.size(), 13);
    EXPECT_EQ(Lines.first().trimmed(), QStringLiteral("Time,Setpoint,Reading"));
    EXPECT_EQ(Lines.last().section(QLatin1Char(','), 2).trimmed(), W.Log()->GetElem(3, 12));
    EXPECT_TRUE(W.Status()->text().startsWith(QStringLiteral("12 readings written")));

    // A file that cannot be written is reported, not claimed as written.
    W.ExportFile()->setText(Dir.filePath(QStringLiteral("missing/log.csv")));
    QTest::mouseClick(W.ExportButton(), Qt::LeftButton);
    EXPECT_TRUE(W.Status()->text().startsWith(QStringLiteral("Could not write")));
}

TEST(MonitorExample, LogKeepsTheLatestReadingsOnly)
{
    MonitorWindow W;
    for (int I = 0; I < MonitorWindow::MaxLoggedReadings + 5; ++I)
        W.Sample();
    EXPECT_EQ(W.Log()->GetNrOfRows(), MonitorWindow::MaxLoggedReadings);
    EXPECT_EQ(W.Log()->GetElem(3, MonitorWindow::MaxLoggedReadings),
              QString::number(W.Meter()->GetValue(), 'f', 2));
}
