#pragma once

#include <QImage>
#include <functional>

class QObject;

// True on a Wayland session, whether the program runs natively or through XWayland: X then sees
// only the windows of other X programs, so the screen is read through the desktop portal.
bool waylandSession();

// The desktop portal's screen services (org.freedesktop.portal.Screenshot): a still picture of
// the whole desktop, and the portal's own one-click colour picker.
class DesktopPortal {
public:
    enum class Status {
        Ok,        // the picture or the colour is in the answer
        Cancelled, // the user or the portal called it off
        Refused,   // the portal lacks the request or said no to it
        NoPortal,  // no session bus, or no portal on it
        BadAnswer, // an answer that cannot be used: no readable picture, colours out of range
    };
    struct Answer {
        Status status = Status::NoPortal;
        QImage picture;  // Ok from screenshot(): opaque RGB32, in the desktop's physical pixels
        int colour = -1; // Ok from pickColour(): a ColourValue
    };
    using Reply = std::function<void(const Answer&)>;

    virtual ~DesktopPortal() = default;
    // Asks for a picture of the whole desktop without a dialog. `done` runs once, from the event
    // loop, unless `context` goes first: that withdraws the request.
    virtual void screenshot(QObject* context, Reply done) = 0;
    // Asks the portal to let the user click a pixel; the same rules.
    virtual void pickColour(QObject* context, Reply done) = 0;

    static DesktopPortal& instance();
    // Installs a stand-in (not owned); nullptr puts the real portal back.
    static void install(DesktopPortal* portal);
};
