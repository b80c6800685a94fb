#include "file_collection.h"

#include "morvane_error.h"
#include "text_file.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsDirectoryAt(int dirFd, const char *name, bool followLinks)
{
    struct stat st;
    if (fstatat(dirFd, name, &st, followLinks ? 0 : AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    return S_ISDIR(st.st_mode);
}

// Walks one open folder; dirFd is owned by the caller's DIR.
void ListInto(DIR *dir, const QString &folder, bool includeSubfolders, QStringList &files, QStringList *skipped)
{
    const int dirFd = dirfd(dir);
    while (const dirent *entry = readdir(dir)) {
        const char *raw = entry->d_name;
        if (raw[0] == '.' && (raw[1] == 0 || (raw[1] == '.' && raw[2] == 0)))
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            struct stat st;
            if (fstatat(dirFd, raw, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;   // vanished while we looked
            type = S_ISDIR(st.st_mode) ? DT_DIR : (S_ISLNK(st.st_mode) ? DT_LNK : DT_REG);
        }
        // A link to a folder counts as a folder, but is not walked.
        if (type == DT_LNK && IsDirectoryAt(dirFd, raw, true))
            continue;
        if (type == DT_DIR && !includeSubfolders)
            continue;

        QString name;
        if (!DecodeUtf8Strict(QByteArrayView(raw), &name) || name.contains(QChar(0xFFFD))) {
            if (skipped)
                skipped->append(JoinFolderPath(folder, QString::fromUtf8(raw)));
            continue;
        }
        const QString path = JoinFolderPath(folder, name);
        if (type != DT_DIR) {
            files.append(path);
            continue;
        }
        const int subFd = openat(dirFd, raw, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (subFd < 0)
            continue;   // unreadable subfolders are skipped without a word
        DIR *sub = fdopendir(subFd);
        if (!sub) {
            ::close(subFd);
            continue;
        }
        ListInto(sub, path, includeSubfolders, files, skipped);
        closedir(sub);
    }
}

} // namespace

QString JoinFolderPath(const QString &folder, const QString &name)
{
    if (folder.endsWith(u'/'))
        return folder + name;
    return folder + u'/' + name;
}

bool IsExistingFolder(const QString &path)
{
    if (path.isEmpty() || !IsExactLocalPath(path))
        return false;
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

QStringList ListFolderFiles(const QString &folder, bool includeSubfolders, QStringList *skipped)
{
    QStringList files;
    if (folder.isEmpty())
        return files;
    if (!IsExactLocalPath(folder))
        throw MorvaneError(InexactPathMessage(folder));
    DIR *dir = opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return files;
    ListInto(dir, folder, includeSubfolders, files, skipped);
    closedir(dir);
    return files;
}

int AddFolder(RenameItemList &items, const QString &folder, bool includeSubfolders, QStringList *skipped)
{
    if (!IsExactLocalPath(folder) && !folder.isEmpty())
        throw MorvaneError(InexactPathMessage(folder));
    if (!IsExistingFolder(folder))
        return -1;
    int added = 0;
    for (const QString &path : ListFolderFiles(folder, includeSubfolders, skipped)) {
        if (items.AddFileItem(path))
            ++added;
    }
    return added;
}
