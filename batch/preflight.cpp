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

#include <climits>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace morvane {

namespace {

// Rows with no more targets to test than this in a folder are looked up one
// by one; above it the folder is listed once.
constexpr int kListingThreshold = 64;
constexpr int kRowsNamed = 10;

// Bytes of the UTF-8 form, without making it.
qsizetype utf8Length(QStringView text)
{
    qsizetype bytes = 0;
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80)
            bytes += 1;
        else if (u < 0x800)
            bytes += 2;
        else if (QChar::isHighSurrogate(u))
            bytes += 4; // with its low half, which adds nothing
        else if (!QChar::isLowSurrogate(u))
            bytes += 3;
    }
    return bytes;
}

// Where the item's file name starts, less one. Its name and extension end
// the path, so the slash stands right before them; the loop is for an item
// whose parts do not say so. This runs twice for every row of a live preview.
qsizetype lastSlash(const RenameItem &item)
{
    const QString &path = item.originalPath;
    const qsizetype guess = path.size() - item.originalName.size() - item.ext.size() - 1;
    if (guess >= 0 && path.at(guess) == u'/'
        && QStringView(path).sliced(guess + 1, item.originalName.size()) == item.originalName
        && QStringView(path).sliced(path.size() - item.ext.size()) == item.ext && !item.originalName.contains(u'/')
        && !item.ext.contains(u'/'))
        return guess;
    const QChar *p = path.constData();
    qsizetype i = path.size();
    while (i > 0 && p[i - 1] != u'/')
        --i;
    return i - 1;
}

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
    long nameMax = 255;
    long pathMax = PATH_MAX;
    bool folds = false;
    struct Slot {
        int target = -1; // first row landing at this name
        int source = -1; // a row whose file now has this name and moves away
    };
    NameTable names; // name (case-folded where the folder ignores case) -> its slot + 1
    std::vector<Slot> slotList;
    QList<int> toTest; // rows whose target may be taken by a file outside the batch
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
            m_expectedNames = 0; // the first folder usually holds the whole batch
            const QByteArray existing = nearestExisting(f.encoded);
            errno = 0;
            if (const long n = ::pathconf(existing.constData(), _PC_NAME_MAX); n > 0)
                f.nameMax = n;
            if (const long n = ::pathconf(existing.constData(), _PC_PATH_MAX); n > 0)
                f.pathMax = n;
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
void testExistence(TargetFolder &folder, PreviewCheck &check, const RenameItemList &items)
{
    if (folder.toTest.isEmpty())
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
    for (size_t i = 0; i < listing->count(); ++i) {
        const int *slotNumber = folder.folds
            // Where the folder ignores case its names are compared folded.
            ? folder.names.find(QString::fromUtf8(listing->name(i), listing->size(i)).toCaseFolded())
            : folder.names.findUtf8(listing->name(i), listing->size(i), listing->hash(i)); // raw bytes, not decoded
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
        return withoutTrailingSlash(absolutePath(folderPart(item.originalPath)));
    return withoutTrailingSlash(absolutePath(destination));
}

PreviewCheck checkPreview(const RenameItemList &items, const OptionPanel &options, ExistenceTest existence)
{
    const BatchMode mode = options.batchMode;
    const QString destination = trimControl(options.destination);
    const bool moving = mode != BatchMode::CopyToFolder;
    PreviewCheck check;
    const int count = items.count();
    check.rows.resize(count);
    FolderTable folders;
    folders.expectNames(count);
    std::vector<TargetFolder *> rowFolder(size_t(count), nullptr);
    std::vector<int> rowSlot(size_t(count), -1);

    // The hashes first, so the table's slots can be asked for ahead of use.
    std::vector<quint64> hashes(static_cast<size_t>(count));
    std::vector<qsizetype> utf8Sizes(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        hashes[size_t(i)] = NameTable::hashOf(items.at(i).newName, &utf8Sizes[size_t(i)]);
    constexpr int kAhead = 16;

    // Targets: unchanged, too long, duplicate.
    QString lastSourceFolder, lastTargetFolder;
    TargetFolder *lastFolder = nullptr;
    for (int i = 0; i < count; ++i) {
        const RenameItem &item = items.at(i);
        RowCheck &row = check.rows[i];
        if (lastFolder && i + kAhead < count)
            lastFolder->names.prefetch(hashes[size_t(i + kAhead)]); // rows mostly share their folder
        if (item.newName.isEmpty()) {
            row.status = RowStatus::Empty;
            continue;
        }
        const QStringView sourceFolder = QStringView(item.originalPath).left(lastSlash(item) + 1);
        const QStringView sourceName = QStringView(item.originalPath).mid(sourceFolder.size());
        if (mode == BatchMode::RenameInPlace) {
            if (sourceFolder != QStringView(lastSourceFolder)) {
                lastSourceFolder = sourceFolder.toString();
                lastTargetFolder = targetFolder(item, mode, destination);
            }
        } else if (lastTargetFolder.isEmpty()) {
            lastTargetFolder = withoutTrailingSlash(absolutePath(destination));
        }
        TargetFolder &folder = folders.at(lastTargetFolder, sourceName);
        rowFolder[size_t(i)] = &folder;
        lastFolder = &folder;
        const bool sameFolder = mode == BatchMode::RenameInPlace
            || withoutTrailingSlash(absolutePath(sourceFolder.toString())) == lastTargetFolder;
        row.status = sameFolder && sourceName == item.newName ? RowStatus::Unchanged : RowStatus::Ready;
        const qsizetype bytes = utf8Sizes[size_t(i)];
        const quint64 hash = hashes[size_t(i)];
        if (bytes > folder.nameMax || folder.encoded.size() + 1 + bytes >= folder.pathMax) {
            row.status = RowStatus::TooLong;
            continue;
        }
        int &slotNumber = folder.folds ? folder.names.valueFor(folder.names.keep(item.newName.toCaseFolded()))
                                       : folder.names.valueFor(item.newName, hash);
        if (slotNumber == 0) {
            folder.slotList.emplace_back();
            slotNumber = int(folder.slotList.size());
        }
        const int slotIndex = slotNumber - 1;
        rowSlot[size_t(i)] = slotIndex;
        TargetFolder::Slot &slot = folder.slotList[size_t(slotIndex)];
        if (slot.target < 0) {
            slot.target = i;
        } else {
            RowCheck &first = check.rows[slot.target];
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
    }

    // Sources that move away free their names for other rows (swaps, chains).
    if (moving) {
        for (int i = 0; i < count; ++i) {
            const RenameItem &item = items.at(i);
            if (check.rows[i].status == RowStatus::Unchanged)
                continue;
            const qsizetype slash = lastSlash(item);
            const QString folderPath =
                mode == BatchMode::RenameInPlace || slash < 0 ? QString() : item.originalPath.left(slash + 1);
            TargetFolder *folder = rowFolder[size_t(i)] && mode == BatchMode::RenameInPlace
                ? rowFolder[size_t(i)]
                : folders.find(withoutTrailingSlash(absolutePath(folderPath)));
            if (!folder)
                continue;
            // A view of the name inside the path: no copy for the look-up.
            const QStringView name = QStringView(item.originalPath).mid(slash + 1);
            const int *slotNumber =
                folder->folds ? folder->names.find(name.toString().toCaseFolded()) : folder->names.find(name);
            if (slotNumber)
                folder->slotList[size_t(*slotNumber - 1)].source = i;
        }
    }

    // Targets that no row accounts for: is a file of that name there?
    for (int i = 0; i < count; ++i) {
        RowCheck &row = check.rows[i];
        if (row.status != RowStatus::Ready)
            continue;
        TargetFolder *folder = rowFolder[size_t(i)];
        const TargetFolder::Slot slot = folder->slotList[size_t(rowSlot[size_t(i)])];
        if (slot.source >= 0 && slot.source != i) {
            continue; // another row's file, which moves away first
        }
        if (slot.source == i)
            continue; // the row's own file under another spelling (a case-only rename)
        if (existence == ExistenceTest::Yes)
            folder->toTest.append(i);
    }
    if (existence == ExistenceTest::Yes) {
        folders.forEach([&](TargetFolder &folder) { testExistence(folder, check, items); });
    }
    countRows(check);
    return check;
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
    const PreviewCheck check = checkPreview(items, options, ExistenceTest::No);
    if (check.count(RowStatus::TooLong) == 0)
        return true;
    QStringList lines;
    for (int i = 0; i < check.rows.size() && lines.size() < kRowsNamed; ++i) {
        if (check.rows.at(i).status == RowStatus::TooLong)
            lines.append(QCoreApplication::translate("Batch", "row %1: %2 (%3 bytes)")
                             .arg(QString::number(i + 1), items.at(i).originalPath,
                                  QString::number(utf8Length(items.at(i).newName))));
    }
    const int total = check.count(RowStatus::TooLong);
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
