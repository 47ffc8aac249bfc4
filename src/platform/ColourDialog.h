#pragma once

#include <array>
#include <optional>

class QWidget;

// The desktop's colour dialog: opens at a colour with 16 custom colours the user may change.
class ColourDialog {
public:
    using CustomColours = std::array<int, 16>; // ColourValues

    virtual ~ColourDialog() = default;
    // The chosen ColourValue, or nothing when the user cancels. The custom colours are updated
    // with the user's changes either way.
    virtual std::optional<int> choose(QWidget* owner, int initialColour, CustomColours& custom,
                                      bool fullOpen) = 0;

    static ColourDialog& instance();
    // Installs a stand-in (not owned); nullptr puts the real dialog back.
    static void install(ColourDialog* dialog);
};
