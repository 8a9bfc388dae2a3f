#pragma once
// Test double of the serial device: the test (or a simulated radio attached
// through the write hook) queues the bytes the program will read, and sees
// every byte the program sent, every open and every line setting.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "cmcSerialDevice.h"

class cmcSerialDouble : public cmcSerialDevice {
  public:
    bool Open(const std::string& path) override;
    bool Configure(const cmcLineSettings& settings) override;
    void Close() override;
    bool IsOpen() const override { return open_; }

    int Read(uint8_t* buffer, int maximum) override;
    int Write(const uint8_t* bytes, int length) override;
    int InputCount() override;
    int OutputCount() override { return open_ ? outputCount : 0; }
    void Purge() override;
    int LastError() const override { return errorNumber; }

    // Queues bytes for the program to read.
    void Feed(const std::vector<uint8_t>& bytes);
    void Feed(const uint8_t* bytes, int length);
    // Ends the line: reads and writes fail from now on, until the next open.
    void HangUp() { hungUp_ = true; }

    // The settings of the last successful Configure.
    const cmcLineSettings& Line() const { return line_; }

    // Scripted behaviour.
    bool failOpen = false;
    bool failConfigure = false;
    int acceptPerWrite = -1;  // bytes accepted by one Write; -1 all, 0 none (full)
    bool failWrites = false;  // Write reports an error
    int outputCount = 0;      // reported as bytes not yet sent
    int errorNumber = 0;      // reported as the last error of any failure

    // What happened.
    std::vector<std::string> openedPaths;
    std::vector<cmcLineSettings> configured;
    std::vector<uint8_t> written;
    int purges = 0;
    int closes = 0;
    // Called with every accepted block (a simulated radio answers from here).
    std::function<void(const uint8_t*, int)> onWrite;

  private:
    bool open_ = false;
    bool hungUp_ = false;
    cmcLineSettings line_;
    std::deque<uint8_t> incoming_;
};
