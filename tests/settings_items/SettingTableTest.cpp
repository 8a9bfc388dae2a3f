// Generated over every row of the setting-item table, for every model type
// the item belongs to and every row the item has: on a randomised image, an
// edit through the item's codec (a step key, or typed text) reads back as the
// cell showed it, and changes no bit outside the item's field and the fields
// its rules keep in step, and reports a change exactly when it wrote the image.
// On the template image, the edit survives the clone write's preparation, a
// save and an open of the file (all normalise the image). The overlay sheets
// show each item exactly on the model types the table gives it.

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "CellNames.h"
#include "ClfTestSupport.h"
#include "SettingRules.h"
#include "SettingSheets.h"
#include "SettingsFixture.h"
#include "indDocument.h"
#include "indDocumentContext.h"
#include "indSettingItem.h"

namespace {

class NoCommands : public indCommands {};

// What the generated test does to an item: a key, or a text to type.
struct Edit {
    int32_t key = Keys::None;
    std::string text;
};

Edit EditFor(const indSettingItem& s) {
    switch (s.codec) {
        case indCodecKind::FixedPoint:
            if (s.stepping) {
                return {Keys::Space, ""};
            }
            return {Keys::None, s.conversion == indConversion::SignMagnitude ? "-12.525" : "123.4"};
        case indCodecKind::HexDigits:
            return {Keys::None, "A5C3"};
        case indCodecKind::HexDigit:
            return {Keys::None, "7"};
        case indCodecKind::FlagDigits:
            return {'1', ""};
        case indCodecKind::RadioText:
            return {Keys::None, "HELLO %1A"};
        case indCodecKind::AsciiText:
            return {Keys::None, "HELLO"};
        case indCodecKind::Passcode:
            return {Keys::None, std::string("987654").substr(0, static_cast<size_t>(s.width))};
        case indCodecKind::DtmfCode:
            return {Keys::None, "12*#"};
        case indCodecKind::FiveToneCode:
            return {Keys::None, s.flag ? "1+3*5" : "12345"};
        case indCodecKind::AbcCode:
            return {Keys::None, "5"};
        case indCodecKind::Tone:
            return {Keys::None, "023I"};
        case indCodecKind::Glyph:
            return {Keys::None, std::string(80, '1') + std::string(80, '0')};
        case indCodecKind::Special:
            return {Keys::Space, ""};
        default:
            return {Keys::Space, ""};  // choices, numbers, timers: one step
    }
}

// The rows the generated test visits: every row of a row item, row 0 of the others.
std::vector<int> RowsOf(const indSettingItem& s) {
    std::vector<int> rows;
    const int last = s.lastRow == indSettingItem::NoLastRow ? s.firstRow : s.lastRow;
    for (int r = s.firstRow; r <= last; ++r) {
        rows.push_back(r);
    }
    return rows;
}

// Bits an edit of the item may change, by address.
std::map<int, uint8_t> Allowed(const indSettingItem& s, int row) {
    std::map<int, uint8_t> allowed;
    for (const indByteMask& m : SettingFootprint(s, row)) {
        allowed[m.address] |= m.mask;
    }
    return allowed;
}

// Cells stored in bits that normalisation takes from the template: they show
// "----" and take no key on these model types.
bool TemplateOwned(int item, int model) {
    struct Owned {
        int item;
        uint8_t models;
    };
    static constexpr Owned owned[] = {
        {CL_Comm_EmerTim_Sairen, ModelMask::All},  // 0x00CC bit 7
        {CL_KDisp_MrCode, ModelMask::Lmr},         // 0x00A1 bit 1
        {CL_Comm_InactiveTimer, ModelMask::Lmr},   // 0x00C2
    };
    for (const Owned& o : owned) {
        if (o.item == item && (o.models & (1 << model)) != 0) {
            return true;
        }
    }
    return false;
}

class SettingTableTest : public ::testing::Test {
  protected:
    void Randomise(unsigned seed) {
        std::mt19937 random(seed);
        for (int a = 0; a < f.working.Size(); ++a) {
            f.working.SetByte(a, static_cast<uint8_t>(random()));
        }
    }

    // Category of the cells that show the item (tone pairs decode their record).
    static int CategoryOf(const indSettingItem& s) {
        return s.codec == indCodecKind::Tone ? CT_CTone : CT_Null;
    }

    // The changed bits outside what the item may change, as text ("" when none).
    std::string Stray(const std::vector<uint8_t>& before, const std::map<int, uint8_t>& allowed) {
        for (int a = 0; a < f.working.Size(); ++a) {
            const auto it = allowed.find(a);
            const uint8_t mask = it == allowed.end() ? 0 : it->second;
            const int diff = (before[static_cast<size_t>(a)] ^ f.working.GetByte(a)) & ~mask;
            if (diff != 0) {
                char buf[48];
                std::snprintf(buf, sizeof buf, "address 0x%04X bits 0x%02X", a, diff);
                return buf;
            }
        }
        return "";
    }

    SettingsFixture f;
};

TEST_F(SettingTableTest, EveryItemReadsBackAsShownAndKeepsToItsField) {
    int visited = 0;
    for (const indSettingItem& s : SettingItems()) {
        const std::string name(CellItemName(s.item));
        const Edit edit = EditFor(s);
        for (int model = 0; model < ModelTypeCount; ++model) {
            if ((s.models & (1 << model)) == 0) {
                continue;
            }
            f.model = model;
            for (int row : RowsOf(s)) {
                SCOPED_TRACE(name + " model " + std::to_string(model) + " row " +
                             std::to_string(row));
                Randomise(static_cast<unsigned>(s.item * 1000 + row * 10 + model));
                const std::vector<uint8_t> before(f.working.Data(),
                                                  f.working.Data() + f.working.Size());
                const int category = CategoryOf(s);
                indPending pending = indPending::Nothing;
                const int flags = f.Notified(category, s.item, row, edit.key, edit.text, &pending);
                EXPECT_EQ(pending, indPending::Nothing);
                const std::string shown = f.capsule.DisplayText;
                EXPECT_EQ(f.Show(category, s.item, row), shown);
                EXPECT_EQ(Stray(before, Allowed(s, row)), "");
                const bool changed = !std::equal(before.begin(), before.end(), f.working.Data());
                EXPECT_EQ((flags & ChangeFlags::Record) != 0, changed);
                if (s.codec == indCodecKind::Special || TemplateOwned(s.item, model)) {
                    EXPECT_FALSE(changed);
                } else if (edit.text.empty()) {
                    EXPECT_TRUE(changed);  // a step always moves the value
                } else if (s.codec != indCodecKind::Glyph) {
                    // Typing the shown text back stores the same value.
                    const std::vector<uint8_t> after(f.working.Data(),
                                                     f.working.Data() + f.working.Size());
                    f.Type(category, s.item, row, shown);
                    EXPECT_TRUE(std::equal(after.begin(), after.end(), f.working.Data()));
                }
                ++visited;
            }
        }
    }
    EXPECT_GT(visited, 400);
}

// One model type per test: each runs a save and an open per cell.
class SettingEditKeptTest : public SettingTableTest, public ::testing::WithParamInterface<int> {};

TEST_P(SettingEditKeptTest, EveryEditableCellKeepsItsEditThroughCloneWriteSaveAndOpen) {
    ScratchDir dir;
    const std::string path = dir.File("edit.clf");
    NoCommands commands;
    int kept = 0;
    const int model = GetParam();
    {  // the document is gone before the events it posted are pumped
        indDocument doc;
        doc.Start();
        f.boxes.Answer(cmcMbResult::Ok);  // the model change asks first
        doc.ChangeModelType(model, true);
        indDocumentContext context(doc, commands, f.texts);
        doc.NormalizeImage(doc.WorkingImage());
        const cmcEeprom baseline = doc.WorkingImage();
        auto request = [&](const indSettingItem& s, int row, const Edit& edit) {
            cmcCellObj cell;
            cell.category = CategoryOf(s);
            cell.item = s.item;
            cell.index = row;
            indCellCapsule c;
            c.Cell = &cell;
            c.Editable = 1;
            c.Key = edit.key;
            c.EditResult = edit.text.empty() ? indEditResult::Key : indEditResult::EditorText;
            c.InputText = edit.text;
            context.Handler().HandleCell(c);
            return c.DisplayText;
        };
        for (const indSettingItem& s : SettingItems()) {
            if ((s.models & (1 << model)) == 0 || s.codec == indCodecKind::Special) {
                continue;
            }
            for (int row : RowsOf(s)) {
                SCOPED_TRACE(std::string(CellItemName(s.item)) + " model " + std::to_string(model) +
                             " row " + std::to_string(row));
                doc.WorkingImage().Assign(baseline);
                request(s, row, EditFor(s));
                const std::string shown = request(s, row, {});
                if (TemplateOwned(s.item, model)) {
                    EXPECT_EQ(shown, "----");
                    EXPECT_TRUE(doc.WorkingImage().IsEqual(baseline));
                    continue;
                }
                EXPECT_FALSE(doc.WorkingImage().IsEqual(baseline));  // every other cell edits
                // The clone write's preparation, carried out on the image the cell shows.
                doc.CorrectChannels(doc.WorkingImage());
                doc.NormalizeImage(doc.WorkingImage());
                EXPECT_EQ(request(s, row, {}), shown) << "after the clone write's preparation";
                ASSERT_TRUE(doc.SaveToFile(path));
                EXPECT_EQ(request(s, row, {}), shown) << "after the save's normalisation";
                ASSERT_EQ(doc.OpenFile(path), 0);
                EXPECT_EQ(request(s, row, {}), shown) << "after opening the file again";
                ++kept;
            }
        }
    }
    EvMan().Pump();
    EXPECT_GT(kept, 100);
}

INSTANTIATE_TEST_SUITE_P(EveryModelType, SettingEditKeptTest, ::testing::Range(0, ModelTypeCount));

TEST_F(SettingTableTest, RowsOutsideAnItemsRangeDoNotApply) {
    for (const indSettingItem& s : SettingItems()) {
        if (s.lastRow == indSettingItem::NoLastRow) {
            continue;
        }
        SCOPED_TRACE(std::string(CellItemName(s.item)));
        Randomise(static_cast<unsigned>(s.item));
        const std::vector<uint8_t> before(f.working.Data(), f.working.Data() + f.working.Size());
        for (int row : {s.firstRow - 1, s.lastRow + 1}) {
            if (row < 0) {
                continue;
            }
            f.Request(CategoryOf(s), s.item, row, Keys::Space);
            EXPECT_EQ(f.capsule.DisplayText, "----");
        }
        EXPECT_TRUE(std::equal(before.begin(), before.end(), f.working.Data()));
    }
}

TEST_F(SettingTableTest, SheetsShowEachItemOnTheModelTypesItBelongsTo) {
    for (int model = 0; model < ModelTypeCount; ++model) {
        f.LoadTemplate(model);
        std::set<int> shown;
        for (const cmcCellObj& cell : SettingSheetCells(f.texts, f.working, model)) {
            const indSettingItem* s = FindSettingItem(cell.item);
            if (s == nullptr) {
                continue;  // numbering and generic cells
            }
            EXPECT_NE(s->models & (1 << model), 0)
                << CellItemName(cell.item) << " on a sheet of model " << model;
            shown.insert(cell.item);
        }
        for (const indSettingItem& s : SettingItems()) {
            const bool belongs = (s.models & (1 << model)) != 0 && s.rule != indRule::Inert;
            // The set-mode access line is shown only while the maker option is set.
            if (s.item == CL_Comm_SetModeAccess) {
                continue;
            }
            EXPECT_EQ(shown.count(s.item) != 0, belongs)
                << CellItemName(s.item) << " model " << model;
        }
    }
}

}  // namespace

namespace {

// Every value the field of a choice item can hold, as the list index it shows.
std::set<int32_t> ChoiceValues(const indSettingItem& s, int pllType) {
    uint32_t mask = 0;  // the bits the stored number can have
    for (int i = 0; i < s.store.layout.pieceCount; ++i) {
        const datPiece& p = s.store.layout.pieces[static_cast<size_t>(i)];
        mask |= ((1u << (p.hi - p.lo + 1)) - 1u) << p.shift;
    }
    std::set<int32_t> values;
    for (uint32_t stored = 0;; stored = (stored - mask) & mask) {  // every submask
        const auto v = static_cast<int32_t>(stored);
        values.insert(s.rule == indRule::PllReference ? SettingRules::PllReferenceIndex(v, pllType)
                                                      : SettingRules::ToShown(s.conversion, v));
        if (stored == mask) {
            break;
        }
    }
    return values;
}

TEST_F(SettingTableTest, ChoiceListsHaveAnEntryForEveryValueOfTheirField) {
    for (const indSettingItem& s : SettingItems()) {
        if (s.codec != indCodecKind::Choice) {
            continue;
        }
        for (int pllType = 0; pllType < 2; ++pllType) {
            const std::string list = s.rule == indRule::PllReference
                                         ? SettingRules::PllReferenceList(pllType)
                                         : std::string(s.list);
            for (int32_t value : ChoiceValues(s, pllType)) {
                EXPECT_NE(f.lists.GetChoiceText(list, s.entryKind, value), "error")
                    << CellItemName(s.item) << " " << list << " value " << value;
            }
        }
    }
    // Key functions: every byte in the list of every model type; the option pop-up's two values.
    for (const char* list : {"GI_Sheet_Sel_Keys_Conv_Lmr", "GI_Sheet_Sel_Keys_Conv_Pmr",
                             "GI_Sheet_Sel_Keys_Conv_BiisPmr"}) {
        for (int32_t code = 0; code < 256; ++code) {
            EXPECT_NE(f.lists.GetChoiceText(list, Flex0, code), "error") << list << " " << code;
        }
    }
    for (int32_t bit : {0, 1}) {
        EXPECT_NE(f.lists.GetChoiceText("GI_Sheet_Sel_KDisp_KeyOpt_HL", FlexKeyOpt, bit), "error");
    }
    // The ABC list names every value of the byte that is not a code number.
    for (int32_t value = 0; value < 256; ++value) {
        if (value < 2 || value > 32) {
            EXPECT_NE(f.lists.GetChoiceText("GI_Sheet_Sel_RxC_AbcSel", Flex0, value), "error")
                << value;
        }
    }
}

TEST_F(SettingTableTest, SharedStorageIsOneValueInEveryView) {
    // The long-tone timer is the first 2-tone period.
    f.Type(CT_TX_Code, CL_5TTx_LongToneTimer, 0, "0.5");
    EXPECT_EQ(f.Byte(0x00AF), 50);
    EXPECT_EQ(f.Show(CT_2ToneTX_Common, CL_2T_1st_Period, 0), "  5.0");
    // 2-tone and 5-tone receive codes share their slots and texts.
    f.Type(CT_2Tone_Code, CL_2T_Text, 2, "Depot");
    EXPECT_EQ(f.Show(CT_RX_Code, CL_5TRx_Text, 2), "Depot");
    f.Choose(CT_RX_Code, CL_5TRx_Bell, 2, Flex0, 2);
    EXPECT_EQ(f.Show(CT_2Tone_Code, CL_2T_Bell, 2),
              f.lists.GetChoiceText("GI_Sheet_Sel_RxC_Bell", Flex0, 2));
    // The 2-tone transmit tones are user-tone encode slots 0 and 1.
    f.Type(CT_2ToneTX_Common, CL_2TTx_Freq_2nd, 0, "1500");
    EXPECT_EQ(f.Show(CT_UserTone, CL_UTone_Encode, 1), "1500.0");
}

// Space and backspace from every value of every choice field: the value
// stepped to is one the list lets the user choose, never a placeholder.
TEST_F(SettingTableTest, StepsLandOnlyOnEntriesThatCanBeChosen) {
    struct Column {
        int category, item, model;
        const char* list;
        int address, shift, width;  // where the field lives on row 0
    };
    const Column columns[] = {
        {CT_Mch, CL_Mch_Log, ModelLmr, "GI_Sheet_Sel_Mch_Log_Lmr", 0x0400 + 10, 4, 4},
        {CT_Mch, CL_Mch_Log, ModelPmr, "GI_Sheet_Sel_Mch_Log_Pmr", 0x0400 + 10, 4, 4},
    };
    for (const Column& col : columns) {
        f.model = col.model;
        f.SetBanks({1});
        for (int32_t key : {Keys::Space, Keys::Backspace}) {
            for (int v = 0; v < (1 << col.width); ++v) {
                const int mask = ((1 << col.width) - 1) << col.shift;
                f.working.SetByte(col.address, static_cast<uint8_t>((f.Byte(col.address) & ~mask) |
                                                                    (v << col.shift)));
                f.Request(col.category, col.item, 0, key);
                const int now = (f.Byte(col.address) & mask) >> col.shift;
                EXPECT_TRUE(f.lists.CanChoose(col.list, Flex0, now))
                    << col.list << " from " << v << " key " << key << " to " << now;
            }
        }
    }
    for (const indSettingItem& s : SettingItems()) {
        if (s.codec != indCodecKind::Choice || s.rule == indRule::PllReference ||
            s.store.kind != indStoreKind::Bits) {
            continue;
        }
        for (int32_t key : {Keys::Space, Keys::Backspace}) {
            SCOPED_TRACE(std::string(CellItemName(s.item)) + " key " + std::to_string(key));
            Randomise(static_cast<unsigned>(s.item * 2 + key));
            f.model = s.models & ModelMask::Lmr ? ModelLmr : ModelPmr;
            if (TemplateOwned(s.item, f.model)) {
                continue;
            }
            f.Request(CategoryOf(s), s.item, s.firstRow, key);
            uint32_t stored = 0;
            const int address = SettingAddress(s, s.firstRow);
            for (int i = 0; i < s.store.layout.pieceCount; ++i) {
                const datPiece& p = s.store.layout.pieces[static_cast<size_t>(i)];
                const uint32_t mask = (1u << (p.hi - p.lo + 1)) - 1u;
                stored |= ((static_cast<uint32_t>(f.Byte(address + p.offset)) >> p.lo) & mask)
                          << p.shift;
            }
            const int32_t shown = SettingRules::ToShown(s.conversion, static_cast<int32_t>(stored));
            EXPECT_TRUE(f.lists.CanChoose(s.list, s.entryKind, shown)) << shown;
        }
    }
}

}  // namespace
