#include <gtest/gtest.h>

#include "cmcRecent.h"

TEST(cmcRecent, AddToFrontMovesAnExistingEntryAndKeepsTen) {
    cmcRecent r;
    for (int i = 0; i < 10; ++i) {
        r.AddToFront("/data/radio" + std::to_string(i));
    }
    r.AddToFront("/data/radio3");
    EXPECT_EQ(r.Count(), 10);
    EXPECT_EQ(r.Entry(0), "/data/radio3");
    EXPECT_EQ(r.Entry(1), "/data/radio9");
    r.AddToFront("/data/radio10");  // an eleventh distinct file pushes the oldest out
    EXPECT_EQ(r.Count(), 10);
    EXPECT_EQ(r.Entry(9), "/data/radio1");
    EXPECT_EQ(r.Entry(10), "");
}

TEST(cmcRecent, PathsAreComparedExactlyOnACaseSensitiveFileSystem) {
    cmcRecent r;
    r.AddToFront("/data/Radio1");
    r.AddToFront("/data/RADIO1");
    EXPECT_EQ(r.Count(), 2);  // two different files here
    r.Append("/data/Radio1");
    EXPECT_EQ(r.Count(), 2);
    EXPECT_EQ(r.Entry(1), "/data/Radio1");
}

TEST(cmcRecent, DisplayNameShortensEntriesOfTheGivenDirectory) {
    cmcRecent r;
    r.Append("/home/u/radios/a.clf");
    r.Append("/tmp/b.clf");
    EXPECT_EQ(r.DisplayName(0, "/home/u/radios/"), "a.clf");
    EXPECT_EQ(r.DisplayName(0, "/home/u/radios"), "a.clf");
    EXPECT_EQ(r.DisplayName(1, "/home/u/radios"), "/tmp/b.clf");
    EXPECT_EQ(r.DisplayName(2, "/tmp"), "");
}
