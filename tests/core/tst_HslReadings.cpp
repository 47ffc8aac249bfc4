#include "TestMain.h"
#include "modRGBtoHSL.h"

namespace {

int rgb(int red, int green, int blue)
{
    return red | green << 8 | blue << 16;
}

} // namespace

class tst_HslReadings : public QObject {
    Q_OBJECT

private slots:
    void readings_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<QList<int>>("hsb");
        QTest::addColumn<QString>("hsl");
        QTest::newRow("black") << 0 << QList<int>{0, 0, 0} << "0,0,0";
        QTest::newRow("white") << rgb(255, 255, 255) << QList<int>{0, 0, 100} << "0,0,100";
        QTest::newRow("grey 128") << rgb(128, 128, 128) << QList<int>{0, 0, 50} << "0,0,50";
        QTest::newRow("red") << rgb(255, 0, 0) << QList<int>{0, 100, 100} << "0,100,50";
        QTest::newRow("18/52/86") << rgb(18, 52, 86) << QList<int>{210, 79, 34} << "210,65,20";
        QTest::newRow("10/0/5") << rgb(10, 0, 5) << QList<int>{330, 100, 4} << "330,100,2";
        QTest::newRow("360 below red")
            << rgb(255, 0, 1) << QList<int>{360, 100, 100} << "360,100,50";
        QTest::newRow("yellow") << rgb(255, 255, 0) << QList<int>{60, 100, 100} << "60,100,50";
        QTest::newRow("green") << rgb(0, 255, 0) << QList<int>{120, 100, 100} << "120,100,50";
        // Lightness 50 rounded down from 50.2: the saturation is read against the sum.
        QTest::newRow("rounded lightness")
            << rgb(255, 1, 1) << QList<int>{0, 100, 100} << "0,99,50";
        // Light colours take their saturation against the distance to white.
        QTest::newRow("light blue")
            << rgb(128, 128, 255) << QList<int>{240, 50, 100} << "240,100,75";
        // 60 / 56 as a float is a hair short, so 7.5 degrees rounds down instead of to even 8.
        QTest::newRow("float sixty over 56")
            << rgb(56, 7, 0) << QList<int>{7, 100, 22} << "7,100,11";
        QTest::newRow("top byte ignored")
            << int(0x80563412) << QList<int>{210, 79, 34} << "210,65,20";
    }
    void readings()
    {
        QFETCH(int, colour);
        QFETCH(QList<int>, hsb);
        QFETCH(QString, hsl);
        const ColourTriple read = modRGBtoHSL::ColourToHSB(colour);
        QCOMPARE(QList<int>({read.hue, read.saturation, read.third}), hsb);
        QCOMPARE(modRGBtoHSL::HSLText(colour), hsl);
    }
};

TINTWELL_TEST_MAIN(tst_HslReadings)
#include "tst_HslReadings.moc"
