#include <gtest/gtest.h>

#include "ChEvents.h"
#include "ChShift.h"
#include "ChannelFixture.h"
#include "EventIds.h"

TEST(ChannelShift, UpFromRemovesAChannelAndMarksFollowTheirChannels) {
    const cmcEeprom templ = BlankTemplate();
    cmcEeprom image = ChannelImage({256}, 256);
    image.SetByte(0x0099, 7);    // priority A on channel 7
    image.SetByte(0x0098, 200);  // emergency on channel 200
    EXPECT_EQ(ShiftUpFrom(image, templ, TestKind, 5), ShiftChangeFlags);
    EXPECT_EQ(ChannelId(image, 4), 4);
    EXPECT_EQ(ChannelId(image, 5), 6);
    EXPECT_EQ(ChannelId(image, 254), 255);
    EXPECT_EQ(ChannelId(image, 255), -1);  // the template's blank record
    EXPECT_EQ(image.GetByte(0x0099), 6);
    EXPECT_EQ(image.GetByte(0x0098), 199);
    EXPECT_EQ(image.GetByte(0x2000 + 12 * 255), ' ');
}

TEST(ChannelShift, DownFromOpensABlankAndChannel255FallsOff) {
    const cmcEeprom templ = BlankTemplate();
    cmcEeprom image = ChannelImage({256}, 256);
    image.SetByte(0x0099, 10);
    SetBankSmarTrunk(image, 0, true);
    EXPECT_EQ(ShiftDownFrom(image, templ, TestKind, 10), ShiftChangeFlags);
    EXPECT_EQ(ChannelId(image, 9), 9);
    EXPECT_EQ(ChannelId(image, 10), -1);
    EXPECT_EQ(ChannelId(image, 11), 10);
    EXPECT_EQ(ChannelId(image, 255), 254);
    EXPECT_EQ(image.GetByte(0x0099), 11);  // the mark moved with its channel, not to the blank
    EXPECT_TRUE(BankSmarTrunk(image, 0));
    EXPECT_EQ(ShiftDownFrom(image, templ, TestKind, 256), 0);
}

TEST(ChannelShift, RowsKeepTheirBanksSmarTrunkFlag) {
    const cmcEeprom templ = BlankTemplate();
    cmcEeprom image = ChannelImage({3, 3}, 6);
    SetBankSmarTrunk(image, 1, true);
    ShiftUpFrom(image, templ, TestKind, 0);  // bank 1's channels move into bank 0 and back
    EXPECT_FALSE(BankSmarTrunk(image, 0));
    EXPECT_TRUE(BankSmarTrunk(image, 1));
}

TEST(ChannelShift, ResizeBankMovesLaterBanksAndStopsAt256) {
    const cmcEeprom templ = BlankTemplate();
    cmcEeprom image = ChannelImage({3, 3}, 6);
    EXPECT_EQ(ResizeBank(image, templ, TestKind, 0, 5), 5);
    EXPECT_EQ(ChannelId(image, 2), 2);
    EXPECT_EQ(ChannelId(image, 3), -1);
    EXPECT_EQ(ChannelId(image, 4), -1);
    EXPECT_EQ(ChannelId(image, 5), 3);  // bank 1 starts two rows later
    EXPECT_EQ(BankFirst(image, 1), 5);
    EXPECT_EQ(BlankTail(image, TestKind, 0), 2);

    EXPECT_EQ(ResizeBank(image, templ, TestKind, 0, 2), 2);
    EXPECT_EQ(ChannelId(image, 1), 1);
    EXPECT_EQ(ChannelId(image, 2), 3);  // channel 2 was removed with the blanks
    EXPECT_EQ(TotalChannels(image), 5);

    SetBankCount(image, 2, 250);  // total 255: one more fits
    EXPECT_EQ(ResizeBank(image, templ, TestKind, 1, 10), 4);
    EXPECT_EQ(TotalChannels(image), 256);
    EXPECT_EQ(ResizeBank(image, templ, TestKind, 16, 1), 0);
}

TEST(ChannelShift, BlankTailStopsAtPriorityChannels) {
    cmcEeprom image = ChannelImage({6}, 2);
    EXPECT_EQ(BlankTail(image, TestKind, 0), 4);
    image.SetByte(0x009A, 4);
    EXPECT_EQ(BlankTail(image, TestKind, 0), 1);
}

TEST(ChannelShift, InsertAndDeleteOfEvents26And27) {
    EventRecorder events;
    const cmcEeprom templ = BlankTemplate();
    cmcEeprom image = ChannelImage({4, 4}, 8);
    EXPECT_TRUE(InsertChannel(image, templ, TestKind, 1, 5));
    EXPECT_EQ(BankCount(image, 1), 5);
    EXPECT_EQ(ChannelId(image, 5), -1);
    EXPECT_EQ(ChannelId(image, 6), 5);
    auto& inserted = events.Pump();
    ASSERT_EQ(inserted.size(), 2u);
    EXPECT_EQ(inserted[0].kind, EventIds::ChannelInserted);
    EXPECT_EQ(inserted[1].kind, EventIds::BankSheetRefresh);
    EXPECT_EQ(inserted[0].value, 5);
    events.Clear();

    EXPECT_TRUE(DeleteChannel(image, templ, TestKind, 0, 1));
    EXPECT_EQ(BankCount(image, 0), 3);
    EXPECT_EQ(ChannelId(image, 1), 2);
    const auto& deleted = events.Pump();
    ASSERT_EQ(deleted.size(), 3u);
    EXPECT_EQ(deleted[0].kind, EventIds::ChannelDeleted);
    EXPECT_EQ(deleted[1].kind, EventIds::BankSheetRefresh);
    EXPECT_EQ(deleted[2].kind, EventIds::RepaintBelow);
    EXPECT_EQ(deleted[2].value, 1);

    EXPECT_FALSE(DeleteChannel(image, templ, TestKind, 2, 0));  // empty bank
    EXPECT_FALSE(InsertChannel(image, templ, TestKind, 16, 0));
    SetBankCount(image, 2, 256 - TotalChannels(image));
    const cmcEeprom full = image;
    EXPECT_FALSE(InsertChannel(image, templ, TestKind, 0, 0));  // 256 channels: refused
    EXPECT_TRUE(image.IsEqual(full));
}

TEST(ChannelShift, InsertAndDeleteRefuseARowOutsideTheBankTheyName) {
    const cmcEeprom templ = BlankTemplate();
    const cmcEeprom original = ChannelImage({4, 4}, 8);  // bank 0: 0..3, bank 1: 4..7
    struct Case {
        bool insert;
        uint8_t kind;
        int bank, row;
    };
    const Case refused[] = {
        {false, TestKind, 0, 4},  {false, TestKind, 1, 3}, {false, TestKind, 1, 8},
        {true, TestKind, 0, 5},   {true, TestKind, 1, 3},  {true, TestKind, 1, 9},
        {false, KindCEdit, 0, 1}, {true, KindCEdit, 0, 1},
    };
    for (const Case& k : refused) {
        cmcEeprom image = original;
        const bool done = k.insert ? InsertChannel(image, templ, k.kind, k.bank, k.row)
                                   : DeleteChannel(image, templ, k.kind, k.bank, k.row);
        EXPECT_FALSE(done) << (k.insert ? "insert" : "delete") << " bank " << k.bank << " row "
                           << k.row << " kind " << int{k.kind};
        EXPECT_TRUE(image.IsEqual(original));
    }
    // The row just after a bank's last channel is where an insert appends.
    cmcEeprom image = original;
    EXPECT_TRUE(InsertChannel(image, templ, TestKind, 0, 4));
    EXPECT_EQ(BankCount(image, 0), 5);
}
