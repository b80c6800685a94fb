#include "tests/update/canned_server.h"
#include "ui/new_version_dialog.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace morvane;

namespace {

// Answers the dialog's error box and records what would have been opened.
class ScriptedShell : public UpdateShell {
public:
    void showError(QWidget *, const QString &text) override { events << "error:" + text; }
    void openUrl(const QUrl &url) override { events << "open:" + url.toString(); }
    QStringList events;
};

const QString kFailed = "error:Failed to download update. Please download manually on website.\r\n\r\n";

QByteArray filler(int size, char seed)
{
    QByteArray data(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        data[i] = char(seed + i % 97);
    return data;
}

QList<QByteArray> makePieces(int count, int size)
{
    QList<QByteArray> pieces;
    for (int i = 0; i < count; ++i)
        pieces << filler(size, char('A' + i));
    return pieces;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestNewVersionDialog : public QObject {
    Q_OBJECT

private slots:
    void init();
    void showsOffer_data();
    void showsOffer();
    void closesWithoutDownload_data();
    void closesWithoutDownload();
    void downloadsWithLength();
    void abortMidTransfer();
    void abortWhileServerStalls();
    void failedDownloadShowsErrorAndHomePage();
    void startupVerdict_data();
    void startupVerdict();

private:
    std::unique_ptr<QTemporaryDir> m_temp;
};

void TestNewVersionDialog::init()
{
    m_temp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_temp->isValid());
}

void TestNewVersionDialog::showsOffer_data()
{
    QTest::addColumn<bool>("mustExit");
    QTest::addColumn<QString>("cancelCaption");
    // clang-format off
    QTest::newRow("optional") << false << "Skip";
    QTest::newRow("mandatory") << true << "Exit";
    // clang-format on
}

void TestNewVersionDialog::showsOffer()
{
    QFETCH(bool, mustExit);
    UpdateState state;
    state.mustExit = mustExit;
    state.updateMessage = "The new version 1.1 is available\r\n\r\nWhat's new:\r\n<b>not bold</b>\r\n";
    ScriptedShell shell;
    NewVersionDialog dialog(state, UpdateEndpoint{}, shell);
    QCOMPARE(dialog.continueMark(), 0);
    dialog.show();

    QCOMPARE(dialog.continueMark(), 1);
    QCOMPARE(dialog.windowTitle(), QStringLiteral(" Morvane"));
    QCOMPARE(dialog.updateNowButton()->text(), QStringLiteral("Update Now"));
    QTEST(dialog.cancelButton()->text(), "cancelCaption");
    QCOMPARE(dialog.messageLabel()->text(),
             QStringLiteral("The new version 1.1 is available\n\nWhat's new:\n<b>not bold</b>\n"));
    QCOMPARE(dialog.messageLabel()->textFormat(), Qt::PlainText);
    QVERIFY(dialog.progressBar()->isHidden());
    QVERIFY(dialog.updateNowButton()->isEnabled());
    QCOMPARE(dialog.size(), QSize(421, 184));
}

void TestNewVersionDialog::closesWithoutDownload_data()
{
    QTest::addColumn<bool>("mustExit");
    QTest::addColumn<bool>("closeBox");
    QTest::addColumn<int>("mark");
    // clang-format off
    QTest::newRow("Skip") << false << false << 1;
    QTest::newRow("optional, close box") << false << true << 1;
    QTest::newRow("Exit") << true << false << 0;
    QTest::newRow("mandatory, close box") << true << true << 0;
    // clang-format on
}

void TestNewVersionDialog::closesWithoutDownload()
{
    QFETCH(bool, mustExit);
    QFETCH(bool, closeBox);
    UpdateState state;
    state.mustExit = mustExit;
    ScriptedShell shell;
    UpdateEndpoint endpoint;
    endpoint.tempFolder = m_temp->path();
    NewVersionDialog dialog(state, endpoint, shell);
    dialog.show();

    if (closeBox)
        dialog.close();
    else
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);

    QVERIFY(!dialog.isVisible());
    QTEST(dialog.continueMark(), "mark");
    QCOMPARE(state.mustExit, mustExit);
    QVERIFY(shell.events.isEmpty());
    QVERIFY(QDir(m_temp->path()).isEmpty());
}

void TestNewVersionDialog::downloadsWithLength()
{
    CannedServer server(CannedServer::tlsAvailable());
    // Qt reports progress at most every 100 ms; slow pieces give several steps.
    const QList<QByteArray> pieces = makePieces(10, 32 * 1024);
    server.route(kInstallerPath, sized(pieces, 60));
    const QString path = m_temp->filePath("qzl_update.exe");
    {
        // An older, longer installer of ours is replaced, not overwritten in part.
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(400 * 1024, 'x'));
    }

    UpdateState state;
    ScriptedShell shell;
    NewVersionDialog dialog(state, server.endpoint(m_temp->path()), shell);
    dialog.show();
    QSignalSpy progress(dialog.progressBar(), &QProgressBar::valueChanged);
    QSignalSpy finished(&dialog, &QDialog::finished);

    QTest::mouseClick(dialog.updateNowButton(), Qt::LeftButton);
    QVERIFY(state.mustExit);
    QCOMPARE(dialog.cancelButton()->text(), QStringLiteral("Abort"));
    QVERIFY(!dialog.updateNowButton()->isEnabled());
    QVERIFY(dialog.progressBar()->isVisible());
    QVERIFY(finished.wait(10000));

    QList<int> values;
    for (const QList<QVariant> &args : progress)
        values << args.at(0).toInt();
    QVERIFY2(values.size() >= 3, qPrintable(QString("too few steps: %1").arg(values.size())));
    QVERIFY(std::is_sorted(values.begin(), values.end()));
    QVERIFY(values.first() > 0 && values.first() < 100);
    QCOMPARE(values.last(), 100);

    QCOMPARE(readFile(path), pieces.join());
    QCOMPARE(
        QFile::permissions(path)
            & (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther),
        QFileDevice::Permissions());
    QCOMPARE(shell.events, QStringList{"open:" + QUrl::fromLocalFile(path).toString()});
    QCOMPARE(dialog.continueMark(), 0);
    QVERIFY(!dialog.updateNowButton()->isEnabled());
    QVERIFY(server.requests.first().contains("\r\nUser-Agent: Mozilla/4.0 (compatible; MyApp)\r\n"));
}

void TestNewVersionDialog::abortMidTransfer()
{
    CannedServer server(CannedServer::tlsAvailable());
    const QList<QByteArray> pieces = makePieces(100, 16 * 1024);
    server.route(kInstallerPath, sized(pieces, 50));

    UpdateState state;
    ScriptedShell shell;
    NewVersionDialog dialog(state, server.endpoint(m_temp->path()), shell);
    dialog.show();
    QSignalSpy finished(&dialog, &QDialog::finished);
    QTest::mouseClick(dialog.updateNowButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(dialog.progressBar()->value() > 0, 10000);

    // Neither the close box nor a second "Update Now" interrupts the transfer.
    dialog.close();
    QVERIFY(dialog.isVisible());
    QTest::mouseClick(dialog.updateNowButton(), Qt::LeftButton);
    QCOMPARE(server.requests.size(), 1);

    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    QVERIFY(state.downloadCancelled);
    QVERIFY(finished.wait(5000));

    QCOMPARE(shell.events,
             (QStringList{kFailed + "Download is cancelled. Please download manually.", "open:https://home.test/"}));
    const qint64 kept = QFileInfo(m_temp->filePath("qzl_update.exe")).size();
    QVERIFY2(kept > 0 && kept < 100 * 16 * 1024, qPrintable(QString::number(kept)));
    QCOMPARE(dialog.continueMark(), 0);
    QVERIFY(!dialog.isVisible());
}

void TestNewVersionDialog::abortWhileServerStalls()
{
    CannedServer server(CannedServer::tlsAvailable());
    CannedResponse stalled{"HTTP/1.1 200 OK\r\nContent-Length: 1000000\r\n\r\n", {"MZ"}};
    server.route(kInstallerPath, stalled);

    UpdateState state;
    ScriptedShell shell;
    NewVersionDialog dialog(state, server.endpoint(m_temp->path()), shell);
    dialog.show();
    QSignalSpy finished(&dialog, &QDialog::finished);
    QTest::mouseClick(dialog.updateNowButton(), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(server.requests.size(), 1, 5000);
    QTest::qWait(200);
    QVERIFY(finished.isEmpty());

    QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
    QVERIFY(finished.wait(2000));
    QCOMPARE(shell.events.value(0), kFailed + "Download is cancelled. Please download manually.");
    QCOMPARE(dialog.continueMark(), 0);
}

void TestNewVersionDialog::failedDownloadShowsErrorAndHomePage()
{
    CannedServer server(CannedServer::tlsAvailable());
    UpdateState state;
    ScriptedShell shell;
    NewVersionDialog dialog(state, server.endpoint(m_temp->path()), shell);
    dialog.show();
    QSignalSpy finished(&dialog, &QDialog::finished);
    QTest::mouseClick(dialog.updateNowButton(), Qt::LeftButton);
    QVERIFY(finished.wait(10000));

    QCOMPARE(shell.events.size(), 2);
    QVERIFY2(shell.events.at(0).startsWith(kFailed) && shell.events.at(0).contains("Not Found"),
             qPrintable(shell.events.at(0)));
    QCOMPARE(shell.events.at(1), QStringLiteral("open:https://home.test/"));
    QCOMPARE(dialog.continueMark(), 0);
    QVERIFY(!dialog.isVisible());
}

void TestNewVersionDialog::startupVerdict_data()
{
    QTest::addColumn<QByteArray>("versionPage");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("ends");
    QTest::addColumn<bool>("installerStarted");
    // clang-format off
    QTest::newRow("no newer version") << QByteArray("10/10") << QString() << false << false;
    QTest::newRow("optional, Skip") << QByteArray("11/10") << "btCancel" << false << false;
    QTest::newRow("optional, Update Now") << QByteArray("11/10") << "btUpdateNow" << true << true;
    QTest::newRow("mandatory, Exit") << QByteArray("11/11") << "btCancel" << true << false;
    // clang-format on
}

void TestNewVersionDialog::startupVerdict()
{
    QFETCH(QByteArray, versionPage);
    QFETCH(QString, button);

    CannedServer server(CannedServer::tlsAvailable());
    server.route(kVersionPagePath, page(versionPage));
    server.route(kChangesPagePath, page("Better"));
    server.route(kInstallerPath, sized({"MZ installer"}, 0));
    ScriptedShell shell;

    // Clicks the named button of the modal dialog once it is up.
    QTimer clicker;
    bool clicked = false;
    connect(&clicker, &QTimer::timeout, this, [&] {
        auto *dialog = qobject_cast<NewVersionDialog *>(QApplication::activeModalWidget());
        if (!dialog || clicked)
            return;
        clicked = true;
        QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
    });
    clicker.start(10);

    const StartupVerdict verdict = checkForUpdateAtStartup(server.endpoint(m_temp->path()), shell);
    QCOMPARE(clicked, !button.isEmpty());
    QTEST(verdict == StartupVerdict::Exit, "ends");
    QTEST(shell.events.size() == 1 && shell.events.first().startsWith("open:file:"), "installerStarted");
    QVERIFY(QApplication::quitOnLastWindowClosed());
}

QTEST_MAIN(TestNewVersionDialog)
#include "test_new_version_dialog.moc"
