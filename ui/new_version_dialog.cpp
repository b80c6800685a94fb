#include "ui/new_version_dialog.h"

#include <QCoreApplication>

#include "update/version_check.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QSvgRenderer>
#include <QTimer>
#include <QVBoxLayout>

namespace morvane {

namespace {

const char kFailedPrefix[] = "Failed to download update. Please download manually on website.";
const char kCancelledText[] = "Download is cancelled. Please download manually.";

const char kUpdateIconSvg[] = R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 70 75">
  <circle cx="35" cy="37.5" r="32" fill="#2f6fb3"/>
  <circle cx="35" cy="37.5" r="27" fill="none" stroke="#5a93d0" stroke-width="2"/>
  <path d="M35 17 V46 M23 35 L35 47 L47 35" fill="none" stroke="#ffffff" stroke-width="6"
        stroke-linecap="round" stroke-linejoin="round"/>
  <path d="M22 56 H48" fill="none" stroke="#ffffff" stroke-width="6" stroke-linecap="round"/>
</svg>)svg";

QPixmap updateIcon(const QSize &size, qreal dpr)
{
    QPixmap pixmap(size * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer{QByteArray(kUpdateIconSvg)};
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

// The texts we build carry CR LF; a label or box wants plain line feeds.
QString forDisplay(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

bool isSuccess(int status)
{
    return status >= 200 && status <= 299;
}

} // namespace

void QtUpdateShell::showError(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("morvane::MainWindow", "Error"),
                    forDisplay(text), QMessageBox::Ok, parent);
    box.exec();
}

void QtUpdateShell::openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

NewVersionDialog::NewVersionDialog(UpdateState &state, const UpdateEndpoint &endpoint, UpdateShell &shell,
                                   QWidget *parent)
    : QDialog(parent), m_state(state), m_endpoint(endpoint), m_shell(shell)
{
    setObjectName(QStringLiteral("frmNewVersion"));

    VirtualImage1 = new QLabel(this);
    VirtualImage1->setObjectName(QStringLiteral("VirtualImage1"));
    VirtualImage1->setFixedSize(70, 75);
    VirtualImage1->setPixmap(updateIcon(QSize(70, 75), devicePixelRatioF()));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    // The server's text is shown as it is: no markup, no links.
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long list of changes scrolls instead of being cut off.
    auto *messageArea = new QScrollArea(this);
    messageArea->setFrameShape(QFrame::NoFrame);
    messageArea->setWidgetResizable(true);
    messageArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    messageArea->setWidget(Label1);

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setFixedHeight(17);
    ProgressBar1->hide();

    btUpdateNow = new QPushButton(tr("Update Now"), this);
    btUpdateNow->setObjectName(QStringLiteral("btUpdateNow"));
    btCancel = new QPushButton(this);
    btCancel->setObjectName(QStringLiteral("btCancel"));
    for (QPushButton *button : {btUpdateNow, btCancel})
        button->setMinimumSize(90, 25);
    setTabOrder(btUpdateNow, btCancel);

    auto *top = new QHBoxLayout;
    top->setSpacing(12);
    top->addWidget(VirtualImage1, 0, Qt::AlignTop);
    top->addWidget(messageArea, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btUpdateNow);
    buttons->addWidget(btCancel);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(8, 8, 8, 8);
    root->setSpacing(8);
    root->addLayout(top, 1);
    root->addWidget(ProgressBar1);
    root->addLayout(buttons);

    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(QSize(421, 184).expandedTo(minimumSizeHint()));

    connect(btUpdateNow, &QPushButton::clicked, this, &NewVersionDialog::btUpdateNowClick);
    connect(btCancel, &QPushButton::clicked, this, &NewVersionDialog::btCancelClick);
}

NewVersionDialog::~NewVersionDialog()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
}

void NewVersionDialog::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        formShow();
    QDialog::showEvent(event);
}

void NewVersionDialog::formShow()
{
    tag = 1;
    setWindowTitle(QStringLiteral(" ") + QString::fromLatin1(kUpdateApplicationTitle));
    btUpdateNow->setText(tr("Update Now"));
    btCancel->setText(m_state.mustExit ? tr("Exit") : tr("Skip"));
    Label1->setText(forDisplay(m_state.updateMessage));
}

void NewVersionDialog::formClose()
{
    if (m_state.mustExit)
        tag = 0;
}

void NewVersionDialog::done(int result)
{
    // Closing while the installer arrives would hide the only Abort button.
    if (m_downloading)
        return;
    formClose();
    QDialog::done(result);
}

void NewVersionDialog::btCancelClick()
{
    if (m_downloading) {
        m_state.downloadCancelled = true;
        // Stop at once: a stalled server would never send the next progress report.
        finishDownload(QString::fromLatin1(kCancelledText));
        return;
    }
    reject();
}

void NewVersionDialog::btUpdateNowClick()
{
    if (m_downloading || m_downloadDone)
        return;
    // From here on closing the dialog ends the program, whatever the download does.
    m_state.mustExit = true;
    m_state.downloadCancelled = false;
    m_downloading = true;

    btCancel->setText(tr("Abort"));
    btUpdateNow->setEnabled(false);
    ProgressBar1->setValue(0);
    ProgressBar1->show();
    ProgressBar1->repaint();

    // A fixed name in a shared folder: drop an older file of ours and create the
    // new one afresh, so we never write through a file or link someone else left.
    const QString path = m_endpoint.installerFilePath();
    QFile::remove(path);
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        finishDownload(tr("Cannot create file \"%1\". %2").arg(path, m_file.errorString()));
        return;
    }

    m_client = new QNetworkAccessManager(this);
    QNetworkRequest request = makeUpdateRequest(m_endpoint, kInstallerPath);
    // The installer comes from this address or not at all.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    m_reply = m_client->get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &NewVersionDialog::writeReceived);
    connect(m_reply, &QNetworkReply::downloadProgress, this,
            [this](qint64 received, qint64) { downloadWork(m_reply, received); });
    connect(m_reply, &QNetworkReply::finished, this, &NewVersionDialog::replyFinished);
}

void NewVersionDialog::downloadWork(QNetworkReply *ASender, qint64 AWorkCount)
{
    if (m_state.downloadCancelled) {
        finishDownload(QString::fromLatin1(kCancelledText));
        return;
    }
    if (!ASender)
        return;
    const qint64 length = ASender->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    const QByteArray encoding = ASender->rawHeader("Transfer-Encoding").toLower();
    if (!encoding.contains("chunked") && length > 0) {
        ProgressBar1->setValue(int(qBound<qint64>(0, AWorkCount * 100 / length, qint64(100))));
        ProgressBar1->repaint();
    }
}

void NewVersionDialog::writeReceived()
{
    if (!m_reply || m_finishing)
        return;
    const QByteArray data = m_reply->readAll();
    // A redirect or error page is not the installer; only a success body goes to the file.
    if (!isSuccess(m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt()))
        return;
    if (m_file.write(data) != data.size())
        finishDownload(tr("Cannot write file \"%1\". %2").arg(m_file.fileName(), m_file.errorString()));
}

void NewVersionDialog::replyFinished()
{
    if (!m_reply || m_finishing)
        return;
    writeReceived();
    if (m_finishing)
        return;
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QString reason = m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    if (m_reply->error() != QNetworkReply::NoError) {
        finishDownload(m_reply->errorString());
    } else if (status >= 300 && status <= 399) {
        const QUrl target =
            m_reply->url().resolved(m_reply->attribute(QNetworkRequest::RedirectionTargetAttribute).toUrl());
        finishDownload(tr("The server answered HTTP %1 %2 and redirected to %3.")
                           .arg(QString::number(status), reason, target.toDisplayString()));
    } else if (!isSuccess(status)) {
        finishDownload(tr("The server answered HTTP %1 %2.").arg(QString::number(status), reason));
    } else {
        finishDownload(QString());
    }
}

void NewVersionDialog::finishDownload(const QString &failure)
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
    // Boxes and closing wait until the network signal that got us here has returned.
    QTimer::singleShot(0, this, &NewVersionDialog::completeDownload);
}

void NewVersionDialog::completeDownload()
{
    QString failure = m_failure;
    if (m_file.isOpen()) {
        if (!m_file.flush() && failure.isEmpty())
            failure = tr("Cannot write file \"%1\". %2").arg(m_file.fileName(), m_file.errorString());
        m_file.close();
    }
    if (failure.isEmpty() && !QFileInfo::exists(m_file.fileName()))
        failure = tr("Cannot find downloaded file.");
    if (failure.isEmpty())
        m_shell.openUrl(QUrl::fromLocalFile(m_file.fileName()));

    if (m_reply)
        m_reply->deleteLater();
    m_reply = nullptr;
    if (m_client)
        m_client->deleteLater();
    m_client = nullptr;
    m_downloading = false;
    m_downloadDone = true;

    if (!failure.isEmpty()) {
        m_shell.showError(this, QString::fromLatin1(kFailedPrefix) + QStringLiteral("\r\n\r\n") + failure);
        m_shell.openUrl(m_endpoint.homePage);
    }
    reject();
}

StartupVerdict promptNewVersion(UpdateState &state, const UpdateEndpoint &endpoint, UpdateShell &shell)
{
    // The dialog is the only window so far; closing it must not end the
    // application before the main window exists.
    const bool quitOnLastClosed = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    int mark = 1;
    {
        NewVersionDialog dialog(state, endpoint, shell);
        dialog.exec();
        mark = dialog.tag;
    }
    QGuiApplication::setQuitOnLastWindowClosed(quitOnLastClosed);
    return mark == 0 ? StartupVerdict::Exit : StartupVerdict::Continue;
}

StartupVerdict checkForUpdateAtStartup(const UpdateEndpoint &endpoint, UpdateShell &shell)
{
    return runStartupVersionCheck(endpoint, [&shell](UpdateState &state, const UpdateEndpoint &at) {
        return promptNewVersion(state, at, shell);
    });
}

} // namespace morvane
