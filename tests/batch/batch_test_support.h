#pragma once

// Shared pieces of the batch tests: a reporter that records, a file-system
// snapshot, and system calls that fail on demand.

#include "batch/batch_executor.h"
#include "batch/system_calls.h"
#include "system_call_stub.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QPair>
#include <QStringList>

#include <cerrno>
#include <cstring>

namespace morvane {

class RecordingReporter : public Reporter {
public:
    QStringList calls; // "information: text", "warning: text", ...
    bool answer = true;
    void information(const QString &text) override { calls << QStringLiteral("information: ") + text; }
    void warning(const QString &text) override { calls << QStringLiteral("warning: ") + text; }
    void error(const QString &text) override { calls << QStringLiteral("error: ") + text; }
    bool confirm(const QString &text) override
    {
        calls << QStringLiteral("confirm: ") + text;
        return answer;
    }
};

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.exists())
        QDir().mkpath(QFileInfo(path).path());
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// "name=content;name=content" of every entry in a folder, sorted; sub-folders as "name/".
inline QString snapshot(const QString &folder)
{
    QStringList parts;
    const QDir dir(folder);
    for (const QFileInfo &fi :
         dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        if (fi.isDir() && !fi.isSymLink())
            parts << fi.fileName() + u'/';
        else
            parts << fi.fileName() + u'=' + QString::fromUtf8(readFile(fi.filePath()));
    }
    return parts.join(u';');
}

// Makes the n-th call (1-based) of a named system call fail with an errno.
class FaultySystemCalls : public SystemCallStub {
public:
    void fail(const char *call, int nth, int error) { m_rules.append({QByteArray(call), {nth, error}}); }
    int callCount(const char *call) const { return m_counts.value(QByteArray(call)); }

    int intercept(const char *call) override
    {
        // Counted as renameat2: a plan for the rename holds whichever form the batch uses.
        const QByteArray key = qstrcmp(call, "renameat2At") == 0 ? QByteArray("renameat2") : QByteArray(call);
        const int n = ++m_counts[key];
        for (const auto &rule : m_rules) {
            if (rule.first == key && (rule.second.first == n || rule.second.first == 0))
                return rule.second.second;
        }
        return 0;
    }

private:
    QList<QPair<QByteArray, QPair<int, int>>> m_rules; // call, (nth or 0 for every call, errno)
    QMap<QByteArray, int> m_counts;
};

} // namespace morvane
