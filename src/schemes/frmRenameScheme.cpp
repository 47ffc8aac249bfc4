#include "frmRenameScheme.h"

#include "INI.h"
#include "ProgramFolder.h"
#include "SchemeLayout.h"
#include "SchemeStore.h"
#include "frmCustomColour.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>

using SchemeLayout::button;
using SchemeLayout::label;
using SchemeLayout::place;

frmRenameScheme::frmRenameScheme(frmCustomColour& owner)
    : RenameDialog(owner, QStringLiteral("frmRenameScheme"), QStringLiteral("Rename Scheme"))
{
    setFixedSize(Twips::toPixelsX(4080), Twips::toPixelsY(2190));
    Frame1 = place(new QGroupBox(QStringLiteral("Rename Scheme "), this), 60, 0, 3960, 1635);
    place(label(Frame1, QStringLiteral("Old Scheme Name")), 120, 240, 3720, 195);
    txtOldSchemeName = place(new QLineEdit(Frame1), 120, 435, 3720, 315);
    txtOldSchemeName->setReadOnly(true);
    place(label(Frame1, QStringLiteral("New Schemer Name")), 120, 870, 3720, 195);
    txtNewSchemeName = place(new QLineEdit(Frame1), 120, 1065, 3720, 315);
    cmdRename = place(button(this, QStringLiteral("Rename")), 1740, 1740, 1095, 345);
    cmdExit = place(button(this, QStringLiteral("Exit")), 2925, 1740, 1095, 345);

    connect(cmdRename, &cpvButton::Click, this, [this] { cmdRename_Click(); });
    connect(cmdExit, &cpvButton::Click, this, &QDialog::reject);
    watchNewName(txtNewSchemeName);
}

bool frmRenameScheme::ComboDupeExists(const QString& Scheme) const
{
    const QComboBox* combo = Owner.cboColourScheme;
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i).toLower() == Scheme.toLower()) return true;
    }
    return false;
}

void frmRenameScheme::cmdRename_Click()
{
    const QString newName = txtNewSchemeName->text();
    if (newName.isEmpty()) {
        refuse(QStringLiteral("Please enter a new Scheme Name  "));
        return;
    }
    const QString oldFile = SchemeStore::schemeFile(txtOldSchemeName->text());
    // A folder or a dangling link of that name is no scheme to rename.
    if (!QFileInfo(oldFile).isFile()) {
        refuse(QStringLiteral("Scheme does not exist with this name.  "));
        return;
    }
    if (!INI::IsValidName(newName) || !SchemeStore::IsFileName(newName)) {
        refuse(QStringLiteral(
            "Please check to make sure you are only using Alphanumeric Characters  "));
        return;
    }
    const QString newFile = ProgramFolder::writeFolder() + u'/' + newName + QStringLiteral(".col");
    // The combo can be behind the folder: a file of that name made since it was filled would
    // be overwritten, or the rename fail and the scheme seem renamed all the same.
    if (ComboDupeExists(newName) || INI::FileExists(newFile) ||
        INI::FileExists(SchemeStore::schemeFile(newName))) {
        refuse(QStringLiteral("A Scheme already exists with this name.  "));
        return;
    }
    // From a read-only program folder the scheme can only be copied under its new name.
    const bool inPlace = QFileInfo(oldFile).dir() == QDir(ProgramFolder::writeFolder());
    const bool renamed = inPlace ? QFile::rename(oldFile, newFile) : QFile::copy(oldFile, newFile);
    if (!renamed) {
        refuse(QStringLiteral("The scheme could not be renamed: %1 could not be written.")
                   .arg(newFile));
        return;
    }
    // A copy is the user's own, whatever the program folder's file allowed.
    if (!inPlace) QFile::setPermissions(newFile, QFile::permissions(newFile) | QFile::WriteOwner);
    Owner.LoadCombo();
    Owner.cboColourScheme->setEditText(newName);
    Owner.RelistColoursSchemeRename();
    accept();
}
