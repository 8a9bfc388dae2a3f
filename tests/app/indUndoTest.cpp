// Undo and redo: every kind of change from the window goes back byte for byte
// and comes again, as one step named after its cell, with the modified flag
// clear exactly at the image last saved or opened.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CellName.h"
#include "CellNames.h"
#include "ScopedOverride.h"
#include "cmcEeprom.h"
#include "cmcGTex.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"
#include "cuiGridCursor.h"
#include "cuiTree.h"
#include "indSheetSession.h"
#include "indUndoStep.h"

namespace {

const char* const kBank0 = "[St_ChBank]GI_Sheet_Mch_Pmr,Bank 0";

struct UndoFixture {
    UndoFixture() {
        s.Document().ChangeModelType(ModelPmr, false);
        EXPECT_TRUE(s.Document().NewFile());
        s.Document().EnableMakerMode();
        EXPECT_TRUE(s.ShowSheet(kBank0));
        s.Cells()->SetCursor(&cursor());
        for (int ch = 0; ch < 3; ++ch) {  // three channels in use
            EXPECT_TRUE(Select(CL_Mch_FreqR, ch));
            EXPECT_EQ(s.Cells()->Commit("146." + std::to_string(10 + ch)).outcome,
                      indCellOutcome::Done);
        }
        s.Document().ClearModified();  // as if saved here
        s.Document().UndoHistory().Clear();
    }
    cuiGridCursor& cursor() {
        if (!cursor_ || cursorSheet_ != s.Sheet()) {
            cursor_ = std::make_unique<cuiGridCursor>(*s.Sheet());
            cursorSheet_ = s.Sheet();
        }
        return *cursor_;
    }
    bool Select(int item, int32_t index) {
        const auto at = s.Sheet()->FindCell(item, index);
        if (at) {
            cursor().ClearSelection();
            cursor().MoveTo(*at, false);
            s.Cells()->ClosePopup();
        }
        return at.has_value();
    }
    std::vector<uint8_t> Image() {
        const cmcEeprom& w = s.Document().WorkingImage();
        return {w.Data(), w.Data() + w.Size()};
    }

    cmcScriptedMessageBox box;
    ScopedOverride<cmcMessageBoxHost> boxOverride{SetCurrentMessageBoxHost, &box};
    indSheetSession s;
    std::unique_ptr<cuiGridCursor> cursor_;
    cuiSheet* cursorSheet_ = nullptr;
};

// The first value of the cell's choice list other than the one it holds.
bool ChooseAnother(UndoFixture& f) {
    const indCellResult opened = f.s.Cells()->Key(Keys::Enter);
    if (opened.outcome != indCellOutcome::PopupOpened) {
        return false;
    }
    for (int32_t v = 0; v < 16; ++v) {
        if (v != opened.popup.value && f.s.Cells()->Choose(v).outcome == indCellOutcome::Done) {
            return true;
        }
    }
    return false;
}

// Moves to the first cell of the tree's sheets that opens the flag-bit pop-up.
bool SelectFlagBitCell(UndoFixture& f) {
    cuiTree tree(GTex());
    tree.Build();
    tree.AdaptToModel(ModelPmr, true);
    for (const auto& [reference, caption] : tree.Sheets()) {
        if (cuiTree::BankOfReference(reference) >= 0 || !f.s.ShowSheet(reference)) {
            continue;
        }
        f.s.Cells()->SetCursor(&f.cursor());
        for (int r = 0; r < f.s.Sheet()->Rows(); ++r) {
            for (int c = 0; c < f.s.Sheet()->Columns(); ++c) {
                if (!f.s.Sheet()->Cell(r, c).Selectable()) {
                    continue;
                }
                f.cursor().MoveTo({r, c}, false);
                f.s.Cells()->ClosePopup();
                if (f.s.Cells()->Key(Keys::Enter).popup.kind == indPopupRequest::Kind::FlagBits) {
                    return true;
                }
            }
        }
    }
    return false;
}

TEST(UndoTest, EveryKindOfChangeGoesBackByteForByteAndComesAgain) {
    const struct {
        const char* what;
        std::function<bool(UndoFixture&)> change;
        const char* name;  // the step's name; "" when it depends on the sheet
    } cases[] = {
        {"cell edit",
         [](UndoFixture& f) {
             return f.Select(CL_Mch_FreqR, 3) &&
                    f.s.Cells()->Commit("147.25").outcome == indCellOutcome::Done;
         },
         "RX freq [MHz] 1-4"},
        {"choice", [](UndoFixture& f) { return f.Select(CL_Mch_Nar, 1) && ChooseAnother(f); }, ""},
        {"flag bits",
         [](UndoFixture& f) {
             if (!SelectFlagBitCell(f)) {
                 return false;
             }
             const indPopupRequest p = f.s.Cells()->OpenPopup();
             const int32_t all = (1 << (p.last - p.first + 1)) - 1;
             return f.s.Cells()->SetFlagBits(all).outcome == indCellOutcome::Done ||
                    f.s.Cells()->SetFlagBits(0).outcome == indCellOutcome::Done;
         },
         ""},
        {"delete of two rows",
         [](UndoFixture& f) {
             f.Select(CL_Mch_FreqR, 1);  // channel 1 holds the priority: not deleted
             f.cursor().Move(0, 1, true);
             f.box.Answer(cmcMbResult::Ok);  // "Delete them?"
             return f.s.Cells()->RowCommand(CL_PMenu_Delete).outcome == indCellOutcome::Done;
         },
         "Delete 1-2 to 1-3"},
        {"insert",
         [](UndoFixture& f) {
             return f.Select(CL_Mch_FreqR, 1) &&
                    f.s.Cells()->RowCommand(CL_PMenu_Insert).outcome == indCellOutcome::Done;
         },
         "Insert 1-2"},
        {"paste over three rows",
         [](UndoFixture& f) {
             f.Select(CL_Mch_FreqR, 0);
             f.cursor().Move(0, 2, true);
             if (f.s.Cells()->RowCommand(CL_PMenu_Copy).outcome != indCellOutcome::Done) {
                 return false;
             }
             f.Select(CL_Mch_FreqR, 1);
             f.box.Answer(cmcMbResult::Ok);  // "Overwrite?"
             return f.s.Cells()->RowCommand(CL_PMenu_Paste).outcome == indCellOutcome::Done;
         },
         "Paste 1-2"},
        {"outer step over three edits",
         [](UndoFixture& f) {
             const indUndoStep step(f.s.Document(), "Import", {});
             bool done = true;
             for (int ch = 4; ch < 7; ++ch) {
                 done = f.Select(CL_Mch_FreqR, ch) &&
                        f.s.Cells()->Commit("145.5").outcome == indCellOutcome::Done && done;
             }
             return done;
         },
         "Import"},
        {"model change",
         [](UndoFixture& f) {
             const indUndoStep step(f.s.Document(), "Model Lmr", {});
             return f.s.Document().ChangeModelType(ModelLmr, false) &&
                    (f.s.Document().WorkingImage().Assign(f.s.Document().TemplateImage()), true);
         },
         "Model Lmr"},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.what);
        UndoFixture f;
        const std::vector<uint8_t> before = f.Image();
        ASSERT_TRUE(t.change(f));
        f.s.Pump();
        const std::vector<uint8_t> after = f.Image();
        ASSERT_NE(after, before);
        indDocument& doc = f.s.Document();
        ASSERT_EQ(doc.UndoHistory().UndoCount(), 1u);
        if (*t.name != '\0') {
            EXPECT_EQ(doc.UndoHistory().UndoName(), t.name);
        }
        EXPECT_FALSE(doc.UndoHistory().UndoName().empty());
        const int modelAfter = doc.ModelType();

        ASSERT_NE(doc.Undo(), nullptr);
        EXPECT_EQ(f.Image(), before);
        EXPECT_EQ(doc.ModelType(), ModelPmr);
        EXPECT_FALSE(doc.IsModified());  // back at the saved image
        EXPECT_TRUE(doc.UndoHistory().CanRedo());

        ASSERT_NE(doc.Redo(), nullptr);
        EXPECT_EQ(f.Image(), after);
        EXPECT_EQ(doc.ModelType(), modelAfter);
        EXPECT_TRUE(doc.IsModified());
    }
}

TEST(UndoTest, TheModifiedFlagFollowsTheSavePointAndANewStepDropsRedo) {
    UndoFixture f;
    indDocument& doc = f.s.Document();
    for (int ch = 3; ch < 6; ++ch) {
        ASSERT_TRUE(f.Select(CL_Mch_FreqR, ch));
        ASSERT_EQ(f.s.Cells()->Commit("145.5").outcome, indCellOutcome::Done);
    }
    doc.ClearModified();  // saved after three edits
    ASSERT_NE(doc.Undo(), nullptr);
    EXPECT_TRUE(doc.IsModified());  // before the save point
    ASSERT_NE(doc.Redo(), nullptr);
    EXPECT_FALSE(doc.IsModified());  // the saved image again
    ASSERT_NE(doc.Undo(), nullptr);
    ASSERT_NE(doc.Undo(), nullptr);
    ASSERT_TRUE(f.Select(CL_Mch_FreqR, 4));
    ASSERT_EQ(f.s.Cells()->Commit("145.6").outcome, indCellOutcome::Done);
    EXPECT_FALSE(doc.UndoHistory().CanRedo());
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 2u);
    EXPECT_TRUE(doc.IsModified());

    // A change that the handler refuses records nothing.
    ASSERT_TRUE(f.Select(CL_Mch_FreqR, 4));
    EXPECT_NE(f.s.Cells()->Commit("9999").outcome, indCellOutcome::Done);
    EXPECT_EQ(doc.UndoHistory().UndoCount(), 2u);

    // New forgets every step.
    doc.ClearModified();
    ASSERT_TRUE(doc.NewFile());
    EXPECT_FALSE(doc.UndoHistory().CanUndo());
    EXPECT_EQ(doc.Undo(), nullptr);
}

// The Edit menu's and the cell menu's row commands name their steps alike.
TEST(UndoTest, RowCommandStepsAreNamedByCaptionWithoutAcceleratorAndRows) {
    UndoFixture f;
    const auto at = f.s.Sheet()->FindCell(CL_Mch_FreqR, 1);
    ASSERT_TRUE(at);
    EXPECT_EQ(CellName::RowCommandName("&Delete", *f.s.Sheet(), at->row, at->row), "Delete 1-2");
    EXPECT_EQ(CellName::RowCommandName("Move &up", *f.s.Sheet(), at->row, at->row + 2),
              "Move up 1-2 to 1-4");
}

TEST(UndoHistoryTest, TheBudgetDropsTheOldestAndAClearedOpenStepRecordsNothing) {
    cmcEeprom image;
    image.Resize(4096);
    const auto edit = [&](indUndoHistory& h, int address, uint8_t value) {
        h.Begin(image, 0, "byte " + std::to_string(address), {});
        image.SetByte(address, value);
        h.End(image, 0);
    };
    indUndoHistory small(4 * 1024);
    for (int i = 0; i < 200; ++i) {
        edit(small, i, 1);
    }
    EXPECT_LE(small.MemoryUsed(), 4u * 1024);
    EXPECT_LT(small.UndoCount(), 200u);
    EXPECT_EQ(small.UndoName(), "byte 199");
    while (small.Undo(image) != nullptr) {
    }
    EXPECT_EQ(image.GetByte(199), 0);  // the newest steps went back
    EXPECT_EQ(image.GetByte(0), 1);    // the oldest were dropped

    indUndoHistory h;
    h.Begin(image, 0, "outer", {});
    image.SetByte(300, 7);
    h.Clear();  // a file opened while the step was open
    h.End(image, 0);
    EXPECT_FALSE(h.CanUndo());

    // A key that changed a byte and opened the editor, then the editor's
    // value: one step. An unchanged key that asks the same joins nothing.
    const indUndoPlace cell{"sheet", 5, 2};
    const auto step = [&](int address, uint8_t value, bool opensEditor) {
        h.Begin(image, 0, "cell", cell);
        if (address >= 0) {
            image.SetByte(address, value);
        }
        if (opensEditor) {
            h.JoinNext();
        }
        h.End(image, 0);
    };
    const uint8_t at400 = image.GetByte(400);
    step(400, 9, true);
    step(401, 9, false);
    EXPECT_EQ(h.UndoCount(), 1u);
    step(-1, 0, true);
    step(402, 9, false);
    EXPECT_EQ(h.UndoCount(), 2u);
    // A key inside an outer step (a paste typing into a pop-up cell) does not
    // join the outer step to the next one.
    h.Begin(image, 0, "paste", cell);
    step(403, 9, true);
    h.End(image, 0);
    step(404, 9, false);
    EXPECT_EQ(h.UndoCount(), 4u);
    h.Undo(image);
    h.Undo(image);
    EXPECT_EQ(image.GetByte(403), 0);
    h.Undo(image);
    h.Undo(image);
    EXPECT_EQ(image.GetByte(400), at400);
    EXPECT_EQ(image.GetByte(401), 0);
}

}  // namespace
