#pragma once
// Runs the built orvane-cli from the test program's folder for end-to-end
// tests: standard input from /dev/null, every run bounded by timeout(1).

#include <string>
#include <vector>

// arguments are shell words; standard output and standard error go to the
// files named. The exit status, or -1 when the program did not exit.
int RunCliBounded(const std::string& arguments, const std::string& stdoutFile = "/dev/null",
                  const std::string& stderrFile = "/dev/null");

// Starts orvane-cli with arguments (each one word, not shell words), standard
// error to stderrFile, without waiting. The process id, -1 when it could not start.
int StartCli(const std::vector<std::string>& arguments, const std::string& stderrFile);
// Waits up to waitMs for a started orvane-cli: its wait status, or -1 after
// killing it when it did not end.
int WaitCli(int pid, int waitMs);
