#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "CloneFrames.h"
#include "ScriptedRadio.h"
#include "SpeedChangeText.h"
#include "VirtualTime.h"
#include "cmcCloneDrv.h"
#include "cmcEeprom.h"
#include "cmcSerialDouble.h"
#include "cmcTask.h"

namespace {

constexpr uint16_t Model = 0x2336;

struct CloneDrv : ::testing::Test {
    CloneDrv() {
        auto d = std::make_unique<cmcSerialDouble>();
        device = d.get();
        drv = std::make_unique<cmcCloneDrv>(std::move(d));
        radio = std::make_unique<ScriptedRadio>(*device);
        drv->SetIdentity(Model, 0);
        drv->SetImageSize(0x4000);
        drv->SetPort(1, "9600,N,8,1");
        drv->SetPreambles(12, 0);
        drv->SetSpeedChangeText(SpeedChangeForm38400(Model));
        for (int i = 0; i < 0x4000; ++i) {
            pattern.push_back(static_cast<uint8_t>(i * 7 + i / 256));
        }
        image.Resize(0x4000);
        image.WriteBlock(0, pattern.data(), 0x4000);
    }

    cmcCloneDrv::Completion Keep() {
        return [this](dst_CDrv_Result& r) { results.push_back(r); };
    }
    // Runs the exchange to its end (bounded); true when it ended.
    bool RunToEnd(uint32_t maxMs = 200000) {
        return time.host.AdvanceUntil([&] { return !drv->IsBusy(); }, maxMs);
    }
    CloneResult ReadCode(const std::vector<uint8_t>& answer,
                         std::vector<AddressRange> ranges = {{0, 0x39FF}}) {
        radio->readAnswer = answer;
        const size_t before = results.size();
        EXPECT_TRUE(drv->StartRead(ranges, Keep()));
        EXPECT_TRUE(RunToEnd());
        EXPECT_EQ(results.size(), before + 1);
        // 0xFF: no result at all, which no exchange ends with.
        return results.empty() ? static_cast<CloneResult>(0xFF) : results.back().code;
    }
    std::vector<DataFrameFields> WrittenData() const {
        std::vector<DataFrameFields> out;
        for (const ProgramFrame& f : radio->frames) {
            if (f.command == CloneFrame::Data) {
                out.push_back(DecodeDataFrame(f));
            }
        }
        return out;
    }

    VirtualTime time;
    cmcSerialDouble* device;
    std::unique_ptr<cmcCloneDrv> drv;
    std::unique_ptr<ScriptedRadio> radio;
    std::vector<dst_CDrv_Result> results;
    std::vector<uint8_t> pattern;
    cmcEeprom image;
};

}  // namespace

TEST(CloneFrames, ChecksumAndDataFrameLayout) {
    const uint8_t zero = 0;
    EXPECT_EQ(CloneFrame::Checksum(0, &zero, 1), 0xFF);
    cmcBuff out;
    CloneFrame::AppendData(out, 0, &zero, 1, 2);
    const std::string expected = std::string("\xFE\xFE\xFE\xFE\xEE\xEF\xE4", 7) + "00000100FF\xFD";
    EXPECT_EQ(std::string(out.Data(), out.Data() + out.Size()), expected);
    EXPECT_EQ(CloneFrame::DataCountAt(0x0005, 0x0012), 11);
    EXPECT_EQ(CloneFrame::DataCountAt(0x0010, 0x0012), 3);
    EXPECT_EQ(CloneFrame::DataCountAt(0x39F0, 0x39FF), 16);
}

TEST(SpeedChangeText, PartsAreSettingsOrHexBytesInOrder) {
    std::string text = SpeedChangeForm38400(Model);
    SpeedChangePart part;
    ASSERT_TRUE(TakeSpeedChangePart(text, part));
    EXPECT_TRUE(part.reopen);
    EXPECT_EQ(part.settings, "38400,N,8,1");
    ASSERT_TRUE(TakeSpeedChangePart(text, part));
    EXPECT_FALSE(part.reopen);
    std::vector<uint8_t> expected(20, 0xFE);
    for (int b : {0xEE, 0xEF, 0xE8, 0x23, 0x36, 0x00, 0x00, 0x01, 0x32, 0x37, 0xFD}) {
        expected.push_back(static_cast<uint8_t>(b));
    }
    EXPECT_EQ(std::vector<uint8_t>(part.bytes.Data(), part.bytes.Data() + part.bytes.Size()),
              expected);
    EXPECT_FALSE(TakeSpeedChangePart(text, part));
    text = SpeedChangeForm9600(Model);
    ASSERT_TRUE(TakeSpeedChangePart(text, part));
    EXPECT_EQ(part.settings, "9600,N,8,1");
    ASSERT_TRUE(TakeSpeedChangePart(text, part));
    EXPECT_EQ(part.bytes.Data()[part.bytes.Size() - 3], 0x30);
    EXPECT_EQ(part.bytes.Data()[part.bytes.Size() - 2], 0x39);
    text = "(1200,N,8,1";  // unclosed: the rest is the settings
    ASSERT_TRUE(TakeSpeedChangePart(text, part));
    EXPECT_EQ(part.settings, "1200,N,8,1");
    EXPECT_TRUE(text.empty());
}

TEST_F(CloneDrv, InformationSwitchesSpeedThenAsksAndTakesTheAnswer) {
    radio->infoAnswer = RadioInfo(0x2336, 0x0300, 38);
    ASSERT_TRUE(drv->StartInformation(Keep()));
    EXPECT_FALSE(drv->StartInformation(Keep()));  // busy
    ASSERT_TRUE(RunToEnd());
    ASSERT_EQ(results.size(), 1u);
    const dst_CDrv_Result& r = results[0];
    EXPECT_EQ(r.kind, CloneOperation::Information);
    EXPECT_EQ(r.code, CloneResult::Success);
    EXPECT_EQ(r.modelWord, 0x2336);
    EXPECT_EQ(r.secondWord, 0x0300);
    EXPECT_EQ(r.information.Size(), 38);
    // Opened at 38400 for the speed change, then at 9600 for the exchange.
    ASSERT_EQ(device->configured.size(), 2u);
    EXPECT_EQ(device->configured[0].baud, 38400);
    EXPECT_EQ(device->configured[1].baud, 9600);
    ASSERT_EQ(radio->frames.size(), 2u);
    EXPECT_EQ(radio->frames[0].command, CloneFrame::SpeedChange);
    EXPECT_EQ(radio->frames[0].baud, 38400);
    EXPECT_EQ(radio->frames[1].command, CloneFrame::InfoRequest);
    EXPECT_EQ(radio->frames[1].baud, 9600);
    EXPECT_EQ(radio->frames[1].body, (std::vector<uint8_t>{0x23, 0x36, 0x00, 0x00}));
    // The request goes after the 12-byte command preamble.
    const std::vector<uint8_t> request = {0xFE, 0xFE, 0xEE, 0xEF, 0xE0, 0x23, 0x36, 0, 0, 0xFD};
    EXPECT_TRUE(std::search(device->written.begin(), device->written.end(), request.begin(),
                            request.end()) -
                    device->written.begin() >=
                12);
    EXPECT_FALSE(device->IsOpen());
}

TEST_F(CloneDrv, BytesBeforeTheFirstFrameStartAreIgnored) {
    radio->infoAnswer = {0x00, 0x12, 0xFD, 0x41, 0xEF};
    const std::vector<uint8_t> info = RadioInfo(0x2336, 0x0100, 38);
    radio->infoAnswer.insert(radio->infoAnswer.end(), info.begin(), info.end());
    ASSERT_TRUE(drv->StartInformation(Keep()));
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(results.at(0).code, CloneResult::Success);
    EXPECT_EQ(results[0].secondWord, 0x0100);
}

TEST_F(CloneDrv, NoAnswerToTheInformationRequestTimesOutAfterAboutOneSecond) {
    ASSERT_TRUE(drv->StartInformation(Keep()));
    ASSERT_TRUE(RunToEnd());
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].code, CloneResult::TimeOut);
    const ProgramFrame* request = radio->First(CloneFrame::InfoRequest);
    ASSERT_NE(request, nullptr);
    const uint32_t after = time.Now() - request->at;
    EXPECT_GE(after, 1000u);
    EXPECT_LE(after, 1050u);
}

TEST_F(CloneDrv, NonBcdIdentityOrAnotherFrameIsABadAnswer) {
    radio->infoAnswer = RadioInfo(0x23A6, 0x0300, 38);
    ASSERT_TRUE(drv->StartInformation(Keep()));
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(results.at(0).code, CloneResult::BadFrame);

    radio->infoAnswer = RadioFrame(CloneFrame::Information, {0x23, 0x36, 0x03});  // too short
    ASSERT_TRUE(drv->StartInformation(Keep()));
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(results.at(1).code, CloneResult::BadFrame);

    radio->infoAnswer = std::vector<uint8_t>(600, 0x41);  // a frame that never ends
    radio->infoAnswer.insert(radio->infoAnswer.begin(), {0xFE, 0xEF, 0xEE, 0xE1});
    ASSERT_TRUE(drv->StartInformation(Keep()));
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(results.at(2).code, CloneResult::BadFrame);
}

TEST_F(CloneDrv, APortThatDoesNotOpenGivesCode2AndOneCompletion) {
    device->failOpen = true;
    ASSERT_TRUE(drv->StartInformation(Keep()));
    ASSERT_TRUE(RunToEnd());
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].code, CloneResult::PortFailed);
    time.host.Advance(5000);
    EXPECT_EQ(results.size(), 1u);
}

TEST_F(CloneDrv, ReadStoresTheDataAndChecksCoverage) {
    EXPECT_EQ(ReadCode(RadioRead(pattern, 0, 0x39FF, 32)), CloneResult::Success);
    const dst_CDrv_Result& r = results[0];
    EXPECT_EQ(r.kind, CloneOperation::Read);
    ASSERT_EQ(r.image.Size(), 0x4000);
    EXPECT_TRUE(std::equal(pattern.begin(), pattern.begin() + 0x3A00, r.image.Data()));
    EXPECT_EQ(r.image.GetByte(0x3A00), 0);  // beyond the ranges: zero
    EXPECT_EQ(drv->DataBytesDone(), 0x3A00);
    EXPECT_EQ(drv->FrameCount(), 0x3A00 / 32);
    const ProgramFrame* request = radio->First(CloneFrame::ReadRequest);
    ASSERT_NE(request, nullptr);
}

TEST_F(CloneDrv, ReadDataThatStopsEarlyWithACorrectEndFrameIsMissingData) {
    EXPECT_EQ(ReadCode(RadioRead(pattern, 0, 0x2FFF, 16)), CloneResult::MissingData);
}

TEST_F(CloneDrv, ReadDataOutsideTheRangesOrTheImageIsCode9) {
    EXPECT_EQ(ReadCode(RadioRead(pattern, 0, 0x39FF, 16), {{0, 0x2FFF}}),
              CloneResult::OutsideRanges);
    std::vector<uint8_t> answer = RadioData(0x3FF8, std::vector<uint8_t>(10, 1));
    EXPECT_EQ(ReadCode(answer), CloneResult::OutsideRanges);
}

TEST_F(CloneDrv, MalformedReadFramesAreCode6) {
    std::vector<uint8_t> lower = RadioData(0, {0xAB, 0xCD}, true);
    EXPECT_EQ(ReadCode(lower), CloneResult::BadFrame);
    // 15 data bytes: 38 characters, not a multiple of four.
    EXPECT_EQ(ReadCode(RadioData(0, std::vector<uint8_t>(15, 0x11))), CloneResult::BadFrame);
    std::vector<uint8_t> badSum = RadioData(0, {1, 2, 3, 4});
    badSum[badSum.size() - 2] = '0';
    EXPECT_EQ(ReadCode(badSum), CloneResult::BadFrame);
    EXPECT_EQ(ReadCode(RadioFrame(CloneFrame::Data, {'0', '0'})), CloneResult::BadFrame);
    EXPECT_EQ(
        ReadCode(RadioFrame(CloneFrame::EndOfData, {'V', 'e', 'x', 'a', ' ', 'I', 'n', 'c', '!'})),
        CloneResult::BadFrame);
    EXPECT_EQ(ReadCode(RadioFrame(CloneFrame::WriteStatus, std::vector<uint8_t>(10, '0'))),
              CloneResult::BadFrame);
    std::vector<uint8_t> endless(530, 'A');
    endless.insert(endless.begin(), {0xFE, 0xEF, 0xEE, 0xE4});
    EXPECT_EQ(ReadCode(endless), CloneResult::BadFrame);
}

TEST_F(CloneDrv, ARadioThatStopsSendingTimesOut) {
    std::vector<uint8_t> part = RadioRead(pattern, 0, 0x00FF, 16);
    part.resize(part.size() - RadioEnd().size());
    EXPECT_EQ(ReadCode(part), CloneResult::TimeOut);
}

TEST_F(CloneDrv, WriteOfTheLongMapSends920FramesOf16Bytes) {
    radio->statusAnswer = RadioFrame(CloneFrame::WriteStatus, {0x00});
    ASSERT_TRUE(drv->StartWrite(image, {{0x0080, 0x39FF}}, Keep()));
    ASSERT_TRUE(RunToEnd());
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].code, CloneResult::Success);
    const std::vector<DataFrameFields> frames = WrittenData();
    ASSERT_EQ(frames.size(), 920u);
    EXPECT_EQ(frames.front().address, 0x0080);
    EXPECT_EQ(frames.back().address, 0x39F0);
    int address = 0x0080;
    for (const DataFrameFields& f : frames) {
        ASSERT_EQ(f.address, address);
        ASSERT_EQ(f.count, 16);
        ASSERT_EQ(f.data,
                  std::vector<uint8_t>(pattern.begin() + address, pattern.begin() + address + 16));
        ASSERT_EQ(f.checksum, CloneFrame::Checksum(address, f.data.data(), 16));
        address += 16;
    }
    EXPECT_EQ(radio->Count(CloneFrame::WriteRequest), 1);
    EXPECT_EQ(radio->frames.back().command, CloneFrame::EndOfData);
    EXPECT_EQ(drv->DataBytesDone(), 0x3A00 - 0x80);
}

TEST_F(CloneDrv, WriteOfTheShortMapSends760Frames) {
    radio->statusAnswer = RadioFrame(CloneFrame::WriteStatus, {0x00});
    ASSERT_TRUE(drv->StartWrite(image, {{0x0080, 0x2FFF}}, Keep()));
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(results.at(0).code, CloneResult::Success);
    EXPECT_EQ(WrittenData().size(), 760u);
}

TEST_F(CloneDrv, FramesNeverCrossA16ByteBoundary) {
    radio->statusAnswer = RadioFrame(CloneFrame::WriteStatus, {0x00});
    ASSERT_TRUE(drv->StartWrite(image, {{0x0005, 0x0012}, {0x0100, 0x0100}}, Keep()));
    ASSERT_TRUE(RunToEnd());
    const std::vector<DataFrameFields> frames = WrittenData();
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0].address, 0x0005);
    EXPECT_EQ(frames[0].count, 11);
    EXPECT_EQ(frames[1].address, 0x0010);
    EXPECT_EQ(frames[1].count, 3);
    EXPECT_EQ(frames[2].address, 0x0100);
    EXPECT_EQ(frames[2].count, 1);
}

TEST_F(CloneDrv, WriteStatusOtherThanAcceptedIsCode10AndSilenceIsATimeOut) {
    radio->statusAnswer = RadioFrame(CloneFrame::WriteStatus, {0x01});
    ASSERT_TRUE(drv->StartWrite(image, {{0x80, 0xFF}}, Keep()));
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(results.at(0).code, CloneResult::WriteRefused);

    radio->statusAnswer = RadioFrame(CloneFrame::WriteStatus, {0x00, 0x00});
    ASSERT_TRUE(drv->StartWrite(image, {{0x80, 0xFF}}, Keep()));
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(results.at(1).code, CloneResult::WriteRefused);

    radio->statusAnswer.clear();
    ASSERT_TRUE(drv->StartWrite(image, {{0x80, 0xFF}}, Keep()));
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(results.at(2).code, CloneResult::TimeOut);
    const ProgramFrame& end = radio->frames.back();
    EXPECT_EQ(end.command, CloneFrame::EndOfData);
    EXPECT_GE(time.Now() - end.at, 2000u);
    EXPECT_LE(time.Now() - end.at, 2100u);
}

TEST_F(CloneDrv, AFailedTransmissionIsCode17) {
    ASSERT_TRUE(drv->StartWrite(image, {{0x80, 0x39FF}}, Keep()));
    time.host.AdvanceUntil([&] { return radio->Count(CloneFrame::WriteRequest) > 0; }, 5000);
    device->failWrites = true;
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(results.at(0).code, CloneResult::WriteFailed);
    EXPECT_FALSE(device->IsOpen());
}

TEST_F(CloneDrv, RangesOutsideTheImageAreRefused) {
    EXPECT_FALSE(drv->StartRead({{0, 0x4000}}, Keep()));
    EXPECT_FALSE(drv->StartWrite(image, {{-1, 5}}, Keep()));
    EXPECT_FALSE(drv->StartWrite(image, {{9, 5}}, Keep()));
    EXPECT_FALSE(drv->IsBusy());
}

TEST_F(CloneDrv, TheCompletionMayStartTheNextExchange) {
    radio->infoAnswer = RadioInfo(0x2336, 0x0300, 38);
    radio->readAnswer = RadioRead(pattern, 0, 0x39FF, 64);
    bool started = false;
    ASSERT_TRUE(drv->StartInformation([&](dst_CDrv_Result& r) {
        results.push_back(r);
        started = drv->StartRead({{0, 0x39FF}}, Keep());
    }));
    ASSERT_TRUE(RunToEnd());
    ASSERT_TRUE(started);
    ASSERT_TRUE(RunToEnd());
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[1].code, CloneResult::Success);
}

// A device that stops carrying bytes in the middle of a write: the
// data-sending state's time-out ends the exchange with code 5.
TEST_F(CloneDrv, AWedgedDeviceEndsTheWriteWithTheTimeOut) {
    struct Case {
        const char* what;
        void (*wedge)(cmcSerialDouble&);
    };
    const Case cases[] = {
        {"unsent bytes held", [](cmcSerialDouble& d) { d.outputCount = 64; }},
        {"nothing accepted", [](cmcSerialDouble& d) { d.acceptPerWrite = 0; }},
    };
    for (const Case& c : cases) {
        *device = cmcSerialDouble();
        radio = std::make_unique<ScriptedRadio>(*device);
        results.clear();
        ASSERT_TRUE(drv->StartWrite(image, {{0x80, 0x39FF}}, Keep())) << c.what;
        time.host.AdvanceUntil([&] { return WrittenData().size() >= 20; }, 10000);
        c.wedge(*device);
        const uint32_t wedged = time.Now();
        ASSERT_TRUE(RunToEnd(10000)) << c.what;
        ASSERT_EQ(results.size(), 1u) << c.what;
        EXPECT_EQ(results[0].code, CloneResult::TimeOut) << c.what;
        // What the line still carried, the time-out, then the drain's.
        EXPECT_LE(time.Now() - wedged, 3500u) << c.what;
        EXPECT_FALSE(device->IsOpen()) << c.what;
    }
}

// A stop request ends every kind of exchange on the next tick with code 18;
// a write ends on a frame boundary and sends no end frame.
TEST_F(CloneDrv, AStopRequestEndsTheExchangeOnAFrameBoundary) {
    radio->infoAnswer.clear();
    ASSERT_TRUE(drv->StartInformation(Keep()));
    time.host.Advance(50);
    drv->RequestStop();
    ASSERT_TRUE(RunToEnd(100));
    EXPECT_EQ(results.at(0).code, CloneResult::Stopped);

    radio->statusAnswer = RadioFrame(CloneFrame::WriteStatus, {0x00});
    ASSERT_TRUE(drv->StartWrite(image, {{0x80, 0x39FF}}, Keep()));
    time.host.AdvanceUntil([&] { return WrittenData().size() >= 40; }, 10000);
    drv->RequestStop();
    ASSERT_TRUE(RunToEnd(3000));
    EXPECT_EQ(results.at(1).code, CloneResult::Stopped);
    const std::vector<DataFrameFields> frames = WrittenData();
    EXPECT_LT(frames.size(), 920u);
    for (const DataFrameFields& f : frames) {
        EXPECT_EQ(f.count, 16);  // every frame whole
    }
    EXPECT_EQ(radio->Count(CloneFrame::EndOfData), 0);
    EXPECT_FALSE(device->IsOpen());
    drv->RequestStop();  // idle: nothing to stop, nothing kept for the next exchange
    radio->infoAnswer = RadioInfo(0x2336, 0x0300, 38);
    ASSERT_TRUE(drv->StartInformation(Keep()));
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(results.at(2).code, CloneResult::Success);
}

TEST_F(CloneDrv, ALineLostDuringAReadIsCode19NotATimeOut) {
    std::vector<uint8_t> part = RadioRead(pattern, 0, 0x00FF, 16);
    part.resize(part.size() - RadioEnd().size());
    radio->readAnswer = part;
    ASSERT_TRUE(drv->StartRead({{0, 0x39FF}}, Keep()));
    time.host.AdvanceUntil([&] { return drv->DataBytesDone() >= 0x100; }, 5000);
    device->HangUp();
    const uint32_t lost = time.Now();
    ASSERT_TRUE(RunToEnd(5000));
    EXPECT_EQ(results.at(0).code, CloneResult::LineLost);
    EXPECT_LE(time.Now() - lost, 50u);
}

// The owner of a driver may destroy it from the completion (ASan checks the rest).
TEST_F(CloneDrv, TheCompletionMayDestroyTheDriver) {
    radio->infoAnswer = RadioInfo(0x2336, 0x0300, 38);
    int completions = 0;
    ASSERT_TRUE(drv->StartInformation([&](dst_CDrv_Result& r) {
        ++completions;
        EXPECT_EQ(r.code, CloneResult::Success);
        drv.reset();
    }));
    EXPECT_TRUE(time.host.AdvanceUntil([&] { return drv == nullptr; }, 5000));
    time.host.Advance(100);
    EXPECT_EQ(completions, 1);
}

TEST_F(CloneDrv, TheLineSettlesAfterAnOpenWhileTheProgramsOtherTasksRun) {
    int ticks = 0;
    cmcTaskHandle other;  // another port's work on the same timer host
    other->SetCallback([&](cmcTask&) { ++ticks; });
    other->SetInterval(10);
    radio->infoAnswer = RadioInfo(0x2336, 0x0300, 38);
    ASSERT_TRUE(drv->StartInformation(Keep()));
    time.host.Advance(150);
    EXPECT_GE(ticks, 14);  // none missed while the driver's port settles
    EXPECT_TRUE(RunToEnd());
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].code, CloneResult::Success);
}

TEST_F(CloneDrv, NothingIsSentUntilTheLineHasSettledAfterAnOpen) {
    radio->infoAnswer = RadioInfo(0x2336, 0x0300, 38);
    ASSERT_TRUE(drv->StartInformation(Keep()));
    ASSERT_TRUE(time.host.AdvanceUntil([&] { return !device->openedPaths.empty(); }, 1000));
    const uint32_t opened = time.Now();
    ASSERT_TRUE(time.host.AdvanceUntil([&] { return !device->written.empty(); }, 1000));
    EXPECT_GE(time.Now() - opened, cmcComm::SettleMs);
    EXPECT_LE(time.Now() - opened, cmcComm::SettleMs + 2 * cmcCloneDrv::TaskPeriodMs);
    EXPECT_TRUE(RunToEnd());
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].code, CloneResult::Success);
}
