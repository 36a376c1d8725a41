#include "shell/Prompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

QMessageBox::Icon toQt(Prompts::Icon icon)
{
    switch (icon) {
    case Prompts::Icon::Information: return QMessageBox::Information;
    case Prompts::Icon::Warning: return QMessageBox::Warning;
    case Prompts::Icon::Error: return QMessageBox::Critical;
    case Prompts::Icon::Question: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString titleFor(Prompts::Icon icon)
{
    switch (icon) {
    case Prompts::Icon::Information: return QStringLiteral("Information");
    case Prompts::Icon::Warning: return QStringLiteral("Warning");
    case Prompts::Icon::Error: return QStringLiteral("Error");
    case Prompts::Icon::Question: return QStringLiteral("Confirm");
    }
    return {};
}

QMessageBox::StandardButtons toQt(Prompts::Buttons buttons)
{
    switch (buttons) {
    case Prompts::Buttons::Ok: return QMessageBox::Ok;
    case Prompts::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompts::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Prompts::Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

} // namespace

Prompts::Answer QtPrompts::message(QWidget* parent, Icon icon, const QString& text, Buttons buttons)
{
    QMessageBox box(toQt(icon), titleFor(icon), text, toQt(buttons), parent);
    switch (box.exec()) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

QString QtPrompts::openFile(QWidget* parent, const FileDialog& dialog)
{
    return QFileDialog::getOpenFileName(parent, dialog.caption, dialog.folder, dialog.filter);
}

QString QtPrompts::saveFile(QWidget* parent, const FileDialog& dialog)
{
    QFileDialog box(parent, dialog.caption, dialog.folder, dialog.filter);
    box.setAcceptMode(QFileDialog::AcceptSave);
    box.setFileMode(QFileDialog::AnyFile);
    if (!dialog.defaultSuffix.isEmpty())
        box.setDefaultSuffix(dialog.defaultSuffix);
    if (!dialog.fileName.isEmpty())
        box.selectFile(dialog.fileName);
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        return {};
    return box.selectedFiles().constFirst();
}

QString QtPrompts::chooseFolder(QWidget* parent, const QString& caption, const QString& folder)
{
    return QFileDialog::getExistingDirectory(parent, caption, folder);
}
