// Every setting sheet of every model type, with and without maker mode, built
// for a new image of that type and shown as orvane-cli sheet shows it: no cell
// reads "error" or "*Yet*".

#include <gtest/gtest.h>

#include "CellNames.h"
#include "SettingSheets.h"
#include "cmcGTex.h"
#include "indSheetSession.h"

namespace {

// The first cell of the open sheet whose text shows "error" or "*Yet*", or "".
std::string BadCell(indSheetSession& session) {
    cuiSheet& sheet = *session.Sheet();
    for (int r = 0; r < sheet.Rows(); ++r) {
        for (int c = 0; c < sheet.Columns(); ++c) {
            uint8_t flags = 0;
            const std::string text = session.CellText(r, c, flags);
            if (text.find("error") != std::string::npos ||
                text.find("*Yet*") != std::string::npos) {
                return std::string(CellItemName(sheet.Cell(r, c).item)) + " at " +
                       std::to_string(r) + "," + std::to_string(c) + ": " + text;
            }
        }
    }
    return "";
}

TEST(SettingSheetsTest, EverySheetOfANewImageRendersWithoutErrorText) {
    int rendered = 0;
    for (int model = 0; model < ModelTypeCount; ++model) {
        for (bool maker : {false, true}) {
            indSheetSession session;
            session.Document().ChangeModelType(model, false);
            ASSERT_TRUE(session.Document().NewFile());
            if (maker) {
                session.Document().EnableMakerMode();
            }
            for (const SettingSheet& s : SettingSheets()) {
                if ((s.models & (1 << model)) == 0 || (s.maker && !maker)) {
                    continue;
                }
                SCOPED_TRACE(std::string(s.reference) + " model " + std::to_string(model));
                ASSERT_TRUE(session.ShowSheet(s.reference));
                EXPECT_EQ(BadCell(session), "");
                ++rendered;
            }
        }
    }
    EXPECT_EQ(rendered, 2 * (12 + 13 + 20) + 3);
}

TEST(SettingSheetsTest, SetModeAccessLineFollowsTheMakerOption) {
    indSheetSession session;
    session.Document().ChangeModelType(ModelPmr, false);
    ASSERT_TRUE(session.Document().NewFile());
    cmcEeprom& image = session.Document().WorkingImage();
    ASSERT_TRUE(session.ShowSheet("[St_Common]GI_Sheet_Common"));
    const int without = session.Sheet()->Rows();
    EXPECT_FALSE(session.Sheet()->FindCell(CL_Comm_SetModeAccess, 0).has_value());
    image.SetByte(0x000B, static_cast<uint8_t>(image.GetByte(0x000B) | 0x08));
    ASSERT_TRUE(session.ShowSheet("[St_Common]GI_Sheet_Common"));
    EXPECT_EQ(session.Sheet()->Rows(), without + 1);
    ASSERT_TRUE(session.Sheet()->FindCell(CL_Comm_SetModeAccess, 0).has_value());
    EXPECT_EQ(BadCell(session), "");
}

TEST(SettingSheetsTest, CommonSheetKeepsTheLinesOfTheModelType) {
    const struct {
        int model;
        bool manDown;
        bool dataPort;
    } cases[] = {{ModelLmr, false, false}, {ModelPmr, true, false}, {ModelBiisPmr, true, true}};
    for (const auto& c : cases) {
        indSheetSession session;
        session.Document().ChangeModelType(c.model, false);
        ASSERT_TRUE(session.Document().NewFile());
        ASSERT_TRUE(session.ShowSheet("[St_Common]GI_Sheet_Common"));
        EXPECT_EQ(session.Sheet()->FindCell(CL_Comm_ManDown_ON, 0).has_value(), c.manDown);
        EXPECT_EQ(session.Sheet()->FindCell(CL_Comm_RS232C_SPPED, 0).has_value(), c.dataPort);
        EXPECT_TRUE(session.Sheet()->FindCell(CL_Comm_EmerTim_On, 0).has_value());
    }
}

}  // namespace
