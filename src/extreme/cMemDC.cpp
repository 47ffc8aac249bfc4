#include "cMemDC.h"

#include "Numbers.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPalette>
#include <QPixmap>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <iterator>
#include <optional>

namespace {

// The desktop colours behind the system colour numbers 0 to 30 (25 is no colour).
// clang-format off
constexpr std::array<int, 31> SystemRoles{
    QPalette::Button, QPalette::Dark, QPalette::Highlight, QPalette::Mid,                 // 0
    QPalette::Window, QPalette::Base, QPalette::Shadow, QPalette::WindowText,             // 4
    QPalette::Text, QPalette::HighlightedText, QPalette::Button, QPalette::Button,         // 8
    QPalette::Mid, QPalette::Highlight, QPalette::HighlightedText, QPalette::Button,      // 12
    QPalette::Dark, QPalette::PlaceholderText, QPalette::ButtonText, QPalette::Midlight,  // 16
    QPalette::Light, QPalette::Shadow, QPalette::Midlight, QPalette::ToolTipText,         // 20
    QPalette::ToolTipBase, -1, QPalette::Link, QPalette::Highlight,                       // 24
    QPalette::Mid, QPalette::Highlight, QPalette::Window};                                // 28
// clang-format on

constexpr int SystemColour = static_cast<int>(0x80000000U);
constexpr int Shadow3D = SystemColour | 16;
constexpr int Highlight3D = SystemColour | 20;
constexpr int DarkShadow3D = SystemColour | 21;
constexpr int Light3D = SystemColour | 22;

int colourValue(QRgb rgb)
{
    return qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16);
}

std::optional<bool>& gradientOverride()
{
    static std::optional<bool> answer;
    return answer;
}

} // namespace

cMemDC::~cMemDC()
{
    Destroy();
}

QPainter* cMemDC::Init(int Width, int Height, QPaintDevice* use)
{
    Destroy();
    if (use) {
        if (!painter_.begin(use)) return nullptr;
        device_ = use;
    } else {
        if (Width <= 0 || Height <= 0) return nullptr;
        image_ = QImage(Width, Height, QImage::Format_RGB32);
        if (image_.isNull()) return nullptr;
        image_.fill(0xFF000000);
    }
    width_ = Width;
    height_ = Height;
    created_ = true;
    return hdc();
}

void cMemDC::Destroy()
{
    if (painter_.isActive()) painter_.end();
    image_ = QImage();
    device_ = nullptr;
    width_ = height_ = 0;
    created_ = false;
}

QPainter* cMemDC::hdc()
{
    if (!created_) return nullptr;
    // An image handed out by Image() shares its pixels until the next drawing copies them.
    if (!painter_.isActive() && !painter_.begin(&image_)) return nullptr;
    return &painter_;
}

QImage cMemDC::Image()
{
    if (!IsMemoryDC()) return {};
    // A painter on the image would make the copy a deep one; ending it lets the two share.
    if (painter_.isActive()) painter_.end();
    return image_;
}

QColor cMemDC::colour(int clr) const
{
    const int rgb = TranslateColor(clr);
    return rgb == -1 ? QColor() : QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

void cMemDC::normalise(int LeftX, int TopY, int& RightX, int& BottomY) const
{
    if (RightX < LeftX) RightX = Width();
    if (BottomY < TopY) BottomY = Height();
}

void cMemDC::fillLine(int LeftX, int TopY, int RightX, int BottomY, const QColor& colour)
{
    if (RightX > LeftX && BottomY > TopY)
        hdc()->fillRect(QRect(LeftX, TopY, RightX - LeftX, BottomY - TopY), colour);
}

QPen cMemDC::pen(int clr) const
{
    // Without a colour the surface's first pen: black, one pixel.
    QPen result(clr == -1 ? QColor(Qt::black) : colour(clr), 1);
    result.setCosmetic(true);
    // A flat cap leaves the end point of a line undrawn.
    result.setCapStyle(Qt::FlatCap);
    return result;
}

void cMemDC::Cls(int clrFill)
{
    FillRect(0, 0, Width(), Height(), clrFill);
}

void cMemDC::FillRect(int LeftX, int TopY, int RightX, int BottomY, int clrFill)
{
    const QColor fill = colour(clrFill);
    if (!created_ || !fill.isValid()) return;
    normalise(LeftX, TopY, RightX, BottomY);
    fillLine(LeftX, TopY, RightX, BottomY, fill);
}

void cMemDC::FillGradient(int LeftX, int TopY, int RightX, int BottomY, int clrFirst, int clrSecond,
                          bool bVertical)
{
    const QColor first = colour(clrFirst);
    const QColor second = colour(clrSecond);
    if (!created_ || !first.isValid() || !second.isValid()) return;
    if (RightX <= LeftX || BottomY <= TopY) return;
    const int lines = bVertical ? BottomY - TopY : RightX - LeftX;
    // The colour of each line, first to last.
    QImage line;
    if (GradientFillAvailable()) {
        line = gradientLine(lines, first, second);
    } else {
        line = QImage(lines, 1, QImage::Format_RGB32);
        for (int i = 0; i < lines; ++i) {
            const double ratio = lines > 1 ? double(i) / (lines - 1) : 0.0;
            const auto blend = [ratio](int a, int b) {
                return Numbers::RoundHalfEven((1 - ratio) * a + ratio * b);
            };
            line.setPixel(i, 0,
                          qRgb(blend(first.red(), second.red()),
                               blend(first.green(), second.green()),
                               blend(first.blue(), second.blue())));
        }
    }
    QImage area(RightX - LeftX, BottomY - TopY, QImage::Format_RGB32);
    const auto* colours = reinterpret_cast<const QRgb*>(line.constScanLine(0));
    for (int y = 0; y < area.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(area.scanLine(y));
        if (bVertical)
            std::fill(row, row + area.width(), colours[y]);
        else
            std::copy(colours, colours + lines, row);
    }
    hdc()->drawImage(LeftX, TopY, area);
}

QImage cMemDC::gradientLine(int lines, const QColor& first, const QColor& second)
{
    // Qt reads a gradient's colours from a table of 1024 entries. Along a span whose pixel count
    // less one divides 1023, every pixel centre falls on an entry, so the colours come out exact
    // to 16 bits; a longer line is cut into such spans.
    constexpr int ExactSpans[] = {1023, 341, 93, 33, 31, 11, 3, 1};
    const auto at = [&](int i) {
        const double t = lines > 1 ? double(i) / (lines - 1) : 0.0;
        const auto mix = [t](int a, int b) {
            return static_cast<quint16>(std::lround(257 * ((1 - t) * a + t * b)));
        };
        return QColor::fromRgba64(mix(first.red(), second.red()),
                                  mix(first.green(), second.green()),
                                  mix(first.blue(), second.blue()));
    };
    QImage wide(lines, 1, QImage::Format_RGBX64);
    if (lines == 1) wide.fill(at(0));
    {
        QPainter painter(&wide);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (int start = 0; start < lines - 1;) {
            const int span = *std::find_if(std::begin(ExactSpans), std::end(ExactSpans),
                                           [&](int s) { return s <= lines - 1 - start; });
            QLinearGradient gradient(start + 0.5, 0, start + span + 0.5, 0);
            gradient.setColorAt(0, at(start));
            gradient.setColorAt(1, at(start + span));
            painter.fillRect(QRect(start, 0, span + 1, 1), gradient);
            start += span;
        }
    }
    // The 8 bits a true-colour surface keeps of each 16-bit component are its integer part,
    // as the platform's own gradient fills truncate.
    QImage line(lines, 1, QImage::Format_RGB32);
    const auto* in = reinterpret_cast<const QRgba64*>(wide.constScanLine(0));
    auto* out = reinterpret_cast<QRgb*>(line.scanLine(0));
    for (int i = 0; i < lines; ++i)
        out[i] = qRgb(in[i].red() / 257, in[i].green() / 257, in[i].blue() / 257);
    return line;
}

void cMemDC::DrawEdge(int LeftX, int TopY, int RightX, int BottomY, int Edge, int Flags)
{
    if (!created_) return;
    normalise(LeftX, TopY, RightX, BottomY);
    // Each ring: its top-left and its bottom-right colour, from the outer ring inwards.
    const auto ring = [&](int inset, int topLeft, int bottomRight) {
        const int l = LeftX + inset, t = TopY + inset, r = RightX - inset, b = BottomY - inset;
        if (r <= l || b <= t) return;
        const QColor light = colour(topLeft), dark = colour(bottomRight);
        if (Flags & 2) fillLine(l, t, r, t + 1, light);
        if (Flags & 1) fillLine(l, t, l + 1, b, light);
        if (Flags & 8) fillLine(l, b - 1, r, b, dark);
        if (Flags & 4) fillLine(r - 1, t, r, b, dark);
    };
    if (Edge & 1)
        ring(0, Light3D, DarkShadow3D);
    else if (Edge & 2)
        ring(0, Shadow3D, Highlight3D);
    const int inner = (Edge & 3) ? 1 : 0;
    if (Edge & 4)
        ring(inner, Highlight3D, Shadow3D);
    else if (Edge & 8)
        ring(inner, DarkShadow3D, Light3D);
}

void cMemDC::FrameRect(int LeftX, int TopY, int RightX, int BottomY, int clrFill)
{
    const QColor frame = colour(clrFill);
    if (!created_ || !frame.isValid() || RightX <= LeftX || BottomY <= TopY) return;
    fillLine(LeftX, TopY, RightX, TopY + 1, frame);
    fillLine(LeftX, BottomY - 1, RightX, BottomY, frame);
    fillLine(LeftX, TopY, LeftX + 1, BottomY, frame);
    fillLine(RightX - 1, TopY, RightX, BottomY, frame);
}

void cMemDC::DrawLine(int X1, int Y1, int X2, int Y2, int clrLine)
{
    if (!created_) return;
    QPainter* p = hdc();
    p->setPen(pen(clrLine));
    p->drawLine(X1, Y1, X2, Y2);
}

void cMemDC::DrawEllipse(int LeftX, int TopY, int RightX, int BottomY, int clrOutline)
{
    if (!created_) return;
    normalise(LeftX, TopY, RightX, BottomY);
    if (RightX - LeftX < 2 || BottomY - TopY < 2) return;
    QPainter* p = hdc();
    p->setPen(pen(clrOutline));
    p->setBrush(Qt::NoBrush);
    // A one-pixel outline of the rectangle (l, t, w, h) covers w + 1 columns and h + 1 rows.
    p->drawEllipse(QRect(LeftX, TopY, RightX - LeftX - 1, BottomY - TopY - 1));
}

void cMemDC::PaintPicture(const QImage& oPic, int xDest, int yDest, int nWidth, int nHeight,
                          int xSrc, int ySrc, int clrMask)
{
    if (oPic.isNull()) return;
    if (!created_ && !Init(oPic.width(), oPic.height())) return;
    if (nWidth == 0) nWidth = oPic.width();
    if (nHeight == 0) nHeight = oPic.height();
    QPainter* p = hdc();
    if (clrMask != -1) {
        cMemDC source;
        source.image_ = oPic.convertToFormat(QImage::Format_RGB32);
        source.width_ = oPic.width();
        source.height_ = oPic.height();
        source.created_ = true;
        source.TransBlt(p, xDest, yDest, nWidth, nHeight, xSrc, ySrc, clrMask);
        return;
    }
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->drawImage(QPoint(xDest, yDest), oPic, QRect(xSrc, ySrc, nWidth, nHeight));
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void cMemDC::PaintPicture(const QIcon& oPic, int xDest, int yDest, int nWidth, int nHeight)
{
    const QSize own = oPic.availableSizes().value(0);
    if (own.isEmpty()) return;
    if (!created_ && !Init(own.width(), own.height())) return;
    hdc()->drawPixmap(
        xDest, yDest,
        oPic.pixmap(QSize(nWidth ? nWidth : own.width(), nHeight ? nHeight : own.height())));
}

QImage cMemDC::masked(int xSrc, int ySrc, int nWidth, int nHeight, int clrMask) const
{
    QImage area = image_.copy(xSrc, ySrc, nWidth, nHeight).convertToFormat(QImage::Format_ARGB32);
    const int mask = TranslateColor(clrMask);
    if (mask == -1) return area;
    const QRgb key = qRgb(mask & 0xFF, (mask >> 8) & 0xFF, (mask >> 16) & 0xFF);
    for (int y = 0; y < area.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(area.scanLine(y));
        for (int x = 0; x < area.width(); ++x)
            if (line[x] == key) line[x] = 0;
    }
    return area;
}

void cMemDC::TransBlt(QPainter* hdcDest, int xDest, int yDest, int nWidth, int nHeight, int xSrc,
                      int ySrc, int clrMask)
{
    if (!IsMemoryDC() || !hdcDest) return;
    if (nWidth == 0) nWidth = width_;
    if (nHeight == 0) nHeight = height_;
    hdcDest->drawImage(xDest, yDest, masked(xSrc, ySrc, nWidth, nHeight, clrMask));
}

void cMemDC::DisabledBlt(QPainter* hdcDest, int xDest, int yDest, int nWidth, int nHeight, int xSrc,
                         int ySrc, int clrMask, int clrHighlight, int clrShadow)
{
    if (!IsMemoryDC() || !hdcDest) return;
    if (nWidth == 0) nWidth = width_;
    if (nHeight == 0) nHeight = height_;
    // A pixel is dark when it lies nearer black than white; the mask colour counts as white.
    const QImage area = masked(xSrc, ySrc, nWidth, nHeight, clrMask);
    const auto layer = [&](int clr) {
        QImage result(area.size(), QImage::Format_ARGB32);
        const QRgb ink = colour(clr).rgba();
        for (int y = 0; y < area.height(); ++y) {
            const auto* in = reinterpret_cast<const QRgb*>(area.constScanLine(y));
            auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
            for (int x = 0; x < area.width(); ++x) {
                const bool dark =
                    qAlpha(in[x]) != 0 && qRed(in[x]) + qGreen(in[x]) + qBlue(in[x]) < 383;
                out[x] = dark ? ink : 0;
            }
        }
        return result;
    };
    hdcDest->save();
    hdcDest->setClipRect(QRect(xDest, yDest, nWidth, nHeight), Qt::IntersectClip);
    hdcDest->drawImage(xDest + 1, yDest + 1, layer(clrHighlight));
    hdcDest->drawImage(xDest, yDest, layer(clrShadow));
    hdcDest->restore();
}

QIcon cMemDC::ExtractIcon(int clrMask)
{
    if (!IsMemoryDC()) return {};
    return QIcon(QPixmap::fromImage(masked(0, 0, width_, height_, clrMask)));
}

void cMemDC::SetDIBits(int LeftX, int TopY, int nWidth, int nHeight, const QByteArray& bits)
{
    if (!created_ || nWidth <= 0 || nHeight <= 0) return;
    const qsizetype stride = (qsizetype(nWidth) * 3 + 3) & ~qsizetype(3);
    if (bits.size() < stride * nHeight) return;
    // Straight into the surface's own pixels, clipped to them; a device gets an image drawn.
    const bool own = IsMemoryDC();
    QImage drawn = own ? QImage() : QImage(nWidth, nHeight, QImage::Format_RGB32);
    QImage& target = own ? image_ : drawn;
    const int x0 = own ? LeftX : 0;
    const int y0 = own ? TopY : 0;
    const int left = std::max(0, -x0);
    const int right = std::min(nWidth, target.width() - x0);
    const auto* source = reinterpret_cast<const uchar*>(bits.constData());
    for (int row = std::max(0, -y0); row < std::min(nHeight, target.height() - y0); ++row) {
        const uchar* in = source + (nHeight - 1 - row) * stride + left * 3;
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(y0 + row));
        // Four bytes at a time, blue green red and the next pixel's blue, whose place the
        // opaque alpha takes; the row's last pixel may have no byte after it.
        int x = left;
        for (; x < right - 1; ++x, in += 3) {
            quint32 bgr;
            std::memcpy(&bgr, in, sizeof bgr);
            out[x0 + x] = qFromLittleEndian(bgr) | 0xFF000000U;
        }
        if (x < right) out[x0 + x] = qRgb(in[2], in[1], in[0]);
    }
    if (!own) hdc()->drawImage(LeftX, TopY, drawn);
}

int cMemDC::TranslateColor(int clrColor)
{
    if (clrColor == -1) return -1;
    const auto kind = static_cast<unsigned>(clrColor) >> 24;
    if (kind == 0) return clrColor;
    const int index = clrColor & 0x00FFFFFF;
    if (kind != 0x80 || index >= int(SystemRoles.size()) || SystemRoles[index] < 0) return -1;
    const auto role = static_cast<QPalette::ColorRole>(SystemRoles[index]);
    return colourValue(QGuiApplication::palette().color(role).rgb());
}

bool cMemDC::GradientFillAvailable()
{
    static const bool platform = [] {
        QImage probe(1, 1, QImage::Format_RGB32);
        QPainter painter(&probe);
        return painter.paintEngine() &&
               painter.paintEngine()->hasFeature(QPaintEngine::LinearGradientFill);
    }();
    return gradientOverride().value_or(platform);
}

void cMemDC::SetGradientFillAvailable(bool available)
{
    gradientOverride() = available;
}
