#pragma once

#include "Files.h"
#include "ProgramFolder.h"
#include "StandIns.h"
#include "frmColourPicker.h"

#include <QDir>
#include <QTemporaryDir>
#include <memory>

// What a main window test needs: recorded platform services, a program folder and settings of its
// own, and the window. A test object keeps one, calls reset() from init(), close() from cleanup().
struct PickerFixture {
    RecordingMessageBoxes messages;
    RecordingWindowService windows;
    RecordingDesktop desktop;
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<frmColourPicker> window;

    void reset()
    {
        close();
        TestSupport::forgetSettings();
        QDir(qEnvironmentVariable("XDG_DATA_HOME") + "/Tintwell").removeRecursively();
        folder = std::make_unique<QTemporaryDir>();
        ProgramFolder::setOverride(folder->path());
        messages.shown.clear();
        messages.answers.clear();
        windows.calls.clear();
        windows.windowManagerPresent = true;
        desktop.opened.clear();
    }
    void close() { window.reset(); }

    QString file(const QString& name) const { return folder->filePath(name); }

    // A new shown window in place of the old one.
    frmColourPicker& start()
    {
        window.reset();
        window = std::make_unique<frmColourPicker>();
        window->show();
        return *window;
    }
};
