#include "gui/toolkit/QtPrompter.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace porvap {

namespace {

// "Description|*.ext" becomes Qt's "Description (*.ext)".
QStringList NameFilters(const FileDialogRequest& request) {
    QStringList filters;
    for (const std::string& entry : request.filters) {
        const QString text = QString::fromStdString(entry);
        const int bar = text.indexOf('|');
        filters << (bar < 0 ? text : text.left(bar) + " (" + text.mid(bar + 1) + ")");
    }
    return filters;
}

std::optional<std::string> RunDialog(QWidget* parent, const FileDialogRequest& request,
                                     QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen)
        dialog.setFileMode(QFileDialog::ExistingFile);
    if (!request.overwritePrompt)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDirectory(QString::fromStdString(request.directory));
    const QStringList filters = NameFilters(request);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.fileName.empty())
        dialog.selectFile(QString::fromStdString(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace

QtPrompter::QtPrompter(QWidget* parent, std::function<void(int)> openHelp)
    : parent_(parent), openHelp_(std::move(openHelp)) {}

void QtPrompter::Show(const std::string& text, const std::string& caption) {
    QMessageBox::information(parent_, QString::fromStdString(caption),
                             QString::fromStdString(text));
}

bool QtPrompter::AskYesNo(const std::string& text, const std::string& caption) {
    return QMessageBox::question(parent_, QString::fromStdString(caption),
                                 QString::fromStdString(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> QtPrompter::ChooseFileToOpen(const FileDialogRequest& request) {
    return RunDialog(parent_, request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtPrompter::ChooseFileToSave(const FileDialogRequest& request) {
    return RunDialog(parent_, request, QFileDialog::AcceptSave);
}

void QtPrompter::OpenHelp(int context) {
    if (openHelp_)
        openHelp_(context);
}

}  // namespace porvap
