#include "engine/natural_order.h"

#include <QCollator>
#include <QLocale>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

namespace morvane {

namespace {

constexpr char16_t kFirstPrintable = 0x20;
constexpr char16_t kLastPrintable = 0x7E;
constexpr qsizetype kLongestFastRun = 250; // digit run length that still fits the key's length byte

int sign(int v)
{
    return (v > 0) - (v < 0);
}

// Printable ASCII as the English collation (numeric, case ignored) orders it,
// which is what buildRanks finds for English and C: the digits share one rank
// and so do the two cases of a letter. A run in those locales takes its fast
// keys from here and sets up the collator, some milliseconds of ICU, only for
// a name the keys cannot stand for. The order test holds it to the collator.
constexpr char kEnglishOrder[] = " _-,;:!?.'\"()[]{}@*/\\&#%`^+<=>|~$0123456789"
                                 "AaBbCcDdEeFfGgHhIiJjKkLlMmNnOoPpQqRrSsTtUuVvWwXxYyZz";

bool usesEnglishOrder(const QLocale &locale)
{
    return locale.language() == QLocale::C || locale.language() == QLocale::English;
}

// The collator for the default locale, and a fast equivalent for printable
// ASCII names: each character's collation rank, a digit run as one token
// that compares by value. The fast keys are only used when they agree with
// the collator on a set of probes for this locale (some locales treat
// letter pairs such as "aa" or "ch" as one letter; those keep the collator).
class NaturalCollation {
public:
    explicit NaturalCollation(const QLocale &locale) : m_locale(locale)
    {
        if (usesEnglishOrder(locale)) {
            m_fast = englishRanks();
            return;
        }
        m_fast = buildRanks(); // the probes below use the fast keys
        m_fast = m_fast && probesAgree();
    }

    const QLocale &locale() const { return m_locale; }
    const QCollator &collator() const
    {
        if (!m_collator) {
            m_collator = std::make_unique<QCollator>(
                m_locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : m_locale);
            m_collator->setNumericMode(true);
            m_collator->setCaseSensitivity(Qt::CaseInsensitive);
        }
        return *m_collator;
    }
    bool hasFastKeys() const { return m_fast; }

    // Appends the key of name to out: the collation part, a 0 byte, then the
    // name itself, so comparing keys bytewise gives the order with ties
    // broken by the exact text. False (out unchanged in length) when the fast
    // keys cannot stand for the collator on this name.
    bool appendKey(QStringView name, std::string &out, bool withExactText = true) const
    {
        if (!m_fast)
            return false;
        const size_t start = out.size();
        const qsizetype n = name.size();
        for (qsizetype i = 0; i < n;) {
            const char16_t c = name[i].unicode();
            if (c < kFirstPrintable || c > kLastPrintable) {
                out.resize(start);
                return false;
            }
            if (c < u'0' || c > u'9') {
                out.push_back(char(m_rank[c]));
                ++i;
                continue;
            }
            // A digit run: leading zeros dropped, then longer means larger.
            qsizetype end = i;
            while (end < n && name[end] >= u'0' && name[end] <= u'9')
                ++end;
            qsizetype first = i;
            while (first < end - 1 && name[first] == u'0')
                ++first;
            if (end - first > kLongestFastRun) {
                out.resize(start);
                return false;
            }
            out.push_back(char(m_digitRank));
            out.push_back(char(end - first));
            for (qsizetype k = first; k < end; ++k)
                out.push_back(char(name[k].unicode()));
            i = end;
        }
        if (withExactText) {
            out.push_back('\0');
            for (QChar ch : name)
                out.push_back(char(ch.unicode()));
        }
        return true;
    }

private:
    bool englishRanks()
    {
        int rank = 0;
        for (const char *p = kEnglishOrder; *p; ++p) {
            const auto c = uchar(*p);
            const bool digit = c >= '0' && c <= '9';
            const bool sameRank = (digit && c != '0') || (c >= 'a' && c <= 'z');
            if (!sameRank)
                ++rank;
            m_rank[c] = uchar(rank);
            if (digit)
                m_digitRank = uchar(rank);
        }
        return true;
    }

    // Ranks of the printable ASCII characters as the collator orders them
    // alone (case-equal letters share a rank); the digits, which a digit run
    // replaces, must lie next to each other and share one rank.
    bool buildRanks()
    {
        std::vector<char16_t> chars;
        for (char16_t c = kFirstPrintable; c <= kLastPrintable; ++c)
            chars.push_back(c);
        auto cmp = [this](char16_t a, char16_t b) {
            return collator().compare(QStringView(&a, 1), QStringView(&b, 1));
        };
        std::stable_sort(chars.begin(), chars.end(), [&](char16_t a, char16_t b) { return cmp(a, b) < 0; });
        int rank = 0;
        int digitsSeen = 0;
        for (size_t i = 0; i < chars.size(); ++i) {
            const char16_t c = chars[i];
            const bool digit = c >= u'0' && c <= u'9';
            const bool newRank = i == 0 || (digit ? digitsSeen == 0 : cmp(chars[i - 1], c) != 0);
            if (digit) {
                if (digitsSeen > 0 && !(chars[i - 1] >= u'0' && chars[i - 1] <= u'9'))
                    return false;
                ++digitsSeen;
            }
            if (newRank)
                ++rank;
            if (rank > 250)
                return false;
            m_rank[c] = uchar(rank);
            if (digit)
                m_digitRank = uchar(rank);
        }
        return true;
    }

    // The fast keys order every one- and two-character name and a set of
    // digit-run names exactly as the collator does; checking neighbours in
    // the fast order is enough, both orders being total.
    bool probesAgree() const
    {
        QStringList probes;
        for (char16_t a = kFirstPrintable; a <= kLastPrintable; ++a) {
            probes.append(QString(QChar(a)));
            for (char16_t b = kFirstPrintable; b <= kLastPrintable; ++b)
                probes.append(QString(QChar(a)) + QChar(b));
        }
        for (const char *p :
             {"0",    "00",    "000",   "01",  "1",   "001",  "9",    "10",   "010", "99",  "100", "a0",  "a00",
              "a01b", "a1b",   "a1",    "a10", "a9",  "a1-2", "a1.5", "a1 2", "a12", "a1a", "1a",  "01a", "10a",
              "a1b2", "a01b1", "a1b01", "x-1", "x_1", "x 1",  "x.1",  "z9",   "Z10", "0.5", "1.0"})
            probes.append(QString::fromLatin1(p));
        std::vector<std::string> keys(probes.size());
        for (qsizetype i = 0; i < probes.size(); ++i)
            appendKey(probes[i], keys[i], false);
        std::vector<qsizetype> order(probes.size());
        std::iota(order.begin(), order.end(), 0);
        std::sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return keys[a] < keys[b]; });
        for (size_t i = 1; i < order.size(); ++i) {
            const std::string &a = keys[order[i - 1]];
            const std::string &b = keys[order[i]];
            const int fast = a == b ? 0 : -1;
            if (sign(collator().compare(probes[order[i - 1]], probes[order[i]])) != fast)
                return false;
        }
        return true;
    }

    QLocale m_locale;
    mutable std::unique_ptr<QCollator> m_collator;
    bool m_fast = false;
    std::array<uchar, 128> m_rank{};
    uchar m_digitRank = 0;
};

// One collation per locale in use; rebuilt when the default locale changes.
const NaturalCollation &collation()
{
    static std::unique_ptr<NaturalCollation> current;
    const QLocale locale;
    if (!current || current->locale() != locale)
        current = std::make_unique<NaturalCollation>(locale);
    return *current;
}

} // namespace

int naturalCompare(QStringView a, QStringView b)
{
    const NaturalCollation &c = collation();
    std::string ka, kb;
    if (c.appendKey(a, ka) && c.appendKey(b, kb))
        return sign(ka.compare(kb));
    if (const int r = c.collator().compare(a, b))
        return sign(r);
    return sign(a.compare(b));
}

namespace {

// Sorts the indexes of count names in natural order and hands the order with
// its comparison to done (which runs while the keys still exist).
template <typename Done>
void sortIndexes(qsizetype count, const std::function<QStringView(qsizetype)> &name, Done done)
{
    QList<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    // Nothing to compare: the collator, a few milliseconds to set up, is not needed.
    if (count < 2) {
        auto same = [](int, int) { return 0; };
        done(order, same);
        return;
    }
    const NaturalCollation &c = collation();

    // Fast keys when every name has one, all in one buffer, without the exact
    // text: ties between keys are rare and compare the names themselves.
    std::string keys;
    std::vector<size_t> starts;
    starts.reserve(count + 1);
    bool fast = true;
    for (qsizetype i = 0; i < count && fast; ++i) {
        starts.push_back(keys.size());
        if (keys.capacity() - keys.size() < 512)
            keys.reserve(std::max<size_t>(keys.capacity() * 2, 4096));
        fast = c.appendKey(name(i), keys, false);
    }
    starts.push_back(keys.size());

    if (fast) {
        // The first 16 key bytes ride along in the array being sorted (keys hold
        // no 0 byte, so 0 padding sorts a shorter key first); most comparisons
        // end there, without a look at the key buffer.
        struct Entry {
            quint64 head[2];
            int index;
        };
        std::vector<Entry> entries(count);
        for (qsizetype i = 0; i < count; ++i) {
            unsigned char bytes[16] = {};
            std::memcpy(bytes, keys.data() + starts[i], std::min<size_t>(16, starts[i + 1] - starts[i]));
            for (int w = 0; w < 2; ++w) {
                quint64 v = 0;
                for (int k = 0; k < 8; ++k)
                    v = (v << 8) | bytes[w * 8 + k];
                entries[i].head[w] = v;
            }
            entries[i].index = int(i);
        }
        auto compare = [&](int a, int b) {
            const size_t la = starts[a + 1] - starts[a], lb = starts[b + 1] - starts[b];
            if (const int r = std::memcmp(keys.data() + starts[a], keys.data() + starts[b], std::min(la, lb)))
                return r;
            if (la != lb)
                return la < lb ? -1 : 1;
            return name(a).compare(name(b));
        };
        std::sort(entries.begin(), entries.end(), [&](const Entry &x, const Entry &y) {
            if (x.head[0] != y.head[0])
                return x.head[0] < y.head[0];
            if (x.head[1] != y.head[1])
                return x.head[1] < y.head[1];
            return compare(x.index, y.index) < 0;
        });
        for (qsizetype i = 0; i < count; ++i)
            order[i] = entries[i].index;
        done(order, compare);
        return;
    }
    std::vector<QCollatorSortKey> sortKeys;
    sortKeys.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        sortKeys.push_back(c.collator().sortKey(name(i).toString()));
    auto compare = [&](int a, int b) {
        if (const int r = sortKeys[a].compare(sortKeys[b]))
            return r;
        return name(a).compare(name(b));
    };
    std::sort(order.begin(), order.end(), [&](int a, int b) { return compare(a, b) < 0; });
    done(order, compare);
}

} // namespace

QList<int> naturalOrder(qsizetype count, const std::function<QStringView(qsizetype)> &name)
{
    QList<int> result;
    sortIndexes(count, name, [&](QList<int> &order, auto &) { result = std::move(order); });
    return result;
}

QList<int> naturalRanks(qsizetype count, const std::function<QStringView(qsizetype)> &name)
{
    QList<int> ranks(count);
    sortIndexes(count, name, [&](const QList<int> &order, auto &compare) {
        int rank = 0;
        for (qsizetype i = 0; i < count; ++i) {
            if (i > 0 && compare(order[i - 1], order[i]) != 0)
                ++rank;
            ranks[order[i]] = rank;
        }
    });
    return ranks;
}

bool naturalOrderHasFastKeys()
{
    return collation().hasFastKeys();
}

void sortNatural(QStringList &names)
{
    const QList<int> order = naturalOrder(names.size(), [&](qsizetype i) { return QStringView(names[i]); });
    QStringList sorted;
    sorted.reserve(names.size());
    for (int i : order)
        sorted.append(std::move(names[i]));
    names = std::move(sorted);
}

} // namespace morvane
