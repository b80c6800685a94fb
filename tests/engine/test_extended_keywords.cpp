#include "engine/extended_keywords.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace morvane;

namespace {
// A fixed offset needs no time-zone database on the test machine.
const QTimeZone kPlusTwo(2 * 3600);

DateTime utc(int y, int mo, int d, int h, int mi, int s)
{
    return dateTimeFromQt(QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::UTC));
}
} // namespace

class TestExtendedKeywords : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    RenameItem m_picture; // Holiday2024.png, 7 by 5 pixels
    RenameItem m_text;    // notes.png holding text
    NameContext m_context;
    int m_clockReads = 0;

    QString expand(const QString &pattern, const RenameItem *item = nullptr)
    {
        return expandExtendedKeywords(item ? *item : m_picture, pattern, m_context);
    }

private slots:
    void initTestCase()
    {
        m_picture.setPath(m_dir.filePath("Holiday2024.png"));
        QVERIFY(QFile::copy(MORVANE_FIXTURES "/images/photo.png", m_picture.originalPath()));
        m_picture.createdUtc = utc(2024, 7, 1, 7, 5, 3);       // 09:05:03 local
        m_picture.modifiedUtc = utc(2024, 12, 24, 22, 30, 45); // 00:30:45 on the 25th, local
        m_text = m_picture;
        m_text.setPath(m_dir.filePath("notes.png"));
        QFile f(m_text.originalPath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("just text");

        m_context.locale = QLocale(QLocale::English, QLocale::UnitedStates);
        m_context.timeZone = kPlusTwo;
        // The clock moves on one second with every reading.
        m_context.now = [this] {
            return QDateTime(QDate(2025, 3, 4), QTime(5, 6, 7), Qt::UTC).addSecs(m_clockReads++);
        };
    }

    void init() { m_clockReads = 0; }

    void keywords_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *tag, const QString &p, const QString &e) { QTest::newRow(tag) << p << e; };
        // formatted dates
        row("created", "{created:yyyy-MM-dd}", "2024-07-01");
        row("created dots", "{created:dd.mm.yy}", "01.07.24");
        row("created time", "{created:hh-nn-ss}", "09-05-03");
        row("colon in format", "{created:hh:mm}", "09:05");
        row("modified in local time", "{modified:yyyy-MM-dd_HH-mm-ss}", "2024-12-25_00-30-45");
        row("date", "{date:yyyy-mm-dd hh:nn}", "2025-03-04 07:06");
        row("time is the date", "{time:yyyy}", "2025");
        row("word case", "{DATE:yyyy}{Created:yy}{MODIFIED:d}", "20252425");
        row("plain text kept", "a {created:yyyy} b", "a 2024 b");
        row("quoted text", "{date:'at' hh}", "at 07");
        row("names", "{created:dddd mmmm}", "Monday July");
        row("empty format", "{date:}", "{date:}");
        row("unclosed", "{date:yyyy", "{date:yyyy");
        row("unknown word", "{dates:yyyy}{ date:yy}", "{dates:yyyy}{ date:yy}");
        row("brace in format", "{created:{yy}", "{24");
        row("rescan after a date", "{{created:'created:'yyyy}}", "2024");
        // name slices
        row("slice", "{name:1:7}", "Holiday");
        row("slice from the end", "{name:-4:4}", "2024");
        row("slice past the end", "{name:8:99}", "2024");
        row("slice start beyond", "{name:50:3}", "");
        row("slice start after the last", "{name:12:1}", "");
        row("slice start 0", "{name:0:3}", "Hol");
        row("slice start -0", "{name:-0:2}", "Ho");
        row("slice start before the first", "{name:-99:2}", "Ho");
        row("slice negative count", "{name:2:-1}", "");
        row("slice twice", "{name:1:2}{name:1:2}", "HoHo");
        row("slice word case", "{NAME:1:3}", "Hol");
        row("slice leading zeros", "{name:01:03}", "Hol");
        row("slice start overflow is 1", "{name:99999999999:3}", "Hol");
        row("slice count overflow is the length", "{name:3:99999999999}", "liday2024");
        row("slice hex not a slice", "{name:0x1:3}", "{name:0x1:3}");
        row("slice malformed", "{name:1}{name:+1:2}{name: 1:2}", "{name:1}{name:+1:2}{name: 1:2}");
        row("slice rescan", "{name:1:{name:8:1}}", "Ho");
        row("dates before slices", "{name:{created:d}:3}", "Hol");
        // picture size
        row("picture", "{imgw}x{imgh}", "7x5");
        row("picture case", "{IMGW}{ImgH}", "75");
        row("picture kept text", "{imgw}px", "7px");
        row("everything", "{created:yyyy}_{name:1:7}_{imgw}", "2024_Holiday_7");
    }

    void keywords()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(expand(pattern), expected);
    }

    // The preview skips the expansion for a pattern without extended keywords:
    // that must be exactly the patterns the expansion leaves as they are.
    void hasExtendedKeywords_data() { keywords_data(); }
    void hasExtendedKeywords()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(morvane::hasExtendedKeywords(pattern), expected != pattern);
    }

    void unreadablePictureGivesEmptyText()
    {
        QCOMPARE(expand("{imgw}x{imgh}", &m_text), QStringLiteral("x"));
        // With empty text the pass rescans and meets the keyword it uncovered.
        QCOMPARE(expand("{img{imgh}w}", &m_text), QStringLiteral(""));
        QCOMPARE(expand("{img{imgh}w}"), QStringLiteral("{img5w}"));
    }

    void clockReadOncePerKeyword()
    {
        QCOMPARE(expand("{date:ss}-{time:ss}-{DATE:ss}"), QStringLiteral("07-08-09"));
        QCOMPARE(m_clockReads, 3);
    }

    void zeroDateTimeIsFormatted()
    {
        RenameItem item = m_picture;
        item.createdUtc = 0;
        QCOMPARE(expand("{created:yyyy-mm-dd hh}", &item), QStringLiteral("1899-12-30 02"));
    }

    void localeNames()
    {
        NameContext german = m_context;
        german.locale = QLocale(QLocale::German, QLocale::Germany);
        QCOMPARE(expandExtendedKeywords(m_picture, "{created:dddd, d. mmmm ddddd}", german),
                 QStringLiteral("Montag, 1. Juli 01.07.24"));
    }

    // On Linux a file name may hold ":" and braces, even a whole slice keyword.
    // Its text must not be read as a new slice, or the pass would never end.
    void sliceValuesAreNotReread()
    {
        RenameItem item = m_picture;
        item.setPath(item.folder(), "{name:1:11}.png");
        QCOMPARE(expand("{name:1:11}", &item), QStringLiteral("{name:1:11}"));
        item.setPath(item.folder(), "x:1:2}.png");
        QCOMPARE(expand("{name{name:2:5}", &item), QStringLiteral("{name:1:2}"));
        // Digits from a slice still complete a keyword of the pattern.
        item.setPath(item.folder(), "2ab.png");
        QCOMPARE(expand("{name:{name:1:1}:1}", &item), QStringLiteral("a"));
    }
};

QTEST_GUILESS_MAIN(TestExtendedKeywords)
#include "test_extended_keywords.moc"
