#pragma once

#include <QString>
#include <QStringList>

namespace morvane::batchText {

// The messages of the batch and of undo, in the user's language. Functions,
// not constants: the translator is installed after start-up.
QString selectDestination();
QString relativeDestination(const QString &folder);
QString buildPreviewFirst();
QString batchCompleted();
QString fileNotFound();
QString pathNotFound();
QString fileExists();
QString fileChangedWhileCopied();
QString noUndoLog();
QString undoCompleted();
QString logNotUtf8();
QString destinationNotCreated(const QString &folder, const QString &reason);
QString anotherBatchRunning();
QString foldersOnlyInPlace(int folders);

// An error's own text (with its full stop) and, on the next line, the step that failed.
QString withStep(const QString &reason, const QString &step);
QString renamingStep(const QString &from, const QString &toName);
QString movingStep(const QString &from, const QString &to);
QString copyingStep(const QString &from, const QString &to);
QString movingBackStep(const QString &from, const QString &to);
QString lockingStep(const QString &path);

// Undo that left lines in the log: how many, the first of them as "new -> old", and what to do.
QString undoPartly(int kept, const QStringList &firstKept);
// The end of a batch that went on past failures.
QString batchSummary(int renamed, int clashes, const QStringList &firstFailures, int failed, const QString &listPath);

} // namespace morvane::batchText
