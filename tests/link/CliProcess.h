#pragma once
// Runs the built orvane-cli from the test program's folder for end-to-end
// tests: standard input from /dev/null, every run bounded by timeout(1).

#include <string>

// arguments are shell words; standard output and standard error go to the
// files named. The exit status, or -1 when the program did not exit.
int RunCliBounded(const std::string& arguments, const std::string& stdoutFile = "/dev/null",
                  const std::string& stderrFile = "/dev/null");
