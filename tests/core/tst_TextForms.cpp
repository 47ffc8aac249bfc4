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
        QTest::addColumn<QStringList>("forms");
        // html, VB long, VB hex, RGB(, C++, "$", Delphi, Photoshop
        QTest::newRow("red") << 255 << 0 << 0
                             << QStringList{"\"#FF0000\"",  "255",        "&H000000FF&",
                                            "RGB(255,0,0)", "0x000000FF", "$000000FF",
                                            "0xFF00",       "FF0000"};
        QTest::newRow("18/52/86") << 18 << 52 << 86
                                  << QStringList{"\"#123456\"",   "5649426",    "&H00563412&",
                                                 "RGB(18,52,86)", "0x00563412", "$00563412",
                                                 "0x214365",      "123456"};
        QTest::newRow("10/0/5") << 10 << 0 << 5
                                << QStringList{"\"#0A0005\"", "327690",     "&H0005000A&",
                                               "RGB(10,0,5)", "0x0005000A", "$0005000A",
                                               "0xA0005",     "0A0005"};
        QTest::newRow("white") << 255 << 255 << 255
                               << QStringList{"\"#FFFFFF\"",      "16777215",   "&H00FFFFFF&",
                                              "RGB(255,255,255)", "0x00FFFFFF", "$00FFFFFF",
                                              "0xFFFFFF",         "FFFFFF"};
        QTest::newRow("black") << 0 << 0 << 0
                               << QStringList{"\"#000000\"", "0",          "&H00000000&",
                                              "RGB(0,0,0)",  "0x00000000", "$00000000",
                                              "0x0000",      "000000"};
    }
    void everyFormOfAColour()
    {
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(QStringList, forms);

        const QString html = HtmlHexText(red, green, blue);
        int mode = 0;
        const modAnycolour::LanguageCodes codes =
            modAnycolour::ShowLanguageCodes(red, green, blue, mode);
        const QStringList built{
            html,
            VBLongText(red, green, blue),
            VBHexText(html),
            RGBText(QString::number(red), QString::number(green), QString::number(blue)),
            codes.cpp,
            codes.java,
            codes.delphi,
            codes.photoshop};
        QCOMPARE(built, forms);
        QCOMPARE(mode, 0);
    }

    void languageCodesClampModeAndChannels_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("clampedMode");
        QTest::newRow("below") << -3 << 0;
        QTest::newRow("inside") << 1 << 1;
        QTest::newRow("above") << 7 << 2;
    }
    void languageCodesClampModeAndChannels()
    {
        QFETCH(int, mode);
        QFETCH(int, clampedMode);
        const modAnycolour::LanguageCodes codes =
            modAnycolour::ShowLanguageCodes(300, -4, 16, mode);
        QCOMPARE(mode, clampedMode);
        QCOMPARE(codes.cpp, QStringLiteral("0x001000FF"));
        QCOMPARE(codes.photoshop, QStringLiteral("FF0010"));
    }

    void vbHexTakesPairsByPositionAndSurvivesShortText_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("vbHex");
        QTest::newRow("empty") << ""
                               << "&H00&";
        QTest::newRow("red pair only") << "\"#12"
                                       << "&H0012&";
        QTest::newRow("no closing quote") << "\"#123456"
                                          << "&H00563412&";
    }
    void vbHexTakesPairsByPositionAndSurvivesShortText()
    {
        QFETCH(QString, html);
        QFETCH(QString, vbHex);
        QCOMPARE(VBHexText(html), vbHex);
    }

    void rgbTextKeepsFieldTextsAsTheyStand()
    {
        QCOMPARE(RGBText("018", " 52", ""), QStringLiteral("RGB(018, 52,)"));
    }

    void twoDigitHexPadsOnlySingleDigits()
    {
        QCOMPARE(TwoDigitHex(0), QStringLiteral("00"));
        QCOMPARE(TwoDigitHex(10), QStringLiteral("0A"));
        QCOMPARE(TwoDigitHex(171), QStringLiteral("AB"));
        QCOMPARE(TwoDigitHex(300), QStringLiteral("12C"));
    }
};

TINTWELL_TEST_MAIN(tst_TextForms)
#include "tst_TextForms.moc"
