#include <QPointer>
#include <QTest>
#include <memory>
#include <vector>

#include "RadioChecks.h"
#include "SimOnDouble.h"
#include "UiTestSupport.h"
#include "VirtualTime.h"
#include "cmcGTex.h"
#include "uiCloneProgress.h"

namespace {

// The cells the bar shows: a cell counts when its middle is in the highlight
// colour; every cell's last column (the gap) must be in the window colour.
int PaintedCells(uiProgressBar& bar) {
    const QImage image = bar.grab().toImage();
    const QRgb highlight = bar.palette().color(QPalette::Highlight).rgb();
    const QRgb window = bar.palette().color(QPalette::Base).rgb();
    const int w = uiProgressBar::DrawWidth / indCloneProgress::Cells;
    int painted = 0;
    for (int i = 0; i < indCloneProgress::Cells; ++i) {
        const QRgb middle = image.pixel(w * i + w / 2, uiProgressBar::DrawHeight / 2);
        if (image.pixel(w * (i + 1) - 1, 0) != window ||
            (middle != highlight && middle != window)) {
            return -1;
        }
        painted += middle == highlight ? 1 : 0;
    }
    return painted;
}

// The window program's host, watching the bar at every update.
class WatchingHost : public uiCloneProgressHost {
  public:
    using uiCloneProgressHost::uiCloneProgressHost;
    void UpdateProgress(const indCloneProgress& progress) override {
        uiCloneProgressHost::UpdateProgress(progress);
        if (Window() != nullptr) {
            cells.push_back(PaintedCells(*Window()->Bar()));
        }
    }
    std::vector<int> cells;
};

}  // namespace

class uiCloneProgressTest : public QObject {
    Q_OBJECT
  private slots:
    void CellsFollowTheBytesDone_data();
    void CellsFollowTheBytesDone();
    void WindowGeometry();
    void CellsGrowAsAReadArrives();
};

void uiCloneProgressTest::CellsFollowTheBytesDone_data() {
    QTest::addColumn<int>("done");
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("cells");
    QTest::newRow("nothing yet") << 0 << 0x3A00 << 0;
    QTest::newRow("no total") << 500 << 0 << 0;
    QTest::newRow("just under one cell") << 0x3A00 / 33 - 1 << 0x3A00 << 0;
    QTest::newRow("one cell") << 0x3A00 / 33 + 1 << 0x3A00 << 1;
    QTest::newRow("half") << 0x3A00 / 2 << 0x3A00 << 16;
    QTest::newRow("all but the end") << 0x3A00 - 1 << 0x3A00 << 32;
    QTest::newRow("all") << 0x3A00 << 0x3A00 << 32;
}

void uiCloneProgressTest::CellsFollowTheBytesDone() {
    QFETCH(int, done);
    QFETCH(int, total);
    QFETCH(int, cells);
    uiCloneProgress window(nullptr, GTex());
    window.SetProgress({done, total});
    QCOMPARE(PaintedCells(*window.Bar()), cells);
}

void uiCloneProgressTest::WindowGeometry() {
    uiCloneProgress window(nullptr, GTex());
    QCOMPARE(window.size(), QSize(256 + 32, 16 + 32));
    QCOMPARE(window.Bar()->mapTo(&window, QPoint(0, 0)), QPoint(16, 8));
    QCOMPARE(window.windowTitle().toStdString(), GTex().GetText("GI_CloneProgress_Caption", 0));
    QVERIFY(window.windowFlags().testFlag(Qt::Tool));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowSystemMenuHint));
}

// A clone read from the simulated radio on virtual time: the window appears
// over a disabled main window, its cells never shrink and reach all 32, and it
// is gone with the main window enabled again at the end.
void uiCloneProgressTest::CellsGrowAsAReadArrives() {
    ScopedBoxes scripted;
    VirtualTime time;
    auto device = std::make_unique<cmcSerialDouble>();
    SimOnDouble sim(*device, SimOnDouble::DefaultConfig());
    indCloneMan manager(std::move(device));
    manager.SetLinkSettings([] { return indLinkSettings{1, false, "/dev/ttyTEST%d"}; });
    manager.SetReadHandler([](dst_CDrv_Result& r) { RadioChecks::CheckReadImage(r); });
    manager.SetIdentity(0x2336, 0);
    manager.SetImageSize(0x4000);
    QWidget main;
    main.show();
    WatchingHost host(&main, GTex());
    manager.SetHost(&host);

    int code = -1;
    QVERIFY(
        manager.StartRead({{0, 0x39FF}}, [&](dst_CDrv_Result& r) { code = CodeNumber(r.code); }));
    QVERIFY(!main.isEnabled());
    QPointer<uiCloneProgress> window = host.Window();
    QVERIFY(window != nullptr && window->isVisible() && window->isEnabled());
    QVERIFY(time.host.AdvanceUntil([&] { return !manager.IsBusy(); }, 200000));

    QCOMPARE(code, 0);
    QVERIFY(window.isNull());
    QVERIFY(main.isEnabled());
    QVERIFY(host.cells.size() > 8);
    QVERIFY(host.cells.front() < 4);
    QCOMPARE(host.cells.back(), 32);
    for (size_t i = 1; i < host.cells.size(); ++i) {
        QVERIFY(host.cells[i] >= host.cells[i - 1]);
    }
    QVERIFY(
        std::any_of(host.cells.begin(), host.cells.end(), [](int c) { return c > 8 && c < 24; }));
}

QTEST_MAIN(uiCloneProgressTest)
#include "uiCloneProgressTest.moc"
