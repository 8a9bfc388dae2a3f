// The command-line tool's message boxes: questions are refused unless --yes.

#include <gtest/gtest.h>

#include "cliMessageHost.h"

namespace {

TEST(CliMessageHostTest, QuestionsAreRefusedWithoutYes) {
    cliMessageHost host(false);
    EXPECT_EQ(host.Show("c", "t", cmcMbButtons::Ok, cmcMbIcon::Warning), cmcMbResult::Ok);
    EXPECT_EQ(host.Show("c", "t", cmcMbButtons::OkCancel, cmcMbIcon::Warning), cmcMbResult::Cancel);
    EXPECT_EQ(host.Show("c", "t", cmcMbButtons::YesNo, cmcMbIcon::Warning), cmcMbResult::No);
    EXPECT_EQ(host.Show("c", "t", cmcMbButtons::YesNoCancel, cmcMbIcon::Warning),
              cmcMbResult::Cancel);
}

TEST(CliMessageHostTest, YesAcceptsEveryQuestion) {
    cliMessageHost host(true);
    EXPECT_EQ(host.Show("c", "t", cmcMbButtons::OkCancel, cmcMbIcon::Warning), cmcMbResult::Ok);
    EXPECT_EQ(host.Show("c", "t", cmcMbButtons::YesNo, cmcMbIcon::Warning), cmcMbResult::Yes);
    EXPECT_EQ(host.Show("c", "t", cmcMbButtons::YesNoCancel, cmcMbIcon::Warning), cmcMbResult::Yes);
}

}  // namespace
