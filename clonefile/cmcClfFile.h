#pragma once
// The clone file: the image as hexadecimal text. Header line (model code and
// file revision), comment line, then data lines "AAAACC" + CC bytes. The
// reader accepts any order of data lines and checks which bytes a file covers.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ClfResult.h"
#include "MemoryMap.h"
#include "cmcEeprom.h"

class ClfLineSource;

class cmcClfFile {
  public:
    // Decides on the header words: true accepts; false refuses with result set.
    using HeaderCheck = std::function<bool(int word1, int word2, int& result)>;
    static constexpr int BytesPerLine = 16;

    cmcClfFile() = default;

    // Sets the image read into or written from (not owned); clears both bit maps
    // and expects the whole image.
    void AttachTarget(cmcEeprom* image);
    void SetHeaderWords(int word1, int word2);
    // Line ends in the text are written as blanks so that the comment stays one line.
    void SetComment(const std::string& text);
    // Without a header check the words must equal the header words.
    void SetHeaderCheck(HeaderCheck check) { headerCheck_ = std::move(check); }

    // Writes the header, the comment and the data lines of ranges; 0, 1 or 2.
    // An existing file is replaced only when everything was written. Shows the
    // message of a non-zero code.
    int SaveFile(const std::string& name, const std::vector<AddressRange>& ranges);
    // Reads a file into the target; with ranges, also checks coverage. On a
    // non-zero code the target is restored. Shows the message of a non-zero
    // code, naming the file and the line at fault. A file larger than
    // kMaxCloneFileBytes, or one that is not a regular file, gives code 1.
    int LoadFile(const std::string& name, const std::vector<AddressRange>* ranges);
    // LoadFile over text in memory, without showing a message.
    int LoadText(std::string_view text, const std::vector<AddressRange>* ranges);
    // 0 when exactly the bytes of ranges were read; 8 when a byte outside them
    // was read; 7 when only some of them are missing.
    int CheckCoverage(const std::vector<AddressRange>& ranges);

    // The whole file as SaveFile writes it: CR LF line ends, upper-case hex.
    std::string FormatText(const std::vector<AddressRange>& ranges) const;

    // From a "#MapRev=N" comment of the last load; -1 when none.
    int RecordedMapRevision() const { return recordedMapRevision_; }
    bool WasRead(int address) const { return TestBit(read_, address); }
    // The line (from 1) at which the last load failed; 0 when it succeeded or
    // no single line was at fault (an empty file, missing coverage).
    int ErrorLine() const { return errorLine_; }

  private:
    int Load(ClfLineSource& source, const std::vector<AddressRange>* ranges);
    int ReadHeader(ClfLineSource& source);
    int ReadBody(ClfLineSource& source);
    int ImageSize() const { return target_ != nullptr ? target_->Size() : 0; }
    // The leading ranges that lie inside the image with start <= end.
    std::vector<AddressRange> ValidRanges(const std::vector<AddressRange>& ranges) const;
    void BuildExpected(const std::vector<AddressRange>& ranges);
    bool TestBit(const std::vector<uint8_t>& map, int address) const;
    static void SetBit(std::vector<uint8_t>& map, int address);

    cmcEeprom* target_ = nullptr;
    int word1_ = 0;
    int word2_ = 0;
    std::string comment_;
    int recordedMapRevision_ = -1;
    int errorLine_ = 0;
    HeaderCheck headerCheck_;
    std::vector<uint8_t> expected_;
    std::vector<uint8_t> read_;
};
