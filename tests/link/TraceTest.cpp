// The serial trace: the line of each kind of frame, and the frame sequence of
// whole exchanges against the simulated radio.

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "CloneFrames.h"
#include "SimOnDouble.h"
#include "SpeedChangeText.h"
#include "Trace.h"
#include "VirtualTime.h"
#include "cmcCloneDrv.h"

namespace {

// The columns after the time: direction, baud, kind, address, check, payload.
struct TraceFields {
    std::string dir, baud, kind, address, check, payload;
};

TraceFields Fields(const std::string& line) {
    std::istringstream in(line);
    std::string time;
    TraceFields f;
    in >> time >> f.dir >> f.baud >> f.kind >> f.address >> f.check >> f.payload;
    return f;
}

cmcTraceFrame Frame(cmcTraceDir dir, const std::vector<uint8_t>& bytes) {
    cmcTraceFrame f;
    f.direction = dir;
    f.baud = 9600;
    f.bytes.AppendBytes(bytes.data(), static_cast<int>(bytes.size()));
    return f;
}

std::vector<uint8_t> Ascii(std::vector<uint8_t> head, const std::string& text) {
    head.insert(head.end(), text.begin(), text.end());
    return head;
}

struct Lines : cmcTraceSink {
    void TraceLine(const std::string& line) override { lines.push_back(line); }
    std::vector<std::string> lines;
};

}  // namespace

TEST(TraceFormat, EachKindOfFrameGivesItsColumns) {
    const std::vector<uint8_t> radio = {0xFE, 0xEF, 0xEE};
    const std::vector<uint8_t> program = {0xFE, 0xEE, 0xEF};
    auto with = [](std::vector<uint8_t> head, std::vector<uint8_t> tail) {
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    };
    struct Case {
        cmcTraceFrame frame;
        TraceFields expected;
    } cases[] = {
        // 0x0010, 2 bytes AB CD: checksum = -(0x00 + 0x10 + 0x02 + 0xAB + 0xCD) = 0x76.
        {Frame(cmcTraceDir::Received, Ascii(with(radio, {0xE4}), "001002ABCD76")),
         {"RX", "9600", "data", "0010", "ok", "ABCD"}},
        {Frame(cmcTraceDir::Received, Ascii(with(radio, {0xE4}), "001002ABCD77")),
         {"RX", "9600", "data", "0010", "bad", "303031303032414243443737"}},
        {Frame(cmcTraceDir::Received, Ascii(with(radio, {0xE4}), "001002abcd76")),
         {"RX", "9600", "data", "0010", "bad", "303031303032616263643736"}},
        {Frame(cmcTraceDir::Received, Ascii(with(radio, {0xE4}), "zz")),
         {"RX", "9600", "data", "-", "bad", "7A7A"}},
        {Frame(cmcTraceDir::Sent, with(program, {0xE2, 0x23, 0x36, 0x00, 0x00})),
         {"TX", "9600", "read-request", "-", "-", "23360000"}},
        {Frame(cmcTraceDir::Received, with(radio, {0xE6, 0x00})),
         {"RX", "9600", "write-status", "-", "-", "00"}},
        {Frame(cmcTraceDir::Sent, with(program, {0xE5})),
         {"TX", "9600", "end-of-data", "-", "-", "-"}},
        {Frame(cmcTraceDir::Received, with(radio, {0x99, 0x01})),
         {"RX", "9600", "unknown", "-", "-", "EFEE9901"}},
        {Frame(cmcTraceDir::Received, {0xFE, 0x42}), {"RX", "9600", "unknown", "-", "-", "42"}},
    };
    for (const Case& c : cases) {
        const std::string line = Trace::FormatTraceFrame(c.frame);
        const TraceFields f = Fields(line);
        const TraceFields& e = c.expected;
        EXPECT_EQ(
            f.dir + " " + f.baud + " " + f.kind + " " + f.address + " " + f.check + " " + f.payload,
            e.dir + " " + e.baud + " " + e.kind + " " + e.address + " " + e.check + " " + e.payload)
            << line;
    }
    cmcTraceFrame overflow = Frame(cmcTraceDir::Received, {});
    overflow.overflow = true;
    EXPECT_EQ(Fields(Trace::FormatTraceFrame(overflow)).kind, "overflow");
    // The time of day with milliseconds leads every line.
    EXPECT_EQ(Trace::FormatTraceFrame(overflow).substr(8, 1), ".");
    EXPECT_EQ(Trace::FormatTraceNote(0, "close").substr(0, 2), "# ");
}

namespace {

// The protocol driver on the simulated radio, tracing into lines.
struct TracedExchange {
    explicit TracedExchange(SimConfig config = SimOnDouble::DefaultConfig()) {
        auto d = std::make_unique<cmcSerialDouble>();
        device = d.get();
        sim = std::make_unique<SimOnDouble>(*device, std::move(config));
        drv = std::make_unique<cmcCloneDrv>(std::move(d));
        drv->SetIdentity(0x2336, 0);
        drv->SetImageSize(0x4000);
        drv->SetPort(1, "9600,N,8,1");
        drv->SetPreambles(12, 0);
        drv->SetSpeedChangeText(SpeedChangeForm38400(0x2336));
        drv->Port().SetTrace(&trace);
    }
    void Read() {
        ASSERT_TRUE(drv->StartRead({{0, 0x39FF}},
                                   [this](dst_CDrv_Result& r) { code = CodeNumber(r.code); }));
        ASSERT_TRUE(time.host.AdvanceUntil([&] { return !drv->IsBusy(); }, 200000));
    }
    // The frame lines as "DIR BAUD KIND CHECK", runs of good data frames as one "data*".
    std::vector<std::string> Sequence() const {
        std::vector<std::string> out;
        for (const std::string& line : trace.lines) {
            if (line[0] == '#') {
                out.push_back(line.substr(line.find(' ', 2) + 1));
                continue;
            }
            const TraceFields f = Fields(line);
            const std::string entry = f.dir + " " + f.baud + " " + f.kind + " " + f.check;
            if (entry == "RX 9600 data ok" && !out.empty() && out.back() == "RX 9600 data* ok") {
                continue;
            }
            out.push_back(entry == "RX 9600 data ok" ? "RX 9600 data* ok" : entry);
        }
        return out;
    }

    VirtualTime time;
    cmcSerialDouble* device;
    std::unique_ptr<SimOnDouble> sim;
    std::unique_ptr<cmcCloneDrv> drv;
    Lines trace;
    int code = -1;
};

SimConfig WithFault(const std::string& fault) {
    SimConfig c = SimOnDouble::DefaultConfig();
    std::string error;
    EXPECT_TRUE(AddFault(fault, c.faults, error)) << error;
    return c;
}

}  // namespace

TEST(TraceExchange, AReadGivesTheFrameSequenceWithDirectionsSpeedsAndVerdicts) {
    TracedExchange x;
    x.Read();
    EXPECT_EQ(x.code, 0);
    const std::vector<std::string> expected = {"open /dev/ttyUSB0 38400,N,8,1",
                                               "TX 38400 speed-change -",
                                               "close",
                                               "open /dev/ttyUSB0 9600,N,8,1",
                                               "TX 9600 read-request -",
                                               "RX 9600 data* ok",
                                               "RX 9600 end-of-data -",
                                               "close"};
    EXPECT_EQ(x.Sequence(), expected);
    // The data frames carry the ranges in order, each address once.
    int next = 0;
    for (const std::string& line : x.trace.lines) {
        const TraceFields f = Fields(line);
        if (f.kind == "data") {
            EXPECT_EQ(std::stoi(f.address, nullptr, 16), next) << line;
            next += static_cast<int>(f.payload.size() / 2);
        }
    }
    EXPECT_EQ(next, 0x3A00);
}

TEST(TraceExchange, AFrameWithABadCheckSumIsMarkedBad) {
    TracedExchange x(WithFault("bad-checksum=3"));
    x.Read();
    EXPECT_EQ(x.code, 6);
    // Frames that arrived with the bad one are traced too: the trace shows the line, not the
    // driver.
    const std::vector<std::string> sequence = x.Sequence();
    ASSERT_GE(sequence.size(), 8u);
    EXPECT_EQ(sequence[5], "RX 9600 data* ok");
    EXPECT_EQ(sequence[6], "RX 9600 data bad");
    EXPECT_EQ(sequence.back(), "close");
    int bad = 0;
    for (const std::string& line : x.trace.lines) {
        bad += Fields(line).check == "bad";
    }
    EXPECT_EQ(bad, 1);
}

TEST(TraceExchange, AFailedOpeningAndALostLineAreNoted) {
    TracedExchange x;
    x.device->failOpen = true;
    x.device->errorNumber = 13;  // EACCES
    x.Read();
    EXPECT_EQ(x.code, 2);
    ASSERT_EQ(x.trace.lines.size(), 1u);
    EXPECT_NE(x.trace.lines[0].find("open /dev/ttyUSB0 failed: Permission denied"),
              std::string::npos);

    TracedExchange lost(WithFault("hangup=4"));
    lost.Read();
    EXPECT_EQ(lost.code, 19);
    EXPECT_EQ(lost.Sequence().at(lost.Sequence().size() - 2), "read failed: device error");
}
