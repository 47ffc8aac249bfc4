#pragma once

#include "ColorConverter.h"
#include "SchemeHost.h"
#include "modRGBtoHSL.h"

#include <QImage>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <array>

class ColourBox;
class cpvButton;
class FrozenPick;
class ctxUpDown;
class QAction;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;
class QSlider;
class QTimer;

// The main window: the dropper, the current colour in every text form, the editing fields,
// the code panes and the settings that shape them. Other windows read and write its controls
// directly, so they are public under the names the rest of the program knows them by.
class frmColourPicker : public QMainWindow, public SchemeHost {
    Q_OBJECT

public:
    explicit frmColourPicker(QWidget* parent = nullptr);
    ~frmColourPicker() override;

    // Makes a ColourValue current; -1 means no colour and changes nothing.
    void SetFormColours(int SelColor) override;
    // The colour of the swatch picShowColour.
    int currentColour() const override;
    QWidget* hostWindow() override { return this; }
    // Refreshes the HSB sliders and fields from a colour given as decimal text.
    void SetHSL(const QString& sValue);
    // Makes current the colour of CurrentHue, CurrentSaturation and CurrentBrightness.
    void ApplyHSB();
    // Selects the whole text of a box.
    void SetTextFocus(QLineEdit* TextBox);

    // Text-form builders: each reads the sliders or fields and rewrites its boxes.
    void ShowHtmlHex();
    void UpdateFromSliders();
    void ShowSampleColour();
    void ShowVBHex();
    void ShowRGBText();
    void ShowHSL(int colour);

    // The palette: fills the swatches from "Pallette.pal", stores a colour in the first free
    // swatch (or flashes "Pallette Full"), and empties one record (false when it could not).
    void LoadPallette();
    void SavePalletteColour(int Colour);
    bool DeletePalletteColour(int Rec);

    // Menus ("hidden" is never in the menu bar; it is the palette's pop-up menu).
    QMenu* mnufile = nullptr;
    QAction* mnufilecustomcolour = nullptr;
    QAction* mnufileexit = nullptr;
    QMenu* mnutools = nullptr;
    QAction* mnutoolsrgbchart = nullptr;
    QMenu* mnuhelp = nullptr;
    QAction* mnuCheck = nullptr;
    QAction* mnuhelpcontents = nullptr;
    QAction* mnuhelpabout = nullptr;
    QMenu* mnuhidden = nullptr;
    QAction* mnuClearColour = nullptr;
    QAction* mnuclearall = nullptr;
    QAction* mnusaveasscheme = nullptr;

    // First code pane.
    QGroupBox* Frame1 = nullptr;
    QRadioButton* Option1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label19 = nullptr;
    QLineEdit* txtHexCodeHtml = nullptr;
    QLineEdit* txtRGBforVB = nullptr;
    QLineEdit* txtHexforVB = nullptr;
    QLineEdit* txtHSL = nullptr;
    cpvButton* cmdHexHtml = nullptr;
    cpvButton* cmdRGBforVB = nullptr;
    cpvButton* Command3 = nullptr;

    // Second code pane.
    QGroupBox* Frame7 = nullptr;
    QRadioButton* Option2 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label16 = nullptr;
    QLabel* Label17 = nullptr;
    QLabel* Label18 = nullptr;
    QLineEdit* txtCPP = nullptr;
    QLineEdit* txtJava = nullptr;
    QLineEdit* txtDelphi = nullptr;
    QLineEdit* txtPhotoshop = nullptr;
    cpvButton* cmdCPP = nullptr;
    cpvButton* cmdJava = nullptr;
    cpvButton* cmdDelphi = nullptr;
    cpvButton* cmdPhotoshop = nullptr;

    // RGB editing frame.
    QGroupBox* Frame4 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* txtRGBred = nullptr;
    QLineEdit* txtRGBgreen = nullptr;
    QLineEdit* txtRGBblue = nullptr;
    QLineEdit* txtRGBvalue = nullptr;
    QSlider* sliRGB1 = nullptr;
    QSlider* sliRGB2 = nullptr;
    QSlider* sliRGB3 = nullptr;
    cpvButton* cmdRGBtoPallette = nullptr;
    cpvButton* cmdRGBcopy = nullptr;
    ctxUpDown* ctxUpDown2 = nullptr;
    ctxUpDown* ctxUpDown3 = nullptr;
    ctxUpDown* ctxUpDown4 = nullptr;

    // HSB editing frame.
    QGroupBox* Frame5 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLineEdit* txtHue = nullptr;
    QLineEdit* txtSat = nullptr;
    QLineEdit* txtBright = nullptr;
    QSlider* Slider1 = nullptr;
    QSlider* Slider2 = nullptr;
    QSlider* Slider3 = nullptr;
    cpvButton* cmdHSBtoPallette = nullptr;
    ctxUpDown* ctxUpDown5 = nullptr;
    ctxUpDown* ctxUpDown6 = nullptr;
    ctxUpDown* ctxUpDown7 = nullptr;

    // Hex entry.
    QGroupBox* Frame3 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* txtEnterHex = nullptr;
    cpvButton* cmdApply = nullptr;

    // Dropper, swatch, magnifier.
    QGroupBox* Frame2 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Picture1 = nullptr;
    ColourBox* picShowColour = nullptr;
    QLineEdit* txtSampleText = nullptr;
    cpvButton* Command1 = nullptr;
    cpvButton* cmd3rdParty = nullptr;
    QLabel* picMagnify = nullptr;
    QTimer* Timer1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QLineEdit* Text1 = nullptr;
    ctxUpDown* ctxUpDown1 = nullptr;

    // Palette: swatches 1 to 34 (index 0 unused), and the warning laid over them.
    QGroupBox* Frame6 = nullptr;
    std::array<ColourBox*, 35> PalletteColour{};
    QFrame* palletteWarning = nullptr;
    QFrame* Shape1 = nullptr;
    QLabel* Label13 = nullptr;
    QTimer* Timer2 = nullptr;

    // Bottom row.
    std::array<QRadioButton*, 2> optFormat{};
    QCheckBox* Check1 = nullptr;
    QLabel* Label8 = nullptr;

    // The path Help Contents opens.
    QString HelpFile;

    // Window state shared with the other features.
    ColorConverter Converter;
    ColourTriple LastHSB;
    int CurrentHue = 0;
    int CurrentSaturation = 0;
    int CurrentBrightness = 0;
    bool HueEdited = false;
    bool SaturationEdited = false;
    bool BrightnessEdited = false;
    QStringList RGBParts;
    // The swatch last right-clicked, and the hides of the "Pallette Full" warning so far.
    int SelectedCell = 0;
    int BlinkCount = 0;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction (frmColourPicker.cpp).
    void buildMenus();
    void buildCodePanes(QWidget* client);
    void buildPickerFrame(QWidget* client);
    void buildHexFrame(QWidget* client);
    void buildPalletteFrame(QWidget* client);
    void buildEditingFrames(QWidget* client);
    void buildBottomRow(QWidget* client);
    void connectControls();

    // Start-up, settings and shut-down (frmColourPicker_Settings.cpp).
    void Form_Load();
    void Form_QueryUnload();
    void Check1_Click();
    void Check2_Click();
    void Option1_Click();
    void Option2_Click();
    void optFormat_Click(int Index);
    void mnuhelpcontents_Click();

    // Editing chain (frmColourPicker_Editing.cpp).
    void RGBRefresh();
    void writeRGBFields(int colour);
    void txtRGB_Change(QLineEdit* field, QSlider* slider);
    bool txtRGB_KeyPress(QLineEdit* field, QSlider* slider, const QString& key);
    void txtHSB_Change(QLineEdit* field, QSlider* slider, int limit, int& current, bool& edited);
    bool txtHSB_KeyPress(QLineEdit* field, int limit, const QString& key);
    void txtField_KeyUp(QLineEdit* field);
    void ctxUpDown_Change(QLineEdit* field, int limit, int Delta);
    void SliderHSB_Scroll(QSlider* slider, int position);
    void SliderHSB_Change(bool edited);
    void sliRGB_Scroll();
    void txtEnterHex_Change();
    bool txtEnterHex_KeyPress(const QString& key);
    void cmdApply_Click();
    void cmd3rdParty_Click();

    // Copy buttons (frmColourPicker_TextForms.cpp).
    void CopyBox(QLineEdit* box);
    // The sample text's colour and the swatch.
    void paintSample(int colour);
    void cmdRGBcopy_Click();

    // Palette (frmColourPicker_Pallette.cpp).
    void PalletteColour_Click(int Index);
    void PalletteColour_MouseDown(int Index, Qt::MouseButton Button, QPoint at);
    void PalletteColour_MouseUp();
    void mnuClearColour_Click();
    void mnuclearall_Click();
    void Timer2_Timer();
    bool clearSwatch(int Index);
    // Writes one record; a failure is reported to the user and returns false.
    bool writeRecord(int Rec, const QString& colour);

    // Dropper, magnifier and colour dialog (frmColourPicker_Sampler.cpp).
    void Picture1_MouseDown();
    void Picture1_MouseMove();
    void Picture1_MouseUp();
    void applyPickedColour(int c);
    void startFrozenPick();
    void endFrozenPick();
    void Timer1_Timer();
    void followRefreshRate(const QRect& monitor);
    void magnifierFollowsVisibility();
    void ctxUpDown1_Change(int Delta);
    void Command1_Click();

    // The schemes window (frmColourPicker_Schemes.cpp).
    void mnufilecustomcolour_Click();

    // The chart and About windows (frmColourPicker_Windows.cpp).
    void mnutoolsrgbchart_Click();
    void mnuhelpabout_Click();

    // The update check (frmColourPicker_Update.cpp): offered only when there is a server to ask.
    void mnuCheck_Refresh();
    void mnuCheck_Click();

    // Dragging the window by its client area (frmColourPicker_Events.cpp).
    bool isEditingField(QObject* object) const;
    bool isDragSurface(QObject* object) const;
    bool dragWindow(QEvent* event);

    QPixmap Picture2;
    // The one schemes window, and the one chart, while they are open.
    QPointer<QWidget> customColour_;
    QPointer<QWidget> rgbChart_;
    // True from a press on the dropper box to its release.
    bool dropperDragging_ = false;
    // On Wayland: the pick a press on the dropper began, until it ends.
    QPointer<FrozenPick> frozenPick_;
    // What the magnifier box shows now: the screen pixels and where its cross-hair is.
    QImage magnifierSource_;
    QPoint magnifierCrossHair_;
    // While SetHSL rewrites the three HSB sliders one after the other, a slider whose field was
    // edited earlier would otherwise apply a colour mixed from new and old parts.
    bool settingHSL_ = false;
    // A client-area drag that the window manager would not take, moved by hand.
    QPoint manualDragOffset_;
    bool manualDrag_ = false;
};
