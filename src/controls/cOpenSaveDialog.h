#pragma once

#include <QString>
#include <optional>

class QWidget;

// The error a dialog raises: its number, where it came from ("Common Dialog Save") and what
// went wrong.
struct DialogError {
    int Number = 0;
    QString Source;
    QString Description;
};

// Open and save dialogs behind properties. Names travel in fixed-size buffers of NUL characters:
// a chosen name that does not fit its buffer is an error that tells the size it needs.
class cOpenSaveDialog {
public:
    // Dialog flags that change what callers get.
    static constexpr int OFN_OVERWRITEPROMPT = 0x2;
    static constexpr int OFN_EXTENSIONDIFFERENT = 0x400;
    static constexpr int OFN_PATHMUSTEXIST = 0x800;
    static constexpr int OFN_FILEMUSTEXIST = 0x1000;
    // The number of a cancel turned into an error: the base number of object errors.
    static constexpr int CancelErrorNumber = static_cast<int>(0x80040000U);
    static constexpr int BufferTooSmall = 0x3003;

    // Whether the user chose a file; a failure, or a cancel when CancelError is set, carries
    // the error instead.
    struct Outcome {
        bool chosen = false;
        std::optional<DialogError> error;
        explicit operator bool() const { return chosen; }
    };

    Outcome ShowOpen(QWidget* ownerHwnd);
    Outcome ShowSave(QWidget* ownerHwnd);
    // Forgets every setting and both buffers; CancelError stays.
    void Clear();

    bool CancelError = false;
    QString DialogTitle;
    QString DefaultExt;

    QString FileName() const { return untilNul(fileName_); }
    void setFileName(const QString& text) { write(fileName_, 520, text); }
    QString FileTitle() const { return untilNul(fileTitle_); }
    void setFileTitle(const QString& text) { write(fileTitle_, 260, text); }
    QString InitDir() const { return initDir_; }
    void setInitDir(const QString& text);
    // The chosen file's folder, without its trailing "/"; setting it sets InitDir.
    QString FilePath() const;
    void setFilePath(const QString& text) { setInitDir(text); }
    // The chosen file's extension; empty when its name has none.
    QString FileExtension() const;
    // Entries "description|patterns|description|patterns", kept with NULs for the bars.
    QString Filter() const { return filter_; }
    void setFilter(const QString& text);
    int Flags() const { return flags_; }
    void setFlags(int value);
    int MaxFileSize() const { return int(fileName_.size()); }
    void setMaxFileSize(int size);
    int MaxFileTitleSize() const { return int(fileTitle_.size()); }
    void setMaxFileTitleSize(int size);
    // The type list's entry, from 1.
    int FilterIndex() const { return filterIndex_; }
    void setFilterIndex(int value) { filterIndex_ = value < 0 ? 0 : value; }
    // After a chosen name did not fit: the buffer size it needs, or -1 when the buffer was too
    // small even to say.
    int MinimumBufferSizeRequired() const { return minimumBufferSize_; }

private:
    Outcome show(bool save, QWidget* owner);
    static QString untilNul(const QString& buffer);
    static void write(QString& buffer, int defaultSize, const QString& text);

    QString fileName_;
    QString fileTitle_;
    QString initDir_;
    QString filter_;
    QString chosen_; // the name the user chose last
    int flags_ = 0;
    int filterIndex_ = 0;
    int minimumBufferSize_ = 0;
};
