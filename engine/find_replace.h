#pragma once

#include <QLocale>
#include <QString>

#include <memory>

namespace morvane {

// Find and replace over an expanded name, plain or by regular expression.
// One object serves a whole preview run: the pattern is compiled once, and
// the names and the first error are those of compiling it for every name.
class FindReplace {
public:
    // `locale` sets the letter case of the \U \L \F \I replacement forms.
    FindReplace(const QString &find, const QString &replace, bool regex, const QLocale &locale = QLocale());
    ~FindReplace();
    FindReplace(const FindReplace &) = delete;
    FindReplace &operator=(const FindReplace &) = delete;

    // Throws MorvaneError for an invalid regular expression (on every call,
    // as a fresh compile would). An empty find text returns `text` unchanged.
    QString apply(const QString &text);

private:
    struct Regex;
    QString m_find;
    QString m_replace;
    bool m_regex;
    QLocale m_locale;
    std::unique_ptr<Regex> m_compiled;
    QString m_error;
};

} // namespace morvane
