#include "app/qt_user_prompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <string>

#include "ui/file_filter.h"
#include "ui/qt_string.h"

namespace {

QMessageBox::Icon ToQt(UserPrompts::Icon icon) {
    switch (icon) {
        case UserPrompts::Icon::kInformation:
            return QMessageBox::Information;
        case UserPrompts::Icon::kWarning:
            return QMessageBox::Warning;
        case UserPrompts::Icon::kStop:
            return QMessageBox::Critical;
        case UserPrompts::Icon::kQuestion:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(UserPrompts::Buttons buttons) {
    switch (buttons) {
        case UserPrompts::Buttons::kOk:
            return QMessageBox::Ok;
        case UserPrompts::Buttons::kYesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case UserPrompts::Buttons::kYesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

}  // namespace

UserPrompts::Answer QtUserPrompts::Ask(QWidget* parent, const QString& text, Buttons buttons,
                                       Icon icon) {
    QMessageBox box(ToQt(icon), QStringLiteral("Orvel"), text, ToQt(buttons), parent);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::kYes;
        case QMessageBox::No:
            return Answer::kNo;
        case QMessageBox::Cancel:
            return Answer::kCancel;
        default:
            return buttons == Buttons::kOk ? Answer::kOk : Answer::kCancel;
    }
}

namespace {

// The chosen path of a file dialog, or an empty string when it was cancelled.
QString RunFileDialog(QWidget* parent, const UserPrompts::FileDialog& dialog,
                      QFileDialog::AcceptMode mode) {
    QFileDialog fileDialog(parent, dialog.title, QString(), dialog.filter);
    fileDialog.setAcceptMode(mode);
    fileDialog.setDefaultSuffix(dialog.defaultSuffix);
    if (mode == QFileDialog::AcceptOpen) {
        fileDialog.setFileMode(QFileDialog::ExistingFile);
        const auto followFilter =
            [&fileDialog, suffix = dialog.defaultSuffix.toStdString()](const QString& chosen) {
                const std::string_view kept = orvel::OpenDialogSuffix(chosen.toStdString(), suffix);
                fileDialog.setDefaultSuffix(ToQString(kept));
            };
        followFilter(fileDialog.selectedNameFilter());
        QObject::connect(&fileDialog, &QFileDialog::filterSelected, &fileDialog, followFilter);
    }
    if (!dialog.fileName.isEmpty())
        fileDialog.selectFile(dialog.fileName);
    if (fileDialog.exec() != QDialog::Accepted || fileDialog.selectedFiles().isEmpty())
        return {};
    return fileDialog.selectedFiles().first();
}

}  // namespace

QString QtUserPrompts::OpenFileName(QWidget* parent, const FileDialog& dialog) {
    return RunFileDialog(parent, dialog, QFileDialog::AcceptOpen);
}

QString QtUserPrompts::SaveFileName(QWidget* parent, const FileDialog& dialog) {
    return RunFileDialog(parent, dialog, QFileDialog::AcceptSave);
}

void QtUserPrompts::Notify(QWidget* parent, const QString& text, std::function<void()> closed) {
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Orvel"), text,
                                QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    QObject::connect(box, &QMessageBox::finished, box, [closed = std::move(closed)] {
        if (closed)
            closed();
    });
    box->show();
}
