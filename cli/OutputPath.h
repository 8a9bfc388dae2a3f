#pragma once
// The output file of a command is checked before anything runs: one that
// names an input of the same command would destroy that input.

#include <initializer_list>
#include <string>

namespace OutputPath {

// False, with the message written to standard error, when out names the same
// file as one of inputs.
bool OutputSparesInputs(const char* command, const std::string& out,
                        std::initializer_list<std::string> inputs);

}  // namespace OutputPath
