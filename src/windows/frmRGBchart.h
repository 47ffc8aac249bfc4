#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QLabel;
class QRadioButton;
class ScrollingViewPort;

// "RGB Colour Chart": the chart of colours with their codes, in decimal or in hex, scrolled in a
// viewport. It opens without an owner, keeps its own place and size, and always opens on the
// decimal chart. Closing it destroys it.
class frmRGBchart : public QWidget {
    Q_OBJECT

public:
    // The main window gives the chart its icon and gets the top band back when the chart closes.
    explicit frmRGBchart(QWidget* mainWindow);

    // Brings the viewport's bars in line with the size of the chart shown.
    void CheckSize();

    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    // The two charts, held for Picture1 to take.
    QPixmap Picture3;
    QPixmap Picture4;
    ScrollingViewPort* ScrollingViewPort1 = nullptr;
    QLabel* Picture1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
    void Form_Resize();
    void showChart(const QPixmap& chart);

    QPointer<QWidget> mainWindow_;
};
