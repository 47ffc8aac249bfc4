#pragma once

#include "ColourDialog.h"
#include "DesktopService.h"
#include "FileDialog.h"
#include "MessageBoxes.h"
#include "ScreenReader.h"
#include "WindowService.h"

#include <QImage>
#include <QList>
#include <QMap>
#include <QStringList>
#include <QUrl>

// Stand-ins for the platform services. Each installs itself while it lives, records what the
// program asked of it and answers from a script.

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
    // Answers given in turn; Yes, or Ok, once they run out.
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
    bool openUrl(const QUrl& url) override { return opened << url, true; }

    QList<QUrl> opened;
};

// A colour dialog that records how it was opened, applies the custom colour edits it was given
// and answers a colour, or a cancel when answer is empty.
class ScriptedColourDialog final : public ColourDialog {
public:
    struct Opening {
        int initialColour;
        bool fullOpen;
    };
    ScriptedColourDialog() { install(this); }
    ~ScriptedColourDialog() override { install(nullptr); }
    std::optional<int> choose(QWidget*, int initialColour, CustomColours& custom,
                              bool fullOpen) override;

    QList<Opening> openings;
    QMap<int, int> edits; // custom colour index -> the ColourValue the user puts there
    std::optional<int> answer;
};

// A file dialog that records each request and answers a path, or a cancel when answer is empty.
class ScriptedFileDialog final : public FileDialog {
public:
    ScriptedFileDialog() { install(this); }
    ~ScriptedFileDialog() override { install(nullptr); }
    std::optional<Choice> choose(QWidget*, const Request& request) override
    {
        requests << request;
        return answer ? std::optional(Choice{*answer, request.filterIndex}) : std::nullopt;
    }

    QList<Request> requests;
    std::optional<QString> answer;
};

// A screen made of an image: the desktop's pixels from (0, 0), the monitors laid over it and a
// pointer the test moves (nowhere at first). One monitor covers the whole desktop at first.
class FakeScreen final : public ScreenReader {
public:
    explicit FakeScreen(const QImage& image)
        : desktop(image.convertToFormat(QImage::Format_RGB32)), monitorAreas{image.rect()}
    {
        install(this);
    }
    ~FakeScreen() override { install(nullptr); }
    std::optional<QPoint> pointerPosition() override { return pointer; }
    QList<QRect> monitors() override { return monitorAreas; }
    QImage grab(const QRect& rect) override
    {
        if (refuseGrabs || rect.isEmpty() || !desktop.rect().contains(rect)) return {};
        return desktop.copy(rect);
    }

    QImage desktop;
    QList<QRect> monitorAreas;
    std::optional<QPoint> pointer;
    bool refuseGrabs = false;
};
