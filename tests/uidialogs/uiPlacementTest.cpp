#include <QTest>

#include "uiPlacement.h"

Q_DECLARE_METATYPE(QRect)

class uiPlacementTest : public QObject {
    Q_OBJECT
  private slots:
    void CentresThenPushesIntoTheWorkArea_data();
    void CentresThenPushesIntoTheWorkArea();
};

void uiPlacementTest::CentresThenPushesIntoTheWorkArea_data() {
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("centred over the owner") << QRect(100, 100, 600, 400) << QSize(200, 100)
                                            << QPoint(300, 250);
    QTest::newRow("odd halves round toward zero") << QRect(100, 100, 601, 401) << QSize(200, 100)
                                                  << QPoint(300, 250);
    QTest::newRow("wider than the owner: a negative half rounds toward zero")
        << QRect(100, 100, 200, 100) << QSize(203, 103) << QPoint(99, 99);
    QTest::newRow("beyond the right edge") << QRect(1100, 100, 400, 300) << QSize(300, 100)
                                           << QPoint(980, 200);
    QTest::newRow("beyond the bottom edge") << QRect(100, 700, 400, 300) << QSize(300, 100)
                                            << QPoint(150, 700);
    QTest::newRow("left of the left edge") << QRect(-500, 100, 400, 300) << QSize(300, 100)
                                           << QPoint(0, 200);
    QTest::newRow("above the top edge") << QRect(100, -400, 400, 300) << QSize(300, 100)
                                        << QPoint(150, 0);
    QTest::newRow("larger than the area keeps left and top visible")
        << QRect(0, 0, 1280, 800) << QSize(1500, 900) << QPoint(0, 0);
}

void uiPlacementTest::CentresThenPushesIntoTheWorkArea() {
    QFETCH(QRect, owner);
    QFETCH(QSize, size);
    QFETCH(QPoint, expected);
    QCOMPARE(CentredPosition(owner, size, QRect(0, 0, 1280, 800)), expected);
    // An area that does not start at 0 (a panel on the left and at the top).
    QCOMPARE(CentredPosition(owner.translated(40, 30), size, QRect(40, 30, 1280, 800)),
             expected + QPoint(40, 30));
}

QTEST_GUILESS_MAIN(uiPlacementTest)
#include "uiPlacementTest.moc"
