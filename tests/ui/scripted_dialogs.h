#pragma once

#include "ui/dialogs.h"

#include <QDialog>
#include <QList>
#include <QQueue>

#include <functional>

namespace morvane {

// Answers the window's dialogs from a script and records what was asked.
// An unscripted file or folder dialog is cancelled; an unscripted
// confirmation is answered Yes.
class ScriptedDialogs : public Dialogs {
public:
    struct Message {
        Box box;
        QString caption;
        QString text;
    };
    struct FileRequest {
        QString kind; // "openFiles", "openFile" or "saveFile"
        FileDialogSpec spec;
    };

    QList<Message> messages;
    QList<FileRequest> fileRequests;
    QList<QPair<QString, QString>> folderRequests; // prompt, start folder
    QList<QUrl> openedUrls;

    QQueue<bool> confirmAnswers;
    QQueue<QStringList> fileAnswers; // one entry per file dialog; one path for openFile/saveFile
    QQueue<QString> folderAnswers;
    std::function<void(QDialog *)> onModal; // acts on a modal dialog, then closes it

    bool message(QWidget *, Box box, const QString &caption, const QString &text) override
    {
        messages.append({box, caption, text});
        if (box != Box::Confirm)
            return false;
        return confirmAnswers.isEmpty() ? true : confirmAnswers.dequeue();
    }
    QStringList openFiles(QWidget *, const FileDialogSpec &spec) override
    {
        fileRequests.append({QStringLiteral("openFiles"), spec});
        return fileAnswers.isEmpty() ? QStringList() : fileAnswers.dequeue();
    }
    QString openFile(QWidget *, const FileDialogSpec &spec) override
    {
        fileRequests.append({QStringLiteral("openFile"), spec});
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue().value(0);
    }
    QString saveFile(QWidget *, const FileDialogSpec &spec) override
    {
        fileRequests.append({QStringLiteral("saveFile"), spec});
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue().value(0);
    }
    QString pickFolder(QWidget *, const QString &prompt, const QString &startFolder) override
    {
        folderRequests.append({prompt, startFolder});
        return folderAnswers.isEmpty() ? QString() : folderAnswers.dequeue();
    }
    void openUrl(const QUrl &url) override { openedUrls.append(url); }
    void showModal(QDialog *dialog) override
    {
        dialog->show();
        if (onModal)
            onModal(dialog);
        dialog->hide();
    }

    QStringList texts() const
    {
        QStringList list;
        for (const Message &m : messages)
            list.append(m.text);
        return list;
    }
};

} // namespace morvane
