// Clone Write with a backup before and a read-back after, against the
// simulated radio on virtual time.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "BackupFile.h"
#include "ClfTestSupport.h"
#include "CloneFrames.h"
#include "CommandFixture.h"
#include "indVerifiedWrite.h"

namespace {

std::tm LeapDayEvening() {
    std::tm t{};
    t.tm_year = 2024 - 1900;
    t.tm_mon = 1;
    t.tm_mday = 29;
    t.tm_hour = 23;
    t.tm_min = 59;
    t.tm_sec = 58;
    return t;
}

struct VerifiedWriteFixture : CommandFixture {
    explicit VerifiedWriteFixture(SimConfig config = SimOnDouble::DefaultConfig())
        : CommandFixture(std::move(config)) {
        write.SetClock(LeapDayEvening);
        UseChannel0();
        boxes.Answer(cmcMbResult::Ok);  // the write confirmation
        radioBefore.Assign(sim->Radio().Image());
        documentBefore.Assign(doc.WorkingImage());
    }

    bool RunToEnd() {
        return time.host.AdvanceUntil([&] { return !write.IsRunning(); }, 300000);
    }
    bool StartAndRun() { return write.Start() && RunToEnd(); }

    // Whether image holds the radio's bytes from before the write over 0..last.
    bool HoldsRadioBefore(const cmcEeprom& image, int last) const {
        return std::equal(radioBefore.Data(), radioBefore.Data() + last + 1, image.Data());
    }

    size_t FilesInBackupFolder() const {
        const auto entries = std::filesystem::directory_iterator(folder.Path());
        return static_cast<size_t>(std::distance(begin(entries), end(entries)));
    }

    ScratchDir folder;
    indVerifiedWrite write{*commands};
    cmcEeprom radioBefore;
    cmcEeprom documentBefore;
};

struct VerifiedWrite : ::testing::Test, VerifiedWriteFixture {};

template <const char* Fault>
struct VerifiedWriteWith : ::testing::Test, VerifiedWriteFixture {
    VerifiedWriteWith() : VerifiedWriteFixture(SimWithFault(Fault)) {}
};

constexpr char kCorruptStore[] = "corrupt-store";
constexpr char kRefuseWrite[] = "refuse-write";
constexpr char kStopEarly[] = "stop-early";
using VerifiedWriteCorrupting = VerifiedWriteWith<kCorruptStore>;
using VerifiedWriteRefused = VerifiedWriteWith<kRefuseWrite>;
using VerifiedWriteShortRead = VerifiedWriteWith<kStopEarly>;

struct VerifiedWriteOldRadio : ::testing::Test, VerifiedWriteFixture {
    VerifiedWriteOldRadio() : VerifiedWriteFixture(SimOnDouble::DefaultConfig(1)) {}
};

}  // namespace

TEST_F(VerifiedWrite, BackupWriteAndReadBackOnAHealthyRadio) {
    write.SetBackupDirectory(folder.Path());
    write.SetVerify(true);
    ASSERT_TRUE(write.Start());
    EXPECT_FALSE(write.Start());  // already running
    ASSERT_TRUE(RunToEnd());
    EXPECT_EQ(write.Outcome(), 0);
    EXPECT_EQ(write.FailedStep(), indVerifiedWrite::Step::Idle);
    EXPECT_EQ(write.Mismatch().count, 0);
    // Backup (information, read), write (information twice, write), read-back (information, read).
    EXPECT_EQ(Requests(CloneFrame::InfoRequest), 4);
    EXPECT_EQ(Requests(CloneFrame::ReadRequest), 2);
    EXPECT_EQ(Requests(CloneFrame::WriteRequest), 1);

    // The backup is the radio's image from before the write, in a file the program opens.
    EXPECT_EQ(write.BackupPath(), folder.File("radio-backup-20240229-235958.clf"));
    cmcEeprom backup;
    ASSERT_EQ(doc.ReadForOpen(write.BackupPath(), backup), 0);
    EXPECT_TRUE(HoldsRadioBefore(backup, MemoryMap::LongMapEnd));
    EXPECT_FALSE(HoldsRadioBefore(sim->Radio().Image(), MemoryMap::LongMapEnd));
    // Neither exchange touched the user's data.
    EXPECT_TRUE(doc.WorkingImage().IsEqual(documentBefore));
}

TEST_F(VerifiedWriteOldRadio, TheReadBackIsComparedWithTheBcdBytesSentNotWithTheDocument) {
    write.SetBackupDirectory(folder.Path());
    write.SetVerify(true);
    ASSERT_TRUE(StartAndRun());
    EXPECT_EQ(write.Outcome(), 0);
    cmcEeprom backup;
    ASSERT_EQ(doc.ReadForOpen(write.BackupPath(), backup), 0);  // the short map is enough
    EXPECT_TRUE(HoldsRadioBefore(backup, MemoryMap::ShortMapEnd));
    EXPECT_TRUE(doc.WorkingImage().IsEqual(documentBefore));
}

TEST_F(VerifiedWriteCorrupting, AByteTheRadioStoredWrongIsReportedByItsAddress) {
    write.SetVerify(true);
    ASSERT_TRUE(StartAndRun());
    EXPECT_EQ(write.Outcome(), indVerifiedWrite::VerifyMismatch);
    EXPECT_EQ(write.FailedStep(), indVerifiedWrite::Step::Verify);
    EXPECT_EQ(Requests(CloneFrame::ReadRequest), 1);  // only the read-back: no backup asked
    const indVerifyMismatch& m = write.Mismatch();
    EXPECT_EQ(m.count, 1);
    // The simulator spoils the first byte of the tenth 16-byte frame from 0x0080.
    EXPECT_EQ(m.address, 0x0110);
    EXPECT_EQ(m.sent, sim->Radio().Written().GetByte(0x0110));
    EXPECT_EQ(m.stored, sim->Radio().Image().GetByte(0x0110));
    EXPECT_EQ(m.sent ^ m.stored, 0xFF);
}

TEST_F(VerifiedWriteRefused, ARefusedWriteEndsWithItsCodeAndIsNotReadBack) {
    write.SetVerify(true);
    ASSERT_TRUE(StartAndRun());
    EXPECT_EQ(write.Outcome(), CodeNumber(CloneResult::WriteRefused));
    EXPECT_EQ(write.FailedStep(), indVerifiedWrite::Step::Write);
    EXPECT_EQ(Requests(CloneFrame::ReadRequest), 0);
}

TEST_F(VerifiedWriteShortRead, AFailedBackupReadWritesNothingAndLeavesNoFile) {
    write.SetBackupDirectory(folder.Path());
    ASSERT_TRUE(StartAndRun());
    EXPECT_EQ(write.Outcome(), indVerifiedWrite::BackupFailed);
    EXPECT_EQ(write.FailedStep(), indVerifiedWrite::Step::Backup);
    EXPECT_EQ(Requests(CloneFrame::ReadRequest), 1);
    EXPECT_EQ(Requests(CloneFrame::WriteRequest), 0);
    EXPECT_TRUE(write.BackupPath().empty());
    EXPECT_EQ(FilesInBackupFolder(), 0u);
}

TEST_F(VerifiedWrite, AFolderThatTakesNoFileStopsBeforeTheRadioIsAsked) {
    WriteWholeFile(folder.File("plain"), "x");
    for (const std::string& bad : {folder.File("missing"), folder.File("plain")}) {
        write.SetBackupDirectory(bad);
        EXPECT_FALSE(write.Start()) << bad;
        EXPECT_FALSE(write.IsRunning());
        EXPECT_EQ(write.Outcome(), indVerifiedWrite::BackupFailed) << bad;
        EXPECT_FALSE(write.BackupError().empty()) << bad;
    }
    EXPECT_TRUE(device->written.empty());
}

TEST(BackupFile, NamesCarryDateAndTimeAndAnExistingFileIsNeverReplaced) {
    EXPECT_EQ(BackupFile::BackupFileName(LeapDayEvening(), 0), "radio-backup-20240229-235958.clf");
    EXPECT_EQ(BackupFile::BackupFileName(LeapDayEvening(), 3),
              "radio-backup-20240229-235958-3.clf");
    ScratchDir folder;
    WriteWholeFile(folder.File(BackupFile::BackupFileName(LeapDayEvening(), 0)), "first");
    WriteWholeFile(folder.File(BackupFile::BackupFileName(LeapDayEvening(), 1)), "second");
    std::string path;
    std::string error;
    ASSERT_TRUE(BackupFile::ReserveBackupFile(folder.Path(), LeapDayEvening(), path, error));
    EXPECT_EQ(path, folder.File(BackupFile::BackupFileName(LeapDayEvening(), 2)));
    EXPECT_EQ(ReadWholeFile(folder.File(BackupFile::BackupFileName(LeapDayEvening(), 0))), "first");
    EXPECT_EQ(ReadWholeFile(folder.File(BackupFile::BackupFileName(LeapDayEvening(), 1))),
              "second");
}

TEST(CompareRanges, CountsDifferencesInsideTheRangesOnlyAndNamesTheFirst) {
    cmcEeprom sent = PatternImage(7);
    cmcEeprom stored;
    stored.Assign(sent);
    stored.SetByte(0x0010, static_cast<uint8_t>(sent.GetByte(0x0010) + 1));  // outside
    stored.SetByte(0x0205, static_cast<uint8_t>(sent.GetByte(0x0205) + 1));
    stored.SetByte(0x0300, static_cast<uint8_t>(sent.GetByte(0x0300) + 1));
    const std::vector<AddressRange> ranges = {{0x0080, 0x01FF}, {0x0200, 0x03FF}};
    const indVerifyMismatch m = CompareRanges(sent, stored, ranges);
    EXPECT_EQ(m.count, 2);
    EXPECT_EQ(m.address, 0x0205);
    EXPECT_EQ(m.sent, sent.GetByte(0x0205));
    EXPECT_EQ(m.stored, stored.GetByte(0x0205));
    EXPECT_EQ(CompareRanges(sent, stored, {{0x0080, 0x01FF}}).count, 0);

    // A read-back shorter than what was sent differs at every missing address.
    cmcEeprom shorter;
    shorter.Resize(0x0100);
    shorter.WriteBlock(0, sent.Data(), 0x0100);
    EXPECT_EQ(CompareRanges(sent, shorter, {{0x00F0, 0x010F}}).count, 16);
}
