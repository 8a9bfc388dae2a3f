#pragma once
// Splitting a command's arguments by the command's table row.

#include <string>

#include "cliCommand.h"

// Parses argv[first..argc-1] for command; false with error set when they do not fit.
bool ParseCliArgs(const cliCommand& command, int argc, char** argv, int first, cliArgs& args,
                  std::string& error);
