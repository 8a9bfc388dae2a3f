// The manual pages the build writes: every command and exit status of the
// tool's table in orvane-cli(1), and both pages rendered by man without a warning.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "ClfTestSupport.h"
#include "Help.h"
#include "cmcInternalErrorBox.h"

namespace {

// Standard output of a shell command; status gets its exit status.
std::string Shell(const std::string& command, int& status) {
    std::string out;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        status = -1;
        return out;
    }
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        out.append(buffer, n);
    }
    const int raw = pclose(pipe);
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return out;
}

std::string Escaped(std::string text) {
    for (size_t at = 0; (at = text.find('-', at)) != std::string::npos; at += 2) {
        text.insert(at, "\\");
    }
    return text;
}

TEST(ManPageTest, PagesHoldTheTableAndRenderWithoutWarnings) {
    int status = 0;
    Shell("command -v man >/dev/null", status);
    if (status != 0) {
        GTEST_SKIP() << "man is not installed";
    }
    ScratchDir dir;
    for (const std::string page : {"orvane-cli", "orvane"}) {
        const std::string path = ProgramDirectory() + "../man/" + page + ".1.gz";
        const std::string roff = Shell("zcat " + path, status);
        ASSERT_EQ(status, 0) << path;
        EXPECT_EQ(roff, Help::ManPage(page)) << page;  // the installed page is the current table's
        const std::string errors = dir.File("warnings.txt");
        const std::string shown =
            Shell("MANWIDTH=80 man --warnings -l " + path + " 2>" + errors, status);
        EXPECT_EQ(status, 0) << page;
        EXPECT_EQ(ReadWholeFile(errors), "") << page;
        EXPECT_NE(shown.find("SEE ALSO"), std::string::npos) << page;
    }
    const std::string roff = Help::ManPage("orvane-cli");
    for (const cliCommand& c : CliCommands()) {
        EXPECT_NE(roff.find(".TP\n\\fB" + Escaped(c.name) + "\\fR"), std::string::npos) << c.name;
    }
    for (const cliExitRow& row : Help::CliExitStatuses()) {
        EXPECT_NE(roff.find(".TP\n\\fB" + Escaped(Help::ExitRange(row)) + "\\fR"),
                  std::string::npos)
            << Help::ExitRange(row);
    }
    for (const cliExample& e : Help::CliExamples()) {
        EXPECT_NE(roff.find(Escaped(e.line)), std::string::npos) << e.line;
    }
    // The window program names a sheet as the tool does.
    EXPECT_NE(Help::ManPage("orvane").find("a reference, a tree caption or a path"),
              std::string::npos);
    EXPECT_EQ(Help::ManPage("other"), "");
}

}  // namespace
