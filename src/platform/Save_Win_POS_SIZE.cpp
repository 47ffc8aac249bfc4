#include "Save_Win_POS_SIZE.h"

#include "Numbers.h"
#include "SettingsStore.h"
#include "Twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace Save_Win_POS_SIZE {

namespace {

const QString Section = QStringLiteral("FormSettings");

QString key(const QWidget* window, const char* word)
{
    return window->objectName() + u' ' + QLatin1String(word);
}

QString read(const QWidget* window, const char* word, const QString& defaultValue)
{
    return SettingsStore::GetSetting(SettingsStore::ExeName(), Section, key(window, word),
                                     defaultValue);
}

// A stored length in twips, read as a single-precision number. A hand-edited text that is no
// number, or one no screen could hold, falls back to the window's default.
double readTwips(const QWidget* window, const char* word, int defaultValue)
{
    const auto value = Numbers::NumericValue(read(window, word, QString::number(defaultValue)));
    if (!value) return defaultValue;
    const float single = static_cast<float>(*value);
    if (!std::isfinite(single) || std::fabs(single) > 1.0e7f) return defaultValue;
    return single;
}

// Stored sizes are the outer frame's, but a window manager's frame is known only once the window
// is shown: until then the window takes the whole size inside, and would grow by its frame at
// every opening. Watches the window until its frame shows, then takes the frame off once.
class FrameFit final : public QObject {
public:
    FrameFit(QWidget* window, QSize outer) : QObject(window), window_(window), outer_(outer)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Show) return false;
        const QSize frame = window_->frameGeometry().size() - window_->size();
        if (frame.isNull()) return false;
        window_->removeEventFilter(this);
        window_->resize((outer_ - frame).expandedTo(QSize(1, 1)));
        deleteLater();
        return false;
    }

private:
    QWidget* window_;
    QSize outer_;
};

QString twipsText(int pixels, double twipsPerPixel)
{
    return QString::number(std::lround(pixels * twipsPerPixel));
}

} // namespace

void RestoreWindowPlacement(QWidget* window, int defaultWidth, int defaultHeight, int defaultTop,
                            int defaultLeft, bool fixedSize)
{
    int state = SettingsStore::ToInt(read(window, "WindowState", QStringLiteral("0")), 0);
    // A window of fixed size cannot be maximised; it would only report being so and never store
    // its moves again.
    if (state == 2 && fixedSize) state = 0;
    switch (state) {
    case 0: // normal
    case 1: // minimised: opens normal, where it was before it was minimised
        ApplyStoredGeometry(window, defaultWidth, defaultHeight, defaultTop, defaultLeft,
                            fixedSize);
        break;
    case 2:
        window->setWindowState(Qt::WindowMaximized);
        ApplyStoredGeometry(window, defaultWidth, defaultHeight, defaultTop, defaultLeft,
                            fixedSize);
        break;
    default:
        break;
    }
}

void ApplyStoredGeometry(QWidget* window, int defaultWidth, int defaultHeight, int defaultTop,
                         int defaultLeft, bool fixedSize)
{
    if (!fixedSize) {
        const double width = readTwips(window, "width", defaultWidth);
        const double height = readTwips(window, "height", defaultHeight);
        const QSize outer(Twips::toPixelsX(width), Twips::toPixelsY(height));
        const QSize frameExtra = window->frameGeometry().size() - window->size();
        window->resize((outer - frameExtra).expandedTo(QSize(1, 1)));
        if (frameExtra.isNull() && !window->isVisible()) new FrameFit(window, outer);
    }
    const double top = readTwips(window, "Top", defaultTop);
    const double left = readTwips(window, "Left", defaultLeft);
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    const QRect frame(QPoint(Twips::toPixelsX(left), Twips::toPixelsY(top)),
                      window->frameGeometry().size());
    const QPoint defaultPlace(Twips::toPixelsX(defaultLeft), Twips::toPixelsY(defaultTop));
    window->move(PlaceOnScreens(frame, screens, defaultPlace));
}

QPoint PlaceOnScreens(const QRect& frame, const QList<QRect>& screens, QPoint defaultPlace)
{
    // Nothing of it on any screen (a monitor since unplugged, a hand-edited value): the default.
    const QRect* nearest = nullptr;
    qint64 bestOverlap = 0;
    for (const QRect& screen : screens) {
        const QRect common = screen.intersected(frame);
        const qint64 overlap = common.isEmpty() ? 0 : qint64(common.width()) * common.height();
        if (overlap > bestOverlap) {
            bestOverlap = overlap;
            nearest = &screen;
        }
    }
    if (!nearest) return defaultPlace;
    // The least move that brings it whole onto that screen, or at least its top-left corner when
    // it is the larger of the two.
    const auto into = [](int start, int length, int areaStart, int areaLength) {
        return std::max(areaStart, std::min(start, areaStart + areaLength - length));
    };
    return {into(frame.x(), frame.width(), nearest->x(), nearest->width()),
            into(frame.y(), frame.height(), nearest->y(), nearest->height())};
}

void SaveWindowPlacement(QWidget* window)
{
    const auto entry = [window](const char* word, const QString& value) {
        return std::pair(key(window, word), value);
    };
    QList<std::pair<QString, QString>> values;
    if (window->isMinimized() || window->isMaximized()) {
        // Only the state: the last normal geometry stays stored.
        values << entry("WindowState",
                        window->isMinimized() ? QStringLiteral("1") : QStringLiteral("2"));
    } else {
        const QRect frame = window->frameGeometry();
        const double tx = Twips::perPixelX();
        const double ty = Twips::perPixelY();
        values << entry("Top", twipsText(frame.top(), ty))
               << entry("Left", twipsText(frame.left(), tx))
               << entry("width", twipsText(frame.width(), tx))
               << entry("height", twipsText(frame.height(), ty))
               << entry("WindowState", QStringLiteral("0"));
    }
    SettingsStore::SaveSettings(SettingsStore::ExeName(), Section, values);
}

} // namespace Save_Win_POS_SIZE
