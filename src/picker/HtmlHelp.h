#pragma once

#include <QString>

class QWidget;

// Opens the help page with the desktop's viewer. False, and nothing shown, when the file is missing.
bool LaunchHTMLHelp(const QString& HelpFile, QWidget* WindowHandle = nullptr, int Topic = 0);
