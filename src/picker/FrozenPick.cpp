#include "FrozenPick.h"

#include "FrozenScreen.h"
#include "ScreenReader.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {

const QString NoPortalText = QStringLiteral(
    "Tintwell cannot see the screen: on Wayland it asks the desktop portal for a picture of "
    "the screen, and no portal answered. Install xdg-desktop-portal and the portal of your "
    "desktop (xdg-desktop-portal-gnome, -kde or -wlr, for example), then try again.");
const QString RefusedText = QStringLiteral(
    "The desktop portal refused both a picture of the screen and its own colour picker, so no "
    "colour can be picked.");
const QString UnusableText = QStringLiteral(
    "The desktop portal's answer could not be used (no readable picture of the whole screen, "
    "or no colour), so nothing was picked.");
const QString UnreadableText = QStringLiteral("Tintwell could not read the screen.");

QList<QRect> screenAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->geometry();
    return areas;
}

} // namespace

std::optional<QList<QImage>> ScreenParts(const QImage& desktop, const QList<QRect>& screens)
{
    QRect whole;
    for (const QRect& screen : screens)
        whole |= screen;
    if (desktop.isNull() || whole.isEmpty()) return std::nullopt;
    const double scale = double(desktop.width()) / whole.width();
    // The height follows the width's scale, give or take the pixel its rounding may cost.
    if (scale < 1 || std::abs(whole.height() * scale - desktop.height()) > 1) return std::nullopt;
    QList<QImage> parts;
    for (const QRect& screen : screens) {
        const QPointF from = QPointF(screen.topLeft() - whole.topLeft()) * scale;
        const QRect part(qRound(from.x()), qRound(from.y()), qRound(screen.width() * scale),
                         qRound(screen.height() * scale));
        parts << desktop.copy(part.intersected(desktop.rect()));
    }
    return parts;
}

FrozenPick::FrozenPick(QObject* parent) : QObject(parent)
{
}

FrozenPick::~FrozenPick()
{
    for (const QPointer<FrozenScreen>& window : std::as_const(windows_))
        delete window.data();
}

void FrozenPick::start()
{
    if (waylandSession()) {
        DesktopPortal::instance().screenshot(
            this, [this](const DesktopPortal::Answer& answer) { onScreenshot(answer); });
        return;
    }
    // The screen reader works in physical pixels; a screen's origin is the same in both.
    QList<QImage> parts;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->geometry();
        parts << ScreenReader::instance().grab(
            QRect(area.topLeft(), area.size() * screen->devicePixelRatio()));
        if (parts.last().isNull()) {
            emit failed(UnreadableText);
            return;
        }
    }
    showParts(parts);
}

void FrozenPick::onScreenshot(const DesktopPortal::Answer& answer)
{
    using Status = DesktopPortal::Status;
    switch (answer.status) {
    case Status::Ok:
        if (const auto parts = ScreenParts(answer.picture, screenAreas()))
            showParts(*parts);
        else
            emit failed(UnusableText);
        return;
    case Status::Refused:
        DesktopPortal::instance().pickColour(
            this, [this](const DesktopPortal::Answer& colour) { onColour(colour); });
        return;
    case Status::Cancelled:
        emit cancelled();
        return;
    case Status::NoPortal:
        emit failed(NoPortalText);
        return;
    case Status::BadAnswer:
        emit failed(UnusableText);
        return;
    }
}

void FrozenPick::onColour(const DesktopPortal::Answer& answer)
{
    using Status = DesktopPortal::Status;
    switch (answer.status) {
    case Status::Ok:
        emit picked(answer.colour);
        return;
    case Status::Cancelled:
        emit cancelled();
        return;
    case Status::NoPortal:
        emit failed(NoPortalText);
        return;
    case Status::Refused:
        emit failed(RefusedText);
        return;
    case Status::BadAnswer:
        emit failed(UnusableText);
        return;
    }
}

void FrozenPick::showParts(const QList<QImage>& parts)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    for (int i = 0; i < parts.size() && i < screens.size(); ++i) {
        auto* window = new FrozenScreen(screens[i], parts[i]);
        windows_ << window;
        connect(window, &FrozenScreen::hovered, this, &FrozenPick::hovered);
        connect(window, &FrozenScreen::picked, this, [this](int colour) {
            closeWindows();
            emit picked(colour);
        });
        connect(window, &FrozenScreen::cancelled, this, [this] {
            closeWindows();
            emit cancelled();
        });
        window->showFullScreen();
        window->raise();
        window->activateWindow();
    }
}

void FrozenPick::closeWindows()
{
    // A window may be the sender of the signal that ends the pick: it goes once that returns.
    for (const QPointer<FrozenScreen>& window : std::as_const(windows_))
        if (window) {
            window->hide();
            window->deleteLater();
        }
    windows_.clear();
}
