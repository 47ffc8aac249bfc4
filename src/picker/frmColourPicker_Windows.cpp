// The chart and About windows that the Tools and Help menus open.
#include "frmAbout.h"
#include "frmColourPicker.h"
#include "frmRGBchart.h"

void frmColourPicker::mnutoolsrgbchart_Click()
{
    // One chart at a time: asked again, the open one comes to the front.
    if (!rgbChart_ || !rgbChart_->isVisible()) rgbChart_ = new frmRGBchart(this);
    rgbChart_->show();
    rgbChart_->raise();
    rgbChart_->activateWindow();
}

void frmColourPicker::mnuhelpabout_Click()
{
    frmAbout dialog(this);
    dialog.exec();
}
