#pragma once

#include <QString>

namespace Clipboard {

// Clears the system clipboard and puts the text on it as plain text.
void PutText(const QString& text);

} // namespace Clipboard
