#pragma once

#include <QPoint>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// One run of the real program in a temporary program folder, on the X server of $DISPLAY,
// with its own settings folder. Drives it through xdotool and reads the clipboard with xclip.
class XSession {
public:
    XSession();
    ~XSession();

    // Copies the program into the folder and starts it; false when its window never appears.
    bool start(const QString& binary);

    QString programFolder() const { return folder_.path(); }
    QString settingsFile(const QString& appName) const;

    // The top-left corner of the window's client area (below the menu bar), in screen pixels.
    QPoint clientOrigin() const { return clientOrigin_; }

    // Pointer and keyboard, with a pause after each step so the server does not merge them.
    void click(QPoint screenPoint);
    void type(const QString& text);
    void key(const QString& keyName);
    QString clipboard() const;

    static QString run(const QString& program, const QStringList& arguments);

private:
    QTemporaryDir folder_;
    QProcess process_;
    QString windowId_;
    QPoint clientOrigin_;
};
