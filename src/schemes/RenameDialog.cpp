#include "RenameDialog.h"

#include "INI.h"
#include "MessageBoxes.h"
#include "TopBand.h"
#include "Twips.h"
#include "frmCustomColour.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QValidator>

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

namespace {

// Keeps only the characters a name may hold, typed or pasted alike; editing keys are no
// characters and always work.
class NameCharacters final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override
    {
        for (qsizetype i = input.size() - 1; i >= 0; --i) {
            if (INI::IsValidName(input.at(i))) continue;
            input.remove(i, 1);
            if (i < pos) --pos;
        }
        return Acceptable;
    }
};

} // namespace

void RenameDialog::watchNewName(QLineEdit* box)
{
    newName_ = box;
    box->setValidator(new NameCharacters(box));
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
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return QDialog::eventFilter(watched, event);
    cmdRename_Click();
    return true;
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
