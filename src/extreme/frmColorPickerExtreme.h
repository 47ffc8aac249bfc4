#pragma once

#include "ColourSpaces.h"
#include "PickerImages.h"

#include <QDialog>
#include <QIcon>

class ColourBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
class ctxUpDown;

// "Vevozer Azede Dodizo": a colour picked on a field and a bar in one of six modes (hue,
// saturation, brightness, red, green, blue), by typing or by spinning numbers, read at once as
// HSB, RGB, CMYK, Lab and hex. It stays loaded when OK, Cancel or the close box hide it, so the
// next Init finds its mode, options and size; Escape unloads it (and deletes it: make it with new).
class frmColorPickerExtreme : public QDialog {
    Q_OBJECT

public:
    explicit frmColorPickerExtreme(QWidget* owner = nullptr);
    ~frmColorPickerExtreme() override;

    // Shows the dialog modally, starting from clrColor (-1: black; a system colour: the colour it
    // stands for). True, with the chosen colour in clrNew, when the user confirms with OK;
    // otherwise clrNew is left alone.
    bool Init(int clrColor, int& clrNew);
    // The colour shown in labNew; -1 before any.
    int Color() const { return currentColour_; }
    void setColor(int clrValue);

    QWidget* imgRect = nullptr;
    QWidget* imgBar = nullptr;
    QRadioButton* optHue = nullptr;
    QRadioButton* optSat = nullptr;
    QRadioButton* optBri = nullptr;
    QRadioButton* optRed = nullptr;
    QRadioButton* optGreen = nullptr;
    QRadioButton* optBlue = nullptr;
    QLineEdit* txtHue = nullptr;
    QLineEdit* txtSat = nullptr;
    QLineEdit* txtBri = nullptr;
    QLineEdit* txtRed = nullptr;
    QLineEdit* txtGreen = nullptr;
    QLineEdit* txtBlue = nullptr;
    ctxUpDown* updHue = nullptr;
    ctxUpDown* updSat = nullptr;
    ctxUpDown* updBri = nullptr;
    ctxUpDown* updRed = nullptr;
    ctxUpDown* updGreen = nullptr;
    ctxUpDown* updBlue = nullptr;
    QLineEdit* txtCyan = nullptr;
    QLineEdit* txtMagenta = nullptr;
    QLineEdit* txtYellow = nullptr;
    QLineEdit* txtBlack = nullptr;
    QLineEdit* txtLabLuminance = nullptr;
    QLineEdit* txtLabA = nullptr;
    QLineEdit* txtLabB = nullptr;
    QLineEdit* txtNewColor = nullptr;
    QGroupBox* fraColors = nullptr;
    QWidget* picReference = nullptr;
    ColourBox* labOld = nullptr;
    ColourBox* labNew = nullptr;
    QGroupBox* fraNumeric = nullptr;
    QWidget* picAdditional = nullptr;
    QCheckBox* chkWebSafe = nullptr;
    QCheckBox* chkAccel = nullptr;
    QTimer* tmrKeyboard = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;

    // The field and bar pictures of the mode shown.
    const QImage& currentField() const { return images_.currentField(); }
    const QImage& currentBar() const { return images_.currentBar(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction and life (frmColorPickerExtreme.cpp).
    void buildControls();
    void buildNumeric();
    void connectControls();
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void Form_KeyPress(int KeyAscii);
    void paintReference();
    void cmdOk_Click();
    void cmdCancel_Click();

    // The colour and its readings (frmColorPickerExtreme_Colour.cpp).
    Extreme::Mode mode() const;
    void pvSetText(QLineEdit* box, const QString& text);
    void pvRefresh();
    void pvInvalidate();
    void pvShow();
    void imgBar_Move(double yp);
    void imgRect_Move(double xp, double yp);
    void scheduleGroup(const QString& group);
    void tmrKeyboard_Timer();
    void upd_Change(QLineEdit* box, int upper, int Delta);
    void chkAccel_Click();
    void chkWebSafe_Click();
    void labOld_Click();

    int currentColour_ = -1;
    int oldColour_ = 0;
    Extreme::HSBTriple hsb_{-1, 0, 0};
    Extreme::HSBTriple previousHSB_{-1, 0, 0};
    bool accepted_ = false;
    bool updating_ = false;
    bool barDragging_ = false;
    bool fieldDragging_ = false;
    bool webSafe_ = false;
    // Set by Escape: the close that follows unloads instead of hiding.
    bool unloading_ = false;
    // The group of boxes ("hsb" or "rgb") whose typing tmrKeyboard will apply.
    QString keyboardTag_;
    int numericHeight_ = 0;
    QIcon ArrowPicture;
    Extreme::PickerImages images_;
};
