#pragma once
// Growable byte buffer in which serial frames, clone data and packed values
// are assembled. Grows by a quarter of its size beyond each request so that
// byte-by-byte appending costs amortised constant time.

#include <cstddef>
#include <cstdint>
#include <string_view>

class cmcBuff {
  public:
    cmcBuff();
    cmcBuff(const cmcBuff& other);
    cmcBuff(const uint8_t* bytes, int n);
    cmcBuff& operator=(const cmcBuff& other);
    virtual ~cmcBuff();

    void Assign(const cmcBuff& other);
    int SetSize(int n);
    int Size() const { return size_; }
    int Capacity() const { return capacity_; }
    uint8_t* Data() { return data_; }
    const uint8_t* Data() const { return data_; }
    uint8_t& At(int i);
    const uint8_t& At(int i) const;

    void Append(const cmcBuff& other);
    void AppendByte(uint8_t b);
    void AppendBytes(const void* bytes, int n);
    void AppendFill(uint8_t b, int n);
    void SetBytes(const void* bytes, int n);
    void Fill(uint8_t b);
    void Clear();
    void Shrink();

    // Builds the buffer from the hex digits of text; other characters are skipped,
    // an odd last digit becomes the high nibble of a last byte.
    static cmcBuff FromHex(std::string_view text);

  private:
    void Reallocate(int capacity);

    uint8_t* data_;
    int size_ = 0;
    int capacity_ = 1;
    uint8_t fill_ = 0;
};
