#pragma once

#include "update/update_config.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class QNetworkRequest;

namespace morvane {

// A page body as lines: strict UTF-8 (an optional byte-order mark is
// skipped), split at CR LF, LF or CR. Nothing when the bytes are not UTF-8.
std::optional<QStringList> decodePageLines(const QByteArray &body);

// The integer reading of a version number: leading spaces and a sign, then
// digits and nothing else.
std::optional<int> parseVersionNumber(const QString &text);

struct VersionLine {
    int latest = 0;
    int required = 0;
    QString versionText; // "11" -> "1.1", "9" -> ".9"
};
// The first line of the version page, "latest/required".
std::optional<VersionLine> parseVersionLine(const QString &line);

// Decides from the two pages; on true sets updateMessage (and mustExit for a
// mandatory update), on false leaves the state alone.
bool evaluateVersionPages(UpdateState &state, const QStringList &versionLines, const QStringList &changesLines);

// A request to the update server with our User-Agent and TLS settings.
QNetworkRequest makeUpdateRequest(const UpdateEndpoint &endpoint, const char *path);

// Asks the update server whether a newer version exists. Blocks until both
// pages arrived or failed; every failure is silent and yields false.
bool checkNewVersion(UpdateState &state, const UpdateEndpoint &endpoint);

} // namespace morvane
