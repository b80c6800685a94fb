#include "tests/update/canned_server.h"
#include "update/installer_download.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace morvane;

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<QByteArray> makePieces(int count, int size)
{
    QList<QByteArray> pieces;
    for (int i = 0; i < count; ++i)
        pieces << QByteArray(size, char('A' + i));
    return pieces;
}

// Runs the download to its end; the failure text, or "" on success.
QString runToEnd(InstallerDownload &download)
{
    QSignalSpy finished(&download, &InstallerDownload::finished);
    download.start();
    if (!finished.wait(10000))
        return QStringLiteral("(no end)");
    QTest::qWait(20);
    return finished.size() == 1 ? finished.first().first().toString() : QStringLiteral("(ended twice)");
}

} // namespace

class TestInstallerDownload : public QObject {
    Q_OBJECT

private slots:
    void init();
    void wholeBodyWithProgressOnlyForDeclaredLength_data();
    void wholeBodyWithProgressOnlyForDeclaredLength();
    void failures_data();
    void failures();

private:
    std::unique_ptr<QTemporaryDir> m_temp;
};

void TestInstallerDownload::init()
{
    m_temp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_temp->isValid());
}

void TestInstallerDownload::wholeBodyWithProgressOnlyForDeclaredLength_data()
{
    QTest::addColumn<bool>("declared");
    QTest::newRow("Content-Length") << true;
    QTest::newRow("chunked") << false;
}

void TestInstallerDownload::wholeBodyWithProgressOnlyForDeclaredLength()
{
    QFETCH(bool, declared);
    CannedServer server(CannedServer::tlsAvailable());
    // Qt reports progress at most every 100 ms; slow pieces give several steps.
    const QList<QByteArray> pieces = makePieces(6, 32 * 1024);
    server.route(kInstallerPath, declared ? sized(pieces, 60) : chunked(pieces, 60));
    InstallerDownload download(server.endpoint(m_temp->path()));
    QSignalSpy progress(&download, &InstallerDownload::progressed);

    QCOMPARE(runToEnd(download), QString());
    QCOMPARE(download.filePath(), m_temp->filePath("qzl_update.exe"));
    QCOMPARE(readFile(download.filePath()), pieces.join());
    if (declared) {
        QVERIFY(progress.size() >= 2);
        QCOMPARE(progress.last().first().toInt(), 100);
    } else {
        QVERIFY(progress.isEmpty());
    }
}

void TestInstallerDownload::failures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("expected");
    QTest::newRow("404") << "404"
                         << "server replied: Not Found";
    QTest::newRow("redirect") << "redirect"
                              << "The server answered HTTP 302 Found and redirected to http";
    QTest::newRow("file cannot be created") << "no folder"
                                            << "Cannot create file \"";
    if (CannedServer::tlsAvailable())
        QTest::newRow("untrusted certificate") << "untrusted"
                                               << "";
}

void TestInstallerDownload::failures()
{
    QFETCH(QString, kind);
    QFETCH(QString, expected);

    CannedServer server(kind == "untrusted" || CannedServer::tlsAvailable());
    server.route("/elsewhere/mvx.exe", sized({"MZ"}, 0));
    if (kind == "redirect")
        server.route(kInstallerPath, redirect("/elsewhere/mvx.exe"));
    UpdateEndpoint endpoint = server.endpoint(m_temp->path());
    if (kind == "no folder")
        endpoint.tempFolder = m_temp->filePath("missing");
    if (kind == "untrusted")
        endpoint.ssl = QSslConfiguration::defaultConfiguration();

    InstallerDownload download(endpoint);
    const QString failure = runToEnd(download);
    QVERIFY2(!failure.isEmpty() && failure.contains(expected), qPrintable(failure));
    // Whatever the server sent instead of the installer is not kept as one.
    QCOMPARE(readFile(m_temp->filePath("qzl_update.exe")), QByteArray());
    for (const QByteArray &head : server.requests)
        QVERIFY(!head.contains("/elsewhere/"));
}

QTEST_GUILESS_MAIN(TestInstallerDownload)
#include "test_installer_download.moc"
