// The exit statuses of orvane-cli name the cause whatever the command: a
// failure of one kind lands in that kind's range through every command that
// can meet it.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ClfTestSupport.h"
#include "CliProcess.h"
#include "ModelType.h"
#include "SavedImage.h"
#include "SimProcess.h"
#include "cmcEeprom.h"

namespace {

struct Range {
    const char* kind;
    int first;
    int last;
};

constexpr Range kRefused{"refused", 1, 1};
constexpr Range kFileFailed{"file failed", 2, 2};
constexpr Range kCloneFile{"clone file", 11, 19};
constexpr Range kExchange{"exchange", 22, 39};
constexpr Range kSafeguard{"write safeguard", 40, 49};
constexpr Range kUsage{"usage", 64, 64};

struct StatusCase {
    const char* command;  // shell words, with the words of Expand
    Range range;
};

// {GOOD} and {OTHER} clone files of two model types, {BAD} garbage, {DIR} a
// folder, {RADIO} a healthy radio, {SILENT} one that never answers.
const StatusCase kCases[] = {
    {"info {BAD}", kCloneFile},
    {"info {DIR}/absent.clf", kCloneFile},
    {"verify {BAD}", kCloneFile},
    {"diff {GOOD} {BAD}", kCloneFile},
    {"check {DIR}/absent.clf", kCloneFile},
    {"export-csv {BAD}", kCloneFile},
    {"edit {BAD} -o {DIR}/out.clf -s GI_Sheet_Common --at 0,0 --key space", kCloneFile},
    {"write --port {RADIO} {BAD} --yes", kCloneFile},
    {"radio-info --port {DIR}/no-tty", kExchange},
    {"read --port {DIR}/no-tty -o {DIR}/read.clf", kExchange},
    {"read --port {SILENT} -o {DIR}/read.clf", kExchange},
    {"write --port {SILENT} {GOOD} --yes", kExchange},
    {"write --port {DIR}/no-tty {GOOD} --yes --backup {DIR}/missing", kSafeguard},
    {"diff {GOOD} {OTHER}", kRefused},
    {"write --port {RADIO} {GOOD}", kRefused},  // not confirmed: no --yes, no terminal
    {"import-csv {GOOD} {DIR}/absent.csv -o {DIR}/out.clf", kFileFailed},
    {"read --port {RADIO} -o {DIR}", kFileFailed},
    {"info", kUsage},
    {"diff {GOOD}", kUsage},
    {"verify --yes {GOOD}", kUsage},
    {"read --port {RADIO}", kUsage},
    {"write --port '' {GOOD} --yes", kUsage},
    {"edit {GOOD} -s GI_Sheet_Common", kUsage},
};

using Words = std::vector<std::pair<std::string, std::string>>;

std::string Expand(std::string text, const Words& words) {
    for (const auto& [word, value] : words) {
        for (std::string::size_type at; (at = text.find(word)) != std::string::npos;) {
            text.replace(at, word.size(), "'" + value + "'");
        }
    }
    return text;
}

}  // namespace

TEST(CliExitStatus, EachKindOfFailureLandsInItsRangeWhateverTheCommand) {
    SimProcess radio({"--map-revision", "3"});
    SimProcess silent({"--fault", "silent"});
    ASSERT_TRUE(radio.Started() && silent.Started());
    ScratchDir dir;
    WriteWholeFile(dir.File("bad.clf"), "23360300\r\n#\r\nnot a data line\r\n");
    const Words words = {
        {"{GOOD}", SavedImage(ModelPmr, "status_good.clf", [](cmcEeprom&) {})},
        {"{OTHER}", SavedImage(ModelLmr, "status_other.clf", [](cmcEeprom&) {})},
        {"{BAD}", dir.File("bad.clf")},
        {"{DIR}", dir.Path()},
        {"{RADIO}", radio.Device()},
        {"{SILENT}", silent.Device()},
    };
    for (const StatusCase& c : kCases) {
        const std::string err = dir.File("err.txt");
        const int status = RunCliBounded(Expand(c.command, words), "/dev/null", err);
        EXPECT_GE(status, c.range.first) << c.command << " (" << c.range.kind << ")\n"
                                         << ReadWholeFile(err);
        EXPECT_LE(status, c.range.last) << c.command << " (" << c.range.kind << ")\n"
                                        << ReadWholeFile(err);
    }
    EXPECT_FALSE(radio.HasLine("write at"));
}
