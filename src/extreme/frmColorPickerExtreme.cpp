#include "frmColorPickerExtreme.h"

#include "ColourBox.h"
#include "MessageBoxes.h"
#include "PickerPainting.h"
#include "Save_Win_POS_SIZE.h"
#include "TopBand.h"
#include "cMemDC.h"
#include "ctxUpDown.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <stdexcept>
#include <string>

using namespace Extreme;

namespace {

const QString Caption = QStringLiteral("Vevozer Azede Dodizo");

// Design sizes, in pixels.
constexpr int NumericWidth = 190;
constexpr int ColorsHeight = 80;
constexpr int ButtonWidth = 80;
constexpr int ButtonHeight = 25;
constexpr int RowHeight = 22;
// The six number boxes and the extra readings below them.
constexpr int InputsHeight = 100;
constexpr int AdditionalHeight = 4 * (RowHeight + 1);
// Narrow enough for a field of 6 pixels, low enough for the number boxes.
constexpr int MinimumWidth = NumericWidth + 76 + 6;
constexpr int MinimumHeight = 5 + ColorsHeight + 5 + InputsHeight + 5;

QLineEdit* numberBox(QWidget* parent, bool readOnly)
{
    auto* box = new QLineEdit(parent);
    box->setReadOnly(readOnly);
    return box;
}

} // namespace

frmColorPickerExtreme::frmColorPickerExtreme(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmColorPickerExtreme"));
    setWindowTitle(Caption);
    // The paint step clears the whole client area itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(MinimumWidth, MinimumHeight);
    buildControls();
    connectControls();
    Form_Load();
}

frmColorPickerExtreme::~frmColorPickerExtreme() = default;

void frmColorPickerExtreme::buildControls()
{
    // Both are drawn by the dialog's own paint step; they only take the pointer.
    imgRect = new QWidget(this);
    imgBar = new QWidget(this);
    for (QWidget* image : {imgRect, imgBar})
        image->installEventFilter(this);

    fraColors = new QGroupBox(QStringLiteral("Reference"), this);
    fraColors->resize(NumericWidth - ButtonWidth - 10, ColorsHeight);
    picReference = new QWidget(fraColors);
    picReference->setGeometry(8, 18, fraColors->width() - 16, ColorsHeight - 26);
    picReference->installEventFilter(this);
    labOld = new ColourBox(picReference);
    labNew = new ColourBox(picReference);
    for (ColourBox* swatch : {labOld, labNew})
        swatch->setFrameStyle(QFrame::NoFrame);

    buildNumeric();

    chkWebSafe = new QCheckBox(QStringLiteral("Web colors only"), this);
    chkAccel = new QCheckBox(QStringLiteral("Accelerate display"), this);
    chkAccel->setChecked(true);
    chkAccel->hide();
    chkAccel->setEnabled(false);
    for (QCheckBox* box : {chkWebSafe, chkAccel})
        box->resize(box->sizeHint());

    tmrKeyboard = new QTimer(this);
    tmrKeyboard->setInterval(500);

    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    for (QPushButton* button : {cmdOk, cmdCancel})
        button->resize(ButtonWidth, ButtonHeight);
    cmdOk->setDefault(true);
}

void frmColorPickerExtreme::buildNumeric()
{
    fraNumeric = new QGroupBox(QStringLiteral("Components"), this);
    fraNumeric->hide();
    // Two columns of three: HSB on the left, RGB on the right.
    const auto input = [this](const QString& caption, const QString& name, int column, int row,
                              QRadioButton*& option, QLineEdit*& box, ctxUpDown*& spinner) {
        const int x = 8 + 92 * column, y = 18 + 26 * row;
        option = new QRadioButton(caption, fraNumeric);
        option->setObjectName(QStringLiteral("opt") + name);
        option->setGeometry(x, y, 34, RowHeight);
        box = numberBox(fraNumeric, false);
        box->setObjectName(QStringLiteral("txt") + name);
        box->setGeometry(x + 34, y, 36, RowHeight);
        spinner = new ctxUpDown(fraNumeric);
        spinner->setObjectName(QStringLiteral("upd") + name);
        spinner->setGeometry(x + 70, y, 13, RowHeight);
    };
    input(QStringLiteral("&H"), QStringLiteral("Hue"), 0, 0, optHue, txtHue, updHue);
    input(QStringLiteral("&S"), QStringLiteral("Sat"), 0, 1, optSat, txtSat, updSat);
    input(QStringLiteral("&B"), QStringLiteral("Bri"), 0, 2, optBri, txtBri, updBri);
    input(QStringLiteral("&R"), QStringLiteral("Red"), 1, 0, optRed, txtRed, updRed);
    input(QStringLiteral("&G"), QStringLiteral("Green"), 1, 1, optGreen, txtGreen, updGreen);
    input(QStringLiteral("&B"), QStringLiteral("Blue"), 1, 2, optBlue, txtBlue, updBlue);
    optHue->setChecked(true);

    picAdditional = new QWidget(fraNumeric);
    picAdditional->setGeometry(8, InputsHeight, NumericWidth - 16, AdditionalHeight);
    const auto reading = [this](const QString& caption, int column, int row, int width) {
        const int x = 92 * column, y = (RowHeight + 1) * row;
        auto* label = new QLabel(caption, picAdditional);
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(x, y, 20, RowHeight);
        QLineEdit* box = numberBox(picAdditional, true);
        box->setGeometry(x + 20, y, width, RowHeight);
        return box;
    };
    txtCyan = reading(QStringLiteral("C"), 0, 0, 40);
    txtMagenta = reading(QStringLiteral("M"), 1, 0, 40);
    txtYellow = reading(QStringLiteral("Y"), 0, 1, 40);
    txtBlack = reading(QStringLiteral("K"), 1, 1, 40);
    txtLabLuminance = reading(QStringLiteral("L"), 0, 2, 50);
    txtLabA = reading(QStringLiteral("a"), 1, 2, 50);
    txtLabB = reading(QStringLiteral("b"), 0, 3, 50);
    txtNewColor = reading(QStringLiteral("#"), 1, 3, 62);
    numericHeight_ = InputsHeight + AdditionalHeight + 8;
    fraNumeric->resize(NumericWidth, numericHeight_);

    // Two modes share the access key B: each press moves on to the other and chooses it.
    for (QRadioButton* option : {optBri, optBlue})
        option->installEventFilter(this);
}

void frmColorPickerExtreme::Form_Load()
{
    Save_Win_POS_SIZE::RestoreWindowPlacement(this, 7515, 4845, 0, 0, false);
    const int w = picReference->width(), h = picReference->height();
    labOld->setGeometry(2, 2, w - 4, (h / 2) - 2);
    labNew->setGeometry(2, h / 2, w - 4, h - (h / 2) - 2);
    ArrowPicture = pvArrowPicture();
    Form_Resize();
    if (cMemDC::GradientFillAvailable()) {
        images_.Accelerate = true;
        chkAccel->show();
        chkAccel->setEnabled(true);
    }
    TopBand::joinOnLoad(this);
    fraNumeric->show();
}

void frmColorPickerExtreme::Form_Resize()
{
    const int W = std::max(6, 6 * ((width() - fraNumeric->width() - 76) / 6));
    const int H = std::max(2, height() - 20 - chkWebSafe->height());
    images_.setSize(W, H);
    imgRect->setGeometry(12, 12, W, H);
    imgBar->setGeometry(12 + W + 10, 12, 26, H);
    chkWebSafe->move(12, 12 + H + 5);
    chkAccel->move(chkWebSafe->x() + chkWebSafe->width() + 12, 12 + H + 5);
    const int right = imgBar->x() + imgBar->width() + 20;
    fraColors->move(right, 5);
    fraNumeric->move(right, fraColors->y() + fraColors->height() + 5);
    cmdOk->move(fraNumeric->x() + fraNumeric->width() - cmdCancel->width(), 10);
    cmdCancel->move(cmdOk->x(), cmdOk->y() + cmdOk->height() + 5);
    // Too low for the extra readings: the number boxes keep their place, the readings go.
    const bool tall = height() >= fraNumeric->y() + numericHeight_ + 5;
    fraNumeric->resize(fraNumeric->width(),
                       tall ? numericHeight_
                            : std::max(InputsHeight, height() - fraNumeric->y() - 5));
    picAdditional->setVisible(tall);
    pvRefresh();
}

void frmColorPickerExtreme::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

bool frmColorPickerExtreme::Init(int clrColor, int& clrNew)
{
    try {
        const int colour = clrColor == -1 ? 0 : cMemDC::TranslateColor(clrColor);
        if (colour == -1)
            throw std::invalid_argument("no colour stands for " + std::to_string(clrColor));
        // Typing left pending when the dialog was last cancelled belongs to that colour.
        tmrKeyboard->stop();
        keyboardTag_.clear();
        hsb_.Hue = -1;
        labOld->setBackColor(colour);
        oldColour_ = colour;
        setColor(colour);
        pvRefresh();
        accepted_ = false;
        exec();
        if (unloading_) {
            // Unloaded: a later Init belongs to a dialog made afresh.
            setParent(nullptr);
            deleteLater();
        }
        if (!accepted_) return false;
        clrNew = Color();
        return true;
    } catch (const std::exception& error) {
        MessageBoxes::instance().show(this, MessageBoxes::Icon::Critical, Caption,
                                      QStringLiteral("Error: ") + QString::fromUtf8(error.what()),
                                      MessageBoxes::Buttons::Ok);
        return false;
    }
}

void frmColorPickerExtreme::cmdOk_Click()
{
    // Numbers typed just before OK belong to the colour the user accepts.
    if (!keyboardTag_.isEmpty()) tmrKeyboard_Timer();
    accepted_ = true;
    hide();
}

void frmColorPickerExtreme::cmdCancel_Click()
{
    hide();
}

void frmColorPickerExtreme::closeEvent(QCloseEvent* event)
{
    Save_Win_POS_SIZE::SaveWindowPlacement(this);
    // While the dialog is shown its modality keeps every other close away: this one is the
    // user's close box, which only hides it. Hidden, it closes with the main window.
    if (isVisible() && !unloading_) {
        event->ignore();
        cmdCancel_Click();
        return;
    }
    Form_Unload();
    event->accept();
}

void frmColorPickerExtreme::Form_Unload()
{
    TopBand::leaveOnUnload(this, parentWidget());
}

void frmColorPickerExtreme::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        Form_KeyPress(27);
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmColorPickerExtreme::Form_KeyPress(int KeyAscii)
{
    if (KeyAscii != 27) return;
    unloading_ = true;
    close();
}

void frmColorPickerExtreme::paintEvent(QPaintEvent*)
{
    PickerScene scene;
    scene.client = size();
    const QColor background = palette().color(backgroundRole());
    scene.background = toColour({background.red(), background.green(), background.blue()});
    scene.field = imgRect->pos();
    scene.bar = imgBar->pos();
    scene.W = images_.fieldWidth();
    scene.H = images_.fieldHeight();
    scene.fieldPicture = &images_.currentField();
    scene.barPicture = &images_.currentBar();
    scene.arrow = &ArrowPicture;
    scene.mode = mode();
    scene.hsb = hsb_;
    scene.colour = currentColour_;
    pvPaintPicker(this, scene);
}

void frmColorPickerExtreme::paintReference()
{
    cMemDC dc;
    const int w = picReference->width(), h = picReference->height();
    if (!dc.Init(w, h, picReference)) return;
    dc.DrawEdge(0, 0, w, h, 2, 15);
    dc.FrameRect(1, 1, w - 1, h - 1, 0);
}

bool frmColorPickerExtreme::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (watched == picReference && type == QEvent::Paint) {
        paintReference();
        return true;
    }
    if ((watched == optBri || watched == optBlue) && type == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() == Qt::ShortcutFocusReason) {
        static_cast<QRadioButton*>(watched)->setChecked(true);
        return false;
    }
    const bool bar = watched == imgBar;
    if (!bar && watched != imgRect) return QDialog::eventFilter(watched, event);
    bool& dragging = bar ? barDragging_ : fieldDragging_;
    if (type == QEvent::MouseButtonDblClick && !bar) {
        cmdOk->click();
        return true;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return QDialog::eventFilter(watched, event);
    if (type == QEvent::MouseButtonPress) dragging = true;
    const QPointF at = static_cast<QMouseEvent*>(event)->position();
    if (dragging) {
        if (bar)
            imgBar_Move(at.y());
        else
            imgRect_Move(at.x(), at.y());
    }
    if (type == QEvent::MouseButtonRelease) dragging = false;
    return true;
}
