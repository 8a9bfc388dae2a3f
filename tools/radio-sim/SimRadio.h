#pragma once
// The protocol side of the simulated radio: it takes the bytes the program
// sends, at the line speed they were sent at, and answers as a radio would.
// It starts at 9600 baud; a speed-change frame (understood at any line speed)
// switches it, and any other frame sent at a line speed other than its own
// is garbage to it and ignored.

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "MemoryMap.h"
#include "SimFaults.h"
#include "cmcEeprom.h"
#include "cmcFrameAssembler.h"

struct SimConfig {
    cmcEeprom image;            // what the radio holds (image size)
    int mapRevision = 3;        // the high byte of its second identity word
    std::vector<uint8_t> info;  // the clone-information block (38 bytes)
    SimFaults faults;
    uint32_t seed = 1;  // of the noise
};

class SimRadio {
  public:
    static constexpr int ReadBlock = 16;     // data bytes per frame of a read
    static constexpr int CorruptFrame = 10;  // corrupt-store: the first byte of this data frame

    explicit SimRadio(SimConfig config);

    // Bytes from the program that arrived at lineBaud.
    void Receive(const uint8_t* bytes, int length, int lineBaud);
    // The next frame to send (noise included); false when none is waiting or
    // the line is to be hung up.
    bool TakeFrame(std::vector<uint8_t>& bytes);
    // After hangup=N: the line is to be closed now. Hung() starts afresh.
    bool WantsHangUp() const { return hangUp_; }
    void Hung();
    // A write whose frames stopped coming (the program was stopped, the cable
    // pulled): the radio gives it up and keeps what it stored.
    bool Writing() const { return writing_; }
    void AbandonWrite();
    // After stall-write=N: the radio reads nothing more from the line.
    bool StopsReading() const { return stalled_; }

    // Lines for the log: what the radio did.
    std::vector<std::string> TakeEvents();

    int Speed() const { return speed_; }
    // What the radio holds: a write stores every data frame as it arrives, so
    // an interrupted write leaves the image partly written.
    const cmcEeprom& Image() const { return config_.image; }
    // What the last finished write sent: the bytes and their ranges.
    bool HasWrite() const { return hasWrite_; }
    const cmcEeprom& Written() const { return written_; }
    std::vector<AddressRange> WrittenRanges() const;

  private:
    void TakeProgramFrame(const cmcBuff& frame, int lineBaud);
    void CountFrame();
    void Queue(uint8_t command, const cmcBuff& body);
    void AnswerInformation();
    void AnswerRead();
    void TakeWriteData(const cmcBuff& frame);
    void EndWrite();
    void Log(const std::string& line) { events_.push_back(line); }
    uint32_t Random();

    SimConfig config_;
    int speed_ = 9600;
    cmcFrameAssembler assembler_;
    std::deque<std::vector<uint8_t>> out_;
    std::vector<std::string> events_;
    int exchangeFrames_ = 0;
    bool hangUp_ = false;
    bool stalled_ = false;
    uint32_t random_;

    bool writing_ = false;
    bool writeBad_ = false;
    int writeFrames_ = 0;
    int writeBytes_ = 0;
    int corruptAddress_ = -1;
    bool hasWrite_ = false;
    cmcEeprom written_;
    std::vector<bool> writtenMap_;
};
