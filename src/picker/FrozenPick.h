#pragma once

#include "DesktopPortal.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <optional>

class FrozenScreen;

// The part of a picture of the whole desktop that each screen shows, for the screens' areas in
// the desktop's logical coordinates. The picture must cover the desktop at one scale for both
// directions, one picture pixel per point or more; nothing for a picture of any other size.
std::optional<QList<QImage>> ScreenParts(const QImage& desktop, const QList<QRect>& screens);

// A pick over a still picture of the desktop, one FrozenScreen per screen. The picture comes
// from the desktop portal on a Wayland session and from a grab of each screen elsewhere. Where
// the portal refuses the picture, its own colour picker picks instead (one click, no loupe).
// A pick ends with exactly one of picked, cancelled or failed, and closes its windows.
class FrozenPick : public QObject {
    Q_OBJECT

public:
    explicit FrozenPick(QObject* parent = nullptr);
    ~FrozenPick() override;

    void start();

signals:
    void hovered(int colour);
    void picked(int colour);
    void cancelled();
    // Nothing could be picked; the message tells the user why.
    void failed(const QString& message);

private:
    void onScreenshot(const DesktopPortal::Answer& answer);
    void onColour(const DesktopPortal::Answer& answer);
    void showParts(const QList<QImage>& parts);
    void closeWindows();

    QList<QPointer<FrozenScreen>> windows_;
};
