#include "Hex2Dec.h"
#include "Numbers.h"
#include "TestMain.h"

#include <climits>
#include <cmath>

class tst_NumberTexts : public QObject {
    Q_OBJECT

private slots:
    void roundsHalvesToEvenAndSaturates()
    {
        QCOMPARE(Numbers::RoundHalfEven(2.5), 2);
        QCOMPARE(Numbers::RoundHalfEven(3.5), 4);
        QCOMPARE(Numbers::RoundHalfEven(-2.5), -2);
        QCOMPARE(Numbers::RoundHalfEven(2147483647.5), INT_MAX);
        QCOMPARE(Numbers::RoundHalfEven(-1e300), INT_MIN);
        QCOMPARE(Numbers::RoundHalfEven(NAN), 0);
    }

    void readsNumbersFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("numericValue"); // invalid when the text is not a number
        QTest::addColumn<double>("leadingNumber");
        QTest::newRow("blanks round it") << " 12\t" << QVariant(12.0) << 12.0;
        QTest::newRow("bare fraction") << "+.5" << QVariant(0.5) << 0.5;
        QTest::newRow("exponent") << "2.5E-1" << QVariant(0.25) << 2.5;
        QTest::newRow("underflow") << "1e-400" << QVariant(0.0) << 1.0;
        QTest::newRow("overflow") << "1e400" << QVariant() << 1.0;
        QTest::newRow("exponent without digits") << "1e" << QVariant() << 1.0;
        QTest::newRow("digits then letters") << "12abc" << QVariant() << 12.0;
        QTest::newRow("version") << "2.0.39" << QVariant() << 2.0;
        QTest::newRow("empty") << "" << QVariant() << 0.0;
        QTest::newRow("point only") << "." << QVariant() << 0.0;
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
        QTest::newRow("leading zero") << "000000001" << QVariant(1);
        QTest::newRow("G is -1") << "G" << QVariant(-1);
        QTest::newRow("lower case") << "ff" << QVariant(-17);
        QTest::newRow("top bit set") << "80000000" << QVariant();
        QTest::newRow("nine digits") << "100000000" << QVariant();
        QTest::newRow("1000 digits") << QString(1000, u'F') << QVariant();
    }
    void hex2Dec()
    {
        QFETCH(QString, text);
        QFETCH(QVariant, value);
        const std::optional<int> read = Hex2Dec(text);
        QCOMPARE(read ? QVariant(*read) : QVariant(), value);
    }
};

TINTWELL_TEST_MAIN(tst_NumberTexts)
#include "tst_NumberTexts.moc"
