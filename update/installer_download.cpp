#include "update/installer_download.h"

#include "update/version_check.h"

#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace morvane {

namespace {

bool isSuccess(int status)
{
    return status >= 200 && status <= 299;
}

} // namespace

InstallerDownload::InstallerDownload(UpdateEndpoint endpoint, QObject *parent)
    : QObject(parent), m_endpoint(std::move(endpoint))
{
}

InstallerDownload::~InstallerDownload()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

QString InstallerDownload::cancelledText()
{
    return QStringLiteral("Download is cancelled. Please download manually.");
}

void InstallerDownload::start()
{
    if (m_started)
        return;
    m_started = true;
    // A fixed name in a shared folder: drop an older file of ours and create the
    // new one afresh, so we never write through a file or link someone else left.
    const QString path = m_endpoint.installerFilePath();
    QFile::remove(path);
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        finish(tr("Cannot create file \"%1\". %2").arg(path, m_file.errorString()));
        return;
    }

    m_client = new QNetworkAccessManager(this);
    QNetworkRequest request = makeUpdateRequest(m_endpoint, kInstallerPath);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    m_reply = m_client->get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &InstallerDownload::writeReceived);
    connect(m_reply, &QNetworkReply::downloadProgress, this,
            [this](qint64 received, qint64) { reportProgress(received); });
    connect(m_reply, &QNetworkReply::finished, this, &InstallerDownload::replyFinished);
}

void InstallerDownload::cancel()
{
    if (isRunning())
        finish(cancelledText());
}

void InstallerDownload::reportProgress(qint64 received)
{
    if (!m_reply || m_finishing)
        return;
    const qint64 length = m_reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    const QByteArray encoding = m_reply->rawHeader("Transfer-Encoding").toLower();
    if (!encoding.contains("chunked") && length > 0)
        emit progressed(int(qBound<qint64>(0, received * 100 / length, qint64(100))));
}

void InstallerDownload::writeReceived()
{
    if (!m_reply || m_finishing)
        return;
    const QByteArray data = m_reply->readAll();
    // A redirect or error page is not the installer; only a success body goes to the file.
    if (!isSuccess(m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt()))
        return;
    if (m_file.write(data) != data.size())
        finish(tr("Cannot write file \"%1\". %2").arg(m_file.fileName(), m_file.errorString()));
}

void InstallerDownload::replyFinished()
{
    if (!m_reply || m_finishing)
        return;
    writeReceived();
    if (m_finishing)
        return;
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QString reason = m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    if (m_reply->error() != QNetworkReply::NoError) {
        finish(m_reply->errorString());
    } else if (status >= 300 && status <= 399) {
        const QUrl target =
            m_reply->url().resolved(m_reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl());
        finish(tr("The server answered HTTP %1 %2 and redirected to %3.")
                   .arg(QString::number(status), reason, target.toDisplayString()));
    } else if (!isSuccess(status)) {
        finish(tr("The server answered HTTP %1 %2.").arg(QString::number(status), reason));
    } else {
        finish(QString());
    }
}

void InstallerDownload::finish(const QString &failure)
{
    if (m_finishing)
        return;
    m_finishing = true;
    m_failure = failure;
    if (m_reply) {
        m_reply->disconnect(this);
        if (!m_reply->isFinished())
            m_reply->abort();
    }
    // The outcome waits until the network signal that got us here has returned.
    QTimer::singleShot(0, this, &InstallerDownload::complete);
}

void InstallerDownload::complete()
{
    QString failure = m_failure;
    if (m_file.isOpen()) {
        if (!m_file.flush() && failure.isEmpty())
            failure = tr("Cannot write file \"%1\". %2").arg(m_file.fileName(), m_file.errorString());
        m_file.close();
    }
    if (failure.isEmpty() && !QFileInfo::exists(m_file.fileName()))
        failure = tr("Cannot find downloaded file.");
    if (m_reply)
        m_reply->deleteLater();
    m_reply = nullptr;
    if (m_client)
        m_client->deleteLater();
    m_client = nullptr;
    emit finished(failure);
}

} // namespace morvane
