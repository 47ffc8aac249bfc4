#include "ScriptedColourDialog.h"

std::optional<int> ScriptedColourDialog::choose(QWidget*, int initialColour, CustomColours& custom,
                                                bool fullOpen)
{
    openings << Opening{initialColour, fullOpen};
    for (auto it = edits.cbegin(); it != edits.cend(); ++it)
        custom.at(it.key()) = it.value();
    return answer;
}
