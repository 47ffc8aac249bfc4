#include "StandIns.h"

#include <QWidget>

MessageBoxes::Answer RecordingMessageBoxes::show(QWidget*, Icon icon, const QString& title,
                                                 const QString& text, Buttons buttons)
{
    shown << Shown{icon, title, text, buttons};
    if (!answers.isEmpty()) return answers.takeFirst();
    return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
}

void RecordingWindowService::setStaysOnTop(QWidget* window, bool on)
{
    calls << (on ? QStringLiteral("top:") : QStringLiteral("untop:")) + window->objectName();
}

bool RecordingWindowService::startSystemMove(QWidget* window)
{
    calls << QStringLiteral("move:") + window->objectName();
    return windowManagerPresent;
}

std::optional<int> ScriptedColourDialog::choose(QWidget*, int initialColour, CustomColours& custom,
                                                bool fullOpen)
{
    openings << Opening{initialColour, fullOpen};
    for (auto it = edits.cbegin(); it != edits.cend(); ++it)
        custom.at(it.key()) = it.value();
    return answer;
}
