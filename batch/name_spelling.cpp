#include "batch/name_spelling.h"

#include <QString>

#include <dirent.h>

#include <cstring>

namespace morvane {

namespace {

struct SplitPath {
    QByteArray folder; // "/" for the root
    QByteArray name;
};

SplitPath splitPath(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash <= 0)
        return {QByteArrayLiteral("/"), path.mid(slash + 1)};
    return {path.left(slash), path.mid(slash + 1)};
}

bool equalIgnoringCase(const QByteArray &a, const QByteArray &b)
{
    return QString::compare(QString::fromUtf8(a), QString::fromUtf8(b), Qt::CaseInsensitive) == 0;
}

class FolderListing {
public:
    explicit FolderListing(const QByteArray &folder) : m_dir(::opendir(folder.constData())) {}
    ~FolderListing()
    {
        if (m_dir)
            ::closedir(m_dir);
    }
    FolderListing(const FolderListing &) = delete;
    FolderListing &operator=(const FolderListing &) = delete;
    bool isOpen() const { return m_dir != nullptr; }
    // The next entry's name, "." and ".." left out; null at the end.
    const char *next()
    {
        while (const dirent *entry = ::readdir(m_dir)) {
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
                return entry->d_name;
        }
        return nullptr;
    }

private:
    DIR *m_dir;
};

} // namespace

bool isOtherSpellingOfSource(SystemCalls &sys, const QByteArray &from, const QByteArray &to)
{
    const SplitPath source = splitPath(from);
    const SplitPath target = splitPath(to);
    if (source.folder != target.folder || source.name == target.name)
        return false;
    // Names that differ beyond case are only listed when the inode says they
    // may be one file (a folding unknown here): ordinary clashes cost no listing.
    if (!equalIgnoringCase(source.name, target.name)) {
        struct stat a, b;
        if (sys.lstat(from.constData(), &a) != 0 || sys.lstat(to.constData(), &b) != 0 || a.st_dev != b.st_dev
            || a.st_ino != b.st_ino)
            return false;
    }
    FolderListing listing(source.folder);
    if (!listing.isOpen())
        return false; // cannot tell: a clash, which loses nothing
    const QString targetName = QString::fromUtf8(target.name);
    bool sourceListed = false;
    while (const char *name = listing.next()) {
        const qsizetype length = qsizetype(std::strlen(name));
        if (QByteArrayView(name, length) == target.name)
            return false; // an entry of that very name: another file
        if (QByteArrayView(name, length) == source.name)
            sourceListed = true;
        else if (QString::compare(QString::fromUtf8(name, length), targetName, Qt::CaseInsensitive) == 0)
            return false; // another file that matches the target with case ignored
    }
    return sourceListed;
}

bool folderListsExactName(const QByteArray &path)
{
    const SplitPath split = splitPath(path);
    FolderListing listing(split.folder);
    if (!listing.isOpen())
        return true;
    while (const char *name = listing.next()) {
        if (QByteArrayView(name) == split.name)
            return true;
    }
    return false;
}

} // namespace morvane
