#pragma once

#include "update/startup_check.h"
#include "update/update_config.h"

#include <QDialog>
#include <QFile>
#include <QPointer>
#include <QString>
#include <QUrl>

class QLabel;
class QNetworkAccessManager;
class QNetworkReply;
class QProgressBar;
class QPushButton;
class QWidget;

namespace morvane {

// The two things the dialog asks of the desktop; tests answer them.
class UpdateShell {
public:
    virtual ~UpdateShell() = default;
    // The error box: caption "Error", one OK button; returns once confirmed.
    virtual void showError(QWidget *parent, const QString &text) = 0;
    // Opens a web address or a file with the desktop's default handler.
    virtual void openUrl(const QUrl &url) = 0;
};

class QtUpdateShell : public UpdateShell {
public:
    void showError(QWidget *parent, const QString &text) override;
    void openUrl(const QUrl &url) override;
};

// The new-version dialog: shows the prepared message, offers to skip (or to
// exit for a mandatory update) and downloads and starts the installer.
class NewVersionDialog : public QDialog {
    Q_OBJECT
public:
    NewVersionDialog(UpdateState &state, const UpdateEndpoint &endpoint, UpdateShell &shell, QWidget *parent = nullptr);
    ~NewVersionDialog() override;

    // The continue mark: 1 goes on to the main window, 0 ends the program.
    int tag = 0;

    QLabel *Label1 = nullptr;
    QLabel *VirtualImage1 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QPushButton *btUpdateNow = nullptr;
    QPushButton *btCancel = nullptr;

    bool isDownloading() const { return m_downloading; }

    void formShow();
    void formClose();
    void btCancelClick();
    void btUpdateNowClick();
    // Progress of the installer transfer: bytes received so far.
    void downloadWork(QNetworkReply *ASender, qint64 AWorkCount);

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void writeReceived();
    void replyFinished();
    // Ends the transfer once; an empty text means success.
    void finishDownload(const QString &failure);
    void completeDownload();

    UpdateState &m_state;
    UpdateEndpoint m_endpoint;
    UpdateShell &m_shell;
    QNetworkAccessManager *m_client = nullptr;
    QPointer<QNetworkReply> m_reply;
    QFile m_file;
    QString m_failure;
    bool m_downloading = false;
    bool m_finishing = false;
    bool m_downloadDone = false;
};

// Shows the dialog modally as start-up's only window: Exit when the user
// chose to end the program (a mandatory update, or the installer started).
StartupVerdict promptNewVersion(UpdateState &state, const UpdateEndpoint &endpoint, UpdateShell &shell);

// Start-up's version check with this dialog as its prompt.
StartupVerdict checkForUpdateAtStartup(const UpdateEndpoint &endpoint, UpdateShell &shell);

} // namespace morvane
