#include <QDialog>
#include <QScreen>
#include <QTest>

#include "Placement.h"

Q_DECLARE_METATYPE(QRect)

class PlacementTest : public QObject {
    Q_OBJECT
  private slots:
    void CentresThenPushesIntoTheWorkArea_data();
    void CentresThenPushesIntoTheWorkArea();
    void WindowsStayOnTheOwnersScreen_data();
    void WindowsStayOnTheOwnersScreen();
};

void PlacementTest::CentresThenPushesIntoTheWorkArea_data() {
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("centred over the owner")
        << QRect(100, 100, 600, 400) << QSize(200, 100) << QPoint(300, 250);
    QTest::newRow("odd halves round toward zero")
        << QRect(100, 100, 601, 401) << QSize(200, 100) << QPoint(300, 250);
    QTest::newRow("wider than the owner: a negative half rounds toward zero")
        << QRect(100, 100, 200, 100) << QSize(203, 103) << QPoint(99, 99);
    QTest::newRow("beyond the right edge")
        << QRect(1100, 100, 400, 300) << QSize(300, 100) << QPoint(980, 200);
    QTest::newRow("beyond the bottom edge")
        << QRect(100, 700, 400, 300) << QSize(300, 100) << QPoint(150, 700);
    QTest::newRow("left of the left edge")
        << QRect(-500, 100, 400, 300) << QSize(300, 100) << QPoint(0, 200);
    QTest::newRow("above the top edge")
        << QRect(100, -400, 400, 300) << QSize(300, 100) << QPoint(150, 0);
    QTest::newRow("larger than the area keeps left and top visible")
        << QRect(0, 0, 1280, 800) << QSize(1500, 900) << QPoint(0, 0);
}

void PlacementTest::CentresThenPushesIntoTheWorkArea() {
    QFETCH(QRect, owner);
    QFETCH(QSize, size);
    QFETCH(QPoint, expected);
    QCOMPARE(Placement::CentredPosition(owner, size, QRect(0, 0, 1280, 800)), expected);
    // An area that does not start at 0 (a panel on the left and at the top).
    QCOMPARE(Placement::CentredPosition(owner.translated(40, 30), size, QRect(40, 30, 1280, 800)),
             expected + QPoint(40, 30));
}

void PlacementTest::WindowsStayOnTheOwnersScreen_data() {
    QTest::addColumn<QPoint>("ownerShift");  // from the area's top-left corner
    QTest::addColumn<bool>("hasOwner");
    QTest::newRow("no owner: centred on the screen") << QPoint() << false;
    QTest::newRow("owner inside") << QPoint(10, 10) << true;
    QTest::newRow("owner past the bottom right") << QPoint(5000, 5000) << true;
    QTest::newRow("owner past the top left") << QPoint(-5000, -5000) << true;
}

// The real screen's available area (offscreen platform): the window ends up
// wholly inside it, centred on the screen when there is no owner.
void PlacementTest::WindowsStayOnTheOwnersScreen() {
    QFETCH(QPoint, ownerShift);
    QFETCH(bool, hasOwner);
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget owner;
    owner.setGeometry(QRect(work.topLeft() + ownerShift, QSize(300, 200)));
    QDialog window;
    window.resize(200, 100);
    Placement::CentreOver(window, hasOwner ? &owner : nullptr);
    QVERIFY2(work.contains(QRect(window.pos(), window.size())),
             qPrintable(QStringLiteral("%1,%2").arg(window.x()).arg(window.y())));
    if (!hasOwner) {
        QCOMPARE(window.pos(), Placement::CentredPosition(work, window.size(), work));
    }
}

QTEST_MAIN(PlacementTest)
#include "PlacementTest.moc"
