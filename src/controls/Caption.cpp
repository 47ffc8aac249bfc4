#include "Caption.h"

#include "ColourBox.h"
#include "Twips.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <array>

namespace {

// The outline is drawn 15 twips away, the shadow 45 twips right and down.
int outlineStep()
{
    return std::max(1, Twips::toPixelsX(15));
}
QPoint shadowOffset()
{
    return {Twips::toPixelsX(45), Twips::toPixelsY(45)};
}

const QColor Grey(0x80, 0x80, 0x80);
constexpr int PictureGap = 2;
constexpr int CustomPointer = 99;

// Left-up, left, up, left-down, right-up, right, down, right-down.
constexpr std::array<QPoint, 8> OutlineSteps{QPoint(-1, -1), QPoint(-1, 0), QPoint(0, -1),
                                             QPoint(-1, 1),  QPoint(1, -1), QPoint(1, 0),
                                             QPoint(0, 1),   QPoint(1, 1)};

// Each character on its own line, surrogate pairs kept whole.
QStringList stacked(const QString& text)
{
    QStringList characters;
    for (const char32_t code : text.toUcs4())
        characters << QString::fromUcs4(&code, 1);
    return characters;
}

} // namespace

void Caption::setMouseIcon(const QPixmap& value)
{
    mouseIcon_ = value;
    setMousePointer(mousePointer_);
}

void Caption::setMousePointer(int value)
{
    static constexpr std::array<Qt::CursorShape, 16> shapes{
        Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
        Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
        Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
        Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor};
    mousePointer_ = value;
    if (value == CustomPointer && !mouseIcon_.isNull())
        setCursor(QCursor(mouseIcon_));
    else if (value > 0 && value < int(shapes.size()))
        setCursor(shapes[value]);
    else
        unsetCursor();
}

void Caption::setCaptionPicture(const QPixmap& value)
{
    picture_ = value;
    changed();
}

void Caption::changed()
{
    if (autoSize_) resize(sizeHint());
    updateGeometry();
    update();
}

void Caption::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) changed();
}

QSize Caption::textSize(const QString& text) const
{
    const QFontMetrics metrics = fontMetrics();
    if (!vertical_) return {metrics.horizontalAdvance(text), metrics.height()};
    int widest = 0;
    const QStringList characters = stacked(text);
    for (const QString& character : characters)
        widest = std::max(widest, metrics.horizontalAdvance(character));
    return {widest, metrics.height() * int(characters.size())};
}

Caption::Layout Caption::layout() const
{
    const int inset = std::clamp(borders_, 0, 4);
    QRect area = rect().adjusted(inset, inset, -inset, -inset);
    Layout at;
    if (!picture_.isNull()) {
        at.picture = QRect(area.topLeft(), picture_.deviceIndependentSize().toSize());
        area.setLeft(at.picture.right() + 1 + PictureGap);
    }
    const int before = outlineStep();
    const int after = std::max(outlineStep(), shadowOffset().x());
    const int room = area.width() - before - after;
    at.shown = displayType_ == 1 && !vertical_
                   ? fontMetrics().elidedText(caption_, Qt::ElideRight, std::max(room, 0))
                   : caption_;
    const QSize size = textSize(at.shown);
    int left = area.left() + before;
    if (alignment_ == 1) left += room - size.width();
    if (alignment_ == 2) left += (room - size.width()) / 2;
    at.text = QRect(QPoint(left, area.top() + outlineStep()), size);
    return at;
}

QSize Caption::sizeHint() const
{
    const int inset = 2 * std::clamp(borders_, 0, 4);
    const QSize text = textSize(caption_);
    const QSize picture = picture_.isNull() ? QSize() : picture_.deviceIndependentSize().toSize();
    const int pictureWidth = picture_.isNull() ? 0 : picture.width() + PictureGap;
    const int width = outlineStep() + std::max(outlineStep(), shadowOffset().x());
    const int height = outlineStep() + std::max(outlineStep(), shadowOffset().y());
    return {inset + pictureWidth + text.width() + width,
            inset + std::max(picture.height(), text.height() + height)};
}

void Caption::drawText(QPainter& painter, const Layout& at, QPoint offset) const
{
    const QPoint origin = at.text.topLeft() + offset + QPoint(0, fontMetrics().ascent());
    if (!vertical_) {
        painter.drawText(origin, at.shown);
        return;
    }
    const QStringList characters = stacked(at.shown);
    for (int i = 0; i < characters.size(); ++i)
        painter.drawText(origin + QPoint(0, i * fontMetrics().height()), characters[i]);
}

void Caption::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!transparent_) painter.fillRect(rect(), toQColor(backColor_, palette()));

    // Raised outside, sunken inside: highlight, light, shadow, dark shadow from the outer ring
    // in, each lit from the top left.
    const std::array<QColor, 4> lit{
        palette().color(QPalette::Light), palette().color(QPalette::Midlight),
        palette().color(QPalette::Dark), palette().color(QPalette::Shadow)};
    const int rings = std::clamp(borders_, 0, 4);
    for (int ring = 0; ring < rings; ++ring) {
        const QRect r = rect().adjusted(ring, ring, -ring, -ring);
        painter.setPen(lit[ring]);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(lit[3 - ring]);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }

    const Layout at = layout();
    if (!picture_.isNull()) painter.drawPixmap(at.picture, picture_);
    if (at.shown.isEmpty()) return;
    painter.setFont(font());
    if (shadowed_ && isEnabled()) {
        painter.setPen(Grey);
        drawText(painter, at, shadowOffset());
    }
    if (outlined_) {
        painter.setPen(isEnabled() ? toQColor(outColor_, palette()) : Grey);
        for (const QPoint step : OutlineSteps)
            drawText(painter, at, step * outlineStep());
    }
    if (hollow_) return;
    if (gradientTyp_ == 0) {
        painter.setPen(toQColor(inColor_, palette()));
    } else {
        const QPointF from = at.text.topLeft();
        const QPointF to = gradientTyp_ == 1 ? QPointF(at.text.right(), at.text.top())
                                             : QPointF(at.text.left(), at.text.bottom());
        // QLinearGradient interpolates red, green and blue each in a straight line.
        QLinearGradient gradient(from, to);
        const int first = gradientSwapped_ ? gradientEnds_ : gradientStart_;
        const int last = gradientSwapped_ ? gradientStart_ : gradientEnds_;
        gradient.setColorAt(0, toQColor(first, palette()));
        gradient.setColorAt(1, toQColor(last, palette()));
        painter.setPen(QPen(QBrush(gradient), 1));
    }
    drawText(painter, at, {});
}
