#pragma once

#include <QString>

class QWidget;

// Modal message boxes. The text arrives exactly as the program words it (CR LF line breaks and
// trailing blanks included); the real service shows it, a test stand-in records it.
class MessageBoxes {
public:
    enum class Icon { None, Information, Warning, Critical, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~MessageBoxes() = default;
    virtual Answer show(QWidget* parent, Icon icon, const QString& title, const QString& text,
                        Buttons buttons) = 0;

    // The service in use: the real one unless a stand-in was installed.
    static MessageBoxes& instance();
    // Installs a stand-in (not owned); nullptr puts the real service back.
    static void install(MessageBoxes* service);
};
