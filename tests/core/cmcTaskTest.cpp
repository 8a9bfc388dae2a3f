#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ScopedOverride.h"
#include "cmcClock.h"
#include "cmcTask.h"
#include "cmcTick.h"
#include "cmcTimerHost.h"
#include "cmcVirtualTimerHost.h"

TEST(cmcTick, RemainingCountsDownAndStopsOnce) {
    cmcVirtualClock clock(1000);
    cmcTick tick(&clock);
    EXPECT_EQ(tick.Remaining(), 0u);
    tick.Start(100);
    clock.Advance(30);
    EXPECT_EQ(tick.Remaining(), 70u);
    clock.Advance(70);
    EXPECT_EQ(tick.Remaining(), 0u);
    EXPECT_FALSE(tick.IsRunning());
    clock.Set(1000);  // even back in the period, a stopped tick stays at 0
    EXPECT_EQ(tick.Remaining(), 0u);
}

TEST(cmcTick, RemainingIsRightAcrossTheTickCountWrap) {
    cmcVirtualClock clock(0xFFFFFFF0u);
    cmcTick tick(&clock);
    tick.Start(1000);
    clock.Advance(0x20);  // now 0x10 after the wrap: 32 ms elapsed
    EXPECT_EQ(tick.Remaining(), 968u);
    clock.Advance(968);
    EXPECT_EQ(tick.Remaining(), 0u);
}

TEST(cmcTick, UsesTheCurrentClockByDefault) {
    cmcVirtualClock clock(5);
    ScopedOverride clockOverride(SetCurrentClock, &clock);
    cmcTick tick;
    tick.Start(10);
    clock.Advance(4);
    EXPECT_EQ(tick.Remaining(), 6u);
}

TEST(cmcTask, StoppedUntilAnIntervalIsSetAndZeroMeansOneMs) {
    cmcVirtualTimerHost host;
    cmcTaskHandle task(&host);
    int ticks = 0;
    task->SetCallback([&](cmcTask&) { ++ticks; });
    EXPECT_TRUE(task->IsStopped());
    host.Advance(50);
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(task->SetInterval(0));
    host.Advance(10);
    EXPECT_EQ(ticks, 10);
    EXPECT_TRUE(task->SetInterval(-1));
    host.Advance(10);
    EXPECT_EQ(ticks, 10);
}

TEST(cmcTask, TasksFireInTimeOrder) {
    cmcVirtualTimerHost host;
    cmcTaskHandle fast(&host), slow(&host);
    std::string order;
    fast->SetCallback([&](cmcTask&) { order += 'f'; });
    slow->SetCallback([&](cmcTask&) { order += 's'; });
    slow->SetInterval(25);
    fast->SetInterval(10);
    host.Advance(50);
    EXPECT_EQ(order, "ffsffsf");  // 10 20 25 30 40 50(f) 50(s)... ordered by due time
}

TEST(cmcTask, NotReenteredFromANestedLoop) {
    cmcVirtualTimerHost host;
    cmcTaskHandle task(&host);
    cmcTaskHandle other(&host);
    int entries = 0, otherTicks = 0, maxDepth = 0, depth = 0;
    other->SetCallback([&](cmcTask&) { ++otherTicks; });
    other->SetInterval(5);
    task->SetCallback([&](cmcTask&) {
        ++entries;
        maxDepth = std::max(maxDepth, ++depth);
        if (entries == 1) {
            host.Advance(100);  // a modal box pumping the loop inside the callback
        }
        --depth;
    });
    task->SetInterval(10);
    host.Advance(10);
    EXPECT_EQ(entries, 1);  // every tick during the nested loop was dropped
    EXPECT_EQ(maxDepth, 1);
    EXPECT_EQ(otherTicks, 22);  // others keep running meanwhile
    host.Advance(10);
    EXPECT_EQ(entries, 2);
}

TEST(cmcTask, CallbackMayStopItselfOrDestroyItsOwner) {
    // An owner holding its task, destroyed from inside that task's callback
    // (a completion that closes the window owning the exchange).
    struct Owner {
        explicit Owner(cmcTimerHost* host) : task(host) {}
        cmcTaskHandle task;
        int ticks = 0;
    };
    cmcVirtualTimerHost host;
    auto owner = std::make_unique<Owner>(&host);
    Owner* seen = owner.get();
    int ticks = 0;
    owner->task->SetCallback([&](cmcTask&) {
        ticks = ++seen->ticks;
        owner.reset();  // the task outlives its owner until this callback returns
    });
    owner->task->SetInterval(1);
    host.Advance(20);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(owner, nullptr);
    EXPECT_FALSE(host.HasTasks());

    cmcTaskHandle stopper(&host);
    int n = 0;
    stopper->SetCallback([&](cmcTask& t) {
        if (++n == 3) {
            t.Stop();
        }
    });
    stopper->SetInterval(2);
    host.Advance(100);
    EXPECT_EQ(n, 3);
    EXPECT_TRUE(stopper->IsStopped());
    cmcTaskHandle moved = std::move(stopper);  // one owner at a time
    EXPECT_FALSE(stopper);
    EXPECT_TRUE(moved->IsStopped());
}

TEST(cmcTask, VirtualHostHandlesTheClockWrap) {
    cmcVirtualTimerHost host(0xFFFFFFF0u);
    cmcTaskHandle task(&host);
    int ticks = 0;
    task->SetCallback([&](cmcTask&) { ++ticks; });
    task->SetInterval(10);
    host.Advance(100);
    EXPECT_EQ(ticks, 10);
}
