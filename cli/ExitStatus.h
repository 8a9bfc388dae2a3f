#pragma once
// The exit statuses of orvane-cli, one disjoint range per kind of outcome, so
// that a status names its cause whatever the command. docs/formats.md lists
// them in one table.

namespace ExitStatus {

constexpr int Ok = 0;
// The command ran and its answer is "no": differences found, check errors
// found, an edit or CSV row refused, a write cancelled or refused before any
// byte was sent. Nothing was written.
constexpr int Refused = 1;
// A file that is not a clone file (CSV, standard output, a saved clone file)
// could not be read or written.
constexpr int FileFailed = 2;
// An internal fault ended the program (the internal error box), or an
// exchange with the radio did not end, which each does by itself.
constexpr int InternalFault = 3;

// A clone file could not be opened: CloneFileBase + its clone-file result
// code (1..9), so 11..19.
constexpr int CloneFileBase = 10;
constexpr int CloneFileLast = 19;

// An exchange with the radio failed: ExchangeBase + its clone result code
// (2..19), so 22..39. After a failed write the radio may hold part of the image.
constexpr int ExchangeBase = 20;
constexpr int ExchangeLast = 39;

// The safeguards of a write, 40..49.
constexpr int VerifyMismatch = 40;    // written, but the radio holds other bytes than were sent
constexpr int BackupFailed = 41;      // no backup saved; nothing written to the radio
constexpr int VerifyReadFailed = 42;  // written, but the read-back for the comparison failed
// A signal stopped a radio command; after a write the radio holds part of the image.
constexpr int WriteInterrupted = 43;
// A fleet write ended with at least one radio not written as asked (its log
// record says why); the others were written.
constexpr int FleetFailures = 44;

// The command line does not fit the command.
constexpr int Usage = 64;
// A sheet name or column heading fits more than one; the message lists them.
constexpr int Ambiguous = 65;

// The status of a clone-file result code: 0 stays 0, a negative code (the
// open was cancelled) is Refused.
constexpr int ForCloneFile(int clfCode) {
    return clfCode == 0 ? Ok : clfCode < 0 ? Refused : CloneFileBase + clfCode;
}

// The status of a clone result code of an exchange: 0 stays 0.
constexpr int ForExchange(int cloneCode) {
    return cloneCode == 0 ? Ok : cloneCode < 0 ? Refused : ExchangeBase + cloneCode;
}

}  // namespace ExitStatus
