#pragma once

#include "update/startup_check.h"
#include "update/update_config.h"

#include <QDialog>
#include <QString>
#include <QUrl>

class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace morvane {

class InstallerDownload;

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
// exit for a mandatory update), and on "Update Now" shows the installer's
// download (InstallerDownload) and starts the installer once it is complete.
class NewVersionDialog : public QDialog {
    Q_OBJECT
public:
    NewVersionDialog(UpdateState &state, const UpdateEndpoint &endpoint, UpdateShell &shell, QWidget *parent = nullptr);
    ~NewVersionDialog() override;

    // 1 goes on to the main window, 0 ends the program: 1 once shown, 0 once
    // closed with UpdateState::mustExit set (a mandatory update, or a download started).
    int continueMark() const { return m_continueMark; }

    QLabel *messageLabel() const { return m_messageLabel; }
    QProgressBar *progressBar() const { return m_progressBar; }
    QPushButton *updateNowButton() const { return m_updateNowButton; }
    // "Skip", "Exit" or, during the download, "Abort".
    QPushButton *cancelButton() const { return m_cancelButton; }

    bool isDownloading() const { return m_downloading; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showOffer();
    void skipOrAbort();
    void startDownload();
    void showProgress(int percent);
    void downloadFinished(const QString &failure);

    UpdateState &m_state;
    UpdateEndpoint m_endpoint;
    UpdateShell &m_shell;
    int m_continueMark = 0;
    QLabel *m_iconLabel = nullptr;
    QLabel *m_messageLabel = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QPushButton *m_updateNowButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    InstallerDownload *m_download = nullptr;
    bool m_downloading = false;
    bool m_downloadDone = false;
};

// Shows the dialog modally as start-up's only window: Exit when the user
// chose to end the program (a mandatory update, or the installer started).
StartupVerdict promptNewVersion(UpdateState &state, const UpdateEndpoint &endpoint, UpdateShell &shell);

// Start-up's version check with this dialog as its prompt.
StartupVerdict checkForUpdateAtStartup(const UpdateEndpoint &endpoint, UpdateShell &shell);

} // namespace morvane
