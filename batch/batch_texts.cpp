#include "batch/batch_texts.h"

#include <QCoreApplication>

namespace morvane::batchText {

// Spelled out in each function so that lupdate finds every text with its context.
QString selectDestination() { return QCoreApplication::translate("Batch", "Please select a destination folder for Copy/Move mode."); }
QString relativeDestination(const QString &folder)
{
    return QCoreApplication::translate("Batch",
                                       "The destination folder \"%1\" is not a full path. Give it from the root, "
                                       "such as /home/you/Photos, or from your home folder, such as ~/Photos.")
        .arg(folder);
}
QString buildPreviewFirst() { return QCoreApplication::translate("Batch", "Please build preview first (click \"Preview Result\" button)."); }
QString batchCompleted() { return QCoreApplication::translate("Batch", "Batch completed. A CSV log has been saved in AppData."); }
QString invalidCharacters() { return QCoreApplication::translate("Batch", "Invalid characters in path"); }
QString fileNotFound() { return QCoreApplication::translate("Batch", "The specified file was not found"); }
QString pathNotFound() { return QCoreApplication::translate("Batch", "The specified path was not found"); }
QString fileExists() { return QCoreApplication::translate("Batch", "The specified file already exists"); }
QString fileChangedWhileCopied() { return QCoreApplication::translate("Batch", "The file changed while it was being copied"); }
QString noUndoLog() { return QCoreApplication::translate("Batch", "No undo log found in AppData."); }
QString undoCompleted() { return QCoreApplication::translate("Batch", "Undo completed for the last rename operation."); }
QString logNotUtf8() { return QCoreApplication::translate("Batch", "No mapping for the Unicode character exists in the target multi-byte code page"); }
QString undoLinesKept(int count, const QString &firstOriginal) { return QCoreApplication::translate("Batch", "%n file(s) were not put back, since a file of this batch still stands at the old name (first: %1); run Undo again", nullptr, count).arg(firstOriginal); }
QString destinationNotCreated(const QString &folder, const QString &reason) { return QCoreApplication::translate("Batch", "The destination folder %1 cannot be created: %2").arg(folder, reason); }

} // namespace morvane::batchText
