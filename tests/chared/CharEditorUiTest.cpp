// The character editors in the main window, driven by real mouse and key
// events: a user character drawn in the dot editor is saved into the clone
// file and shows in the preview of a channel name typed in the text editor
// pop-up; Cancel and the clear question leave the character as it was.

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "CellNames.h"
#include "RadioFont.h"
#include "WindowTest.h"
#include "cuiCEdit.h"
#include "cuiCharTable.h"
#include "cuiFTextLayout.h"
#include "cuiSheetPane.h"
#include "cuiTextEditor.h"
#include "cuiTree.h"
#include "indDocument.h"
#include "indSheetSession.h"

namespace {

constexpr int UserChar = 3;  // code 16 + 3 = 0x13

class CharEditorTest : public WindowTest {
  protected:
    void OpenSheet(const std::string& reference) {
        store.SetModelType(ModelPmr);
        if (!form) {
            Open();
            QApplication::setActiveWindow(form.get());
        }
        form->Main().SelectSheet(reference);
        WaitForSheet(reference);
        form->SheetPane().setFocus();
    }
    std::string BankReference() {
        if (!form) {
            OpenSheet("GI_Sheet_UserChar");
        }
        for (QTreeWidgetItemIterator it(&form->TreePane()); *it != nullptr; ++it) {
            const std::string ref = (*it)->data(0, Qt::UserRole).toString().toStdString();
            if (cuiTree::BankOfReference(ref) == 0) {
                return ref;
            }
        }
        return {};
    }
    cuiCellPos Goto(int item, int index) {
        const std::optional<cuiCellPos> at = form->Main().Sheet()->FindCell(item, index);
        EXPECT_TRUE(at.has_value());
        EXPECT_TRUE(form->SheetPane().SetCurrentCell(at->row, at->col));
        return *at;
    }
    // Names can be given to channels that have a frequency.
    cuiCellPos NameCell(int channel) {
        Goto(CL_Mch_FreqR, channel);
        QTest::keyClick(&form->SheetPane(), '1');  // opens the in-place editor
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("46.52"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(form->SheetPane().LastResult().outcome, indCellOutcome::Done);
        return Goto(CL_Mch_Text, channel);
    }
    // Opens the dot editor on the user character with Enter.
    cuiCEdit& OpenDotEditor() {
        OpenSheet("GI_Sheet_UserChar");
        Goto(CL_CEdit, UserChar);
        QTest::keyClick(&form->SheetPane(), Qt::Key_Return);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return form->SheetPane().CharEditor() != nullptr; }, 1000));
        return *form->SheetPane().CharEditor();
    }
    // Drags with the left button from one dot to another.
    static void Drag(cuiCEdit& editor, QPoint from, QPoint to) {
        const int half = editor.DotSize() / 2;
        const QPoint a = editor.DotCorner(from.x(), from.y()) + QPoint(half, half);
        const QPoint b = editor.DotCorner(to.x(), to.y()) + QPoint(half, half);
        QTest::mousePress(&editor.Grid(), Qt::LeftButton, {}, a);
        QTest::mouseMove(&editor.Grid(), b);
        QTest::mouseRelease(&editor.Grid(), Qt::LeftButton, {}, b);
    }
    RadioFont::Glyph Glyph() {
        RadioFont::Glyph g{};
        form->Main().Document().WorkingImage().ReadBlock(
            RadioFont::UserAddress + RadioFont::GlyphBytes * UserChar, g.data(),
            RadioFont::GlyphBytes);
        return g;
    }
    QTemporaryDir dir;
};

TEST_F(CharEditorTest, ADrawnCharacterIsSavedAndShownInAChannelName) {
    cuiCEdit& editor = OpenDotEditor();
    EXPECT_EQ(QApplication::activeModalWidget(), &editor);  // the main window takes no input
    editor.ToolButton(static_cast<int>(cuiCEditDots::Tool::Rectangle))->trigger();
    Drag(editor, {1, 2}, {5, 10});
    QTest::mouseClick(&editor.OkButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->SheetPane().CharEditor() == nullptr; }, 1000));
    RadioFont::Glyph drawn{};
    for (int row = 2; row <= 10; ++row) {
        drawn[static_cast<size_t>(row) + 1] = 0x7C;  // columns 1..5
    }
    EXPECT_EQ(Glyph(), drawn);

    // A channel name using the character: '%' opens the text editor, a click
    // in its table picks code 0x13, Enter accepts.
    OpenSheet(BankReference());
    const cuiCellPos name = NameCell(0);
    QTest::keyClick(&form->SheetPane(), '%');
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->SheetPane().TextEditor() != nullptr; }, 1000));
    cuiTextEditor& text = *form->SheetPane().TextEditor();
    EXPECT_EQ(text.Memo().text(), QStringLiteral("%"));
    text.Memo().clear();
    const QRect cell = text.Table().CellRect(0, UserChar);  // the table starts at code 16
    QTest::mouseClick(&text.Table(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(text.Memo().text(), QStringLiteral("%13"));
    EXPECT_EQ(text.PreviewBytes(), "\x13");
    QTest::keyClick(&text.Memo(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->SheetPane().TextEditor() == nullptr; }, 1000));
    EXPECT_EQ(form->Main().CellText(name.row, name.col), "%13");

    // The cell's preview draws the character's dots: a set dot differs from a clear one.
    cuiSheetPane& pane = form->SheetPane();
    pane.SetCurrentCell(name.row + 1, name.col);
    const QImage shot = pane.viewport()->grab().toImage();
    const QRect nameBox = pane.CellRect(name.row, name.col);
    const cuiFTextLayout l = cuiFTextLayout::For(nameBox.height(), 1);
    const auto pixel = [&](int column, int row) {
        return shot.pixel(
            nameBox.left() + l.X(0, 12) + (l.Column(column).from + l.Column(column).to) / 2,
            nameBox.top() + l.lineTop[0] + (l.Row(row).from + l.Row(row).to) / 2);
    };
    EXPECT_NE(pixel(3, 6), pixel(0, 0));
    EXPECT_EQ(pixel(1, 2), pixel(5, 10));
    EXPECT_EQ(pixel(0, 0), pixel(7, 19));

    // The clone file holds the character at 0x1800 + 22 n.
    const QString path = dir.filePath(QStringLiteral("chars.clf"));
    AnswerSaveDialog(path);
    QTest::keyClick(form.get(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(path); }, 3000));
    indSheetSession saved;
    ASSERT_EQ(saved.Open(path.toStdString()), 0);
    RadioFont::Glyph stored{};
    saved.Document().WorkingImage().ReadBlock(0x1800 + 22 * UserChar, stored.data(), 22);
    EXPECT_EQ(stored, drawn);
}

TEST_F(CharEditorTest, CancelAndARefusedClearLeaveTheCharacter) {
    cuiCEdit& first = OpenDotEditor();
    const RadioFont::Glyph before = Glyph();
    Drag(first, {0, 0}, {0, 0});  // the pen sets one dot
    EXPECT_EQ(first.Dots().DotText()[0], '1');
    QTest::mouseClick(&first.CancelButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->SheetPane().CharEditor() == nullptr; }, 1000));
    EXPECT_EQ(Glyph(), before);

    // Clear asks first; Cancel to the question keeps the dots, OK clears them.
    QTest::keyClick(&form->SheetPane(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->SheetPane().CharEditor() != nullptr; }, 1000));
    cuiCEdit& second = *form->SheetPane().CharEditor();
    Drag(second, {2, 2}, {2, 2});
    box.Answer(cmcMbResult::Cancel);
    second.ToolButton(0)->trigger();
    ASSERT_EQ(box.Boxes().size(), 1u);
    EXPECT_EQ(box.Boxes()[0].icon, cmcMbIcon::Warning);
    EXPECT_EQ(second.Dots().DotText()[2 * 8 + 2], '1');
    box.Answer(cmcMbResult::Ok);
    second.ToolButton(0)->trigger();
    EXPECT_EQ(second.Dots().DotText(), std::string(160, '0'));
    QTest::keyClick(&second, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->SheetPane().CharEditor() == nullptr; }, 1000));
    EXPECT_EQ(Glyph(), before);
}

TEST_F(CharEditorTest, TheTextEditorCancelsOrTakesTheDisplayForm) {
    OpenSheet(BankReference());
    const cuiCellPos name = NameCell(1);
    const std::string empty = form->Main().CellText(name.row, name.col);
    struct Case {
        const char* typed;
        bool accept;
        std::string shown;
    };
    const Case cases[] = {
        {"AB%1A", false, empty},             // Escape writes nothing
        {"AB%1A", true, "AB%1A"},            // %1A is the byte 0x1A
        {"A\u20ACB\u00E9", true, "A B%E9"},  // outside Latin-1 a space; Latin-1 as it is
        {"%0A5%%", true, "%%0A5%%"},         // %0A stays three characters: "%" shows doubled
    };
    for (const Case& c : cases) {
        QTest::keyClick(&form->SheetPane(), Qt::Key_Return);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return form->SheetPane().TextEditor() != nullptr; }, 1000));
        cuiTextEditor& text = *form->SheetPane().TextEditor();
        text.Memo().clear();
        text.Memo().insert(QString::fromUtf8(c.typed));  // as an input method delivers it
        QTest::keyClick(&text.Memo(), c.accept ? Qt::Key_Return : Qt::Key_Escape);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return form->SheetPane().TextEditor() == nullptr; }, 1000));
        EXPECT_EQ(form->Main().CellText(name.row, name.col), c.shown) << c.typed;
    }

    // Keys in the character table: Right and Space pick code 17 at the caret,
    // a printable key types itself and hands the focus back to the memo.
    QTest::keyClick(&form->SheetPane(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->SheetPane().TextEditor() != nullptr; }, 1000));
    cuiTextEditor& text = *form->SheetPane().TextEditor();
    text.Memo().setText(QStringLiteral("AB"));
    text.Memo().setCursorPosition(1);
    text.Table().setFocus();
    QTest::keyClick(&text.Table(), Qt::Key_Right);
    QTest::keyClick(&text.Table(), Qt::Key_Space);
    EXPECT_EQ(text.Memo().text(), QStringLiteral("A%11B"));
    QTest::keyClick(&text.Table(), '%');
    EXPECT_EQ(text.Memo().text(), QStringLiteral("A%11%%B"));
    EXPECT_TRUE(text.Memo().hasFocus());
    QTest::keyClick(&text.Memo(), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->SheetPane().TextEditor() == nullptr; }, 1000));
    EXPECT_EQ(form->Main().CellText(name.row, name.col), "%%0A5%%");
}

}  // namespace
