#include "ui/dialog_hooks.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <utility>

namespace projcalc::ui {

void showMessageBox(QWidget* parent, const MessageRequest& request) {
    QMessageBox box(request.icon == MessageRequest::Icon::Critical ? QMessageBox::Critical
                                                                   : QMessageBox::NoIcon,
                    request.title, request.text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

SaveChoice askQuestionBox(QWidget* parent, const QuestionRequest& request) {
    QMessageBox box(QMessageBox::Question, request.title, request.text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    const std::pair<QMessageBox::StandardButton, const QString*> captions[] = {
        {QMessageBox::Save, &request.save},
        {QMessageBox::Discard, &request.discard},
        {QMessageBox::Cancel, &request.cancel}};
    for (const auto& [button, caption] : captions)
        box.button(button)->setText(*caption);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked == box.button(QMessageBox::Save)) return SaveChoice::Save;
    if (clicked == box.button(QMessageBox::Discard)) return SaveChoice::Discard;
    return SaveChoice::Cancel;
}

bool askGoOnBox(QWidget* parent, const QuestionRequest& request) {
    QMessageBox box(QMessageBox::Question, request.title, request.text,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    if (!request.save.isEmpty()) box.button(QMessageBox::Ok)->setText(request.save);
    if (!request.cancel.isEmpty()) box.button(QMessageBox::Cancel)->setText(request.cancel);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Ok);
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
