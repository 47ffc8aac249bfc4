#include "StandIns.h"

#include <QWidget>

MessageBoxes::Answer RecordingMessageBoxes::show(QWidget*, Icon icon, const QString& title,
                                                 const QString& text, Buttons buttons)
{
    shown << Shown{icon, title, text, buttons};
    if (!answers.isEmpty()) return answers.takeFirst();
    switch (buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoCancel: return Answer::Yes;
    case Buttons::Ok:
    case Buttons::OkCancel: break;
    }
    return Answer::Ok;
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
