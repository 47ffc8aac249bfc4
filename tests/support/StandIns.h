#pragma once

#include "ColourDialog.h"
#include "DesktopService.h"
#include "FileDialog.h"
#include "MessageBoxes.h"
#include "ScreenReader.h"
#include "WindowService.h"

#include <QMap>
#include <QStringList>
#include <QUrl>
#include <QWidget>

// Stand-ins for the platform services: each is installed in place of the real one while it lives,
// records what the program asked of it and answers from a script.
template <class Service> class Installed : public Service {
public:
    Installed() { Service::install(this); }
    ~Installed() override { Service::install(nullptr); }
};

class RecordingMessageBoxes final : public Installed<MessageBoxes> {
public:
    struct Shown {
        Icon icon;
        QString title;
        QString text;
        Buttons buttons;
    };
    Answer show(QWidget*, Icon icon, const QString& title, const QString& text,
                Buttons buttons) override;

    QList<Shown> shown;
    // Answers given in turn; Yes, or Ok, once they run out.
    QList<Answer> answers;
};

class RecordingWindowService final : public Installed<WindowService> {
public:
    void setStaysOnTop(QWidget* window, bool on) override
    {
        calls << (on ? "top:" : "untop:") + window->objectName();
    }
    bool startSystemMove(QWidget* window) override
    {
        return calls << "move:" + window->objectName(), windowManagerPresent;
    }

    // "top:<name>" / "untop:<name>" / "move:<name>" in the order asked.
    QStringList calls;
    bool windowManagerPresent = true;
};

class RecordingDesktop final : public Installed<DesktopService> {
public:
    bool openUrl(const QUrl& url) override { return opened << url, true; }

    QList<QUrl> opened;
};

// Records each opening, applies the custom colour edits given and answers a colour (empty: cancel).
class ScriptedColourDialog final : public Installed<ColourDialog> {
public:
    struct Opening {
        int initialColour;
        bool fullOpen;
    };
    std::optional<int> choose(QWidget*, int initialColour, CustomColours& custom,
                              bool fullOpen) override
    {
        openings << Opening{initialColour, fullOpen};
        for (auto [index, value] : edits.asKeyValueRange())
            custom.at(index) = value;
        return answer;
    }

    QList<Opening> openings;
    QMap<int, int> edits; // custom colour index -> the ColourValue the user puts there
    std::optional<int> answer;
};

// A file dialog that records each request and answers a path, or a cancel when answer is empty.
class ScriptedFileDialog final : public Installed<FileDialog> {
public:
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
class FakeScreen final : public Installed<ScreenReader> {
public:
    explicit FakeScreen(const QImage& image)
        : desktop(image.convertToFormat(QImage::Format_RGB32)), monitorAreas{image.rect()}
    {
    }
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
