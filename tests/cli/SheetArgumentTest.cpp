// Sheets and cells named as a person types them: tree captions and paths,
// column headings and row labels, on the command line and in the resolvers.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "CellLookup.h"
#include "CliPmrFileTest.h"
#include "ModelType.h"
#include "SheetName.h"
#include "cmcGTex.h"

namespace {

using Result = cuiSheetNameResult;

const char* const kPmrBank0 = "[St_ChBank]GI_Sheet_Mch_Pmr,Bank 0";

TEST(SheetNameTest, NamesResolveByCaptionPathOrReference) {
    struct Case {
        int model;
        const char* name;
        Result result;
        const char* reference;  // when found
    };
    const Case cases[] = {
        {ModelPmr, "Bank 1", Result::Found, kPmrBank0},
        {ModelPmr, "bank 16", Result::Found, "[St_ChBank]GI_Sheet_Mch_Pmr,Bank 15"},
        {ModelLmr, "Bank 1", Result::Found, "[St_ChBank]GI_Sheet_Mch_Lmr,Bank 0"},
        {ModelPmr, kPmrBank0, Result::Found, kPmrBank0},
        {ModelPmr, "Signalling/DTMF memories", Result::Found, "GI_Sheet_Dtmf"},
        {ModelPmr, " radio / SIGNALLING /dtmf   memories ", Result::Found, "GI_Sheet_Dtmf"},
        {ModelPmr, "Signalling", Result::Found, "GI_Sheet_Dtmf"},  // a group node's own sheet
        {ModelPmr, "scan l", Result::Found, "GI_Sheet_ScanList"},  // a unique beginning
        {ModelPmr, "user", Result::Ambiguous, ""},                 // User tones, User characters
        {ModelPmr, "bank", Result::Ambiguous, ""},
        {ModelLmr, "2-tone", Result::Ambiguous, ""},
        {ModelLmr, "User tones", Result::Unknown, ""},  // not in the Lmr tree
        {ModelPmr, "Memory channels", Result::Found,
         "GI_Sheet_Memory_CH_Top"},  // the bank overview
        {ModelPmr, "DTMF memories/Signalling", Result::Unknown, ""},
        {ModelPmr, "gnalling/DTMF memories", Result::Unknown, ""},
        {ModelPmr, "[St_ChBank]GI_Sheet_Mch_Pmr,Bank 16", Result::Unknown, ""},
        {ModelPmr, "", Result::Unknown, ""},
    };
    for (const Case& c : cases) {
        const cuiSheetLookup lookup = SheetName::ResolveSheetName(GTex(), c.model, c.name);
        EXPECT_EQ(lookup.result, c.result) << c.name;
        EXPECT_EQ(lookup.reference, c.reference) << c.name;
        EXPECT_EQ(lookup.message.empty(), c.result == Result::Found) << c.name;
        if (c.result == Result::Ambiguous) {
            EXPECT_GE(lookup.matches.size(), 2u) << c.name;
        }
    }
}

TEST(SheetNameTest, EveryListedPathAndReferenceNamesItsSheet) {
    for (const int model : {ModelLmr, ModelPmr, ModelBiisPmr}) {
        const std::vector<cuiNamedSheet> sheets = SheetName::NamedSheets(GTex(), model);
        ASSERT_GT(sheets.size(), 16u);
        for (const cuiNamedSheet& s : sheets) {
            EXPECT_TRUE(s.path.ends_with("/" + s.caption) || s.path == s.caption) << s.path;
            for (const std::string& name : {s.path, s.reference}) {
                const cuiSheetLookup lookup = SheetName::ResolveSheetName(GTex(), model, name);
                EXPECT_EQ(lookup.reference, s.reference) << model << " " << name;
            }
        }
    }
}

TEST(CellNameTest, HeadingAndRowLabelFindOneCell) {
    // Row 0 holds the headings, column 0 the row labels.
    const std::vector<std::vector<std::string>> cells = {
        {"CH", "RX freq\n[MHz]", "Com-\npander", "Name", "Name"},
        {"1-  1", "a", "b", "c", "d"},
        {"1-  2", "e", "f", "g", "h"},
        {"1-  2", "i", "j", "k", "l"},
    };
    const auto text = [&](int r, int c) { return cells[r][c]; };
    // One grid where every cell takes the cursor, one where row 2 and column 4 do not.
    const cuiCellGrid all{4, 5, 1, 1, text, [](int, int) { return true; }};
    const cuiCellGrid some{4, 5, 1, 1, text, [](int r, int c) { return r != 2 && c != 4; }};
    struct Case {
        const cuiCellGrid* grid;
        const char* heading;
        const char* row;
        cuiCellNameResult result;
        cuiCellPos pos;
    };
    const Case cases[] = {
        {&all, "RX freq [MHz]", "1-1", cuiCellNameResult::Found, {1, 1}},
        {&all, "rx  FREQ\\n[mhz]", " 1 - 1 ", cuiCellNameResult::Found, {1, 1}},
        {&all, "Com- pander", "1-1", cuiCellNameResult::Found, {1, 2}},
        {&all, "com-pander", "1-1", cuiCellNameResult::Found, {1, 2}},
        {&all, "RX freq", "1-1", cuiCellNameResult::Unknown, {}},
        {&all, "CH", "1-1", cuiCellNameResult::Unknown, {}},  // the label column holds no data
        {&all, "RX freq [MHz]", "CH", cuiCellNameResult::Unknown, {}},
        {&all, "RX freq [MHz]", "1-3", cuiCellNameResult::Unknown, {}},
        {&all, "", "1-1", cuiCellNameResult::Unknown, {}},
        {&all, "Name", "1-1", cuiCellNameResult::Ambiguous, {}},
        {&all, "RX freq [MHz]", "1-2", cuiCellNameResult::Ambiguous, {}},
        {&some, "RX freq [MHz]", "1-2", cuiCellNameResult::Found, {3, 1}},
        {&some, "Name", "1-2", cuiCellNameResult::Found, {3, 3}},
        {&some, "Name", "1-1", cuiCellNameResult::Found, {1, 3}},
    };
    for (const Case& c : cases) {
        const cuiCellLookup lookup = CellLookup::FindCellByHeading(*c.grid, c.heading, c.row);
        EXPECT_EQ(lookup.result, c.result) << c.heading << " " << c.row;
        if (c.result == cuiCellNameResult::Found) {
            EXPECT_EQ(lookup.pos, c.pos) << c.heading << " " << c.row;
        } else {
            EXPECT_FALSE(lookup.message.empty()) << c.heading << " " << c.row;
        }
    }
}

using CliSheetNameTest = CliPmrFileTest;

TEST_F(CliSheetNameTest, SheetsListsCaptionPathAndReference) {
    const CliRun run = Cli("sheets " + file);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(
        run.out.find(std::string("\nBank 1\tRadio/Memory channels/Bank 1\t") + kPmrBank0 + "\n"),
        std::string::npos)
        << run.out;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 2) << line;
    }
}

TEST_F(CliSheetNameTest, CommandsTakeNamesAndReportUnknownAndAmbiguousOnes) {
    const CliRun byReference = Cli("sheet " + file + " \"" + kPmrBank0 + "\"");
    const CliRun byCaption = Cli("sheet " + file + " \"bank 1\"");
    ASSERT_EQ(byCaption.status, 0) << byCaption.err;
    EXPECT_EQ(byCaption.out, byReference.out);

    const std::string out = dir.File("out.clf");
    struct Case {
        std::string arguments;
        int status;
        const char* message;  // part of standard error
    };
    const Case cases[] = {
        {"sheets " + dir.File("absent.clf"), 11, "cannot be opened"},
        {"sheet " + file + " user", 65, "fits more than one sheet"},
        {"sheet " + file + " nosuch", 64, "the sheets are:"},
        {"edit " + file + " -o " + out + " -s user --at 1,1 --type x", 65,
         "fits more than one sheet"},
        {"edit " + file + " -o " + out + " -s nosuch --at 1,1 --type x", 1, "the sheets are:"},
        {"edit " + file + " -o " + out + " -s \"Bank 1\" --cell \"RX freq\" 1-1 --type 1", 1,
         "no column headed"},
        {"edit " + file + " -o " + out + " -s \"Bank 1\" --cell \"RX freq [MHz]\" 1-99 --type 1", 1,
         "no row labelled"},
        {"edit " + file + " -o " + out + " -s \"common settings\" --cell value cycles --type 2", 65,
         "labels more than one row"},
        {"edit " + file + " -o " + out + " -s \"Bank 1\" --cell \"RX freq [MHz]\"", 64,
         "needs a column heading and a row"},
    };
    for (const Case& c : cases) {
        const CliRun run = Cli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << "\n" << run.err;
    }
    std::FILE* written = std::fopen(out.c_str(), "rb");
    EXPECT_EQ(written, nullptr);  // no refused edit saved anything
    if (written != nullptr) {
        std::fclose(written);
    }
}

TEST_F(CliSheetNameTest, CellNamedByHeadingAndRowIsEdited) {
    const std::string out = dir.File("out.clf");
    const CliRun run = Cli("edit " + file + " -o " + out +
                           " -s \"signalling/dtmf memories\" -s \"Bank 2\" --cell \"rx freq "
                           "[mhz]\" 2-1 --type 146.5 --cell name \"2 - 1\" --type HELLO");
    ASSERT_EQ(run.status, 0) << run.err;
    const CliRun sheet = Cli("sheet " + out + " \"Bank 2\"");
    EXPECT_NE(sheet.out.find("\n2-  1\t\tOff\t146.500000\t"), std::string::npos) << sheet.out;
    EXPECT_NE(sheet.out.find("\tHELLO\t"), std::string::npos) << sheet.out;
}

}  // namespace
