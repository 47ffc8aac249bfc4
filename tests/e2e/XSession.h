#pragma once

#include <QColor>
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

    // Copies the program into the folder and starts it at the given scale factor; false when its
    // window never appears.
    bool start(const QString& binary, int scale = 1);

    QString programFolder() const { return folder_.path(); }
    QString settingsFile(const QString& appName) const;

    // The top-left corner of the window's client area (below the menu bar), in screen pixels.
    QPoint clientOrigin() const { return clientOrigin_; }
    // A point of the client area given in twips, in screen pixels.
    QPoint at(int leftTwips, int topTwips) const
    {
        return clientOrigin_ + QPoint(leftTwips * scale_ / 15, topTwips * scale_ / 15);
    }

    // Pointer and keyboard, with a pause after each step so the server does not merge them.
    void click(QPoint screenPoint);
    void moveTo(QPoint screenPoint);
    void press();
    void release();
    // The screen's pixel, read from a screenshot of the whole screen.
    static QColor screenPixel(QPoint screenPoint);
    void type(const QString& text);
    void key(const QString& keyName);
    QString clipboard() const;

    static QString run(const QString& program, const QStringList& arguments);

private:
    QTemporaryDir folder_;
    QProcess process_;
    QString windowId_;
    QPoint clientOrigin_;
    int scale_ = 1;
};
