/* The floor of the side-by-side comparison, and its fixture maker.
 *
 *   floor_rename create DIR N   makes DIR with N empty files IMG_0001.JPG ... (4 digits,
 *                               more when N needs them), as a camera names its pictures
 *   floor_rename rename DIR [STEPS]
 *                               renames every IMG_<digits><rest> in DIR to
 *                               photo-<digits><rest>: one readdir pass, then one
 *                               renameat(2) per file and nothing else
 *   floor_rename date DIR       renames every IMG_<digits><rest> in DIR to
 *                               <yyyymmdd>_IMG_<digits><rest>, the file's last-write
 *                               date in local time: one fstatat(2) and one
 *                               renameat(2) per file
 *
 * The rename mode is the least work any renamer must do for the job: list the
 * folder, derive each new name, ask the kernel once per file. Every tool in
 * compare.sh is set against its time.
 *
 * STEPS adds the system calls a careful renamer may make, one letter each, so
 * that the price of each can be measured on its own (compare.sh profile):
 *   a  absolute paths instead of names relative to the open folder
 *   s  statx(2) every file before the renames (reading size and times on add)
 *   l  lstat(2) the target before each rename (a clash test)
 *   n  renameat2(2) with RENAME_NOREPLACE
 *   w  write(2) one undo-log line per file, to DIR.log
 */
#define _GNU_SOURCE
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

static int die(const char *what, const char *path)
{
    fprintf(stderr, "floor_rename: %s %s: %s\n", what, path, strerror(errno));
    return 1;
}

static int create_files(const char *dir, long n)
{
    if (mkdir(dir, 0755) != 0 && errno != EEXIST)
        return die("cannot create", dir);
    int dfd = open(dir, O_RDONLY | O_DIRECTORY);
    if (dfd < 0)
        return die("cannot open", dir);
    unsigned width = 4;
    for (long m = n; m > 9999 && width < 12; m /= 10)
        ++width;
    char name[64];
    for (long i = 1; i <= n; ++i) {
        snprintf(name, sizeof name, "IMG_%0*ld.JPG", (int)width, i);
        int fd = openat(dfd, name, O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd < 0)
            return die("cannot create", name);
        close(fd);
    }
    close(dfd);
    return 0;
}

/* "IMG_0042.JPG" -> "photo-0042.JPG"; 0 when the name is not a camera name. */
static int new_name(const char *old, char *out, size_t size)
{
    if (strncmp(old, "IMG_", 4) != 0 || old[4] < '0' || old[4] > '9')
        return 0;
    return snprintf(out, size, "photo-%s", old + 4) < (int)size;
}

/* "IMG_0042.JPG" -> "20261210_IMG_0042.JPG", the date from mtime. */
static int date_name(const char *old, time_t mtime, char *out, size_t size)
{
    if (strncmp(old, "IMG_", 4) != 0 || old[4] < '0' || old[4] > '9')
        return 0;
    struct tm local;
    if (!localtime_r(&mtime, &local))
        return 0;
    const size_t n = strftime(out, size, "%Y%m%d_", &local);
    return n > 0 && snprintf(out + n, size - n, "%s", old) < (int)(size - n);
}

static int rename_files(const char *dir, const char *steps)
{
    const int absolute = strchr(steps, 'a') != NULL, stat_first = strchr(steps, 's') != NULL,
              lstat_target = strchr(steps, 'l') != NULL, no_replace = strchr(steps, 'n') != NULL,
              log_lines = strchr(steps, 'w') != NULL, by_date = strchr(steps, 'd') != NULL;
    int dfd = open(dir, O_RDONLY | O_DIRECTORY);
    if (dfd < 0)
        return die("cannot open", dir);
    DIR *d = fdopendir(dup(dfd));
    if (!d)
        return die("cannot list", dir);

    /* Collect first: renaming while listing may show an entry twice. */
    size_t count = 0, cap = 1024;
    char **names = malloc(cap * sizeof *names);
    struct dirent *e;
    while (names && (e = readdir(d)) != NULL) {
        if (strncmp(e->d_name, "IMG_", 4) != 0)
            continue;
        if (count == cap) {
            cap *= 2;
            char **grown = realloc(names, cap * sizeof *names);
            if (!grown)
                break;
            names = grown;
        }
        names[count++] = strdup(e->d_name);
    }
    closedir(d);
    if (!names)
        return die("out of memory in", dir);

    char target[512], from[1024], to[1024], line[2100];
    int log = -1;
    if (log_lines) {
        snprintf(line, sizeof line, "%s.log", dir);
        if ((log = open(line, O_WRONLY | O_CREAT | O_TRUNC, 0644)) < 0)
            return die("cannot create", line);
    }
    const int at = absolute ? AT_FDCWD : dfd;
    if (stat_first) {
        for (size_t i = 0; i < count; ++i) {
            struct statx sx;
            snprintf(from, sizeof from, "%s/%s", dir, names[i]);
            if (statx(at, absolute ? from : names[i], 0, STATX_BASIC_STATS | STATX_BTIME, &sx) != 0)
                return die("cannot stat", names[i]);
        }
    }
    int status = 0;
    for (size_t i = 0; i < count; ++i) {
        int named;
        if (by_date) {
            struct stat sd;
            if (fstatat(dfd, names[i], &sd, 0) != 0)
                return die("cannot stat", names[i]);
            named = date_name(names[i], sd.st_mtime, target, sizeof target);
        } else {
            named = new_name(names[i], target, sizeof target);
        }
        if (named) {
            if (absolute) {
                snprintf(from, sizeof from, "%s/%s", dir, names[i]);
                snprintf(to, sizeof to, "%s/%s", dir, target);
            } else {
                snprintf(from, sizeof from, "%s", names[i]);
                snprintf(to, sizeof to, "%s", target);
            }
            struct stat st;
            if (lstat_target && fstatat(at, to, &st, AT_SYMLINK_NOFOLLOW) == 0)
                status = die("target exists:", to);
            if (log_lines) {
                const int n = snprintf(line, sizeof line, "\"%s\",\"%s\"\r\n", from, to);
                if (write(log, line, (size_t)n) != n)
                    status = die("cannot write the log for", from);
            }
            if (renameat2(at, from, at, to, no_replace ? RENAME_NOREPLACE : 0) != 0)
                status = die("cannot rename", names[i]);
        }
        free(names[i]);
    }
    free(names);
    close(dfd);
    if (log >= 0)
        close(log);
    return status;
}

int main(int argc, char **argv)
{
    if (argc == 4 && strcmp(argv[1], "create") == 0) {
        char *end;
        long n = strtol(argv[3], &end, 10);
        if (*end || n < 0 || n > 100000000) {
            fprintf(stderr, "floor_rename: bad count %s\n", argv[3]);
            return 2;
        }
        return create_files(argv[2], n);
    }
    if ((argc == 3 || argc == 4) && strcmp(argv[1], "rename") == 0)
        return rename_files(argv[2], argc == 4 ? argv[3] : "");
    if (argc == 3 && strcmp(argv[1], "date") == 0)
        return rename_files(argv[2], "d");
    fputs("usage: floor_rename create DIR N | floor_rename rename DIR [STEPS] | floor_rename date DIR\n", stderr);
    return 2;
}
