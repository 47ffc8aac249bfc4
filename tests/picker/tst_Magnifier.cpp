#include "Magnifier.h"
#include "TestMain.h"

#include <cmath>

namespace {

// A 95 x 63 pixel box at 15 twips to the pixel on a 1280 x 800 screen.
MagnifierFrame frameAt(QPoint pointer, int m)
{
    return MagnifierGeometry(pointer, QSizeF(1425, 945), QSize(1280, 800), 15, 15, m);
}

} // namespace

class tst_Magnifier : public QObject {
    Q_OBJECT

private slots:
    void frameForPointer_data()
    {
        QTest::addColumn<int>("m");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QRect>("source");
        QTest::addColumn<QPoint>("crossHair");
        // Away from the edges the cross-hair is at the box's centre (712.5 -> 712); at an edge
        // the source stops there and the cross-hair moves by the overhang instead.
        const QList<std::tuple<const char*, int, QPoint, QRect, QPoint>> rows{
            {"1:1 middle", 0, {641, 401}, {594, 370, 95, 63}, {712, 472}},
            {"2:1 middle", 50, {640, 400}, {616, 384, 48, 32}, {712, 472}},
            {"100:1 middle", 99, {640, 400}, {640, 400, 1, 1}, {712, 472}},
            {"1:1 top-left", 0, {0, 0}, {0, 0, 95, 63}, {-8, -8}},
            {"1:1 next to top-left", 0, {1, 1}, {0, 0, 95, 63}, {22, 22}},
            {"1:1 bottom-right", 0, {1279, 799}, {1185, 737, 95, 63}, {1417, 937}},
            {"2:1 bottom-right", 50, {1279, 799}, {1232, 768, 48, 32}, {1402, 922}}};
        for (const auto& [name, m, pointer, source, crossHair] : rows)
            QTest::newRow(name) << m << pointer << source << crossHair;
    }
    void frameForPointer()
    {
        QFETCH(int, m);
        QFETCH(QPoint, pointer);
        const MagnifierFrame frame = frameAt(pointer, m);
        QTEST(frame.source, "source");
        QTEST(frame.crossHair, "crossHair");
        QCOMPARE(frame.destination, QSize(95, 63));
    }

    // Every pointer position along the four edges: the source stays on the screen at its full
    // size and the cross-hair stays within a screen pixel of the pointer.
    void edgeSweep_data()
    {
        QTest::addColumn<int>("m");
        for (int m : {0, 1, 33, 50, 75, 99})
            QTest::addRow("m=%d", m) << m;
    }
    void edgeSweep()
    {
        QFETCH(int, m);
        const QSize size = frameAt({640, 400}, m).source.size();
        const float z = 1.0f - float(m) / 100;
        QList<QPoint> pointers;
        for (int x = 0; x < 1280; ++x)
            pointers << QPoint(x, 0) << QPoint(x, 799);
        for (int y = 0; y < 800; ++y)
            pointers << QPoint(0, y) << QPoint(1279, y);
        for (const QPoint pointer : pointers) {
            const MagnifierFrame frame = frameAt(pointer, m);
            // The cross-hair in screen pixels from the source's corner, against the pointer.
            const QPointF offset =
                QPointF(frame.crossHair) / 15 * z - pointer + frame.source.topLeft();
            const QByteArray at =
                QByteArray::number(pointer.x()) + ',' + QByteArray::number(pointer.y());
            QVERIFY2(QRect(0, 0, 1280, 800).contains(frame.source) && frame.source.size() == size,
                     at);
            QVERIFY2(std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1, at);
        }
    }

    void magnificationText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("m");
        const QList<std::pair<const char*, int>> rows{{"", 0},     {"abc", 0},  {"-5", 0},
                                                      {"100", 99}, {"250", 99}, {"42", 42},
                                                      {"7.5", 8},  {"8.5", 8},  {" 12 ", 12}};
        for (const auto& [text, m] : rows)
            QTest::addRow("'%s'", text) << QString(text) << m;
    }
    void magnificationText()
    {
        QFETCH(QString, text);
        QTEST(Magnification(text), "m");
    }
};

TINTWELL_TEST_MAIN(tst_Magnifier)
#include "tst_Magnifier.moc"
