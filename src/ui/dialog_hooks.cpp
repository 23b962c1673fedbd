#include "ui/dialog_hooks.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace projcalc::ui {

void showMessageBox(QWidget* parent, const MessageRequest& request) {
    QMessageBox box(request.icon == MessageRequest::Icon::Critical ? QMessageBox::Critical
                                                                   : QMessageBox::NoIcon,
                    request.title, request.text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString showFileDialog(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog dialog(parent, QString(), request.folder, request.nameFilter);
    if (request.mode == FileDialogRequest::Mode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(request.defaultSuffix);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

void endProgram(QWidget* window, int exitCode) {
    // Closing the last window would otherwise quit with code 0 after this exit code was set.
    QApplication::setQuitOnLastWindowClosed(false);
    if (window != nullptr) window->close();
    QCoreApplication::exit(exitCode);
}

}  // namespace projcalc::ui
