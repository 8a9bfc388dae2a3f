#include "cmcEeprom.h"

#include <algorithm>
#include <cstring>

#include "cmcInternalErrorBox.h"

void cmcEeprom::Resize(int size) {
    data_.assign(static_cast<size_t>(std::max(0, size)), 0);
    ++changes_;
}

void cmcEeprom::Fill(uint8_t value) {
    std::fill(data_.begin(), data_.end(), value);
    ++changes_;
}

void cmcEeprom::Assign(const cmcEeprom& other) {
    if (data_ != other.data_) {
        data_ = other.data_;
        ++changes_;
    }
}

void cmcEeprom::SetByte(int address, uint8_t value) {
    if (!IsValidAddress(address)) {
        cmcInternalError("Out of EEPROM image address (SetByte).");
    }
    uint8_t& byte = data_[static_cast<size_t>(address)];
    if (byte != value) {
        byte = value;
        ++changes_;
    }
}

uint8_t cmcEeprom::GetByte(int address) const {
    if (!IsValidAddress(address)) {
        cmcInternalError("Out of EEPROM image address (GetByte).");
    }
    return data_[static_cast<size_t>(address)];
}

bool cmcEeprom::IsValidBlock(int address, int length) const {
    return IsValidAddress(address) && length >= 1 && length <= Size() - address;
}

void cmcEeprom::WriteBlock(int address, const uint8_t* source, int length) {
    if (IsValidBlock(address, length) &&
        std::memcmp(data_.data() + address, source, static_cast<size_t>(length)) != 0) {
        std::memmove(data_.data() + address, source, static_cast<size_t>(length));
        ++changes_;
    }
}

void cmcEeprom::ReadBlock(int address, uint8_t* destination, int length) const {
    if (IsValidBlock(address, length)) {
        std::memcpy(destination, data_.data() + address, static_cast<size_t>(length));
    }
}
