#include "PlainRenderers.h"

#include "Numbers.h"

#include <QtEndian>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace Extreme {

namespace {

using Numbers::RoundHalfEven;

// Four 32-bit integers added, compared and masked side by side (GCC and Clang vectors).
using Lanes = std::int32_t __attribute__((vector_size(16)));

// floor((start + k * step) / divisor) for k = 0, 1, 2, ... without a division per term: the
// quotient and the remainder move on by those of the step. All terms are non-negative.
class SteppedQuotient {
public:
    SteppedQuotient(std::int64_t start, std::int64_t step, std::int64_t divisor)
        : q_(start / divisor), r_(start % divisor), stepQ_(step / divisor), stepR_(step % divisor),
          divisor_(divisor)
    {
    }
    int value() const { return static_cast<int>(q_); }
    void next()
    {
        // Without a branch: the carry comes at no pattern a predictor could learn.
        r_ += stepR_;
        const std::int64_t carry = r_ >= divisor_;
        q_ += stepQ_ + carry;
        r_ -= carry * divisor_;
    }

private:
    std::int64_t q_, r_, stepQ_, stepR_, divisor_;
};

// floor(k * numerator / divisor) for k = 0 .. count - 1.
std::vector<int> quotients(int count, std::int64_t numerator, std::int64_t divisor)
{
    std::vector<int> result(count);
    SteppedQuotient q(0, numerator, divisor);
    for (int& value : result) {
        value = q.value();
        q.next();
    }
    return result;
}

// A buffer whose pixels the renderer fills; only the row padding is cleared here.
PixelBuffer blank(int width, int height)
{
    const int stride = pvRowBytes(width * 3);
    PixelBuffer buffer{width, height, QByteArray(qsizetype(stride) * height, Qt::Uninitialized)};
    for (int y = 0; y < height; ++y)
        std::memset(buffer.Bits.data() + qsizetype(stride) * y + width * 3, 0, stride - width * 3);
    return buffer;
}

// The pixel buffer's row y counted from the bottom, which is where the buffer starts.
std::uint8_t* row(PixelBuffer& buffer, int y)
{
    return reinterpret_cast<std::uint8_t*>(buffer.Bits.data()) +
           qsizetype(pvRowBytes(buffer.Width * 3)) * y;
}

// Levels as stored: snapped to the web-safe ones when asked.
int snapped(int level, bool webSafe)
{
    return webSafe ? WebSafeTable()[std::clamp(level, 0, 255)] : std::clamp(level, 0, 255);
}

// Levels a field computes, all within 0 to 255 already.
void snapAll(std::vector<int>& levels, bool webSafe)
{
    if (!webSafe) return;
    for (int& level : levels)
        level = WebSafeTable()[level];
}

void setPixel(std::uint8_t* line, int x, int red, int green, int blue)
{
    std::uint8_t* pixel = line + 3 * x;
    pixel[0] = static_cast<std::uint8_t>(blue);
    pixel[1] = static_cast<std::uint8_t>(green);
    pixel[2] = static_cast<std::uint8_t>(red);
}

bool fieldFits(int W, int H, int minimumWidth)
{
    return W >= minimumWidth && H >= 2;
}

// The saturation and brightness fields: one level fixed for the field, the other rising by row.
// Each row has a full level M, an empty level m and, per column pair of each sextant, a rising
// level r read from a table over the 256 fractions f of a sextant.
PixelBuffer sextantField(int W, int H, bool webSafe, double fixedLevel, bool saturationFixed)
{
    if (!fieldFits(W, H, 6)) return {};
    PixelBuffer buffer = blank(W, H);
    const int S = W / 6;
    const int fixed8 = RoundHalfEven(pvClamp(fixedLevel, 0, 100) * 2040) / 100;
    const std::vector<int> fraction = quotients(S, 256, S);
    const std::vector<int> byRow = quotients(H, 2040, H - 1);
    std::vector<int> rising(256);
    for (int y = 0; y < H; ++y) {
        const int s8 = saturationFixed ? fixed8 : byRow[y];
        const int b8 = saturationFixed ? byRow[y] : fixed8;
        SteppedQuotient r(std::int64_t(522240 - 256 * s8) * b8, std::int64_t(s8) * b8, 4177920);
        for (int& level : rising) {
            level = r.value();
            r.next();
        }
        snapAll(rising, webSafe);
        const int M = snapped(b8 / 8, webSafe);
        const int m = snapped(((2040 - s8) * b8) / 16320, webSafe);
        std::uint8_t* line = row(buffer, y);
        for (int j = 0; j < S; ++j) {
            const int rj = rising[fraction[j]];
            setPixel(line, j, M, rj, m);
            setPixel(line, 2 * S - 1 - j, rj, M, m);
            setPixel(line, 2 * S + j, m, M, rj);
            setPixel(line, 4 * S - 1 - j, m, rj, M);
            setPixel(line, 4 * S + j, rj, m, M);
            setPixel(line, 6 * S - 1 - j, M, m, rj);
        }
        // Columns past the last whole sextant (a width no multiple of 6) stay black.
        std::memset(line + 18 * S, 0, 3 * (W - 6 * S));
    }
    return buffer;
}

// A bar: every row one colour, across all 16 pixels.
template <typename RowColour> PixelBuffer bar(int Hbar, bool webSafe, RowColour colourOfRow)
{
    if (Hbar < 2) return {};
    PixelBuffer buffer = blank(BarWidth, Hbar);
    for (int y = 0; y < Hbar; ++y) {
        const RGB c = colourOfRow(y);
        std::uint8_t* line = row(buffer, y);
        for (int x = 0; x < BarWidth; ++x)
            setPixel(line, x, snapped(c.Red, webSafe), snapped(c.Green, webSafe),
                     snapped(c.Blue, webSafe));
    }
    return buffer;
}

} // namespace

int pvRowBytes(int n)
{
    return (n + 3) & ~3;
}

PixelBuffer pvCreateRectHue(int W, int H, bool webSafe, const HSBTriple& pureHue)
{
    const std::int64_t D = std::int64_t(H - 1) * (W - 1);
    // Beyond 2^30 pixels the quotients would outgrow their 32-bit lanes (and no memory holds
    // such a field anyway).
    if (!fieldFits(W, H, 2) || D >= (std::int64_t(1) << 30)) return {};
    PixelBuffer buffer = blank(W, H);
    const RGB pure = pvHSBToRGB(pureHue);
    // Column W - 1 - k of row y holds (k (255 - C) y + C y (W - 1)) div D for each channel C:
    // floor(y u / D) with u = k (255 - C) + C (W - 1). Going up a row adds u to the numerator,
    // so each column keeps its quotient and remainder and adds those of u, four columns at a time.
    // The lanes run by column x from the left.
    const int lanes = (W + 3) / 4;
    struct Channel {
        std::vector<Lanes> q, r, stepQ, stepR;
    };
    const auto channel = [&](int C) {
        Channel c{std::vector<Lanes>(lanes), std::vector<Lanes>(lanes), std::vector<Lanes>(lanes),
                  std::vector<Lanes>(lanes)};
        for (int x = 0; x < W; ++x) {
            const std::int64_t u = std::int64_t(W - 1 - x) * (255 - C) + std::int64_t(C) * (W - 1);
            c.stepQ[x / 4][x % 4] = static_cast<std::int32_t>(u / D);
            c.stepR[x / 4][x % 4] = static_cast<std::int32_t>(u % D);
        }
        return c;
    };
    Channel channels[] = {channel(pure.Blue), channel(pure.Green), channel(pure.Red)};
    const Lanes divisor = Lanes{} + static_cast<std::int32_t>(D);
    // r > D - 1 is r >= D in the one comparison the processor has for it.
    const Lanes lastRemainder = divisor - 1;
    const std::uint8_t* table = WebSafeTable().data();
    // One row's levels into its bytes: a pixel and the next one's first byte in one store (that
    // byte is written again next).
    const auto pack = [&](std::uint8_t* line, auto level) {
        const auto* blue = reinterpret_cast<const std::int32_t*>(channels[0].q.data());
        const auto* green = reinterpret_cast<const std::int32_t*>(channels[1].q.data());
        const auto* red = reinterpret_cast<const std::int32_t*>(channels[2].q.data());
        for (int x = 0; x < W - 1; ++x) {
            const std::uint32_t bgr =
                qToLittleEndian(level(blue[x]) | level(green[x]) << 8 | level(red[x]) << 16);
            std::memcpy(line + 3 * x, &bgr, sizeof bgr);
        }
        setPixel(line, W - 1, level(red[W - 1]), level(green[W - 1]), level(blue[W - 1]));
    };
    for (int y = 0; y < H; ++y) {
        if (webSafe)
            pack(row(buffer, y), [table](std::int32_t q) { return std::uint32_t(table[q]); });
        else
            pack(row(buffer, y), [](std::int32_t q) { return std::uint32_t(q); });
        for (Channel& c : channels)
            for (int i = 0; i < lanes; ++i) {
                const Lanes r = c.r[i] + c.stepR[i];
                const Lanes carry = r > lastRemainder; // -1 where the remainder overflowed
                c.q[i] += c.stepQ[i] - carry;
                c.r[i] = r - (carry & divisor);
            }
    }
    return buffer;
}

PixelBuffer pvCreateRectSaturation(int W, int H, bool webSafe, double saturation)
{
    return sextantField(W, H, webSafe, saturation, true);
}

PixelBuffer pvCreateRectBrightness(int W, int H, bool webSafe, double brightness)
{
    return sextantField(W, H, webSafe, brightness, false);
}

PixelBuffer pvCreateRectRGB(int W, int H, bool webSafe, int value, int channel)
{
    if (!fieldFits(W, H, 2)) return {};
    PixelBuffer buffer = blank(W, H);
    const int v = snapped(value, webSafe);
    std::vector<int> across = quotients(W, 255, W - 1);
    std::vector<int> up = quotients(H, 255, H - 1);
    snapAll(across, webSafe);
    snapAll(up, webSafe);
    for (int y = 0; y < H; ++y) {
        std::uint8_t* line = row(buffer, y);
        const int b = up[y];
        for (int x = 0; x < W; ++x) {
            const int a = across[x];
            if (channel == 0)
                setPixel(line, x, v, a, b);
            else if (channel == 1)
                setPixel(line, x, a, v, b);
            else
                setPixel(line, x, a, b, v);
        }
    }
    return buffer;
}

PixelBuffer pvCreateBarHue(int Hbar, bool webSafe)
{
    return bar(Hbar, webSafe,
               [Hbar](int y) { return pvHSBToRGB(double(y) * 359 / (Hbar - 1), 100, 100); });
}

PixelBuffer pvCreateBarSaturation(int Hbar, bool webSafe, double hue, double brightness)
{
    return bar(Hbar, webSafe,
               [=](int y) { return pvHSBToRGB(hue, double(y) * 100 / (Hbar - 1), brightness); });
}

PixelBuffer pvCreateBarBrightness(int Hbar, bool webSafe, double hue, double saturation)
{
    return bar(Hbar, webSafe,
               [=](int y) { return pvHSBToRGB(hue, saturation, double(y) * 100 / (Hbar - 1)); });
}

PixelBuffer pvCreateBarRGB(int Hbar, bool webSafe, int channel)
{
    return bar(Hbar, webSafe, [=](int y) {
        const int level = (y * 255) / (Hbar - 1);
        return RGB{channel == 0 ? level : 0, channel == 1 ? level : 0, channel == 2 ? level : 0};
    });
}

} // namespace Extreme
