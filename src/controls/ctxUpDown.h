#pragma once

#include <QStyle>
#include <QTimer>
#include <QWidget>

// A narrow spinner split into an up-arrow half and a down-arrow half. It keeps no value of its own:
// it reports steps to its host, which adds them to a number it keeps. A click is one step, sent on
// release; holding a half down repeats after a pause for as long as the pointer stays on it.
class ctxUpDown : public QWidget {
    Q_OBJECT

public:
    explicit ctxUpDown(QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // The repeat clock, exposed so a host or a test can see whether a held button is still
    // repeating, and drive its ticks without waiting for them.
    QTimer* repeatTimer() { return &RepeatTimer; }

signals:
    // +1 for the up button, -1 for the down button.
    void Change(int Delta);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    enum Button { None = 0, Up = 1, Down = 2 };

    int half() const { return height() / 2; }
    bool overUp(QPointF point) const;
    bool overDown(QPointF point) const;
    void press(QPointF point);
    void repeatTick();
    void drawButton(QPainter& painter, const QRect& rect, QStyle::PrimitiveElement arrow,
                    bool pushed) const;

    Button ActiveButton = None;
    bool PointerOver = false;
    QTimer RepeatTimer;
};
