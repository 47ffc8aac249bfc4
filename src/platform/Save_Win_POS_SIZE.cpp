#include "Save_Win_POS_SIZE.h"

#include "Numbers.h"
#include "SettingsStore.h"
#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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

void write(const QWidget* window, const char* word, const QString& value)
{
    SettingsStore::SaveSetting(SettingsStore::ExeName(), Section, key(window, word), value);
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

QString twipsText(int pixels, double twipsPerPixel)
{
    return QString::number(std::lround(pixels * twipsPerPixel));
}

} // namespace

void RestoreWindowPlacement(QWidget* window, int defaultWidth, int defaultHeight, int defaultTop,
                            int defaultLeft, bool fixedSize)
{
    const int state = SettingsStore::ToInt(read(window, "WindowState", QStringLiteral("0")), 0);
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
    default: break;
    }
}

void ApplyStoredGeometry(QWidget* window, int defaultWidth, int defaultHeight, int defaultTop,
                         int defaultLeft, bool fixedSize)
{
    if (!fixedSize) {
        const double width = readTwips(window, "width", defaultWidth);
        const double height = readTwips(window, "height", defaultHeight);
        // Stored sizes are the outer frame's; the frame adds nothing until the window is shown.
        const QSize frameExtra = window->frameGeometry().size() - window->size();
        window->resize(std::max(1, Twips::toPixelsX(width) - frameExtra.width()),
                       std::max(1, Twips::toPixelsY(height) - frameExtra.height()));
    }
    const double top = readTwips(window, "Top", defaultTop);
    const double left = readTwips(window, "Left", defaultLeft);
    QPoint position(Twips::toPixelsX(left), Twips::toPixelsY(top));
    // A place on no screen (a monitor since unplugged, a hand-edited value) would leave the
    // window out of reach.
    if (!QGuiApplication::screenAt(position))
        position = QPoint(Twips::toPixelsX(defaultLeft), Twips::toPixelsY(defaultTop));
    window->move(position);
}

void SaveWindowPlacement(QWidget* window)
{
    if (window->isMinimized() || window->isMaximized()) {
        // Only the state: the last normal geometry stays stored.
        write(window, "WindowState", window->isMinimized() ? QStringLiteral("1") : QStringLiteral("2"));
        return;
    }
    const QRect frame = window->frameGeometry();
    const double tx = Twips::perPixelX();
    const double ty = Twips::perPixelY();
    write(window, "Top", twipsText(frame.top(), ty));
    write(window, "Left", twipsText(frame.left(), tx));
    write(window, "width", twipsText(frame.width(), tx));
    write(window, "height", twipsText(frame.height(), ty));
    write(window, "WindowState", QStringLiteral("0"));
}

} // namespace Save_Win_POS_SIZE
