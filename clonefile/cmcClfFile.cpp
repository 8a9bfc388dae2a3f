#include "cmcClfFile.h"

#include <algorithm>
#include <cstring>

#include "ClfLineSource.h"
#include "CloneFileLine.h"
#include "SafeFile.h"
#include "cmcInputFile.h"

namespace {

constexpr char kLineEnd[] = "\r\n";

int SaveResult(cmcSafeFileResult r) {
    switch (r) {
        case cmcSafeFileResult::Ok:
            return ClfOk;
        case cmcSafeFileResult::OpenFailed:
            return ClfFileOpen;
        case cmcSafeFileResult::WriteFailed:
            break;
    }
    return ClfFileAccess;
}

}  // namespace

void cmcClfFile::AttachTarget(cmcEeprom* image) {
    target_ = image;
    const size_t mapBytes = static_cast<size_t>(ImageSize() + 7) / 8;
    expected_.assign(mapBytes, 0);
    read_.assign(mapBytes, 0);
    BuildExpected({{0, ImageSize() - 1}});
}

void cmcClfFile::SetHeaderWords(int word1, int word2) {
    word1_ = word1;
    word2_ = word2;
}

void cmcClfFile::SetComment(const std::string& text) {
    comment_ = text;
    std::replace(comment_.begin(), comment_.end(), '\r', ' ');
    std::replace(comment_.begin(), comment_.end(), '\n', ' ');
}

std::vector<AddressRange> cmcClfFile::ValidRanges(const std::vector<AddressRange>& ranges) const {
    std::vector<AddressRange> valid;
    for (const AddressRange& r : ranges) {
        if (r.start > r.end || r.start < 0 || r.end >= ImageSize()) {
            break;
        }
        valid.push_back(r);
    }
    return valid;
}

bool cmcClfFile::TestBit(const std::vector<uint8_t>& map, int address) const {
    if (address < 0 || address >= ImageSize()) {
        return false;
    }
    return (map[static_cast<size_t>(address / 8)] >> (address % 8) & 1) != 0;
}

void cmcClfFile::SetBit(std::vector<uint8_t>& map, int address) {
    map[static_cast<size_t>(address / 8)] |= static_cast<uint8_t>(1u << (address % 8));
}

void cmcClfFile::BuildExpected(const std::vector<AddressRange>& ranges) {
    std::fill(expected_.begin(), expected_.end(), 0);
    for (const AddressRange& r : ValidRanges(ranges)) {
        for (int a = r.start; a <= r.end; ++a) {
            SetBit(expected_, a);
        }
    }
}

std::string cmcClfFile::FormatText(const std::vector<AddressRange>& ranges) const {
    std::string text =
        CloneFileLine::FormatHeaderLine(word1_, word2_) + kLineEnd + "#" + comment_ + kLineEnd;
    for (const AddressRange& r : ValidRanges(ranges)) {
        for (int a = r.start; a <= r.end;) {
            const int count = std::min(BytesPerLine - a % BytesPerLine, r.end - a + 1);
            CloneFileLine::AppendDataLine(text, a, target_->Data() + a, count);
            text += kLineEnd;
            a += count;
        }
    }
    return text;
}

int cmcClfFile::SaveFile(const std::string& name, const std::vector<AddressRange>& ranges) {
    int error = 0;
    const int code = SaveResult(SafeFile::WriteFileReplacing(name, FormatText(ranges), &error));
    ShowFileError(code, {name, 0, code != ClfOk && error != 0 ? std::strerror(error) : ""});
    return code;
}

int cmcClfFile::LoadFile(const std::string& name, const std::vector<AddressRange>* ranges) {
    const cmcInputFile input = ReadInputFile(name, kMaxCloneFileBytes);
    ClfErrorPlace place{name, 0, InputFileProblem(input, kMaxCloneFileBytes)};
    int code = ClfFileOpen;
    if (input.result == cmcInputFileResult::Ok) {
        code = LoadText(input.contents, ranges);
        place.line = errorLine_;
    }
    ShowFileError(code, place);
    return code;
}

int cmcClfFile::LoadText(std::string_view text, const std::vector<AddressRange>* ranges) {
    ClfLineSource source(text);
    return Load(source, ranges);
}

int cmcClfFile::Load(ClfLineSource& source, const std::vector<AddressRange>* ranges) {
    cmcEeprom original;
    if (target_ != nullptr) {
        original.Assign(*target_);
    }
    std::fill(read_.begin(), read_.end(), 0);
    recordedMapRevision_ = -1;
    errorLine_ = 0;

    int code = ReadHeader(source);
    if (code == ClfOk) {
        code = ReadBody(source);
    }
    if (code != ClfOk) {
        errorLine_ = source.LineNumber();  // the line that ended the reading, if any
    }
    if (code == ClfOk && ranges != nullptr) {
        code = CheckCoverage(*ranges);
    }
    if (code != ClfOk && target_ != nullptr) {
        target_->Assign(original);
    }
    return code;
}

int cmcClfFile::ReadHeader(ClfLineSource& source) {
    std::string line;
    int word1 = 0;
    int word2 = 0;
    if (!source.NextLine(line) || !CloneFileLine::ParseHeaderLine(line, word1, word2)) {
        return ClfFormat;
    }
    int code = ClfOk;
    if (headerCheck_) {
        if (!headerCheck_(word1, word2, code)) {
            return code != ClfOk ? code : ClfModel;
        }
        return ClfOk;
    }
    if (word1 != word1_) {
        return ClfModel;
    }
    return word2 != word2_ ? ClfExtra : ClfOk;
}

int cmcClfFile::ReadBody(ClfLineSource& source) {
    std::string line;
    ClfDataLine data;
    while (source.NextLine(line)) {
        if (!line.empty() && line[0] == '#') {
            const int mapRevision =
                CloneFileLine::ParseMapRevComment(std::string_view(line).substr(1));
            if (mapRevision >= 0) {
                recordedMapRevision_ = mapRevision;
            }
            continue;
        }
        if (!CloneFileLine::ParseDataLine(line, data)) {
            return ClfFormat;
        }
        if (data.address + data.count > ImageSize()) {
            return ClfData;
        }
        for (int i = 0; i < data.count; ++i) {
            target_->SetByte(data.address + i, data.bytes[i]);
            SetBit(read_, data.address + i);
        }
    }
    return ClfOk;
}

int cmcClfFile::CheckCoverage(const std::vector<AddressRange>& ranges) {
    BuildExpected(ranges);
    bool missing = false;
    for (size_t i = 0; i < read_.size(); ++i) {
        if ((read_[i] & ~expected_[i]) != 0) {
            return ClfData;
        }
        missing = missing || read_[i] != expected_[i];
    }
    return missing ? ClfCoverage : ClfOk;
}
