// The fleet-write dialog: input that does not fit gives one message and starts
// nothing; a run shows a row per port, keeps the dialog open while it goes on
// and ends with every radio logged.

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "ChLayout.h"
#include "ClfTestSupport.h"
#include "Csv.h"
#include "SimProcess.h"
#include "UiTestSupport.h"
#include "cmcTimerHost.h"
#include "indDocument.h"
#include "uiFleetDialog.h"

namespace {

std::string FileToWrite(const ScratchDir& scratch) {
    const std::string path = scratch.File("fleet.clf");
    indDocument doc;
    doc.Start();
    const uint8_t frequency[] = {0x03, 0x8D, 0x60, 0x03, 0x8D, 0x60};
    doc.WorkingImage().WriteBlock(ChLayout::ChannelAddress(0), frequency, 6);
    doc.SaveToFile(path);
    return path;
}

QString Cell(QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item == nullptr ? QString() : item->text();
}

}  // namespace

class uiFleetDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void InputThatDoesNotFitGivesOneMessageAndStartsNothing();
    void ARunShowsEachPortAndLogsEveryRadio();
};

void uiFleetDialogTest::InputThatDoesNotFitGivesOneMessageAndStartsNothing() {
    ScratchDir scratch;
    const std::string file = FileToWrite(scratch);
    const std::string log = scratch.File("log.csv");
    struct Case {
        std::string file, ports, log, radios;
    };
    const Case cases[] = {
        {"", "/dev/null", log, ""},
        {file, "/dev/null", "", ""},
        {file, " , ", log, ""},
        {file, "/dev/null,/dev/null", log, ""},
        {file, "/dev/null", log, scratch.File("missing.csv")},
        {scratch.File("missing.clf"), "/dev/null", log, ""},
        {file, "/dev/null", scratch.File("no/such/folder/log.csv"), ""},
    };
    for (const Case& c : cases) {
        ScopedBoxes boxes;
        uiFleetDialog dialog(indFleetSetup{}, nullptr);
        dialog.FileEdit()->setText(QString::fromStdString(c.file));
        dialog.PortsEdit()->setText(QString::fromStdString(c.ports));
        dialog.LogEdit()->setText(QString::fromStdString(c.log));
        dialog.RadiosEdit()->setText(QString::fromStdString(c.radios));
        QTest::mouseClick(dialog.StartButton(), Qt::LeftButton);
        QCOMPARE(boxes.boxes.Boxes().size(), size_t{1});
        QVERIFY(!dialog.IsRunning());
        QCOMPARE(dialog.Table()->rowCount(), 0);
        QVERIFY(!std::filesystem::exists(log));
    }
    // The one question refused: nothing starts, and no log is made.
    ScopedBoxes boxes;
    boxes.boxes.Answer(cmcMbResult::Cancel);
    uiFleetDialog dialog(indFleetSetup{file, {"/dev/null"}, "", log, {}, 0}, nullptr);
    QTest::mouseClick(dialog.StartButton(), Qt::LeftButton);
    QCOMPARE(boxes.boxes.Boxes().size(), size_t{1});
    QVERIFY(!dialog.IsRunning() && dialog.StartButton()->isEnabled());
    QVERIFY(!std::filesystem::exists(log));
}

void uiFleetDialogTest::ARunShowsEachPortAndLogsEveryRadio() {
    ScratchDir scratch;
    SimProcess sim({"--save", scratch.File("radio.clf")});
    QVERIFY(sim.Started());
    const std::string log = scratch.File("log.csv");
    indFleetSetup proposal;
    proposal.file = FileToWrite(scratch);
    proposal.ports = {sim.Device(), scratch.File("no-such-device")};
    proposal.logFile = log;
    proposal.options.highSpeed = true;
    proposal.count = 2;
    ScopedBoxes boxes;
    boxes.boxes.Answer(cmcMbResult::Ok);  // the one confirmation
    uiFleetDialog dialog(proposal, nullptr);
    dialog.show();

    QTest::mouseClick(dialog.StartButton(), Qt::LeftButton);
    QCOMPARE(boxes.boxes.Boxes().size(), size_t{1});
    QVERIFY(dialog.IsRunning());
    QCOMPARE(dialog.Table()->rowCount(), 2);
    QVERIFY(!dialog.CloseButton()->isEnabled() && !dialog.FileEdit()->isEnabled());
    dialog.reject();
    QVERIFY(dialog.isVisible());  // not while radios are being written

    QVERIFY(DefaultLoopTimerHost().RunUntil([&] { return !dialog.IsRunning(); }, 50000));
    QCOMPARE(Cell(dialog.Table(), 0, 2), QString("1"));
    QCOMPARE(Cell(dialog.Table(), 0, 3), QString("0"));
    QCOMPARE(Cell(dialog.Table(), 1, 3), QString("1"));
    QCOMPARE(Cell(dialog.Table(), 1, 1), QString("finished"));
    QVERIFY(dialog.Messages()->toPlainText().contains("finished: 2 radio(s), 1 failed"));
    QVERIFY(dialog.CloseButton()->isEnabled() && dialog.StartButton()->isEnabled());
    const std::vector<cmcCsvRecord> records = Csv::ParseCsv(ReadWholeFile(log));
    QCOMPARE(records.size(), size_t{3});
    QVERIFY(sim.WaitForLine("write at 38400 baud", 2000));
    QCOMPARE(boxes.boxes.Boxes().size(), size_t{1});  // the failed port spoke in the list only
}

QTEST_MAIN(uiFleetDialogTest)
#include "uiFleetDialogTest.moc"
