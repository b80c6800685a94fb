#pragma once

#include <QString>

// Find and replace over an expanded name, plain or by regular expression.
// One object serves a whole preview run, so a pattern is compiled once.
class FindReplace {
public:
    FindReplace(const QString &find, const QString &replace, bool regex);
    ~FindReplace();
    FindReplace(const FindReplace &) = delete;
    FindReplace &operator=(const FindReplace &) = delete;

    // Throws MorvaneError for an invalid regular expression.
    QString Apply(const QString &text);

private:
    QString m_find;
    QString m_replace;
    bool m_regex;
};
