#include "Magnifier.h"
#include "TestMain.h"

class tst_Magnifier : public QObject {
    Q_OBJECT

    // A 95 x 63 pixel box at 15 twips to the pixel on a 1280 x 800 screen.
    static MagnifierFrame frameAt(QPoint pointer, int m)
    {
        return MagnifierGeometry(pointer, QSizeF(1425, 945), QSize(1280, 800), 15, 15, m);
    }

private slots:
    // At 1:1: away from the edges the cross-hair is at the box's centre (712.5 -> 712); at an edge
    // the source stops there and the cross-hair moves by the overhang instead.
    void frameForPointer_data()
    {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QRect>("source");
        QTest::addColumn<QPoint>("crossHair");
        QTest::newRow("middle") << QPoint(641, 401) << QRect(594, 370, 95, 63) << QPoint(712, 472);
        QTest::newRow("top-left") << QPoint(0, 0) << QRect(0, 0, 95, 63) << QPoint(-8, -8);
    }
    void frameForPointer()
    {
        QFETCH(QPoint, pointer);
        const MagnifierFrame frame = frameAt(pointer, 0);
        QTEST(frame.source, "source");
        QTEST(frame.crossHair, "crossHair");
        QCOMPARE(frame.destination, QSize(95, 63));
    }

    // Every pointer position along the four edges: the source stays on the screen at its full
    // size and the cross-hair stays within a screen pixel of the pointer.
    void edgeSweep_data()
    {
        QTest::addColumn<int>("m");
        for (int m : {0, 33, 50, 99})
            QTest::addRow("m=%d", m) << m;
    }
    void edgeSweep()
    {
        QFETCH(int, m);
        const QSize size = frameAt({640, 400}, m).source.size();
        QList<QPoint> pointers;
        for (int x = 0; x < 1280; ++x)
            pointers << QPoint(x, 0) << QPoint(x, 799);
        for (int y = 0; y < 800; ++y)
            pointers << QPoint(0, y) << QPoint(1279, y);
        for (const QPoint pointer : pointers) {
            const MagnifierFrame frame = frameAt(pointer, m);
            // The cross-hair in screen pixels from the source's corner, against the pointer.
            const QPointF offset = QPointF(frame.crossHair) / 15 * (1.0 - m / 100.0) - pointer +
                                   frame.source.topLeft();
            QVERIFY2(QRect(0, 0, 1280, 800).contains(frame.source) && frame.source.size() == size &&
                         qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
                     qPrintable(QDebug::toString(pointer)));
        }
    }

    void magnificationText()
    {
        QList<int> ms;
        for (const char* text : {"abc", "-5", "100", "42", "7.5", "8.5", " 12 "})
            ms << Magnification(text);
        QCOMPARE(ms, QList<int>({0, 0, 99, 42, 8, 8, 12}));
    }
};

TINTWELL_TEST_MAIN(tst_Magnifier)
#include "tst_Magnifier.moc"
