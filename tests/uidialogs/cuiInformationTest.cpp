#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <cstring>

#include "UiTestSupport.h"
#include "cmcGTex.h"
#include "cuiInformation.h"
#include "indDocument.h"
#include "indDocumentContext.h"
#include "uiSheetView.h"

namespace {

class NoCommands : public indCommands {};

RadioIdentity SomeRadio() {
    RadioIdentity radio;
    radio.modelHigh = 0x23;
    radio.modelLow = 0x36;
    radio.mapRevision = 3;
    std::memcpy(radio.cloneInfo.data(), "FLEET 7 DEPOT   NORTH GATE UNIT ", 32);
    radio.cloneInfo[33] = 0x12;
    radio.cloneInfo[34] = 0x06;  // two option units
    return radio;
}

}  // namespace

class cuiInformationTest : public QObject {
    Q_OBJECT
  private slots:
    void ShowsTheRadiosCloneInformation();
    void EveryWayOfClosingEnablesTheOwner_data();
    void EveryWayOfClosingEnablesTheOwner();

  private:
    QPointer<cuiInformation> Open(QWidget& owner);

    ScopedBoxes scripted_;
    NoCommands commands_;
    indDocument document_;
    indDocumentContext context_{document_, commands_, GTex()};
};

QPointer<cuiInformation> cuiInformationTest::Open(QWidget& owner) {
    document_.Start();
    document_.SetRadioIdentity(SomeRadio());
    return ShowCloneInformation(&owner, context_);
}

void cuiInformationTest::ShowsTheRadiosCloneInformation() {
    QWidget owner;
    owner.show();
    QPointer<cuiInformation> window = Open(owner);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(!owner.isEnabled());
    QVERIFY(window->isEnabled() && window->Button()->isEnabled());
    QCOMPARE(window->windowTitle().toStdString(), GTex().GetText("GI_Sys_AppTitle", 0));
    QCOMPARE(window->Button()->text().toStdString(),
             GTex().GetText("GI_AppInd_Button_OkCancel", 0));
    const uiSheetView& view = *window->View();
    QStringList values;
    for (int r = 0; r < view.Sheet().Rows(); ++r) {
        values << view.CellText(r, 1);
    }
    QVERIFY2(values.join('|').contains(QStringLiteral("FLEET 7 DEPOT")),
             qPrintable(values.join('|')));
    QVERIFY(values.join('|').contains(QStringLiteral("NORTH GATE UNIT")));
    // The option lines, without an empty line after the last.
    const QString options =
        QString::fromStdString(GTex().GetText("GI_Mess_CloneInfo_Opt_Mq31") + "\n" +
                               GTex().GetText("GI_Mess_CloneInfo_Opt_Mq32"));
    QVERIFY2(values.contains(options), qPrintable(values.join('|')));

    // The panel spans the width: two bevels of 2 and a border of 8 on each
    // side of the sheet; the button 5 pixels from the right and bottom edges,
    // the form grown by its height + 10.
    const QRect button = window->Button()->geometry();
    QCOMPARE(view.mapTo(window, QPoint(0, 0)), QPoint(12, 12));
    QCOMPARE(window->width(), view.width() + 24);
    QCOMPARE(window->height(), view.height() + 24 + button.height() + 10);
    QCOMPARE(window->width() - (button.x() + button.width()), 5);
    QCOMPARE(window->height() - (button.y() + button.height()), 5);
    delete window;
    QVERIFY(owner.isEnabled());
}

void cuiInformationTest::EveryWayOfClosingEnablesTheOwner_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("button") << 0;
    QTest::newRow("title bar") << 1;
    QTest::newRow("Escape") << 2;
    QTest::newRow("Enter") << 3;
}

void cuiInformationTest::EveryWayOfClosingEnablesTheOwner() {
    QFETCH(int, how);
    QWidget owner;
    owner.show();
    QPointer<cuiInformation> window = Open(owner);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QVERIFY(!owner.isEnabled());
    switch (how) {
        case 0:
            QTest::mouseClick(window->Button(), Qt::LeftButton);
            break;
        case 1:
            window->close();
            break;
        case 2:
            QTest::keyClick(window, Qt::Key_Escape);
            break;
        default:
            QTest::keyClick(window->Button(), Qt::Key_Return);
            break;
    }
    QTRY_VERIFY(window.isNull());
    QVERIFY(owner.isEnabled());
}

QTEST_MAIN(cuiInformationTest)
#include "cuiInformationTest.moc"
