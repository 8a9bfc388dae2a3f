// Hostile input to the radio commands of orvane-cli, against the simulator
// where a radio is needed: each case one command line, its exit status, what
// its messages must and must not say and what the radio saw. Signals during a
// write stop it cleanly; an image read but not saved is kept.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "ClfTestSupport.h"
#include "CliProcess.h"
#include "ModelType.h"
#include "ReadOutput.h"
#include "SavedImage.h"
#include "ScopedOverride.h"
#include "SimProcess.h"
#include "cmcEeprom.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"
#include "indDocument.h"

namespace {

// A clone file that the warning check list lets be written.
const std::string& WritableFile() {
    static const std::string path = SavedImage(ModelPmr, "hostile_writable.clf", [](cmcEeprom&) {});
    return path;
}

std::string Scratch() {
    const std::string dir = OwnTempDir() + "hostile_radio";
    mkdir(dir.c_str(), 0777);
    return dir;
}

std::string Expand(std::string text, const std::string& device) {
    const std::pair<std::string, std::string> words[] = {
        {"{DEV}", device}, {"{FILE}", WritableFile()}, {"{DIR}", Scratch()}};
    for (const auto& [word, value] : words) {
        for (std::string::size_type at; (at = text.find(word)) != std::string::npos;) {
            text.replace(at, word.size(), value);
        }
    }
    return text;
}

struct HostileCase {
    const char* name;
    std::vector<std::string> sim;  // the simulator's arguments; none started when empty
    const char* command;  // shell words; {DEV} the radio, {FILE} a clone file, {DIR} a folder
    int status;
    std::vector<std::string> says;   // on stderr
    std::vector<std::string> never;  // not on stderr
    const char* radioSaw;            // a line of the simulator, or nullptr
    const char* radioNeverSaw;       // likewise
};

const HostileCase kCases[] = {
    {"write_empty_port",
     {},
     "write --port '' '{FILE}' --yes",
     64,
     {"option --port names no serial device (it is empty)"},
     {},
     nullptr,
     nullptr},
    {"write_blank_port",
     {},
     "write --port '  ' '{FILE}' --yes",
     64,
     {"option --port names no serial device (it is blank)"},
     {},
     nullptr,
     nullptr},
    {"read_empty_port",
     {},
     "read --port '' -o '{DIR}/empty.clf'",
     64,
     {"(it is empty)"},
     {},
     nullptr,
     nullptr},
    {"radio_info_blank_port",
     {},
     "radio-info --port ' '",
     64,
     {"(it is blank)"},
     {},
     nullptr,
     nullptr},
    {"verify_takes_no_port", {}, "verify --port '' '{FILE}'", 64, {"--port"}, {}, nullptr, nullptr},
    {"read_into_a_missing_folder",
     {"--map-revision", "3"},
     "read --port '{DEV}' -o '{DIR}/missing/r.clf'",
     2,
     {"{DIR}/missing/r.clf cannot be saved: its folder", "nothing was read"},
     {},
     nullptr,
     "info at"},
    {"read_onto_a_folder",
     {"--map-revision", "3"},
     "read --port '{DEV}' -o '{DIR}'",
     2,
     {"cannot be saved: it is a folder"},
     {},
     nullptr,
     "info at"},
    {"read_whose_line_is_lost",
     {"--fault", "hangup=12"},
     "read --port '{DEV}' -o '{DIR}/lost.clf'",
     39,
     {"The connection to the radio was lost."},
     {"did not answer in time"},
     "hangup after",
     nullptr},
    {"read_of_bad_data_with_the_commands_own_hints",
     {"--fault", "bad-checksum=7"},
     "read --port '{DEV}' --high-speed -o '{DIR}/bad.clf'",
     26,
     {" bytes\nThe radio sent data that could not be understood.",
      "- Check that --port names the serial device", "try again without --high-speed."},
     {"Port menu", "high speed setting"},
     nullptr,
     nullptr},
    {"write_whose_line_is_lost",
     {"--map-revision", "3", "--fault", "hangup=60"},
     "write --port '{DEV}' '{FILE}' --yes",
     37,
     {" bytes\nSending to the radio failed.\n{DEV} went away during the transfer",
      "lost power. Plug it in again and repeat the command.\nThe radio may now hold a partly "
      "written image"},
     {},
     "write interrupted after",
     nullptr},
};

void PrintTo(const HostileCase& c, std::ostream* os) {
    *os << c.command;
}

class CliCloneHostile : public ::testing::TestWithParam<HostileCase> {};

}  // namespace

TEST_P(CliCloneHostile, IsRefusedOrReportedWithItsStatusAndMessage) {
    const HostileCase& c = GetParam();
    std::unique_ptr<SimProcess> sim;
    if (!c.sim.empty()) {
        sim = std::make_unique<SimProcess>(c.sim);
        ASSERT_TRUE(sim->Started());
    }
    const std::string device = sim ? sim->Device() : "";
    const std::string err = Scratch() + "/" + c.name + ".err";
    EXPECT_EQ(RunCliBounded(Expand(c.command, device), "/dev/null", err), c.status);
    const std::string said = ReadWholeFile(err);
    for (const std::string& s : c.says) {
        EXPECT_NE(said.find(Expand(s, device)), std::string::npos) << s << "\nin:\n" << said;
    }
    for (const std::string& s : c.never) {
        EXPECT_EQ(said.find(s), std::string::npos) << s << "\nin:\n" << said;
    }
    if (c.radioSaw != nullptr) {
        EXPECT_TRUE(sim->WaitForLine(c.radioSaw, 2000)) << c.radioSaw;
    }
    if (c.radioNeverSaw != nullptr) {
        EXPECT_FALSE(sim->WaitForLine(c.radioNeverSaw, 300)) << c.radioNeverSaw;
    }
}

INSTANTIATE_TEST_SUITE_P(Radio, CliCloneHostile, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<HostileCase>& p) {
                             return std::string(p.param.name);
                         });

// SIGINT, SIGTERM or SIGHUP during a write: the write stops at a frame
// boundary, the radio is left partly written and the program says so and
// exits with its status for an interrupted command. The three writes run at
// once, each to its own paced radio at 9600 baud (some 15 s for the whole
// image, so a loaded machine still stops each one part-way), and every wait is
// on what the program or the radio shows, bounded far above its usual time.
TEST(CliCloneSignals, AWriteStopsCleanlyAndSaysTheRadioMustBeWrittenAgain) {
    struct Stopped {
        int signal;
        std::unique_ptr<SimProcess> sim;
        std::string err;
        int pid = -1;
    };
    std::vector<Stopped> writes;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        Stopped& w = writes.emplace_back(Stopped{signal, nullptr, "", -1});
        w.sim =
            std::make_unique<SimProcess>(std::vector<std::string>{"--map-revision", "3", "--pace"});
        ASSERT_TRUE(w.sim->Started());
        w.err = Scratch() + "/signal" + std::to_string(signal) + ".err";
        w.pid = StartCli({"write", "--port", w.sim->Device(), WritableFile(), "--yes"}, w.err);
        ASSERT_GT(w.pid, 0);
    }
    for (Stopped& w : writes) {
        // Some of the image is on its way: the progress bar has a filled cell.
        for (int waited = 0; waited < 20000 && ReadWholeFile(w.err).find('#') == std::string::npos;
             waited += 20) {
            usleep(20 * 1000);
        }
        kill(w.pid, w.signal);
    }
    for (Stopped& w : writes) {
        const int status = WaitCli(w.pid, 20000);
        const std::string said = ReadWholeFile(w.err);
        ASSERT_TRUE(WIFEXITED(status)) << w.signal << "\n" << said;
        EXPECT_EQ(WEXITSTATUS(status), 43) << said;
        EXPECT_NE(said.find(" bytes\nThe exchange with the radio was stopped.\nThe radio may now "
                            "hold a partly written image"),
                  std::string::npos)
            << said;
        EXPECT_NE(said.find("again before using it.\norvane-cli: stopped by signal " +
                            std::to_string(w.signal)),
                  std::string::npos)
            << said;
    }
    for (Stopped& w : writes) {
        // The radio gives the write up holding some of the image, not all of it.
        ASSERT_TRUE(w.sim->WaitForLine("write interrupted after", 20000)) << w.signal;
        for (const std::string& line : w.sim->Lines()) {
            if (line.rfind("write interrupted after", 0) == 0) {
                const int stored = std::atoi(line.substr(line.find(", ") + 2).c_str());
                EXPECT_GT(stored, 0) << line;
                EXPECT_LT(stored, 14720) << line;
            }
        }
        EXPECT_FALSE(w.sim->HasLine("write at")) << w.signal;
    }
}

// The image of a read that cannot be saved where asked is kept in the data
// folder, named in the message, and opens as the image that was read.
TEST(CliReadOutput, AnImageThatCannotBeSavedIsKeptInTheDataFolder) {
    const std::string data = Scratch() + "/data-home";
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    cmcScriptedMessageBox boxes;
    ScopedOverride boxOverride(SetCurrentMessageBoxHost, &boxes);
    indDocument read;
    read.Start();
    ASSERT_EQ(read.OpenFile(WritableFile()), 0);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(ReadOutput::SaveReadOutput(read, Scratch() + "/no-such-folder/out.clf"));
    const std::string said = ::testing::internal::GetCapturedStderr();
    unsetenv("XDG_DATA_HOME");
    const std::string::size_type at = said.find("it was kept in " + data + "/Orvane/");
    ASSERT_NE(at, std::string::npos) << said;
    const std::string kept = said.substr(at + 15, said.find('\n', at) - at - 15);
    indDocument opened;
    opened.Start();
    ASSERT_EQ(opened.OpenFile(kept), 0) << kept;
    EXPECT_TRUE(std::equal(read.WorkingImage().Data(), read.WorkingImage().Data() + 0x3A00,
                           opened.WorkingImage().Data()));
}

TEST(CliReadOutput, TheDataFolderFollowsXdgDataHomeThenHome) {
    struct Case {
        const char* xdg;  // nullptr: unset
        const char* home;
        const char* folder;
    };
    const Case cases[] = {
        {"/x/data", "/h", "/x/data/Orvane"},
        {"relative", "/h", "/h/.local/share/Orvane"},
        {nullptr, "/h", "/h/.local/share/Orvane"},
        {nullptr, nullptr, ""},
    };
    const char* home = std::getenv("HOME");
    const std::string savedHome = home != nullptr ? home : "";
    for (const Case& c : cases) {
        c.xdg != nullptr ? setenv("XDG_DATA_HOME", c.xdg, 1) : unsetenv("XDG_DATA_HOME");
        c.home != nullptr ? setenv("HOME", c.home, 1) : unsetenv("HOME");
        EXPECT_EQ(ReadOutput::ReadFallbackDirectory(), c.folder);
    }
    unsetenv("XDG_DATA_HOME");
    home != nullptr ? setenv("HOME", savedHome.c_str(), 1) : unsetenv("HOME");
}
