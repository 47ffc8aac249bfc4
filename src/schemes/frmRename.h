#pragma once

#include "RenameDialog.h"

class ColourBox;
class QGroupBox;
class cpvButton;

// "Rename Colour": gives one colour of a scheme a new name. The schemes window fills the fields
// before it shows the dialog.
class frmRename : public RenameDialog {
    Q_OBJECT

public:
    explicit frmRename(frmCustomColour& owner);

    QGroupBox* Frame1 = nullptr;
    // The colour as decimal text, the scheme and the line it stands on: what the rename needs
    // and the user does not edit.
    QLineEdit* txtOldColour = nullptr;
    QLineEdit* txtSchemename = nullptr;
    QLineEdit* txtLineNumber = nullptr;
    ColourBox* Picture1 = nullptr;
    QLineEdit* txtOldName = nullptr;
    QLineEdit* txtNewName = nullptr;
    cpvButton* cmdRename = nullptr;
    cpvButton* cmdExit = nullptr;

protected:
    void cmdRename_Click() override;
};
