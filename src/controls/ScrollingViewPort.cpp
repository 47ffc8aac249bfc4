#include "ScrollingViewPort.h"

#include "ColourBox.h"
#include "Twips.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace {

// Whether a bar of this mode shows for a picture of extent within a view of visible; a mode
// outside 0..4 leaves it as it is.
bool shows(int mode, int extent, int visible, const QScrollBar* bar)
{
    switch (mode) {
    case 0:
    case 1:
        return true;
    case 2:
    case 3:
        return extent > visible;
    case 4:
        return false;
    default:
        return !bar->isHidden();
    }
}

bool knownMode(int mode)
{
    return mode >= 0 && mode <= 4;
}

} // namespace

ScrollingViewPort::ScrollingViewPort(QWidget* parent) : QWidget(parent)
{
    // Smaller than this, the bars would have no room for their arrows.
    setMinimumSize(Twips::toPixelsX(300), Twips::toPixelsY(300));
    VScroll = new QScrollBar(Qt::Vertical, this);
    HScroll = new QScrollBar(Qt::Horizontal, this);
    Corner = new QWidget(this);
    Corner->setAutoFillBackground(true);
    Corner->setBackgroundRole(QPalette::Button);
    Corner->hide();
    border_ = new QFrame(this);
    border_->setAttribute(Qt::WA_TransparentForMouseEvents);
    applyFrame();
    connect(VScroll, &QScrollBar::valueChanged, this, &ScrollingViewPort::scrollPicture);
    connect(HScroll, &QScrollBar::valueChanged, this, &ScrollingViewPort::scrollPicture);
}

QLabel* ScrollingViewPort::ControledPictureBox()
{
    if (!picture_) {
        picture_ = findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
        // Its size can change behind the viewport's back, with each new picture it is given.
        if (picture_) picture_->installEventFilter(this);
    }
    return picture_;
}

void ScrollingViewPort::Refresh()
{
    layOut();
}

void ScrollingViewPort::setAppearance(int value)
{
    appearance_ = value;
    applyFrame();
}

void ScrollingViewPort::setBackColor(int value)
{
    backColor_ = value;
    update();
    layOut();
}

void ScrollingViewPort::setBackStyle(int value)
{
    backStyle_ = value;
    update();
    layOut();
}

void ScrollingViewPort::setBorderStyle(int value)
{
    borderStyle_ = value;
    applyFrame();
}

void ScrollingViewPort::setScrollBarHorizontal(int value)
{
    horizontalMode_ = value;
    layOut();
}

void ScrollingViewPort::setScrollBarVerticle(int value)
{
    verticalMode_ = value;
    layOut();
}

// The frame is drawn by a child above the picture; the visible area is what it leaves inside.
void ScrollingViewPort::applyFrame()
{
    if (borderStyle_ == 0) {
        border_->setFrameStyle(QFrame::NoFrame);
    } else if (appearance_ == 0) {
        border_->setFrameStyle(QFrame::Box | QFrame::Plain);
        border_->setLineWidth(1);
    } else {
        border_->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    }
    const int width = border_->frameWidth();
    setContentsMargins(width, width, width, width);
    layOut();
}

void ScrollingViewPort::layOut()
{
    border_->setGeometry(rect());
    border_->raise();
    QLabel* picture = ControledPictureBox();
    if (!picture) return;
    pictureSize_ = picture->size();

    const QRect view = contentsRect();
    const int barWidth = VScroll->sizeHint().width();
    const int barHeight = HScroll->sizeHint().height();
    // A bar shown takes room from the other direction, which may then need its bar too.
    bool vertical = shows(verticalMode_, pictureSize_.height(), view.height(), VScroll);
    const bool horizontal = shows(horizontalMode_, pictureSize_.width(),
                                  view.width() - (vertical ? barWidth : 0), HScroll);
    if (horizontal && !vertical)
        vertical = shows(verticalMode_, pictureSize_.height(), view.height() - barHeight, VScroll);

    if (knownMode(verticalMode_)) verticalLeft_ = verticalMode_ == 0 || verticalMode_ == 2;
    if (knownMode(horizontalMode_)) horizontalTop_ = horizontalMode_ == 0 || horizontalMode_ == 2;
    const int verticalX = verticalLeft_ ? view.left() : view.right() + 1 - barWidth;
    const int horizontalY = horizontalTop_ ? view.top() : view.bottom() + 1 - barHeight;
    const int visibleWidth = view.width() - (vertical ? barWidth : 0);
    const int visibleHeight = view.height() - (horizontal ? barHeight : 0);
    // A bar of a mode outside 0..4 keeps its edge and whether it shows, but still makes room
    // for the other.
    VScroll->setHidden(!vertical);
    VScroll->setGeometry(verticalX, view.top() + (horizontal && horizontalTop_ ? barHeight : 0),
                         barWidth, visibleHeight);
    HScroll->setHidden(!horizontal);
    HScroll->setGeometry(view.left() + (vertical && verticalLeft_ ? barWidth : 0), horizontalY,
                         visibleWidth, barHeight);
    Corner->setGeometry(verticalX, horizontalY, barWidth, barHeight);
    Corner->setHidden(!(vertical && horizontal));
    for (QWidget* part : {Corner, static_cast<QWidget*>(VScroll), static_cast<QWidget*>(HScroll),
                          static_cast<QWidget*>(border_)})
        part->raise();

    VScroll->setRange(0, vertical ? std::max(0, pictureSize_.height() - visibleHeight) : 0);
    HScroll->setRange(0, horizontal ? std::max(0, pictureSize_.width() - visibleWidth) : 0);
    VScroll->setPageStep(int(pictureSize_.height() * 0.75 + 1));
    VScroll->setSingleStep(int(pictureSize_.height() * 0.05 + 1));
    HScroll->setPageStep(int(pictureSize_.width() * 0.75 + 1));
    HScroll->setSingleStep(int(pictureSize_.width() * 0.05 + 1));
    scrollPicture();
}

void ScrollingViewPort::scrollPicture()
{
    if (!picture_) return;
    const QRect view = contentsRect();
    const bool topBar = !HScroll->isHidden() && horizontalTop_;
    const bool leftBar = !VScroll->isHidden() && verticalLeft_;
    picture_->move(view.left() - HScroll->value() + (leftBar ? VScroll->width() : 0),
                   view.top() - VScroll->value() + (topBar ? HScroll->height() : 0));
}

void ScrollingViewPort::paintEvent(QPaintEvent*)
{
    if (backStyle_ != 1) return;
    QPainter painter(this);
    painter.fillRect(contentsRect(), toQColor(backColor_, palette()));
}

void ScrollingViewPort::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void ScrollingViewPort::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    layOut();
}

bool ScrollingViewPort::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picture_ && event->type() == QEvent::Resize) layOut();
    return QWidget::eventFilter(watched, event);
}
