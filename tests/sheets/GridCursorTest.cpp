// The grid's cursor and selection rules: moves over ragged rows and cells that
// cannot be selected, the remembered column, pages, wrapping in pop-up sheets,
// the start position, and single, "Cell" and "Line" selection with Shift and
// the mouse.

#include <gtest/gtest.h>

#include <sstream>

#include "CellNames.h"
#include "SheetTestSupport.h"
#include "cuiGridCursor.h"
#include "indCellCapsule.h"

namespace {

std::vector<std::string> Overlay() {
    // One overlay section per line.
    // clang-format off
    std::vector<std::string> lines = {
        "#GI_Sys_AppTitle", "Test",
        // Ragged rows; row 2 holds one cell, x cannot be selected.
        "#G_Style", "(FixedRows=1)(FixedCols=1)", "#G_BasicCell", "{<}", "#G_Cells",
        "{}h|{}h|{}h|{}h", "{}n|{S}a|{S}b|{S}c", "{}n|{S}d", "{}n|{S}e|{}x|{S}f",
        "{}n|{S}g|{S}h|{S}i", "{}n|{S}j", "#",
        // A pop-up picker with one cell that cannot be chosen, and one with a single cell.
        "#P_Style", "", "#P_BasicCell", "{<}", "#P_Cells", "{S}1|{S}2", "{S}3|{}4", "#",
        "#Q_Style", "", "#Q_BasicCell", "{<}", "#Q_Cells", "{S}1", "#",
        // Nothing to select.
        "#N_Style", "", "#N_BasicCell", "{<}", "#N_Cells", "{}a|{}b", "#"};
    // clang-format on
    // Four channel rows and a row outside the selection, in both selection modes.
    for (const char* mode : {"Line", "Cell"}) {
        const std::string name = mode[0] == 'L' ? "L" : "C";
        for (const std::string& line :
             {"#" + name + "_Style",
              std::string("(FixedCols=1)(FixedRows=1)(MultiSelect=") + mode + ")",
              "#" + name + "_BasicCell", std::string("{<}"), "#" + name + "_Cells",
              std::string("{}No|{}Freq|{}Name"), std::string(":(LoopFrom 4)"),
              std::string("{(%CT_Mch.CL_Misc_ChNo_1Base[0])}|{S(%CT_Mch.CL_Mch_FreqR[0])}|"
                          "{S(%CT_Mch.CL_Mch_Text[0])}"),
              std::string(":(LoopTo)(SelectOFF)"), std::string("{}|{S(%CT_Null.Flex0[7])}x"),
              std::string("#")}) {
            lines.push_back(line);
        }
    }
    lines.push_back("#End_Of_Ovl");
    return lines;
}

class GridCursorTest : public ::testing::Test, public SheetTestBase {
  protected:
    void SetUp() override {
        overlay = Overlay();
        texts.SetLines(&overlay);
    }
    std::unique_ptr<cuiSheet> Built(const std::string& name) {
        auto sheet = std::make_unique<cuiSheet>(Env(), name);
        sheet->Build();
        return sheet;
    }
    // Runs moves written as words: U D L R (Shift held: SU SD SL SR), PU PD
    // (pages), "c R,C" a click and "sc R,C" a click with the button held.
    static void Run(cuiGridCursor& cursor, const std::string& moves) {
        std::istringstream in(moves);
        for (std::string w; in >> w;) {
            const bool shift = w[0] == 'S' || w.rfind("sc", 0) == 0;
            if (w == "c" || w == "sc") {
                int r = 0, c = 0;
                char comma = 0;
                in >> r >> comma >> c;
                cursor.MoveTo({r, c}, shift);
                continue;
            }
            const char k = w.back();
            if (w.front() == 'P') {
                k == 'D' ? cursor.PageDown(shift) : cursor.PageUp(shift);
            } else {
                const int dx = (k == 'R') - (k == 'L');
                const int dy = (k == 'D') - (k == 'U');
                cursor.Move(dx, dy, shift);
            }
        }
    }
    // The non-fixed cells drawn selected, as "r,c" words.
    static std::string Selected(const cuiSheet& sheet, const cuiGridCursor& cursor) {
        std::string out;
        for (int r = 0; r < sheet.Rows(); ++r) {
            for (int c = sheet.FixedCols(); c < sheet.Columns(); ++c) {
                if (cursor.IsSelected(r, c)) {
                    out += (out.empty() ? "" : " ") + std::to_string(r) + "," + std::to_string(c);
                }
            }
        }
        return out;
    }

    std::vector<std::string> overlay;
};

TEST_F(GridCursorTest, MovesFindTheNextSelectableCell) {
    const struct {
        const char* sheet;
        bool popup;
        cuiCellPos start;
        const char* moves;
        cuiCellPos end;
    } cases[] = {
        {"G", false, {1, 1}, "U L", {1, 1}},  // edges
        {"G", false, {1, 3}, "D", {3, 3}},    // straight ahead over the short row
        {"G", false, {3, 1}, "R", {3, 3}},    // over a cell that cannot be selected
        {"G", false, {2, 1}, "R", {1, 2}},    // sideways: nearest to the row, upper first
        {"G", false, {4, 3}, "D", {5, 1}},    // sideways into the short last row
        {"G", false, {4, 3}, "D U", {4, 3}},  // and back to the remembered column
        {"G", false, {1, 1}, "PD", {5, 1}},   // a page stops at the last row
        {"G", false, {5, 1}, "PU", {1, 1}},
        {"P", true, {1, 0}, "R", {0, 0}},  // wraps in reading order
        {"P", true, {0, 0}, "L", {1, 0}},
        {"P", true, {0, 1}, "D", {0, 0}},  // wraps in column order
        {"P", true, {1, 0}, "D", {0, 1}},
        {"P", true, {0, 0}, "PD", {1, 0}},   // pages do not wrap
        {"Q", true, {0, 0}, "R D", {0, 0}},  // nowhere else to go
    };
    for (const auto& t : cases) {
        auto sheet = Built(t.sheet);
        cuiGridCursor cursor(*sheet, t.popup);
        ASSERT_TRUE(cursor.MoveTo(t.start));
        Run(cursor, t.moves);
        EXPECT_EQ(cursor.Current(), t.end)
            << t.sheet << " " << t.start.row << "," << t.start.col << " " << t.moves;
    }
}

TEST_F(GridCursorTest, HorizontalWinsAndTheGridScrollsBackAtTheFirstSelectableCells) {
    auto sheet = Built("G");
    cuiGridCursor cursor(*sheet);
    ASSERT_TRUE(cursor.MoveTo({3, 3}));
    const cuiCursorMove home = cursor.Move(-1, -1);  // left wins
    EXPECT_EQ(cursor.Current(), (cuiCellPos{3, 1}));
    EXPECT_TRUE(home.moved);
    EXPECT_TRUE(home.scrollFullyLeft);
    EXPECT_FALSE(home.scrollFullyUp);
    const cuiCursorMove up = cursor.PageUp();
    EXPECT_TRUE(up.scrollFullyUp);
    EXPECT_FALSE(cursor.Move(0, -1).moved);
    EXPECT_FALSE(cursor.MoveTo({3, 2}));  // cannot be selected
    EXPECT_FALSE(cursor.MoveTo({9, 1}));  // outside the grid
}

TEST_F(GridCursorTest, StartLandsOnASelectableCell) {
    const struct {
        const char* sheet;
        std::optional<cuiCellPos> saved;
        int item;
        int32_t index;
        cuiCellPos end;
        bool enabled;
    } cases[] = {
        {"G", std::nullopt, 0, 0, {1, 1}, true},
        {"G", cuiCellPos{4, 3}, 0, 0, {4, 3}, true},
        {"G", cuiCellPos{3, 2}, 0, 0, {1, 1}, true},  // a saved cell that cannot be selected
        {"L", std::nullopt, CL_Mch_Text, 2, {3, 2}, true},
        {"L", cuiCellPos{4, 1}, CL_Mch_Text, 2, {4, 1}, true},  // the saved position wins
        {"N", std::nullopt, 0, 0, {0, 0}, false},
    };
    for (const auto& t : cases) {
        auto sheet = Built(t.sheet);
        cuiGridCursor cursor(*sheet);
        EXPECT_EQ(cursor.Start(t.saved, t.item, t.index), t.enabled) << t.sheet;
        EXPECT_EQ(cursor.Current(), t.end) << t.sheet;
    }
}

TEST_F(GridCursorTest, ShiftAndTheMouseExtendTheSelection) {
    const struct {
        const char* sheet;
        const char* moves;
        const char* selected;
        bool range;
    } cases[] = {
        {"L", "SD SD", "1,1 1,2 2,1 2,2 3,1 3,2", true},  // whole lines
        {"L", "SD SD D", "4,1", false},                   // a plain move collapses it
        {"L", "sc 2,2", "1,1 1,2 2,1 2,2", true},         // dragging the mouse
        {"L", "SD sc 5,1", "1,1 1,2 2,1 2,2", true},      // the row outside cannot join
        {"C", "SR SD", "1,1 1,2 2,1 2,2", true},          // a rectangle of cells
        {"C", "SR SD SU", "1,1 1,2", true},               // shrinking unmarks
        {"C", "SD c 3,2", "3,2", false},                  // a click elsewhere
        {"G", "SR SD", "4,2", false},                     // single selection: the current cell
    };
    for (const auto& t : cases) {
        auto sheet = Built(t.sheet);
        cuiGridCursor cursor(*sheet);
        ASSERT_TRUE(cursor.Start());
        Run(cursor, t.moves);
        EXPECT_EQ(Selected(*sheet, cursor), t.selected) << t.sheet << " " << t.moves;
        EXPECT_EQ(cursor.RangeExists(), t.range) << t.sheet << " " << t.moves;
    }
}

TEST_F(GridCursorTest, TheRowRangeGoesToTheHandlerAndComesBack) {
    auto sheet = Built("L");
    cuiGridCursor cursor(*sheet);
    ASSERT_TRUE(cursor.Start());
    Run(cursor, "D SD SD");  // rows of channels 1..3, anchor on channel 1
    indCellCapsule c;
    cursor.FillRange(c);
    EXPECT_EQ(c.RangeFlags & 1, 1);
    EXPECT_EQ(c.RangeFirst, 1);
    EXPECT_EQ(c.RangeLast, 3);

    // The handler moved the range one row up and the cursor with it.
    ASSERT_TRUE(cursor.MoveTo({1, 1}));
    c.RangeFlags = 3;
    c.RangeFirst = 0;
    c.RangeLast = 2;
    cursor.TakeRange(c);
    EXPECT_TRUE(cursor.RangeExists());
    EXPECT_EQ(Selected(*sheet, cursor), "1,1 1,2 2,1 2,2 3,1 3,2");
    indCellCapsule next;
    cursor.FillRange(next);
    EXPECT_EQ(next.RangeFirst, 0);
    EXPECT_EQ(next.RangeLast, 2);

    // A request that leaves the range alone collapses the selection.
    cursor.TakeRange(indCellCapsule{});
    EXPECT_FALSE(cursor.RangeExists());
    EXPECT_EQ(Selected(*sheet, cursor), "1,1");
    indCellCapsule none;
    none.RangeFlags = 1;
    cursor.FillRange(none);
    EXPECT_EQ(none.RangeFlags & 1, 0);
}

}  // namespace
