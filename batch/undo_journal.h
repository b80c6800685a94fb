#pragma once

#include "batch/file_descriptor.h"
#include "batch/system_calls.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "engine/morvane_error.h"

namespace morvane {

// A failure to keep the undo log itself: the batch cannot go on past it,
// whatever it does with failures of single files.
class UndoLogError : public MorvaneError {
public:
    using MorvaneError::MorvaneError;
};

// The undo log of the running batch, kept on disk as the batch goes so that a
// batch that stops, or a process that is killed, can still be undone.
//
// A line is written before the operation it names (intend, then confirm or
// cancel): if the process dies in between, undo finds no file at the line's
// new path and passes it over. An operation that replaces a file goes the
// same way: the marker (below), without which no line is written, tells undo
// to pass over its line while its source is in place, so undo never takes the
// file about to be replaced for the batch's. The first line replaces the previous log through a temporary file in
// the same folder, so a reader never sees a torn log; when the first operation
// is taken back, the previous log is put back.
//
// While the log may end in lines whose operations did not happen (between
// intend and confirm or cancel), a marker file beside it says so; undo then
// passes over each of the last kPendingLines lines whose original file is
// still in place. A run of plain renames writes its lines in one go ahead of
// them (intendLines), so up to that many lines may be pending at once. The
// marker goes when the log is exact again: at the end of the batch, or when
// it stops on an error.
class UndoJournal {
public:
    UndoJournal(SystemCalls &sys, const QString &logPath);
    ~UndoJournal(); // close(): what a batch that ends early leaves
    UndoJournal(const UndoJournal &) = delete;
    UndoJournal &operator=(const UndoJournal &) = delete;

    // The most lines pending at once, and so the lines at the end of a log
    // with a marker that may name operations that did not happen.
    static constexpr int kPendingLines = 64;

    void intend(const QByteArray &from, const QByteArray &to);
    void confirm();
    // Lines made with appendEntryLine, at most kPendingLines, all pending:
    // confirmLine(length) confirms the first still pending, cancel() takes
    // back every one still pending.
    void intendLines(const QByteArray &lines);
    void confirmLine(qsizetype length);
    // Takes the intended line back; throws when the log cannot be cut back.
    void cancel();
    // The same for a batch already stopping on an error: a log that cannot be
    // cut back keeps its marker, and undo passes over the line.
    void abandon() noexcept;
    void record(const QByteArray &from, const QByteArray &to);
    // The batch ran to its end: a header-only log replaces the previous one
    // when nothing was done; the file is synced.
    void finish();
    // The batch stopped: a pending line is taken back, what was done stays logged.
    void close() noexcept;

    // False once a line could not be taken back: the log's last line may then name nothing done.
    bool exact() const { return m_exact; }

    static QByteArray entryLine(const QByteArray &from, const QByteArray &to);
    static void appendEntryLine(QByteArray &out, const QByteArray &from, const QByteArray &to);
    static QByteArray header();
    static QString markerPath(const QString &logPath); // "<log>.unfinished"

private:
    void append(const QByteArray &line);
    void keepPrevious();
    void archivePrevious();
    // The previous log as it was, from memory or read back from its copy in the history.
    QByteArray previousLog() const;
    void dropArchive() noexcept;
    FileDescriptor createTemporary(QByteArray *tempPath);
    void replaceLog(const QByteArray &content, bool keepOpen);
    bool cutBack() noexcept;
    bool takeBack() noexcept;
    void restorePrevious() noexcept;
    void syncFolder() noexcept;
    bool setMarker(bool present) noexcept;

    SystemCalls &m_sys;
    QString m_logPath;
    QByteArray m_path;
    QByteArray m_marker;
    FileDescriptor m_fd;
    off_t m_committed = 0;
    off_t m_length = 0;
    bool m_pending = false;
    bool m_exact = true;
    qint64 m_confirmed = 0;
    bool m_hadPrevious = false;
    bool m_markerBefore = false;
    QByteArray m_previous;
    QDateTime m_previousTime;
    QString m_archived; // the previous log's copy in the history, while this batch may take it back
    QByteArray m_line;  // reused for every line of the batch
};

} // namespace morvane

namespace morvane {

// One line of the journal around the operation it names: written when the
// entry is made, confirmed by done(), taken back by cancel() or when the
// operation throws.
//
//   JournalEntry entry(journal, from, to);
//   ops.copyFileNative(from, to, FileOperations::Replace::No);  // may throw
//   entry.done();
class JournalEntry {
public:
    JournalEntry(UndoJournal &journal, const QByteArray &from, const QByteArray &to) : m_journal(journal)
    {
        journal.intend(from, to);
    }
    ~JournalEntry()
    {
        if (m_open)
            m_journal.abandon();
    }
    JournalEntry(const JournalEntry &) = delete;
    JournalEntry &operator=(const JournalEntry &) = delete;

    void done()
    {
        m_open = false;
        m_journal.confirm();
    }
    // Nothing was done; throws when the log cannot be cut back.
    void cancel()
    {
        m_open = false;
        m_journal.cancel();
    }

private:
    UndoJournal &m_journal;
    bool m_open = true;
};

} // namespace morvane
