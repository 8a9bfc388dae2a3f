#include "SimRadio.h"

#include <algorithm>
#include <cctype>

#include "CloneCheck.h"
#include "CloneFrames.h"

namespace {

constexpr uint8_t SpeedTo38400[] = {0x30, 0x39};
constexpr uint8_t SpeedTo9600[] = {0x32, 0x37};
constexpr int OutsideFrame = 3;  // "outside": this data frame of a read goes beyond the image

std::string Hex2(int v) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[(v >> 4) & 15], kDigits[v & 15]};
}

}  // namespace

SimRadio::SimRadio(SimConfig config)
    : config_(std::move(config)),
      assembler_(CloneFrame::MaxRadioFrame + 1),
      random_(config_.seed == 0 ? 1 : config_.seed) {
    config_.info.resize(38);
    written_.Resize(config_.image.Size());
    writtenMap_.assign(static_cast<size_t>(config_.image.Size()), false);
}

void SimRadio::Receive(const uint8_t* bytes, int length, int lineBaud) {
    for (int i = 0; i < length && !hangUp_ && !stalled_; ++i) {
        if (assembler_.Feed(bytes[i]) == cmcFrameAssembler::Event::Frame) {
            TakeProgramFrame(assembler_.Frame(), lineBaud);
        }
    }
}

bool SimRadio::TakeFrame(std::vector<uint8_t>& bytes) {
    if (hangUp_ || out_.empty()) {
        return false;
    }
    bytes = std::move(out_.front());
    out_.pop_front();
    CountFrame();
    return true;
}

void SimRadio::AbandonWrite() {
    if (writing_) {
        Log("write interrupted after " + std::to_string(writeFrames_) + " frames, " +
            std::to_string(writeBytes_) + " bytes stored");
    }
    writing_ = false;
}

void SimRadio::Hung() {
    AbandonWrite();
    hangUp_ = false;
    exchangeFrames_ = 0;
    out_.clear();
    assembler_.Reset();
    speed_ = 9600;
}

std::vector<std::string> SimRadio::TakeEvents() {
    std::vector<std::string> e;
    e.swap(events_);
    return e;
}

std::vector<AddressRange> SimRadio::WrittenRanges() const {
    std::vector<AddressRange> ranges;
    for (int a = 0; a < static_cast<int>(writtenMap_.size()); ++a) {
        if (!writtenMap_[static_cast<size_t>(a)]) {
            continue;
        }
        if (!ranges.empty() && ranges.back().end == a - 1) {
            ranges.back().end = a;
        } else {
            ranges.push_back({a, a});
        }
    }
    return ranges;
}

void SimRadio::CountFrame() {
    ++exchangeFrames_;
    if (config_.faults.hangup > 0 && exchangeFrames_ >= config_.faults.hangup) {
        hangUp_ = true;
        out_.clear();
        Log("hangup after " + std::to_string(exchangeFrames_) + " frames");
    }
}

void SimRadio::TakeProgramFrame(const cmcBuff& frame, int lineBaud) {
    const uint8_t* f = frame.Data();
    if (frame.Size() < 4 || f[1] != CloneFrame::Radio || f[2] != CloneFrame::Program) {
        return;
    }
    const uint8_t command = f[3];
    if (command == CloneFrame::SpeedChange) {
        exchangeFrames_ = 0;
        writing_ = false;
        if (frame.Size() >= 11 && f[9] == SpeedTo38400[0] && f[10] == SpeedTo38400[1]) {
            speed_ = 38400;
        } else if (frame.Size() >= 11 && f[9] == SpeedTo9600[0] && f[10] == SpeedTo9600[1]) {
            speed_ = 9600;
        }
        Log("speed " + std::to_string(speed_));
        CountFrame();
        return;
    }
    if (lineBaud != speed_) {
        Log("ignored " + Hex2(command) + " at " + std::to_string(lineBaud) + " baud");
        return;
    }
    CountFrame();
    if (hangUp_ || config_.faults.silent) {
        return;
    }
    switch (command) {
        case CloneFrame::InfoRequest:
            AnswerInformation();
            break;
        case CloneFrame::ReadRequest:
            AnswerRead();
            break;
        case CloneFrame::WriteRequest:
            writing_ = true;
            writeBad_ = false;
            writeFrames_ = 0;
            writeBytes_ = 0;
            corruptAddress_ = -1;
            written_.Fill(0);
            writtenMap_.assign(writtenMap_.size(), false);
            break;
        case CloneFrame::Data:
            if (writing_) {
                TakeWriteData(frame);
            }
            break;
        case CloneFrame::EndOfData:
            if (writing_) {
                EndWrite();
            }
            break;
        default:
            break;
    }
}

void SimRadio::Queue(uint8_t command, const cmcBuff& body) {
    std::vector<uint8_t> bytes;
    if (config_.faults.noise) {
        const uint32_t n = Random() % 9;
        for (uint32_t i = 0; i < n; ++i) {
            uint8_t b = static_cast<uint8_t>(Random());
            bytes.push_back(b == CloneFrame::Start ? 0x00 : b);
        }
    }
    cmcBuff frame;
    CloneFrame::AppendHeader(frame, CloneFrame::Program, CloneFrame::Radio, command, 1);
    frame.Append(body);
    frame.AppendByte(CloneFrame::End);
    bytes.insert(bytes.end(), frame.Data(), frame.Data() + frame.Size());
    out_.push_back(std::move(bytes));
}

void SimRadio::AnswerInformation() {
    cmcBuff body;
    body.AppendByte(static_cast<uint8_t>(MemoryMap::ModelCode >> 8));
    body.AppendByte(static_cast<uint8_t>(MemoryMap::ModelCode));
    body.AppendByte(static_cast<uint8_t>(config_.mapRevision));
    body.AppendByte(config_.faults.nonBcd ? 0xAB : 0x00);
    const int infoBytes = config_.faults.shortInfo ? 37 : 38;
    body.AppendBytes(config_.info.data(), infoBytes);
    Queue(CloneFrame::Information, body);
    Log("info at " + std::to_string(speed_) + " baud");
}

void SimRadio::AnswerRead() {
    const int end = config_.mapRevision == MemoryMap::LongMapRevision ? MemoryMap::LongMapEnd
                                                                      : MemoryMap::ShortMapEnd;
    const int stop = config_.faults.stopEarly ? end / 2 : end;
    int frames = 0;
    for (int a = 0; a <= stop; a += ReadBlock) {
        ++frames;
        int address = a;
        const int count = std::min(ReadBlock, stop - a + 1);
        if (config_.faults.outside && frames == OutsideFrame) {
            address = config_.image.Size();
        }
        cmcBuff body;
        std::vector<uint8_t> data(static_cast<size_t>(count), 0);
        config_.image.ReadBlock(a, data.data(), count);
        CloneFrame::AppendDataPayload(body, address, data.data(), count);
        if (frames == config_.faults.badChecksum) {
            body.Data()[body.Size() - 1] = body.Data()[body.Size() - 1] == '0' ? '1' : '0';
        }
        if (config_.faults.lowercase) {
            for (int i = 0; i < body.Size(); ++i) {
                body.Data()[i] = static_cast<uint8_t>(std::tolower(body.Data()[i]));
            }
        }
        Queue(CloneFrame::Data, body);
    }
    cmcBuff maker;
    maker.AppendBytes(CloneFrame::MakerBytes, CloneFrame::MakerLength);
    Queue(CloneFrame::EndOfData, maker);
    Log("read at " + std::to_string(speed_) + " baud, " + std::to_string(frames) + " frames");
}

void SimRadio::TakeWriteData(const cmcBuff& frame) {
    CloneCheck::DataFields fields;
    const int count =
        CloneCheck::DecodeDataPayload(frame, fields) ? static_cast<int>(fields.data.size()) : -1;
    if (count < 0 || fields.address + count > config_.image.Size()) {
        writeBad_ = true;
        return;
    }
    ++writeFrames_;
    writeBytes_ += count;
    written_.WriteBlock(fields.address, fields.data.data(), count);
    config_.image.WriteBlock(fields.address, fields.data.data(), count);
    for (int i = 0; i < count; ++i) {
        writtenMap_[static_cast<size_t>(fields.address + i)] = true;
    }
    if (config_.faults.corruptStore && count > 0 &&
        (writeFrames_ == 1 || writeFrames_ == CorruptFrame)) {
        corruptAddress_ = fields.address;
    }
    if (config_.faults.stallWrite > 0 && writeFrames_ >= config_.faults.stallWrite) {
        stalled_ = true;
        Log("stopped reading after " + std::to_string(writeFrames_) + " frames of a write");
    }
}

void SimRadio::EndWrite() {
    writing_ = false;
    hasWrite_ = true;
    // The radio has stored every frame as it came; corrupt-store spoils one byte of it.
    if (corruptAddress_ >= 0) {
        config_.image.SetByte(corruptAddress_,
                              static_cast<uint8_t>(config_.image.GetByte(corruptAddress_) ^ 0xFF));
        Log("corrupted the byte at " + Hex2(corruptAddress_ >> 8) + Hex2(corruptAddress_));
    }
    const bool refused = config_.faults.refuseWrite || writeBad_;
    cmcBuff status;
    status.AppendByte(refused ? 0x01 : 0x00);
    Queue(CloneFrame::WriteStatus, status);
    Log("write at " + std::to_string(speed_) + " baud, " + std::to_string(writeFrames_) +
        " frames, " + std::to_string(writeBytes_) + " bytes, status " + (refused ? "1" : "0"));
}

uint32_t SimRadio::Random() {
    random_ = random_ * 1103515245u + 12345u;
    return random_ >> 16;
}
