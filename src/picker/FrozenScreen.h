#pragma once

#include <QImage>
#include <QWidget>
#include <optional>

class QScreen;

// One screen's part of a still picture of the desktop, shown full-screen over that screen, one
// picture pixel to one physical pixel when the picture is at the screen's own scale. The pixel
// under the pointer shows enlarged in a loupe beside it, with its colour and hex code below.
// A press and release of the left button pick the pixel under the release; Escape or the right
// button call the pick off.
class FrozenScreen : public QWidget {
    Q_OBJECT

public:
    FrozenScreen(QScreen* screen, const QImage& picture);

signals:
    // ColourValues of the pixel under the pointer.
    void hovered(int colour);
    void picked(int colour);
    void cancelled();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Follows the pointer to a point of the window; returns the ColourValue under it.
    int follow(QPointF point);
    QRect loupeArea() const;

    QImage picture_;
    // The picture pixel under the pointer and where in the window the pointer is, once it moved.
    std::optional<QPoint> pixel_;
    QPointF pointer_;
    // A release picks only after a press here: the press that began the pick may end over us.
    bool pressed_ = false;
};
