// The main window on the offscreen platform: title, bounds, menus and tool bar
// from the overlay with their states, maker mode from the command line, the
// status panels, and the settings written at File > Exit.

#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <algorithm>

#include "CellNames.h"
#include "EventIds.h"
#include "OverlayNames.h"
#include "ScopedOverride.h"
#include "TForm1.h"
#include "WindowTest.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcMessageBoxHost.h"
#include "cmcSettingsBackend.h"
#include "cmcTimerHost.h"
#include "cuiQtMenu.h"
#include "cuiQtSettings.h"
#include "cuiQtTimerHost.h"
#include "cuiQtToolBar.h"
#include "cuiSheetPane.h"
#include "cuiStatusPanel.h"
#include "indEnviron.h"
#include "indMain.h"

namespace {

using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, UntitledWindowWithTreeSheetAndLimits) {
    TForm1& f = Open();
    EXPECT_EQ(f.windowTitle().toStdString(), "Untitled - " + GTex().GetText("GI_Sys_AppTitle"));
    EXPECT_EQ(f.minimumSize(), QSize(400, 200));
    EXPECT_GT(f.TreePane().topLevelItemCount(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.SheetPane().RowCount() > 0; }, 1000));
    EXPECT_FALSE(f.MakerPanel().isVisible());
}

TEST_F(MainWindowTest, StoredBoundsArePulledIntoTheAvailableArea) {
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    store.SetWindow(work.right() + 5000, work.top() - 300, 500, 300);
    TForm1& f = Open();
    EXPECT_EQ(f.pos(), QPoint(work.x() + work.width() - 16, work.y()));
    EXPECT_EQ(f.size(), QSize(500, 300));
}

TEST_F(MainWindowTest, MenuFromTheOverlayWithTheUsualKeys) {
    Open();
    const struct {
        int item;
        const char* keys;
    } cases[] = {
        {CL_Menu_File_New, "Ctrl+N"},           {CL_Menu_File_Open, "Ctrl+O"},
        {CL_Menu_File_Save, "Ctrl+S"},          {CL_Menu_File_SaveAs, "Ctrl+Shift+S"},
        {CL_Menu_File_Print_Current, "Ctrl+P"}, {CL_Menu_File_Exit, "Ctrl+Q"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        QAction* action = Action(c.item);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(c.keys)));
    }
    // Nothing to print without a printable sheet; recent files: first shown disabled, rest hidden.
    EXPECT_FALSE(Action(CL_Menu_File_Print_Current)->isEnabled());
    EXPECT_TRUE(Action(CL_Menu_File_Recent, 0)->isVisible());
    EXPECT_FALSE(Action(CL_Menu_File_Recent, 0)->isEnabled());
    EXPECT_FALSE(Action(CL_Menu_File_Recent, 1)->isVisible());
    // The Edit menu mirrors a pop-up menu section.
    QMenu* edit = form->Menu().FindMenu(CL_Menu_Edit_Top);
    ASSERT_NE(edit, nullptr);
    EXPECT_FALSE(edit->actions().isEmpty());
}

TEST_F(MainWindowTest, OtherPortCheckedFromPortFiveAndToolBarButtonsFollow) {
    store.SetComPort(7);
    Open();
    for (int n = 1; n <= 4; ++n) {
        EXPECT_FALSE(Action(CL_Menu_Port_Com, n)->isChecked()) << n;
        EXPECT_FALSE(form->ToolBar().FindAction(CL_Menu_Port_Com, n)->isChecked()) << n;
    }
    EXPECT_TRUE(Action(CL_Menu_Port_Usb)->isChecked());
    form->ToolBar().FindAction(CL_Menu_Port_Com, 3)->trigger();
    QTest::qWait(40);
    EXPECT_EQ(store.ComPort(), 3);
    EXPECT_TRUE(Action(CL_Menu_Port_Com, 3)->isChecked());
    EXPECT_TRUE(form->ToolBar().FindAction(CL_Menu_Port_Com, 3)->isChecked());
    EXPECT_FALSE(Action(CL_Menu_Port_Usb)->isChecked());
}

TEST_F(MainWindowTest, SerialTraceWindowShowsTheLinesAndStopsTheTraceWhenClosed) {
    Open();
    Action(CL_Menu_View_ToolBar, 1)->trigger();
    QTest::qWait(40);
    uiTraceWindow* window = form->TraceWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(Action(CL_Menu_View_ToolBar, 1)->isChecked());
    form->Main().TraceLog().TraceLine("12:00:00.000 TX   9600 info-request  -    -   23360000");
    EXPECT_EQ(window->Lines().toPlainText().toStdString(),
              "12:00:00.000 TX   9600 info-request  -    -   23360000");
    window->Clear();
    EXPECT_TRUE(window->Lines().toPlainText().isEmpty());
    EXPECT_TRUE(form->Main().TraceLog().Lines().empty());

    form->Main().TraceLog().TraceLine("kept until closed");
    window->close();
    QTest::qWait(40);
    EXPECT_EQ(form->TraceWindow(), nullptr);  // deleted on close
    EXPECT_FALSE(form->Main().SerialTraceShown());
    EXPECT_TRUE(form->Main().TraceLog().Lines().empty());
    EXPECT_FALSE(Action(CL_Menu_View_ToolBar, 1)->isChecked());
}

TEST_F(MainWindowTest, FontSizeScalesTheReopenedSheet) {
    Open();
    const int base = form->font().pixelSize();
    ASSERT_GT(base, 0);
    EXPECT_EQ(form->SheetPane().font().pixelSize(), base);
    Action(CL_Menu_View_FontSize, 200)->trigger();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return form->SheetPane().font().pixelSize() == 2 * base; }, 1000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->SheetPane().RowCount() > 0; }, 1000));
}

TEST_F(MainWindowTest, ViewToolBarHidesTheToolBar) {
    Open();
    QToolBar* bar = form->findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    Action(CL_Menu_View_ToolBar)->trigger();
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(store.ToolbarVisible());
    EXPECT_FALSE(Action(CL_Menu_View_ToolBar)->isChecked());
}

TEST_F(MainWindowTest, MakerSwitchTwiceWithCancelThenOk) {
    Open();
    box.Answer(cmcMbResult::Cancel);
    box.Answer(cmcMbResult::Ok);
    form->ScanArguments({"orvane", "/KeStReL", "/KeStReL"});
    EXPECT_EQ(box.Boxes().size(), 2u);
    EXPECT_TRUE(form->Main().MakerMode());
    EXPECT_TRUE(form->MakerPanel().isVisible());
    EXPECT_EQ(form->MakerPanel().Text().toStdString(), GTex().GetText("GI_StatusPanel_Maker"));
    EXPECT_EQ(form->MakerPanel().Background(), QColor(128, 0, 0));
}

TEST_F(MainWindowTest, StatusTextFromItsEvent) {
    Open();
    EvMan().PostText(EventIds::StatusText, reinterpret_cast<void*>(uintptr_t{0x000000FF}),
                     0x00FFFFFF, "Copied");
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->MessagePanel().Text() == "Copied"; }, 1000));
    EXPECT_EQ(form->MessagePanel().Background(), QColor(255, 255, 255));
    // System colours follow the desktop palette: button face, window text.
    EvMan().PostText(EventIds::StatusText, reinterpret_cast<void*>(uintptr_t{kClWindowText}),
                     kClBtnFace, "Pasted");
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->MessagePanel().Text() == "Pasted"; }, 1000));
    EXPECT_EQ(form->MessagePanel().Background(), form->palette().color(QPalette::Button));
}

// Opening a sheet and moving its cursor refill the Edit menu with the entries
// of the current cell's pop-up menu.
TEST_F(MainWindowTest, EditMenuFollowsTheCurrentCellsPopUpMenu) {
    Open();
    indMain& main = form->Main();
    struct Place {
        std::string sheet;
        int row, col;
        std::string popup;
    };
    std::vector<Place> places;  // the first cell of each pop-up menu
    for (const cuiTree::Sheet& s : main.Tree().Sheets()) {
        main.SelectSheet(s.reference);
        for (int r = 0; main.Sheet() != nullptr && r < main.Sheet()->Rows(); ++r) {
            for (int col = 0; col < main.Sheet()->Columns(); ++col) {
                indCellCapsule capsule;
                main.Sheet()->PrepareCapsule(capsule, r, col);
                const std::string* popup = capsule.Cell ? capsule.Cell->PopupMenuName() : nullptr;
                if (popup != nullptr &&
                    std::none_of(places.begin(), places.end(),
                                 [&](const Place& p) { return p.popup == *popup; })) {
                    places.push_back({s.reference, r, col, *popup});
                }
            }
        }
    }
    ASSERT_GE(places.size(), 2u);
    QMenu* edit = form->Menu().FindMenu(CL_Menu_Edit_Top);
    ASSERT_NE(edit, nullptr);
    for (int round = 0; round < 2; ++round) {
        for (const Place& p : places) {
            SCOPED_TRACE(p.popup);
            const std::string line = GTex().GetText(p.popup + "_Body", 0);
            const QString first = QString::fromStdString(line.substr(1, line.find('\t') - 1));
            main.SelectSheet(p.sheet);
            form->SheetPane().SetCurrentCell(p.row, p.col);
            // The body follows Undo, Redo and their separator.
            EXPECT_TRUE(QTest::qWaitFor(
                [&] {
                    const QList<QAction*> a = edit->actions();
                    return a.size() > 3 && a[2]->isSeparator() && a[3]->text() == first;
                },
                1000));
        }
    }
}

// New marks redraw the tree; the branches the user opened stay open.
TEST_F(MainWindowTest, TreeRedrawKeepsOpenedBranches) {
    Open();
    QTreeWidget& tree = form->TreePane();
    QTreeWidgetItem* branch = nullptr;
    for (QTreeWidgetItemIterator it(&tree); *it != nullptr && branch == nullptr; ++it) {
        if ((*it)->childCount() > 0 && !(*it)->isExpanded()) {
            branch = *it;
        }
    }
    ASSERT_NE(branch, nullptr);
    const QString caption = branch->text(0);
    tree.expandItem(branch);
    bool redrawn = false;
    const QMetaObject::Connection watch =
        QObject::connect(tree.model(), &QAbstractItemModel::modelReset, [&] { redrawn = true; });
    EvMan().Post(EventIds::TreeMarks, nullptr, 0);
    const bool done = QTest::qWaitFor([&] { return redrawn; }, 1000);
    QObject::disconnect(watch);
    ASSERT_TRUE(done);
    const QList<QTreeWidgetItem*> found =
        tree.findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_FALSE(found.isEmpty());
    EXPECT_TRUE(found.front()->isExpanded());
}

TEST_F(MainWindowTest, FileOnTheCommandLineOpensWithItsNameInTheTitle) {
    QTemporaryDir dir;
    const std::string path = (dir.path() + QStringLiteral("/radio.clf")).toStdString();
    Open();
    ASSERT_TRUE(form->Main().Document().SaveToFile(path));
    form->Main().Document().NewFile();
    ASSERT_TRUE(form->Main().Document().IsUntitled());
    form->ScanArguments({"orvane", path});
    EXPECT_EQ(form->Main().Document().FileName(), path);
    EXPECT_EQ(form->windowTitle().toStdString(),
              "radio.clf - " + GTex().GetText("GI_Sys_AppTitle"));
}

TEST(MainWindowExit, FileExitWritesTheSettingsWithTheMarker) {
    {
        QSettings s(QStringLiteral("Vexa"), QStringLiteral("Orvane_r3"));
        s.clear();
    }
    cuiQtTimerHost timers;
    ScopedOverride hostOverride(SetCurrentTimerHost, &timers);
    cmcEvMan events(&timers);
    ScopedOverride eventsOverride(SetEvMan, &events);
    {
        cuiQtSettings backend;
        HeldLock lock;
        indEnviron store(&backend, &lock, {1280, 800});
        TForm1 form(store, GTex());
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.Menu().FindAction(CL_Menu_File_Exit)->trigger();
        EXPECT_FALSE(form.isVisible());
    }
    QSettings s(QStringLiteral("Vexa"), QStringLiteral("Orvane_r3"));
    EXPECT_EQ(s.value(QStringLiteral("Global/BBT")).toInt(), 753951);
    EXPECT_TRUE(s.contains(QStringLiteral("Window Position/SplitterV")));
    EXPECT_TRUE(s.contains(QStringLiteral("Recent File List/Recent0")));
}

}  // namespace
