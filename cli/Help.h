#pragma once
// The help of orvane-cli and its manual pages come from one source: the
// command table, the exit statuses and the examples below.

#include <span>
#include <string>
#include <string_view>

#include "cliCommand.h"

// Exit statuses first..last (one status when equal) and what they mean.
struct cliExitRow {
    int first;
    int last;
    const char* meaning;
};

// A command line and what it does.
struct cliExample {
    const char* line;
    const char* what;
};

namespace Help {

std::span<const cliExitRow> CliExitStatuses();
std::span<const cliExample> CliExamples();

// "usage: ..." with every command, the exit statuses and the examples.
std::string CliUsageText();
// The usage of one command.
std::string CliCommandUsage(const cliCommand& command);
// What follows the command's name on its usage line: the synopsis, with "[--yes]" when taken.
std::string CliSynopsis(const cliCommand& command);
// The status range as the help writes it: "0", "11-19".
std::string ExitRange(const cliExitRow& row);

// The manual page of a program ("orvane-cli" or "orvane") in roff; empty for another name.
std::string ManPage(std::string_view program);

}  // namespace Help
