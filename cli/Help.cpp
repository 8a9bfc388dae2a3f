#include "Help.h"

#include <vector>

#include "ExitStatus.h"

namespace Help {

namespace {

const std::vector<cliExitRow> kExitStatuses = {
    {ExitStatus::Ok, ExitStatus::Ok,
     "done: written, saved and verified as asked; nothing differs (diff); no errors (check)"},
    {ExitStatus::Refused, ExitStatus::Refused,
     "the answer is no and nothing was written: differences or errors found, an edit or CSV row "
     "refused, a write not confirmed or stopped before any byte was sent"},
    {ExitStatus::FileFailed, ExitStatus::FileFailed,
     "a file other than a clone file could not be read or written (a CSV file, the output file, "
     "standard output)"},
    {ExitStatus::InternalFault, ExitStatus::InternalFault,
     "an internal fault ended the program, or an exchange with the radio did not end"},
    {ExitStatus::CloneFileBase + 1, ExitStatus::CloneFileLast,
     "a clone file could not be opened: 10 + its clone-file result code"},
    {ExitStatus::ExchangeBase + 2, ExitStatus::ExchangeLast,
     "an exchange with the radio failed: 20 + its clone result code; after a failed write the "
     "radio may hold part of the image"},
    {ExitStatus::VerifyMismatch, ExitStatus::VerifyMismatch,
     "written, but the radio holds other bytes than were sent (write --verify)"},
    {ExitStatus::BackupFailed, ExitStatus::BackupFailed,
     "no backup could be saved; nothing was written to the radio (write --backup)"},
    {ExitStatus::VerifyReadFailed, ExitStatus::VerifyReadFailed,
     "written, but the read-back for the comparison failed (write --verify)"},
    {ExitStatus::WriteInterrupted, ExitStatus::WriteInterrupted,
     "stopped by a signal; after data went out the radio holds a partly written image"},
    {ExitStatus::Usage, ExitStatus::Usage, "the command line does not fit the command"},
    {ExitStatus::Ambiguous, ExitStatus::Ambiguous,
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

}  // namespace Help
