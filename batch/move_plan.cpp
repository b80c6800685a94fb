#include "batch/move_plan.h"

#include "batch/file_operations.h"
#include "batch/preflight.h"
#include "engine/paths.h"

#include <QHash>

#include <algorithm>
#include <numeric>
#include <vector>

namespace morvane {

QList<MoveStep> planMoves(const RenameItemList &items, BatchMode mode, const QString &destination)
{
    const int count = items.count();
    QList<MoveStep> steps;
    steps.reserve(count);
    if (mode == BatchMode::CopyToFolder) {
        for (int i = 0; i < count; ++i)
            steps.append(MoveStep{i});
        return steps;
    }
    // Rows in the order they are taken: a folder's rows below it before the folder.
    QList<int> rows(count);
    std::iota(rows.begin(), rows.end(), 0);
    if (items.hasFolders()) {
        QList<int> depth(count);
        for (int i = 0; i < count; ++i)
            depth[i] = int(absolutePath(items.at(i).originalPath).count(u'/'));
        std::stable_sort(rows.begin(), rows.end(), [&depth](int a, int b) { return depth[a] > depth[b]; });
    }
    // blocker[i]: the row whose file stands at row i's target and moves away, or -1.
    QList<QString> targets(count);
    QHash<QString, int> sources;
    sources.reserve(count);
    QString lastFolder, lastTargetFolder;
    for (int i = 0; i < count; ++i) {
        const RenameItem &item = items.at(i);
        const QString source = absolutePath(item.originalPath);
        const QString folder = folderPart(item.originalPath);
        if (mode == BatchMode::MoveToFolder || folder != lastFolder) {
            lastFolder = folder;
            lastTargetFolder = targetFolder(item, mode, destination);
        }
        const QString &target = targets[i] =
            lastTargetFolder.endsWith(u'/') ? lastTargetFolder + item.newName : lastTargetFolder + u'/' + item.newName;
        if (target != source)
            sources.insert(source, i);
    }
    std::vector<int> blocker(size_t(count), -1);
    bool anyBlocked = false;
    for (int i = 0; i < count; ++i) {
        const int j = sources.value(targets.at(i), -1);
        if (j != i && j >= 0) {
            blocker[size_t(i)] = j;
            anyBlocked = true;
        }
    }
    if (!anyBlocked) {
        for (int i : std::as_const(rows))
            steps.append(MoveStep{i});
        return steps;
    }

    enum : quint8 { Pending, OnPath, Done };
    std::vector<quint8> state(size_t(count), Pending);
    QList<int> path;
    // In place a row waits only for rows of its own folder, so a chain keeps to one depth.
    for (int i : std::as_const(rows)) {
        if (state[size_t(i)] != Pending)
            continue;
        // Follow the rows this one waits for, without recursion: chains can be long.
        path.clear();
        int current = i;
        while (current >= 0 && state[size_t(current)] == Pending) {
            state[size_t(current)] = OnPath;
            path.append(current);
            current = blocker[size_t(current)];
        }
        if (current >= 0 && state[size_t(current)] == OnPath)
            steps.append(MoveStep{current, MoveStep::Kind::Park});
        for (qsizetype k = path.size() - 1; k >= 0; --k) {
            steps.append(MoveStep{path.at(k)});
            state[size_t(path.at(k))] = Done;
        }
    }
    return steps;
}

} // namespace morvane
