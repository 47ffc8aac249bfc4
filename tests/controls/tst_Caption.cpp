#include "Caption.h"
#include "TestMain.h"

const QRgb Form = qRgb(10, 20, 30), Ink = qRgb(255, 0, 0), Edge = qRgb(0, 255, 0),
           Grey = qRgb(128, 128, 128);
const QVariantMap Plain{{"CaptionOutlined", false}, {"CaptionShadowed", false}};

// "Ab" on a form of one colour, unsmoothed so that each letter pixel has exactly its pen's colour.
static QImage shot(const QVariantMap& properties)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(24);
    font.setStyleStrategy(QFont::NoAntialias);
    const QVariantMap base{{"Caption", "Ab"},        {"Font", font},
                           {"CaptionINColor", 0xFF}, {"CaptionOUTColor", 0xFF00},
                           {"size", QSize(90, 50)},  {"palette", QPalette(Qt::black, Form)}};
    Caption caption;
    for (const QVariantMap& set : {base, properties})
        for (auto it = set.cbegin(); it != set.cend(); ++it)
            caption.setProperty(it.key().toLatin1(), it.value());
    return caption.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

class tst_Caption : public QObject {
    Q_OBJECT

private slots:
    // Over the form in this order: the shadow in grey 3 px right of and below the letters, the
    // outline on the eight pixels round each letter pixel, the letters. Disabled: a grey outline.
    void drawsShadowThenOutlineThenText_data()
    {
        QTest::addColumn<QVariantMap>("properties");
        QTest::addColumn<bool>("shadow");
        QTest::addColumn<QRgb>("outline"); // Form: none (only where nothing lies under it)
        QTest::newRow("text only") << Plain << false << Form;
        QTest::newRow("shadow and outline") << QVariantMap() << true << Edge;
        QTest::newRow("disabled") << QVariantMap{{"Enabled", false}} << false << Grey;
    }
    void drawsShadowThenOutlineThenText()
    {
        QFETCH(bool, shadow);
        QFETCH(QRgb, outline);
        const QImage plain = shot(Plain);
        QImage expected(plain.size(), QImage::Format_RGB32);
        expected.fill(Form);
        QList<QPoint> text;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x)
                if (plain.pixel(x, y) == Ink) text << QPoint(x, y);
        QVERIFY(text.size() > 50);
        for (const QPoint p : text)
            if (shadow) expected.setPixel(p + QPoint(3, 3), Grey);
        for (const int i : {0, 1, 2, 3, 5, 6, 7, 8, 4}) // outline steps, then centre: the letters
            for (const QPoint p : text)
                expected.setPixel(p + QPoint(i % 3 - 1, i / 3 - 1), i == 4 ? Ink : outline);
        QFETCH(QVariantMap, properties);
        QCOMPARE(shot(properties), expected);
    }
};

TINTWELL_TEST_MAIN(tst_Caption)
#include "tst_Caption.moc"
