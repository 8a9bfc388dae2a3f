#pragma once
// The device behind a port number. The pattern comes from the setting
// Global/"ComDevice": a text whose %d stands for port number - 1 (ports count
// from 1, devices from 0), or a literal device path used for every port.

#include <string>

inline constexpr char DefaultComDevicePattern[] = "/dev/ttyUSB%d";

std::string ComDevicePath(const std::string& pattern, int portNumber);
