#pragma once

#include <QDialog>

class QLineEdit;
class QTimer;
class frmCustomColour;

// What the two rename dialogs share: they open modal over the schemes window, 500 twips right of
// and below it, hand the keyboard to the new-name box once shown, take only name characters
// there, typed or pasted (Enter renames), and keep the top-band convention as they open and close.
class RenameDialog : public QDialog {
    Q_OBJECT

public:
    // A one-shot timer that gives the new-name box the keyboard once the dialog is up.
    QTimer* Timer1 = nullptr;

protected:
    RenameDialog(frmCustomColour& owner, const QString& objectName, const QString& caption);

    // Makes box the new-name box: filtered characters, Enter, the focus of Timer1.
    void watchNewName(QLineEdit* box);
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Every way out (Exit, Esc, Rename, the frame's close) ends here.
    void done(int result) override;

    virtual void cmdRename_Click() = 0;
    void refuse(const QString& text);

    frmCustomColour& Owner;

private:
    QLineEdit* newName_ = nullptr;
};
