// Print commands and the Debug menu of the main window's logic, with a view
// and a print target that record what they were asked.

#include <gtest/gtest.h>

#include "CellParser.h"
#include "EventIds.h"
#include "MainOnDoubles.h"
#include "ScopedOverride.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"
#include "cmcSettingsBackend.h"
#include "cmcTimerHost.h"
#include "cmcVirtualTimerHost.h"
#include "indEnviron.h"
#include "indMain.h"

namespace {

constexpr uint8_t Hidden = 0x08, Disabled = 0x10;

struct TargetLog {
    std::vector<std::string> sheets;
    int pages = 0;
    int ends = 0;
};

// Two pages a sheet; none once cancelled. How the document ends is set by the test.
class FakeTarget : public cuiPrintTarget {
  public:
    FakeTarget(TargetLog& log, cuiPrintEnd end) : log_(log), end_(end) {}
    int PrintSheet(const std::string& reference, const std::function<bool()>& cancelled) override {
        log_.sheets.push_back(reference);
        const int pages = cancelled() ? 0 : 2;
        log_.pages += pages;
        return pages;
    }
    cuiPrintEnd EndDocument() override {
        ++log_.ends;
        return log_.pages == 0 ? cuiPrintEnd::NothingPrinted : end_;
    }

  private:
    TargetLog& log_;
    cuiPrintEnd end_;
};

class PrintView : public cuiMainView {
  public:
    bool HasPrintOutput(cuiPrintOutput) override { return hasOutput; }
    std::unique_ptr<cuiPrintTarget> StartPrint(cuiPrintOutput output) override {
        outputs.push_back(output);
        return setUpCancelled ? nullptr : std::make_unique<FakeTarget>(log, end);
    }
    void ShowPrinting(bool shown) override { printingShown = shown; }
    void SetWindowEnabled(bool on) override { enabled = on; }
    bool WindowEnabled() const override { return enabled; }
    void ShowDebugWindow() override { windows.push_back(EventIds::OpenDebugWindow); }
    void ShowEepromWindow() override { windows.push_back(EventIds::OpenEepromWindow); }
    void ShowCompareWindow(const std::vector<std::string>& lines) override {
        windows.push_back(EventIds::OpenCompareWindow);
        compares.push_back(lines);
    }

    bool hasOutput = true;
    bool setUpCancelled = false;
    cuiPrintEnd end = cuiPrintEnd::Done;
    bool enabled = true;
    bool printingShown = false;
    TargetLog log;
    std::vector<cuiPrintOutput> outputs;
    std::vector<int> windows;
    std::vector<std::vector<std::string>> compares;
};

class PrintJobTest : public ::testing::Test, protected MainOnDoubles<PrintView> {
  protected:
    PrintJobTest() {
        main.Start();
        events.Pump();
        main.SelectSheet("GI_Sheet_BankOp");
    }
    void Click(const char* item, int index = 0) {
        cmcCellObj cell;
        ParseCell("{(%CT_Null." + std::string(item) + "[" + std::to_string(index) + "])}", cell,
                  nullptr, nullptr, false, &GTex());
        main.ClickCell(cell);
        events.Pump();
    }
    uint8_t State(const char* item) {
        cmcCellObj cell;
        ParseCell("{(%CT_Null." + std::string(item) + ")}", cell, nullptr, nullptr, false, &GTex());
        main.QueryCell(cell);
        return cell.stateFlags;
    }
    void Tick() { timers.Advance(indMain::TickMs); }
};

TEST_F(PrintJobTest, NoOutputOrACancelledSetUpPrintsNothing) {
    view.hasOutput = false;
    Click("CL_Menu_File_Print_Current");
    ASSERT_EQ(box.Boxes().size(), 1u);
    EXPECT_EQ(box.Boxes()[0].text, GTex().GetLines("GI_Sys_Printer_NoPrinter"));
    EXPECT_TRUE(view.outputs.empty());

    view.hasOutput = true;
    view.setUpCancelled = true;
    Click("CL_Menu_File_Print_All", 2);
    EXPECT_EQ(view.outputs, std::vector<cuiPrintOutput>{cuiPrintOutput::PdfFile});
    EXPECT_EQ(box.Boxes().size(), 1u);
    EXPECT_TRUE(view.enabled);
    EXPECT_FALSE(main.Printing());
}

TEST_F(PrintJobTest, PrintCurrentRunsWithinTheCommand) {
    // A sheet that does not print leaves only print-all.
    main.SelectSheet("GI_Sheet_CloneInfo");
    EXPECT_NE(State("CL_Menu_File_Print_Current") & Disabled, 0);
    EXPECT_EQ(State("CL_Menu_File_Print_All") & Disabled, 0);
    main.SelectSheet("GI_Sheet_BankOp");
    EXPECT_EQ(State("CL_Menu_File_Print_Current") & Disabled, 0);
    Click("CL_Menu_File_Print_Current", 1);
    EXPECT_EQ(view.outputs, std::vector<cuiPrintOutput>{cuiPrintOutput::Preview});
    EXPECT_EQ(view.log.sheets, std::vector<std::string>{main.Sheet()->Reference()});
    EXPECT_EQ(view.log.ends, 1);
    EXPECT_FALSE(main.Printing());
    EXPECT_TRUE(view.enabled);
    EXPECT_FALSE(view.printingShown);
    EXPECT_TRUE(box.Boxes().empty());
}

TEST_F(PrintJobTest, PrintAllVisitsOneNodePerTickAndCancelStopsThePages) {
    const std::vector<std::string> all = PrintAllReferences(main.Tree(), GTex());
    ASSERT_GT(all.size(), 3u);
    Click("CL_Menu_File_Print_All");
    EXPECT_TRUE(view.log.sheets.empty());
    EXPECT_FALSE(view.enabled);
    EXPECT_TRUE(view.printingShown);
    // The close query is refused while the job runs.
    EXPECT_FALSE(main.QueryClose({}, 100));
    EXPECT_NE(State("CL_Menu_File_Print_All") & Disabled, 0);
    Tick();
    Tick();
    EXPECT_EQ(view.log.sheets.size(), 2u);
    main.CancelPrint();
    for (size_t i = 2; i + 1 < all.size(); ++i) {
        Tick();
        EXPECT_FALSE(view.enabled);
    }
    Tick();
    EXPECT_EQ(view.log.sheets, all);  // every node still visited
    EXPECT_EQ(view.log.pages, 4);     // but no page after the cancel
    EXPECT_EQ(view.log.ends, 1);
    EXPECT_TRUE(view.enabled);
    EXPECT_FALSE(view.printingShown);
    EXPECT_TRUE(box.Boxes().empty());
}

TEST_F(PrintJobTest, AJobEndingBadlyGivesOneMessage) {
    struct Case {
        cuiPrintEnd end;
        const char* message;
    };
    const Case cases[] = {{cuiPrintEnd::WriteFailed, "GI_Sys_Printer_WriteFailed"},
                          {cuiPrintEnd::Done, nullptr}};
    for (const Case& c : cases) {
        box.Clear();
        view.end = c.end;
        Click("CL_Menu_File_Print_Current", 2);
        ASSERT_EQ(box.Boxes().size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(box.Boxes()[0].text, GTex().GetLines(c.message));
        }
        EXPECT_TRUE(view.enabled);
    }
}

TEST_F(PrintJobTest, DebugMenuOnlyInMakerModeRaisesItsEvents) {
    const char* items[] = {"CL_Menu_Debug_Window", "CL_Menu_Debug_EeWindow",
                           "CL_Menu_Debug_Compare", "CL_Menu_Debug_CorrectComp"};
    for (const char* item : items) {
        EXPECT_NE(State(item) & Hidden, 0) << item;
        Click(item);
    }
    EXPECT_TRUE(view.windows.empty());
    box.Answer(cmcMbResult::Ok);
    main.RequestMakerMode();
    ASSERT_TRUE(main.MakerMode());
    for (const char* item : items) {
        EXPECT_EQ(State(item) & Hidden, 0) << item;
    }
    Click("CL_Menu_Debug_Window");
    Click("CL_Menu_Debug_EeWindow");
    EXPECT_EQ(view.windows,
              (std::vector<int>{EventIds::OpenDebugWindow, EventIds::OpenEepromWindow}));
    // Set compare base, an edit, then two compares: the second lists nothing.
    Click("CL_Menu_Debug_CorrectComp");
    cmcEeprom& image = main.Document().WorkingImage();
    const uint8_t before = image.GetByte(0x0123);
    image.SetByte(0x0123, static_cast<uint8_t>(before ^ 0x5A));
    Click("CL_Menu_Debug_Compare");
    Click("CL_Menu_Debug_Compare");
    ASSERT_EQ(view.compares.size(), 2u);
    char line[32];
    std::snprintf(line, sizeof line, "0123 : %02X -> %02X", before, before ^ 0x5A);
    EXPECT_EQ(view.compares[0], std::vector<std::string>{line});
    EXPECT_TRUE(view.compares[1].empty());
}

TEST_F(PrintJobTest, EepromCellsShowTheRowAddressAndItsBytesInHex) {
    cmcEeprom& image = main.Document().WorkingImage();
    image.SetByte(0x3FFF, 0xA7);
    struct Case {
        const char* cell;
        const char* text;
    };
    const Case cases[] = {{"{(%CT_Null.CL_EeDebugWin_Adr[1023])}", "3FF0"},
                          {"{(%CT_Null.CL_EeDebugWin_F[1023])}", "A7"},
                          {"{(%CT_Null.CL_EeDebugWin_0[1024])}", ""}};  // beyond the image
    for (const Case& c : cases) {
        cmcCellObj cell;
        ParseCell(c.cell, cell, nullptr, nullptr, false, &GTex());
        indCellCapsule capsule;
        capsule.Cell = &cell;
        main.Context().Handler().HandleCell(capsule);
        EXPECT_EQ(capsule.DisplayText, c.text) << c.cell;
    }
}

TEST_F(PrintJobTest, CompareOfImagesOfAnotherSizeSaysSo) {
    cmcEeprom& image = main.Document().WorkingImage();
    image.Resize(image.Size() / 2);
    EXPECT_EQ(main.TakeCompare(), std::vector<std::string>{"Not match size !"});
    EXPECT_TRUE(main.TakeCompare().empty());  // the base was replaced all the same
}

}  // namespace
