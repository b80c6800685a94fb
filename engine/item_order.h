#pragma once

#include "engine/rename_item_list.h"

#include <QList>
#include <QStringView>

#include <optional>

namespace morvane {

// What the batch can be sorted by. Name is the file name with its extension;
// Date the last-write time; Size the bytes. Every key but None breaks ties
// by the name and then the folder, both in natural order (natural_order.h).
enum class SortKey { None, Name, NewName, Folder, Size, Date };

// The key of a command-line word: "name", "date", "size" or "none", any letter case.
//
//   sortKeyFromWord(u"Date") == SortKey::Date;  sortKeyFromWord(u"age") == std::nullopt
std::optional<SortKey> sortKeyFromWord(QStringView word);

// The items' indexes in sorted order; descending reverses the whole order.
// None keeps the order the items came in, descending or not.
//
//   sortedOrder(items, SortKey::Size, false)  // {"b" 10 B, "a" 10 B, "c" 1 B} -> {2, 1, 0}
QList<int> sortedOrder(const RenameItemList &items, SortKey key, bool descending);

// Sorts the items; their built names go with them.
void sortItems(RenameItemList &items, SortKey key, bool descending);

// The order after moving the items at rows one place up (step -1) or down
// (step +1), as for RenameItemList::reorder: item i afterwards is item
// order[i] before. Rules as for moveItems.
QList<int> movedOrder(int count, QList<int> rows, int step);

// Moves the items at rows one place up (step -1) or down (step +1). Selected
// rows next to each other move as a block; a block at the end it moves to
// stays. Returns the rows the moved items hold afterwards, ascending.
//
//   moveItems(items, {1, 2}, -1)  // a b c d -> b c a d, returns {0, 1}
QList<int> moveItems(RenameItemList &items, QList<int> rows, int step);

} // namespace morvane
