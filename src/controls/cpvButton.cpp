#include "cpvButton.h"

#include "ColourBox.h"

#include <QApplication>
#include <QBitmap>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <algorithm>

namespace {

constexpr int HoverCheckMs = 10;
// The face of a toggle that is down is dithered with this light grey.
const QColor CheckedDither(207, 208, 207);
constexpr int Gap = 4;

// Pointer shapes by their usual numbers; 99 is the button's own MouseIcon.
Qt::CursorShape pointerShape(int number)
{
    static const Qt::CursorShape shapes[] = {
        Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
        Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
        Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
        Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor};
    return number >= 0 && number < int(std::size(shapes)) ? shapes[number] : Qt::ArrowCursor;
}

// A colour with its lightness replaced, hue and saturation kept.
QColor withLightness(const QColor& colour, double lightness)
{
    const QColor hsl = colour.toHsl();
    return QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), std::clamp(lightness, 0.0, 1.0))
        .toRgb();
}

} // namespace

cpvButton::cpvButton(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hoverTimer_.setInterval(HoverCheckMs);
    connect(&hoverTimer_, &QTimer::timeout, this, &cpvButton::HoverTimer_Timer);
    connect(this, &QObject::objectNameChanged, this, [this] {
        if (!captionSet_) grabAccessKey();
    });
    MakeShades();
}

cpvButton::cpvButton(const QString& caption, QWidget* parent) : cpvButton(parent)
{
    setCaption(caption);
}

void cpvButton::setAppearance(int value)
{
    appearance_ = value;
    update();
}

void cpvButton::setButtonColor(int value)
{
    buttonColor_ = value;
    MakeShades();
    update();
}

void cpvButton::setFontColorOver(int value)
{
    fontColorOver_ = value;
    update();
}

void cpvButton::setCaption(const QString& value)
{
    caption_ = value;
    captionSet_ = true;
    grabAccessKey();
    updateGeometry();
    update();
}

void cpvButton::setCaptionAlign(int value)
{
    captionAlign_ = value;
    update();
}

void cpvButton::setCaptionJustify(int value)
{
    captionJustify_ = value;
    update();
}

void cpvButton::setChecked(bool value)
{
    checked_ = value;
    update();
}

void cpvButton::setFlatOver(bool value)
{
    flatOver_ = value;
    update();
}

void cpvButton::setFlatOverBox(bool value)
{
    flatOverBox_ = value;
    update();
}

void cpvButton::setFontColor(int value)
{
    fontColor_ = value;
    update();
}

void cpvButton::setMaskColor(int value)
{
    maskColor_ = value;
    update();
}

void cpvButton::setMousePointer(int value)
{
    mousePointer_ = value;
    if (value == 0)
        unsetCursor();
    else if (value == 99 && !mouseIcon_.isNull())
        setCursor(QCursor(mouseIcon_));
    else
        setCursor(pointerShape(value));
}

void cpvButton::setMouseIcon(const QPixmap& value)
{
    mouseIcon_ = value;
    setMousePointer(mousePointer_);
}

void cpvButton::setPicture(const QPixmap& value)
{
    picture_ = value;
    updateGeometry();
    update();
}

void cpvButton::setPictureDisabled(const QPixmap& value)
{
    pictureDisabled_ = value;
    update();
}

void cpvButton::setPictureDown(const QPixmap& value)
{
    pictureDown_ = value;
    update();
}

void cpvButton::setPictureOver(const QPixmap& value)
{
    pictureOver_ = value;
    update();
}

void cpvButton::setPictureTab(int value)
{
    pictureTab_ = value;
    update();
}

void cpvButton::setShowBorderOnFocus(bool value)
{
    showBorderOnFocus_ = value;
    update();
}

void cpvButton::setShowFocusRect(bool value)
{
    showFocusRect_ = value;
    update();
}

void cpvButton::setStyle(int value)
{
    style_ = value;
    updateGeometry();
    update();
}

void cpvButton::setUseMaskColor(bool value)
{
    useMaskColor_ = value;
    update();
}

void cpvButton::ResetToDefaultColors()
{
    setButtonColor(SystemButtonFace);
    setFontColor(SystemButtonText);
}

QSize cpvButton::sizeHint() const
{
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, Caption());
    QSize content = text;
    if (style_ == 1 && !picture_.isNull()) {
        const QSize picture = picture_.deviceIndependentSize().toSize();
        content = captionAlign_ >= 2 ? QSize(std::max(text.width(), picture.width()),
                                             text.height() + Gap + picture.height())
                                     : QSize(text.width() + Gap + picture.width(),
                                             std::max(text.height(), picture.height()));
    }
    return content + QSize(16, 10);
}

QColor cpvButton::colour(int colourValue) const
{
    if (colourValue == SystemButtonText) return palette().color(QPalette::ButtonText);
    return toQColor(colourValue, palette());
}

void cpvButton::MakeShades()
{
    const QColor face = colour(buttonColor_);
    const double l = face.toHsl().lightnessF();
    shades_ = {face, withLightness(face, l + (1 - l) / 8), withLightness(face, l + (1 - l) / 2),
               withLightness(face, l / 1.5), withLightness(face, l / 3.5)};
}

// While hovered the caption takes FontColorOver, unless that is the face's own colour, which
// would wipe the caption out (both default to the button face).
QColor cpvButton::captionColour() const
{
    const QColor over = colour(fontColorOver_);
    if (MouseOver && over != shades_.face) return over;
    return colour(fontColor_);
}

bool cpvButton::inside(QPoint at) const
{
    return at.x() >= 0 && at.x() < width() && at.y() >= 0 && at.y() < height();
}

void cpvButton::press(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at)
{
    // The right button only reports: it never pushes the button in, so it never clicks it.
    if (button != Qt::RightButton) {
        Pressed = true;
        showRaised_ = false;
        update();
    }
    lastButton_ = button;
    lastShift_ = modifiers;
    lastPosition_ = at;
    emit MouseDown(button, modifiers, at.x(), at.y());
}

void cpvButton::mousePressEvent(QMouseEvent* event)
{
    press(event->button(), event->modifiers(), event->position().toPoint());
}

// The second press of a double click counts as one more press, so it gives a second click.
void cpvButton::mouseDoubleClickEvent(QMouseEvent*)
{
    press(lastButton_, lastShift_, lastPosition_);
}

void cpvButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (inside(at) && !MouseOver) {
        hoverTimer_.start();
        MouseOver = true;
        showRaised_ = false;
        emit MouseIn(event->modifiers());
        update();
    }
    emit MouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

// Leaving is noticed by watching the pointer rather than by a leave event, which does not
// come while the button holds the mouse.
void cpvButton::HoverTimer_Timer()
{
    if (QApplication::widgetAt(QCursor::pos()) == this) return;
    hoverTimer_.stop();
    MouseOver = false;
    emit MouseOut(lastShift_);
    // Held down and dragged off, the button looks raised until the pointer comes back.
    showRaised_ = Pressed;
    update();
}

void cpvButton::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() != Qt::RightButton) {
        Pressed = false;
        showRaised_ = false;
        if (inside(at)) {
            if (appearance_ >= 2) checked_ = !checked_;
            emit Click();
        }
        update();
    }
    emit MouseUp(event->button(), event->modifiers(), at.x(), at.y());
}

void cpvButton::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    // A key held down repeats its presses; only the first one acts.
    if (!KeyLatch && (enter || key == Qt::Key_Space)) {
        Pressed = key == Qt::Key_Space;
        // A toggle goes down or up by the keyboard as it does by the mouse, before the click
        // that tells its host.
        if (appearance_ >= 2) checked_ = !checked_;
        update();
        emit Click();
    }
    KeyLatch = true;
    emit KeyDown(key, event->modifiers());
    if (!event->text().isEmpty()) emit KeyPress(event->text().at(0).unicode());
    // Other keys go on to the window: Esc closes it, for one.
    if (!enter && key != Qt::Key_Space) event->ignore();
}

void cpvButton::keyReleaseEvent(QKeyEvent* event)
{
    // The releases between repeated presses of a held key are no real release.
    if (event->isAutoRepeat()) return;
    if (event->key() == Qt::Key_Space) {
        Pressed = false;
        update();
    }
    KeyLatch = false;
    emit KeyUp(event->key(), event->modifiers());
    event->ignore();
}

void cpvButton::focusInEvent(QFocusEvent* event)
{
    HasFocus = true;
    update();
    QWidget::focusInEvent(event);
}

// A key still down as the focus leaves is released elsewhere: the latch must not outlive the
// focus, or the next key on this button would be swallowed.
void cpvButton::focusOutEvent(QFocusEvent* event)
{
    HasFocus = false;
    Pressed = false;
    MouseOver = false;
    KeyLatch = false;
    update();
    QWidget::focusOutEvent(event);
}

void cpvButton::grabAccessKey()
{
    if (accessKeyId_ != 0) releaseShortcut(accessKeyId_);
    const QKeySequence key = QKeySequence::mnemonic(Caption());
    accessKeyId_ = key.isEmpty() ? 0 : grabShortcut(key);
}

void cpvButton::accessKey()
{
    if (!isEnabled()) return;
    if (appearance_ >= 2) {
        checked_ = !checked_;
        repaint();
    }
    emit Click();
}

bool cpvButton::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Shortcut:
        if (static_cast<QShortcutEvent*>(event)->shortcutId() != accessKeyId_) break;
        accessKey();
        return true;
    case QEvent::PaletteChange:
        // System colours are read from the palette.
        MakeShades();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

QPixmap cpvButton::chosenPicture() const
{
    QPixmap chosen;
    if (checked_ || Pressed)
        chosen = pictureDown_;
    else if (MouseOver)
        chosen = pictureOver_;
    else if (!isEnabled())
        chosen = pictureDisabled_;
    else
        chosen = picture_;
    if (chosen.isNull()) chosen = picture_;
    if (useMaskColor_ && !chosen.isNull())
        chosen.setMask(chosen.createMaskFromColor(colour(maskColor_), Qt::MaskInColor));
    return chosen;
}

void cpvButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool pressedShown = Pressed && !showRaised_;
    const bool sunken = pressedShown || (appearance_ >= 2 && checked_);
    QRect face = rect();
    painter.fillRect(face, shades_.face);
    if (appearance_ >= 2 && checked_ && !pressedShown)
        painter.fillRect(face, QBrush(CheckedDither, Qt::Dense4Pattern));

    const bool focusBorder = HasFocus && showBorderOnFocus_;
    if (focusBorder) face.adjust(1, 1, -1, -1);
    QRect area = face.adjusted(3, 3, -3, -3);
    if (sunken) area.translate(1, 1);
    drawContent(painter, area);

    drawBorder(painter, face, sunken);
    if (focusBorder) {
        painter.setPen(shades_.darkShadow);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (HasFocus && showFocusRect_) {
        painter.setPen(QPen(captionColour(), 1, Qt::DotLine));
        painter.drawRect(face.adjusted(3, 3, -4, -4));
    }
}

void cpvButton::drawContent(QPainter& painter, QRect area)
{
    const QString caption = Caption();
    const QPixmap picture = style_ == 1 ? chosenPicture() : QPixmap();
    const QSize pictureSize = picture.deviceIndependentSize().toSize();
    QSize text =
        caption.isEmpty() ? QSize() : painter.fontMetrics().size(Qt::TextShowMnemonic, caption);
    // A font wider than the one the layout was made for would cut the caption off at both ends:
    // it is set smaller instead.
    const int room = area.width() - 4 - (captionAlign_ >= 2 ? 0 : pictureSize.width());
    if (room > 0 && text.width() > room) {
        QFont smaller = painter.font();
        const double scale = double(room) / text.width();
        if (smaller.pointSizeF() > 0)
            smaller.setPointSizeF(smaller.pointSizeF() * scale);
        else
            smaller.setPixelSize(std::max(1, int(smaller.pixelSize() * scale)));
        painter.setFont(smaller);
        text = painter.fontMetrics().size(Qt::TextShowMnemonic, caption);
    }
    const bool both = !text.isEmpty() && !pictureSize.isEmpty();
    const bool stacked = captionAlign_ >= 2;
    // Picture and caption are placed as one block, justified across the area and centred down it.
    const QSize block = stacked ? QSize(std::max(text.width(), pictureSize.width()),
                                        text.height() + pictureSize.height() + (both ? Gap : 0))
                                : QSize(text.width() + pictureSize.width() + (both ? Gap : 0),
                                        std::max(text.height(), pictureSize.height()));
    int left = area.left() + 2;
    if (captionJustify_ == 1) left = area.left() + (area.width() - block.width()) / 2;
    if (captionJustify_ == 2) left = area.right() - 1 - block.width();
    const QRect blockRect(QPoint(left, area.top() + (area.height() - block.height()) / 2), block);

    QRect pictureRect(QPoint(), pictureSize);
    QRect textRect(QPoint(), text);
    const auto centreAcross = [&](QRect& r) {
        stacked ? r.moveLeft(blockRect.left() + (block.width() - r.width()) / 2)
                : r.moveTop(blockRect.top() + (block.height() - r.height()) / 2);
    };
    centreAcross(pictureRect);
    centreAcross(textRect);
    switch (captionAlign_) {
    case 1:
        textRect.moveLeft(blockRect.left());
        pictureRect.moveRight(blockRect.right());
        if (pictureTab_ > 0) pictureRect.moveRight(area.right() - pictureTab_);
        break;
    case 2:
        pictureRect.moveTop(blockRect.top());
        textRect.moveBottom(blockRect.bottom());
        if (pictureTab_ > 0) pictureRect.moveTop(area.top() + pictureTab_);
        break;
    case 3:
        textRect.moveTop(blockRect.top());
        pictureRect.moveBottom(blockRect.bottom());
        if (pictureTab_ > 0) pictureRect.moveBottom(area.bottom() - pictureTab_);
        break;
    default:
        pictureRect.moveLeft(blockRect.left());
        textRect.moveRight(blockRect.right());
        if (pictureTab_ > 0) pictureRect.moveLeft(area.left() + pictureTab_);
        break;
    }

    if (!picture.isNull()) painter.drawPixmap(pictureRect.topLeft(), picture);
    if (caption.isEmpty()) return;
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (isEnabled()) {
        painter.setPen(captionColour());
        painter.drawText(textRect, flags, caption);
        return;
    }
    // Disabled: engraved, a light copy under a shadowed one.
    painter.setPen(shades_.highlight);
    painter.drawText(textRect.translated(1, 1), flags, caption);
    painter.setPen(shades_.shadow);
    painter.drawText(textRect, flags, caption);
}

void cpvButton::drawBorder(QPainter& painter, QRect face, bool sunken) const
{
    const auto edge = [&painter](QRect r, const QColor& topLeft, const QColor& bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    };
    const QRect outer = face.adjusted(0, 0, -1, -1);
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    if (flatOver_ || flatOverBox_) {
        // Flat until the pointer is over it or it is down.
        if (!MouseOver && !sunken) return;
        if (flatOverBox_)
            edge(outer, shades_.darkShadow, shades_.darkShadow);
        else
            sunken ? edge(outer, shades_.shadow, shades_.highlight)
                   : edge(outer, shades_.highlight, shades_.shadow);
        return;
    }
    if (appearance_ <= 0) {
        edge(outer, shades_.darkShadow, shades_.darkShadow);
        if (sunken) edge(inner, shades_.shadow, shades_.face);
        return;
    }
    if (sunken) {
        edge(outer, shades_.darkShadow, shades_.highlight);
        edge(inner, shades_.shadow, shades_.light);
    } else {
        edge(outer, shades_.highlight, shades_.darkShadow);
        edge(inner, shades_.light, shades_.shadow);
    }
}
