#include "ScriptedRadio.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "CloneFrames.h"
#include "cmcClock.h"

ScriptedRadio::ScriptedRadio(cmcSerialDouble& device) : device_(device) {
    device_.onWrite = [this](const uint8_t* bytes, int length) { Take(bytes, length); };
}

void ScriptedRadio::Take(const uint8_t* bytes, int length) {
    for (int i = 0; i < length; ++i) {
        const uint8_t b = bytes[i];
        if (b == CloneFrame::Start) {
            current_.clear();
            continue;
        }
        if (b != CloneFrame::End) {
            current_.push_back(b);
            continue;
        }
        if (current_.size() < 3) {
            current_.clear();
            continue;
        }
        ProgramFrame f;
        f.command = current_[2];
        f.body.assign(current_.begin() + 3, current_.end());
        f.baud = device_.Line().baud;
        f.at = CurrentClock().NowMs();
        frames.push_back(f);
        current_.clear();
        if (f.command == CloneFrame::InfoRequest) {
            device_.Feed(infoAnswer);
        } else if (f.command == CloneFrame::ReadRequest) {
            device_.Feed(readAnswer);
        } else if (f.command == CloneFrame::EndOfData) {
            device_.Feed(statusAnswer);
        }
    }
}

int ScriptedRadio::Count(uint8_t command) const {
    int n = 0;
    for (const ProgramFrame& f : frames) {
        n += f.command == command ? 1 : 0;
    }
    return n;
}

const ProgramFrame* ScriptedRadio::First(uint8_t command) const {
    for (const ProgramFrame& f : frames) {
        if (f.command == command) {
            return &f;
        }
    }
    return nullptr;
}

std::vector<uint8_t> RadioFrame(uint8_t command, const std::vector<uint8_t>& body) {
    std::vector<uint8_t> f = {CloneFrame::Start, CloneFrame::Program, CloneFrame::Radio, command};
    f.insert(f.end(), body.begin(), body.end());
    f.push_back(CloneFrame::End);
    return f;
}

std::vector<uint8_t> RadioInfo(uint16_t model, uint16_t second, int infoBytes) {
    std::vector<uint8_t> body = {static_cast<uint8_t>(model >> 8), static_cast<uint8_t>(model),
                                 static_cast<uint8_t>(second >> 8), static_cast<uint8_t>(second)};
    for (int i = 0; i < infoBytes; ++i) {
        body.push_back(static_cast<uint8_t>(0x30 + i % 10));
    }
    return RadioFrame(CloneFrame::Information, body);
}

std::vector<uint8_t> RadioData(int address, const std::vector<uint8_t>& data, bool lowerCase) {
    cmcBuff hex;
    CloneFrame::AppendHex(hex, static_cast<unsigned>(address), 4);
    CloneFrame::AppendHex(hex, static_cast<unsigned>(data.size()), 2);
    for (uint8_t b : data) {
        CloneFrame::AppendHex(hex, b, 2);
    }
    CloneFrame::AppendHex(
        hex, CloneFrame::Checksum(address, data.data(), static_cast<int>(data.size())), 2);
    std::vector<uint8_t> body(hex.Data(), hex.Data() + hex.Size());
    if (lowerCase) {
        for (uint8_t& c : body) {
            c = static_cast<uint8_t>(std::tolower(c));
        }
    }
    return RadioFrame(CloneFrame::Data, body);
}

std::vector<uint8_t> RadioEnd() {
    return RadioFrame(CloneFrame::EndOfData,
                      std::vector<uint8_t>(CloneFrame::MakerBytes,
                                           CloneFrame::MakerBytes + CloneFrame::MakerLength));
}

std::vector<uint8_t> RadioRead(const std::vector<uint8_t>& image, int start, int end,
                               int blockSize) {
    std::vector<uint8_t> out;
    for (int a = start; a <= end; a += blockSize) {
        const int last = std::min(end, a + blockSize - 1);
        const std::vector<uint8_t> data(image.begin() + a, image.begin() + last + 1);
        const std::vector<uint8_t> f = RadioData(a, data);
        out.insert(out.end(), f.begin(), f.end());
    }
    const std::vector<uint8_t> e = RadioEnd();
    out.insert(out.end(), e.begin(), e.end());
    return out;
}

DataFrameFields DecodeDataFrame(const ProgramFrame& frame) {
    DataFrameFields d;
    const std::string s(frame.body.begin(), frame.body.end());
    if (s.size() < 8) {
        return d;
    }
    d.address = std::stoi(s.substr(0, 4), nullptr, 16);
    d.count = std::stoi(s.substr(4, 2), nullptr, 16);
    for (size_t i = 6; i + 2 < s.size(); i += 2) {
        d.data.push_back(static_cast<uint8_t>(std::stoi(s.substr(i, 2), nullptr, 16)));
    }
    d.checksum = std::stoi(s.substr(s.size() - 2), nullptr, 16);
    return d;
}
