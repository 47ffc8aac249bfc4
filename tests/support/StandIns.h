#pragma once

#include "DesktopService.h"
#include "MessageBoxes.h"
#include "WindowService.h"

#include <QList>
#include <QStringList>
#include <QUrl>

class QWidget;

// Stand-ins for the platform services. Each installs itself while it lives and records what the
// program asked of it.

class RecordingMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        Icon icon;
        QString title;
        QString text;
        Buttons buttons;
    };

    RecordingMessageBoxes() { install(this); }
    ~RecordingMessageBoxes() override { install(nullptr); }

    Answer show(QWidget*, Icon icon, const QString& title, const QString& text,
                Buttons buttons) override;

    QList<Shown> shown;
    // Answers given in turn; Ok (or the first button) once they run out.
    QList<Answer> answers;
};

class RecordingWindowService final : public WindowService {
public:
    RecordingWindowService() { install(this); }
    ~RecordingWindowService() override { install(nullptr); }

    void setStaysOnTop(QWidget* window, bool on) override;
    bool startSystemMove(QWidget* window) override;

    // "top:<name>" / "untop:<name>" / "move:<name>" in the order asked.
    QStringList calls;
    bool windowManagerPresent = true;
};

class RecordingDesktop final : public DesktopService {
public:
    RecordingDesktop() { install(this); }
    ~RecordingDesktop() override { install(nullptr); }

    bool openUrl(const QUrl& url) override
    {
        opened << url;
        return true;
    }

    QList<QUrl> opened;
};
