#pragma once

// A loopback HTTP(S) server with canned responses, run inside the test process.

#include "update/update_config.h"

#include <QFile>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace morvane {

struct CannedResponse {
    QByteArray head;          // status line and headers, with the closing blank line
    QList<QByteArray> pieces; // body pieces, the first sent at once, the rest one per interval
    int intervalMs = 0;
    bool silent = false;     // read the request, answer nothing, keep the line open
    bool closeAfter = false; // close the connection after the last piece
};

inline CannedResponse page(const QByteArray &body, const QByteArray &status = "200 OK")
{
    return {"HTTP/1.1 " + status + "\r\nContent-Type: text/html; charset=windows-1252\r\nContent-Length: "
                + QByteArray::number(body.size()) + "\r\n\r\n",
            {body}};
}

inline CannedResponse redirect(const QByteArray &location)
{
    const QByteArray body = "<html>moved</html>";
    return {"HTTP/1.1 302 Found\r\nLocation: " + location + "\r\nContent-Length: " + QByteArray::number(body.size())
                + "\r\n\r\n",
            {body}};
}

// A body sent in pieces with its length declared up front.
inline CannedResponse sized(const QList<QByteArray> &pieces, int intervalMs)
{
    qint64 total = 0;
    for (const QByteArray &p : pieces)
        total += p.size();
    return {"HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: " + QByteArray::number(total)
                + "\r\n\r\n",
            pieces, intervalMs};
}

inline CannedResponse chunked(const QList<QByteArray> &pieces, int intervalMs)
{
    CannedResponse r{"HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nTransfer-Encoding: chunked\r\n\r\n",
                     {},
                     intervalMs};
    for (const QByteArray &p : pieces)
        r.pieces << QByteArray::number(p.size(), 16) + "\r\n" + p + "\r\n";
    r.pieces.last() += "0\r\n\r\n";
    return r;
}

class CannedServer {
public:
    // TLS with the committed test certificate when tls is true, else plain HTTP.
    explicit CannedServer(bool tls) : m_tls(tls)
    {
        if (tls) {
            auto *server = new QSslServer;
            QSslConfiguration config = QSslConfiguration::defaultConfiguration();
            config.setLocalCertificate(loadCertificate("server.pem"));
            QFile keyFile(QStringLiteral(MORVANE_FIXTURES "/update/server.key"));
            keyFile.open(QIODevice::ReadOnly);
            config.setPrivateKey(QSslKey(keyFile.readAll(), QSsl::Rsa));
            config.setPeerVerifyMode(QSslSocket::VerifyNone);
            server->setSslConfiguration(config);
            m_server.reset(server);
        } else {
            m_server.reset(new QTcpServer);
        }
        QObject::connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, m_server.get(), [this] {
            while (QTcpSocket *socket = m_server->nextPendingConnection())
                serve(socket);
        });
        m_server->listen(QHostAddress::LocalHost);
    }

    // The sockets die with the server; they must not call back into a half-destroyed one.
    ~CannedServer()
    {
        for (QTcpSocket *socket : m_server->findChildren<QTcpSocket *>())
            socket->disconnect();
        m_server.reset();
    }

    static QSslCertificate loadCertificate(const char *name)
    {
        QFile file(QStringLiteral(MORVANE_FIXTURES "/update/") + QString::fromLatin1(name));
        file.open(QIODevice::ReadOnly);
        return QSslCertificate(file.readAll(), QSsl::Pem);
    }

    void route(const QByteArray &path, const CannedResponse &response) { m_routes.insert(path, response); }

    QUrl base() const
    {
        return QUrl(QStringLiteral("%1://127.0.0.1:%2").arg(m_tls ? "https" : "http").arg(m_server->serverPort()));
    }

    // An endpoint that talks to this server, trusts the test CA and stores into folder.
    UpdateEndpoint endpoint(const QString &folder = QString()) const
    {
        UpdateEndpoint e;
        e.baseUrl = base();
        e.homePage = QUrl(QStringLiteral("https://home.test/"));
        e.ssl.addCaCertificate(loadCertificate("ca.pem"));
        e.tempFolder = folder;
        return e;
    }

    QList<QByteArray> requests; // request heads in arrival order

    // TLS where the Qt build can do it; plain HTTP otherwise, said once.
    static bool tlsAvailable()
    {
        static const bool available = [] {
            const bool ok = QSslSocket::supportsSsl();
            if (!ok)
                qWarning("No TLS backend: the update server tests run over plain HTTP.");
            return ok;
        }();
        return available;
    }

private:
    void serve(QTcpSocket *socket)
    {
        QObject::connect(socket, &QTcpSocket::disconnected, socket, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            m_buffers[socket] += socket->readAll();
            QByteArray &buffer = m_buffers[socket];
            qsizetype end;
            while ((end = buffer.indexOf("\r\n\r\n")) >= 0) {
                const QByteArray head = buffer.left(end + 4);
                buffer.remove(0, end + 4);
                requests << head;
                const QByteArray path = head.split(' ').value(1);
                respond(socket, m_routes.value(path, page("<html>not here</html>", "404 Not Found")));
            }
        });
    }

    void respond(QTcpSocket *socket, const CannedResponse &response)
    {
        if (response.silent)
            return;
        socket->write(response.head);
        if (response.pieces.isEmpty()) {
            finish(socket, response);
            return;
        }
        socket->write(response.pieces.first());
        if (response.pieces.size() == 1) {
            finish(socket, response);
            return;
        }
        auto *timer = new QTimer(socket);
        auto next = std::make_shared<int>(1);
        QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, next, response] {
            socket->write(response.pieces.at((*next)++));
            if (*next == response.pieces.size()) {
                timer->stop();
                if (response.closeAfter)
                    socket->disconnectFromHost();
            }
        });
        timer->start(response.intervalMs);
    }

    static void finish(QTcpSocket *socket, const CannedResponse &response)
    {
        if (response.closeAfter)
            socket->disconnectFromHost();
    }

    bool m_tls;
    std::unique_ptr<QTcpServer> m_server;
    QHash<QByteArray, CannedResponse> m_routes;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};

} // namespace morvane
