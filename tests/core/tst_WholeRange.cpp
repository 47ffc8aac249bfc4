#include "ColorConverter.h"
#include "ModColConverter.h"
#include "TestMain.h"
#include "modAnycolour.h"
#include "modRGBtoHSL.h"

#include <cstdlib>
#include <thread>

namespace {

bool inRange(const ColourTriple& t, int maxHue)
{
    return t.hue >= 0 && t.hue <= maxHue && t.saturation >= 0 && t.saturation <= 100 &&
           t.third >= 0 && t.third <= 100;
}

// The first colour in [first, end) that breaks a property, and which one; -1 when none does.
std::pair<int, const char*> sweep(int first, int end)
{
    const ColorConverter cc{};
    for (int colour = first; colour < end; ++colour) {
        const int red = cc.Red(colour), green = cc.Green(colour), blue = cc.Blue(colour);
        const auto found = [colour](const char* property) { return std::pair(colour, property); };
        if (cc.RGBToLong(red, green, blue) != colour) return found("RGBToLong of the bytes");

        const int packed = cc.RGBToHSB(colour);
        const ColourTriple hsb{packed >> 16, (packed >> 8) & 0xFF, packed & 0xFF};
        const ColourTriple tableHsb = modRGBtoHSL::ColourToHSB(colour);
        const ColourTriple hsl = modRGBtoHSL::ColourToHSL(colour);
        if (!inRange(hsb, 359) || !inRange(tableHsb, 360) || !inRange(hsl, 360))
            return found("a part out of range");
        // The two HSB routines round differently, but never by more than one unit.
        const int hueGap = std::abs(hsb.hue - tableHsb.hue % 360);
        if (std::min(hueGap, 360 - hueGap) > 1 || tableHsb.third != hsb.third ||
            std::abs(tableHsb.saturation - hsb.saturation) > 1)
            return found("the two HSB routines disagree");
        if (hsl.hue != tableHsb.hue) return found("HSB and HSL hues disagree");
        // Whole percents and degrees cost a few levels per channel; a wrong sector or a swapped
        // channel costs far more.
        const int back = cc.HSBToRGB(packed);
        if (std::abs(cc.Red(back) - red) > 3 || std::abs(cc.Green(back) - green) > 3 ||
            std::abs(cc.Blue(back) - blue) > 3)
            return found("HSBToRGB strays from the colour");

        const QString html = ModColConverter::HtmlHexText(red, green, blue);
        const QString vbHex = ModColConverter::VBHexText(html);
        int mode = 0;
        const auto codes = modAnycolour::ShowLanguageCodes(red, green, blue, mode);
        const auto shaped = [](const QString& text, qsizetype size, QStringView prefix) {
            return text.size() == size && text.startsWith(prefix);
        };
        if (!shaped(html, 9, u"\"#") || !shaped(vbHex, 11, u"&H00") ||
            !shaped(codes.cpp, 10, u"0x00") || !shaped(codes.java, 9, u"$") ||
            !shaped(codes.photoshop, 6, u""))
            return found("a text form out of shape");
        // Digit order is fixed by the worked examples; the digits themselves must hold the colour.
        if (QStringView(codes.cpp).mid(2).toInt(nullptr, 16) != colour) return found("C++ value");
    }
    return {-1, nullptr};
}

} // namespace

class tst_WholeRange : public QObject {
    Q_OBJECT

private slots:
    void everyColourKeepsItsFormsInShapeAndInStep()
    {
        constexpr int colours = 1 << 24;
        std::pair<int, const char*> upper;
        std::thread helper([&upper] { upper = sweep(colours / 2, colours); });
        const std::pair<int, const char*> lower = sweep(0, colours / 2);
        helper.join();
        for (const auto& [colour, property] : {lower, upper})
            QVERIFY2(colour < 0,
                     qPrintable(QString::number(colour, 16) + QStringLiteral(": ") + property));
    }
};

TINTWELL_TEST_MAIN(tst_WholeRange)
#include "tst_WholeRange.moc"
