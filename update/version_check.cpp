#include "update/version_check.h"

#include "engine/number_text.h"
#include "engine/text_file.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <limits>
#include <memory>

namespace morvane {

namespace {

// GETs one page, following redirects; nothing on any failure.
std::optional<QByteArray> fetchPage(QNetworkAccessManager &client, const UpdateEndpoint &endpoint, const char *path)
{
    QNetworkRequest request = makeUpdateRequest(endpoint, path);
    // Never from HTTPS down to plain HTTP: the page decides what we offer to start.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(10);
    request.setTransferTimeout(endpoint.pageReadTimeoutMs);

    std::unique_ptr<QNetworkReply> reply(client.get(request));
    if (!reply->isFinished()) {
        QEventLoop loop;
        QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
        // No window exists yet; user input has nowhere to go but must not run handlers early.
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (reply->error() != QNetworkReply::NoError)
        return std::nullopt;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status < 200 || status > 299)
        return std::nullopt;
    return reply->readAll();
}

} // namespace

std::optional<QStringList> decodePageLines(const QByteArray &body)
{
    const std::optional<QString> text = decodeTextFile(body);
    if (!text)
        return std::nullopt;
    return splitTextLines(*text);
}

std::optional<int> parseVersionNumber(const QString &text)
{
    bool negative = false;
    const qsizetype start = skipSpacesAndSign(text, &negative);
    const quint64 limit = quint64(std::numeric_limits<int>::max()) + 1;
    const DigitRun digits = scanDigits(text, start, 10, limit);
    if (digits.end == start || digits.end != text.size() || digits.tooBig)
        return std::nullopt;
    const qint64 value = negative ? -qint64(digits.value) : qint64(digits.value);
    if (value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

std::optional<VersionLine> parseVersionLine(const QString &line)
{
    const qsizetype slash = line.indexOf(u'/');
    if (slash < 0)
        return std::nullopt;
    const QString latestText = line.left(slash);
    const auto latest = parseVersionNumber(latestText);
    const auto required = parseVersionNumber(line.mid(slash + 1));
    if (!latest || !required)
        return std::nullopt;
    VersionLine result;
    result.latest = *latest;
    result.required = *required;
    result.versionText = latestText;
    result.versionText.insert(latestText.size() - 1, u'.');
    return result;
}

bool evaluateVersionPages(UpdateState &state, const QStringList &versionLines, const QStringList &changesLines)
{
    if (versionLines.isEmpty())
        return false;
    const auto version = parseVersionLine(versionLines.first());
    if (!version)
        return false;

    QString headline;
    if (version->required > kBuiltInVersion) {
        state.mustExit = true;
        headline = QCoreApplication::translate("Update",
                                               "This version of the software is out of date. You must download the "
                                               "current version %1 to continue using the software.")
                       .arg(version->versionText);
    } else if (version->latest > kBuiltInVersion) {
        headline = QCoreApplication::translate("Update", "The new version %1 is available").arg(version->versionText);
    } else {
        return false;
    }

    QString message = headline + QStringLiteral("\r\n\r\n") + QCoreApplication::translate("Update", "What's new:")
        + QStringLiteral("\r\n");
    for (const QString &line : changesLines) {
        if (!line.isEmpty())
            message += line + QStringLiteral("\r\n");
    }
    state.updateMessage = message;
    return true;
}

QNetworkRequest makeUpdateRequest(const UpdateEndpoint &endpoint, const char *path)
{
    QNetworkRequest request(endpoint.urlFor(path));
    request.setHeader(QNetworkRequest::UserAgentHeader, QString::fromLatin1(kUpdateUserAgent));
    request.setSslConfiguration(endpoint.ssl);
    // Plain HTTP/1.1, so a response's length and transfer encoding mean what they say.
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    return request;
}

bool checkNewVersion(UpdateState &state, const UpdateEndpoint &endpoint)
{
    QStringList versionLines;
    QStringList changesLines;
    {
        // One client for both pages; leaving this block closes its connections.
        QNetworkAccessManager client;
        const auto versionBody = fetchPage(client, endpoint, kVersionPagePath);
        if (!versionBody)
            return false;
        const auto decodedVersion = decodePageLines(*versionBody);
        if (!decodedVersion || decodedVersion->isEmpty())
            return false;
        versionLines = *decodedVersion;

        const auto changesBody = fetchPage(client, endpoint, kChangesPagePath);
        if (!changesBody)
            return false;
        const auto decodedChanges = decodePageLines(*changesBody);
        if (!decodedChanges)
            return false;
        changesLines = *decodedChanges;
    }
    return evaluateVersionPages(state, versionLines, changesLines);
}

} // namespace morvane
