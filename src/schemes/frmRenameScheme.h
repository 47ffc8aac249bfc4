#pragma once

#include "RenameDialog.h"

class QGroupBox;
class cpvButton;

// "Rename Scheme": gives a scheme's file a new name. The schemes window fills in the old name.
class frmRenameScheme : public RenameDialog {
    Q_OBJECT

public:
    explicit frmRenameScheme(frmCustomColour& owner);

    // Whether the schemes window lists Scheme, letter case aside.
    bool ComboDupeExists(const QString& Scheme) const;

    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtOldSchemeName = nullptr;
    QLineEdit* txtNewSchemeName = nullptr;
    cpvButton* cmdRename = nullptr;
    cpvButton* cmdExit = nullptr;

protected:
    void cmdRename_Click() override;
};
