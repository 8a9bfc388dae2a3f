#pragma once
// Where the memory channels, their names, scan membership, banks and global
// channel attributes live in the image.

namespace ChLayout {

constexpr int ChannelCount = 256;
constexpr int LastChannel = ChannelCount - 1;
constexpr int ChannelBase = 0x0400;  // 20-byte records
constexpr int ChannelSize = 20;
constexpr int NameBase = 0x2000;  // 12-character names
constexpr int NameSize = 12;
constexpr int BlankMarker = 0xF0;  // a first record byte at or above it marks a blank channel

constexpr int ScanTableBase = 0x0220;  // 10 scan lists of 34 bytes
constexpr int ScanListSize = 34;
constexpr int ScanListCount = 10;

constexpr int Banks = 16;
constexpr int NoBank = Banks;               // the bank of a channel outside every bank
constexpr int BankTable = 0x0100;           // 16 big-endian channel counts
constexpr int BankSmarTrunkFlags = 0x0096;  // bit 7 - (bank mod 8) of byte + bank div 8

constexpr int AdrEmergency = 0x0098;
constexpr int AdrPriorityA = 0x0099;
constexpr int AdrPriorityB = 0x009A;
constexpr int AdrEmergencyEnable = 0x00A2;  // bit 5
constexpr int EmergencyEnableBit = 0x20;

constexpr int ChannelAddress(int ch) {
    return ChannelBase + ChannelSize * ch;
}

}  // namespace ChLayout
