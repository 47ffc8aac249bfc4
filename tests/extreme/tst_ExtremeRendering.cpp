#include "AccelRenderers.h"
#include "Numbers.h"
#include "PickerImages.h"
#include "PickerPainting.h"
#include "PlainRenderers.h"
#include "TestMain.h"
#include "cMemDC.h"

#include <QRegularExpression>

using namespace Extreme;

// A buffer as the renderers lay it out, from each pixel's colour (x from the left, y from below).
static QByteArray buffer(int W, int H, auto colour)
{
    QByteArray bytes(pvRowBytes(3 * W) * H, '\0');
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const RGB c = colour(x, y);
            char* p = bytes.data() + pvRowBytes(3 * W) * y + 3 * x;
            p[0] = char(c.Blue), p[1] = char(c.Green), p[2] = char(c.Red);
        }
    return bytes;
}

static QByteArray snapped(QByteArray bytes)
{
    std::ranges::transform(bytes, bytes.begin(), [](char b) { return WebSafeTable()[uchar(b)]; });
    return bytes;
}

// Of the pixels listed as "x,y=RRGGBB" (* for every column; the top row is 0), those that differ.
static QString mismatches(const QImage& image, const QString& expected)
{
    QStringList wrong;
    for (const QString& item : expected.split(u' ')) {
        const QStringList at = item.split(QRegularExpression("[,=]"));
        for (int x = 0; x < image.width(); ++x)
            if (const QRgb seen = image.pixel(x, at[1].toInt()) & 0xFFFFFF;
                (at[0] == "*" || at[0].toInt() == x) && seen != at[2].toUInt(nullptr, 16))
                wrong << QStringLiteral("%1,%2=%3").arg(x).arg(at[1]).arg(seen, 6, 16, QChar(u'0'));
    }
    return wrong.join(u' ');
}

// Whether a picture is the plain buffer's within one in every channel of every pixel.
static bool withinOne(const QImage& picture, const PixelBuffer& plain)
{
    const QImage other = pvFieldToPicture(plain);
    return picture.size() == other.size() &&
           std::equal(picture.constBits(), picture.constBits() + picture.sizeInBytes(),
                      other.constBits(), [](uchar a, uchar b) { return std::abs(a - b) <= 1; });
}

class tst_ExtremeRendering : public QObject {
    Q_OBJECT

private slots:
    // Every whole hue, saturation, brightness and channel value (and some fractions), at sizes from
    // the smallest up: the formula per pixel; web-safe, that snapped; accelerated, within one.
    void plainFieldsHoldTheirFormulaAtEveryPixel()
    {
        // A hue outside 0 to below 360 has no sextant: black.
        QCOMPARE((QList{pvHSBToRGB(-0.5, 100, 100), pvHSBToRGB(360, 50, 50)}), QList<RGB>(2));
        for (const auto& [W, H] : {std::pair{6, 2}, {18, 7}, {66, 37}, {234, 283}, {1200, 40}}) {
            const int D = (H - 1) * (W - 1), S = W / 6;
            for (int i = -3; i <= 360; ++i) {
                const double level = i < 0 ? std::array{0.5, 12.25, 99.99}[i + 3] : i;
                const RGB pure = pvHSBToRGB(level, 100, 100);
                const QByteArray hue = buffer(W, H, [&](int x, int y) {
                    const auto of = [&](int C) { return (255 * (W - 1) - x * (255 - C)) * y / D; };
                    return RGB{of(pure.Red), of(pure.Green), of(pure.Blue)};
                });
                const PixelBuffer plain = pvCreateRectHue(W, H, false, {level, 100, 100});
                QCOMPARE(plain.Bits, hue);
                QCOMPARE(pvCreateRectHue(W, H, true, {level, 100, 100}).Bits, snapped(hue));
                QVERIFY(withinOne(pvCreateRectHueAccel(W, H, {level, 100, 100}), plain));
                const int fixed8 = Numbers::RoundHalfEven(level * 2040) / 100;
                for (const auto field : {pvCreateRectSaturation, pvCreateRectBrightness}) {
                    const bool bySaturation = field == pvCreateRectSaturation;
                    if (level > 100) break;
                    const QByteArray expected = buffer(W, H, [&](int x, int y) {
                        const int y8 = (y * 2040) / (H - 1), sextant = x / S;
                        const int s8 = bySaturation ? fixed8 : y8, b8 = bySaturation ? y8 : fixed8;
                        const int M = b8 / 8, m = ((2040 - s8) * b8) / 16320;
                        const int j = sextant % 2 ? 2 * S - 1 - x % (2 * S) : x % S;
                        const int r = ((522240 - (256 - (j * 256) / S) * s8) * b8) / 4177920;
                        const RGB six[] = {{M, r, m}, {r, M, m}, {m, M, r},
                                           {m, r, M}, {r, m, M}, {M, m, r}};
                        return six[sextant];
                    });
                    QCOMPARE(field(W, H, false, level).Bits, expected);
                    QCOMPARE(field(W, H, true, level).Bits, snapped(expected));
                }
            }
            for (int channel = 0; channel < 3; ++channel)
                for (int v = 0; v < 256; ++v) {
                    const QByteArray expected = buffer(W, H, [&](int x, int y) {
                        const int a = (x * 255) / (W - 1), b = (y * 255) / (H - 1);
                        return std::array{RGB{v, a, b}, RGB{a, v, b}, RGB{a, b, v}}[channel];
                    });
                    const PixelBuffer plain = pvCreateRectRGB(W, H, false, v, channel);
                    QCOMPARE(plain.Bits, expected);
                    QCOMPARE(pvCreateRectRGB(W, H, true, v, channel).Bits, snapped(expected));
                    QVERIFY(v % 15 || withinOne(pvCreateRectRGBAccel(W, H, v, channel), plain));
                }
            for (const auto& web :
                 {pvCreateBarHue(H, true), pvCreateBarSaturation(H, true, 77.5, 60),
                  pvCreateBarBrightness(H, true, 300, 33.3), pvCreateBarRGB(H, true, 1)})
                QCOMPARE(snapped(web.Bits), web.Bits);
        }
    }

    // Hue 200: white, the pure hue, black along the bottom. Saturation 100: sextants meet at
    // primaries and secondaries. Red 0: black to cyan. Accelerated saturation: hue spread evenly,
    // black below; brightness: full hues above, grey below. Hue bar: 0 at the bottom, 359 on top.
    void picturesShowTheirFieldsTopRowFirst()
    {
        for (const auto& [picture, pixels] : std::initializer_list<std::pair<QImage, QString>>{
                 {pvFieldToPicture(pvCreateRectHue(234, 283, false, {200, 100, 100})),
                  "0,0=FFFFFF 233,0=00AAFF *,282=000000"},
                 {pvFieldToPicture(pvCreateRectSaturation(12, 4, false, 100)),
                  "0,0=FF0000 1,0=FF7F00 2,0=7FFF00 3,0=00FF00 4,0=00FF00 7,0=0000FF 8,0=0000FF "
                  "11,0=FF0000 *,3=000000"},
                 {pvFieldToPicture(pvCreateRectRGB(50, 30, false, 0, 0)),
                  "0,29=000000 49,0=00FFFF"},
                 {pvCreateRectSaturationAccel(8, 5, 100), "0,0=FF0000 7,0=FF0004 *,4=000000"},
                 {pvCreateRectBrightnessAccel(8, 5, 50), "0,0=800000 7,0=800002 *,4=808080"},
                 {pvBarToPicture(pvCreateBarHue(3, false)), "*,2=FF0000 *,1=00FFFD *,0=FF0004"}})
            QCOMPARE(mismatches(picture, pixels), QString());
    }

    // A mode's inputs include the web-safe flag and the size.
    void picturesAreRenderedAgainOnlyWhenTheirInputsChange_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<int>("input"); // 0-2 H, S, B; 3 channel; 4 width; 5 height; 6 web-safe
        QTest::addColumn<QList<bool>>("rendered"); // the field, the bar
        QTest::newRow("hue, same") << Mode::Hue << -1 << QList{false, false};
        QTest::newRow("hue, other hue") << Mode::Hue << 0 << QList{true, false};
        QTest::newRow("hue, web-safe") << Mode::Hue << 6 << QList{true, true};
        QTest::newRow("hue, wider") << Mode::Hue << 4 << QList{true, false};
        QTest::newRow("hue, one pixel taller") << Mode::Hue << 5 << QList{true, true};
        QTest::newRow("saturation, saturation") << Mode::Saturation << 1 << QList{true, false};
        QTest::newRow("saturation, hue") << Mode::Saturation << 0 << QList{false, true};
        QTest::newRow("brightness, brightness") << Mode::Brightness << 2 << QList{true, false};
        QTest::newRow("brightness, saturation") << Mode::Brightness << 1 << QList{false, true};
        QTest::newRow("green, green") << Mode::Green << 3 << QList{true, false};
        QTest::newRow("blue, hue") << Mode::Blue << 0 << QList{false, false};
    }
    void picturesAreRenderedAgainOnlyWhenTheirInputsChange()
    {
        QFETCH(Mode, mode);
        QFETCH(int, input);
        PickerImages cache;
        cache.Accelerate = true;
        QList<qint64> keys;
        for (const int delta : {0, 1}) {
            const auto d = [&](int i) { return i == input ? delta : 0; };
            cache.setSize(234 + 6 * d(4), 283 + d(5));
            const HSBTriple hsb{10.0 + d(0), 50.0 + d(1), 60.0 + d(2)};
            if (mode == Mode::Hue) cache.pvShowHue({hsb.Hue, 100, 100}, d(6));
            if (mode == Mode::Saturation) cache.pvShowSaturation(hsb, d(6));
            if (mode == Mode::Brightness) cache.pvShowBrightness(hsb, d(6));
            if (mode >= Mode::Red) cache.pvShowChannel(100 + d(3), int(mode) % 3, d(6));
            keys << cache.currentField().cacheKey() << cache.currentBar().cacheKey();
        }
        QTEST(QList({keys[2] != keys[0], keys[3] != keys[1]}), "rendered");
        QCOMPARE(cache.currentField().size(), QSize(cache.fieldWidth(), cache.fieldHeight()));
    }

    // Each drawing on a spot of its own on a white surface, then the pixels that prove them.
    void surfaceDrawing()
    {
        cMemDC dc;
        QVERIFY(dc.Init(32, 14) && dc.IsMemoryDC());
        dc.Cls(0xFFFFFF);
        const QImage before = dc.Image();
        // A right edge left of the left one reaches the surface's edge.
        dc.FillRect(28, 0, 0, 1, 0x0000FF);
        // The default pen is black, and a line stops short of its end point.
        dc.DrawLine(0, 1, 0, 5, -1);
        // Gradients: exact at both ends, truncated between; line by line, halves go to even.
        dc.FillGradient(2, 1, 5, 2, 0, 0xFFFFFF, false);
        cMemDC::SetGradientFillAvailable(false);
        dc.FillGradient(2, 2, 5, 3, 0, 0xFFFFFF, false);
        cMemDC::SetGradientFillAvailable(true);
        // 24-bit rows come bottom first, each padded to four bytes.
        dc.SetDIBits(6, 1, 1, 2, QByteArray::fromHex("0000FF0000FF0000"));
        // Mask colour but for a dark and a light pixel on top: copied without it, then embossed.
        cMemDC source;
        source.Init(3, 2);
        source.SetDIBits(0, 0, 3, 2,
                         QByteArray::fromHex("FF00FFFF00FFFF00FF000000202020E0E0E0FF00FF000000"));
        source.TransBlt(dc.hdc(), 8, 1, 0, 0, 0, 0, 0xFF00FF);
        source.DisabledBlt(dc.hdc(), 12, 1, 0, 0, 0, 0, 0xFF00FF, 0x00FF00, 0x0000FF);
        // An icon of nothing but the mask colour draws nothing.
        source.Cls(0xFF00FF);
        dc.PaintPicture(source.ExtractIcon(0xFF00FF), 16, 1);
        // A sunken outer edge: the default palette's shadow above and left, light below and right.
        dc.FillRect(20, 1, 26, 5, 0);
        dc.DrawEdge(20, 1, 26, 5, 2, 15);
        // The bar arrows point at their row 3 from both sides.
        dc.PaintPicture(pvArrowPicture(), 0, 6);
        const QString proof =
            "27,0=FFFFFF 28,0=FF0000 31,0=FF0000 0,1=000000 0,4=000000 0,5=FFFFFF 2,1=000000 "
            "3,1=7F7F7F 4,1=FFFFFF 3,2=808080 6,1=00FF00 6,2=FF0000 7,1=FFFFFF 8,1=202020 "
            "9,1=E0E0E0 10,1=FFFFFF 8,2=FFFFFF 12,1=FF0000 13,2=00FF00 13,1=FFFFFF 14,2=FFFFFF "
            "16,1=FFFFFF 18,2=FFFFFF 20,3=9F9F9F 22,1=9F9F9F 25,3=FFFFFF 22,4=FFFFFF 22,3=000000 "
            "0,6=000000 0,12=000000 3,9=000000 3,8=FFFFFF 4,9=FFFFFF 14,9=FFFFFF 25,9=000000 "
            "28,6=000000 28,12=000000";
        QCOMPARE(mismatches(dc.Image(), proof), QString());
        // A picture taken earlier is a copy: the drawing afterwards left it as it was.
        QCOMPARE(mismatches(before, "*,0=FFFFFF *,1=FFFFFF *,9=FFFFFF"), QString());
    }
};

TINTWELL_TEST_MAIN(tst_ExtremeRendering)
#include "tst_ExtremeRendering.moc"
