#include "devColorSelect.h"

#include "ColourBox.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QtMath>

namespace {

constexpr int LineHeight = 15;
// The host's view shows about thirteen lines: from line 13 on, Down takes the view along.
constexpr int LastLineBeforeFollowing = 12;

} // namespace

// The tall drawing surface. It shows the picture the lines were copied onto and hands its mouse
// and key input to the control, which keeps all the state.
class devColorSelect::Surface : public QWidget {
public:
    Surface(devColorSelect* owner, QWidget* parent) : QWidget(parent), Owner(owner)
    {
        setObjectName(QStringLiteral("PicItemDC"));
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    // Called only when a line is about to be drawn, so adding many lines one by one does not
    // copy the picture each time. Lines already drawn are kept.
    void fit(QSize size)
    {
        if (Picture.size() == size) return;
        QImage fitted(size, QImage::Format_RGB32);
        fitted.fill(Qt::white);
        if (!fitted.isNull() && !Picture.isNull()) QPainter(&fitted).drawImage(0, 0, Picture);
        Picture = fitted;
    }

    QImage Picture;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        // Lines the host has added but not painted yet stay blank.
        painter.fillRect(event->rect(), Qt::white);
        painter.drawImage(0, 0, Picture);
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
    if (PicBuffer.width() != inner.width())
        PicBuffer = QImage(inner.width(), LineHeight, QImage::Format_RGB32);

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

void devColorSelect::paintLine(int index, bool selected)
{
    // The selected index may be left over from a longer list, and a control with no width has
    // nothing to draw into.
    if (index < 0 || index >= ListCount() || PicBuffer.isNull()) return;
    PicBuffer.fill(selected ? palette().color(QPalette::Highlight) : QColor(Qt::white));
    {
        QPainter line(&PicBuffer);
        line.fillRect(QRect(QPoint(1, 1), QPoint(10, 11)), Qt::black);
        line.fillRect(QRect(QPoint(2, 2), QPoint(9, 10)), toQColor(Colours[index], palette()));
        line.setPen(selected ? Qt::white : Qt::black);
        line.setFont(font());
        line.drawText(PicBuffer.rect().adjusted(15, 1, 0, 0),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, Captions[index]);
    }
    PicItemDC->fit(QSize(PicBuffer.width(), LineHeight * ListCount()));
    QPainter surface(&PicItemDC->Picture);
    surface.setCompositionMode(QPainter::CompositionMode_Source);
    surface.drawImage(0, LineHeight * index, PicBuffer);
    PicItemDC->update(0, LineHeight * index, PicItemDC->width(), LineHeight);
}

void devColorSelect::PaintListItems()
{
    for (int index = 0; index < ListCount(); ++index)
        paintLine(index, false);
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
    PicItemDC->Picture = QImage();
    arrange();
}

void devColorSelect::SetControlFocus(bool)
{
    PicItemDC->setFocus();
}

void devColorSelect::pressLine(int button, int index)
{
    paintLine(listIndex_, false);
    listIndex_ = index;
    paintLine(index, true);
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
    paintLine(listIndex_, false);
    int line = currentY_ / LineHeight + 1;
    currentY_ += LineHeight;
    keepInList(line);
    // setValue stops at the maximum.
    if (line > LastLineBeforeFollowing) vBar->setValue(vBar->value() + LineHeight);
    arrowMoveTo(line);
}

void devColorSelect::moveUp()
{
    if (Captions.isEmpty() || listIndex_ == 0) return;
    paintLine(listIndex_, false);
    int line = currentY_ / LineHeight - 1;
    currentY_ -= LineHeight;
    keepInList(line);
    if (line < 0) {
        line = 0;
        currentY_ = 0;
    } else if (vBar->value() - LineHeight < 0) {
        vBar->setValue(0);
    } else if ((line < LastLineBeforeFollowing && line < topIndex_) ||
               (line >= LastLineBeforeFollowing && line == topIndex_)) {
        vBar->setValue(vBar->value() - LineHeight);
    }
    arrowMoveTo(line);
}

void devColorSelect::arrowMoveTo(int index)
{
    listIndex_ = index;
    paintLine(index, true);
    emit DevColorSelectorMouseDown(0, index, ItemCaption(index), ColorKeyValue(index));
    emit DevColorSelectorMouseUp(0, index, ItemCaption(index), ColorKeyValue(index));
}
