#pragma once

// Shared pieces of the batch tests: a reporter that records, a file-system
// snapshot, and system calls that fail on demand.

#include "batch/batch_executor.h"
#include "batch/system_calls.h"

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
    QStringList calls;  // "information: text", "warning: text", ...
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
    for (const QFileInfo &fi : dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                  QDir::Name)) {
        if (fi.isDir() && !fi.isSymLink())
            parts << fi.fileName() + u'/';
        else
            parts << fi.fileName() + u'=' + QString::fromUtf8(readFile(fi.filePath()));
    }
    return parts.join(u';');
}

// Makes the n-th call (1-based) of a named system call fail with an errno.
class FaultySystemCalls : public SystemCalls {
public:
    void fail(const char *call, int nth, int error) { m_rules.append({QByteArray(call), {nth, error}}); }
    int callCount(const char *call) const { return m_counts.value(QByteArray(call)); }

#define MORVANE_FAULT(name, ...)       \
    if (int e = hit(#name)) {          \
        errno = e;                     \
        return -1;                     \
    }                                  \
    return SystemCalls::name(__VA_ARGS__);

    int open(const char *p, int f, mode_t m) override { MORVANE_FAULT(open, p, f, m) }
    int close(int fd) override { MORVANE_FAULT(close, fd) }
    ssize_t read(int fd, void *b, size_t n) override { MORVANE_FAULT(read, fd, b, n) }
    ssize_t write(int fd, const void *b, size_t n) override { MORVANE_FAULT(write, fd, b, n) }
    int fstat(int fd, struct stat *st) override { MORVANE_FAULT(fstat, fd, st) }
    int stat(const char *p, struct stat *st) override { MORVANE_FAULT(stat, p, st) }
    int lstat(const char *p, struct stat *st) override { MORVANE_FAULT(lstat, p, st) }
    int mkdir(const char *p, mode_t m) override { MORVANE_FAULT(mkdir, p, m) }
    int rename(const char *a, const char *b) override { MORVANE_FAULT(rename, a, b) }
    int renameat2(const char *a, const char *b, unsigned f) override { MORVANE_FAULT(renameat2, a, b, f) }
    // Counted as renameat2: a plan for the rename holds whichever form the batch uses.
    int renameat2At(int fd, const char *a, int td, const char *b, unsigned f) override
    {
        if (int e = hit("renameat2")) {
            errno = e;
            return -1;
        }
        return SystemCalls::renameat2At(fd, a, td, b, f);
    }
    int unlink(const char *p) override { MORVANE_FAULT(unlink, p) }
    int fsync(int fd) override { MORVANE_FAULT(fsync, fd) }
    int ftruncate(int fd, off_t n) override { MORVANE_FAULT(ftruncate, fd, n) }
    ssize_t copy_file_range(int i, int o, size_t n) override { MORVANE_FAULT(copy_file_range, i, o, n) }
    ssize_t sendfile(int o, int i, size_t n) override { MORVANE_FAULT(sendfile, o, i, n) }
    int fchmod(int fd, mode_t m) override { MORVANE_FAULT(fchmod, fd, m) }
    int futimens(int fd, const struct timespec t[2]) override { MORVANE_FAULT(futimens, fd, t) }
    int utimensat(const char *p, const struct timespec t[2], int f) override { MORVANE_FAULT(utimensat, p, t, f) }
#undef MORVANE_FAULT

private:
    int hit(const char *call)
    {
        const QByteArray key(call);
        const int n = ++m_counts[key];
        for (const auto &rule : m_rules) {
            if (rule.first == key && (rule.second.first == n || rule.second.first == 0))
                return rule.second.second;
        }
        return 0;
    }
    QList<QPair<QByteArray, QPair<int, int>>> m_rules;  // call, (nth or 0 for every call, errno)
    QMap<QByteArray, int> m_counts;
};

} // namespace morvane
