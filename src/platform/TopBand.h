#pragma once

class QWidget;

// The always-on-top convention of the windows the main window opens, driven by the "ontop"
// setting: a window joins the top band as it opens, and as it closes it leaves the band and puts
// the main window back into it.
namespace TopBand {

void joinOnLoad(QWidget* window);
void leaveOnUnload(QWidget* window, QWidget* mainWindow);

} // namespace TopBand
