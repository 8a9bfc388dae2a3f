// Edit > Undo and Redo in the window, driven by real key events: five cells
// typed and five Ctrl+Z give back the image that was opened, unmodified.

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "CellNames.h"
#include "WindowTest.h"
#include "cuiCellEditor.h"
#include "cuiSheetPane.h"
#include "cuiTree.h"
#include "indDocument.h"

namespace {

void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
}

void Type(const char* text) {
    for (const char* c = text; *c != '\0'; ++c) {
        QTest::keyClick(QApplication::focusWidget(), *c);
    }
}

class UndoWindowTest : public WindowTest {
  protected:
    // The first bank's sheet open, the grid focused on channel 1's receive frequency.
    void OpenFirstBank() {
        for (QTreeWidgetItemIterator it(&form->TreePane()); *it != nullptr; ++it) {
            const std::string ref = (*it)->data(0, Qt::UserRole).toString().toStdString();
            if (cuiTree::BankOfReference(ref) == 0) {
                form->Main().SelectSheet(ref);
                break;
            }
        }
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return form->Main().Sheet() != nullptr && form->SheetPane().RowCount() > 0; },
            2000));
        form->SheetPane().setFocus();
        const auto at = form->Main().Sheet()->FindCell(CL_Mch_FreqR, 0);
        ASSERT_TRUE(at);
        for (int i = 0; i < 30 && form->SheetPane().Current().col != at->col; ++i) {
            Key(form->SheetPane().Current().col < at->col ? Qt::Key_Right : Qt::Key_Left);
        }
    }
    std::vector<uint8_t> Image() {
        const cmcEeprom& w = form->Main().Document().WorkingImage();
        return {w.Data(), w.Data() + w.Size()};
    }
    QString Shown(int index) {
        const auto at = form->Main().Sheet()->FindCell(CL_Mch_FreqR, index);
        return at ? QString::fromStdString(form->Main().CellText(at->row, at->col)) : QString();
    }
};

TEST_F(UndoWindowTest, FiveCellsTypedAndFiveUndosGiveTheOpenedImageUnmodified) {
    store.SetModelType(ModelPmr);
    Open();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTemporaryDir dir;
    const std::string path = dir.filePath(QStringLiteral("opened.clf")).toStdString();
    indDocument& doc = form->Main().Document();
    ASSERT_TRUE(doc.SaveToFile(path));
    ASSERT_EQ(doc.OpenFile(path), 0);
    const std::vector<uint8_t> opened = Image();
    const QString cleanTitle = form->windowTitle();
    OpenFirstBank();
    QAction* undo = Action(CL_Menu_Edit_Undo);
    QAction* redo = Action(CL_Menu_Edit_Redo);
    ASSERT_NE(undo, nullptr);
    EXPECT_FALSE(undo->isEnabled());

    const char* const typed[] = {"146.52", "146.54", "146.56", "146.58", "146.6"};
    for (const char* freq : typed) {
        Type(freq);
        Key(Qt::Key_Return);
        ASSERT_EQ(form->SheetPane().LastResult().outcome, indCellOutcome::Done) << freq;
        Key(Qt::Key_Down);
    }
    QTest::qWait(30);  // the menu states follow
    const std::vector<uint8_t> edited = Image();
    EXPECT_NE(edited, opened);
    EXPECT_TRUE(form->windowTitle().contains(QLatin1Char('*')));
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo RX freq [MHz] 1-5"));

    for (int i = 0; i < 5; ++i) {
        Key(Qt::Key_Z, Qt::ControlModifier);
        QTest::qWait(30);
    }
    EXPECT_EQ(Image(), opened);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(form->windowTitle(), cleanTitle);
    EXPECT_FALSE(undo->isEnabled());
    // The sheet shows the cell of the last step taken back, with its old text.
    ASSERT_NE(form->Main().Sheet(), nullptr);
    const auto first = form->Main().Sheet()->FindCell(CL_Mch_FreqR, 0);
    ASSERT_TRUE(first);
    EXPECT_EQ(form->SheetPane().Current(), *first);
    EXPECT_FALSE(Shown(0).contains(QStringLiteral("146.52")));

    // Ctrl+Y and Ctrl+Shift+Z both redo.
    Key(Qt::Key_Y, Qt::ControlModifier);
    QTest::qWait(30);
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::qWait(30);
    EXPECT_TRUE(Shown(1).contains(QStringLiteral("146.54"))) << Shown(1).toStdString();
    EXPECT_EQ(redo->text(), QStringLiteral("&Redo RX freq [MHz] 1-3"));
    EXPECT_TRUE(form->windowTitle().contains(QLatin1Char('*')));
}

}  // namespace
