#pragma once

#include <QList>
#include <QString>

namespace morvane {

// The parts of newName that differ from oldName, as [start, end) ranges of
// newName in order: the common beginning and end are cut off, and what is
// left in the middle is matched character by character (longest common
// subsequence) when it is short, so "IMG_0042.JPG" -> "Holiday_0042.jpg"
// marks "Holiday" and "jpg", not everything between them.
//
//   changedRanges(u"a-b.txt", u"a_b.txt")  // {{1, 2}}
struct TextRange {
    int start;
    int end;
    bool operator==(const TextRange &) const = default;
};
QList<TextRange> changedRanges(const QString &oldName, const QString &newName);

} // namespace morvane
