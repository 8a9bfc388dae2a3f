// The delivered overlay's sheets: every channel-bank sheet of every model type
// builds for a new image with the columns that model uses and renders through
// the item handler without "error"; every choice list that a channel column
// quotes has an entry for every value its field can hold; the bank-operation
// and clone-information sheets, the pop-up menus and the quoted texts exist.

#include <gtest/gtest.h>

#include <set>

#include "CellNames.h"
#include "ChBanks.h"
#include "ClfResult.h"
#include "Codec.h"
#include "MemoryMap.h"
#include "MenuLayout.h"
#include "SheetFactory.h"
#include "SheetTestSupport.h"
#include "cmcClipCh.h"
#include "cmcFCache.h"
#include "datCh.h"
#include "indActiveCell.h"
#include "indDocument.h"
#include "indHandlerContext.h"
#include "iuiSh_ChBank.h"

namespace {

const char* const kModelWords[] = {"Lmr", "Pmr", "PmrB"};

// The item handler's view of a new image of one model type.
class NewImageContext : public indHandlerContext, public indCommands {
  public:
    NewImageContext(cmcGTex& texts, int model) : texts_(texts), model_(model) {
        templ_.Resize(MemoryMap::ImageSize);
        EXPECT_EQ(indDocument::LoadTemplateFile(indDocument::InitialFilePath(model), templ_),
                  ClfOk);
        working_.Assign(templ_);
    }
    cmcEeprom& WorkingImage() override { return working_; }
    const cmcEeprom& TemplateImage() override { return templ_; }
    int ModelType() override { return model_; }
    bool MakerMode() override { return false; }
    datClipCh& Clipboard() override { return clipboard_; }
    cmcFCache& Lists() override { return lists_; }
    cmcGTex& Texts() override { return texts_; }
    const RadioIdentity* Radio() override { return nullptr; }
    indCommands& Commands() override { return *this; }
    void CheckModified() override {}

  private:
    cmcGTex& texts_;
    int model_;
    cmcEeprom templ_;
    cmcEeprom working_;
    datClipCh clipboard_;
    cmcFCache lists_{&texts_};
};

class SheetOverlayTest : public ::testing::Test, public SheetTestBase {
  protected:
    void SetUp() override { ASSERT_TRUE(texts.SetFile(ProgramDirectory() + "ORVANE.OVL")); }

    std::unique_ptr<cuiSheet> Build(const std::string& reference, NewImageContext& ctx, int model) {
        cuiSheetEnv env;
        env.texts = &texts;
        env.image = &ctx.WorkingImage();
        env.modelType = model;
        auto sheet = SheetFactory::CreateSheet(reference, env);
        sheet->Build();
        return sheet;
    }

    // Asks the handler for every cell bound to an item; returns the first
    // text that shows "error" or "*Yet*", or "".
    static std::string BadText(cuiSheet& sheet, indActiveCell& handler) {
        for (int r = 0; r < sheet.Rows(); ++r) {
            for (int c = 0; c < sheet.Columns(); ++c) {
                if (sheet.Cell(r, c).item == kNoCellItem) {
                    continue;
                }
                indCellCapsule capsule;
                sheet.PrepareCapsule(capsule, r, c);
                handler.HandleCell(capsule);
                const std::string& t = capsule.DisplayText;
                if (t.find("error") != std::string::npos || t.find("*Yet*") != std::string::npos) {
                    return std::string(CellItemName(sheet.Cell(r, c).item)) + " row " +
                           std::to_string(r) + ": " + t;
                }
            }
        }
        return "";
    }
};

// The columns each model type shows, in sheet order after the channel number.
std::vector<int> ExpectedColumns(int model) {
    std::vector<int> items = {
        CL_Mch_Atr,     CL_Mch_Inh,       CL_Mch_FreqR,     CL_Mch_FreqT,   CL_Mch_TxInh,
        CL_Mch_Nar,     CL_Mch_CTone_R,   CL_Mch_CTone_T,   CL_Mch_Text,    CL_Mch_RfPo,
        CL_Mch_PwrSave, CL_Mch_Tot,       CL_Mch_Lockout,   CL_Mch_Scan,    CL_Mch_Scan_Inc,
        CL_Mch_Log,     CL_Mch_AutoReset, CL_Mch_Compander, CL_Mch_Scrm_On, CL_Mch_Scrm_Code,
        CL_Mch_Moni,    CL_Mch_Sel,       CL_Mch_Call,      CL_Mch_PTT,     CL_Mch_CH_Mute};
    if (model == ModelLmr) {
        items.push_back(CL_Mch_2Tone);
        return items;
    }
    for (int item : {CL_Mch_Form, CL_Mch_Rpt_C, CL_Mch_Rpt_L, CL_Mch_Stn_C, CL_Mch_Stn_L,
                     CL_Mch_Id_C, CL_Mch_Id_L, CL_Mch_Pos, CL_Mch_RxCNo}) {
        items.push_back(item);
    }
    if (model == ModelBiisPmr) {
        for (int item : {CL_Mch_Msk_Sig, CL_Mch_Msk_Rpt, CL_Mch_Msk_Stn, CL_Mch_Msk_RxCNo,
                         CL_Mch_Msk_SendStatus}) {
            items.push_back(item);
        }
    }
    return items;
}

TEST_F(SheetOverlayTest, EveryBankSheetOfEveryModelBuildsWithItsColumns) {
    for (int model = 0; model < ModelTypeCount; ++model) {
        NewImageContext ctx(texts, model);
        std::vector<int> expected = ExpectedColumns(model);
        expected.insert(expected.begin(), CL_Mch_No);
        for (int bank = 0; bank < 16; ++bank) {
            const std::string ref = std::string("[St_ChBank]GI_Sheet_Mch_") + kModelWords[model] +
                                    ",Bank " + std::to_string(bank);
            auto sheet = Build(ref, ctx, model);
            auto* bankSheet = dynamic_cast<iuiSh_ChBank*>(sheet.get());
            ASSERT_NE(bankSheet, nullptr);
            ASSERT_EQ(bankSheet->LoopStartRow(), 1) << ref;
            ASSERT_EQ(sheet->Rows(), 1 + bankSheet->ChannelCount() + 1) << ref;
            ASSERT_EQ(sheet->Columns(), static_cast<int>(expected.size())) << ref;
            for (int c = 0; c < sheet->Columns(); ++c) {
                const cmcCellObj& cell = sheet->Cell(1, c);
                EXPECT_EQ(cell.item, expected[static_cast<size_t>(c)]) << ref << " column " << c;
                EXPECT_EQ(cell.category, CT_Mch);
                EXPECT_TRUE(cell.Selectable());
                EXPECT_EQ(cell.index, bankSheet->FirstChannel());
                EXPECT_EQ(sheet->Cell(sheet->Rows() - 1, c).index,
                          bankSheet->FirstChannel() + bankSheet->ChannelCount());
            }
            EXPECT_EQ(sheet->Cell(0, 0).item, kNoCellItem);  // the header row
        }
    }
}

TEST_F(SheetOverlayTest, BankSheetsRenderWithoutErrorForNewAndUsedChannels) {
    for (int model = 0; model < ModelTypeCount; ++model) {
        NewImageContext ctx(texts, model);
        indActiveCell handler(ctx);
        const std::string name = std::string("[St_ChBank]GI_Sheet_Mch_") + kModelWords[model];
        for (int bank = 0; bank < 16; bank += 5) {
            auto sheet = Build(name + ",Bank " + std::to_string(bank), ctx, model);
            EXPECT_EQ(BadText(*sheet, handler), "") << kModelWords[model] << " bank " << bank;
        }
        // Used channels, every other one a BIIS channel.
        datCh rec(&ctx.WorkingImage());
        for (int ch = 0; ch < 16; ++ch) {
            rec.Decode(ChannelKindOf(model), ch);
            rec.SetUsed(true);
            rec.SetRxFreq(146520000 + ch * 12500);
            rec.SetTxFreq(146520000);
            rec.Set(datField::Biis, ch % 2);
            rec.Encode();
        }
        auto sheet = Build(name + ",Bank 0", ctx, model);
        EXPECT_EQ(BadText(*sheet, handler), "") << kModelWords[model] << " used channels";
        indCellCapsule c;
        sheet->PrepareCapsule(c, 2, 3);
        handler.HandleCell(c);
        EXPECT_EQ(c.DisplayText, "146.532500");
        sheet->PrepareCapsule(c, 2, 7);
        handler.HandleCell(c);
        EXPECT_EQ(c.DisplayText, "Off");  // the template's receive tone
    }
}

// A channel column's list, its entry kind and the values its field can hold.
struct ListRange {
    const char* list;
    int kind;
    int32_t low;
    int32_t high;
};

constexpr ListRange kChannelLists[] = {
    {"GI_Sheet_Sel_Mch_ChInh", Flex0, 0, 1},
    {"GI_Sheet_Sel_Mch_CH_TxInh", Flex0, 0, 1},
    {"GI_Sheet_Sel_Mch_Nar", Flex0, 0, 1},
    {"GI_Sheet_Sel_Misc_OnOff2", Flex0, 0, 1},
    {"GI_Sheet_Sel_Mch_RfPwr", Flex0, 0, 3},
    {"GI_Sheet_Sel_Mch_Lockout_Lmr", Flex0, 0, 3},
    {"GI_Sheet_Sel_Mch_Lockout_Pmr", Flex0, 0, 3},
    {"GI_Sheet_Sel_Mch_AutoReset_Lmr", Flex0, 0, 1},
    {"GI_Sheet_Sel_Mch_AutoReset_Pmr", Flex0, 0, 3},
    {"GI_Sheet_Sel_Mch_2Tone", Flex0, 0, 255},
    {"GI_Sheet_Sel_Mch_Log_Lmr", Flex0, 0, 15},
    {"GI_Sheet_Sel_Mch_Log_Pmr", Flex0, 0, 15},
    {"GI_Sheet_Sel_Mch_ScanInc", Flex0, 0, 1},
    {"GI_Sheet_Sel_Mch_ScramOn", Flex0, 0, 3},
    {"GI_Sheet_Sel_Mch_Moni", FlexMark, 0, 15},
    {"GI_Sheet_Sel_Mch_Sel", FlexMark, 0, 3},
    {"GI_Sheet_Sel_Mch_Call", FlexMark, 0, 1},
    {"GI_Sheet_Sel_Mch_Ptt", FlexMark, 0, 1},
    {"GI_Sheet_Sel_Mch_ChMute", FlexMark, 0, 1},
    {"GI_Sheet_Sel_Mch_SendStatus", FlexMark, 0, 1},
    {"GI_Sheet_Sel_Mch_Form", Flex0, 0, 15},
    {"GI_Sheet_Sel_RxC_AbcCode", Flex1, 0, 127},
    {"GI_Sheet_Sel_Mch_LTone", Flex0, 0, 1},
    {"GI_Sheet_Sel_Mch_Pos", Flex0, 0, 3},
    {"GI_Sheet_Sel_Mch_Msk_Signal_Pmr", Flex0, 0, 1},
    {"GI_Sheet_Sel_Mch_Msk_Rpt_1st_Pmr", Flex0, 0, 0},  // "more": on to the numbers
    {"GI_Sheet_Sel_Mch_Msk_Rpt_1st_Pmr", Flex0, 255, 255},
    {"GI_Sheet_Sel_Mch_Msk_Rpt_2nd", Flex1, 0, 127},
    {"GI_Sheet_Sel_Mch_Msk_ID", Flex0, 0, 127},
    {"GI_Sheet_Sel_Mch_Atr", Flex0, 1, 5},
    {"GI_Sheet_Sel_Mch_CTone", Flex0, 0, 52},
    {"GI_Sheet_Sel_Mch_CTone", FlexDtcs, 53, 53},
};

bool InListedRange(const std::string& list, int kind, int32_t value) {
    for (const ListRange& r : kChannelLists) {
        if (list == r.list && kind == r.kind && value >= r.low && value <= r.high) {
            return true;
        }
    }
    return false;
}

TEST_F(SheetOverlayTest, ChannelListsCoverEveryValueOfTheirFields) {
    cmcFCache lists(&texts);
    for (const ListRange& r : kChannelLists) {
        for (int32_t v = r.low; v <= r.high; ++v) {
            EXPECT_NE(lists.GetChoiceText(r.list, r.kind, v), "error") << r.list << " " << v;
        }
        // No entry lies outside what the field can hold.
        for (const cmcChoiceEntry& e : lists.Table(r.list, r.kind).byValue) {
            EXPECT_TRUE(InListedRange(r.list, r.kind, e.value)) << r.list << " " << e.value;
        }
        // Each list can be opened as a pop-up sheet.
        cuiSheetEnv env;
        env.texts = &texts;
        cuiSheet popup(env, r.list);
        popup.Build();
        EXPECT_TRUE(popup.FirstSelectableCell().has_value()) << r.list;
    }
    // The repeater's first list leads to the numbers from its lowest entry.
    EXPECT_EQ(lists.Table("GI_Sheet_Sel_Mch_Msk_Rpt_1st_Pmr", Flex0).byValue.front().value, 0);
    // DTCS is only a code entry, off is a plain entry.
    EXPECT_EQ(lists.GetChoiceText("GI_Sheet_Sel_Mch_CTone", Flex0, 53), "error");
}

TEST_F(SheetOverlayTest, CtcssNamesFollowTheToneList) {
    cmcFCache lists(&texts);
    for (int i = 0; i <= 52; ++i) {
        const std::string name = lists.GetChoiceText("GI_Sheet_Sel_Mch_CTone", Flex0, i);
        const Codec::ListMatch m = Codec::MatchListEntry(texts, "GI_AppItem_Ctcss", name);
        EXPECT_EQ(m.first, i) << name;
        EXPECT_EQ(m.count, 1) << name;
    }
    EXPECT_EQ(lists.GetChoiceText("GI_Sheet_Sel_Mch_CTone", Flex0, 0), "67.0");
    EXPECT_EQ(lists.GetChoiceText("GI_Sheet_Sel_Mch_CTone", Flex0, 51), "254.1");
}

TEST_F(SheetOverlayTest, BankOperationAndCloneInformationSheets) {
    NewImageContext ctx(texts, ModelPmr);
    indActiveCell handler(ctx);
    auto bankOp = Build("GI_Sheet_BankOp", ctx, ModelPmr);
    ASSERT_EQ(bankOp->Rows(), 19);
    std::set<int> bankRows;
    for (int r = 1; r < bankOp->Rows(); ++r) {
        const cmcCellObj& cell = bankOp->Cell(r, 2);
        EXPECT_EQ(cell.item, CL_Mch_Bank);
        bankRows.insert(cell.index);
    }
    EXPECT_EQ(bankRows.size(), 18u);
    EXPECT_EQ(*bankRows.rbegin(), 17);
    EXPECT_EQ(bankOp->Cell(16, 1).item, CL_Mch_SmarTrunk);
    EXPECT_EQ(bankOp->Cell(18, 3).item, CL_Mch_UsedCHs);
    EXPECT_EQ(BadText(*bankOp, handler), "");

    indCellCapsule c;
    bankOp->PrepareCapsule(c, 17, 2);
    handler.HandleCell(c);
    EXPECT_EQ(c.DisplayText, std::to_string(TotalChannels(ctx.WorkingImage())));

    auto info = Build("GI_Sheet_CloneInfo", ctx, ModelPmr);
    std::set<int> items;
    for (int r = 0; r < info->Rows(); ++r) {
        items.insert(info->Cell(r, 1).item);
    }
    for (int item = CL_CloneInfo_Model; item <= CL_CloneInfo_OverVolt; ++item) {
        EXPECT_EQ(items.count(item), 1u) << CellItemName(item);
    }
    EXPECT_FALSE(info->IsPrintable());
}

TEST_F(SheetOverlayTest, PopupMenusBindTheRowCommands) {
    std::set<int> items;
    cmcMenuLayout edit;
    edit.Load(texts, "GI_PMenu_Edit");
    for (const cmcMenuItem& item : edit.Items()) {
        EXPECT_EQ(item.cell.category, CT_PopupMenu);
        items.insert(item.cell.item);
    }
    for (int item = CL_PMenu_Edit; item <= CL_PMenu_Insert; ++item) {
        EXPECT_EQ(items.count(item), 1u) << CellItemName(item);
    }
    cmcMenuLayout none;
    none.Load(texts, "GI_PMenu_NoItem");
    ASSERT_EQ(none.Items().size(), 1u);
    EXPECT_EQ(none.Items()[0].cell.item, CL_PMenu_NoItem);
}

TEST_F(SheetOverlayTest, QuotedTextsExist) {
    for (const char* name :
         {"GI_AppMess_ChErr_Overflow", "GI_AppMess_ChErr_NoCh", "GI_AppMess_ChErr_NotBlank",
          "GI_AppInd_MchSheet_Printer_Head", "GI_AppInd_MchSheet_Printer_SmarTrunk",
          "GI_AppInd_TimerOff", "GI_NewChTitle", "GI_Mess_CloneInfo_Opt_Mq31",
          "GI_Mess_CloneInfo_Opt_Mq32", "GI_Mess_CloneInfo_Opt_Mq33", "GI_Mess_CloneInfo_Opt_Mq34",
          "GI_Mess_CloneInfo_Opt_Mq35", "GI_Mess_CloneInfo_Opt_Mq36", "GI_Mess_CloneInfo_OverVolt",
          "GI_Sys_MyHelpFile"}) {
        EXPECT_TRUE(texts.HasSection(name)) << name;
        EXPECT_FALSE(texts.GetText(name).empty()) << name;
    }
    // Line tables: one line per index the items use.
    EXPECT_EQ(texts.GetText("GI_AppInd_KeyBoard", 2), "#");
    EXPECT_EQ(texts.GetText("GI_AppInd_PLLReference", 7), "#");
    EXPECT_NE(texts.GetText("GI_AppInd_PLLReference", 6), "");
}

}  // namespace
