// The manual pages orvane(1) and orvane-cli(1) in roff, written from the
// command table, the exit statuses and the examples that the help prints.

#include <vector>

#include "Help.h"

#ifndef ORVANE_VERSION
#define ORVANE_VERSION ""
#endif

namespace Help {

namespace {

// Text as roff reads it literally: backslashes and hyphens escaped, a line
// that would start with a control character guarded.
std::string Roff(std::string_view text) {
    std::string out;
    bool lineStart = true;
    for (const char ch : text) {
        if (lineStart && (ch == '.' || ch == '\'')) {
            out += "\\&";
        }
        if (ch == '\\') {
            out += "\\e";
        } else if (ch == '-') {
            out += "\\-";
        } else {
            out.push_back(ch);
        }
        lineStart = ch == '\n';
    }
    return out;
}

std::string Header(std::string_view name, std::string_view summary) {
    std::string upper;
    for (const char ch : name) {
        upper.push_back(ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch);
    }
    return ".TH " + Roff(upper) + " 1 \"\" \"Orvane " ORVANE_VERSION "\" \"User Commands\"\n" +
           ".SH NAME\n" + Roff(name) + " \\- " + Roff(summary) + "\n";
}

// A tagged paragraph: the tag in bold, then the text.
std::string Tagged(std::string_view tag, std::string_view rest, std::string_view text) {
    return ".TP\n\\fB" + Roff(tag) + "\\fR" + (rest.empty() ? "" : " " + Roff(rest)) + "\n" +
           Roff(text) + "\n";
}

std::string CliPage() {
    std::string page = Header("orvane-cli", "program two-way radios from the command line");
    page +=
        ".SH SYNOPSIS\n\\fBorvane\\-cli\\fR \\fICOMMAND\\fR [\\fIARGUMENTS\\fR]\n.br\n"
        "\\fBorvane\\-cli\\fR [\\fICOMMAND\\fR] \\fB\\-\\-help\\fR\n";
    page += ".SH DESCRIPTION\n" +
            Roff(
                "orvane-cli creates, inspects and edits clone files, the images of a radio's "
                "memory, and reads and writes radios over a serial cable. It uses the same "
                "sheets, checks and messages as the window program orvane. A command's "
                "--help (or -h) prints its usage.") +
            "\n";
    page += ".SH COMMANDS\n";
    for (const cliCommand& c : CliCommands()) {
        page += Tagged(c.name, CliSynopsis(c), c.summary);
    }
    page += ".SH SHEET NAMES\n" +
            Roff(
                "A sheet is named by its caption in the tree (\"Bank 1\"), by its path "
                "(\"Signalling/DTMF memories\", the first captions may be left out) or by its "
                "reference; letter case and repeated blanks do not matter, and the last "
                "caption may be cut short when that fits one sheet only. The sheets command "
                "lists all three for a file. A cell is named by the heading of its column and "
                "the label of its row as the sheet command prints them, a line break in a "
                "heading given as a blank: --cell \"RX freq [MHz]\" 1-3.") +
            "\n";
    page += ".SH EXIT STATUS\n";
    for (const cliExitRow& row : CliExitStatuses()) {
        page += Tagged(ExitRange(row), "", row.meaning);
    }
    page += ".SH EXAMPLES\n";
    for (const cliExample& e : CliExamples()) {
        page += ".PP\n" + Roff(e.what) + ":\n.PP\n.RS\n.nf\n" + Roff(e.line) + "\n.fi\n.RE\n";
    }
    page += ".SH SEE ALSO\n.BR orvane (1)\n";
    return page;
}

// The arguments of the window program.
struct WindowArgument {
    const char* name;
    const char* meaning;
};
const std::vector<WindowArgument> kWindowArguments = {
    {"FILE", "a clone file to open at start"},
    {"--export-pdf OUT.pdf",
     "print FILE into the PDF file OUT.pdf through the same page code as File > Export PDF, "
     "without showing a window (no display needed); exits 0 when the PDF was written"},
    {"--sheet SHEET",
     "with --export-pdf: only the sheet SHEET, named as for orvane-cli: a reference, a tree "
     "caption or a path"},
    {"--all",
     "with --export-pdf: every sheet of the tree, as File > Print all does (also "
     "when no --sheet is given)"},
};

std::string WindowPage() {
    std::string page = Header("orvane", "program two-way radios");
    page +=
        ".SH SYNOPSIS\n\\fBorvane\\fR [\\fIFILE\\fR]\n.br\n\\fBorvane\\fR \\-\\-export\\-pdf "
        "\\fIOUT.pdf\\fR [\\-\\-sheet \\fISHEET\\fR | \\-\\-all] \\fIFILE\\fR\n";
    page += ".SH DESCRIPTION\n" +
            Roff(
                "orvane edits clone files, the images of a radio's memory, on sheets chosen "
                "in a tree, checks them, prints them, and reads and writes radios over a "
                "serial cable. Only one copy runs at a time; starting a second one does "
                "nothing.") +
            "\n";
    page += ".SH ARGUMENTS\n";
    for (const WindowArgument& a : kWindowArguments) {
        page += Tagged(a.name, "", a.meaning);
    }
    page += ".SH FILES\n" +
            Roff(
                "The overlay and templates are looked for next to the program and then in "
                "../share/orvane/ relative to it.") +
            "\n";
    page += ".SH SEE ALSO\n.BR orvane\\-cli (1)\n";
    return page;
}

}  // namespace

std::string ManPage(std::string_view program) {
    if (program == "orvane-cli") {
        return CliPage();
    }
    if (program == "orvane") {
        return WindowPage();
    }
    return "";
}

}  // namespace Help
