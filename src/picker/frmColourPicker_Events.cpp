// Wiring: which control event runs which handler, the key and focus filters of the editing
// fields, and dragging the window by its client area.
#include "ColourBox.h"
#include "WindowService.h"
#include "cpvButton.h"
#include "ctxUpDown.h"
#include "frmColourPicker.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

namespace {

// The text a key press would type, when it is one a field must judge: a printable character or
// backspace. Navigation, Tab, Enter and shortcuts such as Ctrl+V pass untouched.
QString typedKey(const QKeyEvent* event)
{
    const QString text = event->text();
    if (text.size() != 1) return {};
    if (text.at(0).isPrint() || text == u"\b") return text;
    return {};
}

} // namespace

void frmColourPicker::connectControls()
{
    const auto onRGBField = [this](QLineEdit* field, QSlider* slider) {
        connect(field, &QLineEdit::textChanged, this, [=, this] { txtRGB_Change(field, slider); });
    };
    onRGBField(txtRGBred, sliRGB1);
    onRGBField(txtRGBgreen, sliRGB2);
    onRGBField(txtRGBblue, sliRGB3);

    connect(txtHue, &QLineEdit::textChanged, this,
            [this] { txtHSB_Change(txtHue, Slider1, 359, CurrentHue, HueEdited); });
    connect(txtSat, &QLineEdit::textChanged, this,
            [this] { txtHSB_Change(txtSat, Slider3, 100, CurrentSaturation, SaturationEdited); });
    connect(txtBright, &QLineEdit::textChanged, this, [this] {
        txtHSB_Change(txtBright, Slider2, 100, CurrentBrightness, BrightnessEdited);
    });

    // A slider "scrolls" when the user moves it (drag, keys, clicks on the groove). The action
    // arrives before the new position is committed; commit it first so the handlers read it.
    const auto onScroll = [this](QSlider* slider, auto handler) {
        connect(slider, &QAbstractSlider::actionTriggered, this, [slider, handler](int action) {
            if (action == QAbstractSlider::SliderNoAction) return;
            slider->setValue(slider->sliderPosition());
            handler(slider);
        });
    };
    for (QSlider* slider : {sliRGB1, sliRGB2, sliRGB3})
        onScroll(slider, [this](QSlider*) { sliRGB_Scroll(); });
    for (QSlider* slider : {Slider1, Slider2, Slider3})
        onScroll(slider, [this](QSlider* s) { SliderHSB_Scroll(s, s->value()); });
    connect(Slider1, &QSlider::valueChanged, this, [this] { SliderHSB_Change(HueEdited); });
    connect(Slider2, &QSlider::valueChanged, this, [this] { SliderHSB_Change(BrightnessEdited); });
    connect(Slider3, &QSlider::valueChanged, this, [this] { SliderHSB_Change(SaturationEdited); });

    connect(txtEnterHex, &QLineEdit::textChanged, this, [this] { txtEnterHex_Change(); });
    connect(cmdApply, &cpvButton::Click, this, [this] { cmdApply_Click(); });

    const auto onCopy = [this](cpvButton* button, QLineEdit* box) {
        connect(button, &cpvButton::Click, this, [=, this] { CopyBox(box); });
    };
    onCopy(cmdHexHtml, txtHexCodeHtml);
    onCopy(cmdRGBforVB, txtRGBforVB);
    onCopy(Command3, txtHexforVB);
    onCopy(cmdCPP, txtCPP);
    onCopy(cmdJava, txtJava);
    onCopy(cmdDelphi, txtDelphi);
    onCopy(cmdPhotoshop, txtPhotoshop);
    connect(cmdRGBcopy, &cpvButton::Click, this, [this] { cmdRGBcopy_Click(); });

    // Setting a box or option from code runs its click behaviour too, so it hangs on the state.
    connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
    connect(Check2, &QCheckBox::toggled, this, [this] { Check2_Click(); });
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on) Option2_Click();
    });
    for (int i = 0; i < 2; ++i)
        connect(optFormat[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) optFormat_Click(i);
        });

    const auto onSpinner = [this](ctxUpDown* spinner, QLineEdit* field, int limit) {
        connect(spinner, &ctxUpDown::Change, this,
                [=, this](int Delta) { ctxUpDown_Change(field, limit, Delta); });
    };
    onSpinner(ctxUpDown2, txtRGBred, 255);
    onSpinner(ctxUpDown3, txtRGBgreen, 255);
    onSpinner(ctxUpDown4, txtRGBblue, 255);
    onSpinner(ctxUpDown5, txtHue, 359);
    onSpinner(ctxUpDown6, txtSat, 100);
    onSpinner(ctxUpDown7, txtBright, 100);

    for (int i = 1; i < int(PalletteColour.size()); ++i) {
        ColourBox* swatch = PalletteColour[i];
        connect(swatch, &ColourBox::pressed, this, [this, i](Qt::MouseButton button, QPoint at) {
            PalletteColour_MouseDown(i, button, at);
        });
        connect(swatch, &ColourBox::released, this, [this] { PalletteColour_MouseUp(); });
        connect(swatch, &ColourBox::clicked, this, [this, i] { PalletteColour_Click(i); });
    }
    connect(mnuClearColour, &QAction::triggered, this, [this] { mnuClearColour_Click(); });
    connect(mnuclearall, &QAction::triggered, this, [this] { mnuclearall_Click(); });
    connect(Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });
    for (cpvButton* toPallette : {cmdRGBtoPallette, cmdHSBtoPallette})
        connect(toPallette, &cpvButton::Click, this,
                [this] { SavePalletteColour(picShowColour->BackColor()); });

    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(ctxUpDown1, &ctxUpDown::Change, this, [this](int Delta) { ctxUpDown1_Change(Delta); });
    connect(Command1, &cpvButton::Click, this, [this] { Command1_Click(); });
    connect(cmd3rdParty, &cpvButton::Click, this, [this] { cmd3rdParty_Click(); });
    Picture1->installEventFilter(this);

    connect(mnufilecustomcolour, &QAction::triggered, this,
            [this] { mnufilecustomcolour_Click(); });
    connect(mnufileexit, &QAction::triggered, this, &QWidget::close);
    connect(mnutoolsrgbchart, &QAction::triggered, this, [this] { mnutoolsrgbchart_Click(); });
    connect(mnuhelpabout, &QAction::triggered, this, [this] { mnuhelpabout_Click(); });
    connect(mnuhelpcontents, &QAction::triggered, this, [this] { mnuhelpcontents_Click(); });

    for (QLineEdit* field :
         {txtRGBred, txtRGBgreen, txtRGBblue, txtHue, txtSat, txtBright, txtEnterHex})
        field->installEventFilter(this);
    for (QWidget* surface : {centralWidget(), static_cast<QWidget*>(picShowColour),
                             static_cast<QWidget*>(txtSampleText)})
        surface->installEventFilter(this);
    for (QGroupBox* group : {Frame1, Frame2, Frame3, Frame4, Frame5, Frame6, Frame7})
        group->installEventFilter(this);
}

bool frmColourPicker::isEditingField(QObject* object) const
{
    return object == txtRGBred || object == txtRGBgreen || object == txtRGBblue ||
           object == txtHue || object == txtSat || object == txtBright;
}

bool frmColourPicker::isDragSurface(QObject* object) const
{
    return object == centralWidget() || object == Frame1 || object == Frame3 || object == Frame4 ||
           object == picShowColour || object == txtSampleText;
}

bool frmColourPicker::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const QString key = typedKey(static_cast<QKeyEvent*>(event));
        if (key.isEmpty()) break;
        bool letThrough = true;
        if (watched == txtRGBred)
            letThrough = txtRGB_KeyPress(txtRGBred, sliRGB1, key);
        else if (watched == txtRGBgreen)
            letThrough = txtRGB_KeyPress(txtRGBgreen, sliRGB2, key);
        else if (watched == txtRGBblue)
            letThrough = txtRGB_KeyPress(txtRGBblue, sliRGB3, key);
        else if (watched == txtHue)
            letThrough = txtHSB_KeyPress(txtHue, 359, key);
        else if (watched == txtSat)
            letThrough = txtHSB_KeyPress(txtSat, 100, key);
        else if (watched == txtBright)
            letThrough = txtHSB_KeyPress(txtBright, 100, key);
        else if (watched == txtEnterHex)
            letThrough = txtEnterHex_KeyPress(key);
        return !letThrough;
    }
    case QEvent::KeyRelease:
        if (watched == txtRGBred || watched == txtHue || watched == txtSat || watched == txtBright)
            txtField_KeyUp(static_cast<QLineEdit*>(watched));
        break;
    case QEvent::FocusIn:
        if (isEditingField(watched)) {
            auto* field = static_cast<QLineEdit*>(watched);
            SetTextFocus(field);
            // A click places the caret after the focus arrives; select once the click is done.
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
                QTimer::singleShot(0, field, [this, field] { SetTextFocus(field); });
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        if (watched == Picture1) {
            if (event->type() == QEvent::MouseButtonPress)
                Picture1_MouseDown();
            else if (event->type() == QEvent::MouseMove)
                Picture1_MouseMove();
            else
                Picture1_MouseUp();
            return true;
        }
        if (isDragSurface(watched)) return dragWindow(event);
        // The other frames neither drag the window nor pass the press on to the client area.
        if (event->type() == QEvent::MouseButtonPress && qobject_cast<QGroupBox*>(watched))
            return true;
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool frmColourPicker::dragWindow(QEvent* event)
{
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        // Window managers end a move they were handed on a left-button release only: begun by
        // another button, the window would stick to the pointer.
        if (mouse->button() != Qt::LeftButton) return true;
        // The window manager moves the window as if its title bar had been grabbed; without one,
        // the window follows the pointer until the button is released.
        manualDrag_ = !WindowService::instance().startSystemMove(this);
        manualDragOffset_ = global - frameGeometry().topLeft();
        return true;
    case QEvent::MouseMove:
        if (!manualDrag_) return false;
        move(global - manualDragOffset_);
        return true;
    default:
        if (!manualDrag_) return false;
        if (mouse->button() == Qt::LeftButton) manualDrag_ = false;
        return true;
    }
}
