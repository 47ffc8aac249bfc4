#include "ctxUpDown.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace {

// The long first pause keeps an ordinary click a single step; only a deliberate hold repeats.
constexpr int FirstRepeatMs = 500;
constexpr int RepeatMs = 50;

} // namespace

ctxUpDown::ctxUpDown(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    connect(&RepeatTimer, &QTimer::timeout, this, &ctxUpDown::repeatTick);
}

QSize ctxUpDown::sizeHint() const
{
    return {15, 20};
}

// Positions stay fractional so that "0 <= x < w" is exactly "inside a pixel of the control",
// whatever the device pixel ratio.
bool ctxUpDown::overUp(QPointF point) const
{
    return point.x() >= 0 && point.x() < width() && point.y() >= 0 && point.y() < half();
}

bool ctxUpDown::overDown(QPointF point) const
{
    return point.x() >= 0 && point.x() < width() && point.y() >= half() && point.y() < height();
}

void ctxUpDown::press(QPointF point)
{
    if (overUp(point))
        ActiveButton = Up;
    else if (point.y() >= half() && point.y() < height())
        ActiveButton = Down;
    PointerOver = true;
    // start() on a running timer restarts it, so the first pause is counted from this press.
    RepeatTimer.start(FirstRepeatMs);
    update();
}

void ctxUpDown::repeatTick()
{
    RepeatTimer.setInterval(RepeatMs);
    if (ActiveButton == None) {
        RepeatTimer.stop();
        return;
    }
    // Off the pressed button the clock keeps running, so moving back on resumes at the fast rate.
    if (PointerOver) emit Change(ActiveButton == Up ? 1 : -1);
}

void ctxUpDown::mousePressEvent(QMouseEvent* event)
{
    press(event->position());
}

// Qt reports the second press of a quick pair as a double click; it is handled as a press so that
// fast repeated clicks each count as a step.
void ctxUpDown::mouseDoubleClickEvent(QMouseEvent* event)
{
    press(event->position());
}

void ctxUpDown::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF point = event->position();
    const bool over =
        (ActiveButton == Up && overUp(point)) || (ActiveButton == Down && overDown(point));
    if (over == PointerOver) return;
    PointerOver = over;
    update();
}

void ctxUpDown::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF point = event->position();
    if (ActiveButton == Up && overUp(point)) emit Change(1);
    if (ActiveButton == Down && overDown(point)) emit Change(-1);
    ActiveButton = None;
    PointerOver = false;
    // The timer is left running: its next tick sees no button held and stops it.
    update();
}

void ctxUpDown::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int h = half();
    drawButton(painter, QRect(0, 0, width(), h), QStyle::PE_IndicatorArrowUp,
               ActiveButton == Up && PointerOver);
    // Both buttons are half high, so an odd height leaves the last row to the background.
    drawButton(painter, QRect(0, h, width(), h), QStyle::PE_IndicatorArrowDown,
               ActiveButton == Down && PointerOver);
}

void ctxUpDown::drawButton(QPainter& painter, const QRect& rect, QStyle::PrimitiveElement arrow,
                           bool pushed) const
{
    QStyleOptionButton option;
    option.initFrom(this);
    // The look follows the press state alone; hover is not tracked, so it would go stale.
    option.state &= ~QStyle::State_MouseOver;
    option.state |= pushed ? QStyle::State_Sunken : QStyle::State_Raised;
    option.rect = rect;

    painter.save();
    // Styles may draw shadows past the rectangle they are given; each button keeps to its half.
    painter.setClipRect(rect);
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, this);

    const int inset = qMax(1, qMin(rect.width(), rect.height()) / 5);
    option.rect = rect.adjusted(inset, inset, -inset, -inset);
    if (pushed)
        option.rect.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                              style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    style()->drawPrimitive(arrow, &option, &painter, this);
    painter.restore();
}
