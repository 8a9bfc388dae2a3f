#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Codec.h"
#include "RadioText.h"
#include "cmcCellObj.h"
#include "cmcEeprom.h"
#include "cmcFCache.h"
#include "cmcGTex.h"
#include "datCh.h"

namespace {

// A small overlay: choice lists (one with placeholders that cannot be chosen),
// the tone list with its off and DTCS entries, the CTCSS names and the timer's
// off text.
const std::vector<std::string> kOverlay = {
    "#GI_Sys_AppTitle",
    "Test",
    "#GI_AppInd_TimerOff",
    "Off",
    "#GI_Sheet_Sel_Power_Cells",
    "{S(%Flex0[0])}Low|{S(%Flex0[1])}Mid|{S(%Flex0[3])}High",
    "#",
    "#GI_Sheet_Sel_Mch_CTone_Cells",
    "{S(%Flex0[0])}67.0|{S(%Flex0[1])}69.3|{S(%Flex0[2])}71.9|{S(%Flex0[52])}Off|{S(%FlexDtcs[53])}"
    "DTCS",
    "#",
    "#GI_AppItem_Ctcss",
    "67.0,69.3,71.9",
    "#",
    "#GI_Sheet_Sel_Log_Cells",
    "{S(%Flex0[0])}Off|{(%Flex0[4])}(n/a)|{S(%Flex0[1])}TX|{(%Flex0[5])}(n/a)",
    "#",
    "#GI_Sheet_Sel_Code_Cells",
    "{S(%Flex0[0])}Off|{S(%Flex0[1])}12|{S(%Flex0[2])}20|{S(%Flex0[3])}Alpha",
    "#",
    "#End_Of_Ovl",
};

class CodecTest : public ::testing::Test {
  protected:
    void SetUp() override {
        texts.SetLines(&kOverlay);
        image.Resize(0x4000);
        cell.category = CT_Mch;
        c.Cell = &cell;
        c.Editable = 1;
    }

    // A request on the cell: a key, or typed text (EditResult 1).
    void Key(int32_t key) {
        c.Key = key;
        c.EditResult = indEditResult::Key;
        c.InputText.clear();
        pending = indPending::Nothing;
    }
    void Type(const std::string& text) {
        c.Key = 0;
        c.EditResult = indEditResult::EditorText;
        c.InputText = text;
        pending = indPending::Nothing;
    }
    // A pop-up answer: the list entry of the given kind and row.
    void Choose(int kind, int row) {
        sub.item = kind;
        sub.index = row;
        subCapsule.Cell = &sub;
        c.SubCell = &subCapsule;
        c.EditResult = indEditResult::PopupChoice;
        c.Key = 0;
        pending = indPending::Nothing;
    }

    cmcGTex texts;
    cmcFCache lists{&texts};
    cmcEeprom image;
    cmcCellObj cell;
    cmcCellObj sub;
    indCellCapsule subCapsule;
    indCellCapsule c;
    indPending pending = indPending::Nothing;
};

}  // namespace

TEST_F(CodecTest, ChoiceStepsWrapAndEnterOpensTheList) {
    int32_t v = 3;
    Key(Keys::Space);
    EXPECT_EQ(Codec::SelectChoice(c, lists, "GI_Sheet_Sel_Power", Flex0, v, pending), 1);
    EXPECT_EQ(v, 0);  // from the last entry to the first
    EXPECT_EQ(c.DisplayText, "Low");
    Key(Keys::Backspace);
    Codec::SelectChoice(c, lists, "GI_Sheet_Sel_Power", Flex0, v, pending);
    EXPECT_EQ(v, 3);
    Key(Keys::Enter);
    EXPECT_EQ(Codec::SelectChoice(c, lists, "GI_Sheet_Sel_Power", Flex0, v, pending), 0);
    EXPECT_EQ(pending, indPending::Popup);
    EXPECT_EQ(c.Popup.kind, indPopupRequest::Kind::ChoiceList);
    EXPECT_EQ(c.Popup.list, "GI_Sheet_Sel_Power");
    Choose(Flex0, 1);
    EXPECT_EQ(Codec::SelectChoice(c, lists, "GI_Sheet_Sel_Power", Flex0, v, pending), 1);
    EXPECT_EQ(v, 1);
    EXPECT_EQ(c.DisplayText, "Mid");
    Choose(Flex1, 0);  // an answer of another list kind is not taken
    EXPECT_EQ(Codec::SelectChoice(c, lists, "GI_Sheet_Sel_Power", Flex0, v, pending), 0);
    v = 2;
    c.SubCell = nullptr;
    Key(0);
    Codec::SelectChoice(c, lists, "GI_Sheet_Sel_Power", Flex0, v, pending);
    EXPECT_EQ(c.DisplayText, "error");
}

TEST_F(CodecTest, TypedChoiceMatchesTextOrTheNearestNumber) {
    int32_t v = 0;
    Type("al");
    EXPECT_EQ(Codec::SelectTypedChoice(c, lists, texts, "GI_Sheet_Sel_Code", Flex0, v,
                                       Codec::MatchMode::TextThenNumeric, pending),
              1);
    EXPECT_EQ(v, 3);
    Type("15");
    Codec::SelectTypedChoice(c, lists, texts, "GI_Sheet_Sel_Code", Flex0, v,
                             Codec::MatchMode::Numeric, pending);
    EXPECT_EQ(v, 1);  // 12 is nearer than 20
    Type("off");
    Codec::SelectTypedChoice(c, lists, texts, "GI_Sheet_Sel_Code", Flex0, v,
                             Codec::MatchMode::Numeric, pending);
    EXPECT_EQ(v, 0);  // "off" reads as 0, and so does the label "Off"
    Type("oops");
    EXPECT_EQ(Codec::SelectTypedChoice(c, lists, texts, "GI_Sheet_Sel_Code", Flex0, v,
                                       Codec::MatchMode::Numeric, pending),
              0);
    Key('7');
    Codec::SelectTypedChoice(c, lists, texts, "GI_Sheet_Sel_Code", Flex0, v,
                             Codec::MatchMode::Numeric, pending);
    EXPECT_EQ(pending, indPending::Editor);
    EXPECT_EQ(c.DisplayText, "7");
}

TEST_F(CodecTest, IntegerStepsTypedRoundingAndWrap) {
    Codec::IntegerOptions o;
    o.low = 0;
    o.high = 100;
    o.step = 5;
    int32_t v = 100;
    Key(Keys::Space);
    Codec::EditInteger(c, v, o, pending);
    EXPECT_EQ(v, 0);
    o.noWrap = true;
    v = 100;
    Codec::EditInteger(c, v, o, pending);
    EXPECT_EQ(v, 100);
    Type("37");
    EXPECT_EQ(Codec::EditInteger(c, v, o, pending), 1);
    EXPECT_EQ(v, 35);  // rounded to the step
    Type("x");
    EXPECT_EQ(Codec::EditInteger(c, v, o, pending), 0);
    o.offset = 1;
    Key(0);
    Codec::EditInteger(c, v, o, pending);
    EXPECT_EQ(c.DisplayText, "36");
}

TEST_F(CodecTest, TimerShowsOffAndTakesOff) {
    uint8_t v = 0;
    Key(0);
    Codec::EditTimer(c, texts, v, 10, true, 0, pending);
    EXPECT_EQ(c.DisplayText, "Off");
    v = 25;
    Type("off");
    EXPECT_EQ(Codec::EditTimer(c, texts, v, 10, true, 0, pending), 1);
    EXPECT_EQ(v, 0);
    Type("1.5");
    Codec::EditTimer(c, texts, v, 10, false, 0, pending);
    EXPECT_EQ(v, 15);
    EXPECT_EQ(c.DisplayText, "  1.500");
    Key(Keys::Backspace);
    v = 0;
    Codec::EditTimer(c, texts, v, 10, false, 0, pending);
    EXPECT_EQ(v, 255);
}

TEST_F(CodecTest, MinSecRoundsToTheStep) {
    uint8_t v = 0;
    Type("1:20");
    EXPECT_EQ(Codec::EditMinSec(c, v, 0, 3570, 30, pending), 1);
    EXPECT_EQ(v, 3);
    EXPECT_EQ(c.DisplayText, " 1:30");
}

TEST_F(CodecTest, DtmfDigitsAndFiveToneCodes) {
    uint8_t nibbles[12] = {};
    int count = 0;
    Type("12*#");
    EXPECT_EQ(Codec::EditDtmfCode(c, nibbles, count, 24, pending), 1);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(nibbles[0], 0x12);
    EXPECT_EQ(nibbles[1], 0xEF);
    EXPECT_EQ(c.DisplayText, "12*#");
    count = 0xFF;  // a damaged count shows the width's digits and stays as stored
    Key(0);
    EXPECT_EQ(Codec::EditDtmfCode(c, nibbles, count, 4, pending), 0);
    EXPECT_EQ(count, 0xFF);
    EXPECT_EQ(c.DisplayText, "12*#");

    uint8_t code[4] = {};
    uint8_t marks = 0;
    Type("1+3G5F9");  // F ends nothing here: it is dropped as not a digit
    Codec::EditFiveToneCode(c, code, marks, 7, true, 0xE, pending);
    EXPECT_EQ(code[0], 0x10);
    EXPECT_EQ(code[1], 0x3E);
    EXPECT_EQ(code[2], 0x59);
    EXPECT_EQ(code[3], 0xFF);
    EXPECT_EQ(marks, 0x40);
    EXPECT_EQ(Codec::FiveToneLength(code), 6);
    EXPECT_EQ(c.DisplayText, "1+3*59");
}

TEST_F(CodecTest, FlagDigitsShowPositionsAndToggle) {
    int32_t bits = (1 << 9) | 1;  // positions 1 and 10
    Key(0);
    Codec::EditFlagDigits(c, bits, 1, 10, 2, "", pending);
    EXPECT_EQ(c.DisplayText, "1________0\n");
    Key('0');
    Codec::EditFlagDigits(c, bits, 1, 10, 2, "", pending);
    EXPECT_EQ(bits, 1 << 9);
    Key(Keys::Backspace);
    Codec::EditFlagDigits(c, bits, 1, 10, 2, "", pending);
    EXPECT_EQ(bits, 0x1FF);
    Key(Keys::Enter);
    Codec::EditFlagDigits(c, bits, 1, 10, 2, "", pending);
    EXPECT_EQ(pending, indPending::Popup);
    EXPECT_EQ(c.Popup.value, 0x1FF << 16);  // position 1 at bit 25
}

TEST_F(CodecTest, FrequencyTypedOnABlankChannelTakesItIntoUse) {
    datCh ch(&image);
    ch.Decode(KindMchPmr, 0);
    ch.SetUsed(false);
    ch.Encode();
    ch.Reload();
    Key(0);
    Codec::EditFrequency(c, ch, false, pending);
    EXPECT_EQ(c.DisplayText, "");
    Type("146.52");
    EXPECT_EQ(Codec::EditFrequency(c, ch, false, pending), 1);
    EXPECT_TRUE(ch.Used());
    EXPECT_EQ(ch.RxFreq(), 146520000);
    EXPECT_EQ(ch.TxFreq(), 146520000);
    Type("146.5212");
    EXPECT_EQ(Codec::EditFrequency(c, ch, false, pending), 0);
    EXPECT_EQ(ch.RxFreq(), 146520000);
    Key(0);
    Codec::EditFrequency(c, ch, true, pending);
    EXPECT_EQ(c.DisplayText, "<-");
    EXPECT_EQ(cell.HAlign(), kAlignCentre);
    Type("147.0");  // receive on a simplex channel moves transmit along
    Codec::EditFrequency(c, ch, false, pending);
    EXPECT_EQ(ch.TxFreq(), 147000000);
    Type("147.6");
    Codec::EditFrequency(c, ch, true, pending);
    Type("147.1");
    Codec::EditFrequency(c, ch, false, pending);
    EXPECT_EQ(ch.TxFreq(), 147600000);  // not simplex: transmit stays
}

TEST_F(CodecTest, AnOffRasterStoredFrequencyShowsZero) {
    datCh ch(&image);
    ch.Decode(KindMchPmr, 1);
    ch.Set(datField::RxSteps, 146520625 / 625);
    ch.Set(datField::TxSteps, 146520000 / 625);
    Key(0);
    Codec::EditFrequency(c, ch, false, pending);
    EXPECT_EQ(c.DisplayText, "0.000000");
}

TEST_F(CodecTest, ToneTakesDtcsTextAndCtcssNames) {
    datCh ch(&image);
    ch.Decode(KindMchPmr, 2);
    Type("023I");
    EXPECT_EQ(Codec::EditTone(c, lists, texts, ch, false, pending), 1);
    datTone t = ch.RxTone();
    EXPECT_TRUE(t.On);
    EXPECT_TRUE(t.Dtcs);
    EXPECT_TRUE(t.Inverted);
    EXPECT_EQ(t.DtcsCode, 19);
    EXPECT_EQ(c.DisplayText, "023i");
    Key(Keys::Space);  // toggles the inversion
    Codec::EditTone(c, lists, texts, ch, false, pending);
    EXPECT_EQ(c.DisplayText, "023N");
    Type("69");
    Codec::EditTone(c, lists, texts, ch, false, pending);
    t = ch.RxTone();
    EXPECT_FALSE(t.Dtcs);
    EXPECT_EQ(t.CtcssIndex, 1);
    EXPECT_EQ(c.DisplayText, "69.3");
    Choose(Flex0, 52);
    Codec::EditTone(c, lists, texts, ch, false, pending);
    EXPECT_FALSE(ch.RxTone().On);
    EXPECT_EQ(c.DisplayText, "Off");
}

// Stepping over placeholders is the choice table's (FCacheTest); typed text
// is matched here.
TEST_F(CodecTest, TypedTextNeverMatchesAPlaceholder) {
    int32_t v = 0;
    Type("(n");
    EXPECT_EQ(Codec::SelectTypedChoice(c, lists, texts, "GI_Sheet_Sel_Log", Flex0, v,
                                       Codec::MatchMode::Text, pending),
              0);
    EXPECT_EQ(v, 0);
}

TEST_F(CodecTest, TypedTextWithoutAValueIsRefused) {
    struct Case {
        const char* typed;
        bool passcode;  // else a timer (scale 10)
        bool accepted;
    };
    const Case cases[] = {
        {"xyz", false, false},   {"  ", false, false},  {".", false, false},
        {"off", false, true},    {"1.5", false, true},  {"12", true, false},
        {"123456", true, false}, {"12a4", true, false}, {"", true, false},
        {" 4321 ", true, true},
    };
    for (const Case& k : cases) {
        Type(k.typed);
        if (k.passcode) {
            uint8_t nibbles[2] = {0x56, 0x78};
            const int changed = Codec::EditPasscode(c, nibbles, 4, pending);
            EXPECT_EQ(changed != 0, k.accepted) << k.typed;
            EXPECT_EQ(nibbles[0], k.accepted ? 0x43 : 0x56) << k.typed;
            EXPECT_EQ(nibbles[1], k.accepted ? 0x21 : 0x78) << k.typed;
        } else {
            uint8_t value = 77;
            const int changed = Codec::EditTimer(c, texts, value, 10, true, 0, pending);
            EXPECT_EQ(changed != 0, k.accepted) << k.typed;
            EXPECT_EQ(value != 77, k.accepted) << k.typed;
        }
    }
    int32_t fixed = 1234;
    Codec::FixedPointOptions o;
    o.storageDecimals = 1;
    o.min = -100;
    o.max = 300;
    for (const char* typed : {".", "-", "abc"}) {
        Type(typed);
        EXPECT_EQ(Codec::EditFixedPoint(c, fixed, o, pending), 0) << typed;
        EXPECT_EQ(fixed, 1234) << typed;
    }
    for (const char* typed : {":", " : ", "x"}) {
        uint8_t steps = 5;  // 2:30
        Type(typed);
        EXPECT_EQ(Codec::EditMinSec(c, steps, 0, 3570, 30, pending), 0) << typed;
        EXPECT_EQ(steps, 5) << typed;
    }
}

TEST_F(CodecTest, ChoosingDtcsStoresNothingUntilACodeIsEntered) {
    datCh ch(&image);
    ch.Decode(KindMchPmr, 2);
    Choose(Flex0, 2);  // CTCSS 71.9: its index is no DTCS code
    Codec::EditTone(c, lists, texts, ch, false, pending);
    ASSERT_EQ(ch.RxTone().CtcssIndex, 2);
    Choose(FlexDtcs, 53);
    EXPECT_EQ(Codec::EditTone(c, lists, texts, ch, false, pending), 0);
    EXPECT_EQ(pending, indPending::Editor);  // the code entry opens, empty
    EXPECT_EQ(c.DisplayText, "");
    EXPECT_FALSE(ch.RxTone().Dtcs);  // cancelling the entry leaves CTCSS 71.9
    EXPECT_EQ(ch.RxTone().CtcssIndex, 2);
    c.SubCell = nullptr;
    Type("023");
    EXPECT_EQ(Codec::EditTone(c, lists, texts, ch, false, pending), 1);
    EXPECT_TRUE(ch.RxTone().Dtcs);
    EXPECT_EQ(ch.RxTone().DtcsCode, 19);
}

TEST_F(CodecTest, RadioTextOpensTheEditorAndStoresTheDisplayForm) {
    uint8_t field[6];
    RadioText::Store("AB", field, 6);
    struct Case {
        const char* what;
        int32_t editable, key;
        const char* shown;
        int32_t caret, selected;
        indPending pending;
    };
    const Case cases[] = {
        {"Enter opens on the text", 1, Keys::Enter, "AB", 2, 0, indPending::Editor},
        {"backspace too", 1, Keys::Backspace, "AB", 2, 0, indPending::Editor},
        {"a space starts afresh", 1, Keys::Space, " ", 1, 0, indPending::Editor},
        {"a letter starts afresh", 1, 'x', "x", 1, 0, indPending::Editor},
        {"no key only shows", 1, Keys::None, "AB", 0, 2, indPending::Nothing},
        {"a display-only cell opens nothing", 0, Keys::Enter, "AB", 0, 2, indPending::Nothing},
    };
    for (const Case& k : cases) {
        c.Editable = k.editable;
        Key(k.key);
        EXPECT_EQ(Codec::EditRadioText(c, field, 6, pending), 0) << k.what;
        EXPECT_EQ(pending, k.pending) << k.what;
        EXPECT_EQ(c.DisplayText, k.shown) << k.what;
        EXPECT_EQ(c.CaretPos, k.caret) << k.what;
        EXPECT_EQ(c.SelLength, k.selected) << k.what;
        EXPECT_EQ(c.RadioPreview.length, 6) << k.what;
        EXPECT_FALSE(c.RadioPreview.userCharacter) << k.what;
    }
    Type("%10Z%%");  // a user character, a letter and a doubled "%"
    EXPECT_EQ(Codec::EditRadioText(c, field, 6, pending), 1);
    EXPECT_EQ(std::vector<uint8_t>(field, field + 6),
              (std::vector<uint8_t>{0x10, 'Z', '%', ' ', ' ', ' '}));
    EXPECT_EQ(c.DisplayText, "%10Z%%");
}
