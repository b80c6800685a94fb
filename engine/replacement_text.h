#pragma once

#include <QHash>
#include <QList>
#include <QLocale>
#include <QString>

#include <cstddef>

namespace morvane {

// One match as the replacement language sees it: the text being searched (as
// changed so far) and the spans of group 0..count-1. A group that took no part
// in the match has its start at kUnsetGroup.
struct MatchGroups {
    static constexpr size_t kUnsetGroup = ~size_t(0);
    QStringView subject;
    const size_t *spans = nullptr; // start, end pairs
    int count = 0;                 // 1 + the highest group number that took part

    QStringView group(int n) const;
};

// The replacement text of regular-expression mode, parsed once for a pattern
// with `groupCount` groups and the named groups of `namedGroups`:
// $n \n (two digits when the pattern has that many groups), ${n} ${name},
// \g<name>, $& $` $' $+ $_, $$ \$ \\, and \U \L \F \I with one or two digits.
// A "$" or "\" that begins none of these stands for itself.
class ReplacementText {
public:
    ReplacementText(const QString &replacement, int groupCount, const QHash<QString, QList<int>> &namedGroups);

    // The text that replaces this match. Letter case follows `locale`.
    QString expand(const MatchGroups &match, const QLocale &locale) const;

private:
    enum class Kind { Literal, Group, Named, Before, After, LastGroup, Subject, Converted };
    struct Part {
        Kind kind;
        QString text;            // Literal
        int group = 0;           // Group, Converted
        QList<int> groups;       // Named: the groups of that name; the first that took part counts
        char16_t conversion = 0; // Converted: U, L, F or I
    };
    void addLiteral(QChar c);
    void addGroupByDigits(const QString &r, qsizetype &i, char16_t conversion);

    int m_groupCount;
    QList<Part> m_parts;
};

// The I conversion: lower case, and each word's first letter in upper case.
QString properCase(const QString &text, const QLocale &locale);

} // namespace morvane
