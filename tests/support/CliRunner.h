#pragma once
// Runs the built orvane-cli from the test program's folder and collects its
// standard output, standard error and exit status.

#include <string>

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// arguments are passed through the shell; errFile receives standard error.
CliRun RunCli(const std::string& arguments, const std::string& errFile);
