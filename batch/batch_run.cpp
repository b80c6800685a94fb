#include "batch/batch_run.h"

#include "batch/batch_texts.h"
#include "batch/folder_names.h"
#include "batch/name_spelling.h"
#include "batch/preflight.h"
#include "engine/morvane_error.h"
#include "engine/paths.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

namespace morvane {

namespace {

constexpr int kProgressStep = 4096;

// Appends the UTF-8 form of text; plain ASCII, the common case, needs no temporary.
void appendUtf8(QByteArray &out, QStringView text)
{
    const QChar *p = text.data();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i].unicode() >= 0x80) {
            out += text.toUtf8();
            return;
        }
    }
    const qsizetype at = out.size();
    out.resize(at + n);
    char *d = out.data() + at;
    for (qsizetype i = 0; i < n; ++i)
        d[i] = char(p[i].unicode());
}

// The folder's encoded path, then name: appended as bytes, since += onto an
// empty array would share the folder's and copy it again.
void setFolderPath(QByteArray &out, const QByteArray &folder, QStringView name)
{
    out.resize(0);
    out.append(folder.constData(), folder.size());
    appendUtf8(out, name);
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

void SourceFolder::select(QStringView folder, const QString &cwd)
{
    if (!m_known || folder != QStringView(m_path))
        select(folder.toString(), cwd);
}

void SourceFolder::select(const QString &folder, const QString &cwd)
{
    if (m_known && isSameText(folder, m_path))
        return;
    m_fd.reset();
    m_known = true;
    m_path = folder;
    m_valid = !hasInvalidPathCharacters(m_path);
    m_encoded = absolutePathIn(m_path, cwd).toUtf8();
    // Without it every call walks the absolute path, which works just as well.
    if (m_valid)
        m_fd = FileDescriptor(m_sys, m_sys.open(m_encoded.constData(), O_RDONLY | O_DIRECTORY | O_PATH, 0));
}

void BatchFileIndex::collect()
{
    m_known = true;
    for (int j = 0; j < m_items.count(); ++j) {
        struct stat st;
        const QByteArray path = absolutePathIn(m_items.at(j).originalPath(), m_cwd).toUtf8();
        m_paths.insert(path, j);
        if (m_sys.lstat(path.constData(), &st) == 0)
            m_files.insert(FileId{st.st_dev, st.st_ino}, j);
        else if (errno != ENOENT && errno != ENOTDIR)
            throw MorvaneError(systemErrorText(errno)); // unknown: an overwrite could destroy it
    }
}

bool BatchFileIndex::isOtherItemsFile(const struct stat &target, const QByteArray &targetPath, int index)
{
    if (!m_known)
        collect();
    const auto it = m_files.constFind(FileId{target.st_dev, target.st_ino});
    return (it != m_files.cend() && it.value() != index) || m_paths.value(targetPath, index) != index;
}

void BatchFileIndex::moved(int index, const QByteArray &from, const QByteArray &to)
{
    if (!m_known)
        return;
    struct stat st; // a move across file systems makes a new file
    if (m_sys.lstat(to.constData(), &st) == 0)
        m_files.insert(FileId{st.st_dev, st.st_ino}, index);
    if (m_paths.value(from, -1) == index)
        m_paths.remove(from);
    m_paths.insert(to, index);
}

BatchRun::BatchRun(RenameItemList &items, const OptionPanel &options, Reporter &reporter, const BatchEnvironment &env)
    : m_items(items), m_options(options), m_reporter(reporter), m_env(env), m_mode(options.batchMode),
      m_destination(destinationFolder(options.destination, QDir::homePath())), m_cwd(QDir::currentPath()),
      m_sys(env.sys ? *env.sys : realSystemCalls()), m_ops(m_sys),
      m_journal(m_sys, undoLogPath(env.appDataFolder.isEmpty() ? appDataFolder() : env.appDataFolder)), m_folder(m_sys),
      m_batchFiles(m_sys, items, m_cwd)
{
}

void BatchRun::run()
{
    // Moving a folder to another file system copies its whole tree: not done here.
    if (m_mode != BatchMode::RenameInPlace && m_items.hasFolders()) {
        int folders = 0;
        for (const RenameItem &item : m_items.items())
            folders += item.isFolder ? 1 : 0;
        m_reporter.error(batchText::foldersOnlyInPlace(folders));
        return;
    }
    if (m_mode != BatchMode::RenameInPlace && m_destination.isEmpty()) {
        m_reporter.warning(batchText::selectDestination());
        return;
    }
    // A relative folder would land below whatever folder the program started in.
    if (m_mode != BatchMode::RenameInPlace && !m_destination.startsWith(u'/')) {
        m_reporter.error(batchText::relativeDestination(m_destination));
        return;
    }
    // Every check that could stop the batch midway runs before the first file moves.
    if (!preflightNames(m_items, m_options)) {
        m_reporter.warning(batchText::buildPreviewFirst());
        return;
    }
    if (m_mode != BatchMode::RenameInPlace && !m_ops.folderExists(m_destination)) {
        m_ops.forceDirectories(m_destination);
        if (!m_ops.folderExists(m_destination)) {
            // Once more, for the reason: the creation itself does not report one.
            const int error =
                m_sys.mkdir(absolutePathIn(m_destination, m_cwd).toUtf8().constData(), 0777) == 0 ? 0 : errno;
            if (error != 0 || !m_ops.folderExists(m_destination))
                throw MorvaneError(
                    batchText::destinationNotCreated(m_destination, systemErrorText(error ? error : ENOTDIR)));
        }
    }

    FolderNames::forgetKept();
    const QList<MoveStep> steps = planMoves(m_items, m_mode, m_destination);
    const int count = int(steps.size());
    try {
        for (int i = 0; i < count; ++i) {
            if (const int next = renameRun(steps, i); next > i) {
                i = next - 1;
                continue;
            }
            if (i % kProgressStep == 0)
                m_reporter.progress(i, count);
            const MoveStep &step = steps.at(i);
            if (step.kind == MoveStep::Kind::Park)
                park(step.row);
            else
                renameItem(step.row);
        }
    } catch (...) {
        unparkAll();
        throw;
    }
    m_reporter.progress(count, count);

    if (m_items.count() > 0)
        m_journal.finish();
    report();
}

// The end of the batch: the usual message, or what was done and what failed,
// with the full list of failures in a file beside the log.
void BatchRun::report()
{
    const QString appData = m_env.appDataFolder.isEmpty() ? appDataFolder() : m_env.appDataFolder;
    const QString listPath = failureListPath(appData);
    if (m_failures.isEmpty()) {
        QFile::remove(listPath); // an older batch's list would speak for this one
        m_reporter.information(batchText::batchCompleted());
        return;
    }
    QSaveFile list(listPath);
    if (list.open(QIODevice::WriteOnly)) {
        list.write("\xEF\xBB\xBF");
        for (const Failure &failure : std::as_const(m_failures))
            list.write((failure.path + u'\t' + failure.reason).toUtf8() + "\r\n");
        list.commit();
    }
    QStringList first;
    for (qsizetype i = 0; i < m_failures.size() && i < 10; ++i)
        first.append(m_failures.at(i).path + QStringLiteral(": ") + m_failures.at(i).reason);
    m_reporter.warning(batchText::batchSummary(m_renamed, m_clashes, first, int(m_failures.size()), listPath));
}

// Moves the row's file out of the way under a temporary name in its own
// folder, one that no file has (the rename refuses to replace), so a cycle of
// rows can land. The journal holds the step, so undo and a kill lose nothing.
void BatchRun::park(int index)
{
    const QString source = absolutePathIn(m_items.at(index).originalPath(), m_cwd);
    const QString prefix = folderPart(source) + QStringLiteral(".morvane-%1-").arg(qint64(::getpid()));
    m_from = source.toUtf8();
    for (int attempt = 0;; ++attempt) {
        const QString temp = prefix + QString::number(++m_parkCount) + QStringLiteral(".swap");
        m_to = temp.toUtf8();
        JournalEntry entry(m_journal, m_from, m_to);
        if (m_ops.renameNoReplace(m_from.constData(), m_to.constData()) == 0) {
            entry.done();
            m_parked.insert(index, temp);
            m_batchFiles.moved(index, m_from, m_to);
            return;
        }
        const int error = errno;
        entry.cancel();
        if (error != EEXIST || attempt == 100)
            m_ops.throwMoveError(m_from, m_to, error);
    }
}

// Puts a parked file back under its own name; false when that name is taken.
bool BatchRun::unpark(int index) noexcept
{
    try {
        const QByteArray temp = m_parked.value(index).toUtf8();
        const QByteArray original = absolutePathIn(m_items.at(index).originalPath(), m_cwd).toUtf8();
        JournalEntry entry(m_journal, temp, original);
        if (m_ops.renameNoReplace(temp.constData(), original.constData()) != 0) {
            entry.cancel();
            return false;
        }
        entry.done();
        m_parked.remove(index);
        m_batchFiles.moved(index, temp, original);
        return true;
    } catch (...) {
        return false; // it stays under the temporary name, which the journal holds
    }
}

// A batch that stops gives back the files it parked where it can.
void BatchRun::unparkAll() noexcept
{
    const QList<int> rows = m_parked.keys();
    for (const int row : rows)
        unpark(row);
}

int BatchRun::renameRun(const QList<MoveStep> &steps, int first)
{
    if (m_mode != BatchMode::RenameInPlace)
        return first;
    // Plain renames of files in place, none moved aside, all in the folder of the first.
    m_run.resize(0);
    m_runLines.resize(0);
    const int count = int(steps.size());
    for (int i = first; i < count && m_run.size() < UndoJournal::kPendingLines; ++i) {
        const MoveStep &step = steps.at(i);
        if (step.kind != MoveStep::Kind::Place || m_parked.contains(step.row))
            break;
        const RenameItem &item = m_items.at(step.row);
        // A folder takes the items below it along: the usual way follows them.
        if (item.isFolder)
            break;
        if (m_run.isEmpty()) {
            m_folder.select(item.folder(), m_cwd);
            if (!m_folder.valid() || m_folder.fd() < 0)
                break;
        } else if (!isSameText(item.folder(), m_folder.path())) {
            break;
        }
        // Names the usual way deals with: unchanged, invalid or a path.
        if (item.newName.isEmpty() || item.newName.startsWith(u'/') || hasInvalidPathCharacters(item.newName)
            || item.fileName() == item.newName)
            break;
        setFolderPath(m_from, m_folder.encoded(), item.fileName());
        setFolderPath(m_to, m_folder.encoded(), item.newName);
        const qsizetype before = m_runLines.size();
        UndoJournal::appendEntryLine(m_runLines, m_from, m_to);
        m_run.append(RunEntry{step.row, int(m_runLines.size() - before)});
    }
    if (m_run.isEmpty())
        return first;

    // One write for the lines, then the renames; a rename that does not go
    // through takes its line and those after it back and goes the usual way.
    m_journal.intendLines(m_runLines);
    try {
        for (int k = 0; k < m_run.size(); ++k) {
            const int i = first + k;
            if (i % kProgressStep == 0)
                m_reporter.progress(i, count);
            const RunEntry entry = m_run.at(k);
            const RenameItem &item = m_items.at(entry.row);
            setFolderPath(m_from, m_folder.encoded(), item.fileName());
            setFolderPath(m_to, m_folder.encoded(), item.newName);
            if (renameNoReplace(m_folder.fd()) != 0) {
                // Its outcome stands: the usual way takes it from here, without a second try.
                m_renameError = errno;
                m_journal.cancel();
                renameItem(entry.row);
                m_renameError = 0;
                return i + 1;
            }
            m_journal.confirmLine(entry.lineLength);
            ++m_renamed;
            itemPlaced(entry.row, m_folder.path(), item.newName);
        }
    } catch (...) {
        m_renameError = 0;
        m_journal.abandon(); // lines of renames not made go; a stop leaves the log exact
        throw;
    }
    return first + int(m_run.size());
}

void BatchRun::renameItem(int index)
{
    // Copies: the item is rewritten once it is placed.
    const QString source = m_parked.contains(index) ? m_parked.value(index) : m_items.at(index).originalPath();
    const QString newName = m_items.at(index).newName;
    m_itemIsFolder = m_items.at(index).isFolder;
    QString target;
    try {
        placeItem(index, source, newName, &target);
    } catch (const UndoLogError &) {
        throw; // without its log the batch could not be undone
    } catch (const MorvaneError &e) {
        // Going on is safe only while the log names exactly what was done.
        if (m_env.onError == OnError::Skip && m_journal.exact()) {
            m_failures.append({absolutePathIn(m_items.at(index).originalPath(), m_cwd), e.message()});
            // A file moved aside for a swap goes back; where it cannot, the log names it.
            if (m_parked.contains(index))
                unpark(index);
            return;
        }
        throw MorvaneError(batchText::withStep(e.message(), stepText(source, newName, target)));
    }
}

// "Renaming /a/b.txt to c.txt", "Moving /a/b.txt to /d/c.txt", ...
QString BatchRun::stepText(const QString &source, const QString &newName, const QString &target) const
{
    const QString from = absolutePathIn(source, m_cwd);
    if (m_mode == BatchMode::RenameInPlace)
        return batchText::renamingStep(from,
                                       target.isEmpty() || target.endsWith(newName) ? newName : fileNamePart(target));
    const QString to = target.isEmpty() ? m_destination + u'/' + newName : absolutePathIn(target, m_cwd);
    return m_mode == BatchMode::CopyToFolder ? batchText::copyingStep(from, to) : batchText::movingStep(from, to);
}

void BatchRun::placeItem(int index, const QString &source, const QString &newName, QString *target)
{
    int dirFd = -1;
    if (!locateTarget(source, newName, target, &dirFd))
        return;
    if (!placeAtFreeTarget(dirFd)) {
        switch (resolveClash(index)) {
        case Clash::Leave:
            ++m_clashes;
            // A parked file goes back under its own name, or, taken by now, gets a number.
            if (!m_parked.contains(index) || unpark(index))
                return;
            placeNumbered(target);
            break;
        case Clash::Replace:
            replaceExisting();
            break;
        case Clash::DropSource:
            dropSource();
            break;
        case Clash::Number:
            placeNumbered(target);
            break;
        case Clash::Respell:
            respell();
            break;
        }
    }
    ++m_renamed;
    itemPlaced(index, *target);
}

// Sets target, m_from and m_to, and the open folder both are relative to (or
// -1). False when the item keeps its name: nothing to do.
bool BatchRun::locateTarget(const QString &source, const QString &newName, QString *target, int *dirFd)
{
    const qsizetype nameStart = source.lastIndexOf(u'/') + 1;
    if (m_mode == BatchMode::RenameInPlace && !newName.startsWith(u'/')) {
        // In place: the folder is checked, made absolute and encoded once for all its files.
        m_folder.select(QStringView(source).left(nameStart), m_cwd);
        if (!m_folder.valid() || hasInvalidPathCharacters(newName))
            throw MorvaneError(invalidPathCharactersText());
        // Linux names are case-sensitive: only the very same name is unchanged.
        if (QStringView(source).mid(nameStart) == newName)
            return false;
        *target = m_folder.path() + newName;
        setFolderPath(m_from, m_folder.encoded(), QStringView(source).mid(nameStart));
        setFolderPath(m_to, m_folder.encoded(), newName);
        *dirFd = m_folder.fd();
        return true;
    }
    *target = pathJoin(m_mode == BatchMode::RenameInPlace ? folderPart(source) : m_destination, newName);
    const QString sourceAbs = absolutePathIn(source, m_cwd);
    const QString targetAbs = absolutePathIn(*target, m_cwd);
    // Linux names are case-sensitive: only the very same path is unchanged.
    // In copy and move mode the same path is the item's own file: nothing to do.
    if (sourceAbs == targetAbs)
        return false;
    m_from = sourceAbs.toUtf8();
    m_to = targetAbs.toUtf8();
    return true;
}

// "File exists" at a target: anything but a folder, a dangling link included.
bool BatchRun::fileAt(const QByteArray &path, struct stat *found)
{
    if (m_sys.lstat(path.constData(), found) != 0 || S_ISDIR(found->st_mode))
        return false;
    struct stat linked;
    return !S_ISLNK(found->st_mode) || m_sys.stat(path.constData(), &linked) != 0 || !S_ISDIR(linked.st_mode);
}

// What stands at a target and makes a clash: for a file, anything but a
// folder; for a folder, anything at all (a rename would fail on a file, and
// no folder is ever replaced).
bool BatchRun::clashAt(const QByteArray &path, struct stat *found)
{
    if (!m_itemIsFolder)
        return fileAt(path, found);
    return m_sys.lstat(path.constData(), found) == 0;
}

// With dirFd >= 0 both paths start with the encoded folder it is open on.
int BatchRun::renameNoReplace(int dirFd)
{
    if (dirFd >= 0) {
        const qsizetype rel = m_folder.encoded().size();
        if (m_sys.renameat2At(dirFd, m_from.constData() + rel, dirFd, m_to.constData() + rel, RENAME_NOREPLACE) == 0)
            return 0;
        if (errno != EINVAL && errno != ENOSYS)
            return -1;
    }
    return m_ops.renameNoReplace(m_from.constData(), m_to.constData());
}

// Moves or copies m_from to m_to, which must be free, its line in the journal
// first. False, with nothing done, when a file stands there. On one file
// system the rename itself is the clash check; a copy, which is costly to
// throw away, looks first.
bool BatchRun::placeAtFreeTarget(int dirFd)
{
    struct stat found;
    if (m_mode == BatchMode::CopyToFolder) {
        if (fileAt(m_to, &found))
            return false;
        JournalEntry entry(m_journal, m_from, m_to);
        m_ops.copyFileNative(m_from, m_to, FileOperations::Replace::No);
        entry.done();
        return true;
    }
    JournalEntry entry(m_journal, m_from, m_to);
    const int tried = std::exchange(m_renameError, 0); // a run of renames already tried this one
    if (tried == 0 && renameNoReplace(dirFd) == 0) {
        entry.done();
        return true;
    }
    const int error = tried ? tried : errno;
    if ((error == EEXIST || error == EXDEV || (m_itemIsFolder && (error == ENOTEMPTY || error == ENOTDIR)))
        && clashAt(m_to, &found)) {
        entry.cancel();
        return false;
    }
    if (error != EXDEV)
        m_ops.throwMoveError(m_from, m_to, error);
    m_ops.moveFileNative(m_from, m_to, FileOperations::Replace::No);
    entry.done();
    return true;
}

// A file stands at m_to: what to do with it. The clash is judged by what
// stands there; what cannot be looked at is not touched.
BatchRun::Clash BatchRun::resolveClash(int index)
{
    struct stat found, own;
    if (m_sys.lstat(m_to.constData(), &found) != 0)
        throw MorvaneError(systemErrorText(errno));
    // A case-insensitive file system finds the source itself under the new
    // name: no clash, and nothing to copy.
    if (isOtherSpellingOfSource(m_sys, m_from, m_to))
        return m_mode == BatchMode::CopyToFolder ? Clash::Leave : Clash::Respell;
    // Any other name of the same file is a hard link: a clash like any other,
    // except that Overwrite only has the source name to remove.
    const bool hardLink = m_sys.lstat(m_from.constData(), &own) == 0 && sameFile(own, found);
    ConflictMode resolution = m_options.conflict;
    // Overwrite never puts a folder in the place of a file, nor replaces a folder.
    if (resolution == ConflictMode::Overwrite
        && (m_itemIsFolder || S_ISDIR(found.st_mode) || m_batchFiles.isOtherItemsFile(found, m_to, index)))
        resolution = ConflictMode::AutoNumber;
    switch (resolution) {
    case ConflictMode::Skip:
        return Clash::Leave;
    case ConflictMode::Overwrite:
        // A hard link of the source already holds its bytes: only the source name goes.
        if (hardLink)
            return m_mode == BatchMode::CopyToFolder ? Clash::Leave : Clash::DropSource;
        return Clash::Replace;
    default:
        return Clash::Number;
    }
}

// A rename onto a hard link of itself does nothing (both names stay), so the
// source name is removed instead: the target name keeps the file.
void BatchRun::dropSource()
{
    JournalEntry entry(m_journal, m_from, m_to);
    if (m_sys.unlink(m_from.constData()) != 0)
        throw MorvaneError(systemErrorText(errno));
    entry.done();
}

// Line first, as for every operation: should the process die before the
// replace, the marker has undo pass over the line.
void BatchRun::replaceExisting()
{
    JournalEntry entry(m_journal, m_from, m_to);
    if (m_mode == BatchMode::CopyToFolder)
        m_ops.copyFileNative(m_from, m_to, FileOperations::Replace::Yes);
    else
        m_ops.moveFileNative(m_from, m_to, FileOperations::Replace::Yes);
    entry.done();
}

// Gives the source, which the file system also finds at m_to, exactly
// m_to's name. A file system that keeps the old spelling on a rename that
// only changes case is taken through a temporary name, each step in the
// journal, so undo goes back the same two steps.
void BatchRun::respell()
{
    {
        JournalEntry entry(m_journal, m_from, m_to);
        if (m_sys.rename(m_from.constData(), m_to.constData()) != 0)
            m_ops.throwMoveError(m_from, m_to, errno);
        if (folderListsExactName(m_to)) {
            entry.done();
            return;
        }
        entry.cancel();
    }
    const QByteArray prefix =
        m_to.left(m_to.lastIndexOf('/') + 1) + ".morvane-" + QByteArray::number(qint64(::getpid())) + '-';
    QByteArray temp;
    for (int attempt = 0;; ++attempt) {
        temp = prefix + QByteArray::number(++m_respellCount) + ".case";
        JournalEntry entry(m_journal, m_from, temp);
        if (m_ops.renameNoReplace(m_from.constData(), temp.constData()) == 0) {
            entry.done();
            break;
        }
        const int error = errno;
        entry.cancel();
        if (error != EEXIST || attempt == 100)
            m_ops.throwMoveError(m_from, temp, error);
    }
    JournalEntry entry(m_journal, temp, m_to);
    if (m_ops.renameNoReplace(temp.constData(), m_to.constData()) != 0) {
        const int error = errno;
        entry.cancel();
        // Back under its own name; the line of the first step then names no file.
        m_sys.rename(temp.constData(), m_from.constData());
        m_ops.throwMoveError(temp, m_to, error);
    }
    entry.done();
}

void BatchRun::placeNumbered(QString *target)
{
    *target = m_itemIsFolder ? makeUniqueFolderName(m_ops, folderPart(*target), fileNamePart(*target))
                             : makeUniqueName(m_ops, folderPart(*target), fileNamePart(*target));
    m_to = absolutePathIn(*target, m_cwd).toUtf8();
    // Taken since makeUniqueName looked: another program is at work there.
    if (!placeAtFreeTarget(-1))
        throw MorvaneError(batchText::fileExists());
}

void BatchRun::itemPlaced(int index, const QString &target)
{
    const qsizetype nameStart = target.lastIndexOf(u'/') + 1;
    itemPlaced(index, QStringView(target).first(nameStart), QStringView(target).sliced(nameStart));
}

void BatchRun::itemPlaced(int index, QStringView folder, QStringView name)
{
    m_parked.remove(index);
    if (m_options.touchModifiedNow)
        setModifiedTime(m_sys, m_to.constData(), now());
    if (m_mode == BatchMode::CopyToFolder)
        return;
    const QString oldPath = m_items.at(index).isFolder ? m_items.at(index).originalPath() : QString();
    m_items.setPath(index, folder, name);
    m_batchFiles.moved(index, m_from, m_to);
    if (m_env.itemUpdated)
        m_env.itemUpdated(index);
    if (oldPath.isEmpty())
        return;
    // The rows below a renamed folder, done before it, now live under its new name.
    const QList<int> below = m_items.folderMoved(oldPath, m_items.at(index).originalPath());
    if (m_env.itemUpdated) {
        for (const int row : below)
            m_env.itemUpdated(row);
    }
}

QDateTime BatchRun::now() const
{
    return m_env.now ? m_env.now() : QDateTime::currentDateTimeUtc();
}

} // namespace morvane
