#include "ColorConverter.h"
#include "TestMain.h"
#include "modRGBtoHSL.h"

namespace {

constexpr auto rgb = [](int red, int green, int blue) { return red | green << 8 | blue << 16; };
constexpr auto hsb = [](int hue, int sat, int bright) { return hue << 16 | sat << 8 | bright; };

} // namespace

class tst_ColorConverter : public QObject {
    Q_OBJECT

    const ColorConverter converter{};

private slots:
    void partsAreClampedWhenPackedAndWhenRead()
    {
        QCOMPARE(converter.RGBToLong(300, -1, 128), 0x8000FF);
        QCOMPARE(converter.HSBToLong(400, 150, -5), hsb(359, 100, 0));
        QCOMPARE(converter.HSBAsString(hsb(400, 200, 255)), QStringLiteral("359, 100, 100"));
        // The channels are the low three bytes, whatever the top byte holds.
        QCOMPARE(converter.RGBAsString(int(0x8000000F)), QStringLiteral("15, 0, 0"));
    }

    // RGBToHSB, then the table-driven ColourToHSB, which rounds differently near red and at
    // float ties, then the HSL text.
    void readings_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<QString>("readings");
        QTest::newRow("grey 128") << rgb(128, 128, 128) << "0, 0, 50 | 0,0,50 | 0,0,50";
        QTest::newRow("red") << rgb(255, 0, 0) << "0, 100, 100 | 0,100,100 | 0,100,50";
        QTest::newRow("18/52/86, top byte set")
            << int(0x80563412) << "210, 79, 34 | 210,79,34 | 210,65,20";
        QTest::newRow("255/0/1") << rgb(255, 0, 1) << "0, 100, 100 | 360,100,100 | 360,100,50";
        QTest::newRow("255/0/2") << rgb(255, 0, 2) << "0, 100, 100 | 360,100,100 | 360,100,50";
        QTest::newRow("255/0/3") << rgb(255, 0, 3) << "359, 100, 100 | 359,100,100 | 359,100,50";
        // Light colours take their saturation against the distance to white.
        QTest::newRow("light blue")
            << rgb(128, 128, 255) << "240, 50, 100 | 240,50,100 | 240,100,75";
        // Lightness 50 rounded down from 50.2: the saturation is read against the sum.
        QTest::newRow("rounded lightness") << rgb(255, 1, 1) << "0, 100, 100 | 0,100,100 | 0,99,50";
        // 2.5 degrees: a hair above once the sector is a float, exact in the table.
        QTest::newRow("float sector") << rgb(24, 1, 0) << "3, 100, 9 | 2,100,9 | 2,100,5";
        // 7.5 degrees: exact in double, a hair short with 60 / 56 as a float.
        QTest::newRow("float sixty over 56") << rgb(56, 7, 0) << "8, 100, 22 | 7,100,22 | 7,100,11";
    }
    void readings()
    {
        QFETCH(int, colour);
        QFETCH(QString, readings);
        const ColourTriple t = modRGBtoHSL::ColourToHSB(colour);
        QCOMPARE(QStringList({converter.HSBAsString(converter.RGBToHSB(colour)),
                              QStringLiteral("%1,%2,%3").arg(t.hue).arg(t.saturation).arg(t.third),
                              modRGBtoHSL::HSLText(colour)})
                     .join(u" | "),
                 readings);
    }

    void hsbToRgb_data()
    {
        QTest::addColumn<int>("hsb");
        QTest::addColumn<QString>("rgb");
        QTest::newRow("grey 127.5 to even") << hsb(0, 0, 50) << "128, 128, 128";
        // The grey path divides exactly; the coloured path has 0.3 as a float, a hair above.
        QTest::newRow("grey 76.5 to even") << hsb(0, 0, 30) << "76, 76, 76";
        QTest::newRow("red 0.3 as a float") << hsb(0, 100, 30) << "77, 0, 0";
        QTest::newRow("sector 0") << hsb(30, 100, 100) << "255, 128, 0";
        QTest::newRow("sector 1") << hsb(90, 100, 100) << "128, 255, 0";
        // t is exactly f / 2 when its step runs in double; a float step lands below 8.5.
        QTest::newRow("double inside a step") << hsb(4, 100, 50) << "128, 9, 0";
    }
    void hsbToRgb()
    {
        QFETCH(int, hsb);
        QFETCH(QString, rgb);
        QCOMPARE(converter.RGBAsString(converter.HSBToRGB(hsb)), rgb);
    }
};

TINTWELL_TEST_MAIN(tst_ColorConverter)
#include "tst_ColorConverter.moc"
