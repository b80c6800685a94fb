#include "engine/item_order.h"

#include "engine/ascii.h"
#include "engine/natural_order.h"
#include "engine/paths.h"

#include <algorithm>
#include <numeric>

namespace morvane {

std::optional<SortKey> sortKeyFromWord(QStringView word)
{
    static const std::pair<QStringView, SortKey> words[] = {
        {u"name", SortKey::Name}, {u"date", SortKey::Date}, {u"size", SortKey::Size}, {u"none", SortKey::None}};
    for (const auto &[text, key] : words)
        if (asciiEqualsIgnoreCase(word, text))
            return key;
    return std::nullopt;
}

QList<int> sortedOrder(const RenameItemList &items, SortKey key, bool descending)
{
    const QList<RenameItem> &list = items.items();
    const qsizetype n = list.size();
    QList<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    if (key == SortKey::None)
        return order;

    const QList<int> nameRank = naturalRanks(n, [&](qsizetype i) { return QStringView(list[i].fileName()); });
    const QList<int> folderRank = naturalRanks(n, [&](qsizetype i) { return QStringView(list[i].folder()); });
    QList<int> newNameRank;
    if (key == SortKey::NewName)
        newNameRank = naturalRanks(n, [&](qsizetype i) { return QStringView(list[i].newName); });

    // <0, 0, >0 by the key alone; then name and folder.
    auto byKey = [&](int a, int b) -> int {
        switch (key) {
        case SortKey::NewName:
            return newNameRank[a] - newNameRank[b];
        case SortKey::Folder:
            return folderRank[a] - folderRank[b];
        case SortKey::Size:
            return (list[a].size > list[b].size) - (list[a].size < list[b].size);
        case SortKey::Date:
            return (list[a].modifiedUtc > list[b].modifiedUtc) - (list[a].modifiedUtc < list[b].modifiedUtc);
        default:
            return 0;
        }
    };
    auto compare = [&](int a, int b) {
        if (const int r = byKey(a, b))
            return r;
        if (const int r = nameRank[a] - nameRank[b])
            return r;
        return folderRank[a] - folderRank[b];
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return descending ? compare(b, a) < 0 : compare(a, b) < 0; });
    return order;
}

void sortItems(RenameItemList &items, SortKey key, bool descending)
{
    if (key == SortKey::Size || key == SortKey::Date)
        items.readMissingFacts();
    if (key != SortKey::None)
        items.reorder(sortedOrder(items, key, descending));
}

namespace {

// The order after the move, and the rows the moved items hold then.
QList<int> moveRows(int n, QList<int> rows, int step, QList<int> *movedRows)
{
    QList<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [n](int r) { return r < 0 || r >= n; }), rows.end());
    if (step != -1 && step != 1) {
        *movedRows = rows;
        return order;
    }
    QList<bool> selected(n, false);
    for (int r : rows)
        selected[r] = true;
    // Walk towards the end the rows move to, so a block stuck there stops the ones behind it.
    const int first = step < 0 ? 0 : n - 1;
    for (int i = first; i >= 0 && i < n; i -= step) {
        if (!selected[i])
            continue;
        const int to = i + step;
        if (to >= 0 && to < n && !selected[to]) {
            std::swap(order[i], order[to]);
            std::swap(selected[i], selected[to]);
            movedRows->append(to);
        } else {
            movedRows->append(i);
        }
    }
    std::sort(movedRows->begin(), movedRows->end());
    return order;
}

} // namespace

QList<int> movedOrder(int count, QList<int> rows, int step)
{
    QList<int> moved;
    return moveRows(count, std::move(rows), step, &moved);
}

QList<int> moveItems(RenameItemList &items, QList<int> rows, int step)
{
    QList<int> moved;
    items.reorder(moveRows(items.count(), std::move(rows), step, &moved));
    return moved;
}

} // namespace morvane
