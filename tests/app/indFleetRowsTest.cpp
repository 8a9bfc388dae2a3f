// RADIOS.csv of a fleet write: the cell columns, the records, typing a row
// through the item handler, and the log appended record by record.

#include <gtest/gtest.h>

#include "ClfTestSupport.h"
#include "Csv.h"
#include "ModelType.h"
#include "indFleetLog.h"
#include "indFleetRows.h"
#include "indSheetSession.h"

namespace {

const std::string kOwnCode = "GI_Sheet_5ToneTx!CL_5TTx_TxCode[0]";
const std::string kFreq = "\"[St_ChBank]GI_Sheet_Mch_Lmr,Bank 0!CL_Mch_FreqR[1]\"";

}  // namespace

TEST(FleetRows, ColumnsNameCellsAndEveryRecordFitsThem) {
    struct Case {
        std::string text;
        std::string error;  // a part of the message; empty: accepted
    };
    const Case cases[] = {
        {kOwnCode + "," + kFreq + "\n11111,145.5\n22222,146\n", ""},
        {"GI_Sheet_5ToneTx!CL_5TTx_TxCode\n1\n", ""},  // index 0 left out
        {"", "names no cells"},
        {"GI_Sheet_5ToneTx\n1\n", "does not name a cell"},
        {"GI_Sheet_5ToneTx!CL_NoSuchItem[0]\n1\n", "does not name a cell"},
        {"GI_Sheet_5ToneTx!CL_5TTx_TxCode[-1]\n1\n", "does not name a cell"},
        {"GI_Sheet_5ToneTx!CL_5TTx_TxCode[1\n1\n", "does not name a cell"},
        {"GI_Sheet_Nowhere!CL_5TTx_TxCode[0]\n1\n", "names no sheet"},
        {kOwnCode + "," + kFreq + "\n11111\n", "line 2 has 1 field(s)"},
    };
    for (const Case& c : cases) {
        indFleetRows rows;
        std::string error;
        EXPECT_EQ(ParseFleetRows(c.text, rows, error), c.error.empty()) << c.text;
        EXPECT_NE(error.find(c.error), std::string::npos) << c.text << ": " << error;
    }
    indFleetRows rows;
    std::string error;
    ASSERT_TRUE(ParseFleetRows(kOwnCode + "," + kFreq + "\n11111,145.5\n22222,146\n", rows, error));
    ASSERT_EQ(rows.values.size(), 2u);
    EXPECT_EQ(rows.cells[1].sheet, "[St_ChBank]GI_Sheet_Mch_Lmr,Bank 0");
    EXPECT_EQ(rows.cells[1].index, 1);
    EXPECT_EQ(rows.lines, (std::vector<int>{2, 3}));
    EXPECT_EQ(FleetValuesText(rows, 1),
              kOwnCode + "=22222; [St_ChBank]GI_Sheet_Mch_Lmr,Bank 0!CL_Mch_FreqR[1]=146");
}

TEST(FleetRows, ARowIsTypedCellByCellAndARefusedValueNamesItsCell) {
    indFleetRows rows;
    std::string error;
    ASSERT_TRUE(
        ParseFleetRows(kOwnCode + "," + kFreq + "\n12345,145.5\n12345,999.5\n", rows, error));
    indSheetSession s;
    s.Document().ChangeModelType(ModelLmr, false);
    ASSERT_TRUE(s.Document().NewFile());
    cmcEeprom blank;
    blank.Assign(s.Document().WorkingImage());

    EXPECT_TRUE(ApplyFleetRow(s, rows, 0, error)) << error;
    EXPECT_FALSE(blank.IsEqual(s.Document().WorkingImage()));
    ASSERT_TRUE(s.ShowSheet("GI_Sheet_5ToneTx"));
    uint8_t flags = 0;
    EXPECT_EQ(s.CellText(1, 1, flags), "12345");

    s.Document().WorkingImage().Assign(blank);
    EXPECT_FALSE(ApplyFleetRow(s, rows, 1, error));
    EXPECT_NE(error.find("CL_Mch_FreqR[1] refuses \"999.5\""), std::string::npos) << error;
}

TEST(FleetLog, AppendsRecordsUnderOneHeading) {
    ScratchDir dir;
    const std::string path = dir.File("log.csv");
    indFleetRecord record{
        "2026-01-02 03:04:05", "/dev/ttyUSB0", 2, "A!B[0]=-5", 23, "=refused", "", ""};
    for (int run = 0; run < 2; ++run) {
        indFleetLog log;
        std::string error;
        ASSERT_TRUE(log.Open(path, error)) << error;
        ASSERT_TRUE(log.Append(record, error)) << error;
    }
    const std::vector<cmcCsvRecord> records = Csv::ParseCsv(ReadWholeFile(path));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].fields, FleetLogHeading());
    EXPECT_EQ(records[2].fields,
              (std::vector<std::string>{"2026-01-02 03:04:05", "/dev/ttyUSB0", "2", "A!B[0]=-5",
                                        "23", "'=refused", "", ""}));

    indFleetLog bad;
    std::string error;
    EXPECT_FALSE(bad.Open(dir.File("missing/log.csv"), error));
    EXPECT_NE(error.find("missing/log.csv"), std::string::npos);
}
