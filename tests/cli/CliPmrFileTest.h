#pragma once
// A test with a scratch folder holding a new Pmr clone file, and orvane-cli run
// with its standard error kept there.

#include <gtest/gtest.h>

#include <string>

#include "ClfTestSupport.h"
#include "CliRunner.h"

class CliPmrFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        file = dir.File("new.clf");
        ASSERT_EQ(Cli("new --model pmr -o " + file).status, 0);
    }
    CliRun Cli(const std::string& arguments) const {
        return RunCli(arguments, dir.File("stderr.txt"));
    }
    ScratchDir dir;
    std::string file;
};
