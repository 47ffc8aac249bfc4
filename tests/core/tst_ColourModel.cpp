#include "ColorConverter.h"
#include "Hex2Dec.h"
#include "ModColConverter.h"
#include "Numbers.h"
#include "TestMain.h"
#include "modAnycolour.h"
#include "modRGBtoHSL.h"

#include <climits>

constexpr auto rgb = [](int red, int green, int blue) { return red | green << 8 | blue << 16; };
constexpr auto hsb = [](int hue, int sat, int bright) { return hue << 16 | sat << 8 | bright; };
const auto orNothing = [](const auto& value) { return value ? QVariant(*value) : QVariant(); };

class tst_ColourModel : public QObject {
    Q_OBJECT

    const ColorConverter converter{};

private slots:
    // RGBToHSB, the table-driven ColourToHSB (which rounds differently near red and at float
    // ties), the HSL box, then every text form.
    void readingsAndFormsOfAColour_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<QString>("readings");
        QTest::newRow("red") << rgb(255, 0, 0)
                             << R"(0, 100, 100|0,100,100|0,100,50|"#FF0000" 255 &H000000FF& )"
                                R"(0x000000FF $000000FF 0xFF00 FF0000)";
        // The channels are the low three bytes, whatever the top byte holds.
        QTest::newRow("18/52/86, top byte set")
            << int(0x80563412)
            << R"(210, 79, 34|210,79,34|210,65,20|"#123456" 5649426 &H00563412& 0x00563412 )"
               R"($00563412 0x214365 123456)";
        QTest::newRow("10/0/5") << rgb(10, 0, 5)
                                << R"(330, 100, 4|330,100,4|330,100,2|"#0A0005" 327690 )"
                                   R"(&H0005000A& 0x0005000A $0005000A 0xA0005 0A0005)";
        QTest::newRow("255/0/1") << rgb(255, 0, 1) << "0, 100, 100|360,100,100|360,100,50";
        QTest::newRow("255/0/3") << rgb(255, 0, 3) << "359, 100, 100|359,100,100|359,100,50";
        // Light colours take their saturation against the distance to white.
        QTest::newRow("light blue") << rgb(128, 128, 255) << "240, 50, 100|240,50,100|240,100,75";
        // Lightness 50 rounded down from 50.2: the saturation is read against the sum.
        QTest::newRow("rounded lightness") << rgb(255, 1, 1) << "0, 100, 100|0,100,100|0,99,50";
        // 2.5 degrees: a hair above once the sector is a float, exact in the table.
        QTest::newRow("float sector") << rgb(24, 1, 0) << "3, 100, 9|2,100,9|2,100,5";
        // 7.5 degrees: exact in double, a hair short with 60 / 56 as a float.
        QTest::newRow("float sixty over 56") << rgb(56, 7, 0) << "8, 100, 22|7,100,22|7,100,11";
    }
    void readingsAndFormsOfAColour()
    {
        QFETCH(int, colour);
        const int red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
        const ColourTriple t = modRGBtoHSL::ColourToHSB(colour);
        QStringList seen{converter.HSBAsString(converter.RGBToHSB(colour)),
                         QStringLiteral("%1,%2,%3").arg(t.hue).arg(t.saturation).arg(t.third),
                         modRGBtoHSL::HSLText(colour)};
        int mode = 7;
        const auto codes = modAnycolour::ShowLanguageCodes(red, green, blue, mode);
        const QString html = ModColConverter::HtmlHexText(red, green, blue);
        QFETCH(QString, readings);
        if (readings.count(u'|') == 3) // rows that list the text forms check them too
            seen << QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                        .arg(html, ModColConverter::VBLongText(red, green, blue),
                             ModColConverter::VBHexText(html), codes.cpp, codes.java, codes.delphi,
                             codes.photoshop);
        QCOMPARE(seen.join(u'|'), readings);
        QCOMPARE(mode, 2);
    }

    // Grey divides exactly; the coloured path has 0.3 as a float, a hair above (77). At hue 4, t is
    // exactly f / 2 when its step runs in double; a float step lands below 8.5. Parts are clamped.
    void hsbToRgb()
    {
        QStringList seen;
        for (const int c : {hsb(0, 0, 30), hsb(0, 100, 30), hsb(90, 100, 100), hsb(150, 100, 80),
                            hsb(4, 100, 50), hsb(400, 200, 255)})
            seen << converter.RGBAsString(converter.HSBToRGB(c));
        QCOMPARE(seen.join(u'|'),
                 "76, 76, 76|77, 0, 0|128, 255, 0|0, 204, 102|128, 9, 0|255, 0, 4");
    }

    void partsAreClampedWhenPackedAndWhenRead()
    {
        QCOMPARE(converter.RGBToLong(300, -1, 128), 0x8000FF);
        QCOMPARE(converter.HSBToLong(400, 150, -5), hsb(359, 100, 0));
        QCOMPARE(converter.HSBAsString(hsb(400, 200, 255)), QStringLiteral("359, 100, 100"));
        int mode = -3;
        QVERIFY(modAnycolour::ShowLanguageCodes(300, -4, 16, mode).cpp == "0x001000FF" && !mode);
        // A huge number typed into a field must read as a huge int, not wrap to the other end.
        QVERIFY(Numbers::RoundHalfEven(1e20) == INT_MAX &&
                Numbers::RoundHalfEven(-1e20) == INT_MIN);
    }

    // Each text as a decimal number, as the leading number of a field and as a hex code (read
    // with upper-case digits only; anything else counts as digit -1).
    void readsNumbersFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("numericValue"); // invalid when the text is not a number
        QTest::addColumn<double>("leadingNumber");
        QTest::addColumn<QVariant>("hexValue"); // invalid on overflow
        QTest::newRow("blanks round it") << " 12\t" << QVariant(12.0) << 12.0 << QVariant(-3809);
        QTest::newRow("exponent") << "-2.5E-1" << QVariant(-0.25) << -2.5 << QVariant(-14721551);
        QTest::newRow("dangling exponent") << "3e+" << QVariant() << 3.0 << QVariant(751);
        QTest::newRow("overflow") << "1e400" << QVariant() << 1.0 << QVariant(62464);
        QTest::newRow("digits then letters") << "12abc" << QVariant() << 12.0 << QVariant(73455);
        QTest::newRow("largest hex") << "7FFFFFFF" << QVariant() << 7.0 << QVariant(INT_MAX);
        QTest::newRow("nine digits that fit") << "000000001" << QVariant(1.0) << 1.0 << QVariant(1);
        QTest::newRow("top bit set") << "80000000" << QVariant(8e7) << 8e7 << QVariant();
        QTest::newRow("nine digits") << "100000000" << QVariant(1e8) << 1e8 << QVariant();
    }
    void readsNumbersFromText()
    {
        QFETCH(QString, text);
        QTEST(orNothing(Numbers::NumericValue(text)), "numericValue");
        QTEST(Numbers::LeadingNumber(text), "leadingNumber");
        QTEST(orNothing(Hex2Dec(text)), "hexValue");
    }
};

TINTWELL_TEST_MAIN(tst_ColourModel)
#include "tst_ColourModel.moc"
