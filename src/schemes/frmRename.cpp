#include "frmRename.h"

#include "ColourBox.h"
#include "INI.h"
#include "SchemeLayout.h"
#include "SchemeStore.h"
#include "devColorSelect.h"
#include "frmCustomColour.h"

#include <QGroupBox>
#include <QLineEdit>

using SchemeLayout::button;
using SchemeLayout::label;
using SchemeLayout::place;

frmRename::frmRename(frmCustomColour& owner)
    : RenameDialog(owner, QStringLiteral("frmRename"), QStringLiteral("Rename Colour"))
{
    setFixedSize(Twips::toPixelsX(4080), Twips::toPixelsY(2190));
    Frame1 = place(new QGroupBox(QStringLiteral(" Colour "), this), 60, 0, 3960, 1635);
    Picture1 = place(new ColourBox(Frame1), 120, 255, 615, 615);
    place(label(Frame1, QStringLiteral("Old Colour Name")), 855, 240, 2985, 195);
    txtOldName = place(new QLineEdit(Frame1), 855, 435, 2985, 315);
    txtOldName->setReadOnly(true);
    place(label(Frame1, QStringLiteral("New Colour Name")), 855, 870, 2985, 195);
    txtNewName = place(new QLineEdit(Frame1), 855, 1065, 2985, 315);
    txtOldColour = new QLineEdit(this);
    txtSchemename = new QLineEdit(this);
    txtLineNumber = new QLineEdit(this);
    for (QLineEdit* hidden : {txtOldColour, txtSchemename, txtLineNumber})
        hidden->hide();
    cmdRename = place(button(this, QStringLiteral("Rename")), 1740, 1740, 1095, 345);
    cmdExit = place(button(this, QStringLiteral("Exit")), 2925, 1740, 1095, 345);

    connect(cmdRename, &cpvButton::Click, this, [this] { cmdRename_Click(); });
    connect(cmdExit, &cpvButton::Click, this, &QDialog::reject);
    watchNewName(txtNewName);
}

void frmRename::cmdRename_Click()
{
    const QString newName = txtNewName->text();
    if (newName.isEmpty()) return;
    // Pasted text passes the keystroke filter.
    if (!INI::IsValidName(newName)) {
        refuse(QStringLiteral(
            "Please check to make sure you are only using Alphanumeric Characters  "));
        return;
    }
    // A refused rename has shown its own message; the list is reread either way.
    if (const auto file = SchemeStore::schemeFileToChange(txtSchemename->text()))
        INI::RenameSection(*file, txtOldName->text(), newName);
    Owner.ReloadRename(txtLineNumber->text().toInt());
    Owner.devColorSelect1->SetControlFocus(true);
    accept();
    Owner.devColorSelect1->SetControlFocus(true);
}
