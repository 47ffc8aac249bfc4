#pragma once

#include <QFrame>

// A picture box that shows one colour as its background. The colour is a ColourValue
// (0x00BBGGRR); a value with the top bit set is a system-colour reference and shows as the
// button face.
class ColourBox : public QFrame {
    Q_OBJECT

public:
    explicit ColourBox(QWidget* parent = nullptr);

    int BackColor() const { return backColor_; }
    void setBackColor(int colourValue);

signals:
    void pressed(Qt::MouseButton button);
    void released(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int backColor_ = 0;
};

// The colour a ColourValue stands for on this screen.
QColor toQColor(int colourValue, const QPalette& palette);
