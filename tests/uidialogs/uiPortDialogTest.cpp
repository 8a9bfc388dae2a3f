#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "UiTestSupport.h"
#include "cmcGTex.h"
#include "uiPortDialog.h"

class uiPortDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void ParsesTrimmedLeadingDigits_data();
    void ParsesTrimmedLeadingDigits();
    void TypedNumbersOutsideOneTo256AreRefused_data();
    void TypedNumbersOutsideOneTo256AreRefused();
    void CancelKeepsThePort();
    void ControlsLieInsideTheDialogInTheirOrder();
};

void uiPortDialogTest::ParsesTrimmedLeadingDigits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number");
    const std::pair<const char*, int> rows[] = {
        {"12", 12}, {" 12 ", 12}, {"\t7", 7},
        {"", 0},    {"abc", 0},   {"12ab", 12},
        {"-5", 0},  {"0", 0},     {"99999999999", 1000000},
    };
    for (const auto& [text, number] : rows) {
        QTest::addRow("'%s'", text) << QString::fromLatin1(text) << number;
    }
}

void uiPortDialogTest::ParsesTrimmedLeadingDigits() {
    QFETCH(QString, text);
    QFETCH(int, number);
    QCOMPARE(ParsePortNumber(text.toStdString()), number);
}

void uiPortDialogTest::TypedNumbersOutsideOneTo256AreRefused_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("port");
    QTest::newRow("0") << "0" << false << 3;
    QTest::newRow("257") << "257" << false << 3;
    QTest::newRow("abc") << "abc" << false << 3;
    QTest::newRow("blank") << "" << false << 3;
    QTest::newRow(" 12 ") << " 12 " << true << 12;
    QTest::newRow("256") << "256" << true << 256;
    QTest::newRow("1") << "1" << true << 1;
}

// Real keys into the edit box, then Enter (the default button).
void uiPortDialogTest::TypedNumbersOutsideOneTo256AreRefused() {
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(int, port);
    ScopedBoxes scripted;
    uiPortDialog dialog(GTex(), 3, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.Edit()->text(), QStringLiteral("3"));
    dialog.Edit()->selectAll();
    QTest::keyClick(dialog.Edit(), Qt::Key_Delete);
    QTest::keyClicks(dialog.Edit(), typed);
    QCOMPARE(dialog.Edit()->text(), typed);
    QTest::keyClick(dialog.Edit(), Qt::Key_Return);

    QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
    QCOMPARE(dialog.isVisible(), !accepted);
    QCOMPARE(dialog.Port(), port);
    const auto& boxes = scripted.boxes.Boxes();
    QCOMPARE(boxes.size(), accepted ? size_t{0} : size_t{1});
    if (!accepted) {
        QCOMPARE(boxes[0].text, GTex().GetLines("GI_AppInd_Opt_ComSel_OutofRange"));
        QCOMPARE(boxes[0].caption, GTex().GetText("GI_Sys_AppTitle", 0));
        QVERIFY(boxes[0].icon == cmcMbIcon::Stop);
        QVERIFY(dialog.Edit()->hasFocus() || dialog.focusWidget() == dialog.Edit());
    }
}

void uiPortDialogTest::CancelKeepsThePort() {
    ScopedBoxes scripted;
    uiPortDialog dialog(GTex(), 4, nullptr);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClicks(dialog.Edit(), "9");
    QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int{QDialog::Rejected});
    QCOMPARE(dialog.Port(), 4);
    QVERIFY(scripted.boxes.Boxes().empty());
}

// The measured layout: label, then the edit box below it, then OK left of
// Cancel on one line whose right end meets the label's; nothing clipped.
void uiPortDialogTest::ControlsLieInsideTheDialogInTheirOrder() {
    uiPortDialog dialog(GTex(), 1, nullptr);
    const QRect client = dialog.rect();
    const QLabel* label = dialog.findChild<QLabel*>();
    QVERIFY(label != nullptr);
    for (const QWidget* w : std::initializer_list<const QWidget*>{
             label, dialog.Edit(), dialog.OkButton(), dialog.CancelButton()}) {
        QVERIFY2(client.contains(w->geometry()), qPrintable(w->metaObject()->className()));
        QVERIFY(w->width() >= w->minimumSizeHint().width());
    }
    QVERIFY(dialog.Edit()->y() > label->geometry().bottom());
    QVERIFY(dialog.OkButton()->y() > dialog.Edit()->geometry().bottom());
    QCOMPARE(dialog.OkButton()->y(), dialog.CancelButton()->y());
    QVERIFY(dialog.OkButton()->geometry().right() < dialog.CancelButton()->x());
    QCOMPARE(dialog.CancelButton()->geometry().right(), label->geometry().right());
    QVERIFY(dialog.Edit()->height() >= dialog.Edit()->sizeHint().height());
    QCOMPARE(dialog.Edit()->maxLength(), 4);
}

QTEST_MAIN(uiPortDialogTest)
#include "uiPortDialogTest.moc"
