#include <gtest/gtest.h>

#include "indEnviron.h"

namespace {

class FakeLock : public cmcInstanceLock {
  public:
    explicit FakeLock(bool free) : free_(free) {}
    bool TryLock() override { return free_; }
    void Unlock() override { unlocked = true; }
    bool unlocked = false;

  private:
    bool free_;
};

// Stores a complete, valid set of settings.
void StoreValid(cmcMemorySettings& s) {
    s.ints[{"Global", "BBT"}] = indEnviron::ValidMark;
    s.ints[{"Global", "ComPort"}] = 3;
    s.ints[{"Global", "ComSpeedHigh"}] = 1;
    for (int i = 0; i < 10; ++i) {
        s.strings[{"Recent File List", "Recent" + std::to_string(i)}] = "";
    }
    s.ints[{"View Option", "FontSize Percentage"}] = 120;
    s.ints[{"View Option", "Toolbar Visible"}] = 0;
    for (const char* n : {"Left", "Top", "Width", "Height", "SplitterV"}) {
        s.ints[{"Window Position", n}] = 300;
    }
    s.ints[{"Setup", "ModelType"}] = 2;
}

}  // namespace

TEST(indEnviron, FirstRunGivesDefaultsSizedToTheScreen) {
    cmcMemorySettings store;
    FakeLock lock(true);
    indEnviron env(&store, &lock, {1000, 700});
    EXPECT_TRUE(env.IsFirstInstance());
    EXPECT_EQ(env.ComPort(), 1);
    EXPECT_EQ(env.Width(), 800);
    EXPECT_EQ(env.Height(), 600);
    EXPECT_EQ(env.Left(), 100);
    EXPECT_EQ(env.Top(), 30);  // 30 % of the free height
    EXPECT_EQ(env.ComDevice(), "/dev/ttyUSB%d");

    indEnviron small(&store, &lock, {640, 480});
    EXPECT_EQ(small.Width(), 576);
    EXPECT_EQ(small.Height(), 432);
}

TEST(indEnviron, StoredValuesAreLimited) {
    cmcMemorySettings store;
    StoreValid(store);
    store.ints[{"Global", "ComPort"}] = 0;
    store.ints[{"View Option", "FontSize Percentage"}] = 10;
    store.ints[{"Global", "ComSpeedHigh"}] = 7;
    FakeLock lock(true);
    {
        indEnviron env(&store, &lock);
        EXPECT_EQ(env.ComPort(), 1);
        EXPECT_EQ(env.FontSizePercentage(), 25);
        EXPECT_TRUE(env.ComSpeedHigh());
        EXPECT_FALSE(env.ToolbarVisible());
        EXPECT_EQ(env.ModelType(), 2);
    }
    store.ints[{"Global", "ComPort"}] = 300;
    indEnviron env(&store, &lock);
    EXPECT_EQ(env.ComPort(), 256);
}

TEST(indEnviron, AMissingValueEndsTheReadingThere) {
    cmcMemorySettings store;
    StoreValid(store);
    store.ints.erase({"View Option", "Toolbar Visible"});
    FakeLock lock(true);
    indEnviron env(&store, &lock);
    EXPECT_EQ(env.FontSizePercentage(), 120);  // read before the gap
    EXPECT_EQ(env.ModelType(), 0);             // after it: the default
    EXPECT_EQ(env.SplitterV(), 200);
}

TEST(indEnviron, SettingsRoundTripThroughSaveAtExit) {
    cmcMemorySettings store;
    FakeLock lock(true);
    {
        indEnviron env(&store, &lock);
        env.SetComPort(4);
        env.SetModelType(1);
        env.Recent().AddToFront("/x/a.clf");
        env.Recent().AddToFront("/x/b.clf");
    }
    EXPECT_TRUE(lock.unlocked);
    EXPECT_EQ((store.strings[{"Recent File List", "Recent9"}]), "");
    indEnviron env(&store, &lock);
    EXPECT_EQ(env.ComPort(), 4);
    EXPECT_EQ(env.ModelType(), 1);
    ASSERT_EQ(env.Recent().Count(), 2);
    EXPECT_EQ(env.Recent().Entry(0), "/x/b.clf");
}

TEST(indEnviron, ASecondInstanceNeitherReadsNorWrites) {
    cmcMemorySettings store;
    StoreValid(store);
    FakeLock lock(false);
    {
        indEnviron env(&store, &lock);
        EXPECT_FALSE(env.IsFirstInstance());
        env.SetComPort(9);
    }
    EXPECT_EQ(store.reads, 0);
    EXPECT_EQ(store.writes, 0);
    EXPECT_FALSE(lock.unlocked);
}

TEST(indEnviron, AnInvalidMarkGivesDefaults) {
    cmcMemorySettings store;
    StoreValid(store);
    store.ints[{"Global", "BBT"}] = 1;
    FakeLock lock(true);
    indEnviron env(&store, &lock);
    EXPECT_EQ(env.ComPort(), 1);
    EXPECT_EQ(env.ModelType(), 0);
}
