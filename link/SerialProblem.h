#pragma once
// What went wrong with the serial device itself, in the user's words: no
// permission to open it (with the group that owns it and how to join that
// group), not present, in use, or gone in the middle of a transfer. One text
// for the window and the command line, added to the failure message of an
// exchange.

#include <string>

#include "dst_CDrv_Result.h"

// The group that owns path, or "" when it cannot be told.
std::string DeviceGroup(const std::string& path);

// The device went away: a transfer error that means the device is gone
// (ENXIO, EIO, ENODEV), or the path no longer exists.
bool DeviceVanished(const std::string& path, int error);

// The explanation of a failed exchange's device error for its result code,
// or "" when the error says nothing about the device. error is the device's
// error number (0 when unknown).
std::string SerialProblemText(CloneResult code, const std::string& path, int error);
