#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace Pictures {

QPixmap Dropper()
{
    QPixmap pixmap(20, 22);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    // Glass tube from the lower left to the bulb at the upper right.
    painter.setPen(QPen(QColor(40, 40, 40), 1.2));
    painter.setBrush(QColor(200, 225, 245));
    QPainterPath tube;
    tube.moveTo(2.5, 20.5);
    tube.lineTo(4.0, 16.0);
    tube.lineTo(12.0, 8.0);
    tube.lineTo(14.5, 10.5);
    tube.lineTo(6.5, 18.5);
    tube.closeSubpath();
    painter.drawPath(tube);

    // A drop of colour in the tip.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 30, 30));
    painter.drawEllipse(QPointF(3.6, 18.6), 1.4, 1.4);

    // Collar and rubber bulb.
    painter.setPen(QPen(QColor(40, 40, 40), 1.2));
    painter.setBrush(QColor(90, 90, 90));
    painter.drawRect(QRectF(11.0, 8.5, 4.0, 2.0).translated(-0.5, -0.5));
    painter.setBrush(QColor(60, 60, 60));
    painter.drawEllipse(QPointF(16.0, 5.0), 3.5, 3.5);
    return pixmap;
}

QPixmap Copy()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(60, 60, 60));
    painter.setBrush(QColor(235, 235, 235));
    painter.drawRect(1, 1, 8, 10);
    painter.setBrush(Qt::white);
    painter.drawRect(6, 5, 8, 10);
    painter.setPen(QColor(120, 120, 160));
    for (int y = 8; y <= 12; y += 2)
        painter.drawLine(8, y, 12, y);
    return pixmap;
}

} // namespace Pictures
