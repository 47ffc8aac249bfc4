#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

// The program's push button. It draws its own face, caption and pictures in shades of one face
// colour, follows the pointer in and out on a short timer, and with Appearance 2 or more stays
// down once clicked (a toggle). Colours are ColourValues (0x00BBGGRR); one with the top bit set
// names a system colour, as 0x8000000F the button face and 0x80000012 the button text.
class cpvButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Appearance READ Appearance WRITE setAppearance)
    Q_PROPERTY(int ButtonColor READ ButtonColor WRITE setButtonColor)
    Q_PROPERTY(int FontColorOver READ FontColorOver WRITE setFontColorOver)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int CaptionAlign READ CaptionAlign WRITE setCaptionAlign)
    Q_PROPERTY(int CaptionJustify READ CaptionJustify WRITE setCaptionJustify)
    Q_PROPERTY(bool Checked READ Checked WRITE setChecked)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool FlatOver READ FlatOver WRITE setFlatOver)
    Q_PROPERTY(bool FlatOverBox READ FlatOverBox WRITE setFlatOverBox)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(int FontColor READ FontColor WRITE setFontColor)
    Q_PROPERTY(QWidget* hWnd READ hWnd)
    Q_PROPERTY(int MaskColor READ MaskColor WRITE setMaskColor)
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(QPixmap MouseIcon READ MouseIcon WRITE setMouseIcon)
    Q_PROPERTY(QPixmap Picture READ Picture WRITE setPicture)
    Q_PROPERTY(QPixmap PictureDisabled READ PictureDisabled WRITE setPictureDisabled)
    Q_PROPERTY(QPixmap PictureDown READ PictureDown WRITE setPictureDown)
    Q_PROPERTY(QPixmap PictureOver READ PictureOver WRITE setPictureOver)
    Q_PROPERTY(int PictureTab READ PictureTab WRITE setPictureTab)
    Q_PROPERTY(bool ShowBorderOnFocus READ ShowBorderOnFocus WRITE setShowBorderOnFocus)
    Q_PROPERTY(bool ShowFocusRect READ ShowFocusRect WRITE setShowFocusRect)
    Q_PROPERTY(int Style READ Style WRITE setStyle)
    Q_PROPERTY(bool UseMaskColor READ UseMaskColor WRITE setUseMaskColor)

public:
    static constexpr int SystemButtonFace = static_cast<int>(0x8000000FU);
    static constexpr int SystemButtonText = static_cast<int>(0x80000012U);

    explicit cpvButton(QWidget* parent = nullptr);
    cpvButton(const QString& caption, QWidget* parent);

    int Appearance() const { return appearance_; }
    void setAppearance(int value);
    int ButtonColor() const { return buttonColor_; }
    void setButtonColor(int value);
    int FontColorOver() const { return fontColorOver_; }
    void setFontColorOver(int value);
    // Until one is given, the caption is the button's object name.
    QString Caption() const { return captionSet_ ? caption_ : objectName(); }
    void setCaption(const QString& value);
    // 0 caption right of the picture, 1 left of it, 2 below it, 3 above it.
    int CaptionAlign() const { return captionAlign_; }
    void setCaptionAlign(int value);
    // 0 left, 1 centred, 2 right.
    int CaptionJustify() const { return captionJustify_; }
    void setCaptionJustify(int value);
    bool Checked() const { return checked_; }
    void setChecked(bool value);
    bool FlatOver() const { return flatOver_; }
    void setFlatOver(bool value);
    bool FlatOverBox() const { return flatOverBox_; }
    void setFlatOverBox(bool value);
    int FontColor() const { return fontColor_; }
    void setFontColor(int value);
    QWidget* hWnd() { return this; }
    int MaskColor() const { return maskColor_; }
    void setMaskColor(int value);
    // The pointer shapes of the usual numbering: 0 the default, 1 arrow, 2 cross, 3 I-beam, ...,
    // 99 MouseIcon.
    int MousePointer() const { return mousePointer_; }
    void setMousePointer(int value);
    QPixmap MouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const QPixmap& value);
    QPixmap Picture() const { return picture_; }
    void setPicture(const QPixmap& value);
    QPixmap PictureDisabled() const { return pictureDisabled_; }
    void setPictureDisabled(const QPixmap& value);
    QPixmap PictureDown() const { return pictureDown_; }
    void setPictureDown(const QPixmap& value);
    QPixmap PictureOver() const { return pictureOver_; }
    void setPictureOver(const QPixmap& value);
    // 0 keeps the picture beside the caption; n > 0 holds it n pixels in from the edge on its side.
    int PictureTab() const { return pictureTab_; }
    void setPictureTab(int value);
    bool ShowBorderOnFocus() const { return showBorderOnFocus_; }
    void setShowBorderOnFocus(bool value);
    bool ShowFocusRect() const { return showFocusRect_; }
    void setShowFocusRect(bool value);
    // 0 caption only; 1 the pictures are drawn as well.
    int Style() const { return style_; }
    void setStyle(int value);
    using QWidget::setStyle; // the widget style, a different thing
    bool UseMaskColor() const { return useMaskColor_; }
    void setUseMaskColor(bool value);

    void ResetToDefaultColors();

    QSize sizeHint() const override;

    // The hover clock, exposed so a test can drive its ticks without waiting for them.
    QTimer* hoverTimer() { return &hoverTimer_; }

signals:
    void Click();
    void KeyDown(int KeyCode, Qt::KeyboardModifiers Shift);
    void KeyPress(int KeyAscii);
    void KeyUp(int KeyCode, Qt::KeyboardModifiers Shift);
    void MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void MouseMove(Qt::MouseButtons Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void MouseIn(Qt::KeyboardModifiers Shift);
    void MouseOut(Qt::KeyboardModifiers Shift);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Shades {
        QColor face, light, highlight, shadow, darkShadow;
    };

    void press(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at);
    void HoverTimer_Timer();
    void accessKey();
    void grabAccessKey();
    void MakeShades();
    QColor colour(int colourValue) const;
    QColor captionColour() const;
    QPixmap chosenPicture() const;
    void drawBorder(QPainter& painter, QRect face, bool sunken) const;
    void drawContent(QPainter& painter, QRect area);
    bool inside(QPoint at) const;

    int appearance_ = 1;
    int buttonColor_ = SystemButtonFace;
    int fontColorOver_ = SystemButtonFace;
    QString caption_;
    bool captionSet_ = false;
    int captionAlign_ = 0;
    int captionJustify_ = 1;
    bool checked_ = false;
    bool flatOver_ = false;
    bool flatOverBox_ = false;
    int fontColor_ = SystemButtonText;
    int maskColor_ = SystemButtonFace;
    int mousePointer_ = 0;
    QPixmap mouseIcon_;
    QPixmap picture_;
    QPixmap pictureDisabled_;
    QPixmap pictureDown_;
    QPixmap pictureOver_;
    int pictureTab_ = 0;
    bool showBorderOnFocus_ = true;
    bool showFocusRect_ = true;
    int style_ = 0;
    bool useMaskColor_ = false;

    bool HasFocus = false;
    bool Pressed = false;
    bool MouseOver = false;
    bool KeyLatch = false;
    // Drawn raised while true although still pressed: held down and dragged off.
    bool showRaised_ = false;
    Qt::MouseButton lastButton_ = Qt::NoButton;
    Qt::KeyboardModifiers lastShift_;
    QPoint lastPosition_;
    Shades shades_;
    int accessKeyId_ = 0;
    QTimer hoverTimer_;
};
