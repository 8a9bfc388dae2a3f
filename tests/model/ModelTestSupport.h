#pragma once
// Helpers for the model tests: images, recorded events and scripted message boxes.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "MemoryMap.h"
#include "ScopedOverride.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"
#include "cmcTimerHost.h"
#include "cmcVirtualTimerHost.h"

inline cmcEeprom ZeroImage() {
    cmcEeprom image;
    image.Resize(MemoryMap::ImageSize);
    return image;
}

inline cmcEeprom RandomImage(uint32_t seed) {
    cmcEeprom image = ZeroImage();
    std::mt19937 rng(seed);
    for (int i = 0; i < image.Size(); ++i) {
        image.SetByte(i, static_cast<uint8_t>(rng()));
    }
    return image;
}

inline void SetWord(cmcEeprom& image, int address, int value) {
    image.SetByte(address, static_cast<uint8_t>(value >> 8));
    image.SetByte(address + 1, static_cast<uint8_t>(value));
}

inline void SetText(cmcEeprom& image, int address, const std::string& text) {
    image.WriteBlock(address, reinterpret_cast<const uint8_t*>(text.data()),
                     static_cast<int>(text.size()));
}

// Installs its own event manager and records every event delivered by Pump().
class EventRecorder {
  public:
    EventRecorder() { man_.AddListener(&Hear, this); }
    ~EventRecorder() { man_.RemoveListener(&Hear, this); }
    EventRecorder(const EventRecorder&) = delete;
    EventRecorder& operator=(const EventRecorder&) = delete;

    const std::vector<cmcEvent>& Pump() {
        man_.Pump();
        return events_;
    }
    std::vector<cmcEvent> Of(uint8_t kind) {
        Pump();
        std::vector<cmcEvent> out;
        for (const cmcEvent& e : events_) {
            if (e.kind == kind) {
                out.push_back(e);
            }
        }
        return out;
    }
    void Clear() {
        Pump();
        events_.clear();
    }

  private:
    static void Hear(void* self, const cmcEvent& e) {
        static_cast<EventRecorder*>(self)->events_.push_back(e);
    }

    cmcVirtualTimerHost host_;
    cmcEvMan man_{&host_};
    ScopedOverride<cmcEvMan> override_{SetEvMan, &man_};
    std::vector<cmcEvent> events_;
};

// Installs a scripted message box host for the test's lifetime.
class ScriptedBoxes {
  public:
    cmcScriptedMessageBox* operator->() { return &box_; }

  private:
    cmcScriptedMessageBox box_;
    ScopedOverride<cmcMessageBoxHost> override_{SetCurrentMessageBoxHost, &box_};
};
