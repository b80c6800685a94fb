// The name rules over a large batch: a preview of N in-memory items with a
// formatted date, a name slice, the counter, a regular-expression find and
// replace, removed characters, padded numbers and title case. Prints the
// median of RUNS previews and each rule step alone, so a slow step shows.
//
//   bench_rules [N] [RUNS]       defaults 100000 and 5
#include "bench_support.h"
#include "engine/extended_keywords.h"
#include "engine/find_replace.h"
#include "engine/preview.h"
#include "engine/text_rules.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace morvane;

namespace {

void measure(const char *what, int n, int runs, const std::function<void()> &body)
{
    std::vector<double> seconds;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer timer;
        timer.start();
        body();
        seconds.push_back(timer.nsecsElapsed() / 1e9);
    }
    const double med = median(seconds);
    std::printf("%-26s N=%-7d median %7.4f s  %9.0f items/s  %6.3f us/item\n", what, n, med, n / med, med * 1e6 / n);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    if (n <= 0 || runs <= 0) {
        std::fputs("usage: bench_rules [N] [RUNS]\n", stderr);
        return 2;
    }

    RenameItemList items;
    const QDateTime first(QDate(2023, 1, 1), QTime(8, 0), Qt::UTC);
    for (int i = 0; i < n; ++i) {
        RenameItem item;
        item.setPath(QStringLiteral("/photos/2023/"),
                     QStringLiteral("Trip (%1) %2-%3 beach  shot.jpg").arg(i % 97).arg(i / 1000).arg(i % 1000));
        item.size = 1000 + i;
        // Spread over two years, so both sides of daylight-saving changes occur.
        item.createdUtc = dateTimeFromQt(first.addSecs(qint64(i) * 631));
        item.modifiedUtc = item.createdUtc;
        items.append(item);
    }

    OptionPanel options;
    options.pattern = QStringLiteral("{created:yyyy-mm-dd}_{name:1:8}_{counter}");
    options.find = QStringLiteral("(\\d+)-(\\d+)");
    options.replace = QStringLiteral("$2-$1");
    options.regex = true;
    options.charactersToRemove = QStringLiteral("()");
    options.padNumbers = QStringLiteral("4");
    options.caseChange = CaseChange::Title;
    NameContext context;
    context.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    // A zone with daylight saving makes the local-time conversion do its full work.
    const QTimeZone berlin("Europe/Berlin");
    if (berlin.isValid())
        context.timeZone = berlin;
    const QStringList noList;
    SilentReporter reporter;

    std::printf("pattern %s, find %s -> %s, remove \"()\", pad 4, title case; zone %s\n", qPrintable(options.pattern),
                qPrintable(options.find), qPrintable(options.replace), context.timeZone.id().constData());

    measure("BuildPreview (all rules)", n, runs, [&] { buildPreview(items, options, context, noList, reporter); });
    measure("  ApplyTextRules", n, runs, [&] {
        for (const RenameItem &item : items.items())
            applyTextRules(item.originalName().toString(), 0, options, noList);
    });
    measure("  ExpandExtendedKeywords", n, runs, [&] {
        for (const RenameItem &item : items.items())
            expandExtendedKeywords(item, options.pattern, context);
    });
    measure("  FindReplace (regex)", n, runs, [&] {
        FindReplace step(options.find, options.replace, true, context.locale);
        for (const RenameItem &item : items.items())
            step.apply(item.originalName().toString());
    });
    std::printf("first name: %s -> %s\n", qPrintable(items.at(0).originalName().toString()),
                qPrintable(items.at(0).newName));
    return 0;
}
