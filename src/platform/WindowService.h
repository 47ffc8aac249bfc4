#pragma once

class QWidget;

// What the program asks of the window manager: the stay-on-top band and a move of the whole
// window that the user started by pressing on its client area.
class WindowService {
public:
    virtual ~WindowService() = default;

    // Puts the window into or out of the top band without moving, resizing or hiding it.
    virtual void setStaysOnTop(QWidget* window, bool on) = 0;
    // Hands a move of the window to the window manager; false when there is none to take it.
    virtual bool startSystemMove(QWidget* window) = 0;

    static WindowService& instance();
    // Installs a stand-in (not owned); nullptr puts the real service back.
    static void install(WindowService* service);
};
