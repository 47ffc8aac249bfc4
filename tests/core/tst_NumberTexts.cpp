#include "Hex2Dec.h"
#include "Numbers.h"
#include "TestMain.h"

#include <climits>
#include <limits>

class tst_NumberTexts : public QObject {
    Q_OBJECT

private slots:
    void roundsHalvesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("3.5") << 3.5 << 4;
        QTest::newRow("127.5") << 127.5 << 128;
        QTest::newRow("-2.5") << -2.5 << -2;
        QTest::newRow("-0.47") << -0.47 << 0;
        QTest::newRow("-0.71") << -0.71 << -1;
        QTest::newRow("just above a half") << 76.500003 << 77;
        QTest::newRow("too large") << 1e300 << INT_MAX;
        QTest::newRow("too small") << -1e300 << INT_MIN;
        QTest::newRow("a half above INT_MAX") << 2147483647.5 << INT_MAX;
        QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 0;
    }
    void roundsHalvesToEven()
    {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(Numbers::RoundHalfEven(value), rounded);
    }

    void numericValueAcceptsOnlyAWholeDecimalNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::addColumn<double>("value");
        QTest::newRow("blanks round it") << " 12\t" << true << 12.0;
        QTest::newRow("sign and fraction") << "-3.5" << true << -3.5;
        QTest::newRow("bare fraction") << "+.5" << true << 0.5;
        QTest::newRow("trailing point") << "7." << true << 7.0;
        QTest::newRow("exponent") << "2.5E-1" << true << 0.25;
        QTest::newRow("underflow reads 0") << "1e-400" << true << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blanks") << "   " << false << 0.0;
        QTest::newRow("letters after") << "12abc" << false << 0.0;
        QTest::newRow("point only") << "." << false << 0.0;
        QTest::newRow("exponent without digits") << "1e" << false << 0.0;
        QTest::newRow("comma") << "1,5" << false << 0.0;
        QTest::newRow("hex") << "0x10" << false << 0.0;
        QTest::newRow("inf") << "inf" << false << 0.0;
        QTest::newRow("nan") << "nan" << false << 0.0;
        QTest::newRow("overflow") << "1e400" << false << 0.0;
    }
    void numericValueAcceptsOnlyAWholeDecimalNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QFETCH(double, value);
        const std::optional<double> read = Numbers::NumericValue(text);
        QCOMPARE(read.has_value(), numeric);
        if (numeric) QCOMPARE(*read, value);
    }

    void leadingNumberReadsTheStartOnly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("digits then letters") << "12abc" << 12.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blanks, sign, fraction") << "  -3.5kg" << -3.5;
        QTest::newRow("version") << "2.0.39" << 2.0;
        QTest::newRow("bare fraction") << ".5" << 0.5;
        QTest::newRow("sign alone") << "+" << 0.0;
        QTest::newRow("no exponent") << "1e3" << 1.0;
    }
    void leadingNumberReadsTheStartOnly()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Numbers::LeadingNumber(text), value);
    }

    void hex2Dec_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<int>>("value");
        QTest::newRow("empty") << "" << std::optional<int>(0);
        QTest::newRow("RRGGBB") << "FF0000" << std::optional<int>(16711680);
        QTest::newRow("largest") << "7FFFFFFF" << std::optional<int>(INT_MAX);
        QTest::newRow("leading zeros") << "000000001" << std::optional<int>(1);
        QTest::newRow("G is -1") << "G" << std::optional<int>(-1);
        QTest::newRow("lower case") << "ff" << std::optional<int>(-17);
        QTest::newRow("eight foreign digits") << "GGGGGGGG" << std::optional<int>(-286331153);
        QTest::newRow("top bit set") << "80000000" << std::optional<int>();
        QTest::newRow("nine digits") << "100000000" << std::optional<int>();
        QTest::newRow("nine foreign digits") << "GGGGGGGGG" << std::optional<int>();
        QTest::newRow("1000 digits") << QString(1000, u'F') << std::optional<int>();
        QTest::newRow("1000 zeros") << QString(1000, u'0') << std::optional<int>();
    }
    void hex2Dec()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<int>, value);
        QCOMPARE(Hex2Dec(text), value);
    }
};

TINTWELL_TEST_MAIN(tst_NumberTexts)
#include "tst_NumberTexts.moc"
