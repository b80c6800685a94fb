#pragma once

#include <QString>

namespace morvane::batchText {

// The messages of the batch and of undo, in the user's language. Functions,
// not constants: the translator is installed after start-up.
QString selectDestination();
QString relativeDestination(const QString &folder);
QString buildPreviewFirst();
QString batchCompleted();
QString invalidCharacters();
QString fileNotFound();
QString pathNotFound();
QString fileExists();
QString fileChangedWhileCopied();
QString noUndoLog();
QString undoCompleted();
QString logNotUtf8();
QString undoLinesKept(int count, const QString &firstOriginal);
QString destinationNotCreated(const QString &folder, const QString &reason);

} // namespace morvane::batchText
