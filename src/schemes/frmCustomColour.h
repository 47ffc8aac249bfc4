#pragma once

#include "SchemeStore.h"

#include <QWidget>

class ColourBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class cpvButton;
class SchemeHost;
class devColorSelect;

// "Colour Schemes": the schemes in the program's folder, the colours of the one named in the
// combo box, and the commands that add, delete and rename colours and schemes. Files are written
// as each command runs; nothing is held unsaved. The rename dialogs read and write the combo box
// and the colour list directly.
class frmCustomColour : public QWidget {
    Q_OBJECT

public:
    explicit frmCustomColour(SchemeHost& host);

    void LoadCombo();
    // Adds a name to the combo box unless it is there already (letter case counts).
    void AddtoCombo(const QString& SchemeName);
    // Rereads the scheme and selects a line again, after a colour was renamed.
    void ReloadRename(int LineNumber);
    // Rereads the scheme, after the scheme was renamed.
    void RelistColoursSchemeRename();

    // The window that opened this one.
    QWidget* mainWindow() const;

    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtEnterColName = nullptr;
    cpvButton* cmdADDColour = nullptr;
    QGroupBox* Frame2 = nullptr;
    QComboBox* cboColourScheme = nullptr;
    cpvButton* cmdDeleteScheme = nullptr;
    cpvButton* cmdRenameScheme = nullptr;
    QGroupBox* Frame3 = nullptr;
    QWidget* Picture1 = nullptr;
    devColorSelect* devColorSelect1 = nullptr;
    ColourBox* picSelect = nullptr;
    cpvButton* cmdSelectColour = nullptr;
    cpvButton* cmdDelColour = nullptr;
    cpvButton* cmdRenameColour = nullptr;
    cpvButton* cmdExit = nullptr;

    // The line last pressed in the colour list.
    int CurrentLine = 0;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void connectControls();
    void Form_Load();

    QString schemeFile() const;
    // Whether the combo names a scheme a file can hold; says why not when it does not.
    bool schemeNameUsable();
    void clearLists();
    void listColours(const SchemeStore::Loaded& loaded);
    void loadIni();

    void cboColourScheme_Click();
    void cmdADDColour_Click();
    void cmdDelColour_Click();
    void cmdRenameColour_Click();
    void cmdDeleteScheme_Click();
    void cmdRenameScheme_Click();
    void cmdSelectColour_Click();
    void sendSelectedColour();
    void devColorSelect1_MouseDown(int index, int colour);
    bool txtEnterColName_KeyPress(const QKeyEvent* event) const;

    SchemeHost& Host;
};
