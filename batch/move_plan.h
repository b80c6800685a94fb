#pragma once

#include "engine/option_panel.h"
#include "engine/rename_item_list.h"

#include <QList>

namespace morvane {

// One step of a batch: place a row's file at its new name, or first park it
// under a temporary name in its own folder to break a cycle.
struct MoveStep {
    enum class Kind : quint8 { Place, Park };
    int row;
    Kind kind = Kind::Place;
    bool operator==(const MoveStep &) const = default;
};

// The order of a batch's steps. Rows go in list order, except that a row
// whose target is the file of another row moving away (a chain 1 -> 2 -> 3)
// goes after that row, and a cycle (a swap a <-> b, a rotation) starts by
// parking one of its files. A copy leaves every source in place: list order.
// When the list holds folders, deeper paths go first (list order among the
// same depth), so no rename moves the folder of a row still to come.
//
//   rows a.txt -> b.txt, b.txt -> a.txt:  Park 0, Place 1, Place 0
//   rows 1 -> 2, 2 -> 3:                  Place 1, Place 0
QList<MoveStep> planMoves(const RenameItemList &items, BatchMode mode, const QString &destination);

} // namespace morvane
