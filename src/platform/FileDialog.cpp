#include "FileDialog.h"

#include <QFileDialog>

namespace {

class QtFileDialog final : public FileDialog {
public:
    std::optional<Choice> choose(QWidget* owner, const Request& request) override
    {
        QFileDialog dialog(owner, request.title, request.directory);
        dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(request.save || !request.fileMustExist ? QFileDialog::AnyFile
                                                                  : QFileDialog::ExistingFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
        QStringList filters;
        for (const auto& [description, patterns] : request.filters)
            filters << description + QStringLiteral(" (") + QString(patterns).replace(u';', u' ') +
                           u')';
        dialog.setNameFilters(filters);
        if (request.filterIndex < filters.size())
            dialog.selectNameFilter(filters.at(request.filterIndex));
        dialog.setDefaultSuffix(request.defaultSuffix);
        if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return Choice{dialog.selectedFiles().constFirst(),
                      std::max(0, int(filters.indexOf(dialog.selectedNameFilter())))};
    }
};

FileDialog* installed = nullptr;

} // namespace

FileDialog& FileDialog::instance()
{
    static QtFileDialog real;
    return installed ? *installed : real;
}

void FileDialog::install(FileDialog* dialog)
{
    installed = dialog;
}
