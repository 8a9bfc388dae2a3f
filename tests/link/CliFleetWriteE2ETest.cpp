// orvane-cli fleet-write against several orvane-radio-sim processes at once,
// each on its own pseudo-terminal. Every run is bounded.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "CellNames.h"
#include "ClfTestSupport.h"
#include "CliProcess.h"
#include "Csv.h"
#include "MemoryMap.h"
#include "SimImageFile.h"
#include "SimProcess.h"
#include "indSheetSession.h"

namespace {

const std::string kOwnCode = "GI_Sheet_5ToneTx!CL_5TTx_TxCode[0]";
const std::string kBank0 = "[St_ChBank]GI_Sheet_Mch_Lmr,Bank 0";

// Types value into the cell of item[index] on sheet; false when it is refused.
bool Type(indSheetSession& s, const std::string& sheet, const std::string& item, int index,
          const std::string& value) {
    if (!s.ShowSheet(sheet)) {
        return false;
    }
    for (int i = 0; i < kCellItemCount; ++i) {
        if (CellItemName(i) == item) {
            const auto pos = s.Sheet()->FindCell(i, index);
            if (!pos) {
                return false;
            }
            s.Sheet()->SetCurrent(*pos);
            return s.Cells()->Commit(value).outcome == indCellOutcome::Done;
        }
    }
    return false;
}

struct CliFleetWrite : ::testing::Test {
    // An LMR image with channel 0 in use at 145.500 MHz.
    CliFleetWrite() {
        EXPECT_EQ(RunCliBounded("new --model lmr -o '" + file + "'"), 0);
        indSheetSession s;
        EXPECT_EQ(s.Open(file), 0);
        EXPECT_TRUE(Type(s, kBank0, "CL_Mch_FreqR", 0, "145.5"));
        EXPECT_TRUE(s.Document().SaveToFile(file));
    }

    // The file's image with the radio's own 5-tone code typed in.
    cmcEeprom Expected(const std::string& ownCode) {
        indSheetSession s;
        EXPECT_EQ(s.Open(file), 0);
        EXPECT_TRUE(Type(s, "GI_Sheet_5ToneTx", "CL_5TTx_TxCode", 0, ownCode));
        cmcEeprom image;
        image.Assign(s.Document().WorkingImage());
        return image;
    }

    // The written ranges of what a simulator saved equal expected, and differ from the file.
    void ExpectRadioHolds(const std::string& saved, const cmcEeprom& expected) {
        cmcEeprom radio, original;
        std::string error;
        ASSERT_TRUE(LoadSimImage(saved, radio, error)) << error;
        ASSERT_TRUE(LoadSimImage(file, original, error)) << error;
        int differFromFile = 0;
        for (const AddressRange& r : GetAddressRanges(RangePurpose::CloneWrite, 3)) {
            for (int a = r.start; a <= r.end; ++a) {
                ASSERT_EQ(radio.GetByte(a), expected.GetByte(a)) << saved << " at " << a;
                differFromFile += radio.GetByte(a) != original.GetByte(a) ? 1 : 0;
            }
        }
        EXPECT_GT(differFromFile, 0);
    }

    int FleetWrite(const std::vector<SimProcess*>& sims, const std::string& more) {
        std::string ports;
        for (SimProcess* sim : sims) {
            ports += (ports.empty() ? "" : ",") + sim->Device();
        }
        return RunCliBounded("fleet-write '" + file + "' --ports '" + ports + "' --per-radio '" +
                                 radios + "' --log '" + log + "' --yes --high-speed " + more,
                             scratch.File("out.txt"), scratch.File("err.txt"));
    }

    // The log's records after the heading, by port.
    std::map<std::string, std::vector<std::string>> LogByPort() {
        std::map<std::string, std::vector<std::string>> byPort;
        const std::vector<cmcCsvRecord> records = Csv::ParseCsv(ReadWholeFile(log));
        for (size_t i = 1; i < records.size(); ++i) {
            byPort[records[i].fields.at(1)] = records[i].fields;
        }
        return byPort;
    }
    std::string Err() const { return ReadWholeFile(scratch.File("err.txt")); }

    ScratchDir scratch;
    std::string file = scratch.File("fleet.clf");
    std::string radios = scratch.File("radios.csv");
    std::string log = scratch.File("log.csv");
};

// Log fields: time, port, row, values, result, message, backup, verification.
constexpr int kRow = 2, kResult = 4;

}  // namespace

TEST_F(CliFleetWrite, ASetupThatDoesNotFitEndsBeforeAnyRadioIsAsked) {
    SimProcess sim({});
    ASSERT_TRUE(sim.Started());
    const std::string port = "--ports '" + sim.Device() + "' ";
    const std::string logged = "--log '" + log + "' --yes";
    WriteWholeFile(radios, "GI_Sheet_5ToneTx!CL_NoSuchItem[0]\n1\n");
    const std::string fifo = scratch.File("radios.fifo");  // no writer: opening it would wait
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::pair<std::string, int> cases[] = {
        {port + logged + " --count 0", 64},
        {port + logged + " --per-radio '" + radios + "'", 64},
        {port + logged + " --per-radio '" + scratch.File("missing.csv") + "'", 2},
        {port + logged + " --per-radio '" + fifo + "'", 2},
        {"--ports '" + sim.Device() + "," + sim.Device() + "' " + logged, 64},
        {port + "--log '" + scratch.File("no/folder/log.csv") + "' --yes", 2},
        {port + "--log '" + scratch.Path() + "' --yes", 2},
        {port + "--log '" + log + "'", 1},  // the question cannot be asked: refused
    };
    for (const auto& [options, status] : cases) {
        EXPECT_EQ(RunCliBounded("fleet-write '" + file + "' " + options, "/dev/null",
                                scratch.File("err.txt")),
                  status)
            << options << "\n"
            << Err();
        EXPECT_NE(Err().find("orvane-cli"), std::string::npos) << options;
    }
    EXPECT_EQ(RunCliBounded("fleet-write '" + scratch.File("missing.clf") + "' " + port + logged),
              11);
    EXPECT_FALSE(std::filesystem::exists(log));
    EXPECT_TRUE(sim.Lines(300).empty());
}

// The log row of a port that cannot be opened says why, not only that it failed.
TEST_F(CliFleetWrite, APortThatCannotBeOpenedIsLoggedWithTheReason) {
    const std::string missing = scratch.File("ttyGONE0");
    EXPECT_EQ(RunCliBounded("fleet-write '" + file + "' --ports '" + missing + "' --log '" + log +
                                "' --yes --count 1",
                            "/dev/null", "/dev/null"),
              44);
    const std::vector<std::string> rec = LogByPort()[missing];
    ASSERT_EQ(rec.size(), 8u) << ReadWholeFile(log);
    EXPECT_EQ(rec[kResult], "2");
    EXPECT_NE(rec[5].find(missing + " does not exist"), std::string::npos) << rec[5];
}

TEST_F(CliFleetWrite, EachRadioGetsItsOwnCodeAndARefusingRadioIsLoggedAsFailed) {
    const std::vector<std::string> codes = {"11111", "22222", "33333", "44444"};
    WriteWholeFile(radios, kOwnCode + "\n" + codes[0] + "\n" + codes[1] + "\n" + codes[2] + "\n" +
                               codes[3] + "\n");
    std::vector<std::unique_ptr<SimProcess>> sims;
    for (int i = 0; i < 3; ++i) {
        sims.push_back(std::make_unique<SimProcess>(std::vector<std::string>{
            "--save", scratch.File("radio" + std::to_string(i) + ".clf")}));
    }
    sims.push_back(
        std::make_unique<SimProcess>(std::vector<std::string>{"--fault", "refuse-write"}));
    std::vector<SimProcess*> all;
    for (auto& sim : sims) {
        ASSERT_TRUE(sim->Started());
        all.push_back(sim.get());
    }

    EXPECT_EQ(FleetWrite(all, "--count 4"), 44) << Err();
    auto byPort = LogByPort();
    ASSERT_EQ(byPort.size(), 4u) << ReadWholeFile(log);
    for (int i = 0; i < 4; ++i) {
        const std::vector<std::string>& rec = byPort[sims[static_cast<size_t>(i)]->Device()];
        ASSERT_EQ(rec.size(), 8u);
        EXPECT_EQ(rec[kResult], i < 3 ? "0" : "10") << rec[5];
        const std::string code = codes.at(std::stoul(rec[kRow]) - 1);
        EXPECT_EQ(rec[3], kOwnCode + "=" + code);
        if (i < 3) {
            ExpectRadioHolds(scratch.File("radio" + std::to_string(i) + ".clf"), Expected(code));
        }
    }
}

TEST_F(CliFleetWrite, ARowThatACellRefusesStopsOnlyThatRadioBeforeAnythingIsSent) {
    WriteWholeFile(radios, kOwnCode + ",\"" + kBank0 + "!CL_Mch_FreqR[0]\"\n" +
                               "11111,145.5\n22222,999.5\n33333,145.5\n");
    std::vector<std::unique_ptr<SimProcess>> sims;
    std::vector<SimProcess*> all;
    for (int i = 0; i < 3; ++i) {
        sims.push_back(std::make_unique<SimProcess>(std::vector<std::string>{
            "--save", scratch.File("radio" + std::to_string(i) + ".clf")}));
        ASSERT_TRUE(sims.back()->Started());
        all.push_back(sims.back().get());
    }

    EXPECT_EQ(FleetWrite(all, ""), 44) << Err();  // the rows run out: three radios
    auto byPort = LogByPort();
    ASSERT_EQ(byPort.size(), 3u) << ReadWholeFile(log);
    EXPECT_EQ(byPort[all[0]->Device()][kResult], "0");
    EXPECT_EQ(byPort[all[1]->Device()][kResult], "23");
    EXPECT_NE(byPort[all[1]->Device()][5].find("999.5"), std::string::npos);
    EXPECT_EQ(byPort[all[2]->Device()][kResult], "0");
    // That radio is only asked whether it is still there; nothing is written to it.
    for (const std::string& line : all[1]->Lines(300)) {
        EXPECT_EQ(line.find("write"), std::string::npos) << line;
    }
    ExpectRadioHolds(scratch.File("radio0.clf"), Expected("11111"));
    ExpectRadioHolds(scratch.File("radio2.clf"), Expected("33333"));
}

TEST_F(CliFleetWrite, APortWaitsForTheNextRadioAndAStopSignalEndsWithTheLogComplete) {
    WriteWholeFile(radios, kOwnCode + "\n11111\n22222\n33333\n");
    const std::string link = scratch.File("port");
    auto first = std::make_unique<SimProcess>(std::vector<std::string>{"--link", link});
    ASSERT_TRUE(first->Started());
    const auto records = [&] { return Csv::ParseCsv(ReadWholeFile(log)).size(); };
    const auto waitFor = [&](size_t n) {
        for (int ms = 0; ms < 90000 && records() < n; ms += 100) {
            usleep(100 * 1000);
        }
        return records() >= n;
    };
    const int pid = StartCli({"fleet-write", file, "--ports", link, "--per-radio", radios, "--log",
                              log, "--yes", "--high-speed"},
                             scratch.File("err.txt"));
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(waitFor(2)) << Err();  // heading + the first radio
    usleep(1500 * 1000);               // the radio still answers: no second write to it
    int writes = 0;
    for (const std::string& line : first->Lines()) {
        writes += line.rfind("write at", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(records(), 2u);
    first.reset();  // the first radio goes away long enough to be missed, the next one comes
    usleep(2500 * 1000);
    SimProcess second({"--link", link, "--save", scratch.File("second.clf")});
    ASSERT_TRUE(second.Started());
    ASSERT_TRUE(waitFor(3)) << Err();
    kill(pid, SIGINT);
    const int status = WaitCli(pid, 10000);
    ASSERT_TRUE(WIFEXITED(status)) << Err();
    EXPECT_EQ(WEXITSTATUS(status), 0) << Err();
    const std::vector<cmcCsvRecord> logged = Csv::ParseCsv(ReadWholeFile(log));
    ASSERT_EQ(logged.size(), 3u);
    EXPECT_EQ(logged[1].fields.at(kRow), "1");
    EXPECT_EQ(logged[2].fields.at(kRow), "2");
    EXPECT_EQ(logged[2].fields.at(kResult), "0");
    ExpectRadioHolds(scratch.File("second.clf"), Expected("22222"));
}
