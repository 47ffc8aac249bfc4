#include "devColorSelect.h"

#include "ColourBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QtMath>
#include <algorithm>

namespace {

constexpr int LineHeight = 15;

} // namespace

// The tall drawing surface. It draws the lines in view from the control's state and hands its
// mouse, wheel and key input to the control, which keeps all the state.
class devColorSelect::Surface : public QWidget {
public:
    Surface(devColorSelect* owner, QWidget* parent) : QWidget(parent), Owner(owner)
    {
        setObjectName(QStringLiteral("PicItemDC"));
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), Qt::white);
        // Only the lines the exposed part of the surface crosses; the view shows a few of them.
        const int first = std::max(0, event->rect().top() / LineHeight);
        const int last = std::min(Owner->ListCount(), event->rect().bottom() / LineHeight + 1);
        for (int index = first; index < last; ++index)
            Owner->drawLine(painter, index);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        Owner->PicItemDC_MouseDown(event->button(), event->position().y());
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        Owner->PicItemDC_MouseUp(event->button());
    }
    // Qt sends this in place of the second press, so a double click selects nothing new.
    void mouseDoubleClickEvent(QMouseEvent*) override { Owner->PicItemDC_DblClick(); }
    void keyPressEvent(QKeyEvent* event) override { Owner->PicItemDC_KeyDown(event); }
    // The wheel scrolls the list anywhere over it, as far a notch as over the scroll bar.
    void wheelEvent(QWheelEvent* event) override { QApplication::sendEvent(Owner->vBar, event); }

private:
    devColorSelect* Owner;
};

devColorSelect::devColorSelect(QWidget* parent)
    : QWidget(parent), PicList(new QWidget(this)), PicItemDC(new Surface(this, PicList)),
      vBar(new QScrollBar(Qt::Vertical, this))
{
    PicList->setObjectName(QStringLiteral("PicList"));
    vBar->setObjectName(QStringLiteral("vBar"));
    // Below the last line the view reads as more of the empty list.
    QPalette listPalette = PicList->palette();
    listPalette.setColor(QPalette::Window, Qt::white);
    PicList->setPalette(listPalette);
    PicList->setAutoFillBackground(true);

    vBar->setSingleStep(LineHeight);
    // Clicked, the bar takes the keyboard for its own keys until one is let go (eventFilter).
    vBar->setFocusPolicy(Qt::ClickFocus);
    vBar->installEventFilter(this);
    connect(vBar, &QScrollBar::valueChanged, this,
            [this](int value) { PicItemDC->move(0, -value); });
    setFocusProxy(PicItemDC);
    arrange();
}

void devColorSelect::arrange()
{
    const QRect inner = contentsRect();
    PicList->setGeometry(inner);

    const int barWidth = vBar->sizeHint().width();
    vBar->setGeometry(inner.x() + inner.width() - barWidth, inner.y(), barWidth, inner.height());
    const int overflow = LineHeight * ListCount() - inner.height();
    // A negative maximum would pull the minimum below 0 with it.
    vBar->setMaximum(qMax(0, overflow));
    vBar->setPageStep(qMax(1, inner.height()));
    vBar->setVisible(overflow > 0);

    const int width = overflow > 0 ? inner.width() - barWidth - 2 : inner.width();
    PicItemDC->setGeometry(0, -vBar->value(), qMax(0, width), LineHeight * ListCount());
}

void devColorSelect::resizeEvent(QResizeEvent*)
{
    arrange();
}

bool devColorSelect::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == vBar && event->type() == QEvent::KeyRelease) PicItemDC->setFocus();
    return QWidget::eventFilter(watched, event);
}

void devColorSelect::drawLine(QPainter& painter, int index) const
{
    const bool selected = selectionShown_ && index == listIndex_;
    const QRect line(0, LineHeight * index, PicItemDC->width(), LineHeight);
    painter.fillRect(line, selected ? palette().color(QPalette::Highlight) : QColor(Qt::white));
    painter.fillRect(QRect(line.topLeft() + QPoint(1, 1), QSize(10, 11)), Qt::black);
    painter.fillRect(QRect(line.topLeft() + QPoint(2, 2), QSize(8, 9)),
                     toQColor(Colours[index], palette()));
    painter.setPen(selected ? Qt::white : Qt::black);
    painter.setFont(font());
    painter.drawText(line.adjusted(15, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     Captions[index]);
}

void devColorSelect::paintLine(int index)
{
    // The selected index may be left over from a longer list.
    if (index < 0 || index >= ListCount()) return;
    PicItemDC->update(0, LineHeight * index, PicItemDC->width(), LineHeight);
}

void devColorSelect::PaintListItems()
{
    // A (re)loaded list shows no line chosen, whatever index is left from before.
    selectionShown_ = false;
    PicItemDC->update();
}

void devColorSelect::AddItem(const QString& caption, int colour)
{
    Captions.append(caption);
    Colours.append(colour);
    arrange();
}

void devColorSelect::Clear()
{
    Captions.clear();
    Colours.clear();
    arrange();
    PicItemDC->update();
}

void devColorSelect::SetControlFocus(bool)
{
    PicItemDC->setFocus();
}

void devColorSelect::pressLine(int button, int index)
{
    const int old = listIndex_;
    listIndex_ = index;
    selectionShown_ = true;
    paintLine(old);
    paintLine(index);
    emit DevColorSelectorMouseDown(button, index, ItemCaption(index), ColorKeyValue(index));
    hasFocus_ = true;
}

void devColorSelect::SelectLineNumber(int index)
{
    if (index < 0 || index >= ListCount()) return;
    pressLine(0, index);
}

void devColorSelect::PicItemDC_MouseDown(int button, qreal y)
{
    const int pixelY = qFloor(y);
    // The surface ends with the last line, so this only turns away a press outside it.
    if (pixelY < 0 || pixelY >= LineHeight * ListCount()) return;
    currentY_ = pixelY;
    pressLine(button, pixelY / LineHeight);
}

void devColorSelect::PicItemDC_MouseUp(int button)
{
    if (Captions.isEmpty()) return;
    emit DevColorSelectorMouseUp(button, listIndex_, ItemCaption(listIndex_), GetColour());
}

void devColorSelect::PicItemDC_DblClick()
{
    if (!Captions.isEmpty()) emit DevColorSelectorDblClick(GetColour());
}

void devColorSelect::PicItemDC_KeyDown(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Down) {
        moveDown();
        return;
    }
    if (event->key() == Qt::Key_Up) {
        moveUp();
        return;
    }
    if (event->text().isEmpty()) {
        event->ignore();
        return;
    }
    int keyCode = event->text().at(0).unicode();
    emit DevColorSelectorKeyPress(keyCode);
    // Unless the host used the key, the window still sees it, so keys it catches at window level
    // (Esc closes it) work while the list has the keyboard.
    if (keyCode != 0) event->ignore();
}

// Current Y can still point into a longer list shown before a Clear; a move from there lands on
// the last line rather than past the end.
void devColorSelect::keepInList(int& line)
{
    const int last = ListCount() - 1;
    if (line <= last) return;
    line = last;
    currentY_ = LineHeight * last;
}

void devColorSelect::moveDown()
{
    if (Captions.isEmpty() || listIndex_ == ListCount() - 1) return;
    int line = currentY_ / LineHeight + 1;
    currentY_ += LineHeight;
    keepInList(line);
    arrowMoveTo(line);
}

void devColorSelect::moveUp()
{
    if (Captions.isEmpty() || listIndex_ == 0) return;
    int line = currentY_ / LineHeight - 1;
    currentY_ -= LineHeight;
    keepInList(line);
    if (line < 0) {
        line = 0;
        currentY_ = 0;
    }
    arrowMoveTo(line);
}

// Scrolls just enough for the line to be seen whole, whatever the view's height.
void devColorSelect::keepInView(int index)
{
    const int top = LineHeight * index;
    const int view = PicList->height();
    if (top < vBar->value())
        vBar->setValue(top);
    else if (top + LineHeight > vBar->value() + view)
        vBar->setValue(top + LineHeight - view);
}

void devColorSelect::arrowMoveTo(int index)
{
    const int old = listIndex_;
    listIndex_ = index;
    selectionShown_ = true;
    paintLine(old);
    paintLine(index);
    keepInView(index);
    emit DevColorSelectorMouseDown(0, index, ItemCaption(index), ColorKeyValue(index));
    emit DevColorSelectorMouseUp(0, index, ItemCaption(index), ColorKeyValue(index));
}
