#pragma once
// The serial devices present, for the Port menu: USB adapters (ttyUSB*),
// USB modems and cables of the communications class (ttyACM*), and on-board
// ports (ttyS*) that have a UART behind them. Read from sysfs and /dev under a
// root folder ("/" for the machine, a fake tree in tests).
//
// A ttyS counts as a real UART when its sysfs "type" (the serial core's port
// type) is not 0, which is "unknown": the 8250 driver registers placeholder
// ports of type 0 whether or not hardware answers. Without a "type" file the
// port counts when it has a driver other than the placeholder driver serial8250.

#include <string>
#include <vector>

struct indSerialPort {
    std::string path;   // the path to open: the /dev/serial/by-id link when there is one
    std::string name;   // the kernel's name, e.g. "ttyUSB0"
    std::string maker;  // the USB adapter's manufacturer and product; "" when unknown
    std::string product;

    // "/dev/ttyUSB0 - maker product" (the kernel's /dev path, whatever path holds).
    std::string Label() const;
};

namespace SerialPorts {

// Sorted: ttyACM, ttyS, ttyUSB, each by number.
std::vector<indSerialPort> ListSerialPorts(const std::string& root = "/");

}  // namespace SerialPorts
