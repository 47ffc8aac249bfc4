#pragma once

#include <QString>

class QLineEdit;

// Writes a text box only when the text differs. QLineEdit::setText with the text it already holds
// raises no change, but it still drops the selection and moves the caret to the end, which would
// break typing into a field that the editing chain rewrites from its slider.
void WriteText(QLineEdit* box, const QString& text);
