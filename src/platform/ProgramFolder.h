#pragma once

#include <QString>

// The folder that holds the palette, the colour schemes and the help page: the executable's own
// folder, or the per-user data folder ($XDG_DATA_HOME/Tintwell) when that one is not writable,
// as after a system-wide install, so nothing the user makes is lost.
namespace ProgramFolder {

QString path();

// The file name inside the program's folder.
QString file(const QString& name);

// Makes every later call answer with this folder (for tests); an empty text undoes it.
void setOverride(const QString& folder);

} // namespace ProgramFolder
