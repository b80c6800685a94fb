#include "batch/batch_texts.h"

#include <QCoreApplication>

namespace morvane::batchText {

// Spelled out in each function so that lupdate finds every text with its context.
QString selectDestination()
{
    return QCoreApplication::translate("Batch", "Please select a destination folder for Copy/Move mode.");
}
QString relativeDestination(const QString &folder)
{
    return QCoreApplication::translate("Batch",
                                       "The destination folder \"%1\" is not a full path. Give it from the root, "
                                       "such as /home/you/Photos, or from your home folder, such as ~/Photos.")
        .arg(folder);
}
QString buildPreviewFirst()
{
    return QCoreApplication::translate("Batch", "Please build preview first (click \"Preview Result\" button).");
}
QString batchCompleted()
{
    return QCoreApplication::translate("Batch", "Batch completed. A CSV log has been saved in AppData.");
}
QString fileNotFound()
{
    return QCoreApplication::translate("Batch", "The specified file was not found");
}
QString pathNotFound()
{
    return QCoreApplication::translate("Batch", "The specified path was not found");
}
QString fileExists()
{
    return QCoreApplication::translate("Batch", "The specified file already exists");
}
QString foldersOnlyInPlace(int folders)
{
    return QCoreApplication::translate(
        "Batch",
        "The list holds %n folder(s). Folders are renamed in place only: choose "
        "\"Rename in place\", or remove the folders from the list. Nothing was copied or moved.",
        nullptr, folders);
}
QString fileChangedWhileCopied()
{
    return QCoreApplication::translate("Batch", "The file changed while it was being copied");
}
QString noUndoLog()
{
    return QCoreApplication::translate("Batch", "No undo log found in AppData.");
}
QString undoCompleted()
{
    return QCoreApplication::translate("Batch", "Undo completed for the last rename operation.");
}
QString logNotUtf8()
{
    return QCoreApplication::translate(
        "Batch", "No mapping for the Unicode character exists in the target multi-byte code page");
}
QString destinationNotCreated(const QString &folder, const QString &reason)
{
    return QCoreApplication::translate("Batch", "The destination folder %1 cannot be created: %2").arg(folder, reason);
}
QString anotherBatchRunning()
{
    return QCoreApplication::translate("Batch", "Another batch is running");
}

QString withStep(const QString &reason, const QString &step)
{
    // The full stop the error box would give a message that ends with the reason.
    const bool stop = !reason.isEmpty() && reason.back().unicode() > u'.';
    return reason + (stop ? QStringLiteral(".\n") : QStringLiteral("\n")) + step;
}

QString renamingStep(const QString &from, const QString &toName)
{
    return QCoreApplication::translate("Batch", "Renaming %1 to %2").arg(from, toName);
}
QString movingStep(const QString &from, const QString &to)
{
    return QCoreApplication::translate("Batch", "Moving %1 to %2").arg(from, to);
}
QString copyingStep(const QString &from, const QString &to)
{
    return QCoreApplication::translate("Batch", "Copying %1 to %2").arg(from, to);
}
QString movingBackStep(const QString &from, const QString &to)
{
    return QCoreApplication::translate("Batch", "Moving %1 back to %2").arg(from, to);
}
QString lockingStep(const QString &path)
{
    return QCoreApplication::translate("Batch", "Locking %1").arg(path);
}

namespace {

QString listed(const QStringList &first, int total)
{
    QString text = first.join(u'\n');
    if (total > first.size())
        text += u'\n' + QCoreApplication::translate("Batch", "... and %1 more").arg(total - first.size());
    return text;
}

} // namespace

QString undoPartly(int kept, const QStringList &firstKept)
{
    return QCoreApplication::translate(
               "Batch",
               "Undo finished, but %1 file(s) stayed at their new names: another file now holds the old name.\n\n"
               "%2\n\n"
               "The undo log keeps these files. Move the other files out of the way and undo again.")
        .arg(kept)
        .arg(listed(firstKept, kept));
}

QString batchSummary(int renamed, int clashes, const QStringList &firstFailures, int failed, const QString &listPath)
{
    return QCoreApplication::translate(
               "Batch",
               "Batch finished with errors. A CSV log has been saved in AppData.\n\n"
               "Renamed: %1\nSkipped as clashes: %2\nFailed: %3\n\n%4\n\nThe full list of failures: %5")
        .arg(renamed)
        .arg(clashes)
        .arg(failed)
        .arg(listed(firstFailures, failed), listPath);
}

} // namespace morvane::batchText
