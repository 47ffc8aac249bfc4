#include "Hex2Dec.h"
#include "ModColConverter.h"
#include "Numbers.h"
#include "TestMain.h"
#include "modAnycolour.h"

#include <climits>

using namespace ModColConverter;

class tst_TextForms : public QObject {
    Q_OBJECT

private slots:
    void everyFormOfAColour_data()
    {
        QTest::addColumn<QList<int>>("rgb");
        // HTML, VB long, VB hex, RGB(, C++, "$", Delphi and Photoshop, one blank between forms
        QTest::addColumn<QString>("forms");
        QTest::newRow("red") << QList{255, 0, 0}
                             << R"("#FF0000" 255 &H000000FF& RGB(255,0,0) 0x000000FF $000000FF )"
                                R"(0xFF00 FF0000)";
        QTest::newRow("18/52/86")
            << QList{18, 52, 86}
            << R"("#123456" 5649426 &H00563412& RGB(18,52,86) 0x00563412 $00563412 0x214365 123456)";
        QTest::newRow("10/0/5")
            << QList{10, 0, 5}
            << R"("#0A0005" 327690 &H0005000A& RGB(10,0,5) 0x0005000A $0005000A 0xA0005 0A0005)";
    }
    void everyFormOfAColour()
    {
        QFETCH(QList<int>, rgb);
        QFETCH(QString, forms);
        const int red = rgb[0], green = rgb[1], blue = rgb[2];
        const QString html = HtmlHexText(red, green, blue);
        int mode = 0;
        const auto codes = modAnycolour::ShowLanguageCodes(red, green, blue, mode);
        const QString rgbText =
            RGBText(QString::number(red), QString::number(green), QString::number(blue));
        QCOMPARE(QStringList({html, VBLongText(red, green, blue), VBHexText(html), rgbText,
                              codes.cpp, codes.java, codes.delphi, codes.photoshop})
                     .join(u' '),
                 forms);
    }

    void codesClampTheChannelsButRGBTextKeepsTheFieldTexts()
    {
        int mode = 0;
        QCOMPARE(modAnycolour::ShowLanguageCodes(300, -4, 16, mode).cpp,
                 QStringLiteral("0x001000FF"));
        QCOMPARE(RGBText("018", " 52", ""), QStringLiteral("RGB(018, 52,)"));
    }

    // A huge number typed into a field must read as a huge int, not wrap to the other end.
    void roundingSaturates() { QCOMPARE(Numbers::RoundHalfEven(1e20), INT_MAX); }

    void readsNumbersFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("numericValue"); // invalid when the text is not a number
        QTest::addColumn<double>("leadingNumber");
        QTest::newRow("blanks round it") << " 12\t" << QVariant(12.0) << 12.0;
        QTest::newRow("exponent") << "2.5E-1" << QVariant(0.25) << 2.5;
        QTest::newRow("overflow") << "1e400" << QVariant() << 1.0;
        QTest::newRow("digits then letters") << "12abc" << QVariant() << 12.0;
        QTest::newRow("empty") << "" << QVariant() << 0.0;
        QTest::newRow("inf") << "inf" << QVariant() << 0.0;
    }
    void readsNumbersFromText()
    {
        QFETCH(QString, text);
        QFETCH(QVariant, numericValue);
        QFETCH(double, leadingNumber);
        const std::optional<double> value = Numbers::NumericValue(text);
        QCOMPARE(value ? QVariant(*value) : QVariant(), numericValue);
        QCOMPARE(Numbers::LeadingNumber(text), leadingNumber);
    }

    void hex2Dec_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("value"); // invalid on overflow
        QTest::newRow("empty") << "" << QVariant(0);
        QTest::newRow("RRGGBB") << "FF0000" << QVariant(16711680);
        QTest::newRow("largest") << "7FFFFFFF" << QVariant(INT_MAX);
        QTest::newRow("nine digits that fit") << "000000001" << QVariant(1);
        QTest::newRow("G is -1") << "G" << QVariant(-1);
        QTest::newRow("lower case") << "ff" << QVariant(-17);
        QTest::newRow("top bit set") << "80000000" << QVariant();
        QTest::newRow("nine digits") << "100000000" << QVariant();
    }
    void hex2Dec()
    {
        QFETCH(QString, text);
        QFETCH(QVariant, value);
        const std::optional<int> read = Hex2Dec(text);
        QCOMPARE(read ? QVariant(*read) : QVariant(), value);
    }
};

TINTWELL_TEST_MAIN(tst_TextForms)
#include "tst_TextForms.moc"
