#include "qt_dialogs.h"

#include "czech_file_list.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>

namespace vemlik {

namespace {

int execMessageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                   QMessageBox::StandardButtons buttons,
                   QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, QGuiApplication::applicationDisplayName(), text, buttons, parent);
    // The texts quote what the user typed, which may look like markup.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

} // namespace

void QtDialogs::showMessage(const QString& text) {
    execMessageBox(parentWindow_, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtDialogs::askYesNo(const QString& text) {
    return execMessageBox(parentWindow_, QMessageBox::Question, text,
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

QString QtDialogs::chooseResultsFileName(const QString& filter) {
    QFileDialog dialog(parentWindow_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Results are appended, so an existing file is a normal choice, not one to warn about.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // Qt's own dialog, which speaks the program's Czech; a desktop's native one follows the
    // user's locale.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The description already names its pattern; Qt would show it a second time.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(qtNameFilter(filter));
    dialog.setProxyModel(new CzechFileList(&dialog));
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles().value(0);
}

QString qtNameFilter(const QString& filter) {
    const qsizetype bar = filter.indexOf(u'|');
    if (bar < 0) {
        return filter;
    }
    return filter.left(bar) + QStringLiteral(" (") + filter.mid(bar + 1) + u')';
}

} // namespace vemlik
