// The tree and the sheet grid driven by real key events: a bank opened from the
// tree, frequencies typed into the in-place editor and saved with Ctrl+S; the
// editor's commit and discard paths; the cursor keys over the grid.

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <functional>

#include "CellNames.h"
#include "EventIds.h"
#include "WindowHooks.h"
#include "WindowTest.h"
#include "cmcEeprom.h"
#include "cuiCellEditor.h"
#include "cuiCellPainter.h"
#include "cuiFBitsR.h"
#include "cuiFlector.h"
#include "cuiSheetPane.h"
#include "cuiTree.h"
#include "indDocument.h"
#include "indSheetSession.h"

namespace {

constexpr int ReferenceRole = Qt::UserRole;

int BankOf(const QTreeWidgetItem* item) {
    return cuiTree::BankOfReference(item->data(0, ReferenceRole).toString().toStdString());
}

using NodeTest = std::function<bool(const QTreeWidgetItem*)>;

bool Holds(const QTreeWidgetItem* item, const NodeTest& wanted) {
    if (wanted(item)) {
        return true;
    }
    for (int i = 0; i < item->childCount(); ++i) {
        if (Holds(item->child(i), wanted)) {
            return true;
        }
    }
    return false;
}

// Whether the node shows the tree image.
bool Shows(const QTreeWidgetItem* item, int image) {
    return item != nullptr && item->icon(0).pixmap(16, 16).toImage() ==
                                  WindowHooks::TreeIcon(image).pixmap(16, 16).toImage();
}

// Where a key goes: an open pop-up, else the focus.
QWidget* KeyTarget() {
    QWidget* popup = QApplication::activePopupWidget();
    return popup != nullptr ? popup : QApplication::focusWidget();
}

void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(KeyTarget(), static_cast<Qt::Key>(key), modifiers);
}

// Each character as a user types it.
void Type(const char* text) {
    for (const char* c = text; *c != '\0'; ++c) {
        QTest::keyClick(KeyTarget(), *c);
    }
}

class SheetGridTest : public WindowTest {
  protected:
    TForm1& OpenActive(int model) {
        store.SetModelType(model);
        TForm1& f = Open();
        QApplication::setActiveWindow(&f);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
        return f;
    }
    // With the keyboard: Down through the tree, Right to open a branch that
    // holds the node, until the node is current and its sheet open.
    void SelectInTree(const NodeTest& wanted) {
        QTreeWidget& tree = form->TreePane();
        tree.setFocus();
        Key(Qt::Key_Home);
        for (int i = 0; i < 100 && tree.currentItem() != nullptr && !wanted(tree.currentItem());
             ++i) {
            QTreeWidgetItem* at = tree.currentItem();
            Key(!at->isExpanded() && at->childCount() > 0 && Holds(at, wanted) ? Qt::Key_Right
                                                                               : Qt::Key_Down);
        }
        ASSERT_NE(tree.currentItem(), nullptr);
        ASSERT_TRUE(wanted(tree.currentItem()));
        const std::string reference =
            tree.currentItem()->data(0, ReferenceRole).toString().toStdString();
        WaitForSheet(reference);
    }
    void SelectBankInTree(int bank) {
        SelectInTree([bank](const QTreeWidgetItem* item) { return BankOf(item) == bank; });
    }
    QTreeWidgetItem* Node(const NodeTest& wanted) {
        for (QTreeWidgetItemIterator it(&form->TreePane()); *it != nullptr; ++it) {
            if (wanted(*it)) {
                return *it;
            }
        }
        return nullptr;
    }
    // Right (then Left) until the cursor is in the item's column.
    // The first channel of bank 1 on a Pmr given a receive frequency, the
    // cursor on that cell and the grid focused.
    cuiSheetPane& FirstChannelInUse() {
        OpenActive(ModelPmr);
        SelectBankInTree(0);
        cuiSheetPane& pane = form->SheetPane();
        pane.setFocus();
        RightTo(CL_Mch_FreqR);
        Type("146.52");
        Key(Qt::Key_Return);
        return pane;
    }
    void RightTo(int item) {
        for (int key : {Qt::Key_Right, Qt::Key_Left}) {
            for (int i = 0; i < 30 && CurrentCell().item != item; ++i) {
                Key(key);
            }
        }
        ASSERT_EQ(CurrentCell().item, item);
    }
    // The entry of the cell menu that a right click on the cell opens.
    QAction* MenuEntry(int item, const cuiCellPos& on) {
        cuiSheetPane& pane = form->SheetPane();
        std::string caption;
        for (const indMenuEntry& e : pane.Cells()->PopupMenu()) {
            caption = e.item == item ? e.caption : caption;
        }
        QTest::mouseClick(pane.viewport(), Qt::RightButton, {},
                          pane.CellRect(on.row, on.col).center());
        QAction* found = nullptr;
        for (QAction* a :
             pane.CellMenu() != nullptr ? pane.CellMenu()->actions() : QList<QAction*>()) {
            found = !caption.empty() && a->text().toStdString() == caption ? a : found;
        }
        return found;
    }
    const cmcCellObj& CurrentCell() {
        const cuiCellPos at = form->SheetPane().Current();
        return form->Main().Sheet()->Cell(at.row, at.col);
    }
    std::string CurrentText() {
        const cuiCellPos at = form->SheetPane().Current();
        return form->Main().CellText(at.row, at.col);
    }
    QTemporaryDir dir;
};

// The path a dealer takes on a new image: the first bank from the tree, two
// frequencies typed, Ctrl+S. The file holds what the command line's edit writes.
TEST_F(SheetGridTest, KeyboardAloneEntersTwoChannelsAndSavesThem) {
    OpenActive(ModelPmr);
    SelectBankInTree(0);
    Key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), &form->SheetPane());
    RightTo(CL_Mch_FreqR);
    ASSERT_EQ(CurrentCell().index, 0);

    Type("146.52");
    ASSERT_TRUE(form->SheetPane().Editor().IsOpen());
    EXPECT_EQ(QApplication::focusWidget(), &form->SheetPane().Editor());
    Key(Qt::Key_Return);
    EXPECT_FALSE(form->SheetPane().Editor().isVisible());
    EXPECT_EQ(form->SheetPane().LastResult().outcome, indCellOutcome::Done);
    EXPECT_NE(CurrentText().find("146.52"), std::string::npos) << CurrentText();
    Key(Qt::Key_Down);
    EXPECT_EQ(CurrentCell().item, CL_Mch_FreqR);
    EXPECT_EQ(CurrentCell().index, 1);
    Type("146.54");
    Key(Qt::Key_Return);
    EXPECT_NE(CurrentText().find("146.54"), std::string::npos) << CurrentText();

    const QString path = dir.filePath(QStringLiteral("two.clf"));
    AnswerSaveDialog(path);
    Key(Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(path); }, 3000));

    // The bank's icon now shows a bank with channels.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return Shows(Node([](const QTreeWidgetItem* n) { return BankOf(n) == 0; }), 5); },
        2000));

    indSheetSession saved;
    ASSERT_EQ(saved.Open(path.toStdString()), 0);
    const cmcEeprom& image = saved.Document().WorkingImage();
    EXPECT_EQ(image.GetByte(0x0400) & 0x7F, 0x03);
    EXPECT_EQ(image.GetByte(0x0401), 0x93);
    EXPECT_EQ(image.GetByte(0x0402), 0xC0);
    // The same two edits through the cell session the command line uses.
    indSheetSession expected;
    expected.Document().ChangeModelType(ModelPmr, false);
    ASSERT_TRUE(expected.Document().NewFile());
    ASSERT_TRUE(expected.ShowSheet(form->Main().Sheet()->Reference()));
    for (const auto& [index, text] : {std::pair{0, "146.52"}, {1, "146.54"}}) {
        expected.Sheet()->SetCurrent(*expected.Sheet()->FindCell(CL_Mch_FreqR, index));
        ASSERT_EQ(expected.Cells()->Commit(text).outcome, indCellOutcome::Done);
    }
    EXPECT_TRUE(image.IsEqual(expected.Document().WorkingImage()));
}

// Escape leaves the cell as it was; Down commits and moves on; a refused value
// changes nothing.
TEST_F(SheetGridTest, TheEditorCommitsOrDiscards) {
    OpenActive(ModelPmr);
    SelectBankInTree(0);
    form->SheetPane().setFocus();
    RightTo(CL_Mch_FreqR);
    const std::string empty = CurrentText();
    Type("146.5");
    Key(Qt::Key_Escape);
    EXPECT_FALSE(form->SheetPane().Editor().IsOpen());
    EXPECT_EQ(CurrentText(), empty);
    EXPECT_EQ(QApplication::focusWidget(), &form->SheetPane());

    Type("146.5212");
    Key(Qt::Key_Return);
    EXPECT_EQ(form->SheetPane().LastResult().outcome, indCellOutcome::Refused);
    EXPECT_EQ(CurrentText(), empty);

    Type("146.52");
    Key(Qt::Key_Down);
    EXPECT_EQ(form->SheetPane().LastResult().outcome, indCellOutcome::Done);
    EXPECT_EQ(CurrentCell().index, 1);
    EXPECT_EQ(form->SheetPane().Current(), *form->Main().Sheet()->FindCell(CL_Mch_FreqR, 1));
}

// Enter on a choice cell opens its list under the cell with the value marked;
// the cursor wraps; Escape cancels, Enter answers through the handler.
TEST_F(SheetGridTest, TheChoiceListAnswersOrCancels) {
    cuiSheetPane& pane = FirstChannelInUse();
    RightTo(CL_Mch_Nar);
    const std::string before = CurrentText();
    const cuiCellPos cell = pane.Current();
    Key(Qt::Key_Return);
    ASSERT_NE(pane.Choice(), nullptr);
    cuiFlector& list = *pane.Choice();
    EXPECT_TRUE(list.isVisible());
    EXPECT_GE(list.geometry().top(),
              pane.viewport()->mapToGlobal(pane.CellRect(cell.row, cell.col).bottomLeft()).y());
    const cuiCellPos marked = list.Current();
    EXPECT_EQ(list.Sheet().Cell(marked.row, marked.col).Text(), before);
    // Down as often as the column has entries comes back round to the marked one.
    int entries = 0;
    for (int r = 0; r < list.Sheet().Rows(); ++r) {
        entries += list.Sheet().Cell(r, marked.col).Selectable() ? 1 : 0;
    }
    for (int i = 0; i < entries; ++i) {
        Key(Qt::Key_Down);
    }
    EXPECT_EQ(list.Current(), marked);
    Key(Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pane.Choice() == nullptr; }, 1000));
    EXPECT_EQ(CurrentText(), before);

    Key(Qt::Key_Return);
    ASSERT_NE(pane.Choice(), nullptr);
    Key(Qt::Key_Down);
    const cuiCellPos chosen = pane.Choice()->Current();
    const std::string text = pane.Choice()->Sheet().Cell(chosen.row, chosen.col).Text();
    Key(Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pane.Choice() == nullptr; }, 1000));
    EXPECT_EQ(pane.LastResult().outcome, indCellOutcome::Done) << pane.LastResult().message;
    EXPECT_TRUE(pane.LastResult().changed);
    EXPECT_EQ(CurrentText(), text);
    EXPECT_NE(text, before);
}

// A killer address outside the individual range marks its sheet's node and,
// once that branch is closed, the branch's node.
TEST_F(SheetGridTest, AnErrorMarksTheNodeAndItsCollapsedParent) {
    OpenActive(ModelBiisPmr);
    const NodeTest ranges = [](const QTreeWidgetItem* n) {
        return n->data(0, ReferenceRole)
            .toString()
            .endsWith(QStringLiteral("GI_Sheet_Msk_AdrRange"));
    };
    SelectInTree(ranges);
    Key(Qt::Key_Tab);
    const auto group = form->Main().Sheet()->FindCell(CL_Msk_AdrRange_Group, 0);
    ASSERT_TRUE(group);
    const std::string start = form->Main().CellText(group->row, group->col);
    for (int i = 0; i < 10 && CurrentCell().item != CL_Msk_AdrRange_Killer; ++i) {
        Key(Qt::Key_Down);
    }
    ASSERT_EQ(CurrentCell().item, CL_Msk_AdrRange_Killer);
    EXPECT_FALSE(Shows(Node(ranges), WindowHooks::TreeErrorMark));
    Type(start.substr(0, start.find_first_not_of("0123456789")).c_str());  // the group start
    Key(Qt::Key_Return);
    ASSERT_EQ(form->SheetPane().LastResult().outcome, indCellOutcome::Done)
        << form->SheetPane().LastResult().message;
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return Shows(Node(ranges), WindowHooks::TreeErrorMark); }, 2000));
    // A screen reader hears of the mark too.
    const cuiCellPos killer = form->SheetPane().Current();
    QAccessibleInterface* cell = QAccessible::queryAccessibleInterface(&form->SheetPane())
                                     ->tableInterface()
                                     ->cellAt(killer.row, killer.col);
    EXPECT_EQ(cell->text(QAccessible::Description), QStringLiteral("error"));
    // Back in the tree: Left to the branch, Left closes it.
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), &form->TreePane());
    QTreeWidgetItem* parent = Node(ranges)->parent();
    ASSERT_NE(parent, nullptr);
    EXPECT_FALSE(
        Shows(parent, WindowHooks::TreeErrorMark));  // open: the mark is on the node itself
    Key(Qt::Key_Left);
    Key(Qt::Key_Left);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            QTreeWidgetItem* node = Node(ranges);
            return node != nullptr && node->parent() != nullptr && !node->parent()->isExpanded() &&
                   Shows(node->parent(), WindowHooks::TreeErrorMark);
        },
        2000));
}

// Enter on a bit-field cell opens its tick boxes; Escape leaves the cell as
// it was, a digit ticks that position and Enter commits it.
TEST_F(SheetGridTest, TheFlagBitPopupTicksPositions) {
    cuiSheetPane& pane = FirstChannelInUse();  // it shows its scan lists
    RightTo(CL_Mch_Scan);
    const std::string before = CurrentText();
    ASSERT_GE(before.size(), 10u);
    Key(Qt::Key_Return);
    ASSERT_NE(pane.FlagBits(), nullptr);
    EXPECT_EQ(pane.FlagBits()->First(), 1);
    ASSERT_NE(pane.FlagBits()->Box(10), nullptr);
    EXPECT_EQ(pane.FlagBits()->Box(11), nullptr);
    for (int p = 1; p <= 10; ++p) {  // each box shows what the cell shows
        EXPECT_EQ(pane.FlagBits()->Box(p)->isChecked(), before[static_cast<size_t>(p - 1)] != '_')
            << p;
    }
    Type("3");
    Key(Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pane.FlagBits() == nullptr; }, 1000));
    EXPECT_EQ(CurrentText(), before);

    Key(Qt::Key_Return);
    ASSERT_NE(pane.FlagBits(), nullptr);
    Type("3");
    Key(Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return pane.FlagBits() == nullptr; }, 1000));
    EXPECT_EQ(pane.LastResult().outcome, indCellOutcome::Done) << pane.LastResult().message;
    std::string expected = before;
    expected[2] = before[2] == '_' ? '3' : '_';
    EXPECT_EQ(CurrentText(), expected);
}

// Shift+Down selects channel rows; the cell menu's Copy puts them on the
// clipboard, its Delete, confirmed, removes them all and the bank sheet shrinks.
TEST_F(SheetGridTest, TheCellMenuDeletesTheSelectedRows) {
    OpenActive(ModelPmr);
    SelectBankInTree(0);
    cuiSheetPane& pane = form->SheetPane();
    pane.setFocus();
    RightTo(CL_Mch_FreqR);
    for (const char* frequency : {"146.52", "146.54", "146.56"}) {
        Type(frequency);
        Key(Qt::Key_Down);
    }
    const int rows = pane.RowCount();
    // The bank's title counts the channels left.
    const QLabel& title = pane.TitleBar();
    const QRegularExpression left(QStringLiteral("  \\(Left CH - (\\d+)\\)$"));
    const auto channelsLeft = [&] { return left.match(title.text()).captured(1).toInt(); };
    ASSERT_TRUE(title.isVisible());
    ASSERT_TRUE(left.match(title.text()).hasMatch()) << title.text().toStdString();
    const int leftBefore = channelsLeft();
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    Key(Qt::Key_Down, Qt::ShiftModifier);
    const cuiSheet& sheet = *form->Main().Sheet();
    const cuiCellPos last = pane.Current();
    ASSERT_EQ(CurrentCell().index, 2);
    for (int r : {last.row - 1, last.row}) {
        EXPECT_NE(sheet.CellState(r, last.col) & (kCellSelected | kCellLineMarked), 0) << r;
    }
    EXPECT_EQ(sheet.CellState(last.row - 2, last.col) & (kCellSelected | kCellLineMarked), 0);

    // Copy puts the two rows on the clipboard as tab-separated lines.
    QAction* copy = MenuEntry(CL_PMenu_Copy, last);
    ASSERT_NE(copy, nullptr);
    copy->trigger();
    EXPECT_EQ(pane.LastResult().outcome, indCellOutcome::Done) << pane.LastResult().message;
    const QStringList lines =
        QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("\t146.540000\t"))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].contains(QStringLiteral("\t146.560000\t"))) << lines[1].toStdString();
    EXPECT_GT(lines[0].count(QLatin1Char('\t')), 3);

    QAction* remove = MenuEntry(CL_PMenu_Delete, last);
    ASSERT_NE(remove, nullptr);
    box.Answer(cmcMbResult::Ok);
    remove->trigger();
    EXPECT_EQ(pane.LastResult().outcome, indCellOutcome::Done) << pane.LastResult().message;
    EXPECT_EQ(pane.RowCount(), rows - 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return channelsLeft() == leftBefore + 2; }, 1000))
        << title.text().toStdString();
    const auto first = sheet.FindCell(CL_Mch_FreqR, 0);
    EXPECT_NE(form->Main().CellText(first->row, first->col).find("146.52"), std::string::npos);
    EXPECT_EQ(form->Main().CellText(first->row + 1, first->col).find("146.5"), std::string::npos);
}

// A screen reader finds a table whose cells tell their text, headings and
// state, and hears of each cell the cursor moves to.
TEST_F(SheetGridTest, ScreenReadersReadCellsWithTheirHeadings) {
    cuiSheetPane& pane = FirstChannelInUse();
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(&pane);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->role(), QAccessible::Table);
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), pane.RowCount());
    EXPECT_EQ(table->columnCount(), pane.ColumnCount());
    const cuiCellPos at = pane.Current();
    QAccessibleInterface* cell = table->cellAt(at.row, at.col);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(grid->focusChild(), cell);
    EXPECT_TRUE(cell->text(QAccessible::Name).startsWith(QStringLiteral("146.52")));
    EXPECT_TRUE(cell->state().focused);
    EXPECT_TRUE(cell->state().selected);
    EXPECT_FALSE(cell->state().readOnly);
    const QList<QAccessibleInterface*> headings = cell->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(headings.size(), pane.FixedRows());
    ASSERT_FALSE(headings.isEmpty());
    EXPECT_EQ(headings.front()->role(), QAccessible::ColumnHeader);
    EXPECT_TRUE(headings.front()->state().readOnly);
    EXPECT_EQ(headings.front()->text(QAccessible::Name), pane.CellAnswer(0, at.col).text);
    EXPECT_FALSE(headings.front()->text(QAccessible::Name).isEmpty());
    EXPECT_EQ(table->columnDescription(at.col), headings.front()->text(QAccessible::Name));
    EXPECT_EQ(cell->tableCellInterface()->rowHeaderCells().size(), pane.FixedColumns());

    // The focus child follows the cursor. (The focus events it sends need an
    // active platform accessibility bridge, which the offscreen platform lacks.)
    Key(Qt::Key_Down);
    ASSERT_NE(pane.Current(), at);
    QAccessibleInterface* next = grid->focusChild();
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->tableCellInterface()->rowIndex(), pane.Current().row);
    EXPECT_EQ(next->tableCellInterface()->columnIndex(), pane.Current().col);
    EXPECT_TRUE(next->state().focused);
    EXPECT_FALSE(cell->state().focused);
}

// Cursor keys stay on selectable cells and the Edit menu's cell follows.
TEST_F(SheetGridTest, CursorKeysMoveOverSelectableCells) {
    OpenActive(ModelPmr);
    SelectBankInTree(0);
    cuiSheetPane& pane = form->SheetPane();
    pane.setFocus();
    const cuiCellPos start = pane.Current();
    Key(Qt::Key_Up);  // nothing selectable above the first channel row
    EXPECT_EQ(pane.Current(), start);
    Key(Qt::Key_Right);
    EXPECT_GT(pane.Current().col, start.col);
    EXPECT_TRUE(CurrentCell().Selectable());
    EXPECT_EQ(form->Main().Sheet()->Current(), pane.Current());
    const cuiCellPos right = pane.Current();
    Key(Qt::Key_Left);
    EXPECT_EQ(pane.Current(), start);
    // A click on a cell moves the cursor there.
    QTest::mouseClick(pane.viewport(), Qt::LeftButton, {},
                      pane.CellRect(right.row, right.col).center());
    EXPECT_EQ(pane.Current(), right);
    // Held beyond the bottom edge, a drag steps down on a timer, extending the selection.
    const QPoint from = pane.CellRect(right.row, right.col).center();
    QTest::mousePress(pane.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(pane.viewport(), QPoint(from.x(), pane.viewport()->height() + 20));
    EXPECT_TRUE(QTest::qWaitFor([&] { return pane.Current().row > right.row; }, 1000));
    QTest::mouseRelease(pane.viewport(), Qt::LeftButton, {},
                        QPoint(from.x(), pane.viewport()->height() + 20));
    const cuiCellPos dragged = pane.Current();
    QTest::qWait(150);
    EXPECT_EQ(pane.Current(), dragged);  // released: no more steps
    ASSERT_TRUE(form->Main().Sheet()->MultiSelect());
    EXPECT_TRUE(pane.CellSelected(right.row, right.col));
    EXPECT_TRUE(pane.CellSelected(dragged.row, dragged.col));
    QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, from);
    // A new font size reopens the sheet at the same cell, its cells grown with the font.
    const int width = pane.CellRect(right.row, right.col).width();
    Action(CL_Menu_View_FontSize, 200)->trigger();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return form->Main().Sheet() != nullptr && pane.RowCount() > 0 &&
                   pane.CellRect(right.row, right.col).width() > width;
        },
        1000));
    EXPECT_EQ(pane.Current(), right);
    // Another sheet and back: the cursor is where it was.
    const std::string bank = form->Main().Sheet()->Reference();
    SelectBankInTree(1);
    EXPECT_NE(form->Main().Sheet()->Reference(), bank);
    SelectBankInTree(0);
    EXPECT_EQ(pane.Current(), right);
}

// Ctrl+V with a spreadsheet's text types every field or, when a cell refuses,
// nothing at all with one message; rows this program copied stay a row paste.
TEST_F(SheetGridTest, CtrlVPastesSpreadsheetTextOrNothing) {
    OpenActive(ModelPmr);
    SelectBankInTree(0);
    cuiSheetPane& pane = form->SheetPane();
    pane.setFocus();
    RightTo(CL_Mch_FreqR);
    const cuiCellPos start = pane.Current();
    const int rows = pane.RowCount();
    QClipboard& clipboard = *QGuiApplication::clipboard();
    clipboard.setText(QStringLiteral("146.52\n146.54\n146.56\n146.58\n146.6\n146.62\n"));
    ASSERT_TRUE(pane.ClipboardHoldsForeignText());
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(pane.RowCount(), rows + 2);  // two new channels in the entry row
    EXPECT_EQ(pane.Current(), start);
    EXPECT_NE(form->Main().CellText(start.row + 5, start.col).find("146.62"), std::string::npos);
    EXPECT_TRUE(box.Boxes().empty());

    cmcEeprom before;
    before.Assign(form->Main().Document().WorkingImage());
    clipboard.setText(QStringLiteral("147\nabc\n"));
    Key(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(box.Boxes().size(), 1u);
    EXPECT_NE(box.Boxes()[0].text.find("abc"), std::string::npos) << box.Boxes()[0].text;
    EXPECT_TRUE(before.IsEqual(form->Main().Document().WorkingImage()));
    EXPECT_EQ(pane.RowCount(), rows + 2);

    // Edit > Paste is offered for such text and pastes it the same way.
    clipboard.setText(QStringLiteral("146.7\n"));
    QAction* paste = nullptr;
    for (QMenu* menu : form->menuBar()->findChildren<QMenu*>()) {
        for (QAction* a : menu->actions()) {
            paste = menu->title() == QLatin1String("&Edit") && a->text() == QLatin1String("Paste")
                        ? a
                        : paste;
        }
    }
    ASSERT_NE(paste, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return paste->isEnabled(); }, 1000));
    paste->trigger();
    EXPECT_NE(form->Main().CellText(start.row, start.col).find("146.7"), std::string::npos);

    // Ctrl+C marks the rows as this program's: Paste is then the row command.
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(pane.LastResult().outcome, indCellOutcome::Done) << pane.LastResult().message;
    EXPECT_FALSE(pane.ClipboardHoldsForeignText());
    EXPECT_FALSE(clipboard.text().isEmpty());

    // The open cell menu's owner answers which cell it was opened on.
    ASSERT_NE(MenuEntry(CL_PMenu_Paste, start), nullptr);
    const cmcEvAns* answer = EvMan().Query(EventIds::PopupCellQuery, pane.CellMenu(), 0);
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer->value1, start.row);
    EXPECT_EQ(answer->value2, start.col);
    pane.CellMenu()->close();
}

// Back on a sheet, the grid is scrolled as it was and the cursor is where it was.
TEST_F(SheetGridTest, HistoryRestoresScrollAndCursor) {
    OpenActive(ModelPmr);
    SelectBankInTree(0);
    cuiSheetPane& pane = form->SheetPane();
    pane.setFocus();
    RightTo(CL_Mch_FreqR);
    QString lines;
    for (int i = 0; i < 60; ++i) {
        lines += QStringLiteral("146.%1\n").arg(100 + i * 5);
    }
    QGuiApplication::clipboard()->setText(lines);
    ASSERT_TRUE(pane.Paste());
    for (int i = 0; i < 4; ++i) {
        Key(Qt::Key_PageDown);
    }
    const int scrolled = pane.verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    const cuiCellPos up = pane.Current();
    const int scrolledUp = pane.verticalScrollBar()->value();
    EXPECT_LE(scrolledUp, scrolled);
    SelectBankInTree(1);
    EXPECT_EQ(pane.verticalScrollBar()->value(), 0);
    SelectBankInTree(0);
    EXPECT_EQ(pane.Current(), up);
    // The same top row, aligned to its top edge.
    const int rowHeight =
        pane.CellRect(up.row + 1, up.col).top() - pane.CellRect(up.row, up.col).top();
    EXPECT_LE(pane.verticalScrollBar()->value(), scrolledUp);
    EXPECT_GT(pane.verticalScrollBar()->value(), scrolledUp - rowHeight);
}

// The memory-channel node opens the bank overview; a double click on a bank
// row opens that bank, and the tree follows.
TEST_F(SheetGridTest, TheBankOverviewOpensABank) {
    OpenActive(ModelPmr);
    SelectInTree([](const QTreeWidgetItem* item) {
        return item->data(0, ReferenceRole).toString() == QLatin1String(cuiTree::MemoryChannelTop);
    });
    cuiSheetPane& pane = form->SheetPane();
    ASSERT_EQ(pane.RowCount(), 17);
    const int row = pane.FixedRows() + 2;
    EXPECT_EQ(pane.CellAnswer(row, 0).text, QStringLiteral("Bank 3"));
    QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, pane.CellRect(row, 1).center());
    QTest::mouseDClick(pane.viewport(), Qt::LeftButton, {}, pane.CellRect(row, 1).center());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return form->Main().Sheet() != nullptr &&
                   cuiTree::BankOfReference(form->Main().Sheet()->Reference()) == 2;
        },
        2000));
    ASSERT_NE(form->TreePane().currentItem(), nullptr);
    EXPECT_EQ(BankOf(form->TreePane().currentItem()), 2);
}

// The flag-bit pop-up labels its positions by the request's label mode.
TEST(FlagBitPopup, LabelsFollowTheLabelMode) {
    const struct {
        int mode, first, last, position;
        const char* label;
    } cases[] = {
        {0, 1, 12, 10, "10"}, {1, 1, 12, 11, "B"}, {2, 1, 10, 10, "0"},
        {2, 1, 10, 3, "3"},   {3, 1, 8, 1, "B7"},  {3, 1, 8, 8, "B0"},
    };
    for (const auto& c : cases) {
        indPopupRequest request;
        request.kind = indPopupRequest::Kind::FlagBits;
        request.first = c.first;
        request.last = c.last;
        request.mode = c.mode;
        cuiFBitsR popup(nullptr, request, [](std::optional<int32_t>) {});
        ASSERT_NE(popup.Box(c.position), nullptr);
        EXPECT_EQ(popup.Box(c.position)->text().toStdString(), c.label)
            << "mode " << c.mode << " position " << c.position;
    }
}

// At every font size each cell's text keeps clear of its column's edges by
// a margin that grows with the font.
TEST_F(SheetGridTest, ColumnsLeaveRoomAroundTheWidestText) {
    OpenActive(ModelLmr);
    // A radio that answered, so that the clone information shows its values
    // ("Without keypad" is the widest); each font size reopens the sheet.
    form->Main().Document().SetRadioIdentity(RadioIdentity{});
    cuiSheetPane& pane = form->SheetPane();
    ASSERT_TRUE(QTest::qWaitFor([&] { return pane.RowCount() > 0; }, 2000));
    for (int percent : {100, 200}) {
        Action(CL_Menu_View_FontSize, percent)->trigger();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return form->Main().Sheet() != nullptr && pane.RowCount() > 0; }, 2000));
        int checked = 0;
        for (int r = 0; r < pane.RowCount(); ++r) {
            for (int c = 0; c < pane.ColumnCount(); ++c) {
                const QString text = pane.CellAnswer(r, c).text;
                if (text.isEmpty() || text.contains(QLatin1Char('\n'))) {
                    continue;
                }
                const QFontMetrics metrics(pane.CellFont(r, c));
                EXPECT_GE(pane.CellRect(r, c).width(),
                          metrics.horizontalAdvance(text) + 2 * (metrics.height() / 4))
                    << text.toStdString() << " at " << percent << " %";
                ++checked;
            }
        }
        EXPECT_GT(checked, 8);
    }
}

// Fixed overlay text colours stay readable on a dark theme's backgrounds and
// are kept where they already are.
TEST(CellPainter, TextStaysReadableOnItsBackground) {
    const struct {
        QColor text, background;
        bool kept;
    } cases[] = {
        {QColor(0, 0, 128), QColor(58, 58, 62), false},       // navy on dark button face
        {QColor(0, 0, 128), QColor(240, 240, 240), true},     // navy on light
        {QColor(230, 230, 230), QColor(30, 30, 32), true},    // light on dark
        {QColor(255, 255, 0), QColor(255, 255, 255), false},  // yellow on white
        {QColor(30, 30, 32), QColor(30, 30, 32), true},       // hidden on purpose
    };
    for (const auto& c : cases) {
        const QColor drawn = ReadableOn(c.text, c.background);
        EXPECT_EQ(drawn == c.text, c.kept) << c.text.name().toStdString();
        if (c.text == c.background) {
            continue;
        }
        const auto luma = [](const QColor& q) {
            return 0.299 * q.red() + 0.587 * q.green() + 0.114 * q.blue();
        };
        EXPECT_GE(std::abs(luma(drawn) - luma(c.background)), 90)
            << c.text.name().toStdString() << " on " << c.background.name().toStdString();
    }
}

}  // namespace
