#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "CloneErrors.h"
#include "CloneFrames.h"
#include "RadioChecks.h"
#include "ScopedOverride.h"
#include "SimOnDouble.h"
#include "VirtualTime.h"
#include "cmcGTex.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"
#include "indCloneMan.h"

namespace {

class RecordingHost : public indCloneManHost {
  public:
    void EnableMainWindow(bool enabled) override { calls.push_back(enabled ? "on" : "off"); }
    void ShowProgress() override { calls.push_back("show"); }
    void UpdateProgress(const indCloneProgress& p) override { updates.push_back(p); }
    void HideProgress() override { calls.push_back("hide"); }
    std::vector<std::string> calls;
    std::vector<indCloneProgress> updates;
};

// A clone manager on a simulated radio, with recorded boxes and window calls.
struct CloneManRig {
    explicit CloneManRig(SimConfig config = SimOnDouble::DefaultConfig()) {
        auto d = std::make_unique<cmcSerialDouble>();
        device = d.get();
        sim = std::make_unique<SimOnDouble>(*device, std::move(config));
        man = std::make_unique<indCloneMan>(std::move(d));
        man->SetHost(&host);
        man->SetLinkSettings([this] { return link; });
        man->SetInformationHandler([this](dst_CDrv_Result& r) {
            stored = RadioChecks::TakeRadioIdentity(r, identity) || stored;
        });
        man->SetReadHandler([](dst_CDrv_Result& r) { RadioChecks::CheckReadImage(r); });
        man->SetIdentity(0x2336, 0);
        man->SetImageSize(0x4000);
    }
    CloneManRig(const CloneManRig&) = delete;
    CloneManRig& operator=(const CloneManRig&) = delete;

    cmcCloneDrv::Completion Keep() {
        return [this](dst_CDrv_Result& r) { results.push_back(r); };
    }
    bool RunToEnd() {
        return time.host.AdvanceUntil([&] { return !man->IsBusy(); }, 200000);
    }

    VirtualTime time;
    cmcSerialDouble* device;
    std::unique_ptr<SimOnDouble> sim;
    std::unique_ptr<indCloneMan> man;
    RecordingHost host;
    indLinkSettings link{1, false, "/dev/ttyTEST%d"};
    cmcScriptedMessageBox boxes;
    ScopedOverride<cmcMessageBoxHost> boxOverride{SetCurrentMessageBoxHost, &boxes};
    RadioIdentity identity;
    bool stored = false;
    std::vector<dst_CDrv_Result> results;
};

struct CloneMan : CloneManRig, ::testing::Test {
    using CloneManRig::CloneManRig;
};

SimConfig WithFault(const std::string& fault) {
    SimConfig c = SimOnDouble::DefaultConfig();
    std::string error;
    EXPECT_TRUE(AddFault(fault, c.faults, error)) << error;
    return c;
}

struct CloneManShortInfo : CloneMan {
    CloneManShortInfo() : CloneMan(WithFault("short-info")) {}
};

struct CloneManBadImage : CloneMan {
    static SimConfig Config() {
        SimConfig c = SimOnDouble::DefaultConfig();
        c.image.SetByte(0x1FF8, 'x');  // a signature broken
        return c;
    }
    CloneManBadImage() : CloneMan(Config()) {}
};

}  // namespace

TEST_F(CloneMan, InformationStoresTheIdentityWithTheWindowDisabledMeanwhile) {
    ASSERT_TRUE(man->StartInformation(Keep()));
    EXPECT_FALSE(man->StartRead({{0, 0x39FF}}, Keep()));
    EXPECT_EQ(host.calls, std::vector<std::string>{"off"});
    ASSERT_TRUE(RunToEnd());
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].code, CloneResult::Success);
    EXPECT_TRUE(stored);
    EXPECT_EQ(identity.modelHigh, 0x23);
    EXPECT_EQ(identity.modelLow, 0x36);
    EXPECT_EQ(identity.mapRevision, 3);
    EXPECT_TRUE(identity.AcceptsOffGridChannels());
    EXPECT_EQ(host.calls, (std::vector<std::string>{"off", "on"}));
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(device->openedPaths.front(), "/dev/ttyTEST0");
}

TEST_F(CloneManShortInfo, A37ByteAnswerIsCode11WithOneMessage) {
    ASSERT_TRUE(man->StartInformation(Keep()));
    ASSERT_TRUE(RunToEnd());
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].code, CloneResult::WrongRadio);
    EXPECT_FALSE(stored);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].icon, cmcMbIcon::Stop);
    EXPECT_EQ(boxes.Boxes()[0].text, CloneErrors::CloneErrorText(11, 1, "/dev/ttyTEST0"));
}

TEST_F(CloneMan, HighSpeedChangesOnlyTheTransferNotTheInformationExchange) {
    link.speedHigh = true;
    ASSERT_TRUE(man->StartInformation(Keep()));
    ASSERT_TRUE(RunToEnd());
    ASSERT_TRUE(man->StartRead({{0, 0x39FF}}, Keep()));
    ASSERT_TRUE(RunToEnd());
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[1].code, CloneResult::Success);
    // Information: opened at 38400 for the speed change, exchange at 9600.
    // Read: opened at 9600 for the speed change, transfer at 38400.
    std::vector<int> bauds;
    for (const cmcLineSettings& s : device->configured) {
        bauds.push_back(s.baud);
    }
    EXPECT_EQ(bauds, (std::vector<int>{38400, 9600, 9600, 38400}));
    // The read request went after the 48-byte high-speed command preamble.
    const std::vector<uint8_t> request = {0xEE, 0xEF, 0xE2, 0x23, 0x36, 0, 0, 0xFD};
    const auto at =
        std::search(device->written.begin(), device->written.end(), request.begin(), request.end());
    ASSERT_NE(at, device->written.end());
    ASSERT_GE(at - device->written.begin(), 50);
    EXPECT_TRUE(std::all_of(at - 50, at, [](uint8_t b) { return b == 0xFE; }));
    EXPECT_NE(*(at - 51), 0xFE);
    const std::vector<std::string> events = sim->Radio().TakeEvents();
    EXPECT_NE(std::find(events.begin(), events.end(), "info at 9600 baud"), events.end());
    EXPECT_NE(std::find(events.begin(), events.end(), "read at 38400 baud, 928 frames"),
              events.end());
}

TEST_F(CloneMan, ReadShowsProgressOverTheRangesAndChecksTheImage) {
    ASSERT_TRUE(man->StartRead({{0, 0x39FF}}, Keep()));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"off", "show"}));
    ASSERT_TRUE(RunToEnd());
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].code, CloneResult::Success);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"off", "show", "hide", "on"}));
    ASSERT_GE(host.updates.size(), 3u);
    for (size_t i = 1; i < host.updates.size(); ++i) {
        EXPECT_GE(host.updates[i].done, host.updates[i - 1].done);
        EXPECT_EQ(host.updates[i].total, 0x3A00);
    }
    EXPECT_EQ(host.updates.back().done, 0x3A00);
    EXPECT_EQ(host.updates.back().Filled(), 33);
}

TEST_F(CloneManBadImage, AReadImageFailingTheStrictCheckIsCode15) {
    ASSERT_TRUE(man->StartRead({{0, 0x39FF}}, Keep()));
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(results.at(0).code, CloneResult::BadImage);
    EXPECT_EQ(boxes.Boxes().size(), 1u);
}

TEST_F(CloneMan, WithoutHandlersInformationIs11AndReadIs8) {
    man->SetInformationHandler(nullptr);
    man->SetReadHandler(nullptr);
    ASSERT_TRUE(man->StartInformation(Keep()));
    ASSERT_TRUE(RunToEnd());
    ASSERT_TRUE(man->StartRead({{0, 0x39FF}}, Keep()));
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(results.at(0).code, CloneResult::WrongRadio);
    EXPECT_EQ(results.at(1).code, CloneResult::MissingData);
}

TEST(CloneErrors, HeadlineBlankLineAndTheCodesHints) {
    const std::string port = CloneErrors::CloneErrorText(2, 3, "/dev/ttyUSB2");
    EXPECT_EQ(port, CloneErrors::FormatPortText(GTex().GetText("GI_Mess_CloneErr_Head", 2), 3,
                                                "/dev/ttyUSB2") +
                        "\n\n" + GTex().GetText("GI_Mess_CloneErr_Check", 0) + "\n" +
                        GTex().GetText("GI_Mess_CloneErr_Check", 1) + "\n" +
                        GTex().GetText("GI_Mess_CloneErr_Check", 2) + "\n" +
                        GTex().GetText("GI_Mess_CloneErr_Check", 3));
    EXPECT_NE(port.find("/dev/ttyUSB2"), std::string::npos);
    EXPECT_EQ(CloneErrors::CloneErrorText(16, 1, ""),
              GTex().GetText("GI_Mess_CloneErr_Head", 16) + "\n\n");
    EXPECT_EQ(CloneErrors::CloneErrorHints(13), (std::vector<int>{6, 7}));
    EXPECT_EQ(CloneErrors::CloneErrorHints(10), (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(CloneErrors::CloneErrorHints(12), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(CloneErrors::CloneErrorHints(14), (std::vector<int>{0, 4, 5}));
    EXPECT_EQ(CloneErrors::CloneErrorHints(17), (std::vector<int>{0, 1, 2, 3}));
    // Every headline and hint the codes use exists in the overlay.
    for (int code = 1; code <= 17; ++code) {
        EXPECT_FALSE(GTex().GetText("GI_Mess_CloneErr_Head", code).empty());
    }
    for (int hint = 0; hint <= 7; ++hint) {
        EXPECT_EQ(GTex().GetText("GI_Mess_CloneErr_Check", hint).rfind("- ", 0), 0u);
    }
}

TEST(CloneErrors, PortTextFormatsOnlyItsOwnConversions) {
    EXPECT_EQ(CloneErrors::FormatPortText("COM%d at %s, 100%%", 4, "/dev/x"),
              "COM4 at /dev/x, 100%");
    EXPECT_EQ(CloneErrors::FormatPortText("%n %x %", 1, "y"), "%n %x %");
}

TEST(CloneProgress, FilledCellsAreDoneTimes33OverTotal) {
    EXPECT_EQ((indCloneProgress{0, 0}).Filled(), 0);
    EXPECT_EQ((indCloneProgress{100, 0}).Filled(), 0);
    EXPECT_EQ((indCloneProgress{0x3A00 / 2, 0x3A00}).Filled(), 16);
    EXPECT_EQ((indCloneProgress{0x3A00, 0x3A00}).Filled(), 33);
}

namespace {

// A write of a changed image into a radio that fails partway.
struct CloneManFailedWrite : CloneManRig {
    explicit CloneManFailedWrite(const std::string& fault) : CloneManRig(WithFault(fault)) {
        original.Assign(sim->Radio().Image());
        sent.Assign(original);
        for (int a = 0x80; a < 0x3A00; ++a) {
            sent.SetByte(a, static_cast<uint8_t>(sent.GetByte(a) ^ 0x5A));
        }
    }
    // Addresses of the ranges that the radio now holds as sent.
    int StoredAsSent() const {
        int n = 0;
        for (int a = 0x80; a < 0x3A00; ++a) {
            n += sim->Radio().Image().GetByte(a) == sent.GetByte(a) ? 1 : 0;
        }
        return n;
    }
    cmcEeprom original;
    cmcEeprom sent;
};

std::string WithPartial(const std::string& text) {
    const std::string::size_type blank = text.find("\n\n");
    return text.substr(0, blank) + "\n" + GTex().GetLines("GI_Mess_CloneErr_Partial") +
           text.substr(blank);
}

// The rig's device path does not exist: a lost line or a failed transmission reads as unplugged.
std::string WithVanished(const std::string& text) {
    const std::string::size_type end = text.find('\n');
    return text.substr(0, end) + "\n/dev/ttyTEST0 went away during the transfer: the cable " +
           "was unplugged or the adapter lost power. Plug it in again and repeat the command." +
           text.substr(end);
}

}  // namespace

// A write that ends after data went out warns that the radio holds a partly
// written image; the simulated radio holds the frames it stored before.
TEST(CloneManPartialWrite, TheMessageWarnsOfThePartlyWrittenImage) {
    struct Case {
        const char* fault;
        bool stop;  // the program stops the write itself
        CloneResult code;
    };
    const Case cases[] = {
        {"hangup=200", false, CloneResult::WriteFailed},
        {"stall-write=150", false, CloneResult::TimeOut},
        {"noise", true, CloneResult::Stopped},
    };
    for (const Case& c : cases) {
        CloneManFailedWrite t(c.fault);
        ASSERT_TRUE(t.man->StartWrite(t.sent, {{0x80, 0x39FF}}, t.Keep())) << c.fault;
        if (c.stop) {
            t.time.host.AdvanceUntil([&] { return t.man->Progress().done > 0x1000; }, 60000);
            t.man->Stop();
        }
        ASSERT_TRUE(t.RunToEnd()) << c.fault;
        ASSERT_EQ(t.results.size(), 1u) << c.fault;
        EXPECT_EQ(t.results[0].code, c.code) << c.fault;
        ASSERT_EQ(t.boxes.Boxes().size(), 1u) << c.fault;
        const std::string partial =
            WithPartial(CloneErrors::CloneErrorText(CodeNumber(c.code), 1, "/dev/ttyTEST0"));
        EXPECT_EQ(t.boxes.Boxes()[0].text,
                  c.code == CloneResult::WriteFailed ? WithVanished(partial) : partial)
            << c.fault;
        const int stored = t.StoredAsSent();
        EXPECT_GT(stored, 0) << c.fault;
        EXPECT_LT(stored, 0x3A00 - 0x80) << c.fault;
    }
}

TEST_F(CloneMan, TheProgressEndsBeforeTheMessageAndHintsMayBeTheProgramsOwn) {
    // Notes each message in the host's calls.
    struct OrderedBox : cmcMessageBoxHost {
        cmcMbResult Show(const std::string&, const std::string& shown, cmcMbButtons,
                         cmcMbIcon) override {
            calls->push_back("message");
            text = shown;
            return cmcMbResult::Ok;
        }
        std::vector<std::string>* calls = nullptr;
        std::string text;
    } box;
    box.calls = &host.calls;
    SetCurrentMessageBoxHost(&box);
    man->SetHintTexts({{1, "- own port hint"}, {3, "- own speed hint"}});
    // The read handler may show messages of its own: they come after the progress too.
    man->SetReadHandler([&](dst_CDrv_Result&) { host.calls.push_back("handler"); });
    device->failOpen = true;
    ASSERT_TRUE(man->StartRead({{0, 0x39FF}}, Keep()));
    host.calls.clear();
    ASSERT_TRUE(RunToEnd());
    SetCurrentMessageBoxHost(&boxes);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"hide", "handler", "message", "on"}));
    const std::string& text = box.text;
    EXPECT_NE(text.find("\n- own port hint\n"), std::string::npos);
    EXPECT_NE(text.find("\n- own speed hint"), std::string::npos);
    EXPECT_EQ(text.find(GTex().GetText("GI_Mess_CloneErr_Check", 1)), std::string::npos);
    EXPECT_NE(text.find(GTex().GetText("GI_Mess_CloneErr_Check", 0)), std::string::npos);
}

// The stop request is polled through every exchange; one raised before the
// start ends the exchange before anything is sent.
TEST(CloneManStopRequest, EndsEveryExchangeWithTheStoppedCode) {
    for (const bool read : {false, true}) {
        for (const bool before : {true, false}) {
            CloneManRig t;
            bool requested = before;
            t.man->SetStopRequest([&] { return requested; });
            ASSERT_TRUE(read ? t.man->StartRead({{0, 0x39FF}}, t.Keep())
                             : t.man->StartInformation(t.Keep()));
            if (!before) {
                t.time.host.AdvanceUntil([&] { return !t.device->written.empty(); }, 5000);
                requested = true;
            }
            ASSERT_TRUE(t.RunToEnd());
            ASSERT_EQ(t.results.size(), 1u);
            EXPECT_EQ(t.results[0].code, CloneResult::Stopped) << read << before;
            EXPECT_EQ(t.device->written.empty(), before) << read << before;
            EXPECT_EQ(t.boxes.Boxes().size(), 1u);
        }
    }
}

TEST(CloneManLineLost, AReadWhoseLineIsLostSaysSo) {
    CloneManFailedWrite t("hangup=300");
    ASSERT_TRUE(t.man->StartRead({{0, 0x39FF}}, t.Keep()));
    ASSERT_TRUE(t.RunToEnd());
    EXPECT_EQ(t.results.at(0).code, CloneResult::LineLost);
    EXPECT_EQ(t.boxes.Boxes().at(0).text,
              WithVanished(CloneErrors::CloneErrorText(CodeNumber(CloneResult::LineLost), 1,
                                                       "/dev/ttyTEST0")));
}

// The owner of the manager may destroy it from a command's completion.
TEST_F(CloneMan, TheCompletionMayDestroyTheManager) {
    int completions = 0;
    ASSERT_TRUE(man->StartInformation([&](dst_CDrv_Result&) {
        ++completions;
        man.reset();
    }));
    EXPECT_TRUE(time.host.AdvanceUntil([&] { return man == nullptr; }, 5000));
    time.host.Advance(100);
    EXPECT_EQ(completions, 1);
}
