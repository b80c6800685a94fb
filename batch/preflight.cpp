#include "batch/preflight.h"

#include "batch/file_operations.h"
#include "batch/folder_names.h"
#include "batch/name_table.h"
#include "batch/name_spelling.h"
#include "engine/morvane_error.h"
#include "engine/paths.h"

#include <QCoreApplication>
#include <QHash>

#include <dirent.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <unistd.h>

#include <bitset>
#include <climits>
#include <deque>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace morvane {

namespace {

// Rows with no more targets to test than this in a folder are looked up one
// by one; above it the folder is listed once.
constexpr int kListingThreshold = 64;
constexpr int kRowsNamed = 10;

QString withoutTrailingSlash(QString folder)
{
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    return folder;
}

// A folder to be created has the limits of the nearest one that exists.
QByteArray nearestExisting(QByteArray folder)
{
    struct stat st;
    while (folder.size() > 1 && ::stat(folder.constData(), &st) != 0) {
        const qsizetype slash = folder.lastIndexOf('/', folder.size() - 2);
        folder = slash <= 0 ? QByteArrayLiteral("/") : folder.left(slash);
    }
    return folder.isEmpty() ? QByteArrayLiteral("/") : folder;
}

// The longest name and path the file system of an existing folder takes.
struct NameLimits {
    long nameMax = 255;
    long pathMax = PATH_MAX;
};

NameLimits nameLimitsOf(const QByteArray &existing)
{
    NameLimits limits;
    errno = 0;
    if (const long n = ::pathconf(existing.constData(), _PC_NAME_MAX); n > 0)
        limits.nameMax = n;
    if (const long n = ::pathconf(existing.constData(), _PC_PATH_MAX); n > 0)
        limits.pathMax = n;
    return limits;
}

bool isTooLong(qsizetype nameBytes, qsizetype folderBytes, const NameLimits &limits)
{
    return nameBytes > limits.nameMax || folderBytes + 1 + nameBytes >= limits.pathMax;
}

// Whether the folder's file system takes names that differ only in letter case
// for one: the kinds known to (FAT, exFAT, SMB), or, for any other (FUSE,
// casefold folders), the sample entry found under its other spelling that the
// listing does not hold.
bool foldsCase(const QByteArray &folder, const QString &sample)
{
    struct statfs fs;
    if (::statfs(folder.constData(), &fs) == 0) {
        switch (static_cast<unsigned long>(fs.f_type)) {
        case 0x4d44UL:     // FAT
        case 0x2011BAB0UL: // exFAT
        case 0xFF534D42UL: // CIFS
        case 0xFE534D42UL: // SMB2
        case 0x517BUL:     // SMB
            return true;
        default:
            break;
        }
    }
    QString other = sample;
    bool letters = false;
    for (QChar &ch : other) {
        if (ch.isLower()) {
            ch = ch.toUpper();
            letters = true;
        } else if (ch.isUpper()) {
            ch = ch.toLower();
            letters = true;
        }
    }
    if (!letters)
        return false;
    const QByteArray prefix = folder.endsWith('/') ? folder : folder + '/';
    const QByteArray path = prefix + other.toUtf8();
    struct stat st;
    return ::lstat(path.constData(), &st) == 0
        && isOtherSpellingOfSource(realSystemCalls(), prefix + sample.toUtf8(), path);
}

// Each target folder, with what the rows landing there need to know.
struct TargetFolder {
    QByteArray encoded;
    quint32 number = 0; // 1 + its place in the checker's list of target folders
    NameLimits limits;
    bool folds = false;
    struct Slot {
        int target = -1; // first row landing at this name
        int source = -1; // a row whose file now has this name and moves away
    };
    NameTable names; // name (case-folded where the folder ignores case) -> its slot + 1
    std::vector<Slot> slotList;
    std::vector<int> toTest; // rows whose target may be taken by a file outside the batch
    // The lengths (UTF-16 units) of the names placed here: a current name of
    // another length is no target, which saves hashing most of them.
    std::bitset<256> nameLengths;
    bool longNames = false; // a name of 256 units or more is placed

    void notePlaced(qsizetype length)
    {
        if (length < qsizetype(nameLengths.size()))
            nameLengths.set(size_t(length));
        else
            longNames = true;
    }
    bool mayHoldLength(qsizetype length) const
    {
        return folds // folding can change a name's length
            || (length < qsizetype(nameLengths.size()) ? nameLengths.test(size_t(length)) : longNames);
    }
};

class FolderTable {
public:
    TargetFolder &at(const QString &folder, QStringView sample)
    {
        if (m_last && folder == m_lastPath)
            return *m_last;
        auto it = m_folders.find(folder);
        if (it == m_folders.end()) {
            it = m_folders.emplace(folder, TargetFolder()).first;
            TargetFolder &f = it->second;
            f.encoded = folder.toUtf8();
            f.names.reserve(m_expectedNames);
            f.slotList.reserve(size_t(m_expectedNames));
            m_expectedNames = 0; // the first folder usually holds the whole batch
            const QByteArray existing = nearestExisting(f.encoded);
            f.limits = nameLimitsOf(existing);
            f.folds = existing == f.encoded && foldsCase(f.encoded, sample.toString());
        }
        m_lastPath = folder;
        m_last = &it->second;
        return *m_last;
    }
    TargetFolder *find(QStringView folder)
    {
        if (m_last && folder == QStringView(m_lastPath))
            return m_last;
        const auto it = m_folders.find(folder.toString());
        return it == m_folders.end() ? nullptr : &it->second;
    }
    template <typename Fn>
    void forEach(Fn fn)
    {
        for (auto &entry : m_folders)
            fn(entry.second);
    }
    void expectNames(qsizetype n) { m_expectedNames = n; }

private:
    struct Hash {
        size_t operator()(const QString &s) const noexcept { return qHash(s); }
    };
    // Node-based: rows keep pointers to their folder, which a growing QHash
    // (Qt 6) would move away from under them.
    std::unordered_map<QString, TargetFolder, Hash> m_folders;
    QString m_lastPath;
    TargetFolder *m_last = nullptr;
    qsizetype m_expectedNames = 0;
};

void countRows(PreviewCheck &check)
{
    check.counts.fill(0);
    for (const RowCheck &row : check.rows)
        ++check.counts[size_t(row.status)];
}

// Looks at the disk for the targets no row of the batch accounts for.
// hashOfRow(row) gives the hash of the row's target name.
template <typename HashOfRow>
void testExistence(TargetFolder &folder, PreviewCheck &check, const RenameItemList &items, HashOfRow hashOfRow)
{
    if (folder.toTest.empty())
        return;
    if (folder.toTest.size() <= kListingThreshold) {
        for (const int row : std::as_const(folder.toTest)) {
            const QByteArray path =
                folder.encoded + (folder.encoded.endsWith('/') ? "" : "/") + items.at(row).newName.toUtf8();
            struct stat st;
            if (::lstat(path.constData(), &st) == 0)
                check.rows[row].status = RowStatus::Exists;
        }
        return;
    }
    const std::shared_ptr<const FolderNames> listing = FolderNames::read(folder.encoded);
    if (!listing)
        return; // nothing there yet (a destination to be made), or nothing to learn
    if (!folder.folds) {
        // The listing's own index answers by hash; a name is encoded only when its hash is there.
        constexpr qsizetype kAhead = 16;
        for (size_t k = 0; k < folder.toTest.size(); ++k) {
            if (k + kAhead < folder.toTest.size())
                listing->prefetch(hashOfRow(folder.toTest[k + kAhead]));
            const int row = folder.toTest[k];
            const QString &name = items.at(row).newName;
            if (listing->contains(hashOfRow(row), [&name](const char *bytes, qsizetype size) {
                    return name.toUtf8() == QByteArrayView(bytes, size);
                }))
                check.rows[row].status = RowStatus::Exists;
        }
        return;
    }
    // Where the folder ignores case its names are compared folded.
    for (size_t i = 0; i < listing->count(); ++i) {
        const int *slotNumber = folder.names.find(QString::fromUtf8(listing->name(i), listing->size(i)).toCaseFolded());
        if (!slotNumber)
            continue;
        const TargetFolder::Slot &slot = folder.slotList[size_t(*slotNumber - 1)];
        if (slot.target < 0 || slot.source >= 0)
            continue;
        RowCheck &row = check.rows[slot.target];
        if (row.status == RowStatus::Ready)
            row.status = RowStatus::Exists;
    }
}

} // namespace

int PreviewCheck::problems() const
{
    int n = 0;
    for (int k = 0; k < kRowStatusCount; ++k)
        if (isProblem(RowStatus(k)))
            n += counts[size_t(k)];
    return n;
}

QString targetFolder(const RenameItem &item, BatchMode mode, const QString &destination)
{
    if (mode == BatchMode::RenameInPlace)
        return withoutTrailingSlash(absolutePath(item.folder()));
    return withoutTrailingSlash(absolutePath(destination));
}

namespace {

// The passes of one check. The first reads each item's strings once and
// keeps what the others need (hashes, sizes, folders), so the later passes
// walk small arrays instead of 100,000 scattered strings.
class PreviewChecker {
public:
    PreviewChecker(const RenameItemList &items, const OptionPanel &options)
        : m_items(items), m_mode(options.batchMode), m_destination(trimControl(options.destination)),
          m_moving(m_mode != BatchMode::CopyToFolder), m_count(items.count()), m_rows(size_t(m_count))
    {
        m_check.rows.reserve(m_count); // exactly: resize alone rounds the room up
        m_check.rows.resize(m_count);
        m_rowChecks = m_check.rows.data(); // detached once, not at every row
        m_folders.expectNames(m_count);
    }

    PreviewCheck run(ExistenceTest existence)
    {
        readRows();
        placeTargets();
        if (m_moving)
            freeMovedSources();
        findTargetsToTest(existence);
        // Where names compare as they are, the listing answers alone: the
        // table of targets goes before the listing is read, so the two are
        // never held at once (some 40 MB each at a million rows).
        m_folders.forEach([](TargetFolder &folder) {
            if (!folder.folds) {
                folder.names = NameTable();
                std::vector<TargetFolder::Slot>().swap(folder.slotList);
            }
        });
        if (existence == ExistenceTest::Yes)
            m_folders.forEach([this](TargetFolder &folder) {
                testExistence(folder, m_check, m_items, [this](int row) { return m_rows[size_t(row)].targetHash; });
            });
        countRows(m_check);
        return std::move(m_check);
    }

private:
    // Sixteen bytes a row: a million rows cost 16 MB here.
    struct Row {
        quint64 targetHash = 0;
        quint32 folder = 0; // where the target lands, 1 + its index in m_targetFolders; 0 for an empty name
        int slot = -1;      // in the folder's slot list, once placed
    };
    // A run of rows from one current folder, keyed as target folders are.
    struct SourceRun {
        int firstRow;
        const QString *key;
    };

    TargetFolder *folderOf(const Row &r) const { return r.folder ? m_targetFolders[r.folder - 1] : nullptr; }

    // Empty, unchanged and too long rows; each row's folders and hashes.
    void readRows()
    {
        QString lastSourceFolder, lastTargetFolder;
        TargetFolder *targetFolder = nullptr; // of the current run of rows from one folder, looked up once
        const QString *sourceKey = nullptr;
        bool sameFolder = false;
        for (int i = 0; i < m_count; ++i) {
            const RenameItem &item = m_items.at(i);
            RowCheck &row = m_rowChecks[i];
            Row &r = m_rows[size_t(i)];
            const QString &sourceName = item.fileName();
            if (!sourceKey || !isSameText(item.folder(), lastSourceFolder)) {
                lastSourceFolder = item.folder();
                sourceKey = &m_sourceKeys.emplace_back(withoutTrailingSlash(absolutePath(lastSourceFolder)));
                m_sourceRuns.push_back(SourceRun{i, sourceKey});
                lastTargetFolder =
                    m_mode == BatchMode::RenameInPlace ? *sourceKey : withoutTrailingSlash(absolutePath(m_destination));
                sameFolder = *sourceKey == lastTargetFolder;
                targetFolder = nullptr;
            }
            if (item.newName.isEmpty()) {
                row.status = RowStatus::Empty;
            } else {
                if (!targetFolder) {
                    targetFolder = &m_folders.at(lastTargetFolder, sourceName);
                    if (targetFolder->number == 0) {
                        m_targetFolders.push_back(targetFolder);
                        targetFolder->number = quint32(m_targetFolders.size());
                    }
                }
                r.folder = targetFolder->number;
                row.status = sameFolder && sourceName == item.newName ? RowStatus::Unchanged : RowStatus::Ready;
                qsizetype bytes = 0;
                r.targetHash = NameTable::hashOf(item.newName, &bytes);
                if (isTooLong(bytes, targetFolder->encoded.size(), targetFolder->limits))
                    row.status = RowStatus::TooLong;
            }
        }
    }

    // Each target into its folder's table; a second row at a target is a duplicate.
    void placeTargets()
    {
        constexpr int kAhead = 16; // rows mostly share their folder: ask for its slots early
        for (int i = 0; i < m_count; ++i) {
            if (i + kAhead < m_count && m_rows[size_t(i + kAhead)].folder)
                folderOf(m_rows[size_t(i + kAhead)])->names.prefetch(m_rows[size_t(i + kAhead)].targetHash);
            Row &r = m_rows[size_t(i)];
            const RowStatus status = m_rowChecks[i].status;
            if (status == RowStatus::Empty || status == RowStatus::TooLong)
                continue;
            const QString &name = m_items.at(i).newName;
            TargetFolder &folder = *folderOf(r);
            int &slotNumber = folder.folds ? folder.names.valueFor(folder.names.keep(name.toCaseFolded()))
                                           : folder.names.valueFor(name, r.targetHash);
            if (slotNumber == 0) {
                folder.slotList.emplace_back();
                slotNumber = int(folder.slotList.size());
            }
            r.slot = slotNumber - 1;
            folder.notePlaced(name.size());
            markDuplicate(i, folder.slotList[size_t(r.slot)]);
        }
    }

    void markDuplicate(int i, TargetFolder::Slot &slot)
    {
        if (slot.target < 0) {
            slot.target = i;
            return;
        }
        RowCheck &row = m_rowChecks[i];
        RowCheck &first = m_rowChecks[slot.target];
        // A row that keeps its name stays what it is; the other row names it.
        if (first.status != RowStatus::TooLong && first.status != RowStatus::Unchanged) {
            first.status = RowStatus::Duplicate;
            if (first.otherRow < 0)
                first.otherRow = i;
        }
        if (row.status != RowStatus::Unchanged) {
            row.status = RowStatus::Duplicate;
            row.otherRow = slot.target;
        }
    }

    // Sources that move away free their names for other rows (swaps, chains).
    void freeMovedSources()
    {
        size_t run = 0;
        TargetFolder *lastFolder = nullptr;
        for (int i = 0; i < m_count; ++i) {
            if (run < m_sourceRuns.size() && m_sourceRuns[run].firstRow == i)
                lastFolder = m_folders.find(*m_sourceRuns[run++].key);
            const Row &r = m_rows[size_t(i)];
            if (m_rowChecks[i].status == RowStatus::Unchanged)
                continue;
            TargetFolder *folder = m_mode == BatchMode::RenameInPlace && r.folder ? folderOf(r) : lastFolder;
            if (!folder)
                continue;
            const QStringView name(m_items.at(i).fileName());
            if (!folder->mayHoldLength(name.size()))
                continue; // most current names are no target: their length says so before any hashing
            const int *slotNumber =
                folder->folds ? folder->names.find(name.toString().toCaseFolded()) : folder->names.find(name);
            if (slotNumber)
                folder->slotList[size_t(*slotNumber - 1)].source = i;
        }
    }

    // Targets that no row accounts for: is a file of that name there?
    void findTargetsToTest(ExistenceTest existence)
    {
        for (int i = 0; i < m_count; ++i) {
            const Row &r = m_rows[size_t(i)];
            if (m_rowChecks[i].status != RowStatus::Ready)
                continue;
            // Another row's file, which moves away first, or the row's own
            // file under another spelling (a case-only rename).
            TargetFolder *folder = folderOf(r);
            if (folder->slotList[size_t(r.slot)].source >= 0)
                continue;
            if (existence != ExistenceTest::Yes)
                continue;
            if (folder->toTest.empty()) // at most one row a target: no growing by doubling
                folder->toTest.reserve(folder->slotList.size());
            folder->toTest.push_back(i);
        }
    }

    const RenameItemList &m_items;
    const BatchMode m_mode;
    const QString m_destination;
    const bool m_moving;
    const int m_count;
    std::vector<Row> m_rows;
    std::deque<QString> m_sourceKeys; // one per run of rows from one folder
    std::vector<SourceRun> m_sourceRuns;
    std::vector<TargetFolder *> m_targetFolders;
    FolderTable m_folders;
    PreviewCheck m_check;
    RowCheck *m_rowChecks = nullptr;
};

} // namespace

PreviewCheck checkPreview(const RenameItemList &items, const OptionPanel &options, ExistenceTest existence)
{
    return PreviewChecker(items, options).run(existence);
}

QString rowStatusText(const RowCheck &check)
{
    switch (check.status) {
    case RowStatus::Ready:
        return QCoreApplication::translate("Batch", "Ready");
    case RowStatus::Unchanged:
        return QCoreApplication::translate("Batch", "Unchanged");
    case RowStatus::Duplicate:
        return QCoreApplication::translate("Batch", "Same new name as row %1").arg(check.otherRow + 1);
    case RowStatus::Exists:
        return QCoreApplication::translate("Batch", "A file of this name is already there");
    case RowStatus::TooLong:
        return QCoreApplication::translate("Batch", "Name too long for the file system");
    case RowStatus::Empty:
        return QCoreApplication::translate("Batch", "Empty name");
    case RowStatus::NotBuilt:
        return QCoreApplication::translate("Batch", "No preview yet");
    }
    return QString();
}

QString rowStatusCountText(const PreviewCheck &check)
{
    QStringList parts;
    const int clashes = check.count(RowStatus::Duplicate) + check.count(RowStatus::Exists);
    if (clashes > 0)
        parts.append(QCoreApplication::translate("Batch", "%n clash(es)", nullptr, clashes));
    if (const int n = check.count(RowStatus::TooLong))
        parts.append(QCoreApplication::translate("Batch", "%n too long", nullptr, n));
    if (const int n = check.count(RowStatus::Empty))
        parts.append(QCoreApplication::translate("Batch", "%n empty", nullptr, n));
    if (const int n = check.count(RowStatus::NotBuilt))
        parts.append(QCoreApplication::translate("Batch", "%n not built", nullptr, n));
    if (const int n = check.count(RowStatus::Unchanged))
        parts.append(QCoreApplication::translate("Batch", "%n unchanged", nullptr, n));
    if (const int n = check.count(RowStatus::Ready))
        parts.append(QCoreApplication::translate("Batch", "%n ready", nullptr, n));
    return parts.join(QStringLiteral(", "));
}

bool preflightNames(const RenameItemList &items, const OptionPanel &options)
{
    for (const RenameItem &item : items.items()) {
        if (item.newName.isEmpty())
            return false;
    }
    // Only names too long for their folder stop a batch before it starts (the
    // batch settles clashes itself): one pass over the names, no tables.
    const QString destination = trimControl(options.destination);
    QList<int> tooLong;
    QString lastFolder;
    QByteArray target;
    NameLimits limits;
    for (int i = 0; i < items.count(); ++i) {
        const RenameItem &item = items.at(i);
        if (i == 0 || (options.batchMode == BatchMode::RenameInPlace && !isSameText(item.folder(), lastFolder))) {
            lastFolder = item.folder();
            target = targetFolder(item, options.batchMode, destination).toUtf8();
            limits = nameLimitsOf(nearestExisting(target));
        }
        if (isTooLong(NameTable::utf8SizeOf(item.newName), target.size(), limits))
            tooLong.append(i);
    }
    if (tooLong.isEmpty())
        return true;
    QStringList lines;
    for (const int i : std::as_const(tooLong)) {
        if (lines.size() == kRowsNamed)
            break;
        lines.append(QCoreApplication::translate("Batch", "row %1: %2 (%3 bytes)")
                         .arg(QString::number(i + 1), items.at(i).originalPath(),
                              QString::number(NameTable::utf8SizeOf(items.at(i).newName))));
    }
    const int total = int(tooLong.size());
    if (total > lines.size())
        lines.append(QCoreApplication::translate("Batch", "... and %n more", nullptr, total - int(lines.size())));
    throw MorvaneError(
        QCoreApplication::translate(
            "Batch", "%n new name(s) are too long for the file system of their folder; nothing was renamed:", nullptr,
            total)
        + u'\n' + lines.join(u'\n'));
}

QString batchConfirmationText(const PreviewCheck &check, const OptionPanel &options)
{
    QString text = QCoreApplication::translate("Batch", "Proceed to rename files as shown in the preview?");
    const int changed = int(check.rows.size()) - check.count(RowStatus::Unchanged);
    QStringList lines;
    switch (options.batchMode) {
    case BatchMode::RenameInPlace:
        lines.append(QCoreApplication::translate("Batch", "%n file(s) will be renamed.", nullptr, changed));
        break;
    case BatchMode::CopyToFolder:
        lines.append(QCoreApplication::translate("Batch", "%n file(s) will be copied.", nullptr, changed));
        break;
    case BatchMode::MoveToFolder:
        lines.append(QCoreApplication::translate("Batch", "%n file(s) will be moved.", nullptr, changed));
        break;
    }
    if (const int n = check.count(RowStatus::Unchanged))
        lines.append(QCoreApplication::translate("Batch", "%n file(s) keep their name.", nullptr, n));
    int clashes = check.count(RowStatus::Exists);
    for (int i = 0; i < check.rows.size(); ++i) {
        const RowCheck &row = check.rows.at(i);
        if (row.status == RowStatus::Duplicate && row.otherRow < i)
            ++clashes;
    }
    if (clashes > 0) {
        switch (options.conflict) {
        case ConflictMode::Skip:
            lines.append(QCoreApplication::translate("Batch", "%n clash(es) will be skipped.", nullptr, clashes));
            break;
        case ConflictMode::Overwrite:
            lines.append(QCoreApplication::translate(
                "Batch", "%n clash(es) will replace the file there (files of this batch are numbered instead).",
                nullptr, clashes));
            break;
        case ConflictMode::AutoNumber:
            lines.append(QCoreApplication::translate("Batch", "%n clash(es) will get a number.", nullptr, clashes));
            break;
        }
    }
    return text + QStringLiteral("\n\n") + lines.join(u'\n');
}

} // namespace morvane
