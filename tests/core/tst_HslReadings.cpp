#include "TestMain.h"
#include "modRGBtoHSL.h"

namespace {

int rgb(int red, int green, int blue)
{
    return red | green << 8 | blue << 16;
}

} // namespace

Q_DECLARE_METATYPE(ColourTriple)

namespace QTest {
template <> char* toString(const ColourTriple& t)
{
    return qstrdup(QByteArray::number(t.hue) + ',' + QByteArray::number(t.saturation) + ',' +
                   QByteArray::number(t.third));
}
} // namespace QTest

class tst_HslReadings : public QObject {
    Q_OBJECT

private slots:
    void readings_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<ColourTriple>("hsb");
        QTest::addColumn<ColourTriple>("hsl");
        QTest::addColumn<QString>("hslText");
        QTest::newRow("black") << 0 << ColourTriple{0, 0, 0} << ColourTriple{0, 0, 0} << "0,0,0";
        QTest::newRow("white") << rgb(255, 255, 255) << ColourTriple{0, 0, 100}
                               << ColourTriple{0, 0, 100} << "0,0,100";
        QTest::newRow("grey 128") << rgb(128, 128, 128) << ColourTriple{0, 0, 50}
                                  << ColourTriple{0, 0, 50} << "0,0,50";
        QTest::newRow("red") << rgb(255, 0, 0) << ColourTriple{0, 100, 100}
                             << ColourTriple{0, 100, 50} << "0,100,50";
        QTest::newRow("18/52/86") << rgb(18, 52, 86) << ColourTriple{210, 79, 34}
                                  << ColourTriple{210, 65, 20} << "210,65,20";
        QTest::newRow("10/0/5") << rgb(10, 0, 5) << ColourTriple{330, 100, 4}
                                << ColourTriple{330, 100, 2} << "330,100,2";
        QTest::newRow("hue 360 just below red") << rgb(255, 0, 1) << ColourTriple{360, 100, 100}
                                                << ColourTriple{360, 100, 50} << "360,100,50";
        QTest::newRow("yellow") << rgb(255, 255, 0) << ColourTriple{60, 100, 100}
                                << ColourTriple{60, 100, 50} << "60,100,50";
        QTest::newRow("green") << rgb(0, 255, 0) << ColourTriple{120, 100, 100}
                               << ColourTriple{120, 100, 50} << "120,100,50";
        // Light colours take their saturation against the distance to white.
        QTest::newRow("light blue") << rgb(128, 128, 255) << ColourTriple{240, 50, 100}
                                    << ColourTriple{240, 100, 75} << "240,100,75";
        // 60 / 56 as a float is a hair short, so 7.5 degrees rounds down instead of to even 8.
        QTest::newRow("float sixty over delta")
            << rgb(56, 7, 0) << ColourTriple{7, 100, 22} << ColourTriple{7, 100, 11} << "7,100,11";
    }
    void readings()
    {
        QFETCH(int, colour);
        QFETCH(ColourTriple, hsb);
        QFETCH(ColourTriple, hsl);
        QFETCH(QString, hslText);
        QCOMPARE(modRGBtoHSL::ColourToHSB(colour), hsb);
        QCOMPARE(modRGBtoHSL::ColourToHSL(colour), hsl);
        QCOMPARE(modRGBtoHSL::HSLText(colour), hslText);
    }

    void onlyTheLowThreeBytesCount()
    {
        QCOMPARE(modRGBtoHSL::ColourToHSB(int(0x80563412)), modRGBtoHSL::ColourToHSB(0x563412));
        QCOMPARE(modRGBtoHSL::ColourToHSL(int(0x80563412)), modRGBtoHSL::ColourToHSL(0x563412));
    }
};

TINTWELL_TEST_MAIN(tst_HslReadings)
#include "tst_HslReadings.moc"
