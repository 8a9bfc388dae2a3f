// Radio bytes of any kind: through the frame assembler and each frame check
// on their own, then through the protocol driver in an information, read or
// write exchange (the mode byte), the radio's replies arriving one per frame
// the program sends. The driver must finish, report exactly once with a known
// code, and a read it calls good must cover exactly the ranges asked for.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "CloneCheck.h"
#include "CloneFrames.h"
#include "FrameExchange.h"
#include "FuzzSupport.h"
#include "SpeedChangeText.h"
#include "cmcFrameAssembler.h"

namespace {

constexpr uint32_t kMaxExchangeMs = 600000;

bool KnownCode(CloneResult code) {
    for (CloneResult known :
         {CloneResult::Success, CloneResult::PortFailed, CloneResult::TimeOut,
          CloneResult::BadFrame, CloneResult::MissingData, CloneResult::OutsideRanges,
          CloneResult::WriteRefused, CloneResult::WrongRadio, CloneResult::BadImage,
          CloneResult::NewerImage, CloneResult::WriteFailed}) {
        if (code == known) {
            return true;
        }
    }
    return false;
}

void CheckFrames(std::string_view bytes) {
    cmcFrameAssembler assembler(CloneFrame::MaxRadioFrame + 1);
    dst_CDrv_Result result;
    result.image.Resize(MemoryMap::ImageSize);
    int done = 0;
    for (const char ch : bytes) {
        if (assembler.Feed(static_cast<uint8_t>(ch)) != cmcFrameAssembler::Event::Frame) {
            continue;
        }
        const cmcBuff& frame = assembler.Frame();
        CloneCheck::DataFields fields;
        if (CloneCheck::DecodeDataPayload(frame, fields)) {
            FuzzExpect(fields.address >= 0 && fields.address <= 0xFFFF && fields.data.size() < 256,
                       "decoded address and count fit their digits");
        }
        const int before = done;
        const CloneCheck::ReadOutcome outcome =
            CloneCheck::TakeReadFrame(frame, MemoryMap::ImageSize, result, done);
        FuzzExpect(outcome.kind == CloneCheck::ReadOutcome::Data || done == before,
                   "only a data frame counts bytes");
        CloneCheck::TakeInformation(frame, result);
        CloneCheck::IsWriteAccepted(frame);
    }
    const CloneResult coverage = CloneCheck::CoverageCode(
        result.receivedMap, FrameExchange::Ranges(CloneOperation::Read), MemoryMap::ImageSize);
    FuzzExpect(coverage == CloneResult::Success || coverage == CloneResult::MissingData ||
                   coverage == CloneResult::OutsideRanges,
               "coverage code in range");
    std::string text(bytes);
    SpeedChangePart part;
    for (int n = 0; n < 1000 && TakeSpeedChangePart(text, part); ++n) {
    }
}

void RunExchange(const FrameExchange::Mode& mode, const std::vector<std::string>& replies) {
    FrameExchange::Bench bench(mode);
    size_t next = 0;
    cmcSerialDouble& device = bench.Device();
    device.onWrite = [&](const uint8_t* bytes, int length) {
        if (length > 0 && bytes[length - 1] == CloneFrame::End && next < replies.size()) {
            device.Feed(reinterpret_cast<const uint8_t*>(replies[next].data()),
                        static_cast<int>(replies[next].size()));
            ++next;
        }
    };
    const int completions = bench.Run(kMaxExchangeMs);
    FuzzExpect(!bench.Busy(), "the exchange ends");
    FuzzExpect(completions == 1, "the exchange reports exactly once");
    const dst_CDrv_Result& result = *bench.Result();
    FuzzExpect(result.kind == mode.operation, "the result is of the exchange started");
    FuzzExpect(KnownCode(result.code), "result code in range");
    if (result.code == CloneResult::Success && mode.operation == CloneOperation::Read) {
        FuzzExpect(
            CloneCheck::CoverageCode(result.receivedMap, FrameExchange::Ranges(mode.operation),
                                     MemoryMap::ImageSize) == CloneResult::Success,
            "a good read covers exactly the ranges");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::string_view bytes = FuzzText(data + 1, size - 1);
    CheckFrames(bytes);
    RunExchange(FrameExchange::DecodeMode(data[0]), FrameExchange::SplitReplies(bytes));
    return 0;
}
