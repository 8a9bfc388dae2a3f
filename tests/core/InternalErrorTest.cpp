#include <gtest/gtest.h>

#include "cmcInternalErrorBox.h"

TEST(InternalErrorDeathTest, EndsTheProcessWithStatus3) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(cmcInternalError("Self Check Error.\nEEPROM Map is too large."),
                ::testing::ExitedWithCode(3), "Self Check Error");
}

TEST(InternalError, CaptionIsTheProgramFileName) {
    EXPECT_EQ(ProgramFileName(), "core_tests");
    EXPECT_EQ(ProgramDirectory().back(), '/');
}
