#include <gtest/gtest.h>

#include "ChEvents.h"
#include "ChLayout.h"
#include "ChRowOps.h"
#include "ChannelFixture.h"
#include "EventIds.h"
#include "OverlayNames.h"
#include "cmcClipCh.h"
#include "cmcGTex.h"

namespace {

class RowOps : public ::testing::Test {
  protected:
    // Bank 0: channels 0..9, bank 1: 10..19; all in use.
    cmcEeprom image = ChannelImage({10, 10}, 20);
    const cmcEeprom templ = BlankTemplate();
    datClipCh clip;
    EventRecorder events;
    ScriptedBoxes boxes;
    datRowRequest req;

    datCh Row(int row, uint8_t kind = TestKind) {
        datCh rec(&image);
        rec.Decode(kind, row);
        return rec;
    }
    void Select(int first, int last) {
        req.RangeFlags = datRowRequest::RangeSelected;
        req.RangeFirst = first;
        req.RangeLast = last;
    }
    std::string LastBoxText() { return boxes->Boxes().empty() ? "" : boxes->Boxes().back().text; }
    std::string StatusText() {
        const auto status = events.Of(EventIds::StatusText);
        return status.empty() ? "" : status.back().Text();
    }
};

constexpr datRowBounds Bank0{0, 9};

}  // namespace

TEST_F(RowOps, CopyClipsToTheBoundsAndReportsOnTheStatusBar) {
    datCh rec = Row(8);
    Select(8, 12);
    EXPECT_TRUE(RowCopy(clip, req, rec, Bank0));
    EXPECT_TRUE(clip.Holds(TestKind));
    EXPECT_EQ(clip.First(), 8);
    EXPECT_EQ(clip.Count(), 2);
    EXPECT_EQ(req.RangeLast, 9);
    EXPECT_NE(req.RangeFlags & datRowRequest::RangeChanged, 0);
    const auto status = events.Of(EventIds::StatusText);
    ASSERT_EQ(status.size(), 1u);
    EXPECT_EQ(status[0].Text(), GTex().GetText("GI_AppMess_S_Copy"));
    // Window text on button face, encoded as the overlay names them.
    uint32_t text = 0, face = 0;
    ASSERT_TRUE(FindColor("clWindowText", text) && FindColor("clBtnFace", face));
    EXPECT_EQ(reinterpret_cast<uintptr_t>(status[0].object), text);
    EXPECT_EQ(static_cast<uint32_t>(status[0].value), face);

    datCh outside = Row(12);
    EXPECT_FALSE(RowCopy(clip, req, outside, Bank0));
}

TEST_F(RowOps, PastingThreeChannelsOntoTheLastTwoRowsOfABankWritesTwo) {
    datCh first = Row(0);
    Select(0, 2);
    RowCopy(clip, req, first, Bank0);
    req = {};
    datCh target = Row(8);
    boxes->Answer(cmcMbResult::Ok);
    EXPECT_TRUE(RowPaste(clip, req, target, Bank0));
    ASSERT_EQ(boxes->Boxes().size(), 1u);  // the rows held channels: asked first
    EXPECT_EQ(LastBoxText(), GTex().GetLines("GI_AppMess_Conv_Overwrite"));
    EXPECT_EQ(ChannelId(image, 8), 0);
    EXPECT_EQ(ChannelId(image, 9), 1);
    EXPECT_EQ(ChannelId(image, 10), 10);  // the next bank is untouched
    EXPECT_EQ(req.RangeFirst, 8);
    EXPECT_EQ(req.RangeLast, 9);
    EXPECT_EQ(events.Of(EventIds::RepaintAll).size(), 1u);
    EXPECT_EQ(StatusText(), GTex().GetText("GI_AppMess_S_Paste"));
}

TEST_F(RowOps, PasteOntoBlankChannelsDoesNotAskAndCancelStops) {
    datCh first = Row(0);
    RowCopy(clip, req, first, Bank0);
    datCh blankRow = Row(30);  // past the banks: blank
    EXPECT_TRUE(RowPaste(clip, req, blankRow, {30, 40}));
    EXPECT_TRUE(boxes->Boxes().empty());
    EXPECT_EQ(ChannelId(image, 30), 0);
    EXPECT_EQ(events.Of(EventIds::RowChanged).size(), 1u);

    const cmcEeprom before = image;
    datCh target = Row(5);
    boxes->Answer(cmcMbResult::Cancel);
    EXPECT_FALSE(RowPaste(clip, req, target, Bank0));
    EXPECT_TRUE(image.IsEqual(before));
}

TEST_F(RowOps, PastingOntoDtmfMemoriesAlwaysAsksFirst) {
    cmcEeprom zero = ZeroImage();
    image = zero;  // empty memories: still not "blank"
    datCh dtmf = Row(0, KindDtmf);
    RowCopy(clip, req, dtmf, {0, 7});
    datCh target = Row(3, KindDtmf);
    EXPECT_FALSE(RowPaste(clip, req, target, {0, 7}));  // no answer scripted: Cancel
    ASSERT_EQ(boxes->Boxes().size(), 1u);
    EXPECT_EQ(LastBoxText(), GTex().GetLines("GI_AppMess_Conv_Overwrite"));
    EXPECT_EQ(boxes->Boxes()[0].buttons, cmcMbButtons::OkCancel);
    EXPECT_TRUE(image.IsEqual(zero));

    datCh channel = Row(3);  // another kind than the clipboard holds: nothing
    EXPECT_FALSE(RowPaste(clip, req, channel, Bank0));
    EXPECT_EQ(boxes->Boxes().size(), 1u);
}

TEST_F(RowOps, CarryingPriorityADownMovesTheMark) {
    image.SetByte(ChLayout::AdrPriorityA, 3);
    datCh rec = Row(3);
    EXPECT_TRUE(RowCarry(req, rec, Bank0, +1));
    EXPECT_EQ(ChannelId(image, 3), 4);
    EXPECT_EQ(ChannelId(image, 4), 3);
    EXPECT_EQ(image.GetByte(ChLayout::AdrPriorityA), 4);
    EXPECT_EQ(req.RangeFirst, 4);
    EXPECT_EQ(req.RangeLast, 4);
    EXPECT_EQ(req.Redirect, 1);
    EXPECT_EQ(req.RedirRow, 4);

    Select(2, 4);  // carry a range up: the displaced row 1 goes to the end
    datCh top = Row(2);
    EXPECT_TRUE(RowCarry(req, top, Bank0, -1));
    EXPECT_EQ(ChannelId(image, 1), 2);
    EXPECT_EQ(ChannelId(image, 2), 4);
    EXPECT_EQ(ChannelId(image, 3), 3);
    EXPECT_EQ(ChannelId(image, 4), 1);
    EXPECT_EQ(image.GetByte(ChLayout::AdrPriorityA), 3);
    EXPECT_EQ(req.RedirRow, 1);
}

TEST_F(RowOps, CarryStopsAtTheBankEdges) {
    const cmcEeprom before = image;
    datCh last = Row(9);
    EXPECT_FALSE(RowCarry(req, last, Bank0, +1));
    datCh first = Row(0);
    EXPECT_FALSE(RowCarry(req, first, Bank0, -1));
    EXPECT_TRUE(image.IsEqual(before));
}

TEST_F(RowOps, ClearingAPriorityChannelKeepsItsMarks) {
    image.SetByte(ChLayout::AdrPriorityA, 4);
    image.SetByte(ChLayout::AdrPriorityB, 4);
    image.SetByte(ChLayout::AdrEmergency, 4);
    datCh rec = Row(4);
    boxes->Answer(cmcMbResult::Ok);
    EXPECT_TRUE(RowClear(templ, req, rec, Bank0));
    EXPECT_EQ(LastBoxText(), GTex().GetLines("GI_AppMess_Conv_Clear"));
    EXPECT_EQ(ChannelId(image, 4), -1);
    const datCh cleared = Row(4);
    EXPECT_EQ(cleared.Attr() & 0x07,
              datCh::AttrPriorityA | datCh::AttrPriorityB | datCh::AttrEmergency);
    EXPECT_EQ(events.Of(EventIds::RowChanged).size(), 1u);
    EXPECT_EQ(StatusText(), GTex().GetText("GI_AppMess_S_Clear"));

    datCh dtmf = Row(0, KindDtmf);  // DTMF memories cannot be cleared
    EXPECT_FALSE(RowClear(templ, req, dtmf, {0, 7}));
}

TEST_F(RowOps, ClearAsksEvenForBlankRows) {
    datCh rec = Row(40);
    const cmcEeprom before = image;
    EXPECT_FALSE(RowClear(templ, req, rec, {40, 40}));  // Cancel
    EXPECT_EQ(boxes->Boxes().size(), 1u);
    EXPECT_TRUE(image.IsEqual(before));
}

TEST_F(RowOps, DeletingAPriorityChannelIsRefused) {
    image.SetByte(ChLayout::AdrPriorityB, 6);
    Select(5, 7);
    datCh rec = Row(5);
    boxes->Answer(cmcMbResult::Ok);
    EXPECT_FALSE(RowDelete(req, rec, Bank0));
    ASSERT_EQ(boxes->Boxes().size(), 2u);
    EXPECT_EQ(boxes->Boxes()[1].text, GTex().GetLines("GI_AppMess_ChErr_DelPrio"));
    EXPECT_EQ(boxes->Boxes()[1].icon, cmcMbIcon::Stop);
    EXPECT_TRUE(events.Of(EventIds::DeleteChannel).empty());
}

TEST_F(RowOps, DeletePostsOneEventPerRowAndDisablesTheEmergencyChannel) {
    image.SetByte(ChLayout::AdrEmergency, 13);
    req.Bank = 1;
    Select(12, 14);
    datCh rec = Row(12);
    boxes->Answer(cmcMbResult::Ok);
    EXPECT_TRUE(RowDelete(req, rec, {10, 19}));
    EXPECT_EQ(LastBoxText(), GTex().GetLines("GI_AppMess_Conv_Delete"));
    const auto deletes = events.Of(EventIds::DeleteChannel);
    ASSERT_EQ(deletes.size(), 3u);
    for (const cmcEvent& e : deletes) {
        EXPECT_EQ(ChEvent::BankOfEvent(e), 1);
        EXPECT_EQ(e.value, 12);
    }
    EXPECT_EQ(image.GetByte(ChLayout::AdrEmergencyEnable) & ChLayout::EmergencyEnableBit, 0);
    EXPECT_EQ(req.Redirect, 1);
    EXPECT_EQ(req.RedirRow, 12);
    EXPECT_EQ(req.RangeFlags & datRowRequest::RangeChanged, 0);
    EXPECT_EQ(events.Of(EventIds::RepaintAll).size(), 1u);
    EXPECT_EQ(StatusText(), GTex().GetText("GI_AppMess_S_Delete"));
}

TEST_F(RowOps, DeletingBlankChannelsDoesNotAsk) {
    image = ChannelImage({10}, 5);
    Select(6, 8);
    datCh rec = Row(6);
    EXPECT_TRUE(RowDelete(req, rec, Bank0));
    EXPECT_TRUE(boxes->Boxes().empty());
    EXPECT_EQ(events.Of(EventIds::DeleteChannel).size(), 3u);
}

TEST_F(RowOps, InsertingPast256ChannelsStopsWithTheOverflowMessage) {
    SetBankCount(image, 2, 255 - 20);  // 255 channels in all: one more fits
    Select(3, 5);
    datCh rec = Row(3);
    EXPECT_TRUE(RowInsert(req, rec, Bank0));
    const auto inserts = events.Of(EventIds::InsertChannel);
    ASSERT_EQ(inserts.size(), 1u);
    EXPECT_EQ(inserts[0].value, 3);
    ASSERT_EQ(boxes->Boxes().size(), 1u);
    EXPECT_EQ(LastBoxText(), GTex().GetLines("GI_AppMess_ChErr_Overflow"));
    EXPECT_EQ(boxes->Boxes()[0].icon, cmcMbIcon::Stop);

    SetBankCount(image, 2, 256 - 20);
    events.Clear();
    EXPECT_FALSE(RowInsert(req, rec, Bank0));
    EXPECT_TRUE(events.Of(EventIds::InsertChannel).empty());
}

TEST_F(RowOps, InsertFitsAndMayAppendAtTheEndOfTheBank) {
    datCh rec = Row(10);  // the row after bank 0's last channel
    EXPECT_TRUE(RowInsert(req, rec, Bank0));
    const auto inserts = events.Of(EventIds::InsertChannel);
    ASSERT_EQ(inserts.size(), 1u);
    EXPECT_EQ(inserts[0].value, 10);
    EXPECT_TRUE(boxes->Boxes().empty());
    EXPECT_EQ(StatusText(), GTex().GetText("GI_AppMess_S_Insert"));
}

TEST(ClipCh, PasteTakesTheTargetsRowBoundAttributesUnlessKeepingAll) {
    cmcEeprom image = ChannelImage({2, 2}, 4);
    SetBankSmarTrunk(image, 1, true);
    image.SetByte(ChLayout::AdrPriorityA, 0);
    datClipCh clip;
    clip.CopyFrom(image, TestKind, 0, 1);  // channel 0 carries priority A, bank 0 no SmarTrunk
    clip.PasteTo(image, TestKind, 2, 1);
    EXPECT_EQ(image.GetByte(ChLayout::AdrPriorityA), 2);  // A travels with the paste
    EXPECT_TRUE(BankSmarTrunk(image, 1));                 // bank 1 keeps its flag

    image.SetByte(ChLayout::AdrPriorityA, 0);
    clip.PasteKeepingAttributes(image, TestKind, 3, 1);
    EXPECT_EQ(image.GetByte(ChLayout::AdrPriorityA), 0);  // the target had no A
    EXPECT_EQ(ChannelId(image, 3), 0);

    clip.Clear();
    EXPECT_FALSE(clip.Holds(TestKind));
    EXPECT_FALSE(clip.Holds(KindNone));
}
