#pragma once

#include <QIcon>
#include <QImage>
#include <QPainter>

class QPaintDevice;

// A drawing surface: an off-screen image of its own, or a device it draws straight onto (a widget
// during its paint event). Colours are ColourValues (0x00BBGGRR): -1 means no colour and draws
// nothing (lines and ellipses then use the default black pen), a value with the top bit set is a
// system colour. Rectangles run from left and top up to, not including, right and bottom; in
// FillRect, DrawEdge and DrawEllipse a right edge left of the left edge (or a bottom above the
// top) means the surface's own right (bottom) edge.
class cMemDC {
public:
    cMemDC() = default;
    ~cMemDC();
    cMemDC(const cMemDC&) = delete;
    cMemDC& operator=(const cMemDC&) = delete;

    // Makes a surface of the size: an image of its own (black at first), or, given a device to
    // use, that device, which the surface never owns. Null when the surface cannot be made.
    QPainter* Init(int Width, int Height, QPaintDevice* use = nullptr);
    void Destroy();

    // What the surface draws with; null when it is not created.
    QPainter* hdc();
    bool IsMemoryDC() const { return created_ && !device_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // A copy of the whole surface; null for a surface over a device, whose pixels it cannot read.
    QImage Image();

    void Cls(int clrFill);
    void FillRect(int LeftX, int TopY, int RightX, int BottomY, int clrFill);
    // From clrFirst along the first row (bVertical) or column to clrSecond along the last one.
    void FillGradient(int LeftX, int TopY, int RightX, int BottomY, int clrFirst, int clrSecond,
                      bool bVertical);
    // Edge: 1 raised outer, 2 sunken outer, 4 raised inner, 8 sunken inner; Flags: 1 left,
    // 2 top, 4 right, 8 bottom.
    void DrawEdge(int LeftX, int TopY, int RightX, int BottomY, int Edge, int Flags);
    void FrameRect(int LeftX, int TopY, int RightX, int BottomY, int clrFill);
    // One pixel wide; the end point is not drawn.
    void DrawLine(int X1, int Y1, int X2, int Y2, int clrLine);
    void DrawEllipse(int LeftX, int TopY, int RightX, int BottomY, int clrOutline);

    // Draws a bitmap picture 1:1 (nWidth, nHeight 0: the picture's own size), leaving pixels of
    // clrMask transparent when it is given. A surface not created yet takes the picture's size.
    void PaintPicture(const QImage& oPic, int xDest, int yDest, int nWidth = 0, int nHeight = 0,
                      int xSrc = 0, int ySrc = 0, int clrMask = -1);
    // Draws an icon picture at the size (0: its own).
    void PaintPicture(const QIcon& oPic, int xDest, int yDest, int nWidth = 0, int nHeight = 0);
    // Copies an area of this surface to hdcDest, leaving its pixels of clrMask out.
    void TransBlt(QPainter* hdcDest, int xDest, int yDest, int nWidth, int nHeight, int xSrc,
                  int ySrc, int clrMask);
    // Draws an area of this surface embossed, as a disabled image: its dark pixels in
    // clrShadow, with a copy of them one pixel right and down in clrHighlight behind; light
    // pixels and pixels of clrMask leave hdcDest as it was.
    void DisabledBlt(QPainter* hdcDest, int xDest, int yDest, int nWidth, int nHeight, int xSrc,
                     int ySrc, int clrMask, int clrHighlight, int clrShadow);
    // The whole surface as an icon in which pixels of clrMask are transparent.
    QIcon ExtractIcon(int clrMask);
    // Copies a 24-bit image 1:1: blue, green, red bytes, the bottom row first, each row padded
    // to a multiple of 4 bytes. Too few bytes for the size draw nothing.
    void SetDIBits(int LeftX, int TopY, int nWidth, int nHeight, const QByteArray& bits);

    // -1 stays -1; a system colour becomes the desktop's colour for it; any other top byte is
    // no colour (-1).
    static int TranslateColor(int clrColor);

    // Whether the platform fills gradients itself; asked once and shared by all surfaces.
    // Without, FillGradient blends line by line.
    static bool GradientFillAvailable();
    // For a platform that would lack them (and for tests): overrides the answer.
    static void SetGradientFillAvailable(bool available);

private:
    QColor colour(int clr) const;
    void normalise(int LeftX, int TopY, int& RightX, int& BottomY) const;
    // A gradient of the given number of pixels as one row.
    static QImage gradientLine(int lines, const QColor& first, const QColor& second);
    void fillLine(int LeftX, int TopY, int RightX, int BottomY, const QColor& colour);
    QPen pen(int clr) const;
    // The area of the surface with pixels of clrMask transparent.
    QImage masked(int xSrc, int ySrc, int nWidth, int nHeight, int clrMask) const;

    bool created_ = false;
    int width_ = 0;
    int height_ = 0;
    QPaintDevice* device_ = nullptr;
    QImage image_;
    QPainter painter_;
};
