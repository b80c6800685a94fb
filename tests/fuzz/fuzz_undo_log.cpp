// The undo log on any file: the reader splits and parses without breaking
// (a record spans lines only when it is a whole quoted record), and the journal,
// driven through any run of carried-out, taken-back and replacing
// operations, leaves a log that reads back as exactly the pairs of the
// operations carried out, or the previous log when none was.
#include "fuzz_support.h"
#include "engine/morvane_error.h"
#include "batch/undo.h"
#include "batch/undo_journal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

using namespace morvane;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QList<UndoLogEntry> readPairs(const QByteArray &bytes)
{
    QList<UndoLogEntry> pairs;
    const QStringList lines = splitUndoLogLines(bytes);
    for (qsizetype k = 1; k < lines.size(); ++k) {
        if (const auto entry = parseUndoLogLine(lines[k]))
            pairs.append(*entry);
    }
    return pairs;
}

// A full path as the batch logs it: absolute, any character but U+0000
// (quotes, the separator and line breaks included).
QByteArray pathFrom(FuzzedDataProvider &data)
{
    QString text = takeUtf16(data, 24);
    QString path = QStringLiteral("/");
    for (QChar c : text) {
        if (c.unicode() != 0 && !c.isSurrogate())
            path += c;
    }
    return path.toUtf8();
}

void checkReader(const QByteArray &bytes)
{
    QStringList lines;
    try {
        lines = splitUndoLogLines(bytes);
    } catch (const MorvaneError &) {
        FUZZ_REQUIRE(!isWellFormedUtf8(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size())));
        return;
    }
    FUZZ_REQUIRE(isWellFormedUtf8(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size())));
    for (qsizetype k = 0; k < lines.size(); ++k) {
        const QString &line = lines[k];
        const bool multiLine = line.contains(u'\r') || line.contains(u'\n');
        const std::optional<UndoLogEntry> entry = parseUndoLogLine(line);
        // Only a whole quoted record spans lines, and never the header.
        FUZZ_REQUIRE(!multiLine || (k > 0 && entry));
        if (!entry || multiLine || line.contains(QStringLiteral("\"\"")))
            continue;
        const QString inner = entry->original + QStringLiteral("\",\"") + entry->renamed;
        FUZZ_REQUIRE(line.contains(inner) && !entry->original.contains(QStringLiteral("\",\"")));
    }
}

void checkJournal(FuzzedDataProvider &data)
{
    static QTemporaryDir folder(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                    ? QStringLiteral("/dev/shm/fuzz-undo-log-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/fuzz-undo-log-XXXXXX"));
    const QString logPath = folder.path() + QStringLiteral("/Quenzel/Morvane/last_rename.csv");
    const QString marker = UndoJournal::markerPath(logPath);
    QFile::remove(logPath);
    QFile::remove(marker);
    QDir().mkpath(folder.path() + QStringLiteral("/Quenzel/Morvane"));
    QByteArray previous;
    if (data.ConsumeBool()) {
        previous = UndoJournal::header() + UndoJournal::entryLine("/before/a", "/before/b");
        QFile f(logPath);
        FUZZ_REQUIRE(f.open(QIODevice::WriteOnly) && f.write(previous) == previous.size());
    }

    QList<UndoLogEntry> done;
    {
        UndoJournal journal(realSystemCalls(), logPath);
        const int operations = data.ConsumeIntegralInRange(0, 6);
        for (int i = 0; i < operations; ++i) {
            const QByteArray from = pathFrom(data);
            const QByteArray to = pathFrom(data);
            switch (data.ConsumeIntegralInRange(0, 2)) {
            case 0:
                journal.intend(from, to);
                journal.confirm();
                done.append({QString::fromUtf8(from), QString::fromUtf8(to)});
                break;
            case 1:
                journal.intend(from, to);
                journal.cancel();
                break;
            default:
                journal.record(from, to);
                done.append({QString::fromUtf8(from), QString::fromUtf8(to)});
                break;
            }
        }
        const bool runsToItsEnd = data.ConsumeBool();
        if (runsToItsEnd)
            journal.finish();
        if (!runsToItsEnd && done.isEmpty()) {
            journal.close();
            FUZZ_REQUIRE(readAll(logPath) == (previous.isEmpty() ? QByteArray("<missing>") : previous));
            FUZZ_REQUIRE(!QFile::exists(marker));
            return;
        }
    }
    const QByteArray written = readAll(logPath);
    FUZZ_REQUIRE(written.startsWith(UndoJournal::header()) && written.endsWith("\r\n"));
    FUZZ_REQUIRE(readPairs(written) == done);
    FUZZ_REQUIRE(!QFile::exists(marker));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    checkReader(bytes);
    FuzzedDataProvider provider(data, size);
    checkJournal(provider);
    return 0;
}
