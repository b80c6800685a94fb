#include "engine/date_format.h"
#include "engine/date_time.h"

#include <QTest>

using namespace morvane;

namespace {
const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);
// Monday 2024-07-01, 09:05:03.045 and 15:07:08.009 local time.
const QDateTime kMorning(QDate(2024, 7, 1), QTime(9, 5, 3, 45));
const QDateTime kAfternoon(QDate(2024, 7, 1), QTime(15, 7, 8, 9));
const QDateTime kMidnight(QDate(2024, 7, 1), QTime(0, 0));
const QDateTime kJustAfterMidnight(QDate(2024, 7, 1), QTime(0, 0, 0, 1));
} // namespace

class TestDateFormat : public QObject {
    Q_OBJECT
private slots:
    void tokens_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *name, const QString &f, const QDateTime &w, const QString &e) {
            // clang-format off
            QTest::newRow(name) << f << w << e;
            // clang-format on
        };
        row("year 1", "y", kMorning, "24");
        row("year 2", "yy", kMorning, "24");
        row("year 3", "yyy", kMorning, "2024");
        row("year 5", "yyyyy", kMorning, "2024");
        row("month 1", "m", kMorning, "7");
        row("month 2", "mm", kMorning, "07");
        row("month 3", "mmm", kMorning, "Jul");
        row("month 4", "mmmm", kMorning, "July");
        row("month 6", "mmmmmm", kMorning, "July");
        row("day 1", "d", kMorning, "1");
        row("day 2", "dd", kMorning, "01");
        row("day 3", "ddd", kMorning, "Mon");
        row("day 4", "dddd", kMorning, "Monday");
        row("short date", "ddddd", kMorning, "7/1/24");
        row("long date", "dddddd", kMorning, "Monday, July 1, 2024");
        row("long date 7", "ddddddd", kMorning, "Monday, July 1, 2024");
        row("aaa", "aaa", kMorning, "Mon");
        row("aaaa", "aaaa", kMorning, "Monday");
        row("hour 1", "h", kMorning, "9");
        row("hour 2", "hh", kMorning, "09");
        row("hour 3", "hhh", kMorning, "09");
        row("minute 1", "n", kMorning, "5");
        row("minute 3", "nnn", kMorning, "05");
        row("second 1", "s", kMorning, "3");
        row("second 3", "sss", kMorning, "03");
        row("ms 1", "z", kMorning, "45");
        row("ms 2", "zz", kAfternoon, "09");
        row("ms 3", "zzz", kMorning, "045");
        row("ms 4", "zzzz", kMorning, "045");
        row("short time", "t", kMorning, "9:05 AM");
        row("long time", "tt", kAfternoon, "3:07:08 PM");
        row("c with time", "c", kMorning, "7/1/24 9:05:03 AM");
        row("c at midnight", "c", kMidnight, "7/1/24");
        row("c a millisecond on", "c", kJustAfterMidnight, "7/1/24 12:00:00 AM");
        row("am/pm morning", "am/pm", kMorning, "am");
        row("AM/PM afternoon", "AM/PM", kAfternoon, "PM");
        row("am/pm as written", "Am/pM", kAfternoon, "pM");
        row("a/p", "a/p", kAfternoon, "p");
        row("A/P", "A/P", kMorning, "A");
        row("ampm", "ampm", kAfternoon, "PM");
        row("era year", "e", kMorning, "2024");
        row("era name", "gg", kMorning, "AD");
        row("date separator", "d/m", kMorning, "1/7");
        row("time separator", "h:n", kMorning, "9:5");
        row("single quotes", "'at' hh", kMorning, "at 09");
        row("double quotes", "\"yy\"yy", kMorning, "yy24");
        row("unclosed quote", "yy'mm dd", kMorning, "24mm dd");
        row("other letters", "xqb", kMorning, "xqb");
        row("a and aa", "a aa", kMorning, "a aa");
        row("other characters", "#_-.ü", kMorning, "#_-.ü");
        row("upper case tokens", "YYYY-MM-DD HH.NN.SS", kMorning, "2024-07-01 09.05.03");
        row("mixed case runs", "Mm", kMorning, "77");
        row("mixed case day", "Dd", kMorning, "11");
        // the minutes rule
        row("hh:mm", "hh:mm", kMorning, "09:05");
        row("HH-mm", "HH-mm", kMorning, "09-05");
        row("h mm", "h mm", kMorning, "9 05");
        row("hhmm", "hhmm", kMorning, "0905");
        row("h m", "h m", kMorning, "9 5");
        row("h quoted m", "hh'x'mm", kMorning, "09x05");
        row("h letter m", "hh x mm", kMorning, "09 x 07");
        row("second m is month", "hh:mm:mm", kMorning, "09:05:07");
        row("m before h", "mm hh", kMorning, "07 09");
        // 12-hour mode
        row("am/pm after", "h am/pm", kAfternoon, "3 pm");
        row("ampm before", "ampm hh", kAfternoon, "PM 03");
        row("a/p quoted", "h 'a/p'", kAfternoon, "15 a/p");
        row("midnight is 12", "hh a/p", kMidnight, "12 a");
        row("first a is a day", "hh aaa am/pm", kAfternoon, "15 Mon pm");
        row("next h first", "hh h am/pm", kAfternoon, "15 3 pm");
        row("case of a", "h AMPM", kAfternoon, "3 PM");
        row("example", "yyyy-MM-dd_HH-mm-ss", kAfternoon, "2024-07-01_15-07-08");
    }

    void tokens()
    {
        QFETCH(QString, format);
        QFETCH(QDateTime, when);
        QFETCH(QString, expected);
        QCOMPARE(formatDateTimeText(format, when, kUs), expected);
    }

    void otherLocales()
    {
        QCOMPARE(formatDateTimeText("dddd, d. mmmm yyyy", kMorning, kGerman), QStringLiteral("Montag, 1. Juli 2024"));
        QCOMPARE(formatDateTimeText("ddddd", kMorning, kGerman), QStringLiteral("01.07.24"));
        QCOMPARE(formatDateTimeText("dddddd", kMorning, kGerman), QStringLiteral("Montag, 1. Juli 2024"));
        QCOMPARE(formatDateTimeText("d/m/y", kMorning, kGerman), QStringLiteral("1.7.24"));
        QCOMPARE(formatDateTimeText("t|tt", kAfternoon, kGerman), QStringLiteral("15:07|15:07:08"));
        // Finnish writes the time with a full stop.
        QCOMPARE(formatDateTimeText("hh:nn", kMorning, QLocale(QLocale::Finnish, QLocale::Finland)),
                 QStringLiteral("09.05"));
        // The tables follow the locale asked for, also after another one was used.
        QCOMPARE(formatDateTimeText("mmmm", kMorning, kUs), QStringLiteral("July"));
    }

    void translateQtFormats_data()
    {
        QTest::addColumn<QString>("qt");
        QTest::addColumn<QString>("expected");
        // clang-format off
        QTest::newRow("US short date") << "M/d/yy" << "m\"/\"d\"/\"yy";
        QTest::newRow("German long date") << "dddd, d. MMMM yyyy" << "dddd, d. mmmm yyyy";
        QTest::newRow("zone after") << "h:mm:ss AP t" << "h\":\"nn\":\"ss ampm";
        QTest::newRow("zone before") << "t HH:mm:ss" << "hh\":\"nn\":\"ss";
        QTest::newRow("quoted letters") << "d 'de' MMMM" << "d\" de \"mmmm";
        QTest::newRow("doubled quote") << "h 'o''clock'" << "h\" o'clock\"";
        QTest::newRow("double quote literal") << "d'\"'" << "d'\"'";
        QTest::newRow("CJK literals") << QStringLiteral("yyyy年M月d日") << QStringLiteral("yyyy年m月d日");
        QTest::newRow("am/pm first") << "AP h:mm" << "ampm h\":\"nn";
        // clang-format on
    }

    void translateQtFormats()
    {
        QFETCH(QString, qt);
        QFETCH(QString, expected);
        QCOMPARE(translateQtDateFormat(qt), expected);
    }

    // Translated formats read back to the text Qt itself prints, in several locales.
    void translationAgreesWithQt()
    {
        for (const QLocale &l :
             {kUs, kGerman, QLocale(QLocale::French, QLocale::France), QLocale(QLocale::Japanese, QLocale::Japan),
              QLocale(QLocale::Korean, QLocale::SouthKorea)}) {
            for (const auto f : {QLocale::ShortFormat, QLocale::LongFormat}) {
                QCOMPARE(formatDateTimeText(translateQtDateFormat(l.dateFormat(f)), kAfternoon, l),
                         l.toString(kAfternoon.date(), f));
            }
            QCOMPARE(formatDateTimeText("t", kAfternoon, l), l.toString(kAfternoon.time(), QLocale::ShortFormat));
        }
    }

    // The wall clock read through a cached span of the zone's offset agrees
    // with the zone itself at and around every transition, in whatever order
    // the instants come, and for values outside the years a date can hold.
    void wallClockAgreesWithZone()
    {
        const QDateTime yearStart(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC);
        for (const QTimeZone &zone :
             {QTimeZone("Europe/Berlin"), QTimeZone("America/St_Johns"), QTimeZone("Australia/Lord_Howe"),
              QTimeZone("Asia/Kathmandu"), QTimeZone(2 * 3600), QTimeZone::utc()}) {
            QVERIFY2(zone.isValid(), "the zone database (tzdata) is missing");
            QList<DateTime> instants{qQNaN(),
                                     1e9,
                                     -1e9,
                                     0.0,
                                     dateTimeFromQt(QDateTime(QDate(1600, 5, 1), QTime(12, 0), Qt::UTC)),
                                     dateTimeFromQt(QDateTime(QDate(2100, 7, 1), QTime(12, 0), Qt::UTC))};
            for (const QTimeZone::OffsetData &t : zone.transitions(yearStart, yearStart.addYears(1))) {
                for (const qint64 ms : {-3600000LL, -1LL, 0LL, 1LL, 3600000LL})
                    instants.append(dateTimeFromQt(t.atUtc.addMSecs(ms)));
            }
            for (int pass = 0; pass < 2; ++pass) { // forward, then backward
                for (const DateTime utc : std::as_const(instants)) {
                    const QDateTime expected = localFromUtc(utc, zone);
                    const QDateTime wall = wallClockFromUtc(utc, zone);
                    QCOMPARE(wall.date(), expected.date());
                    QCOMPARE(wall.time(), expected.time());
                }
                std::reverse(instants.begin(), instants.end());
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestDateFormat)
#include "test_date_format.moc"
