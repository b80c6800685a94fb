#pragma once

#include "update/update_config.h"

#include <QFile>
#include <QObject>
#include <QPointer>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;

namespace morvane {

// Fetches the installer from the update server into the temporary folder
// (UpdateEndpoint::installerFilePath). Redirects are not followed: the
// installer comes from the server's own address or not at all. Only a
// success body reaches the file, which only its owner may read or write.
//
//   InstallerDownload download(endpoint);
//   connect(&download, &InstallerDownload::progressed, bar, &QProgressBar::setValue);
//   connect(&download, &InstallerDownload::finished, [](const QString &failure) { ... });
//   download.start();
class InstallerDownload : public QObject {
    Q_OBJECT
public:
    explicit InstallerDownload(UpdateEndpoint endpoint, QObject *parent = nullptr);
    // Aborts a running transfer; the part received stays on disk.
    ~InstallerDownload() override;

    // Drops an older file of ours, creates the new one afresh and sends the
    // request. Once per object; a failure to create the file ends the
    // download as any other failure does.
    void start();
    // Ends the transfer at once, even when the server has gone quiet; the
    // failure text says the download was cancelled.
    void cancel();

    bool isRunning() const { return m_started && !m_finishing; }
    QString filePath() const { return m_file.fileName(); }

    // The text a cancelled download ends with.
    static QString cancelledText();

signals:
    // Percent received, 0 to 100; only when the server declared the length
    // and does not send the body in chunks.
    void progressed(int percent);
    // Emitted once, from the event loop after the transfer has ended, with the
    // file closed: an empty failure means the installer is complete at filePath().
    void finished(const QString &failure);

private:
    void writeReceived();
    void reportProgress(qint64 received);
    void replyFinished();
    // Ends the transfer once; the outcome follows from the event loop.
    void finish(const QString &failure);
    void complete();

    UpdateEndpoint m_endpoint;
    QNetworkAccessManager *m_client = nullptr;
    QPointer<QNetworkReply> m_reply;
    QFile m_file;
    QString m_failure;
    bool m_started = false;
    bool m_finishing = false;
};

} // namespace morvane
