#include "FrozenScreen.h"

#include "Magnifier.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace {

// The loupe: a square of the screen round the pointer at 10:1 (magnification 90), set off from
// the pointer so it never covers the pixel being aimed at, with a strip of the colour below it.
constexpr int LoupeSide = 130;
constexpr int SwatchHeight = 24;
constexpr int LoupeOffset = 24;
constexpr int LoupeMagnification = 90;
constexpr int CrossHairArm = 20;

int colourValue(QRgb rgb)
{
    return qRed(rgb) | qGreen(rgb) << 8 | qBlue(rgb) << 16;
}

} // namespace

FrozenScreen::FrozenScreen(QScreen* screen, const QImage& picture)
    // Out of an X window manager's hands, so it covers every window, the ones that bypass it
    // too; a compositor ignores the hint and shows a full-screen window on top anyway.
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::X11BypassWindowManagerHint),
      picture_(picture)
{
    setObjectName(QStringLiteral("FrozenScreen"));
    setWindowTitle(QStringLiteral("Tintwell"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setScreen(screen);
    setGeometry(screen->geometry());
}

int FrozenScreen::follow(QPointF point)
{
    const QRect before = pixel_ ? loupeArea() : QRect();
    // Window points map onto the picture's pixels by the picture's own scale, so a screen at
    // twice the scale reaches each of its physical pixels through the fractions of a point.
    const auto axis = [](double at, int window, int picture) {
        const double pixel = window > 0 ? std::floor(at * picture / window) : 0;
        return int(std::clamp(pixel, 0.0, double(picture - 1)));
    };
    pointer_ = point;
    pixel_ = QPoint(axis(point.x(), width(), picture_.width()),
                    axis(point.y(), height(), picture_.height()));
    update(before);
    update(loupeArea());
    const int colour = colourValue(picture_.pixel(*pixel_));
    emit hovered(colour);
    return colour;
}

QRect FrozenScreen::loupeArea() const
{
    const QSize size(LoupeSide, LoupeSide + SwatchHeight);
    QPoint at = pointer_.toPoint() + QPoint(LoupeOffset, LoupeOffset);
    // Near the right or bottom edge it goes to the other side of the pointer.
    if (at.x() + size.width() > width()) at.rx() -= 2 * LoupeOffset + size.width();
    if (at.y() + size.height() > height()) at.ry() -= 2 * LoupeOffset + size.height();
    return QRect(at, size);
}

void FrozenScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QRectF(rect()), picture_, QRectF(picture_.rect()));
    if (!pixel_) return;

    const QRect area = loupeArea();
    const QRect loupe(area.topLeft(), QSize(LoupeSide, LoupeSide));
    const qreal ratio = devicePixelRatioF();
    const QSize box = loupe.size() * ratio;
    const MagnifierFrame frame =
        MagnifierGeometry(*pixel_, box, picture_.size(), LoupeMagnification);
    QImage view = Enlarged(picture_.copy(frame.source), box);
    // Cross-hair and hex code stand out from the colour under the pointer, the two-tone border
    // from anything round it.
    const QColor colour = picture_.pixelColor(*pixel_);
    const QColor ink = colour.lightness() < 128 ? Qt::white : Qt::black;
    QPainter cross(&view);
    cross.setPen(ink);
    const int arm = qRound(CrossHairArm * ratio);
    const QPoint c = frame.crossHair;
    cross.drawLine(c.x(), c.y() - arm, c.x(), c.y() + arm);
    cross.drawLine(c.x() - arm, c.y(), c.x() + arm, c.y());
    cross.end();
    view.setDevicePixelRatio(ratio);
    painter.drawImage(loupe.topLeft(), view);

    const QRect swatch(loupe.bottomLeft() + QPoint(0, 1), QSize(LoupeSide, SwatchHeight));
    painter.fillRect(swatch, colour);
    painter.setPen(ink);
    painter.drawText(swatch, Qt::AlignCenter, colour.name().toUpper());
    painter.setPen(Qt::black);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.setPen(Qt::white);
    painter.drawRect(area.adjusted(1, 1, -2, -2));
}

void FrozenScreen::mouseMoveEvent(QMouseEvent* event)
{
    follow(event->position());
}

void FrozenScreen::mousePressEvent(QMouseEvent* event)
{
    follow(event->position());
    if (event->button() == Qt::LeftButton) pressed_ = true;
    if (event->button() == Qt::RightButton) emit cancelled();
}

void FrozenScreen::mouseReleaseEvent(QMouseEvent* event)
{
    const int colour = follow(event->position());
    if (event->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    emit picked(colour);
}

void FrozenScreen::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        emit cancelled();
    else
        QWidget::keyPressEvent(event);
}
