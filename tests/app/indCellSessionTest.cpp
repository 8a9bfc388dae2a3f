// The cell session: every choice and flag-bit cell of every sheet takes what
// is chosen, and each action answers with what happened.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "CellNames.h"
#include "Codec.h"
#include "ScopedOverride.h"
#include "cmcClipCh.h"
#include "cmcGTex.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"
#include "cuiGridCursor.h"
#include "cuiTree.h"
#include "indSheetSession.h"

namespace {

const char* const kBank0Pmr = "[St_ChBank]GI_Sheet_Mch_Pmr,Bank 0";

// A new image of the model type with maker mode on.
void NewImage(indSheetSession& s, int model) {
    s.Document().ChangeModelType(model, false);
    ASSERT_TRUE(s.Document().NewFile());
    s.Document().EnableMakerMode();
}

bool Select(indSheetSession& s, int item, int32_t index) {
    const auto at = s.Sheet()->FindCell(item, index);
    if (at) {
        s.Sheet()->SetCurrent(*at);
        s.Cells()->ClosePopup();
    }
    return at.has_value();
}

// The value the cell's list marks when it is opened again, or -1.
int32_t Marked(indCellSession& cells) {
    cells.ClosePopup();
    const indCellResult r = cells.Key(Keys::Enter);
    return r.outcome == indCellOutcome::PopupOpened ? r.popup.value : -1;
}

// The values of the entries of a list that can be chosen.
std::vector<int32_t> Choosable(indSheetSession& s, const indPopupRequest& popup) {
    cuiSheetEnv env;
    env.image = &s.Document().WorkingImage();
    env.modelType = s.Document().ModelType();
    cuiSheet list(env, popup.list);
    list.Build();
    std::vector<int32_t> values;
    for (int r = 0; r < list.Rows(); ++r) {
        for (int c = 0; c < list.Columns(); ++c) {
            const cmcCellObj& cell = list.Cell(r, c);
            if (cell.Selectable() && cell.item == popup.entryKind) {
                values.push_back(cell.index);
            }
        }
    }
    return values;
}

// Chooses every entry of a choice cell (or sets patterns of a flag-bit cell)
// and returns how many answers were checked.
int ChooseEverything(indSheetSession& s, const std::string& where) {
    indCellSession& cells = *s.Cells();
    const indCellResult opened = cells.Key(Keys::Enter);
    if (opened.outcome != indCellOutcome::PopupOpened) {
        return 0;
    }
    const indPopupRequest popup = opened.popup;
    int checked = 0;
    if (popup.kind == indPopupRequest::Kind::FlagBits) {
        const int n = popup.last - popup.first + 1;
        for (const int32_t bits : {0, (1 << n) - 1, 0x5555 & ((1 << n) - 1)}) {
            const indCellResult r = cells.SetFlagBits(bits);
            EXPECT_EQ(r.outcome, indCellOutcome::Done) << where << " bits " << bits << r.message;
            EXPECT_EQ(Marked(cells), Codec::PlaceFlagBits(bits, popup.first, popup.last))
                << where << " bits " << bits;
            ++checked;
        }
        return checked;
    }
    // An action list marks no entry of its own.
    const std::vector<int32_t> values = Choosable(s, popup);
    const bool actions = std::find(values.begin(), values.end(), popup.value) == values.end();
    for (const int32_t v : values) {
        const indCellResult r = cells.Choose(v);
        EXPECT_TRUE(r.Accepted()) << where << " entry " << v << ": " << r.message;
        if (r.outcome == indCellOutcome::Done && !actions) {
            EXPECT_EQ(Marked(cells), v) << where << " entry " << v;
        }
        cells.ClosePopup();
        ++checked;
    }
    return checked;
}

TEST(CellSessionTest, EveryChoiceAndFlagBitCellOfEverySheetTakesWhatIsChosen) {
    int checked = 0;
    for (int model = 0; model < ModelTypeCount; ++model) {
        indSheetSession s;
        NewImage(s, model);
        cuiTree tree(GTex());
        tree.Build();
        tree.AdaptToModel(model, true);
        for (const auto& [reference, caption] : tree.Sheets()) {
            const int bank = cuiTree::BankOfReference(reference);
            if (bank > 0) {
                continue;  // every bank sheet has the same cells
            }
            ASSERT_TRUE(s.ShowSheet(reference)) << reference;
            if (bank == 0) {  // a channel in use, so that its cells do not redirect
                ASSERT_TRUE(Select(s, CL_Mch_FreqR, 0));
                ASSERT_EQ(s.Cells()->Commit("146.52").outcome, indCellOutcome::Done);
            }
            std::set<std::tuple<int, int>> seen;  // each item once per sheet
            cuiSheet& sheet = *s.Sheet();
            for (int r = 0; r < sheet.Rows(); ++r) {
                for (int c = 0; c < sheet.Columns(); ++c) {
                    const cmcCellObj& cell = sheet.Cell(r, c);
                    const bool command = cell.item >= CL_Menu_File_New && cell.item <= CallSheet;
                    if (!cell.Selectable() || command ||
                        !seen.insert({cell.category, cell.item}).second) {
                        continue;
                    }
                    sheet.SetCurrent({r, c});
                    s.Cells()->ClosePopup();
                    checked +=
                        ChooseEverything(s, reference + " " + std::string(CellItemName(cell.item)) +
                                                " model " + std::to_string(model));
                }
            }
        }
    }
    EXPECT_GT(checked, 500);
}

struct OutcomeCase {
    const char* name;
    int item;
    int32_t index;
    const char* action;  // key:K, type:T, choose:V, command:ITEM
    std::string value;
    int answer;  // the answer to a question; 0 for none
    indCellOutcome outcome;
};

TEST(CellSessionTest, ActionsAnswerWithWhatHappened) {
    const OutcomeCase cases[] = {
        {"a key opens the list", CL_Mch_Nar, 0, "key", "\r", 0, indCellOutcome::PopupOpened},
        {"a digit opens the editor", CL_Mch_FreqR, 0, "key", "1", 0, indCellOutcome::EditorOpened},
        {"a rejected frequency", CL_Mch_FreqR, 0, "type", "146.5212", 0, indCellOutcome::Refused},
        {"no such entry", CL_Mch_Nar, 0, "choose", "77", 0, indCellOutcome::Refused},
        {"a cell without a list", CL_Mch_Text, 0, "choose", "1", 0, indCellOutcome::Refused},
        {"paste with nothing copied", CL_Mch_FreqR, 0, "command", "Paste", 0,
         indCellOutcome::Refused},
        {"delete answered no", CL_Mch_FreqR, 1, "command", "Delete",
         static_cast<int>(cmcMbResult::Cancel), indCellOutcome::Cancelled},
        {"delete answered yes", CL_Mch_FreqR, 1, "command", "Delete",
         static_cast<int>(cmcMbResult::Ok), indCellOutcome::Done},
        {"delete of a priority channel", CL_Mch_FreqR, 0, "command", "Delete",
         static_cast<int>(cmcMbResult::Ok), indCellOutcome::Refused},
        {"copy", CL_Mch_FreqR, 0, "command", "Copy", 0, indCellOutcome::Done},
        {"a command on the entry row", CL_Mch_FreqR, 4, "command", "Clear", 0,
         indCellOutcome::Refused},
    };
    for (const OutcomeCase& t : cases) {
        SCOPED_TRACE(t.name);
        cmcScriptedMessageBox boxes;
        ScopedOverride boxOverride(SetCurrentMessageBoxHost, &boxes);
        {
            indSheetSession s;
            NewImage(s, ModelPmr);
            ASSERT_TRUE(s.ShowSheet(kBank0Pmr));
            for (const int32_t channel : {0, 1}) {  // channel 0 holds priority A and B
                ASSERT_TRUE(Select(s, CL_Mch_FreqR, channel));
                ASSERT_EQ(s.Cells()->Commit("146.52").outcome, indCellOutcome::Done);
            }
            ASSERT_TRUE(Select(s, t.item, t.index));
            if (t.answer != 0) {
                boxes.Answer(static_cast<cmcMbResult>(t.answer));
            }
            const std::string action = t.action;
            indCellSession& cells = *s.Cells();
            indCellResult r;
            if (action == "key") {
                r = cells.Key(t.value == "\r" ? Keys::Enter : t.value[0]);
            } else if (action == "type") {
                r = cells.Commit(t.value);
            } else if (action == "choose") {
                r = cells.Choose(std::stoi(t.value));
            } else {
                r = cells.RowCommand(t.value == "Paste"    ? CL_PMenu_Paste
                                     : t.value == "Delete" ? CL_PMenu_Delete
                                     : t.value == "Copy"   ? CL_PMenu_Copy
                                                           : CL_PMenu_Clear);
            }
            EXPECT_EQ(r.outcome, t.outcome) << r.message;
            EXPECT_EQ(r.changed, t.outcome == indCellOutcome::Done && action == "command" &&
                                     t.value != "Copy");
            EXPECT_EQ(r.message.empty(), r.Accepted());
        }
    }
}

TEST(CellSessionTest, TheCellsPopupMenuShowsWhatTheRowAllows) {
    indSheetSession s;
    NewImage(s, ModelPmr);
    ASSERT_TRUE(s.ShowSheet(kBank0Pmr));
    ASSERT_TRUE(Select(s, CL_Mch_FreqR, 0));
    ASSERT_EQ(s.Cells()->Commit("146.52").outcome, indCellOutcome::Done);
    const struct {
        int32_t row;
        int item;
        bool enabled;
    } cases[] = {{0, CL_PMenu_Copy, true}, {0, CL_PMenu_Paste, false}, {0, CL_PMenu_Delete, true},
                 {1, CL_PMenu_Copy, true}, {4, CL_PMenu_Copy, false},  {4, CL_PMenu_Clear, false}};
    for (const auto& t : cases) {
        ASSERT_TRUE(Select(s, CL_Mch_FreqR, t.row));
        const std::vector<indMenuEntry> menu = s.Cells()->PopupMenu();
        const auto e = std::find_if(menu.begin(), menu.end(),
                                    [&](const indMenuEntry& m) { return m.item == t.item; });
        ASSERT_NE(e, menu.end()) << t.item;
        EXPECT_EQ(e->enabled, t.enabled) << t.row << " " << CellItemName(t.item);
        EXPECT_FALSE(e->caption.empty());
    }
}

}  // namespace

namespace {

// With the grid's cursor, a row command works on the selected rows and a
// redirect moves the cursor.
TEST(CellSessionTest, TheCursorsSelectionIsTheRowRangeOfACommand) {
    indSheetSession s;
    NewImage(s, ModelPmr);
    ASSERT_TRUE(s.ShowSheet(kBank0Pmr));
    cuiGridCursor cursor(*s.Sheet());
    s.Cells()->SetCursor(&cursor);
    for (const char* freq : {"146.52", "147.5"}) {  // channels 1 and 2 of the bank
        ASSERT_TRUE(Select(s, CL_Mch_FreqR, freq[2] == '6' ? 0 : 1));
        ASSERT_EQ(s.Cells()->Commit(freq).outcome, indCellOutcome::Done);
    }
    ASSERT_TRUE(Select(s, CL_Mch_FreqR, 0));
    cursor.ClearSelection();
    cursor.Move(0, 1, true);  // Shift+Down: channels 1 and 2
    ASSERT_TRUE(cursor.RangeExists());
    ASSERT_EQ(s.Cells()->RowCommand(CL_PMenu_Copy).outcome, indCellOutcome::Done);
    EXPECT_EQ(s.Context().Clipboard().Count(), 2);

    // A key typed into a blank channel's width goes to its frequency.
    const auto width = s.Sheet()->FindCell(CL_Mch_Nar, 3);
    ASSERT_TRUE(width && cursor.MoveTo(*width));
    EXPECT_EQ(s.Cells()->Key('1').outcome, indCellOutcome::EditorOpened);
    const cmcCellObj& at = s.Sheet()->Cell(cursor.Current().row, cursor.Current().col);
    EXPECT_EQ(at.item, CL_Mch_FreqR);
    EXPECT_EQ(at.index, 3);
}

}  // namespace

// Enter on a row of the bank overview asks for the bank's sheet; the session
// keeps its sheet, since the cell's action still runs on it.
TEST(CellSessionTest, ACellThatAsksForASheetLeavesTheOpenSheetAlone) {
    indSheetSession s;
    NewImage(s, ModelPmr);
    ASSERT_TRUE(s.ShowSheet(cuiTree::MemoryChannelTop));
    cuiSheet* overview = s.Sheet();
    overview->SetCurrent({overview->FixedRows() + 1, 0});
    s.Cells()->Key(Keys::Enter);
    EXPECT_EQ(s.Sheet(), overview);
    EXPECT_EQ(s.RequestedSheet(), "[St_ChBank]GI_Sheet_Mch_Pmr,Bank 1");
}
