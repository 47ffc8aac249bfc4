#include "MessageBoxes.h"

#include <QMessageBox>

namespace {

class QtMessageBoxes final : public MessageBoxes {
public:
    Answer show(QWidget* parent, Icon icon, const QString& title, const QString& text,
                Buttons buttons) override
    {
        QMessageBox box(toQt(icon), title, QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                        toQt(buttons), parent);
        switch (box.exec()) {
        case QMessageBox::Cancel: return Answer::Cancel;
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        default: return Answer::Ok;
        }
    }

private:
    static QMessageBox::Icon toQt(Icon icon)
    {
        switch (icon) {
        case Icon::Information: return QMessageBox::Information;
        case Icon::Warning: return QMessageBox::Warning;
        case Icon::Critical: return QMessageBox::Critical;
        case Icon::Question: return QMessageBox::Question;
        case Icon::None: break;
        }
        return QMessageBox::NoIcon;
    }

    static QMessageBox::StandardButtons toQt(Buttons buttons)
    {
        switch (buttons) {
        case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case Buttons::Ok: break;
        }
        return QMessageBox::Ok;
    }
};

MessageBoxes* installed = nullptr;

} // namespace

MessageBoxes& MessageBoxes::instance()
{
    static QtMessageBoxes real;
    return installed ? *installed : real;
}

void MessageBoxes::install(MessageBoxes* service) { installed = service; }
