// The Qt seams: settings in QSettings read with their limits and written back
// with the marker, and cmcTask timers on the Qt event loop.

#include <gtest/gtest.h>

#include <QSettings>
#include <QTest>

#include "cmcTask.h"
#include "cuiQtSettings.h"
#include "cuiQtTimerHost.h"
#include "indEnviron.h"

namespace {

class HeldLock : public cmcInstanceLock {
  public:
    bool TryLock() override { return true; }
    void Unlock() override {}
};

QSettings Stored() {
    return QSettings(QStringLiteral("Vexa"), QStringLiteral("Orvane_r3"));
}

void ClearStored() {
    QSettings s = Stored();
    s.clear();
    s.sync();
}

TEST(QtSettings, StoredValuesAreReadWithTheirLimits) {
    struct Case {
        const char* key;
        int stored;
        int (*read)(const indEnviron&);
        int expected;
    };
    const Case cases[] = {
        {"Global/ComPort", 0, [](const indEnviron& e) { return e.ComPort(); }, 1},
        {"Global/ComPort", 300, [](const indEnviron& e) { return e.ComPort(); }, 256},
        {"Global/ComPort", 7, [](const indEnviron& e) { return e.ComPort(); }, 7},
        {"Global/ComSpeedHigh", 5, [](const indEnviron& e) { return int(e.ComSpeedHigh()); }, 1},
        {"View Option/FontSize Percentage", 10,
         [](const indEnviron& e) { return e.FontSizePercentage(); }, 25},
        {"View Option/FontSize Percentage", 5000,
         [](const indEnviron& e) { return e.FontSizePercentage(); }, 1000},
        {"View Option/Toolbar Visible", 9,
         [](const indEnviron& e) { return int(e.ToolbarVisible()); }, 1},
        {"Window Position/Left", -40, [](const indEnviron& e) { return e.Left(); }, -40},
        {"Window Position/SplitterV", 3, [](const indEnviron& e) { return e.SplitterV(); }, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        ClearStored();
        {  // a full set of stored values (a first run's exit), then the one under test
            cuiQtSettings backend;
            HeldLock lock;
            indEnviron first(&backend, &lock, {1280, 800});
        }
        Stored().setValue(QString::fromLatin1(c.key), c.stored);
        cuiQtSettings backend;
        HeldLock lock;
        indEnviron store(&backend, &lock, {1280, 800});
        EXPECT_EQ(c.read(store), c.expected);
    }
}

TEST(QtSettings, WithoutTheMarkerTheDefaultsApplyAndExitWritesEveryValue) {
    ClearStored();
    {
        QSettings s = Stored();
        s.setValue(QStringLiteral("Global/ComPort"), 9);  // no marker: ignored
        s.setValue(QStringLiteral("Recent File List/Recent0"), QStringLiteral("/x/old.clf"));
    }
    {
        cuiQtSettings backend;
        HeldLock lock;
        indEnviron store(&backend, &lock, {1280, 800});
        EXPECT_EQ(store.ComPort(), 1);
        EXPECT_EQ(store.Recent().Count(), 0);
        EXPECT_EQ(store.Width(), 800);
        EXPECT_EQ(store.Height(), 600);
        EXPECT_EQ(store.Left(), (1280 - 800) / 2);
        EXPECT_EQ(store.Top(), (800 - 600) * 3 / 10);
        store.Recent().AddToFront("/data/radio.clf");
        store.SetComPort(3);
    }
    QSettings s = Stored();
    EXPECT_EQ(s.value(QStringLiteral("Global/BBT")).toInt(), 753951);
    EXPECT_EQ(s.value(QStringLiteral("Global/ComPort")).toInt(), 3);
    EXPECT_EQ(s.value(QStringLiteral("Recent File List/Recent0")).toString(),
              QStringLiteral("/data/radio.clf"));
    EXPECT_EQ(s.value(QStringLiteral("Recent File List/Recent9")).toString(), QString());
    for (const char* key :
         {"Global/ComSpeedHigh", "View Option/FontSize Percentage", "View Option/Toolbar Visible",
          "Window Position/Left", "Window Position/Top", "Window Position/Width",
          "Window Position/Height", "Window Position/SplitterV", "Setup/ModelType"}) {
        EXPECT_TRUE(s.contains(QString::fromLatin1(key))) << key;
    }
}

TEST(QtTimerHost, TasksTickOnTheEventLoopAndStopWhenCancelledFromTheirTick) {
    cuiQtTimerHost host;
    int ticks = 0;
    cmcTaskHandle task(&host);
    task->SetCallback([&](cmcTask& t) {
        if (++ticks == 3) {
            t.SetInterval(-1);
        }
    });
    task->SetInterval(5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 2000));
    QTest::qWait(50);
    EXPECT_EQ(ticks, 3);
    EXPECT_TRUE(task->IsStopped());
}

}  // namespace
