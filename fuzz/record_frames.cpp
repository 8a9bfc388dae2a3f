// orvane-record-frames DIR: records exchanges between the protocol driver and
// the simulated radio (on a serial double, virtual time) as cloneframe_fuzz
// inputs: the mode byte and the radio's replies, one per frame the program
// sent. A clean radio at both speeds for each exchange, and a radio with each
// of its faults, so that the seeds reach the good and the refusing paths.
// Long replies of a faulty radio are cut short to keep the seeds small.

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "CloneFrames.h"
#include "FrameExchange.h"
#include "SimFaults.h"
#include "SimImageFile.h"
#include "SimRadio.h"

namespace {

struct Recording {
    const char* name;
    CloneOperation operation;
    bool highSpeed;
    const char* fault;  // as the simulator's --fault takes it; empty for none
    int keepFrames;     // a reply keeps its first frames and its last; 0 all of them
};

constexpr Recording kRecordings[] = {
    {"info-low", CloneOperation::Information, false, "", 0},
    {"info-high", CloneOperation::Information, true, "", 0},
    {"info-short", CloneOperation::Information, false, "short-info", 0},
    {"info-non-bcd", CloneOperation::Information, false, "non-bcd", 0},
    {"read-low", CloneOperation::Read, false, "", 0},
    {"read-high", CloneOperation::Read, true, "", 0},
    {"read-cut-short", CloneOperation::Read, false, "", 12},
    {"read-bad-checksum", CloneOperation::Read, false, "bad-checksum=2", 12},
    {"read-lowercase", CloneOperation::Read, false, "lowercase", 12},
    {"read-outside", CloneOperation::Read, false, "outside", 12},
    {"read-noise", CloneOperation::Read, true, "noise", 12},
    {"write-low", CloneOperation::Write, false, "", 0},
    {"write-high", CloneOperation::Write, true, "", 0},
    {"write-refused", CloneOperation::Write, false, "refuse-write", 0},
};

SimConfig RadioConfig(const char* fault) {
    SimConfig config;
    DefaultSimImage(config.image, 3);
    config.info.assign(38, 0);
    config.info[34] = 0x40;
    std::string error;
    if (*fault != '\0' && !AddFault(fault, config.faults, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
    }
    return config;
}

// The first keep frames of a reply and its last one (all when keep is 0).
std::string Shorten(const std::string& reply, int keep) {
    std::vector<std::string> frames(1);
    for (const char ch : reply) {
        frames.back().push_back(ch);
        if (static_cast<uint8_t>(ch) == CloneFrame::End) {
            frames.emplace_back();
        }
    }
    if (keep == 0 || static_cast<int>(frames.size()) <= keep + 2) {
        return reply;
    }
    std::string out;
    for (int i = 0; i < keep; ++i) {
        out += frames[static_cast<size_t>(i)];
    }
    return out + frames[frames.size() - 2] + frames.back();
}

// The replies of one exchange and its result code.
std::vector<std::string> Record(const Recording& r, int& code) {
    const FrameExchange::Mode mode{r.operation, r.highSpeed};
    FrameExchange::Bench bench(mode);
    SimRadio radio(RadioConfig(r.fault));
    std::vector<std::string> replies;
    std::string pending;
    cmcSerialDouble& device = bench.Device();
    device.onWrite = [&](const uint8_t* bytes, int length) {
        radio.Receive(bytes, length, device.Line().baud);
        std::vector<uint8_t> frame;
        while (radio.TakeFrame(frame)) {
            device.Feed(frame);
            pending.append(frame.begin(), frame.end());
        }
        if (length > 0 && bytes[length - 1] == CloneFrame::End) {
            replies.push_back(pending);
            pending.clear();
        }
    };
    bench.Run(600000);
    code = bench.Result() != nullptr ? CodeNumber(bench.Result()->code) : -1;
    return replies;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 64;
    }
    for (const Recording& r : kRecordings) {
        int code = -1;
        const std::vector<std::string> replies = Record(r, code);
        const std::string path = std::string(argv[1]) + "/" + r.name;
        std::ofstream out(path, std::ios::binary);
        out.put(static_cast<char>(FrameExchange::EncodeMode({r.operation, r.highSpeed})));
        std::vector<std::string> kept;
        for (const std::string& reply : replies) {
            kept.push_back(Shorten(reply, r.keepFrames));
        }
        out << FrameExchange::JoinReplies(kept);
        if (!out.flush()) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("%-20s %2zu replies, result code %d (recorded)\n", r.name, replies.size(),
                    code);
    }
    return 0;
}
