#include "engine/file_collection.h"

#include "engine/morvane_error.h"
#include "engine/name_store.h"
#include "engine/natural_order.h"
#include "engine/paths.h"
#include "engine/text_file.h"

#include <QFile>

#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>

namespace morvane {

namespace {

bool isDirectoryAt(int dirFd, const char *name, bool followLinks)
{
    struct stat st;
    if (fstatat(dirFd, name, &st, followLinks ? 0 : AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    return S_ISDIR(st.st_mode);
}

// The name of a folder entry, strictly decoded from UTF-8; false for bytes
// that are not UTF-8 or that hold U+FFFD.
bool decodeName(const char *raw, QString *name, NameStore &names)
{
    qsizetype n = 0;
    bool ascii = true;
    for (; raw[n]; ++n)
        ascii &= static_cast<unsigned char>(raw[n]) < 0x80;
    if (ascii) {
        // Most names: ASCII is UTF-8 as it stands, nothing to check.
        *name = names.storeLatin1(QByteArrayView(raw, n));
        return true;
    }
    QString decoded;
    if (!decodeUtf8Strict(QByteArrayView(raw, n), &decoded) || decoded.contains(QChar(0xFFFD)))
        return false;
    *name = names.store(decoded);
    return true;
}

// One entry of a folder, kept until the folder is sorted.
struct Entry {
    size_t raw; // offset of the NUL-terminated raw name in the folder's name buffer
    unsigned char type;
    QString name;
};

QString unreadableEntry(const QString &path, int error)
{
    return path + QStringLiteral(": ") + systemErrorText(error);
}

// Walks one open folder; dirFd is owned by the caller's DIR. Every file found
// goes to onFile(dirFd, raw name, type, folder with its "/", decoded name to
// keep, false); the folder string is one for all the files of a folder
// while its folder is open (type is DT_REG, DT_LNK or any other non-folder
// type); with listing.folderItems every subfolder goes there instead (DT_DIR,
// true), just before it is walked. In natural order expect(n) tells how many
// files of the folder come next.
template <typename OnFile, typename Expect>
void listInto(DIR *dir, const QString &folder, const FolderListing &listing, QStringList *skipped, OnFile &onFile,
              Expect &expect, NameStore &names)
{
    const int dirFd = dirfd(dir);
    // The folder and its "/", joined once for all its names.
    const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
    auto joined = [&prefix](const QString &name) {
        QString path;
        path.reserve(prefix.size() + name.size());
        path.append(prefix);
        path.append(name);
        return path;
    };
    auto walkSubfolder = [&](const char *raw, QString &&name) {
        const QString path = joined(name);
        if (listing.folderItems)
            onFile(dirFd, raw, DT_DIR, prefix, std::move(name), true);
        const int subFd = openat(dirFd, raw, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (subFd < 0) {
            if (listing.unreadable)
                listing.unreadable->append(unreadableEntry(path, errno));
            return;
        }
        DIR *sub = fdopendir(subFd);
        if (!sub) {
            ::close(subFd);
            return;
        }
        listInto(sub, path, listing, skipped, onFile, expect, names);
        closedir(sub);
    };

    // Natural order needs the whole folder first: its names, files and subfolders apart.
    std::string rawNames;
    QList<Entry> files, folders;
    while (const dirent *entry = readdir(dir)) {
        const char *raw = entry->d_name;
        if (raw[0] == '.' && (raw[1] == 0 || (raw[1] == '.' && raw[2] == 0)))
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            struct stat st;
            if (fstatat(dirFd, raw, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // vanished while we looked
            type = S_ISDIR(st.st_mode) ? DT_DIR : (S_ISLNK(st.st_mode) ? DT_LNK : DT_REG);
        }
        // A link to a folder counts as a folder, but is not walked.
        if (type == DT_LNK && isDirectoryAt(dirFd, raw, true))
            continue;
        if (type == DT_DIR && !listing.includeSubfolders)
            continue;
        if (type != DT_DIR && listing.folderItems)
            continue;

        QString name;
        if (!decodeName(raw, &name, names)) {
            if (skipped && (type == DT_DIR || listing.mask.matches(QString::fromUtf8(raw))))
                skipped->append(joinFolderPath(folder, QString::fromUtf8(raw)));
            continue;
        }
        if (type != DT_DIR && !listing.mask.matches(name))
            continue;
        if (!listing.naturalOrder) {
            if (type == DT_DIR)
                walkSubfolder(raw, std::move(name));
            else
                onFile(dirFd, raw, type, prefix, std::move(name), false);
            continue;
        }
        (type == DT_DIR ? folders : files).append(Entry{rawNames.size(), type, std::move(name)});
        rawNames.append(raw);
        rawNames.push_back('\0');
    }
    auto inOrder = [&](QList<Entry> &entries, bool subfolders) {
        const QList<int> order =
            naturalOrder(entries.size(), [&entries](qsizetype i) { return QStringView(entries[i].name); });
        for (int i : order) {
            Entry &e = entries[i];
            const char *raw = rawNames.data() + e.raw;
            if (subfolders)
                walkSubfolder(raw, std::move(e.name));
            else
                onFile(dirFd, raw, e.type, prefix, std::move(e.name), false);
        }
    };
    expect(files.size());
    inOrder(files, false);
    inOrder(folders, true);
}

} // namespace

bool isExistingFolder(const QString &path)
{
    if (path.isEmpty() || !isExactLocalPath(path))
        return false;
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

QStringList listFolderFiles(const QString &folder, const FolderListing &listing, QStringList *skipped)
{
    QStringList files;
    if (folder.isEmpty())
        return files;
    if (!isExactLocalPath(folder))
        throw MorvaneError(inexactPathMessage(folder));
    DIR *dir = opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return files;
    auto onFile = [&files](int, const char *, unsigned char, const QString &prefix, QString &&name, bool isFolder) {
        if (!isFolder)
            files.append(prefix + name);
    };
    auto expect = [&files](qsizetype more) {
        if (files.size() + more > files.capacity())
            files.reserve(std::max(files.size() + more, 2 * files.capacity()));
    };
    NameStore names; // the names live in the paths joined from them, not here
    listInto(dir, folder, listing, skipped, onFile, expect, names);
    closedir(dir);
    return files;
}

int addFolder(RenameItemList &items, const QString &folder, const FolderListing &listing, QStringList *skipped)
{
    if (!isExactLocalPath(folder) && !folder.isEmpty())
        throw MorvaneError(inexactPathMessage(folder));
    if (!isExistingFolder(folder))
        return -1;
    int added = 0;
    if (listing.folderItems) {
        added += items.addFolderItem(folder) ? 1 : 0;
        if (!listing.includeSubfolders)
            return added;
    }
    // addFileItem for every listed file, with what the walk already knows: the
    // listed names decoded strictly (so every path is exact) and the open folder
    // (so the look at each file starts there, not at the root).
    DIR *dir = opendir(QFile::encodeName(folder).constData());
    if (!dir) {
        if (listing.unreadable)
            listing.unreadable->append(unreadableEntry(folder, errno));
        return added; // a folder item stays an item even when its contents cannot be read
    }
    // One walk lists every path once: only items from before can be duplicates.
    const bool fresh = items.isEmpty();
    auto onFile = [&](int dirFd, const char *raw, unsigned char type, const QString &prefix, QString &&name,
                      bool isFolder) {
        if (!fresh && items.itemExists(prefix + name))
            return;
        RenameItem item;
        // The listing's type answers "a regular file?"; a link needs the look that follows it.
        if (!isFolder && !listing.readFacts && type == DT_REG)
            item.size = RenameItem::kFactsUnread;
        else if (!readFileFactsAt(dirFd, raw, &item, isFolder ? ItemKind::Folder : ItemKind::File))
            return;
        // The folder's string is shared by its items; the name is the listing's own text.
        item.setPath(prefix, std::move(name));
        items.append(std::move(item));
        ++added;
    };
    auto expect = [&items](qsizetype more) { items.reserveMore(more); };
    NameStore names; // the items' names, packed together
    listInto(dir, folder, listing, skipped, onFile, expect, names);
    closedir(dir);
    return added;
}

} // namespace morvane
