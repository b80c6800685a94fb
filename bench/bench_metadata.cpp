// Renaming by metadata: 10,000 JPEGs by the date taken and 10,000 MP3s by
// artist and title, Morvane's unattended run (real and dry) beside a floor
// that uses the same libraries directly: read the JPEG's APP1 segment, let
// Exiv2 decode it from memory, format the date, rename(2); TagLib's artist
// and title, rename(2). Every run is a process of its own on a fresh copy of
// the files on tmpfs; the medians are printed with their ratio to the floor.
//
//   bench_metadata [N] [RUNS] [OTHER]    defaults 10000 and 5; OTHER: another
//                                        morvane binary (an earlier build) timed
//                                        in the same rounds
//   bench_metadata floor-photos DIR      one floor run (used by the driver)
//   bench_metadata floor-audio DIR
#include "bench/bench_support.h"
#include "tests/metadata_fixtures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <taglib/tag.h>

#include <dirent.h>
#include <sys/resource.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

using namespace morvane;

namespace {

std::vector<std::string> filesIn(const std::string &dir)
{
    std::vector<std::string> names;
    if (DIR *d = opendir(dir.c_str())) {
        while (dirent *e = readdir(d))
            if (e->d_type == DT_REG)
                names.push_back(e->d_name);
        closedir(d);
    }
    return names;
}

// SOI, the first APP1 segment and EOI: all Exiv2 needs for the Exif block.
bool app1Of(const std::string &path, std::string *jpeg)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    unsigned char head[65536 + 8];
    const ssize_t got = read(fd, head, sizeof head);
    close(fd);
    if (got < 4 || head[0] != 0xFF || head[1] != 0xD8)
        return false;
    for (ssize_t pos = 2; pos + 4 <= got;) {
        const int length = (head[pos + 2] << 8) | head[pos + 3];
        if (head[pos] != 0xFF || head[pos + 1] == 0xDA || length < 2)
            return false;
        if (head[pos + 1] == 0xE1 && pos + 2 + length <= got) {
            jpeg->assign("\xFF\xD8", 2);
            jpeg->append(reinterpret_cast<const char *>(head + pos), size_t(2 + length));
            jpeg->append("\xFF\xD9", 2);
            return true;
        }
        pos += 2 + length;
    }
    return false;
}

int floorPhotos(const std::string &dir)
{
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    std::string jpeg;
    for (const std::string &name : filesIn(dir)) {
        const std::string path = dir + '/' + name;
        if (!app1Of(path, &jpeg))
            continue;
        try {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
            Exiv2::Image::AutoPtr image =
                Exiv2::ImageFactory::open(reinterpret_cast<const Exiv2::byte *>(jpeg.data()), long(jpeg.size()));
#pragma GCC diagnostic pop
            image->readMetadata();
            const auto it = image->exifData().findKey(Exiv2::ExifKey("Exif.Photo.DateTimeOriginal"));
            if (it == image->exifData().end())
                continue;
            tm t{};
            if (!strptime(it->toString().c_str(), "%Y:%m:%d %H:%M:%S", &t))
                continue;
            char newName[64];
            strftime(newName, sizeof newName, "%Y%m%d_%H%M%S.jpg", &t);
            rename(path.c_str(), (dir + '/' + newName).c_str());
        } catch (const std::exception &) {
        }
    }
    return 0;
}

int floorAudio(const std::string &dir)
{
    for (const std::string &name : filesIn(dir)) {
        const std::string path = dir + '/' + name;
        std::string newName;
        {
            const TagLib::FileRef file(path.c_str(), false);
            if (file.isNull() || !file.tag())
                continue;
            newName = file.tag()->artist().to8Bit(true) + " - " + file.tag()->title().to8Bit(true) + ".mp3";
        }
        rename(path.c_str(), (dir + '/' + newName).c_str());
    }
    return 0;
}

void copyFolder(const QString &from, const QString &to)
{
    QDir(to).removeRecursively();
    QDir().mkpath(to);
    for (const QString &name : QDir(from).entryList(QDir::Files))
        QFile::copy(from + u'/' + name, to + u'/' + name);
}

struct Row {
    const char *label;
    QString program;
    QStringList arguments;
    bool renames;
    std::vector<double> seconds;
    std::vector<double> cpu; // user + system seconds of the process: less swayed by a busy machine
};

double childrenCpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && !strcmp(argv[1], "floor-photos"))
        return floorPhotos(argv[2]);
    if (argc == 3 && !strcmp(argv[1], "floor-audio"))
        return floorAudio(argv[2]);

    const int n = argc > 1 ? atoi(argv[1]) : 10000;
    const int runs = argc > 2 ? atoi(argv[2]) : 5;
    const QString self = QString::fromLocal8Bit(argv[0]);
    QTemporaryDir root(QDir("/dev/shm").exists() ? "/dev/shm/morvane-bench-metadata-XXXXXX" : QString());
    const QString photos = root.filePath("photos"), songs = root.filePath("songs"), work = root.filePath("work");
    QDir().mkpath(photos);
    QDir().mkpath(songs);

    std::printf("making %d JPEGs and %d MP3s ...\n", n, n);
    const QDateTime first(QDate(2024, 7, 1), QTime(9, 0, 0), Qt::UTC);
    const QByteArray mp3 = fixtures::silentMp3().left(2 * 417);
    for (int i = 0; i < n; ++i) {
        const QString stamp = first.addSecs(i).toString("yyyy:MM:dd HH:mm:ss");
        fixtures::writePhoto(QStringLiteral("%1/IMG_%2.jpg").arg(photos).arg(i, 5, 10, QChar(u'0')),
                             Exiv2::ImageType::jpeg,
                             {{"Exif.Image.Make", "Canon"},
                              {"Exif.Image.Model", "Canon EOS R5"},
                              {"Exif.Photo.DateTimeOriginal", stamp},
                              {"Exif.Photo.ISOSpeedRatings", "100"}});
        fixtures::writeAudio(QStringLiteral("%1/track%2.mp3").arg(songs).arg(i, 5, 10, QChar(u'0')), mp3,
                             {{"ARTIST", QStringLiteral("Artist %1").arg(i % 50)},
                              {"TITLE", QStringLiteral("Title %1").arg(i)},
                              {"ALBUM", "Album"}});
    }

    const QString morvane = QStringLiteral(MORVANE_BINARY);
    const QString other = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    struct Job {
        const char *name;
        QString source;
        std::vector<Row> rows;
    };
    std::vector<Job> jobs = {
        {"JPEGs to {taken:yyyymmdd_hhnnss}",
         photos,
         {
             {"floor (Exiv2 on APP1, rename)", self, {"floor-photos", work}, true, {}, {}},
             {"morvane /cli", morvane, {"/cli", "/quiet", "/pattern={taken:yyyymmdd_hhnnss}", work}, true, {}, {}},
             {"morvane /cli /dryrun",
              morvane,
              {"/cli", "/quiet", "/dryrun", "/pattern={taken:yyyymmdd_hhnnss}", work},
              false,
              {},
              {}},
             // The same run without reading a file: what the metadata adds.
             {"morvane /cli, r{name} (no metadata)",
              morvane,
              {"/cli", "/quiet", "/pattern=r{name}", work},
              true,
              {},
              {}},
         }},
        {"MP3s to {artist} - {title}",
         songs,
         {
             {"floor (TagLib, rename)", self, {"floor-audio", work}, true, {}, {}},
             {"morvane /cli", morvane, {"/cli", "/quiet", "/pattern={artist} - {title}", work}, true, {}, {}},
             {"morvane /cli /dryrun",
              morvane,
              {"/cli", "/quiet", "/dryrun", "/pattern={artist} - {title}", work},
              false,
              {},
              {}},
         }},
    };

    if (!other.isEmpty()) {
        for (Job &job : jobs) {
            const std::vector<Row> mine(job.rows.begin() + 1, job.rows.begin() + 3);
            for (const Row &row : mine)
                job.rows.push_back(
                    {row.renames ? "other /cli" : "other /cli /dryrun", other, row.arguments, row.renames, {}, {}});
        }
    }

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("APPDATA", root.filePath("appdata"));
    for (Job &job : jobs) {
        // Round by round through the rows, so that a busy machine weighs on all alike.
        for (int run = 0; run <= runs; ++run) {
            for (Row &row : job.rows) {
                copyFolder(job.source, work);
                QProcess p;
                p.setProcessEnvironment(env);
                p.setStandardOutputFile(QProcess::nullDevice());
                const double cpuBefore = childrenCpuSeconds();
                QElapsedTimer timer;
                timer.start();
                p.start(row.program, row.arguments);
                p.waitForFinished(-1);
                const double s = timer.nsecsElapsed() / 1e9;
                const double cpu = childrenCpuSeconds() - cpuBefore;
                const QStringList left = QDir(work).entryList(QDir::Files);
                const bool renamed = !left.filter(QRegularExpression("^(IMG_|track)")).size();
                if (p.exitCode() != 0 || renamed != row.renames || left.size() != n) {
                    std::fprintf(stderr, "%s: exit %d, %lld files, renamed %d: %s\n", row.label, p.exitCode(),
                                 qsizetype(left.size()), renamed, p.readAllStandardError().constData());
                    return 1;
                }
                if (run > 0) { // the first round warms the caches
                    row.seconds.push_back(s);
                    row.cpu.push_back(cpu);
                }
            }
        }
        const double floor = median(job.rows.front().seconds);
        std::printf("\n%s, N=%d, median of %d runs\n", job.name, n, runs);
        std::printf("%-36s %9s %9s %9s\n", "", "seconds", "x floor", "cpu s");
        for (const Row &row : job.rows)
            std::printf("%-36s %9.3f %9.2f %9.3f\n", row.label, median(row.seconds), median(row.seconds) / floor,
                        median(row.cpu));
    }
    return 0;
}
