#include "ModColConverter.h"
#include "TestMain.h"
#include "modAnycolour.h"

using namespace ModColConverter;

class tst_TextForms : public QObject {
    Q_OBJECT

private slots:
    void everyFormOfAColour_data()
    {
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        // HTML, VB long, VB hex, RGB(, C++, "$", Delphi and Photoshop, one blank between forms
        QTest::addColumn<QString>("forms");
        QTest::newRow("red") << 255 << 0 << 0
                             << R"("#FF0000" 255 &H000000FF& RGB(255,0,0) 0x000000FF $000000FF )"
                                R"(0xFF00 FF0000)";
        QTest::newRow("18/52/86")
            << 18 << 52 << 86
            << R"("#123456" 5649426 &H00563412& RGB(18,52,86) 0x00563412 $00563412 0x214365 123456)";
        QTest::newRow("10/0/5")
            << 10 << 0 << 5
            << R"("#0A0005" 327690 &H0005000A& RGB(10,0,5) 0x0005000A $0005000A 0xA0005 0A0005)";
        QTest::newRow("white") << 255 << 255 << 255
                               << R"("#FFFFFF" 16777215 &H00FFFFFF& RGB(255,255,255) 0x00FFFFFF )"
                                  R"($00FFFFFF 0xFFFFFF FFFFFF)";
        QTest::newRow("black")
            << 0 << 0 << 0
            << R"("#000000" 0 &H00000000& RGB(0,0,0) 0x00000000 $00000000 0x0000 000000)";
    }
    void everyFormOfAColour()
    {
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(QString, forms);
        const QString html = HtmlHexText(red, green, blue);
        int mode = 0;
        const auto codes = modAnycolour::ShowLanguageCodes(red, green, blue, mode);
        const QString rgbText =
            RGBText(QString::number(red), QString::number(green), QString::number(blue));
        QCOMPARE(QStringList({html, VBLongText(red, green, blue), VBHexText(html), rgbText,
                              codes.cpp, codes.java, codes.delphi, codes.photoshop})
                     .join(u' '),
                 forms);
        QCOMPARE(mode, 0);
    }

    void languageCodesClampTheModeAndTheChannels()
    {
        int mode = 7;
        QCOMPARE(modAnycolour::ShowLanguageCodes(300, -4, 16, mode).cpp,
                 QStringLiteral("0x001000FF"));
        QCOMPARE(mode, 2);
        mode = -3;
        QCOMPARE(modAnycolour::ShowLanguageCodes(0, 0, 0, mode).photoshop,
                 QStringLiteral("000000"));
        QCOMPARE(mode, 0);
    }

    void formsOfTextTakeItAsItStands()
    {
        QCOMPARE(RGBText("018", " 52", ""), QStringLiteral("RGB(018, 52,)"));
        QCOMPARE(VBHexText("\"#12"), QStringLiteral("&H0012&"));
        QCOMPARE(VBHexText(""), QStringLiteral("&H00&"));
        QCOMPARE(TwoDigitHex(10), QStringLiteral("0A"));
    }
};

TINTWELL_TEST_MAIN(tst_TextForms)
#include "tst_TextForms.moc"
