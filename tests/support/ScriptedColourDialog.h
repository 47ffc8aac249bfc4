#pragma once

#include "ColourDialog.h"

#include <QList>
#include <QMap>

// A colour dialog that answers from a script: it records how it was opened, applies the custom
// colour edits it was given, and answers a colour or a cancel. Installs itself while it lives.
class ScriptedColourDialog final : public ColourDialog {
public:
    struct Opening {
        int initialColour;
        bool fullOpen;
    };

    ScriptedColourDialog() { install(this); }
    ~ScriptedColourDialog() override { install(nullptr); }
    ScriptedColourDialog(const ScriptedColourDialog&) = delete;
    ScriptedColourDialog& operator=(const ScriptedColourDialog&) = delete;

    std::optional<int> choose(QWidget* owner, int initialColour, CustomColours& custom,
                              bool fullOpen) override;

    QList<Opening> openings;
    // Custom colour index -> the ColourValue the user puts there.
    QMap<int, int> edits;
    // The colour chosen; nothing cancels.
    std::optional<int> answer;
};
