#pragma once

#include <QLabel>
#include <QPointer>
#include <QWidget>

class QFrame;
class QScrollBar;

// A container that scrolls the picture placed inside it: the first QLabel among its children
// becomes the controlled picture, and a vertical and a horizontal scroll bar move it within the
// visible area. Each bar is placed by its mode: 0 left (top) edge, always shown; 1 right (bottom)
// edge, always shown; 2 and 3 the same edges, shown only when the picture is larger than the
// view that way; 4 never shown. Other values leave the bar as it is.
class ScrollingViewPort : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(QLabel* ControledPictureBox READ ControledPictureBox)
    Q_PROPERTY(int Appearance READ Appearance WRITE setAppearance)
    Q_PROPERTY(int BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int BackStyle READ BackStyle WRITE setBackStyle)
    Q_PROPERTY(int BorderStyle READ BorderStyle WRITE setBorderStyle)
    Q_PROPERTY(int ScrollBarHorizontal READ ScrollBarHorizontal WRITE setScrollBarHorizontal)
    Q_PROPERTY(int ScrollBarVerticle READ ScrollBarVerticle WRITE setScrollBarVerticle)

public:
    explicit ScrollingViewPort(QWidget* parent = nullptr);

    // The picture it scrolls, found on first asking; nullptr while it holds none.
    QLabel* ControledPictureBox();
    // Lays the bars out again for the picture's present size.
    void Refresh();

    // 0 flat, 1 three-dimensional frame.
    int Appearance() const { return appearance_; }
    void setAppearance(int value);
    // A ColourValue; shown where the picture does not cover the view.
    int BackColor() const { return backColor_; }
    void setBackColor(int value);
    // 0 transparent, 1 opaque.
    int BackStyle() const { return backStyle_; }
    void setBackStyle(int value);
    // 0 none, 1 single.
    int BorderStyle() const { return borderStyle_; }
    void setBorderStyle(int value);
    int ScrollBarHorizontal() const { return horizontalMode_; }
    void setScrollBarHorizontal(int value);
    int ScrollBarVerticle() const { return verticalMode_; }
    void setScrollBarVerticle(int value);

    QScrollBar* VScroll = nullptr;
    QScrollBar* HScroll = nullptr;
    // Fills the square where two shown bars meet.
    QWidget* Corner = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    void scrollPicture();
    void applyFrame();

    int appearance_ = 1;
    int backColor_ = 0xFFFFFF;
    int backStyle_ = 1;
    int borderStyle_ = 1;
    int horizontalMode_ = 1;
    int verticalMode_ = 1;
    QPointer<QLabel> picture_;
    QSize pictureSize_;
    // Which edges the bars were last placed at, for a mode that leaves a bar as it is.
    bool verticalLeft_ = false;
    bool horizontalTop_ = false;
    // Drawn over the picture so that a scrolled picture never covers the frame.
    QFrame* border_ = nullptr;
};
