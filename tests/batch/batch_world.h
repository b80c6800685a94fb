#pragma once

// The temporary world most batch tests run in: files in src/, a destination
// dst/, the data root in app/.

#include "batch_test_support.h"
#include "batch/batch_executor.h"
#include "batch/undo.h"
#include "engine/morvane_error.h"

#include <QTemporaryDir>
#include <QTest>

namespace morvane {

inline const QString kBatchCompleted =
    QStringLiteral("information: Batch completed. A CSV log has been saved in AppData.");

struct BatchWorld {
    QTemporaryDir tmp; // first: the paths below are made from it
    QString src = tmp.path() + "/src";
    QString dst = tmp.path() + "/dst";
    BatchEnvironment env;
    RenameItemList items;
    RecordingReporter reporter;
    OptionPanel options;

    BatchWorld() : BatchWorld(QDir::tempPath() + QStringLiteral("/morvane-XXXXXX")) {}
    explicit BatchWorld(const QString &folderTemplate) : tmp(folderTemplate)
    {
        QDir().mkpath(src);
        env.appDataFolder = tmp.path() + "/app";
    }
    QString logPath() const { return undoLogPath(env.appDataFolder); }
    // Adds src/<name> holding content under the new name (empty: no preview yet).
    void add(const QString &name, const QString &newName, const QByteArray &content = QByteArray())
    {
        const QString path = src + u'/' + name;
        if (!QFile::exists(path))
            writeFile(path, content.isNull() ? name.toUtf8() : content);
        QVERIFY(items.addFileItem(path));
        items.setNewName(items.count() - 1, newName);
    }
    QString run() // the error text, empty when the batch did not throw
    {
        try {
            executeBatch(items, options, reporter, env);
        } catch (const MorvaneError &e) {
            return e.message();
        }
        return QString();
    }
    void undo()
    {
        RecordingReporter r;
        undoLastBatch(items, r, env);
        QCOMPARE(r.calls.value(0), "information: Undo completed for the last rename operation.");
    }
    QByteArray log() const { return readFile(logPath()); }
};

} // namespace morvane
