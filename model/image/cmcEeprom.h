#pragma once
// The image: a byte array that mirrors the radio's EEPROM. Cells read and
// write fields of it, clone files store it, the clone protocol transfers it.

#include <cstdint>
#include <vector>

class cmcEeprom {
  public:
    cmcEeprom() = default;

    // Clears every byte to 0, also when the size does not change.
    void Resize(int size);
    void Fill(uint8_t value);
    int Size() const { return static_cast<int>(data_.size()); }
    bool IsValidAddress(int address) const { return address >= 0 && address < Size(); }

    // An address outside the image is a program fault (internal error box).
    void SetByte(int address, uint8_t value);
    uint8_t GetByte(int address) const;

    // Copy a block in or out only when it lies wholly inside the image; otherwise do nothing.
    void WriteBlock(int address, const uint8_t* source, int length);
    void ReadBlock(int address, uint8_t* destination, int length) const;

    void Assign(const cmcEeprom& other);
    bool IsEqual(const cmcEeprom& other) const { return data_ == other.data_; }

    const uint8_t* Data() const { return data_.data(); }

    // Counts the writes that changed a byte (any call above that altered the
    // contents counts once): two equal counts mean nothing was changed between.
    uint64_t Changes() const { return changes_; }

  private:
    bool IsValidBlock(int address, int length) const;

    std::vector<uint8_t> data_;
    uint64_t changes_ = 0;
};
