// The main window's logic without widgets: commands reached through menu
// cells and the item handler, entry states, the close query, maker mode from
// the command line and the sheet history.

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include "BankSheets.h"
#include "CellNames.h"
#include "ChBanks.h"
#include "ChShift.h"
#include "ClfTestSupport.h"
#include "DataDirectory.h"
#include "EventIds.h"
#include "MainOnDoubles.h"
#include "MainTestSupport.h"
#include "ModelType.h"
#include "ScopedOverride.h"
#include "WarningCheck.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcInternalErrorBox.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"
#include "cmcSettingsBackend.h"
#include "cmcStopSignals.h"
#include "cmcTimerHost.h"
#include "cmcVirtualTimerHost.h"
#include "indEnviron.h"
#include "indMain.h"

namespace {

constexpr uint8_t Checked = 0x04, Hidden = 0x08, Disabled = 0x10, Caption = 0x20;
// A plain setting byte (squelch level) that normalisation leaves as it is.
constexpr int Mark = 0x00E2;

class MainTest : public ::testing::Test, protected MainOnDoubles<RecordingView> {
  protected:
    MainTest() {
        main.Start();
        events.Pump();
    }
    void Click(const std::string& item, int index = 0) {
        cmcCellObj cell = CommandCell(item, index);
        main.ClickCell(cell);
        events.Pump();
    }
    uint8_t State(const std::string& item, int index = 0) {
        cmcCellObj cell = CommandCell(item, index);
        main.QueryCell(cell);
        return cell.stateFlags;
    }
    std::string StateText(const std::string& item, int index) {
        cmcCellObj cell = CommandCell(item, index);
        main.QueryCell(cell);
        return cell.Text();
    }
    void Edit(uint8_t value) {
        main.Document().WorkingImage().SetByte(Mark, value);
        main.Document().CheckModified();
    }
    std::string Saved(const std::string& name) {
        const std::string path = dir.File(name);
        EXPECT_TRUE(main.Document().SaveToFile(path));
        return path;
    }

    ScratchDir dir;
};

TEST_F(MainTest, StartsUntitledWithTheTreeAndTheModelOnItsRoot) {
    EXPECT_EQ(main.Document().Title(), "Untitled - " + GTex().GetText("GI_Sys_AppTitle"));
    ASSERT_FALSE(main.Tree().Roots().empty());
    const std::string root = main.Tree().Roots().front()->Caption();
    EXPECT_EQ(root.substr(root.size() - 3), GTex().GetText("GI_AppInd_Model", 0));
    EXPECT_GE(view.trees, 1);
}

// The unsaved-changes question before New, reached from the menu.
TEST_F(MainTest, NewFromTheMenuFollowsTheAnswerToTheSaveQuestion) {
    struct Case {
        const char* name;
        bool titled;
        cmcMbResult answer;
        const char* saveAsPath;  // what the Save As dialog answers ("" cancels)
        bool discarded;          // the working image became the template
        bool fileHasEdit;        // the edit reached the file
    };
    const Case cases[] = {
        {"yes, titled", true, cmcMbResult::Yes, nullptr, true, true},
        {"yes, untitled, save as", false, cmcMbResult::Yes, "as.clf", true, true},
        {"yes, untitled, save as cancelled", false, cmcMbResult::Yes, "", false, false},
        {"no", true, cmcMbResult::No, nullptr, true, false},
        {"cancel", true, cmcMbResult::Cancel, nullptr, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (main.Document().IsModified()) {
            box.Answer(cmcMbResult::No);
        }
        Click("CL_Menu_File_New");
        std::string file;
        if (c.titled) {
            file = Saved(std::string(c.name) + ".clf");
        }
        Edit(0x5A);
        box.Answer(c.answer);
        if (c.saveAsPath != nullptr) {
            file = *c.saveAsPath ? dir.File(c.saveAsPath) : "";
            view.files.push_back(file);
        }
        Click("CL_Menu_File_New");
        EXPECT_EQ(main.Document().WorkingImage().GetByte(Mark) != 0x5A, c.discarded);
        EXPECT_EQ(main.Document().IsModified(), !c.discarded);
        if (!file.empty()) {
            cmcEeprom stored;
            ASSERT_TRUE(ReadImageFile(file, stored));
            EXPECT_EQ(stored.GetByte(Mark) == 0x5A, c.fileHasEdit);
        }
    }
}

TEST_F(MainTest, ReopeningTheEditedFileAsksToSaveUnderAnotherName) {
    const std::string path = Saved("same.clf");
    Edit(0x33);
    box.Answer(cmcMbResult::Yes);
    view.files = {path, ""};  // Open chooses the same file; the Save As inside is cancelled
    Click("CL_Menu_File_Open");
    ASSERT_EQ(box.Boxes().size(), 1u);
    EXPECT_EQ(box.Boxes()[0].text, GTex().GetText("GI_Mess_Confirm_WriteAnother"));
    EXPECT_TRUE(main.Document().IsModified());
    EXPECT_EQ(main.Document().WorkingImage().GetByte(Mark), 0x33);
}

// A failed open or save leaves name, modified flag and image as they were.
TEST_F(MainTest, FailedOpenAndSaveChangeNothing) {
    const std::string path = Saved("kept.clf");
    Edit(0x44);
    const std::string garbage = dir.File("garbage.clf");
    std::ofstream(garbage) << "not a clone file\n";
    struct Case {
        const char* item;
        std::string chosen;
    };
    const Case cases[] = {
        {"CL_Menu_File_Open", garbage},
        {"CL_Menu_File_Open", dir.File("missing.clf")},
        {"CL_Menu_File_SaveAs", dir.File("no/such/dir/x.clf")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        box.Clear();
        box.Answer(cmcMbResult::No);  // discard the edit if asked: the open itself must fail
        view.files.push_back(c.chosen);
        Click(c.item);
        EXPECT_FALSE(box.Boxes().empty());  // the failure was reported
        EXPECT_EQ(main.Document().FileName(), path);
        EXPECT_TRUE(main.Document().IsModified());
        EXPECT_EQ(main.Document().WorkingImage().GetByte(Mark), 0x44);
    }
}

TEST_F(MainTest, RecentEntriesFirstEmptyDisabledOthersHidden) {
    EXPECT_EQ(State("CL_Menu_File_Recent", 0) & (Disabled | Hidden), Disabled);
    EXPECT_EQ(State("CL_Menu_File_Recent", 1) & (Disabled | Hidden), Disabled | Hidden);
    const std::string a = Saved("a.clf");
    const std::string b = Saved("b.clf");
    EXPECT_EQ(StateText("CL_Menu_File_Recent", 0), "&1 b.clf");
    EXPECT_EQ(StateText("CL_Menu_File_Recent", 1), "&2 a.clf");
    EXPECT_EQ(State("CL_Menu_File_Recent", 1) & (Disabled | Hidden | Caption), Caption);
    EXPECT_EQ(State("CL_Menu_File_Recent", 2) & (Disabled | Hidden), Disabled | Hidden);
    Click("CL_Menu_File_Recent", 1);
    EXPECT_EQ(main.Document().FileName(), a);
    EXPECT_EQ(store.Recent().Entry(0), a);
}

TEST_F(MainTest, PortEntriesFollowThePortSetting) {
    for (int port : {1, 3, 4, 5, 256}) {
        SCOPED_TRACE(port);
        store.SetComPort(port);
        for (int n = 1; n <= 4; ++n) {
            EXPECT_EQ((State("CL_Menu_Port_Com", n) & Checked) != 0, port == n);
        }
        EXPECT_EQ((State("CL_Menu_Port_Usb") & Checked) != 0, port > 4);
    }
    Click("CL_Menu_Port_Com", 2);
    EXPECT_EQ(store.ComPort(), 2);
    view.ports = {0, 12};
    Click("CL_Menu_Port_Usb");  // cancelled
    EXPECT_EQ(store.ComPort(), 2);
    Click("CL_Menu_Port_Usb");
    EXPECT_EQ(store.ComPort(), 12);
    EXPECT_NE(State("CL_Menu_Port_Usb") & Checked, 0);
}

TEST_F(MainTest, SerialDevicesPresentAreListedAndChosenByTheirPath) {
    const std::string root = dir.File("root");
    for (const char* file : {"/dev/ttyUSB0", "/dev/ttyACM0", "/sys/class/tty/ttyUSB0/dev",
                             "/sys/class/tty/ttyACM0/dev"}) {
        std::filesystem::create_directories(std::filesystem::path(root + file).parent_path());
        std::ofstream(root + file) << "";
    }
    main.PortMenu().SetDeviceRoot(root);
    EXPECT_EQ(StateText("CL_Menu_Port_Usb", 1), "/dev/ttyACM0");
    EXPECT_EQ(StateText("CL_Menu_Port_Usb", 2), "/dev/ttyUSB0");
    EXPECT_EQ(State("CL_Menu_Port_Usb", 2) & (Hidden | Disabled | Caption), Caption);
    EXPECT_EQ(State("CL_Menu_Port_Usb", 3) & Hidden, Hidden);

    store.SetComPort(2);
    Click("CL_Menu_Port_Usb", 2);
    EXPECT_EQ(store.ComDevice(), "/dev/ttyUSB0");
    EXPECT_EQ(State("CL_Menu_Port_Usb", 2) & Checked, Checked);
    EXPECT_EQ(State("CL_Menu_Port_Com", 2) & Checked, 0);
    // A numbered port puts the device pattern back.
    Click("CL_Menu_Port_Com", 3);
    EXPECT_EQ(store.ComDevice(), indEnviron::DefaultComDevice);
    EXPECT_EQ(State("CL_Menu_Port_Usb", 2) & Checked, 0);
    EXPECT_EQ(State("CL_Menu_Port_Com", 3) & Checked, Checked);

    // None present: the first entry stays, disabled, with its own text.
    main.PortMenu().SetDeviceRoot(dir.File("empty"));
    EXPECT_EQ(State("CL_Menu_Port_Usb", 1) & (Hidden | Disabled | Caption), Disabled);
    EXPECT_EQ(State("CL_Menu_Port_Usb", 2) & Hidden, Hidden);
    Click("CL_Menu_Port_Usb", 2);
    EXPECT_EQ(store.ComDevice(), indEnviron::DefaultComDevice);
}

TEST_F(MainTest, SerialTraceWindowHoldsBoundedLinesOnlyWhileOpen) {
    Click("CL_Menu_View_ToolBar", 1);
    EXPECT_TRUE(view.traceWindow);
    EXPECT_EQ(State("CL_Menu_View_ToolBar", 1) & Checked, Checked);
    EXPECT_EQ(State("CL_Menu_View_ToolBar", 0) & Checked, Checked);  // the tool bar is apart
    for (size_t i = 0; i < indTraceLog::Capacity + 10; ++i) {
        main.TraceLog().TraceLine("line " + std::to_string(i));
    }
    EXPECT_EQ(main.TraceLog().Lines().size(), indTraceLog::Capacity);
    EXPECT_EQ(main.TraceLog().Lines().front(), "line 10");

    const std::string saved = dir.File("trace.txt");
    EXPECT_TRUE(main.SaveSerialTrace(saved));
    std::ifstream in(saved);
    std::string header, first;
    std::getline(in, header);
    std::getline(in, first);
    EXPECT_EQ(header, Trace::TraceHeader);
    EXPECT_EQ(first, "line 10");
    EXPECT_TRUE(box.Boxes().empty());
    EXPECT_FALSE(main.SaveSerialTrace(dir.File("no/such/folder/trace.txt")));
    ASSERT_EQ(box.Boxes().size(), 1u);
    EXPECT_NE(box.Boxes()[0].text.find("no/such/folder/trace.txt"), std::string::npos);

    Click("CL_Menu_View_ToolBar", 1);
    EXPECT_FALSE(view.traceWindow);
    main.SerialTraceClosed();  // as the window reports its closing
    EXPECT_TRUE(main.TraceLog().Lines().empty());
    EXPECT_EQ(State("CL_Menu_View_ToolBar", 1) & Checked, 0);
}

TEST_F(MainTest, ViewAndSpeedSettingsFromTheMenu) {
    Click("CL_Menu_View_ToolBar");
    EXPECT_FALSE(store.ToolbarVisible());
    EXPECT_FALSE(view.toolBar);
    EXPECT_EQ(State("CL_Menu_View_ToolBar") & Checked, 0);
    Click("CL_Menu_View_FontSize", 150);
    EXPECT_EQ(store.FontSizePercentage(), 150);
    EXPECT_NE(State("CL_Menu_View_FontSize", 150) & Checked, 0);
    EXPECT_EQ(State("CL_Menu_View_FontSize", 100) & Checked, 0);
    Click("CL_Menu_Port_SpeedHigh", 1);
    EXPECT_TRUE(store.ComSpeedHigh());
    Click("CL_Help_Contents");
    // The data folder of a build is the program's own folder, which holds the built manual.
    EXPECT_EQ(view.help, DataDirectory::DataDirectory() + GTex().GetText("GI_Sys_MyHelpFile"));
    EXPECT_EQ(DataDirectory::DataDirectory(), ProgramDirectory());
    EXPECT_TRUE(std::ifstream(view.help).good()) << view.help;
}

TEST_F(MainTest, MakerSwitchInAnyCaseAsksAgainOnlyAfterCancel) {
    box.Answer(cmcMbResult::Cancel);
    box.Answer(cmcMbResult::Ok);
    const std::string file =
        main.ScanArguments({"orvane", "/KeStReL", "radio.clf", "/kestrel", "/KESTREL"});
    EXPECT_EQ(file, "radio.clf");
    ASSERT_EQ(box.Boxes().size(), 2u);
    EXPECT_EQ(box.Boxes()[1].text, GTex().GetLines("GI_Mess_Maker_Caution"));
    EXPECT_EQ(box.Boxes()[1].buttons, cmcMbButtons::OkCancel);
    EXPECT_TRUE(main.MakerMode());
    EXPECT_EQ(view.makerPanels, 1);
    EXPECT_EQ(main.MakerPanelText(), GTex().GetText("GI_StatusPanel_Maker"));
    bool makerSheet = false;
    main.Tree().ForEach(
        [&](cuiTree::Node& node, int) { makerSheet |= node.Reference() == "GI_Sheet_Maker"; });
    EXPECT_TRUE(makerSheet);
}

// A model change asks first; OK loads the model's template, untitled and
// unmodified, and the tree's root names the new model.
TEST_F(MainTest, ModelChangeFollowsTheConfirmation) {
    const std::string path = Saved("model.clf");
    box.Answer(cmcMbResult::Cancel);
    Click("CL_Model_Pmr");
    EXPECT_EQ(main.Document().ModelType(), 0);
    EXPECT_EQ(main.Document().FileName(), path);
    EXPECT_EQ(State("CL_Model_Lmr") & Checked, Checked);
    box.Answer(cmcMbResult::Ok);
    Click("CL_Model_Pmr");
    ASSERT_EQ(box.Boxes().size(), 2u);
    EXPECT_EQ(box.Boxes()[1].text, GTex().GetLines("GI_AppMess_ChangeModel"));
    EXPECT_EQ(main.Document().ModelType(), 1);
    EXPECT_TRUE(main.Document().IsUntitled());
    EXPECT_FALSE(main.Document().IsModified());
    EXPECT_EQ(State("CL_Model_Pmr") & Checked, Checked);
    EXPECT_EQ(State("CL_Model_Lmr") & Checked, 0);
    const std::string root = main.Tree().Roots().front()->Caption();
    EXPECT_EQ(root.substr(root.size() - 3), GTex().GetText("GI_AppInd_Model", 1));
}

// The warning check runs once, 250 ms after the last key (a menu click is
// one), and marks the tree with what the check list reports.
TEST_F(MainTest, WarningCheckRunsOnceAfterTheLastKey) {
    struct Counter {
        static void OnEvent(void* self, const cmcEvent& event) {
            *static_cast<int*>(self) += event.kind == EventIds::WarningCheckDone ? 1 : 0;
        }
    };
    box.Answer(cmcMbResult::Ok);
    Click("CL_Model_BiisPmr");
    // User tone 2's decode window upside down (2000 Hz to 1000 Hz): a warning.
    cmcEeprom& image = main.Document().WorkingImage();
    for (const auto& [address, word] : {std::pair{0x017E + 8, 2000}, std::pair{0x0180 + 8, 1000}}) {
        image.SetByte(address, static_cast<uint8_t>(word >> 8));
        image.SetByte(address + 1, static_cast<uint8_t>(word));
    }
    timers.Advance(1000);  // the check after the model change
    int done = 0;
    events.AddListener(&Counter::OnEvent, &done);
    Click("CL_Menu_Port_SpeedHigh", 0);
    timers.Advance(200);
    Click("CL_Menu_Port_SpeedHigh", 0);  // waits again
    timers.Advance(200);
    EXPECT_EQ(done, 0);
    timers.Advance(indMain::TickMs);
    EXPECT_EQ(done, 1);
    timers.Advance(1000);
    EXPECT_EQ(done, 1);
    events.RemoveListener(&Counter::OnEvent, &done);

    const indWarningCheckResult expected = WarningCheck::CheckWarnings(
        main.Context().Handler(), GTex(), main.Document().ModelType(), nullptr);
    ASSERT_EQ(expected.warningReferences, std::vector<std::string>{"GI_Sheet_UserTone"});
    std::vector<std::string> warned;
    main.Tree().ForEach([&](cuiTree::Node& node, int) {
        if (node.overlay == 1 && node.children.empty()) {
            warned.push_back(node.Reference());
        }
    });
    EXPECT_EQ(warned, expected.warningReferences);
}

// The first stop signal closes the window as File > Exit does, once.
TEST_F(MainTest, StopSignalClosesTheWindowOnce) {
    const cmcStopSignals signals;
    timers.Advance(indMain::TickMs);
    EXPECT_EQ(view.closes, 0);
    std::raise(SIGTERM);
    timers.Advance(3 * indMain::TickMs);
    EXPECT_EQ(view.closes, 1);
}

TEST_F(MainTest, CloseQueryRules) {
    view.enabled = false;
    EXPECT_FALSE(main.QueryClose({1, 2, 500, 300}, 150));
    view.enabled = true;
    Edit(0x12);
    box.Answer(cmcMbResult::Cancel);
    EXPECT_FALSE(main.QueryClose({1, 2, 500, 300}, 150));
    EXPECT_NE(store.Width(), 500);
    box.Answer(cmcMbResult::No);
    EXPECT_TRUE(main.QueryClose({1, 2, 500, 300}, 150));
    EXPECT_EQ(store.Left(), 1);
    EXPECT_EQ(store.Top(), 2);
    EXPECT_EQ(store.Width(), 500);
    EXPECT_EQ(store.Height(), 300);
    EXPECT_EQ(store.SplitterV(), 150);
}

TEST_F(MainTest, ReopenedSheetReturnsToItsCellAfterOtherSheets) {
    const std::vector<cuiTree::Sheet> sheets = main.Tree().Sheets();
    ASSERT_GE(sheets.size(), 2u);
    main.SelectSheet(sheets[0].reference);
    ASSERT_NE(main.Sheet(), nullptr);
    const cuiCellPos moved{main.Sheet()->Rows() - 1, main.Sheet()->Columns() - 1};
    main.Sheet()->SetCurrent(moved);
    main.SetSheetScroll(1, 2);
    main.SelectSheet(sheets[1].reference);
    EXPECT_EQ(main.Sheet()->Reference(), sheets[1].reference);
    main.SelectSheet(sheets[0].reference);
    EXPECT_EQ(main.Sheet()->Current(), moved);
    EXPECT_EQ(main.History().Find(sheets[0].reference),
              (cuiSheetPlace{moved.col, moved.row, 1, 2}));
    // A font size change closes the sheet; the tick reopens it where it was.
    Click("CL_Menu_View_FontSize", 120);
    EXPECT_EQ(main.Sheet(), nullptr);
    timers.Advance(indMain::TickMs);
    ASSERT_NE(main.Sheet(), nullptr);
    EXPECT_EQ(main.Sheet()->Current(), moved);
    EXPECT_EQ(main.History().Count(), 2);
}

// CommitEdits is sent: an editor that commits on it does so before the file is written.
TEST_F(MainTest, OpenEditorsCommitBeforeTheSave) {
    const std::string path = Saved("commit.clf");
    struct Editor {
        static void OnEvent(void* self, const cmcEvent& event) {
            if (event.kind == EventIds::CommitEdits) {
                static_cast<indMain*>(self)->Document().WorkingImage().SetByte(Mark, 0x77);
            }
        }
    };
    events.AddListener(&Editor::OnEvent, &main);
    Click("CL_Menu_File_Save");
    events.RemoveListener(&Editor::OnEvent, &main);
    cmcEeprom stored;
    ASSERT_TRUE(ReadImageFile(path, stored));
    EXPECT_EQ(stored.GetByte(Mark), 0x77);
}

}  // namespace

// Event 25 makes the memory-channel branch again; event 32 brings the bank
// icons up to date; choosing the open sheet's node again keeps that sheet.
TEST_F(MainTest, TheTreeFollowsImageAndMarkEvents) {
    main.Document().ChangeModelType(ModelPmr, false);
    ASSERT_TRUE(main.Document().NewFile());
    events.Pump();
    cuiTree::Node* top = main.Tree().FindNodeByReference(cuiTree::MemoryChannelTop);
    ASSERT_NE(top, nullptr);
    top->children.clear();
    events.Post(EventIds::ImageReplaced, nullptr, 0);
    events.Pump();
    top = main.Tree().FindNodeByReference(cuiTree::MemoryChannelTop);
    ASSERT_EQ(top->children.size(), 17u);

    // Every bank of a new image holds channels: bank 2 is emptied, then gets
    // one channel; its icon follows each change on event 32, not before.
    cmcEeprom& image = main.Document().WorkingImage();
    const uint8_t kind = ChannelKindOf(ModelPmr);
    const cuiTree::Node& node = *top->children[2];
    EXPECT_EQ(node.image, 5);
    for (const auto& [count, icon] : {std::pair{0, 4}, std::pair{1, 5}}) {
        const int before = node.image;
        ResizeBank(image, main.Document().TemplateImage(), kind, 1, count);
        EXPECT_EQ(node.image, before);
        events.Post(EventIds::TreeMarks, nullptr, 0);
        events.Pump();
        EXPECT_EQ(node.image, icon) << count;
    }

    main.SelectSheet(node.Reference());
    const cuiSheet* open = main.Sheet();
    ASSERT_NE(open, nullptr);
    const int shown = view.sheets;
    main.SelectSheet(node.Reference());
    EXPECT_EQ(main.Sheet(), open);
    EXPECT_EQ(view.sheets, shown);
}

// The memory-channel node opens the bank overview; Enter on a bank row opens
// that bank's sheet on the next tick.
TEST_F(MainTest, TheBankOverviewOpensABank) {
    main.Document().ChangeModelType(ModelPmr, false);
    ASSERT_TRUE(main.Document().NewFile());
    events.Pump();
    main.SelectSheet(cuiTree::MemoryChannelTop);
    cuiSheet* overview = main.Sheet();
    ASSERT_NE(overview, nullptr);
    ASSERT_EQ(overview->Rows(), 17);
    const cmcEeprom& image = main.Document().WorkingImage();
    const int first = overview->FixedRows();
    EXPECT_EQ(main.CellText(first, 0), "Bank 1");
    EXPECT_EQ(main.CellText(first, 1), std::to_string(BankCount(image, 0)));
    EXPECT_EQ(main.CellText(first, 2), "1");
    EXPECT_EQ(main.CellText(first, 3), std::to_string(BankLast(image, 0) + 1));
    EXPECT_EQ(main.CellText(first + 15, 2),
              BankCount(image, 15) > 0 ? std::to_string(BankFirst(image, 15) + 1) : "-");

    overview->SetCurrent({first + 2, 1});
    indCellCapsule capsule;
    overview->PrepareCapsule(capsule, first + 2, 1);
    capsule.Editable = 1;
    capsule.Key = Keys::Enter;
    main.Context().Handler().HandleCell(capsule);
    EXPECT_EQ(main.Sheet(), overview);  // not under the cell's own action
    timers.Advance(2 * indMain::TickMs);
    ASSERT_NE(main.Sheet(), nullptr);
    EXPECT_EQ(main.Sheet()->Reference(), BankSheets::Reference(ModelPmr, 2));
    EXPECT_EQ(main.SelectedSheet(), BankSheets::Reference(ModelPmr, 2));
}
