#include "cOpenSaveDialog.h"

#include "FileDialog.h"

#include <QStringList>
#include <algorithm>

namespace {

const QChar Nul(u'\0');

} // namespace

QString cOpenSaveDialog::untilNul(const QString& buffer)
{
    return buffer.left(buffer.indexOf(Nul));
}

void cOpenSaveDialog::write(QString& buffer, int defaultSize, const QString& text)
{
    if (buffer.isEmpty()) buffer = QString(defaultSize, Nul);
    if (text.size() > buffer.size()) buffer = QString(text.size(), Nul);
    // The rest of the buffer is cleared too: a shorter name must not end in the old one's tail.
    buffer = text + QString(buffer.size() - text.size(), Nul);
}

void cOpenSaveDialog::Clear()
{
    const bool cancelError = CancelError;
    *this = cOpenSaveDialog();
    CancelError = cancelError;
}

void cOpenSaveDialog::setInitDir(const QString& text)
{
    initDir_ = text.isEmpty() || text.endsWith(u'/') ? text : text + u'/';
}

QString cOpenSaveDialog::FilePath() const
{
    return chosen_.left(std::max<qsizetype>(chosen_.lastIndexOf(u'/'), 0));
}

QString cOpenSaveDialog::FileExtension() const
{
    const qsizetype dot = chosen_.lastIndexOf(u'.');
    return dot > chosen_.lastIndexOf(u'/') ? chosen_.mid(dot + 1) : QString();
}

void cOpenSaveDialog::setFilter(const QString& text)
{
    filter_ = text.isEmpty() ? QString() : QString(text).replace(u'|', Nul) + Nul;
}

void cOpenSaveDialog::setFlags(int value)
{
    // OFN_EXTENSIONDIFFERENT is only ever an answer of the dialog.
    if (value >= 0) flags_ = value & ~OFN_EXTENSIONDIFFERENT;
}

void cOpenSaveDialog::setMaxFileSize(int size)
{
    if (size >= 1) fileName_ = QString(size, Nul);
}

void cOpenSaveDialog::setMaxFileTitleSize(int size)
{
    if (size >= 1) fileTitle_ = QString(size, Nul);
}

cOpenSaveDialog::Outcome cOpenSaveDialog::ShowOpen(QWidget* ownerHwnd)
{
    return show(false, ownerHwnd);
}

cOpenSaveDialog::Outcome cOpenSaveDialog::ShowSave(QWidget* ownerHwnd)
{
    return show(true, ownerHwnd);
}

cOpenSaveDialog::Outcome cOpenSaveDialog::show(bool save, QWidget* owner)
{
    if (fileName_.isEmpty()) fileName_ = QString(520, Nul);
    if (fileTitle_.isEmpty()) fileTitle_ = QString(260, Nul);
    if (save) {
        flags_ &= ~OFN_FILEMUSTEXIST;
    } else {
        flags_ &= ~OFN_OVERWRITEPROMPT;
        if (flags_ & OFN_FILEMUSTEXIST) flags_ |= OFN_PATHMUSTEXIST;
    }

    FileDialog::Request request;
    request.save = save;
    request.title = DialogTitle;
    request.directory = initDir_;
    request.fileName = FileName();
    const QStringList parts = filter_.split(Nul);
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2)
        request.filters.append({parts[i], parts[i + 1]});
    request.filterIndex = std::max(filterIndex_ - 1, 0);
    request.defaultSuffix = DefaultExt;
    request.overwritePrompt = (flags_ & OFN_OVERWRITEPROMPT) != 0;
    request.fileMustExist = (flags_ & OFN_FILEMUSTEXIST) != 0;

    const QString source =
        QStringLiteral("Common Dialog ") + (save ? QStringLiteral("Save") : QStringLiteral("Open"));
    const auto choice = FileDialog::instance().choose(owner, request);
    if (!choice) {
        if (!CancelError) return {};
        return {false,
                DialogError{CancelErrorNumber, source, QStringLiteral("Cancel was seleted")}};
    }
    // The name and its closing NUL must fit the buffer.
    if (choice->path.size() >= fileName_.size()) {
        minimumBufferSize_ =
            fileName_.size() > 4 ? int(std::min<qsizetype>(choice->path.size() + 1, 0xFFFF)) : -1;
        return {false, DialogError{BufferTooSmall, source,
                                   QStringLiteral("The PathFileBufferSize is too small for the "
                                                  "file name(s) specified by the user.")}};
    }
    chosen_ = choice->path;
    write(fileName_, 520, chosen_);
    const QString title = choice->path.mid(choice->path.lastIndexOf(u'/') + 1);
    write(fileTitle_, 260, title.left(fileTitle_.size() - 1));
    filterIndex_ = choice->filterIndex + 1;
    return {true, std::nullopt};
}
