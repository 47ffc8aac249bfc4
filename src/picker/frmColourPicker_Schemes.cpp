// The schemes window: it reads the current colour from here and sends chosen colours back.
#include "ColourBox.h"
#include "frmColourPicker.h"
#include "frmCustomColour.h"

int frmColourPicker::currentColour() const
{
    return picShowColour->BackColor();
}

void frmColourPicker::mnufilecustomcolour_Click()
{
    // A closed window is on its way out; a new one reads the folder afresh.
    if (!customColour_ || !customColour_->isVisible()) {
        auto* window = new frmCustomColour(*this);
        window->setAttribute(Qt::WA_DeleteOnClose);
        customColour_ = window;
    }
    customColour_->show();
    customColour_->raise();
    customColour_->activateWindow();
}
