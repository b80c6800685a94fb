#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

class QDialog;
class QMessageBox;
class QWidget;

namespace morvane {

// What an open or save dialog is asked for. Filters are in Qt's form
// ("Name (*.a *.b);;Other (*)").
struct FileDialogSpec {
    QString title; // empty: the platform's default title
    QString filter;
    QString selectedFilter; // empty: the first entry
    QString defaultSuffix;  // save dialogs: appended to a name typed without one
};

// Every modal conversation of the window with the user goes through here:
// production answers with Qt's dialogs, tests answer from a script.
class Dialogs {
public:
    enum class Box {
        Information, // caption "Information", OK
        Confirm,     // caption "Confirm", &Yes / &No
        Warning,     // caption "Warning", OK
        Error,       // caption "Error", OK
        AppError,    // uncaught errors: caption the application title, stop icon, OK
    };

    virtual ~Dialogs() = default;
    // Shows a modal message box; true when a Confirm box was answered Yes.
    virtual bool message(QWidget *parent, Box box, const QString &caption, const QString &text) = 0;
    // Existing files, several at once; empty when cancelled.
    virtual QStringList openFiles(QWidget *parent, const FileDialogSpec &spec) = 0;
    // One existing file; empty when cancelled.
    virtual QString openFile(QWidget *parent, const FileDialogSpec &spec) = 0;
    // A name to save under; empty when cancelled.
    virtual QString saveFile(QWidget *parent, const FileDialogSpec &spec) = 0;
    // A folder; empty when cancelled.
    virtual QString pickFolder(QWidget *parent, const QString &prompt, const QString &startFolder) = 0;
    virtual void openUrl(const QUrl &url) = 0;
    // Shows a dialog window modally and returns when it has closed.
    virtual void showModal(QDialog *dialog) = 0;
};

// The standard message box of each kind, built but not shown.
QMessageBox *makeMessageBox(QWidget *parent, Dialogs::Box box, const QString &caption, const QString &text);

class QtDialogs : public Dialogs {
public:
    bool message(QWidget *parent, Box box, const QString &caption, const QString &text) override;
    QStringList openFiles(QWidget *parent, const FileDialogSpec &spec) override;
    QString openFile(QWidget *parent, const FileDialogSpec &spec) override;
    QString saveFile(QWidget *parent, const FileDialogSpec &spec) override;
    QString pickFolder(QWidget *parent, const QString &prompt, const QString &startFolder) override;
    void openUrl(const QUrl &url) override;
    void showModal(QDialog *dialog) override;
};

} // namespace morvane
