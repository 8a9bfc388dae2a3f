#pragma once
// The Port menu's list of serial devices present: captions for the entries,
// which one is the chosen port, and choosing one (its path becomes the
// setting ComDevice, a literal path used for every port number). Choosing a
// numbered port puts the device pattern back, so that the number counts again.

#include <cstdint>
#include <string>
#include <vector>

#include "SerialPorts.h"

class indEnviron;

class indPortMenu {
  public:
    // The list is read again when it is older than this (a menu asks every entry at once).
    static constexpr uint32_t FreshMs = 1000;

    explicit indPortMenu(indEnviron& store) : environ_(store) {}
    // The folder under which sysfs and /dev are read ("/" unless a test says otherwise).
    void SetDeviceRoot(const std::string& root) {
        root_ = root;
        listed_ = false;
    }

    // The menu caption of the device at index ("&" doubled), "" when there is none.
    std::string Caption(int index);
    bool Chosen(int index);
    // Stores the path of the device at index as the port; false when there is none.
    bool Choose(int index);
    // The port is a number in the device pattern, not a device chosen from the list.
    bool Numbered() const;
    // A numbered port: the number, and the pattern back in place of a chosen device.
    void SetComPort(int port);

  private:
    const indSerialPort* At(int index);

    indEnviron& environ_;
    std::string root_ = "/";
    std::vector<indSerialPort> ports_;
    bool listed_ = false;
    uint32_t listedAt_ = 0;
};
