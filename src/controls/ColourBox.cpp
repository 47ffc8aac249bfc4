#include "ColourBox.h"

#include <QMouseEvent>
#include <QPainter>

QColor toQColor(int colourValue, const QPalette& palette)
{
    if (colourValue < 0) return palette.color(QPalette::Button);
    return QColor(colourValue & 0xFF, (colourValue >> 8) & 0xFF, (colourValue >> 16) & 0xFF);
}

ColourBox::ColourBox(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void ColourBox::setBackColor(int colourValue)
{
    if (backColor_ == colourValue) return;
    backColor_ = colourValue;
    update();
}

void ColourBox::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        painter.fillRect(contentsRect(), toQColor(backColor_, palette()));
    }
    QFrame::paintEvent(event);
}

void ColourBox::mousePressEvent(QMouseEvent* event)
{
    emit pressed(event->button(), event->globalPosition().toPoint());
    QFrame::mousePressEvent(event);
}

void ColourBox::mouseReleaseEvent(QMouseEvent* event)
{
    emit released(event->button());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}
