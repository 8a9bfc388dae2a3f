// orvane-cli: clone files from the command line, speaking the overlay's texts.

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#include "ArgParse.h"
#include "Help.h"
#include "SafeFile.h"
#include "cliCommand.h"
#include "cliMessageHost.h"
#include "cmcInternalErrorBox.h"

namespace {

void PrintUsage(std::FILE* out) {
    std::fputs(Help::CliUsageText().c_str(), out);
}

void PrintCommandUsage(std::FILE* out, const cliCommand& c) {
    std::fputs(Help::CliCommandUsage(c).c_str(), out);
}

// --man PROGRAM OUT (for the build): the manual page of orvane-cli or orvane written to OUT.
int WriteManPage(int argc, char** argv) {
    const std::string page = argc == 4 ? Help::ManPage(argv[2]) : "";
    if (page.empty()) {
        std::fprintf(stderr, "orvane-cli --man: takes orvane-cli or orvane and an output file\n");
        return ExitUsage;
    }
    int error = 0;
    if (SafeFile::WriteFileReplacing(argv[3], page, &error) != cmcSafeFileResult::Ok) {
        std::fprintf(stderr, "orvane-cli --man: cannot write '%s': %s\n", argv[3],
                     std::strerror(error));
        return ExitStatus::FileFailed;
    }
    return ExitStatus::Ok;
}

bool IsHelp(const char* word) {
    return std::strcmp(word, "--help") == 0 || std::strcmp(word, "-h") == 0;
}

// Standard output flushed; false with a message when a write to it failed (a
// full disk, a closed pipe), so that no lost output ends with success.
bool FlushOutput(const char* command) {
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) {
        return true;
    }
    std::fprintf(stderr, "orvane-cli %s: cannot write to standard output: %s\n", command,
                 std::strerror(errno));
    return false;
}

const cliCommand* FindCommand(const char* name) {
    for (const cliCommand& c : CliCommands()) {
        if (std::strcmp(c.name, name) == 0) {
            return &c;
        }
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    SetProgramPath(argv[0]);
    // Beyond a file-size limit (ulimit -f) a write to standard output then
    // fails and is reported like any other, instead of the signal ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    if (argc < 2 || IsHelp(argv[1])) {
        PrintUsage(stdout);
        const bool flushed = FlushOutput("--help");
        return argc < 2 ? ExitUsage : flushed ? ExitStatus::Ok : ExitStatus::FileFailed;
    }
    if (std::strcmp(argv[1], "--man") == 0) {
        return WriteManPage(argc, argv);
    }
    const cliCommand* command = FindCommand(argv[1]);
    if (command == nullptr) {
        std::fprintf(stderr, "orvane-cli: unknown command '%s'\n", argv[1]);
        PrintUsage(stderr);
        return ExitUsage;
    }
    if (std::any_of(argv + 2, argv + argc, IsHelp)) {
        PrintCommandUsage(stdout, *command);
        return FlushOutput(command->name) ? ExitStatus::Ok : ExitStatus::FileFailed;
    }
    cliArgs args;
    std::string error;
    if (!ArgParse::ParseCliArgs(*command, argc, argv, 2, args, error)) {
        std::fprintf(stderr, "orvane-cli %s: %s\n", command->name, error.c_str());
        PrintCommandUsage(stderr, *command);
        return ExitUsage;
    }
    cliMessageHost host(args.yes);
    SetCurrentMessageBoxHost(&host);
    const int status = command->handler(args);
    SetCurrentMessageBoxHost(nullptr);
    if (!FlushOutput(command->name) && status == ExitStatus::Ok) {
        return ExitStatus::FileFailed;
    }
    return status;
}
