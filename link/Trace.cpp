#include "Trace.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

#include "CloneCheck.h"
#include "CloneFrames.h"
#include "HexDigit.h"

namespace Trace {

namespace {

struct FrameKind {
    uint8_t command;
    const char* name;
};

constexpr FrameKind kKinds[] = {
    {CloneFrame::SpeedChange, "speed-change"},   {CloneFrame::InfoRequest, "info-request"},
    {CloneFrame::Information, "information"},    {CloneFrame::ReadRequest, "read-request"},
    {CloneFrame::WriteRequest, "write-request"}, {CloneFrame::Data, "data"},
    {CloneFrame::EndOfData, "end-of-data"},      {CloneFrame::WriteStatus, "write-status"},
};

constexpr int CommandAt = 3;  // 0xFE, receiver, sender, command

const char* KindName(const cmcTraceFrame& frame) {
    if (frame.overflow) {
        return "overflow";
    }
    if (frame.bytes.Size() > CommandAt) {
        for (const FrameKind& k : kKinds) {
            if (k.command == frame.bytes.Data()[CommandAt]) {
                return k.name;
            }
        }
    }
    return "unknown";
}

std::string Hex(const uint8_t* bytes, int count) {
    if (count <= 0) {
        return "-";
    }
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(static_cast<size_t>(count) * 2);
    for (int i = 0; i < count; ++i) {
        out += kDigits[bytes[i] >> 4];
        out += kDigits[bytes[i] & 0x0F];
    }
    return out;
}

// The address of a data frame whose first four characters are hex digits, else "-".
std::string RawAddress(const cmcBuff& frame) {
    if (frame.Size() < CommandAt + 5) {
        return "-";
    }
    int address = 0;
    for (int i = CommandAt + 1; i <= CommandAt + 4; ++i) {
        const int digit = HexDigit::HexDigitValue(static_cast<char>(frame.Data()[i]));
        if (digit < 0) {
            return "-";
        }
        address = address * 16 + digit;
    }
    return HexDigit::Address(address);
}

}  // namespace

int64_t TraceNowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

std::string TraceTime(int64_t timeMs) {
    const std::time_t seconds = static_cast<std::time_t>(timeMs / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d.%03d", local.tm_hour, local.tm_min, local.tm_sec,
                  static_cast<int>(timeMs % 1000));
    return buf;
}

std::string FormatTraceNote(int64_t timeMs, const std::string& text) {
    return "# " + TraceTime(timeMs) + " " + text;
}

std::string FormatTraceFrame(const cmcTraceFrame& frame) {
    const std::string kind = KindName(frame);
    const cmcBuff& b = frame.bytes;
    std::string address = "-";
    std::string check = "-";
    std::string payload;
    if (kind == "data") {
        CloneCheck::DataFields fields;
        const bool good = CloneCheck::DecodeDataPayload(b, fields);
        check = good ? "ok" : "bad";
        if (good) {
            address = HexDigit::Address(fields.address);
            payload = Hex(fields.data.data(), static_cast<int>(fields.data.size()));
        } else {
            address = RawAddress(b);
        }
    }
    if (payload.empty()) {
        // Known kinds show what follows the command byte; others all after the start byte.
        const int from = kind != "unknown" ? CommandAt + 1 : 1;
        payload = b.Size() > from ? Hex(b.Data() + from, b.Size() - from) : "-";
    }
    char head[64];
    std::snprintf(head, sizeof head, "%s %s %6d %-13s %-4s %-3s ", TraceTime(frame.timeMs).c_str(),
                  frame.direction == cmcTraceDir::Sent ? "TX" : "RX", frame.baud, kind.c_str(),
                  address.c_str(), check.c_str());
    return head + payload;
}

}  // namespace Trace

cmcTraceTap::cmcTraceTap()
    : sent_(CloneFrame::MaxRadioFrame + 1), received_(CloneFrame::MaxRadioFrame + 1) {}

void cmcTraceTap::Note(const std::string& text) {
    if (sink_ != nullptr) {
        sink_->TraceLine(Trace::FormatTraceNote(Trace::TraceNowMs(), text));
    }
}

void cmcTraceTap::Opened(const std::string& text) {
    sent_.Reset();
    received_.Reset();
    Note(text);
}

void cmcTraceTap::Bytes(cmcTraceDir direction, int baud, const uint8_t* bytes, int length) {
    if (sink_ == nullptr) {
        return;
    }
    cmcFrameAssembler& assembler = direction == cmcTraceDir::Sent ? sent_ : received_;
    for (int i = 0; i < length; ++i) {
        const cmcFrameAssembler::Event event = assembler.Feed(bytes[i]);
        if (event == cmcFrameAssembler::Event::None) {
            continue;
        }
        cmcTraceFrame frame;
        frame.timeMs = Trace::TraceNowMs();
        frame.direction = direction;
        frame.baud = baud;
        frame.overflow = event == cmcFrameAssembler::Event::Overflow;
        if (!frame.overflow) {
            frame.bytes.Assign(assembler.Frame());
        }
        sink_->TraceLine(Trace::FormatTraceFrame(frame));
    }
}
