#pragma once
// Assembles radio frames from received bytes: 0xFE (re)starts a frame, bytes
// before a start are ignored, 0xFD ends the frame (the 0xFD is not kept).

#include <cstdint>

#include "cmcBuff.h"

class cmcFrameAssembler {
  public:
    enum class Event { None, Frame, Overflow };

    // A frame that reaches limit bytes without its end overflows.
    explicit cmcFrameAssembler(int limit) : limit_(limit) {}

    // Frame: Frame() holds the completed frame until the next Feed or Reset.
    // Overflow: the frame was dropped.
    Event Feed(uint8_t byte);
    const cmcBuff& Frame() const { return frame_; }
    void Reset();

  private:
    int limit_;
    bool started_ = false;
    bool complete_ = false;
    cmcBuff frame_;
};
