#pragma once
// The command table of orvane-cli. Each command is one row: its name, its
// argument synopsis, a one-line summary, the options that take a value (and
// whether each is required), whether --yes may answer its questions, how many
// plain arguments it takes, its handler (each in its own file) and the options
// that take no value. A new command is a new row in cliCommandTable.cpp and a
// new handler file.

#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "ExitStatus.h"

// The parsed arguments of one command.
struct cliArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;  // value options given, by name
    std::set<std::string> flags;                 // options without a value given
    bool yes = false;                            // --yes was given
    std::vector<std::string> words;              // every argument, in order (free-form commands)

    // The value of an option, or fallback when it was not given.
    std::string Option(const std::string& name, const std::string& fallback = "") const;
    bool Flag(const std::string& name) const { return flags.count(name) > 0; }
};

struct cliOption {
    const char* name;
    bool required;
};

struct cliCommand {
    const char* name;
    const char* synopsis;  // the arguments after the name
    const char* summary;
    std::vector<cliOption> valueOptions;
    bool acceptsYes;
    int positionalCount;
    // Returns the exit status.
    int (*handler)(const cliArgs& args);
    std::vector<const char*> flagOptions = {};
};

// positionalCount of a command that reads its arguments in order itself (cliArgs::words).
constexpr int FreeFormArgs = -1;

// Exit status of a command line that does not fit the command.
constexpr int ExitUsage = ExitStatus::Usage;

std::span<const cliCommand> CliCommands();

// The handlers, one file each.
int CmdNew(const cliArgs& args);
int CmdInfo(const cliArgs& args);
int CmdVerify(const cliArgs& args);
int CmdSheet(const cliArgs& args);
int CmdSheets(const cliArgs& args);
int CmdCheck(const cliArgs& args);
int CmdEdit(const cliArgs& args);
int CmdRadioInfo(const cliArgs& args);
int CmdRead(const cliArgs& args);
int CmdWrite(const cliArgs& args);
int CmdFleetWrite(const cliArgs& args);
int CmdExportCsv(const cliArgs& args);
int CmdImportCsv(const cliArgs& args);
int CmdDiff(const cliArgs& args);
