#pragma once
// The serial trace: every frame of the running exchange as one text line,
// "TIME DIR BAUD KIND ADDRESS CHECK PAYLOAD", and the port's openings and
// closings as note lines starting with "#". The port feeds the bytes of both
// directions into a tap, which splits them into frames and hands each line to
// a sink (a trace file, the trace window's log).

#include <cstdint>
#include <string>

#include "cmcBuff.h"
#include "cmcFrameAssembler.h"

enum class cmcTraceDir : uint8_t { Sent, Received };

struct cmcTraceFrame {
    int64_t timeMs = 0;  // wall clock, milliseconds since the epoch
    cmcTraceDir direction = cmcTraceDir::Sent;
    int baud = 0;
    cmcBuff bytes;          // from the 0xFE on, without the 0xFD
    bool overflow = false;  // no 0xFD came within the longest frame
};

class cmcTraceSink {
  public:
    virtual ~cmcTraceSink() = default;
    // One line, without its line end.
    virtual void TraceLine(const std::string& line) = 0;
};

class cmcTraceTap {
  public:
    cmcTraceTap();

    // nullptr: no trace (the bytes are not even looked at).
    void SetSink(cmcTraceSink* sink) { sink_ = sink; }
    cmcTraceSink* Sink() const { return sink_; }

    // A note line; a port opening also starts both directions afresh.
    void Note(const std::string& text);
    void Opened(const std::string& text);
    void Bytes(cmcTraceDir direction, int baud, const uint8_t* bytes, int length);

  private:
    cmcTraceSink* sink_ = nullptr;
    cmcFrameAssembler sent_;
    cmcFrameAssembler received_;
};

namespace Trace {

// The first line of a trace file.
inline constexpr char TraceHeader[] =
    "# orvane serial trace: time direction baud kind address check payload";

// One frame's line. Kinds by command byte (speed-change, info-request,
// information, read-request, write-request, data, end-of-data, write-status),
// else unknown, or overflow. A data frame shows its address, "ok" or "bad" for
// its check sum and, when good, its data bytes; other frames show "-" for
// address and check and the bytes after the command byte. Payloads are
// upper-case hex without spaces, "-" when empty.
std::string FormatTraceFrame(const cmcTraceFrame& frame);
// "# TIME text".
std::string FormatTraceNote(int64_t timeMs, const std::string& text);
// Local time of day "HH:MM:SS.mmm".
std::string TraceTime(int64_t timeMs);
int64_t TraceNowMs();

}  // namespace Trace
