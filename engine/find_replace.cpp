#include "engine/find_replace.h"

#include "engine/morvane_error.h"
#include "engine/replacement_text.h"

#include <QCoreApplication>
#include <pcre2.h>

#include <optional>

namespace morvane {

namespace {

// Ends catastrophic backtracking on a long name within milliseconds; no
// sensible pattern over a file name comes near it.
constexpr uint32_t kMatchLimit = 1000000;
constexpr PCRE2_SIZE kJitStackMax = 1024 * 1024;
// Replacements holding $` or $_ can double the text with every match; far
// beyond any file name's length the search ends instead of exhausting memory.
constexpr qsizetype kMaxTextLength = 32768;

PCRE2_SPTR units(const QString &s)
{
    static const char16_t empty[1] = {0};
    return s.isEmpty() ? reinterpret_cast<PCRE2_SPTR>(empty) : reinterpret_cast<PCRE2_SPTR>(s.utf16());
}

QHash<QString, QList<int>> namedGroups(const pcre2_code *code)
{
    QHash<QString, QList<int>> names;
    uint32_t count = 0, entrySize = 0;
    PCRE2_SPTR table = nullptr;
    pcre2_pattern_info(code, PCRE2_INFO_NAMECOUNT, &count);
    pcre2_pattern_info(code, PCRE2_INFO_NAMEENTRYSIZE, &entrySize);
    pcre2_pattern_info(code, PCRE2_INFO_NAMETABLE, &table);
    for (uint32_t i = 0; i < count; ++i) {
        // Each entry: the group number in one code unit, then the name, zero-terminated.
        PCRE2_SPTR entry = table + size_t(i) * entrySize;
        names[QString::fromUtf16(reinterpret_cast<const char16_t *>(entry + 1))].append(int(entry[0]));
    }
    return names;
}

} // namespace

struct FindReplace::Regex {
    pcre2_code *code = nullptr;
    pcre2_match_data *matchData = nullptr;
    pcre2_match_context *matchContext = nullptr;
    pcre2_jit_stack *jitStack = nullptr;
    std::optional<ReplacementText> replacement;

    ~Regex()
    {
        pcre2_jit_stack_free(jitStack);
        pcre2_match_context_free(matchContext);
        pcre2_match_data_free(matchData);
        pcre2_code_free(code);
    }
};

FindReplace::FindReplace(const QString &find, const QString &replace, bool regex, const QLocale &locale)
    : m_find(find), m_replace(replace), m_regex(regex), m_locale(locale)
{
    if (!m_regex || m_find.isEmpty())
        return;
    pcre2_compile_context *compileContext = pcre2_compile_context_create(nullptr);
    pcre2_set_newline(compileContext, PCRE2_NEWLINE_ANY);
    int errorCode = 0;
    PCRE2_SIZE errorOffset = 0;
    // Invalid UTF-16 in a name (a lone surrogate) never matches and breaks nothing.
    pcre2_code *code = pcre2_compile(units(m_find), PCRE2_SIZE(m_find.size()), PCRE2_UTF | PCRE2_MATCH_INVALID_UTF,
                                     &errorCode, &errorOffset, compileContext);
    pcre2_compile_context_free(compileContext);
    if (!code) {
        PCRE2_UCHAR message[256];
        pcre2_get_error_message(errorCode, message, sizeof message / sizeof message[0]);
        m_error =
            QCoreApplication::translate("Engine", "Error in regular expression at offset %1: %2")
                .arg(QString::number(errorOffset), QString::fromUtf16(reinterpret_cast<const char16_t *>(message)));
        return;
    }
    m_compiled = std::make_unique<Regex>();
    Regex &r = *m_compiled;
    r.code = code;
    pcre2_jit_compile(code, PCRE2_JIT_COMPLETE); // without JIT the interpreter runs the same pattern
    r.matchData = pcre2_match_data_create_from_pattern(code, nullptr);
    r.matchContext = pcre2_match_context_create(nullptr);
    pcre2_set_match_limit(r.matchContext, kMatchLimit);
    r.jitStack = pcre2_jit_stack_create(32 * 1024, kJitStackMax, nullptr);
    if (r.jitStack)
        pcre2_jit_stack_assign(r.matchContext, nullptr, r.jitStack);
    uint32_t groupCount = 0;
    pcre2_pattern_info(code, PCRE2_INFO_CAPTURECOUNT, &groupCount);
    r.replacement.emplace(m_replace, int(groupCount), namedGroups(code));
}

FindReplace::~FindReplace() = default;

QString FindReplace::apply(const QString &text)
{
    if (m_find.isEmpty())
        return text;
    if (!m_regex)
        return QString(text).replace(m_find, m_replace, Qt::CaseSensitive);
    if (!m_compiled)
        throw MorvaneError(m_error);

    const Regex &r = *m_compiled;
    QString s = text;
    PCRE2_SIZE offset = 0;
    for (;;) {
        // Each search runs on the text as changed so far, right after the last replacement.
        const int rc =
            pcre2_match(r.code, units(s), PCRE2_SIZE(s.size()), offset, PCRE2_NOTEMPTY, r.matchData, r.matchContext);
        if (rc <= 0)
            break; // no further match, or the matcher gave up (match limit): the search ends
        const PCRE2_SIZE *spans = pcre2_get_ovector_pointer(r.matchData);
        if (spans[0] > spans[1] || spans[1] > PCRE2_SIZE(s.size()))
            break;
        const MatchGroups match{QStringView(s), spans, rc};
        const QString replacement = r.replacement->expand(match, m_locale);
        const qsizetype start = qsizetype(spans[0]);
        const qsizetype matchLength = qsizetype(spans[1] - spans[0]);
        if (replacement.size() > matchLength && s.size() - matchLength + replacement.size() > kMaxTextLength)
            break;
        s.replace(start, matchLength, replacement);
        offset = PCRE2_SIZE(start + replacement.size());
    }
    return s;
}

} // namespace morvane
