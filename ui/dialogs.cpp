#include "ui/dialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace morvane {

QMessageBox *makeMessageBox(QWidget *parent, Dialogs::Box box, const QString &caption, const QString &text)
{
    auto *mb = new QMessageBox(parent);
    mb->setWindowTitle(caption);
    mb->setText(text);
    mb->setTextFormat(Qt::PlainText);
    switch (box) {
    case Dialogs::Box::Information:
        mb->setIcon(QMessageBox::Information);
        break;
    case Dialogs::Box::Confirm:
        mb->setIcon(QMessageBox::Question);
        break;
    case Dialogs::Box::Warning:
        mb->setIcon(QMessageBox::Warning);
        break;
    case Dialogs::Box::Error:
    case Dialogs::Box::AppError:
        mb->setIcon(QMessageBox::Critical);
        break;
    }
    if (box == Dialogs::Box::Confirm) {
        mb->addButton(QMessageBox::Yes)->setText(QCoreApplication::translate("morvane::Dialogs", "&Yes"));
        mb->addButton(QMessageBox::No)->setText(QCoreApplication::translate("morvane::Dialogs", "&No"));
        mb->setDefaultButton(QMessageBox::Yes);
        mb->setEscapeButton(QMessageBox::No);
    } else {
        mb->addButton(QMessageBox::Ok)->setText(QCoreApplication::translate("morvane::Dialogs", "OK"));
        mb->setDefaultButton(QMessageBox::Ok);
    }
    return mb;
}

bool QtDialogs::message(QWidget *parent, Box box, const QString &caption, const QString &text)
{
    QMessageBox *mb = makeMessageBox(parent, box, caption, text);
    const int answer = mb->exec();
    delete mb;
    return box == Box::Confirm && answer == QMessageBox::Yes;
}

namespace {

void prepare(QFileDialog &dialog, const FileDialogSpec &spec)
{
    dialog.setNameFilter(spec.filter);
    if (!spec.selectedFilter.isEmpty())
        dialog.selectNameFilter(spec.selectedFilter);
    dialog.setDefaultSuffix(spec.defaultSuffix);
    dialog.setSizeGripEnabled(true);
}

} // namespace

QStringList QtDialogs::openFiles(QWidget *parent, const FileDialogSpec &spec)
{
    QFileDialog dialog(parent, spec.title);
    prepare(dialog, spec);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

QString QtDialogs::openFile(QWidget *parent, const FileDialogSpec &spec)
{
    QFileDialog dialog(parent, spec.title);
    prepare(dialog, spec);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtDialogs::saveFile(QWidget *parent, const FileDialogSpec &spec)
{
    QFileDialog dialog(parent, spec.title);
    prepare(dialog, spec);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtDialogs::pickFolder(QWidget *parent, const QString &prompt, const QString &startFolder)
{
    return QFileDialog::getExistingDirectory(parent, prompt, startFolder, QFileDialog::ShowDirsOnly);
}

void QtDialogs::openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

void QtDialogs::showModal(QDialog *dialog)
{
    dialog->exec();
}

} // namespace morvane
