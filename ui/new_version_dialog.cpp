#include "ui/new_version_dialog.h"

#include "update/installer_download.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace morvane {

namespace {

const char kFailedPrefix[] = "Failed to download update. Please download manually on website.";

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

    m_iconLabel = new QLabel(this);
    m_iconLabel->setObjectName(QStringLiteral("VirtualImage1"));
    m_iconLabel->setFixedSize(70, 75);
    m_iconLabel->setPixmap(updateIcon(QSize(70, 75), devicePixelRatioF()));

    m_messageLabel = new QLabel(this);
    m_messageLabel->setObjectName(QStringLiteral("Label1"));
    // The server's text is shown as it is: no markup, no links.
    m_messageLabel->setTextFormat(Qt::PlainText);
    m_messageLabel->setWordWrap(true);
    m_messageLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_messageLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long list of changes scrolls instead of being cut off.
    auto *messageArea = new QScrollArea(this);
    messageArea->setFrameShape(QFrame::NoFrame);
    messageArea->setWidgetResizable(true);
    messageArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    messageArea->setWidget(m_messageLabel);

    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_progressBar->setFixedHeight(17);
    m_progressBar->hide();

    m_updateNowButton = new QPushButton(tr("Update Now"), this);
    m_updateNowButton->setObjectName(QStringLiteral("btUpdateNow"));
    m_cancelButton = new QPushButton(this);
    m_cancelButton->setObjectName(QStringLiteral("btCancel"));
    for (QPushButton *button : {m_updateNowButton, m_cancelButton})
        button->setMinimumSize(90, 25);
    setTabOrder(m_updateNowButton, m_cancelButton);

    auto *top = new QHBoxLayout;
    top->setSpacing(12);
    top->addWidget(m_iconLabel, 0, Qt::AlignTop);
    top->addWidget(messageArea, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_updateNowButton);
    buttons->addWidget(m_cancelButton);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(8, 8, 8, 8);
    root->setSpacing(8);
    root->addLayout(top, 1);
    root->addWidget(m_progressBar);
    root->addLayout(buttons);

    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(QSize(421, 184).expandedTo(minimumSizeHint()));

    connect(m_updateNowButton, &QPushButton::clicked, this, &NewVersionDialog::startDownload);
    connect(m_cancelButton, &QPushButton::clicked, this, &NewVersionDialog::skipOrAbort);
}

NewVersionDialog::~NewVersionDialog() = default;

void NewVersionDialog::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        showOffer();
    QDialog::showEvent(event);
}

void NewVersionDialog::showOffer()
{
    m_continueMark = 1;
    setWindowTitle(QStringLiteral(" ") + QString::fromLatin1(kUpdateApplicationTitle));
    m_updateNowButton->setText(tr("Update Now"));
    m_cancelButton->setText(m_state.mustExit ? tr("Exit") : tr("Skip"));
    m_messageLabel->setText(forDisplay(m_state.updateMessage));
}

void NewVersionDialog::done(int result)
{
    // Closing while the installer arrives would hide the only Abort button.
    if (m_downloading)
        return;
    if (m_state.mustExit)
        m_continueMark = 0;
    QDialog::done(result);
}

void NewVersionDialog::skipOrAbort()
{
    if (m_downloading) {
        m_state.downloadCancelled = true;
        // Stop at once: a stalled server would never send the next progress report.
        m_download->cancel();
        return;
    }
    reject();
}

void NewVersionDialog::startDownload()
{
    if (m_downloading || m_downloadDone)
        return;
    // From here on closing the dialog ends the program, whatever the download does.
    m_state.mustExit = true;
    m_state.downloadCancelled = false;
    m_downloading = true;

    m_cancelButton->setText(tr("Abort"));
    m_updateNowButton->setEnabled(false);
    m_progressBar->setValue(0);
    m_progressBar->show();
    m_progressBar->repaint();

    m_download = new InstallerDownload(m_endpoint, this);
    connect(m_download, &InstallerDownload::progressed, this, &NewVersionDialog::showProgress);
    connect(m_download, &InstallerDownload::finished, this, &NewVersionDialog::downloadFinished);
    m_download->start();
}

void NewVersionDialog::showProgress(int percent)
{
    if (m_state.downloadCancelled) {
        m_download->cancel();
        return;
    }
    m_progressBar->setValue(percent);
    m_progressBar->repaint();
}

void NewVersionDialog::downloadFinished(const QString &failure)
{
    if (failure.isEmpty())
        m_shell.openUrl(QUrl::fromLocalFile(m_download->filePath()));
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
        mark = dialog.continueMark();
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
