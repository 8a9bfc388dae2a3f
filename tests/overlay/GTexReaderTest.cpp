#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "OverlayTestUtil.h"
#include "cmcGTex.h"

namespace {

std::string MissingIndexText(const std::string& name) {
    return "GTEX Error !\nThe index '" + name + "' was not found.";
}

}  // namespace

TEST(GTexSource, FirstSourceWins) {
    std::vector<std::string> lines = {"#A", "a", "#End_Of_Ovl"};
    cmcGTex table;
    EXPECT_FALSE(table.SetLines(nullptr));
    EXPECT_TRUE(table.SetLines(&lines));
    EXPECT_FALSE(table.SetLines(&lines));
    EXPECT_FALSE(table.SetFile("/tmp/other.OVL"));
    EXPECT_EQ(table.GetText("A"), "a");
}

TEST(GTexSource, UnreadableFileIsAnEmptyOverlay) {
    cmcGTex missing;
    ASSERT_TRUE(missing.SetFile("/nonexistent/ORVANE.OVL"));
    EXPECT_FALSE(missing.HasSection("GI_Sys_AppTitle"));
    cmcGTex unnamed;
    ASSERT_TRUE(unnamed.SetFile(""));
    EXPECT_FALSE(unnamed.HasSection("A"));
}

// Without its file every text is missing: the error names the file and where
// it was looked for, not the first text a command happened to ask for.
TEST(GTexSource, UnreadableFileIsNamedWithWhereItWasLookedFor) {
    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {"/nonexistent/ORVANE.OVL", "No such file or directory"},
        {"/tmp", "Is a directory"},
        {"", "no file name was given"},
    };
    for (const auto& c : cases) {
        cmcGTex table;
        ASSERT_TRUE(table.SetFile(c.path));
        const std::string name = c.path.substr(c.path.find_last_of('/') + 1);
        EXPECT_EQ(InternalErrorOf([&] { table.GetText("GI_Sys_AppTitle"); }),
                  "The overlay file '" + name + "' cannot be read (" + c.reason +
                      ").\nIt was looked for as '" + c.path + "'.");
    }
}

TEST(GTexFile, LongLineComesInPiecesOf8191) {
    const std::string longLine(9000, 'x');
    const std::string exact(8191, 'y');
    TempFile file("#Long\n" + longLine + "\n" + exact + "\nnext\n#End_Of_Ovl\n");
    cmcGTex table;
    table.SetFile(file.Path());
    EXPECT_EQ(table.GetText("Long", 0), std::string(8191, 'x'));
    EXPECT_EQ(table.GetText("Long", 1), std::string(809, 'x'));
    // A line of exactly 8191 characters stays one line.
    EXPECT_EQ(table.GetText("Long", 2), exact);
    EXPECT_EQ(table.GetText("Long", 3), "next");
}

TEST(GTexFile, CrLfReadsAsLf) {
    TempFile file("#A\r\nline1\r\na\rb\r\n\r\n#\r\n#End_Of_Ovl\r\n");
    cmcGTex table;
    table.SetFile(file.Path());
    EXPECT_EQ(table.GetText("A", 0), "line1");
    EXPECT_EQ(table.GetText("A", 1), "a\rb");
    EXPECT_EQ(table.GetLines("A"), "line1\na\rb\n");
    EXPECT_TRUE(table.HasSection("End_Of_Ovl"));
}

TEST(GTexIndex, NothingIsIndexedAfterTheEndMarker) {
    TempFile file("#A\nx\n#End_Of_Ovl\n#B\ny\n");
    cmcGTex table;
    table.SetFile(file.Path());
    EXPECT_FALSE(table.HasSection("B"));
    EXPECT_EQ(InternalErrorOf([&] { table.GetText("B"); }), MissingIndexText("B"));
    // Body lines still read on past the marker.
    EXPECT_EQ(table.GetText("A", 2), "#B");
    EXPECT_EQ(table.GetText("A", 3), "y");
    EXPECT_EQ(table.GetStats().sectionsIndexed, 2u);
}

TEST(GTexIndex, WithoutEndMarkerTheFileIsReadToItsEnd) {
    LinesTable table({"#A", "a", "#B", "b"});
    EXPECT_EQ(table->GetText("B"), "b");
    EXPECT_FALSE(table->HasSection("C"));
    EXPECT_EQ(InternalErrorOf([&] { table->GetText("B", 1); }), MissingIndexText("B"));
}

TEST(GTexIndex, LoneHashIsNotAHeaderButHashSpaceIs) {
    LinesTable table({"#A", "#", "# x", "body", "#End_Of_Ovl"});
    EXPECT_EQ(table->GetText(" x"), "body");
    EXPECT_EQ(table->GetText("A", 0), "#");
    EXPECT_FALSE(table->HasSection(""));
    EXPECT_FALSE(table->HasSection("x"));
}

TEST(GTexIndex, FirstOfTwoEqualNamesIsFound) {
    LinesTable table({"#D", "first", "#X", "x", "#D", "second", "#End_Of_Ovl"});
    EXPECT_EQ(table->GetText("X"), "x");
    EXPECT_TRUE(table->HasSection("End_Of_Ovl"));
    EXPECT_EQ(table->GetText("D"), "first");
    EXPECT_EQ(table->GetText("D"), "first");
}

// Entries found at place 11 or later move to the head; the list must stay
// whole, also when the moved entry was the tail and scanning goes on.
TEST(GTexIndex, MoveToFrontKeepsEverySectionReachable) {
    std::vector<std::string> lines;
    for (int i = 0; i < 25; ++i) {
        lines.push_back("#S" + std::to_string(i));
        lines.push_back("body" + std::to_string(i));
    }
    lines.push_back("#S12");
    lines.push_back("duplicate");
    lines.push_back("#End_Of_Ovl");
    LinesTable table(lines);
    EXPECT_EQ(table->GetText("S14"), "body14");
    EXPECT_EQ(table->GetText("S14"), "body14");  // found at place 14: now the head
    EXPECT_EQ(table->GetText("S12"), "body12");
    EXPECT_EQ(table->GetText("S24"), "body24");  // scanning appends after the right tail
    EXPECT_EQ(table->GetStats().sectionsIndexed, 25u);
    for (int round = 0; round < 2; ++round) {
        for (int i = 24; i >= 0; --i) {
            EXPECT_EQ(table->GetText("S" + std::to_string(i)), "body" + std::to_string(i));
        }
    }
    EXPECT_TRUE(table->HasSection("End_Of_Ovl"));
    EXPECT_EQ(table->GetStats().sectionsIndexed, 27u);
    EXPECT_EQ(table->GetText("S12"), "body12");
}

TEST(GTexIndex, EarlySectionOfALargeFileIsFoundWithoutReadingItAll) {
    std::string content = "#GI_First\nhello\n";
    while (content.size() < 2'000'000) {
        content += "#GI_Filler_" + std::to_string(content.size()) + "\nsome body text\n";
    }
    content += "#GI_Last\nbye\n#End_Of_Ovl\n";
    TempFile file(content);
    cmcGTex table;
    table.SetFile(file.Path());
    EXPECT_EQ(table.GetText("GI_First"), "hello");
    EXPECT_LE(table.GetStats().bytesRead, 8192u);
    EXPECT_EQ(table.GetStats().sectionsIndexed, 1u);
    EXPECT_EQ(table.GetText("GI_Last"), "bye");
    EXPECT_GE(table.GetStats().bytesRead, content.size() - 20);
}

TEST(GTexText, RestartsBelowTheRememberedLineAndReadsOnAbove) {
    LinesTable table({"#S", "L0", "L1", "L2", "L3", "L4", "L5", "L6", "#End_Of_Ovl"});
    auto linesFor = [&table](int index, const char* expected) {
        const uint64_t before = table->GetStats().linesRead;
        EXPECT_EQ(table->GetText("S", index), expected);
        return table->GetStats().linesRead - before;
    };
    EXPECT_EQ(linesFor(5, "L5"), 6u);
    EXPECT_EQ(linesFor(3, "L3"), 4u);  // 3 after 5: from the start again
    EXPECT_EQ(linesFor(4, "L4"), 1u);  // reads on
    EXPECT_EQ(linesFor(2, "L2"), 3u);
    EXPECT_EQ(linesFor(3, "L3"), 1u);  // 3 after 2: reads on
    EXPECT_EQ(linesFor(6, "L6"), 3u);
}

TEST(GTexText, RepeatedReadsAreServedByTheLineCache) {
    TempFile file("#S\nL0\nL1\nL2\nL3\n#End_Of_Ovl\n");
    cmcGTex table;
    table.SetFile(file.Path());
    EXPECT_EQ(table.GetText("S", 3), "L3");
    const auto before = table.GetStats();
    EXPECT_EQ(table.GetText("S", 3), "L3");
    const auto after = table.GetStats();
    EXPECT_EQ(after.cacheHits - before.cacheHits, 4u);
    EXPECT_EQ(after.bytesRead, before.bytesRead);
}

TEST(GTexText, LineCacheHoldsThe64MostRecentLines) {
    std::string content = "#S\n";
    for (int i = 0; i < 70; ++i) {
        content += "line" + std::to_string(i) + "\n";
    }
    TempFile file(content + "#End_Of_Ovl\n");
    cmcGTex table;
    table.SetFile(file.Path());
    table.GetText("S", 63);
    uint64_t hits = table.GetStats().cacheHits;
    EXPECT_EQ(table.GetText("S", 63), "line63");
    EXPECT_EQ(table.GetStats().cacheHits - hits, 64u);
    EXPECT_EQ(table.GetText("S", 64), "line64");  // a 65th line drops line 0
    hits = table.GetStats().cacheHits;
    EXPECT_EQ(table.GetText("S", 0), "line0");
    EXPECT_EQ(table.GetStats().cacheHits, hits);
}

TEST(GTexText, IndexPastTheSectionReadsOnIntoFollowingLines) {
    LinesTable table({"#A", "a0", "#B", "b0", "#End_Of_Ovl"});
    EXPECT_EQ(table->GetText("A", 1), "#B");
    EXPECT_EQ(table->GetText("A", 2), "b0");
    EXPECT_EQ(table->GetText("A", 3), "#End_Of_Ovl");
    EXPECT_EQ(InternalErrorOf([&] { table->GetText("A", 4); }), MissingIndexText("A"));
    EXPECT_EQ(InternalErrorOf([&] { table->GetText("A", -1); }), MissingIndexText("A"));
}

TEST(GTexText, MissingIndexIsFatal) {
    LinesTable table({"#A", "a", "#End_Of_Ovl"});
    EXPECT_EQ(InternalErrorOf([&] { table->GetText("GI_Nothing"); }),
              MissingIndexText("GI_Nothing"));
    EXPECT_EQ(InternalErrorOf([&] { table->GetLines("GI_Nothing"); }),
              MissingIndexText("GI_Nothing"));
}

TEST(GTexLines, JoinsBodyLinesUpToALineBeginningWithHash) {
    LinesTable table({"#M", "a", "", "b", "#", "#N", "#x", "y", "#Open", "c", "#End_Of_Ovl"});
    EXPECT_EQ(table->GetLines("M"), "a\n\nb");
    EXPECT_EQ(table->GetLines("N"), "");
    EXPECT_EQ(table->GetLines("Open"), "c");
}

TEST(GTexLines, WithoutClosingLineTheEndOfSourceIsFatal) {
    LinesTable table({"#M", "a", "b"});
    EXPECT_EQ(InternalErrorOf([&] { table->GetLines("M"); }), MissingIndexText("M"));
}
