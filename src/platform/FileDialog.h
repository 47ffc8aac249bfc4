#pragma once

#include <QList>
#include <QString>
#include <optional>
#include <utility>

class QWidget;

// The desktop's dialogs for choosing a file to open or a place to save one.
class FileDialog {
public:
    struct Request {
        bool save = false;
        QString title;
        QString directory;
        QString fileName;
        // Description and patterns ("*.zip;*.7z") of each entry of the type list.
        QList<std::pair<QString, QString>> filters;
        int filterIndex = 0;          // the entry shown first, from 0
        QString defaultSuffix;        // added to a name typed without one
        bool overwritePrompt = false; // save: ask before replacing an existing file
        bool fileMustExist = false;   // open: only an existing file may be chosen
    };
    struct Choice {
        QString path;
        int filterIndex = 0;
    };

    virtual ~FileDialog() = default;
    // The chosen file, or nothing when the user cancels.
    virtual std::optional<Choice> choose(QWidget* owner, const Request& request) = 0;

    static FileDialog& instance();
    // Installs a stand-in (not owned); nullptr puts the real dialog back.
    static void install(FileDialog* dialog);
};
