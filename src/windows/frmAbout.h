#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPointer>

class QLabel;

// The About box: the program's version over its picture. A click anywhere or Esc closes it.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    // Opens over the main window, takes its icon and gives it the top band back on closing.
    explicit frmAbout(QWidget* mainWindow);

    QLabel* lblVersion = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Every way out (a click, Esc, the frame's close) ends here.
    void done(int result) override;

private:
    QPixmap picture_;
    QPointer<QWidget> mainWindow_;
};
