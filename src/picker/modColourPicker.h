#pragma once

class QWidget;

namespace modColourPicker {

// Runs the colour dialog at InitialColour with the 16 custom colours kept in the settings, and
// stores them back whatever the user does. Returns the chosen ColourValue, or -1 on cancel.
int ShowColourDialog(QWidget* OwnerWindow, int InitialColour, bool FullOpen);

} // namespace modColourPicker
