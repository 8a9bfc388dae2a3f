// The page arithmetic of printed sheets: margins, frame, column and row
// groups, page order and the shrink of a part that does not fit.

#include <gtest/gtest.h>

#include "PrintLayout.h"
#include "cmcGTex.h"

namespace {

TEST(PrintLayout, MarginsUseTheVerticalResolutionAndTruncate) {
    const double ten[4] = {10, 10, 10, 10};
    EXPECT_EQ(PrintLayout::PageRect(4960, 7016, 600, ten),
              (cuiPrintRect{236, 236, 4960 - 236, 7016 - 236}));
    const double mixed[4] = {0, 15, 25.4, 1};
    EXPECT_EQ(PrintLayout::PageRect(1000, 2000, 300, mixed),
              (cuiPrintRect{0, 177, 1000 - 300, 2000 - 11}));
}

TEST(PrintLayout, OverlayTextsGiveMarginsFontsAndFrameTexts) {
    const cuiPrintTexts t = PrintLayout::ReadPrintTexts(GTex());
    for (double m : t.margins) {
        EXPECT_EQ(m, 15);
    }
    EXPECT_EQ(t.fontPoints, 9);
    EXPECT_EQ(t.framePoints, 8);
    EXPECT_EQ(t.titleRev, GTex().GetText("GI_Sys_AppTitleRev", 0));
    EXPECT_EQ(t.maker, GTex().GetText("GI_Sys_Maker", 0));
    EXPECT_EQ(PrintLayout::FontPixels(9, 600), 75);
    EXPECT_EQ(PrintLayout::FontPixels(8, 1200), 133);
}

TEST(PrintLayout, FrameTakesHeadingBarsAndFooterOffThePage) {
    const cuiFrame f = PrintLayout::FrameLayout({100, 200, 1100, 2200}, -100);
    EXPECT_EQ(f.h, 100);
    EXPECT_EQ(f.a, 11);
    EXPECT_EQ(f.topBar, (cuiPrintRect{100, 311, 1100, 322}));
    EXPECT_EQ(f.footerTop, 2099);
    EXPECT_EQ(f.bottomBar, (cuiPrintRect{100, 2078, 1100, 2089}));
    EXPECT_EQ(f.inner, (cuiPrintRect{100, 366, 1100, 2034}));
}

TEST(PrintLayout, ColumnGroupsNeverBeginAtANoBreakColumn) {
    struct Case {
        const char* name;
        std::vector<int> widths;
        int fixed;
        std::vector<bool> noBreak;
        int limit;
        std::vector<int> groups;
    };
    const Case cases[] = {
        {"all fit", {10, 20, 20, 20}, 1, {}, 100, {3}},
        {"exact fit stays", {10, 30, 30, 30}, 1, {}, 100, {3}},
        {"split, fixed on every page", {10, 30, 30, 30, 30}, 1, {}, 80, {2, 2}},
        {"plus column stays with the one before",
         {10, 30, 30, 30, 30},
         1,
         {false, false, false, true, false},
         80,
         {3, 1}},
        {"run of plus columns",
         {50, 50, 50, 50, 50},
         0,
         {false, false, true, true, false},
         60,
         {1, 3, 1}},
        {"a too wide column is a group alone", {10, 200, 20}, 1, {}, 100, {1, 1}},
        {"no fixed columns", {40, 40, 40}, 0, {}, 80, {2, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<int> groups =
            PrintLayout::ColumnGroups(c.widths, c.fixed, c.noBreak, c.limit);
        EXPECT_EQ(groups, c.groups);
        int col = c.fixed;
        for (int g : groups) {
            EXPECT_FALSE(col < static_cast<int>(c.noBreak.size()) && col > c.fixed &&
                         c.noBreak[static_cast<size_t>(col)]);
            col += g;
        }
        EXPECT_EQ(col, static_cast<int>(c.widths.size()));
    }
}

TEST(PrintLayout, PagesGoRowGroupByRowGroupWithColumnGroupsInside) {
    const std::vector<int> heights = {20, 30, 30, 30, 30, 30};  // one fixed row
    const std::vector<int> rows = PrintLayout::RowGroups(heights, 1, 85);
    EXPECT_EQ(rows, (std::vector<int>{2, 2, 1}));
    const std::vector<cuiPrintPage> pages = PrintLayout::PrintPages({2, 1}, rows, 2, 1);
    const std::vector<cuiPrintPage> expected = {
        {2, 2, 1, 2}, {4, 1, 1, 2}, {2, 2, 3, 2}, {4, 1, 3, 2}, {2, 2, 5, 1}, {4, 1, 5, 1},
    };
    EXPECT_EQ(pages, expected);
    // Fixed rows and columns are on every page's part.
    const std::vector<int> widths = {5, 7, 100, 200, 300};
    const cuiPartSize part = PrintLayout::PartSize(widths, heights, 2, 1, pages[1]);
    EXPECT_EQ(part.width, 5 + 7 + 300);
    EXPECT_EQ(part.height, 20 + 30 + 30);
}

TEST(PrintLayout, AnOverflowingPartShrinksByItsMeasuredScale) {
    const cuiPrintRect printable{100, 100, 1100, 600};  // 1000 x 500
    EXPECT_TRUE(PrintLayout::PartFits({1000, 500}, printable));
    EXPECT_FALSE(PrintLayout::PartFits({1001, 10}, printable));
    EXPECT_FALSE(PrintLayout::PartFits({10, 501}, printable));
    EXPECT_TRUE(PrintLayout::PartFits({0, 0}, printable));
    // The tighter of the two directions decides; truncated.
    EXPECT_EQ(PrintLayout::ShrunkFontHeight(-75, {2000, 600}, printable), 37);
    EXPECT_EQ(PrintLayout::ShrunkFontHeight(75, {1500, 1000}, printable), 37);
    EXPECT_EQ(PrintLayout::ShrunkFontHeight(-3, {100000, 10}, printable), 1);
}

}  // namespace
