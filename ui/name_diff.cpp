#include "ui/name_diff.h"

#include <vector>

namespace morvane {

namespace {

// Middles longer than this are marked whole: the table grows with the square.
constexpr int kMatchedLength = 128;

void addRange(QList<TextRange> &ranges, int start, int end)
{
    if (start >= end)
        return;
    if (!ranges.isEmpty() && ranges.last().end == start)
        ranges.last().end = end;
    else
        ranges.append({start, end});
}

} // namespace

QList<TextRange> changedRanges(const QString &oldName, const QString &newName)
{
    const int oldSize = int(oldName.size());
    const int newSize = int(newName.size());
    int prefix = 0;
    while (prefix < oldSize && prefix < newSize && oldName.at(prefix) == newName.at(prefix))
        ++prefix;
    int suffix = 0;
    while (suffix < oldSize - prefix && suffix < newSize - prefix
           && oldName.at(oldSize - 1 - suffix) == newName.at(newSize - 1 - suffix))
        ++suffix;
    const int a = oldSize - prefix - suffix; // middle of the old name
    const int b = newSize - prefix - suffix; // middle of the new name
    QList<TextRange> ranges;
    if (b == 0)
        return ranges;
    if (a == 0 || a > kMatchedLength || b > kMatchedLength) {
        ranges.append({prefix, prefix + b});
        return ranges;
    }
    // lcs[i][j]: longest common subsequence of old[i..] and new[j..] within the middles.
    std::vector<unsigned short> lcs(size_t(a + 1) * size_t(b + 1), 0);
    auto at = [&](int i, int j) -> unsigned short & { return lcs[size_t(i) * size_t(b + 1) + size_t(j)]; };
    for (int i = a - 1; i >= 0; --i) {
        for (int j = b - 1; j >= 0; --j) {
            at(i, j) = oldName.at(prefix + i) == newName.at(prefix + j) ? at(i + 1, j + 1) + 1
                                                                        : std::max(at(i + 1, j), at(i, j + 1));
        }
    }
    int i = 0, j = 0;
    while (j < b) {
        if (i < a && oldName.at(prefix + i) == newName.at(prefix + j)) {
            ++i;
            ++j;
        } else if (i < a && at(i + 1, j) >= at(i, j + 1)) {
            ++i;
        } else {
            addRange(ranges, prefix + j, prefix + j + 1);
            ++j;
        }
    }
    return ranges;
}

} // namespace morvane
