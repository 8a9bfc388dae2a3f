#include "cmcFrameAssembler.h"

#include "CloneFrames.h"

cmcFrameAssembler::Event cmcFrameAssembler::Feed(uint8_t byte) {
    if (complete_) {
        Reset();
    }
    if (byte == CloneFrame::Start) {
        frame_.Clear();
        frame_.AppendByte(byte);
        started_ = true;
    } else if (!started_) {
        return Event::None;
    } else if (byte == CloneFrame::End) {
        started_ = false;
        complete_ = true;
        return Event::Frame;
    } else {
        frame_.AppendByte(byte);
    }
    if (frame_.Size() >= limit_) {
        Reset();
        return Event::Overflow;
    }
    return Event::None;
}

void cmcFrameAssembler::Reset() {
    frame_.Clear();
    started_ = false;
    complete_ = false;
}
