#pragma once

#include <QFrame>

// A picture box that shows one colour as its background. The colour is a ColourValue
// (0x00BBGGRR); a value with the top bit set is a system-colour reference and shows as the
// button face. The value 0x8000000F is that button face.
class ColourBox : public QFrame {
    Q_OBJECT

public:
    explicit ColourBox(QWidget* parent = nullptr);

    int BackColor() const { return backColor_; }
    void setBackColor(int colourValue);

    // Free text the host keeps with the box (a palette swatch keeps its colour's text here).
    QString Tag;

signals:
    void pressed(Qt::MouseButton button, QPoint globalPosition);
    void released(Qt::MouseButton button);
    // A left-button press and release on the box.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int backColor_ = 0;
};

// The system colour reference of the button face.
constexpr int ButtonFace = static_cast<int>(0x8000000FU);

// The colour a ColourValue stands for on this screen.
QColor toQColor(int colourValue, const QPalette& palette);
