#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "UiTestSupport.h"
#include "cmcGTex.h"
#include "uiAboutBox.h"
#include "uiHiddenKeys.h"

class uiAboutBoxTest : public QObject {
    Q_OBJECT
  private slots:
    void TypedSequences_data();
    void TypedSequences();
    void DisablesTheMainWindowUntilClosed();
};

void uiAboutBoxTest::TypedSequences_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("onButton");  // typed while the button has the keys
    QTest::addColumn<int>("makerCalls");
    QTest::addColumn<int>("notices");
    const QString notice = QString::fromStdString(uiHiddenKeys::NoticeSequence(GTex()));
    QTest::newRow("access word") << "kestrel" << false << 1 << 0;
    QTest::newRow("access word on the button") << "kestrel" << true << 1 << 0;
    QTest::newRow("mixed case") << "KeStReL" << true << 1 << 0;
    QTest::newRow("inside other text") << "xxkestrelyy" << false << 1 << 0;
    QTest::newRow("twice") << "kestrelkestrel" << false << 2 << 0;
    QTest::newRow("one letter short") << "kestre" << false << 0 << 0;
    QTest::newRow("a letter between") << "kestrxel" << true << 0 << 0;
    QTest::newRow("other text") << "hello orvane" << false << 0 << 0;
    QTest::newRow("maker's notice") << notice << true << 0 << 1;
    QTest::newRow("notice after other keys") << "abc" + notice.toUpper() << false << 0 << 1;
    QTest::newRow("notice cut short") << notice.chopped(1) << false << 0 << 0;
}

// Real key events into the box (or its button); the box passes every typed
// character to KeyTyped once, here the program's hidden-key handling.
void uiAboutBoxTest::TypedSequences() {
    QFETCH(QString, typed);
    QFETCH(bool, onButton);
    QFETCH(int, makerCalls);
    QFETCH(int, notices);
    ScopedBoxes scripted;
    int maker = 0;
    uiHiddenKeys keys(GTex(), [&] { ++maker; });
    QWidget main;
    auto* box = ShowAboutBox(&main, GTex(), [&](char ch) { keys.KeyTyped(ch); });
    QVERIFY(QTest::qWaitForWindowExposed(box));
    QWidget* target = onButton ? static_cast<QWidget*>(box->CloseButton()) : box;
    QTest::keyClicks(target, typed);
    QCOMPARE(maker, makerCalls);
    const auto& boxes = scripted.boxes.Boxes();
    QCOMPARE(static_cast<int>(boxes.size()), notices);
    if (notices > 0) {
        QCOMPARE(boxes[0].text, GTex().GetLines("GI_App_About_Notice"));
        QCOMPARE(boxes[0].caption, ProgramFileName());
        QVERIFY(boxes[0].buttons == cmcMbButtons::Ok);
    }
    QVERIFY(box->isVisible());  // typing never closes the box
    delete box;
}

void uiAboutBoxTest::DisablesTheMainWindowUntilClosed() {
    QWidget main;
    main.show();
    QPointer<uiAboutBox> box = ShowAboutBox(&main, GTex(), nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(box));
    QVERIFY(!main.isEnabled());
    QVERIFY(box->isEnabled());
    QVERIFY(box->CloseButton()->isEnabled());
    QVERIFY(box->CloseButton()->isDefault());
    QCOMPARE(box->windowTitle().toStdString(), GTex().GetText("GI_App_About_Caption", 0));
    QTest::mouseClick(box->CloseButton(), Qt::LeftButton);
    QTRY_VERIFY(box.isNull());  // closed and deleted
    QVERIFY(main.isEnabled());
}

QTEST_MAIN(uiAboutBoxTest)
#include "uiAboutBoxTest.moc"
