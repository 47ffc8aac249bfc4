#pragma once

#include <QPixmap>
#include <QWidget>

// A line of text drawn by the control itself, with a drop shadow, a one-pixel outline, a colour
// gradient, stacked letters, a three-dimensional border and a picture beside it. Colours are
// ColourValues (0x00BBGGRR; 0x8000000F is the button face).
//
// Geometry: the border's rings come first, then the picture at the top left, then the text,
// which always keeps one pixel of room before it for the outline and the shadow's offset after
// it, so turning either on or off never moves the letters.
class Caption : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    // 0 draws none; 1 to 4 draw as many rings, raised outside and sunken inside.
    Q_PROPERTY(int Borders READ Borders WRITE setBorders)
    // When false the button face (or BackColor) fills the control first.
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    // The control takes the size its text, picture and border need.
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(int BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int CaptionINColor READ CaptionINColor WRITE setCaptionINColor)
    Q_PROPERTY(int CaptionOUTColor READ CaptionOUTColor WRITE setCaptionOUTColor)
    // Hollow letters: the shadow and outline are drawn, the letters themselves are not.
    Q_PROPERTY(bool CaptionTransparent READ CaptionTransparent WRITE setCaptionTransparent)
    Q_PROPERTY(bool CaptionOutlined READ CaptionOutlined WRITE setCaptionOutlined)
    Q_PROPERTY(bool DisplayVertikal READ DisplayVertikal WRITE setDisplayVertikal)
    // 0 shows the whole text; 1 ends a text too wide for the control with "…".
    Q_PROPERTY(int DisplayType READ DisplayType WRITE setDisplayType)
    Q_PROPERTY(QPixmap MouseIcon READ MouseIcon WRITE setMouseIcon)
    // The pointer shapes of the classic numbering: 0 the default, 1 arrow, 2 cross, 3 I-beam,
    // 11 hourglass, 13 arrow and hourglass, ..., 99 MouseIcon.
    Q_PROPERTY(int MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(int CaptionGradientStart READ CaptionGradientStart WRITE setCaptionGradientStart)
    Q_PROPERTY(int CaptionGradientEnds READ CaptionGradientEnds WRITE setCaptionGradientEnds)
    Q_PROPERTY(bool CaptionGradientchangeColor READ CaptionGradientchangeColor WRITE
                   setCaptionGradientchangeColor)
    // 0 none, 1 left to right, any other top to bottom.
    Q_PROPERTY(int CaptionGradientTyp READ CaptionGradientTyp WRITE setCaptionGradientTyp)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    // 0 left, 1 right, 2 centred.
    Q_PROPERTY(int CaptionAligmend READ CaptionAligmend WRITE setCaptionAligmend)
    Q_PROPERTY(bool CaptionShadowed READ CaptionShadowed WRITE setCaptionShadowed)
    Q_PROPERTY(QPixmap CaptionPicture READ CaptionPicture WRITE setCaptionPicture)
    Q_PROPERTY(int TextHeight READ TextHeight)
    Q_PROPERTY(int TextWidth READ TextWidth)

public:
    using QWidget::QWidget;

    QString caption() const { return caption_; }
    void setCaption(const QString& value) { assign(caption_, value); }
    int Borders() const { return borders_; }
    void setBorders(int value) { assign(borders_, value); }
    bool Transparent() const { return transparent_; }
    void setTransparent(bool value) { assign(transparent_, value); }
    bool AutoSize() const { return autoSize_; }
    void setAutoSize(bool value) { assign(autoSize_, value); }
    int BackColor() const { return backColor_; }
    void setBackColor(int value) { assign(backColor_, value); }
    int CaptionINColor() const { return inColor_; }
    void setCaptionINColor(int value) { assign(inColor_, value); }
    int CaptionOUTColor() const { return outColor_; }
    void setCaptionOUTColor(int value) { assign(outColor_, value); }
    bool CaptionTransparent() const { return hollow_; }
    void setCaptionTransparent(bool value) { assign(hollow_, value); }
    bool CaptionOutlined() const { return outlined_; }
    void setCaptionOutlined(bool value) { assign(outlined_, value); }
    bool DisplayVertikal() const { return vertical_; }
    void setDisplayVertikal(bool value) { assign(vertical_, value); }
    int DisplayType() const { return displayType_; }
    void setDisplayType(int value) { assign(displayType_, value); }
    QPixmap MouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const QPixmap& value);
    int MousePointer() const { return mousePointer_; }
    void setMousePointer(int value);
    int CaptionGradientStart() const { return gradientStart_; }
    void setCaptionGradientStart(int value) { assign(gradientStart_, value); }
    int CaptionGradientEnds() const { return gradientEnds_; }
    void setCaptionGradientEnds(int value) { assign(gradientEnds_, value); }
    bool CaptionGradientchangeColor() const { return gradientSwapped_; }
    void setCaptionGradientchangeColor(bool value) { assign(gradientSwapped_, value); }
    int CaptionGradientTyp() const { return gradientTyp_; }
    void setCaptionGradientTyp(int value) { assign(gradientTyp_, value); }
    int CaptionAligmend() const { return alignment_; }
    void setCaptionAligmend(int value) { assign(alignment_, value); }
    bool CaptionShadowed() const { return shadowed_; }
    void setCaptionShadowed(bool value) { assign(shadowed_, value); }
    QPixmap CaptionPicture() const { return picture_; }
    void setCaptionPicture(const QPixmap& value);

    int TextHeight() const { return fontMetrics().height(); }
    int TextWidth() const { return fontMetrics().horizontalAdvance(caption_); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Layout {
        QRect picture;
        QRect text; // the letters' box, without the outline or the shadow
        QString shown;
    };
    template <typename T> void assign(T& member, const T& value)
    {
        if (member == value) return;
        member = value;
        changed();
    }
    void changed();
    Layout layout() const;
    QSize textSize(const QString& text) const;
    void drawText(QPainter& painter, const Layout& at, QPoint offset) const;

    QString caption_ = QStringLiteral("0");
    int borders_ = 0;
    bool transparent_ = true;
    bool autoSize_ = false;
    int backColor_ = static_cast<int>(0x8000000FU);
    int inColor_ = 0xFFFFFF;
    int outColor_ = 0;
    bool hollow_ = false;
    bool outlined_ = true;
    bool vertical_ = false;
    int displayType_ = 0;
    QPixmap mouseIcon_;
    int mousePointer_ = 0;
    int gradientStart_ = 0xFFFFFF;
    int gradientEnds_ = 0x404040;
    bool gradientSwapped_ = false;
    int gradientTyp_ = 0;
    int alignment_ = 0;
    bool shadowed_ = true;
    QPixmap picture_;
};
