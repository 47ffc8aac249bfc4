#include "ControlWrites.h"

#include <QLineEdit>

void WriteText(QLineEdit* box, const QString& text)
{
    if (box->text() != text) box->setText(text);
}
