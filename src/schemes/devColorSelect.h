#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QKeyEvent;
class QPainter;
class QScrollBar;

// A list of named colours, one 15-pixel line each: a small swatch followed by the name. Colours
// are ColourValues (0x00BBGGRR). The lines stand on a tall surface that slides inside the view
// under the control's own scroll bar; only the lines in view are ever drawn, at the screen's own
// resolution, and a change of selection redraws two lines.
class devColorSelect : public QWidget {
    Q_OBJECT

public:
    explicit devColorSelect(QWidget* parent = nullptr);

    // The host's "a line has been chosen" flag: a press or SelectLineNumber sets it, the host
    // clears it after a reload. It has nothing to do with keyboard focus.
    bool HasFocus() const { return hasFocus_; }
    void setHasFocus(bool value) { hasFocus_ = value; }

    // Draws the lines again, once the host has added them.
    void PaintListItems();
    void AddItem(const QString& caption, int colour);
    // Selects a line as a press on it would; an index outside the list is ignored.
    void SelectLineNumber(int index);
    // Removes every line; the selected index and HasFocus stay as they were.
    void Clear();

    int ListCount() const { return static_cast<int>(Captions.size()); }
    int ListIndex() const { return listIndex_; }
    // 0 and an empty caption for an index outside the list.
    int ColorKeyValue(int index) const { return Colours.value(index); }
    QString ItemCaption(int index) const { return Captions.value(index); }
    int GetColour() const { return ColorKeyValue(listIndex_); }

    // Gives the keyboard to the list whatever the value.
    void SetControlFocus(bool);

signals:
    // button is the Qt::MouseButton pressed (1 left, 2 right, 4 middle), or 0 for a move by an
    // arrow key or by SelectLineNumber.
    void DevColorSelectorMouseDown(int button, int index, const QString& caption, int colour);
    void DevColorSelectorMouseUp(int button, int index, const QString& caption, int colour);
    void DevColorSelectorDblClick(int colour);
    // keyCode is the typed character. It is passed by reference, so connect directly (a queued
    // connection cannot carry it): a host that sets it to 0 keeps the key to itself, otherwise
    // the key goes on to the parent widgets as an unhandled key would.
    void DevColorSelectorKeyPress(int& keyCode);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Surface;

    void arrange();
    void paintLine(int index);
    void drawLine(QPainter& painter, int index) const;
    void pressLine(int button, int index);
    void keepInList(int& line);
    void arrowMoveTo(int index);
    void keepInView(int index);
    void moveDown();
    void moveUp();

    void PicItemDC_MouseDown(int button, qreal y);
    void PicItemDC_MouseUp(int button);
    void PicItemDC_DblClick();
    void PicItemDC_KeyDown(QKeyEvent* event);

    QStringList Captions;
    QList<int> Colours;
    int listIndex_ = 0;
    bool hasFocus_ = false;
    bool selectionShown_ = false; // until a line is chosen after the last PaintListItems
    // Where in the surface the last press landed; the arrow keys move from here, not from the
    // selected index, which SelectLineNumber can set without touching it.
    int currentY_ = 0;

    QWidget* PicList;
    Surface* PicItemDC;
    QScrollBar* vBar;
};
