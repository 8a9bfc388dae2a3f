#include <gtest/gtest.h>

#include "cmcCsv.h"

TEST(Csv, SpreadsheetOutputParses) {
    const auto records = ParseCsv(
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
    const auto records = ParseCsv(FormatCsvRecord(fields) + FormatCsvRecord({"z"}));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].fields, fields);
    EXPECT_EQ(records[1].line, 3);
}
