#pragma once

#include "build_config.h"

#include <QSslConfiguration>
#include <QString>
#include <QUrl>

namespace morvane {

// The running version as the update server counts it: 10 is "1.0".
inline constexpr int kBuiltInVersion = MORVANE_VERSION_NUMBER;

inline constexpr char kUpdateApplicationTitle[] = "Morvane";

// The maker's update server; HTTPS so that nobody on the way can swap the
// installer we are about to start.
inline constexpr char kUpdateServerBase[] = MORVANE_UPDATE_SERVER;
inline constexpr char kHomePageAddress[] = MORVANE_HOME_PAGE;

inline constexpr char kUpdateUserAgent[] = "Mozilla/4.0 (compatible; MyApp)";
inline constexpr char kVersionPagePath[] = "/download/version/mvx-version.html";
inline constexpr char kChangesPagePath[] = "/download/version/mvx-changes.html";
inline constexpr char kInstallerPath[] = "/download/mvx.exe";
inline constexpr char kInstallerFileName[] = "qzl_update.exe";

inline constexpr int kPageReadTimeoutMs = 10000;

// Where the update work talks to and stores things. Production uses the
// defaults; tests point it at a loopback server that trusts a test CA.
struct UpdateEndpoint {
    QUrl baseUrl = QUrl(QString::fromLatin1(kUpdateServerBase));
    QUrl homePage = QUrl(QString::fromLatin1(kHomePageAddress));
    QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
    int pageReadTimeoutMs = kPageReadTimeoutMs;
    QString tempFolder; // empty: the system's temporary folder

    QUrl urlFor(const char *path) const;
    QString installerFilePath() const;
};

// State shared by the version check and the new-version dialog for one start.
struct UpdateState {
    QString updateMessage;
    bool mustExit = false;
    bool downloadCancelled = false;
};

} // namespace morvane
