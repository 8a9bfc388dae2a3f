#include <gtest/gtest.h>

#include "Csv.h"
#include "Excerpt.h"

TEST(Csv, SpreadsheetOutputParses) {
    const auto records = Csv::ParseCsv(
        "\xEF\xBB\xBF"
        "a,b,c\r\n"
        "\"x, y\",\"say \"\"hi\"\"\",3\r\n"
        "\r\n"
        "\"two\nlines\",,last");  // no line end at the end
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].fields, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(records[0].line, 1);
    EXPECT_EQ(records[1].fields, (std::vector<std::string>{"x, y", "say \"hi\"", "3"}));
    EXPECT_EQ(records[2].line, 4);  // after the blank line 3
    EXPECT_EQ(records[2].fields, (std::vector<std::string>{"two\nlines", "", "last"}));
}

TEST(Csv, FormattedRecordsParseBack) {
    const std::vector<std::string> fields = {"plain", "a,b", "q\"uote", " padded ", "", "x\ny"};
    const auto records = Csv::ParseCsv(Csv::FormatCsvRecord(fields) + Csv::FormatCsvRecord({"z"}));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].fields, fields);
    EXPECT_EQ(records[1].line, 3);
}

TEST(Csv, TextThatSpreadsheetsWouldReadAsFormulaOrNumberIsProtected) {
    const struct {
        const char* text;
        const char* written;
    } cases[] = {
        {"=1+2", "'=1+2"},   {"+49", "'+49"},   {"-A", "'-A"},
        {"@x", "'@x"},       {"0123", "'0123"}, {"1/2", "'1/2"},
        {"12:30", "'12:30"}, {"'q", "''q"},     {"Depot", "Depot"},
        {"Ch 12", "Ch 12"},  {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Csv::ProtectCsvText(c.text), c.written) << c.text;
        EXPECT_EQ(Csv::UnprotectCsvText(Csv::ProtectCsvText(c.text)), c.text) << c.text;
    }
}

TEST(Csv, ExcerptsAreShortAndShowControlBytes) {
    EXPECT_EQ(Excerpt::QuoteExcerpt(std::string("a\0b\x7F", 4)), "'a\\x00b\\x7F'");
    EXPECT_EQ(Excerpt::QuoteExcerpt(std::string(100000, 'x'), 4), "'xxxx...' (100000 bytes)");
    EXPECT_EQ(Excerpt::QuoteExcerpt("\xC3\xA9\xC3\xA9", 3),
              "'\xC3\xA9...' (4 bytes)");  // no half character
    EXPECT_EQ(Excerpt::CleanExcerpt("rx_mhz"), "rx_mhz");
    EXPECT_EQ(Excerpt::CleanExcerpt("r\tx"), "'r\\x09x'");
}
