#include "StandIns.h"

MessageBoxes::Answer RecordingMessageBoxes::show(QWidget*, Icon icon, const QString& title,
                                                 const QString& text, Buttons buttons)
{
    shown << Shown{icon, title, text, buttons};
    if (!answers.isEmpty()) return answers.takeFirst();
    return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::Ok;
}
