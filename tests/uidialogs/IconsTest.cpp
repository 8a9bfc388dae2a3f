#include <QIcon>
#include <QImage>
#include <QTest>

#include "Icons.h"

class IconsTest : public QObject {
    Q_OBJECT
  private slots:
    void EveryIndexHasADistinctBundledImage();
    void WithoutAThemeTheBundledImageIsShown();
};

// Both lists, by the overlay's index numbers: every image is a 16 x 16 drawing
// with some opaque pixels, and no two indexes share a drawing.
void IconsTest::EveryIndexHasADistinctBundledImage() {
    struct List {
        const char* name;
        int count;
        const Icons::Entry* (*entry)(int);
    };
    const List lists[] = {{"tree", Icons::TreeCount, Icons::TreeEntry},
                          {"tool bar", Icons::ToolBarCount, Icons::ToolBarEntry}};
    QSet<QByteArray> seen;
    (void)Icons::Tree(0);  // loads the compiled-in images
    for (const List& list : lists) {
        QVERIFY(list.entry(-1) == nullptr);
        QVERIFY(list.entry(list.count) == nullptr);
        for (int i = 0; i < list.count; ++i) {
            const QImage image(QString::fromLatin1(list.entry(i)->resource));
            QVERIFY2(!image.isNull(), qPrintable(QStringLiteral("%1 %2").arg(list.name).arg(i)));
            QCOMPARE(image.size(), QSize(16, 16));
            const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
            int opaque = 0;
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x) {
                    opaque += qAlpha(argb.pixel(x, y)) == 255 ? 1 : 0;
                }
            }
            QVERIFY(opaque >= 16);
            const QByteArray bits(reinterpret_cast<const char*>(argb.constBits()),
                                  static_cast<int>(argb.sizeInBytes()));
            QVERIFY2(!seen.contains(bits),
                     qPrintable(QStringLiteral("%1 %2").arg(list.name).arg(i)));
            seen.insert(bits);
        }
    }
    QVERIFY(Icons::Tree(Icons::TreeCount).isNull());
    QVERIFY(!Icons::Application().pixmap(48, 48).isNull());
}

void IconsTest::WithoutAThemeTheBundledImageIsShown() {
    QIcon::setThemeName(QStringLiteral("no-such-theme"));
    QIcon::setThemeSearchPaths({});
    for (int i = 0; i < Icons::ToolBarCount; ++i) {
        const QImage shown =
            Icons::ToolBar(i).pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage bundled = QImage(QString::fromLatin1(Icons::ToolBarEntry(i)->resource))
                                   .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(shown, bundled);
    }
}

QTEST_MAIN(IconsTest)
#include "IconsTest.moc"
