#include "cliHelp.h"

#include <vector>

#include "cliExitStatus.h"

namespace {

const std::vector<cliExitRow> kExitStatuses = {
    {cliExit::Ok, cliExit::Ok,
     "done: written, saved and verified as asked; nothing differs (diff); no errors (check)"},
    {cliExit::Refused, cliExit::Refused,
     "the answer is no and nothing was written: differences or errors found, an edit or CSV row "
     "refused, a write not confirmed or stopped before any byte was sent"},
    {cliExit::FileFailed, cliExit::FileFailed,
     "a file other than a clone file could not be read or written (a CSV file, the output file, "
     "standard output)"},
    {cliExit::InternalFault, cliExit::InternalFault,
     "an internal fault ended the program, or an exchange with the radio did not end"},
    {cliExit::CloneFileBase + 1, cliExit::CloneFileLast,
     "a clone file could not be opened: 10 + its clone-file result code"},
    {cliExit::ExchangeBase + 2, cliExit::ExchangeLast,
     "an exchange with the radio failed: 20 + its clone result code; after a failed write the "
     "radio may hold part of the image"},
    {cliExit::VerifyMismatch, cliExit::VerifyMismatch,
     "written, but the radio holds other bytes than were sent (write --verify)"},
    {cliExit::BackupFailed, cliExit::BackupFailed,
     "no backup could be saved; nothing was written to the radio (write --backup)"},
    {cliExit::VerifyReadFailed, cliExit::VerifyReadFailed,
     "written, but the read-back for the comparison failed (write --verify)"},
    {cliExit::WriteInterrupted, cliExit::WriteInterrupted,
     "stopped by a signal; after data went out the radio holds a partly written image"},
    {cliExit::Usage, cliExit::Usage, "the command line does not fit the command"},
    {cliExit::Ambiguous, cliExit::Ambiguous,
     "a sheet name, or a column heading and row label, fits more than one sheet or cell"},
};

const std::vector<cliExample> kExamples = {
    {"orvane-cli new --model pmr -o radio.clf", "write a new Pmr image as radio.clf"},
    {"orvane-cli sheets radio.clf", "list the sheets: caption, path and reference"},
    {"orvane-cli sheet radio.clf \"Bank 1\"", "print the sheet of bank 1"},
    {"orvane-cli edit radio.clf -o new.clf -s \"Bank 1\" --cell \"RX freq [MHz]\" 1-1 --type "
     "146.52",
     "set the receive frequency of channel 1 of bank 1 and save as new.clf"},
    {"orvane-cli export-csv radio.clf -o channels.csv", "write the channels as a CSV file"},
    {"orvane-cli write --port /dev/ttyUSB0 new.clf --backup ~/radio-backups --verify",
     "save the radio's image, write new.clf into the radio and compare"},
};

}  // namespace

std::span<const cliExitRow> CliExitStatuses() {
    return kExitStatuses;
}

std::span<const cliExample> CliExamples() {
    return kExamples;
}

std::string ExitRange(const cliExitRow& row) {
    return std::to_string(row.first) +
           (row.last == row.first ? "" : "-" + std::to_string(row.last));
}

std::string CliSynopsis(const cliCommand& c) {
    return std::string(c.synopsis) + (c.acceptsYes ? " [--yes]" : "");
}

std::string CliCommandUsage(const cliCommand& c) {
    return std::string("usage: orvane-cli ") + c.name + " " + CliSynopsis(c) + "\n" + c.summary +
           "\n";
}

std::string CliUsageText() {
    std::string text = "usage: orvane-cli COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const cliCommand& c : CliCommands()) {
        text += std::string("  ") + c.name + " " + CliSynopsis(c) + "\n      " + c.summary + "\n";
    }
    text += "\nexit statuses:\n";
    for (const cliExitRow& row : CliExitStatuses()) {
        const std::string range = ExitRange(row);
        text += std::string(range.size() < 5 ? 5 - range.size() : 0, ' ') + range + "  " +
                row.meaning + "\n";
    }
    text += "\nexamples:\n";
    for (const cliExample& e : CliExamples()) {
        text += std::string("    ") + e.line + "\n        " + e.what + "\n";
    }
    return text;
}
