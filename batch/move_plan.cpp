#include "batch/move_plan.h"

#include "batch/file_operations.h"
#include "batch/preflight.h"
#include "engine/paths.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace morvane {

namespace {

constexpr quint64 kPathHashStart = 0xcbf29ce484222325ULL;

// FNV-1a over UTF-16 units, continued from hash: the hash of a folder goes on
// into the hash of each name in it, so a path is hashed without being joined.
quint64 pathHash(quint64 hash, QStringView text)
{
    for (const QChar c : text)
        hash = (hash ^ c.unicode()) * 0x100000001b3ULL;
    return hash;
}

} // namespace

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
            depth[i] = int(absolutePath(items.at(i).originalPath()).count(u'/'));
        std::stable_sort(rows.begin(), rows.end(), [&depth](int a, int b) { return depth[a] > depth[b]; });
    }
    // blocker[i]: the row whose file stands at row i's target and moves away, or -1.
    // Rows are found by a 64-bit hash of their source path in a table of row
    // numbers; a target is built as text only where its hash meets a source,
    // so the plan holds no path of its own.
    std::vector<quint64> sourceHashes(static_cast<size_t>(count)), targetHashes(static_cast<size_t>(count));
    QString lastFolder;
    quint64 lastTargetHash = 0, lastSourceHash = 0;
    auto targetOf = [&](const RenameItem &item) {
        const QString folder = targetFolder(item, mode, destination);
        return folder.endsWith(u'/') ? folder + item.newName : folder + u'/' + item.newName;
    };
    for (int i = 0; i < count; ++i) {
        const RenameItem &item = items.at(i);
        if (i == 0 || mode == BatchMode::MoveToFolder || !isSameText(item.folder(), lastFolder)) {
            lastFolder = item.folder();
            const QString target = targetFolder(item, mode, destination);
            lastTargetHash = pathHash(kPathHashStart, target);
            if (!target.endsWith(u'/'))
                lastTargetHash = pathHash(lastTargetHash, u"/");
            lastSourceHash = pathHash(kPathHashStart, lastFolder);
        }
        targetHashes[size_t(i)] = pathHash(lastTargetHash, item.newName);
        sourceHashes[size_t(i)] = lastFolder.startsWith(u'/')
            ? pathHash(lastSourceHash, item.fileName())
            : pathHash(kPathHashStart, absolutePath(item.originalPath()));
    }
    // Open addressing over row numbers, at most half full; a row whose target
    // is its own source moves nowhere and blocks nothing.
    int shift = 64;
    size_t slotCount = 1;
    while (slotCount < 2 * size_t(count) + 2) {
        slotCount *= 2;
        --shift;
    }
    std::vector<int> table(slotCount, -1);
    auto slotOf = [shift](quint64 hash) { return size_t((hash * 0x9E3779B97F4A7C15ULL) >> shift); };
    for (int i = 0; i < count; ++i) {
        const quint64 hash = sourceHashes[size_t(i)];
        if (hash == targetHashes[size_t(i)] && targetOf(items.at(i)) == absolutePath(items.at(i).originalPath()))
            continue;
        size_t slot = slotOf(hash);
        while (table[slot] >= 0)
            slot = (slot + 1) & (slotCount - 1);
        table[slot] = i;
    }
    auto sourceRowAt = [&](int i) {
        const quint64 hash = targetHashes[size_t(i)];
        QString target;
        for (size_t slot = slotOf(hash); table[slot] >= 0; slot = (slot + 1) & (slotCount - 1)) {
            const int j = table[slot];
            if (sourceHashes[size_t(j)] != hash)
                continue;
            if (target.isNull())
                target = targetOf(items.at(i));
            if (absolutePath(items.at(j).originalPath()) == target)
                return j;
        }
        return -1;
    };
    std::vector<int> blocker(size_t(count), -1);
    bool anyBlocked = false;
    for (int i = 0; i < count; ++i) {
        const int j = sourceRowAt(i);
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
