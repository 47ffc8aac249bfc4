#include "ColorConverter.h"
#include "Hex2Dec.h"
#include "ModColConverter.h"
#include "TestMain.h"
#include "modAnycolour.h"
#include "modRGBtoHSL.h"

#include <cstdlib>
#include <thread>

namespace {

struct Finding {
    int colour = -1;
    const char* property = nullptr;
};

bool within(int value, int low, int high)
{
    return value >= low && value <= high;
}

bool triplePartsInRange(const ColourTriple& t)
{
    return within(t.hue, 0, 360) && within(t.saturation, 0, 100) && within(t.third, 0, 100);
}

int hueDistance(int a, int b)
{
    const int d = std::abs(a % 360 - b % 360);
    return d > 180 ? 360 - d : d;
}

// Every check here compares independent routines or fixed shapes, never a formula restated.
Finding sweep(int first, int end)
{
    const ColorConverter converter{};
    for (int colour = first; colour < end; ++colour) {
        const auto found = [colour](const char* property) { return Finding{colour, property}; };
        const int red = converter.Red(colour);
        const int green = converter.Green(colour);
        const int blue = converter.Blue(colour);
        if (converter.RGBToLong(red, green, blue) != colour) return found("RGBToLong of the bytes");

        const int hsb = converter.RGBToHSB(colour);
        if (!within(hsb >> 16, 0, 359) || !within((hsb >> 8) & 0xFF, 0, 100) ||
            !within(hsb & 0xFF, 0, 100))
            return found("RGBToHSB part out of range");
        const ColourTriple tableHsb = modRGBtoHSL::ColourToHSB(colour);
        const ColourTriple hsl = modRGBtoHSL::ColourToHSL(colour);
        if (!triplePartsInRange(tableHsb)) return found("ColourToHSB part out of range");
        if (!triplePartsInRange(hsl)) return found("ColourToHSL part out of range");
        // The routines round differently but must agree to within one unit.
        if (tableHsb.third != (hsb & 0xFF)) return found("brightness of the two HSB routines");
        if (std::abs(tableHsb.saturation - ((hsb >> 8) & 0xFF)) > 1)
            return found("saturation of the two HSB routines");
        if (hueDistance(tableHsb.hue, hsb >> 16) > 1) return found("hue of the two HSB routines");
        if (hsl.hue != tableHsb.hue) return found("hue of HSB and HSL");

        // Whole percents and degrees cost a few levels per channel; a wrong sector or a swapped
        // channel costs far more.
        const int back = converter.HSBToRGB(hsb);
        if (std::abs(converter.Red(back) - red) > 3 ||
            std::abs(converter.Green(back) - green) > 3 ||
            std::abs(converter.Blue(back) - blue) > 3)
            return found("HSBToRGB of RGBToHSB strays");

        const QString html = ModColConverter::HtmlHexText(red, green, blue);
        const QString vbHex = ModColConverter::VBHexText(html);
        int mode = 0;
        const modAnycolour::LanguageCodes codes =
            modAnycolour::ShowLanguageCodes(red, green, blue, mode);
        if (html.size() != 9 || !html.startsWith(u"\"#") || !html.endsWith(u'"'))
            return found("HTML hex shape");
        if (vbHex.size() != 11 || !vbHex.startsWith(u"&H00") || !vbHex.endsWith(u'&'))
            return found("VB hex shape");
        if (codes.cpp.size() != 10 || !codes.cpp.startsWith(u"0x00")) return found("C++ shape");
        if (codes.java.size() != 9 || !codes.java.startsWith(u'$')) return found("$ form shape");
        if (codes.photoshop.size() != 6) return found("Photoshop shape");
        if (!within(codes.delphi.size(), 4, 8) || !codes.delphi.startsWith(u"0x"))
            return found("Delphi shape");

        // Photoshop is read back by the hex parser, which knows upper case only; the other hex
        // forms must carry the same digits, and the C++ literal must read back as the colour.
        if (Hex2Dec(codes.photoshop) != (red << 16 | green << 8 | blue))
            return found("Photoshop digits");
        if (QStringView(html).mid(2, 6) != codes.photoshop) return found("HTML against Photoshop");
        if (QStringView(vbHex).mid(4, 6) != QStringView(codes.cpp).mid(4))
            return found("VB hex against C++");
        if (QStringView(codes.java).mid(1) != QStringView(codes.cpp).mid(2))
            return found("$ form against C++");
        bool parsed = false;
        if (QStringView(codes.cpp).mid(2).toUInt(&parsed, 16) != uint(colour) || !parsed)
            return found("C++ value");
        if (ModColConverter::VBLongText(red, green, blue) != QString::number(colour))
            return found("VB long");
    }
    return {};
}

} // namespace

class tst_WholeRange : public QObject {
    Q_OBJECT

private slots:
    void everyColourKeepsEveryFormInShapeAndInStep()
    {
        constexpr int colours = 1 << 24;
        Finding upper;
        std::thread helper([&upper] { upper = sweep(colours / 2, colours); });
        const Finding lower = sweep(0, colours / 2);
        helper.join();

        for (const Finding& f : {lower, upper}) {
            QVERIFY2(f.colour < 0, qPrintable(QStringLiteral("colour 0x%1: %2")
                                                  .arg(f.colour, 6, 16, QLatin1Char('0'))
                                                  .arg(QLatin1StringView(f.property))));
        }
    }
};

TINTWELL_TEST_MAIN(tst_WholeRange)
#include "tst_WholeRange.moc"
