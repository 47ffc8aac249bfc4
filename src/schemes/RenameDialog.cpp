#include "RenameDialog.h"

#include "INI.h"
#include "MessageBoxes.h"
#include "TopBand.h"
#include "Twips.h"
#include "frmCustomColour.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

RenameDialog::RenameDialog(frmCustomColour& owner, const QString& objectName,
                           const QString& caption)
    : QDialog(&owner), Timer1(new QTimer(this)), Owner(owner)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setModal(true);
    setFont(owner.font());
    Timer1->setSingleShot(true);
    Timer1->setInterval(0);
    move(owner.pos() + QPoint(Twips::toPixelsX(500), Twips::toPixelsY(500)));
    TopBand::joinOnLoad(this);
}

void RenameDialog::watchNewName(QLineEdit* box)
{
    newName_ = box;
    box->installEventFilter(this);
    connect(Timer1, &QTimer::timeout, box, [box] { box->setFocus(); });
}

void RenameDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Timer1->start();
}

bool RenameDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != newName_ || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        cmdRename_Click();
        return true;
    }
    // Esc belongs to the dialog, which closes on it; Tab moves between the boxes.
    if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Escape ||
        key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
        return false;
    return !key->text().isEmpty() && !INI::IsValidName(key->text());
}

void RenameDialog::done(int result)
{
    TopBand::leaveOnUnload(this, Owner.mainWindow());
    QDialog::done(result);
}

void RenameDialog::refuse(const QString& text)
{
    MessageBoxes::instance().show(this, MessageBoxes::Icon::Warning, QStringLiteral("Error"), text,
                                  MessageBoxes::Buttons::Ok);
}
