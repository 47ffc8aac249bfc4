#include "ColorConverter.h"
#include "TestMain.h"

namespace {

int rgb(int red, int green, int blue)
{
    return red | green << 8 | blue << 16;
}

int hsb(int hue, int saturation, int brightness)
{
    return hue << 16 | saturation << 8 | brightness;
}

} // namespace

class tst_ColorConverter : public QObject {
    Q_OBJECT

    const ColorConverter converter{};

private slots:
    void partsAreClampedWhenPackedAndWhenRead()
    {
        QCOMPARE(converter.RGBToLong(300, -1, 128), 0x8000FF);
        QCOMPARE(converter.HSBToLong(400, 150, -5), hsb(359, 100, 0));
        QCOMPARE(converter.HSBToLong(0, 100, 100), 25700);
        QCOMPARE(converter.HSBAsString(hsb(400, 50, 50)), QStringLiteral("359, 50, 50"));
        QCOMPARE(converter.HSBAsString(0xC8FF), QStringLiteral("0, 100, 100"));
        QCOMPARE(converter.HSBAsString(-1), QStringLiteral("0, 100, 100"));
        QCOMPARE(converter.HSBAsString(0), QStringLiteral("0, 0, 0"));
    }

    void channelsAreTheLowBytesWhateverTheSign()
    {
        QCOMPARE(converter.RGBAsString(0x563412), QStringLiteral("18, 52, 86"));
        QCOMPARE(converter.RGBAsString(int(0x8000000F)), QStringLiteral("15, 0, 0"));
        int red = 0, green = 0, blue = 0;
        converter.SplitRGB(-1, red, green, blue);
        QCOMPARE(QList<int>({red, green, blue}), QList<int>({255, 255, 255}));
    }

    void rgbToHsb_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<QString>("hsb");
        QTest::newRow("black") << 0 << "0, 0, 0";
        QTest::newRow("grey 128") << rgb(128, 128, 128) << "0, 0, 50";
        QTest::newRow("red") << 0x0000FF << "0, 100, 100";
        QTest::newRow("blue") << 0xFF0000 << "240, 100, 100";
        QTest::newRow("255/0/2 rounds up to hue 0") << rgb(255, 0, 2) << "0, 100, 100";
        QTest::newRow("255/0/3 wraps to 359") << rgb(255, 0, 3) << "359, 100, 100";
        QTest::newRow("18/52/86") << rgb(18, 52, 86) << "210, 79, 34";
        // 2.5 degrees in double, a hair above once the sector is a float.
        QTest::newRow("24/1/0 float sector") << rgb(24, 1, 0) << "3, 100, 9";
    }
    void rgbToHsb()
    {
        QFETCH(int, colour);
        QFETCH(QString, hsb);
        QCOMPARE(converter.HSBAsString(converter.RGBToHSB(colour)), hsb);
    }

    void hsbToRgb_data()
    {
        QTest::addColumn<int>("hsb");
        QTest::addColumn<QString>("rgb");
        QTest::newRow("grey 127.5 to even") << hsb(0, 0, 50) << "128, 128, 128";
        QTest::newRow("grey 76.5 to even") << hsb(0, 0, 30) << "76, 76, 76";
        QTest::newRow("0.3 as a float") << hsb(0, 100, 30) << "77, 0, 0";
        QTest::newRow("half saturation") << hsb(0, 50, 100) << "255, 128, 128";
        QTest::newRow("sector 0") << hsb(30, 100, 100) << "255, 128, 0";
        QTest::newRow("sector 1") << hsb(90, 100, 100) << "128, 255, 0";
        QTest::newRow("green") << hsb(120, 100, 100) << "0, 255, 0";
        QTest::newRow("sector 2") << hsb(150, 100, 100) << "0, 255, 128";
        QTest::newRow("sector 3") << hsb(210, 100, 100) << "0, 128, 255";
        QTest::newRow("sector 4") << hsb(270, 100, 100) << "128, 0, 255";
        QTest::newRow("sector 5") << hsb(330, 100, 100) << "255, 0, 128";
        QTest::newRow("hue above 359") << hsb(400, 100, 100) << "255, 0, 4";
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
