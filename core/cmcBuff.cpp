#include "cmcBuff.h"
#include "HexDigit.h"

#include <algorithm>
#include <cstring>

#include "cmcInternalErrorBox.h"

cmcBuff::cmcBuff() : data_(new uint8_t[1]{}) {}

cmcBuff::cmcBuff(const cmcBuff& other) : cmcBuff() {
    Assign(other);
}

cmcBuff::cmcBuff(const uint8_t* bytes, int n) : cmcBuff() {
    AppendBytes(bytes, n);
}

cmcBuff& cmcBuff::operator=(const cmcBuff& other) {
    if (this != &other) {
        Assign(other);
    }
    return *this;
}

cmcBuff::~cmcBuff() {
    delete[] data_;
}

void cmcBuff::Assign(const cmcBuff& other) {
    if (this != &other) {
        SetBytes(other.data_, other.size_);
    }
}

void cmcBuff::Reallocate(int capacity) {
    auto* fresh = new uint8_t[capacity];
    std::memcpy(fresh, data_, static_cast<size_t>(std::min(size_, capacity)));
    std::memset(fresh + size_, fill_, static_cast<size_t>(capacity - size_));
    delete[] data_;
    data_ = fresh;
    capacity_ = capacity;
}

int cmcBuff::SetSize(int n) {
    if (n < 0) {
        n = 0;
    }
    if (n > capacity_) {
        Reallocate(std::max(1, n + size_ / 4));
    }
    size_ = n;
    return size_;
}

uint8_t& cmcBuff::At(int i) {
    if (i < 0 || i >= size_) {
        cmcInternalError("Out of cmcBuff element !");
    }
    return data_[i];
}

const uint8_t& cmcBuff::At(int i) const {
    return const_cast<cmcBuff*>(this)->At(i);
}

void cmcBuff::Append(const cmcBuff& other) {
    AppendBytes(other.data_, other.size_);
}

void cmcBuff::AppendByte(uint8_t b) {
    AppendFill(b, 1);
}

void cmcBuff::AppendBytes(const void* bytes, int n) {
    if (n <= 0) {
        return;
    }
    const auto* source = static_cast<const uint8_t*>(bytes);
    if (source >= data_ && source < data_ + capacity_) {
        // Bytes of this buffer's own storage: growing frees it, so take a copy first.
        const cmcBuff copy(source, n);
        AppendBytes(copy.data_, copy.size_);
        return;
    }
    const int old = size_;
    SetSize(old + n);
    std::memcpy(data_ + old, source, static_cast<size_t>(n));
}

void cmcBuff::AppendFill(uint8_t b, int n) {
    if (n <= 0) {
        return;
    }
    const int old = size_;
    SetSize(old + n);
    std::memset(data_ + old, b, static_cast<size_t>(n));
}

void cmcBuff::SetBytes(const void* bytes, int n) {
    size_ = 0;
    AppendBytes(bytes, n);
}

void cmcBuff::Fill(uint8_t b) {
    std::memset(data_, b, static_cast<size_t>(size_));
}

void cmcBuff::Clear() {
    delete[] data_;
    data_ = new uint8_t[1]{fill_};
    size_ = 0;
    capacity_ = 1;
}

void cmcBuff::Shrink() {
    const int target = std::max(1, size_);
    if (target != capacity_) {
        Reallocate(target);
    }
}

cmcBuff cmcBuff::FromHex(std::string_view text) {
    cmcBuff out;
    int high = -1;
    for (char c : text) {
        const int v = HexDigit::HexDigitValue(c);
        if (v < 0) {
            continue;
        }
        if (high < 0) {
            high = v;
        } else {
            out.AppendByte(static_cast<uint8_t>(high << 4 | v));
            high = -1;
        }
    }
    if (high >= 0) {
        out.AppendByte(static_cast<uint8_t>(high << 4));
    }
    return out;
}
