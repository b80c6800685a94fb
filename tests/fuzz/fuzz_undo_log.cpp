// The undo log on any file: the reader splits and parses without breaking
// (every pair comes from one line, without its line break), and the journal,
// driven through any run of carried-out, taken-back and replacing
// operations, leaves a log that reads back as exactly the pairs of the
// operations carried out, or the previous log when none was.
#include "fuzz_support.h"
#include "morvane_error.h"
#include "undo.h"
#include "undo_journal.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QList<UndoLogEntry> ReadPairs(const QByteArray &bytes)
{
    QList<UndoLogEntry> pairs;
    const QStringList lines = SplitUndoLogLines(bytes);
    for (qsizetype k = 1; k < lines.size(); ++k) {
        if (const auto entry = ParseUndoLogLine(lines[k]))
            pairs.append(*entry);
    }
    return pairs;
}

// A full path as the batch logs it: absolute, no quote, no control character.
QByteArray PathFrom(FuzzedDataProvider &data)
{
    QString text = TakeUtf16(data, 24);
    QString path = QStringLiteral("/");
    for (QChar c : text) {
        if (c.unicode() >= 0x20 && c != u'"' && !c.isSurrogate())
            path += c;
    }
    return path.toUtf8();
}

void CheckReader(const QByteArray &bytes)
{
    QStringList lines;
    try {
        lines = SplitUndoLogLines(bytes);
    } catch (const MorvaneError &) {
        FUZZ_REQUIRE(!IsWellFormedUtf8(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size())));
        return;
    }
    FUZZ_REQUIRE(IsWellFormedUtf8(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size())));
    for (const QString &line : lines) {
        FUZZ_REQUIRE(!line.contains(u'\r') && !line.contains(u'\n'));
        const std::optional<UndoLogEntry> entry = ParseUndoLogLine(line);
        if (!entry)
            continue;
        const QString inner = entry->original + QStringLiteral("\",\"") + entry->renamed;
        FUZZ_REQUIRE(line.contains(inner) && !entry->original.contains(QStringLiteral("\",\"")));
    }
}

void CheckJournal(FuzzedDataProvider &data)
{
    static QTemporaryDir folder(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                    ? QStringLiteral("/dev/shm/fuzz-undo-log-XXXXXX")
                                    : QDir::tempPath() + QStringLiteral("/fuzz-undo-log-XXXXXX"));
    const QString logPath = folder.path() + QStringLiteral("/Quenzel/Morvane/last_rename.csv");
    const QString marker = UndoJournal::MarkerPath(logPath);
    QFile::remove(logPath);
    QFile::remove(marker);
    QDir().mkpath(folder.path() + QStringLiteral("/Quenzel/Morvane"));
    QByteArray previous;
    if (data.ConsumeBool()) {
        previous = UndoJournal::Header() + UndoJournal::Line("/before/a", "/before/b");
        QFile f(logPath);
        FUZZ_REQUIRE(f.open(QIODevice::WriteOnly) && f.write(previous) == previous.size());
    }

    QList<UndoLogEntry> done;
    {
        UndoJournal journal(RealSystemCalls(), logPath);
        const int operations = data.ConsumeIntegralInRange(0, 6);
        for (int i = 0; i < operations; ++i) {
            const QByteArray from = PathFrom(data);
            const QByteArray to = PathFrom(data);
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
            FUZZ_REQUIRE(ReadAll(logPath) == (previous.isEmpty() ? QByteArray("<missing>") : previous));
            FUZZ_REQUIRE(!QFile::exists(marker));
            return;
        }
    }
    const QByteArray written = ReadAll(logPath);
    FUZZ_REQUIRE(written.startsWith(UndoJournal::Header()) && written.endsWith("\r\n"));
    FUZZ_REQUIRE(ReadPairs(written) == done);
    FUZZ_REQUIRE(!QFile::exists(marker));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    CheckReader(bytes);
    FuzzedDataProvider provider(data, size);
    CheckJournal(provider);
    return 0;
}
