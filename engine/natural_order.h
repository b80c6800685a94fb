#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>

namespace morvane {

// Names in the order file managers list them: letter case ignored, runs of
// digits compared by their value, everything else by the collation of the
// default locale (QLocale(); English where that is the C locale, which has no
// numeric collation). Names that compare equal so are ordered by their exact
// text, so only identical names tie.
//
//   naturalCompare(u"a9", u"a10") < 0;  naturalCompare(u"b1", u"B2") < 0
//   naturalCompare(u"A1", u"a1") < 0    (equal but for case: exact text decides)
int naturalCompare(QStringView a, QStringView b);

inline bool naturalLess(QStringView a, QStringView b)
{
    return naturalCompare(a, b) < 0;
}

// The indexes of count names (name(i) gives name i) in natural order.
//
//   naturalOrder(3, [&](qsizetype i) { return QStringView(names[i]); })  // {"b", "a10", "a9"} -> {2, 1, 0}
QList<int> naturalOrder(qsizetype count, const std::function<QStringView(qsizetype)> &name);

// The natural rank of each of count names (name(i) gives name i): rank[i] <
// rank[j] exactly when name i comes before name j, and equal ranks exactly for
// identical names. Sorting many names this way builds one key per name
// instead of collating every comparison, which is what makes large folders
// cheap to sort.
//
//   naturalRanks(3, [&](qsizetype i) { return QStringView(names[i]); })  // {"b", "a10", "a10"} -> {1, 0, 0}
QList<int> naturalRanks(qsizetype count, const std::function<QStringView(qsizetype)> &name);

// True when the default locale's order has the fast keys for ASCII names
// (told by benchmarks; the order is the same either way).
bool naturalOrderHasFastKeys();

// Sorts names in natural order.
void sortNatural(QStringList &names);

} // namespace morvane
