// Tab-separated text pasted into a bank sheet: every field typed or nothing
// at all, the refused cells named by their headings.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "CellNames.h"
#include "ChBanks.h"
#include "TextPaste.h"
#include "ValueText.h"
#include "cmcEeprom.h"
#include "indSheetSession.h"

namespace {

// A new Pmr image's first bank sheet, the cursor on the first receive frequency.
void OpenAtFirstReceive(indSheetSession& s, std::optional<cuiCellPos>& first) {
    s.Document().ChangeModelType(1, false);
    ASSERT_TRUE(s.Document().NewFile());
    ASSERT_TRUE(s.ShowSheet("[St_ChBank]GI_Sheet_Mch_Pmr,Bank 0"));
    first = s.Sheet()->FindCell(CT_Mch, CL_Mch_FreqR, 0);
    ASSERT_TRUE(first);
    s.Sheet()->SetCurrent(*first);
}

struct PasteCase {
    const char* what;
    std::string text;
    bool pasted;
    int channels;                    // bank 1's channel count afterwards
    std::vector<std::string> named;  // in the message when refused
};

TEST(TextPasteTest, PastesEveryFieldOrNothing) {
    // A new Pmr image's first bank holds 4 channels; the paste starts at the
    // first receive frequency, so fields go to receive, transmit, ...
    const PasteCase cases[] = {
        {"two rows", "146.52\t146.52\n146.54\r\n", true, 4, {}},
        {"rows into the entry row", "146.52\n146.54\n146.56\n146.58\n146.6\n146.62\n", true, 6, {}},
        {"a bad field refuses it all", "146.52\tabc\n146.54\n999\n", false, 4, {"abc", "999"}},
        {"a refusal after new channels",
         "146.52\n146.54\n146.56\n146.58\n146.6\nxyz\n",
         false,
         4,
         {"xyz"}},
        {"too many fields", std::string(40, '\t') + "1", false, 4, {"beyond"}},
        {"empty fields leave cells", "\t\t\n", true, 4, {}},
    };
    for (const PasteCase& c : cases) {
        SCOPED_TRACE(c.what);
        indSheetSession s;
        std::optional<cuiCellPos> first;
        ASSERT_NO_FATAL_FAILURE(OpenAtFirstReceive(s, first));
        cuiSheet& sheet = *s.Sheet();
        const int rows = sheet.Rows();
        const bool modified = s.Document().IsModified();
        cmcEeprom before;
        before.Assign(s.Document().WorkingImage());

        const indPasteResult r = TextPaste::PasteTabText(sheet, s.Context(), c.text);

        EXPECT_EQ(r.pasted, c.pasted) << r.message;
        EXPECT_EQ(BankCount(s.Document().WorkingImage(), 0), c.channels);
        EXPECT_EQ(sheet.Current(), *first);
        if (!c.pasted) {
            EXPECT_TRUE(before.IsEqual(s.Document().WorkingImage()));
            EXPECT_EQ(sheet.Rows(), rows);
            EXPECT_EQ(s.Document().IsModified(), modified);
            EXPECT_EQ(s.Document().Undo(), nullptr);  // a refused paste is no undo step
        } else {
            EXPECT_EQ(sheet.Rows(), rows + c.channels - 4);
            // The whole paste goes back as one step.
            if (r.typed > 0) {
                ASSERT_NE(s.Document().Undo(), nullptr);
                EXPECT_TRUE(before.IsEqual(s.Document().WorkingImage()));
            }
        }
        for (const std::string& name : c.named) {
            EXPECT_NE(r.message.find(name), std::string::npos) << r.message;
        }
    }
}

TEST(TextPasteTest, PastedChannelsShowTheFieldsAndRefusalsNameTheirCells) {
    indSheetSession s;
    std::optional<cuiCellPos> first;
    ASSERT_NO_FATAL_FAILURE(OpenAtFirstReceive(s, first));
    cuiSheet& sheet = *s.Sheet();
    ASSERT_TRUE(TextPaste::PasteTabText(sheet, s.Context(), "146.52\t146.53\n146.54\n").pasted);
    uint8_t flags = 0;
    EXPECT_NE(s.CellText(first->row, first->col, flags).find("146.52"), std::string::npos);
    EXPECT_NE(s.CellText(first->row + 1, first->col, flags).find("146.54"), std::string::npos);
    const auto tx = sheet.FindCell(CT_Mch, CL_Mch_FreqT, 0);
    ASSERT_TRUE(tx);
    EXPECT_NE(s.CellText(tx->row, tx->col, flags).find("146.53"), std::string::npos);

    // The message names the channel (row heading) and the column heading.
    const indPasteResult r = TextPaste::PasteTabText(sheet, s.Context(), "\n146.52\tabc\n");
    ASSERT_FALSE(r.pasted);
    const std::string rowHeading = s.CellText(first->row + 1, 0, flags);
    std::string colHeading = s.CellText(sheet.FixedRows() - 1, tx->col, flags);
    std::replace(colHeading.begin(), colHeading.end(), '\n', ' ');
    EXPECT_NE(r.message.find("1 cell refused"), std::string::npos) << r.message;
    EXPECT_NE(r.message.find(ValueText::Trim(colHeading)), std::string::npos) << r.message;
    EXPECT_NE(r.message.find(ValueText::Trim(rowHeading)), std::string::npos) << r.message;
}

}  // namespace
