#include "ColorConverter.h"
#include "TestMain.h"

namespace {

using Triple = QList<int>;

int rgb(int red, int green, int blue)
{
    return red | green << 8 | blue << 16;
}

} // namespace

class tst_ColorConverter : public QObject {
    Q_OBJECT

    const ColorConverter converter{};

    Triple channelsOf(int colour) const
    {
        int red = -1, green = -1, blue = -1;
        converter.SplitRGB(colour, red, green, blue);
        return {red, green, blue};
    }

    Triple partsOf(int hsb) const
    {
        int hue = -1, saturation = -1, brightness = -1;
        converter.SplitHSB(hsb, hue, saturation, brightness);
        return {hue, saturation, brightness};
    }

private slots:
    void packingClampsEveryPart()
    {
        QCOMPARE(converter.RGBToLong(300, -1, 128), 0x8000FF);
        QCOMPARE(converter.RGBToLong(18, 52, 86), 0x563412);
        QCOMPARE(converter.HSBToLong(400, 150, -5), 359 << 16 | 100 << 8);
        QCOMPARE(converter.HSBToLong(0, 100, 100), 25700);
    }

    void channelsAreTheLowBytesEvenOfNegativeValues_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<Triple>("channels");
        QTest::newRow("18/52/86") << 0x563412 << Triple{18, 52, 86};
        QTest::newRow("system button face") << int(0x8000000F) << Triple{15, 0, 0};
        QTest::newRow("-1") << -1 << Triple{255, 255, 255};
    }
    void channelsAreTheLowBytesEvenOfNegativeValues()
    {
        QFETCH(int, colour);
        QFETCH(Triple, channels);
        QCOMPARE(channelsOf(colour), channels);
        QCOMPARE(converter.Blue(colour), channels[2]);
    }

    void hsbPartsAreClampedWhenRead_data()
    {
        QTest::addColumn<int>("hsb");
        QTest::addColumn<Triple>("parts");
        QTest::newRow("red") << 0x6464 << Triple{0, 100, 100};
        QTest::newRow("hue above 359") << (400 << 16 | 50 << 8 | 50) << Triple{359, 50, 50};
        QTest::newRow("bytes above 100") << 0xC8FF << Triple{0, 100, 100};
        QTest::newRow("negative") << -1 << Triple{0, 100, 100};
    }
    void hsbPartsAreClampedWhenRead()
    {
        QFETCH(int, hsb);
        QFETCH(Triple, parts);
        QCOMPARE(partsOf(hsb), parts);
        QCOMPARE(converter.Hue(hsb), parts[0]);
    }

    void rgbToHsb_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<Triple>("hsb");
        QTest::newRow("black") << 0 << Triple{0, 0, 0};
        QTest::newRow("grey 128") << rgb(128, 128, 128) << Triple{0, 0, 50};
        QTest::newRow("red") << 0x0000FF << Triple{0, 100, 100};
        QTest::newRow("blue") << 0xFF0000 << Triple{240, 100, 100};
        QTest::newRow("255/0/2 rounds up to hue 0") << rgb(255, 0, 2) << Triple{0, 100, 100};
        QTest::newRow("255/0/3 wraps to 359") << rgb(255, 0, 3) << Triple{359, 100, 100};
        QTest::newRow("18/52/86") << rgb(18, 52, 86) << Triple{210, 79, 34};
        // 2.5 degrees in double, a hair above once the sector is a float.
        QTest::newRow("24/1/0 float sector") << rgb(24, 1, 0) << Triple{3, 100, 9};
    }
    void rgbToHsb()
    {
        QFETCH(int, colour);
        QFETCH(Triple, hsb);
        QCOMPARE(partsOf(converter.RGBToHSB(colour)), hsb);
    }

    void hsbToRgb_data()
    {
        QTest::addColumn<Triple>("hsb");
        QTest::addColumn<Triple>("channels");
        QTest::newRow("grey 127.5 to even") << Triple{0, 0, 50} << Triple{128, 128, 128};
        QTest::newRow("grey 76.5 to even") << Triple{0, 0, 30} << Triple{76, 76, 76};
        QTest::newRow("0.3 as a float") << Triple{0, 100, 30} << Triple{77, 0, 0};
        QTest::newRow("green") << Triple{120, 100, 100} << Triple{0, 255, 0};
        QTest::newRow("half saturation") << Triple{0, 50, 100} << Triple{255, 128, 128};
        QTest::newRow("sector 0") << Triple{30, 100, 100} << Triple{255, 128, 0};
        QTest::newRow("sector 1") << Triple{90, 100, 100} << Triple{128, 255, 0};
        QTest::newRow("sector 2") << Triple{150, 100, 100} << Triple{0, 255, 128};
        QTest::newRow("sector 3") << Triple{210, 100, 100} << Triple{0, 128, 255};
        QTest::newRow("sector 4") << Triple{270, 100, 100} << Triple{128, 0, 255};
        QTest::newRow("sector 5") << Triple{330, 100, 100} << Triple{255, 0, 128};
        // t is f / 2 exactly when its step runs in double; a float step would land below 8.5.
        QTest::newRow("double inside a step") << Triple{4, 100, 50} << Triple{128, 9, 0};
    }
    void hsbToRgb()
    {
        QFETCH(Triple, hsb);
        QFETCH(Triple, channels);
        QCOMPARE(channelsOf(converter.HSBToRGB(converter.HSBToLong(hsb[0], hsb[1], hsb[2]))),
                 channels);
    }

    void hsbToRgbClampsAnOversizedHue()
    {
        QCOMPARE(channelsOf(converter.HSBToRGB(400 << 16 | 100 << 8 | 100)), Triple({255, 0, 4}));
    }

    void textsJoinPartsWithCommaAndBlank()
    {
        QCOMPARE(converter.RGBAsString(0x563412), QStringLiteral("18, 52, 86"));
        QCOMPARE(converter.RGBAsString(-1), QStringLiteral("255, 255, 255"));
        QCOMPARE(converter.HSBAsString(0), QStringLiteral("0, 0, 0"));
        QCOMPARE(converter.HSBAsString(converter.HSBToLong(210, 79, 34)),
                 QStringLiteral("210, 79, 34"));
    }
};

TINTWELL_TEST_MAIN(tst_ColorConverter)
#include "tst_ColorConverter.moc"
