#pragma once

#include "engine/option_panel.h"
#include "engine/rename_item_list.h"

#include <QList>
#include <QString>

#include <array>

namespace morvane {

// What the batch would do with one row, as the preview shows it.
enum class RowStatus : quint8 {
    Ready,     // lands at its new name (through a temporary name when it swaps with another row)
    Unchanged, // the new name is the old one: nothing to do
    Duplicate, // another row gets the same target (RowCheck::otherRow)
    Exists,    // a file outside the batch stands at the target
    TooLong,   // the target folder's file system cannot hold the name or the path
    Empty,     // the rules built an empty name
    NotBuilt,  // no preview for this row yet
};
inline constexpr int kRowStatusCount = 7;

// Rows that would not land as shown.
inline bool isProblem(RowStatus status)
{
    return status != RowStatus::Ready && status != RowStatus::Unchanged;
}

struct RowCheck {
    RowStatus status = RowStatus::NotBuilt;
    int otherRow = -1; // Duplicate: the first other row with the same target
};

struct PreviewCheck {
    QList<RowCheck> rows; // one per item, in list order
    std::array<int, kRowStatusCount> counts{};
    int count(RowStatus status) const { return counts[size_t(status)]; }
    int problems() const;
};

// Checks every row against the others and the target folders: each target
// folder is looked at once (its name limits, whether it ignores case, its
// listing when many targets need an existence test), and the targets are
// hashed once, so the check costs about one hash insert per row. In the
// moving modes a target that is the source of another row moving away is
// free (a swap or chain); a copy leaves its sources where they are.
//
//   PreviewCheck check = checkPreview(items, options);
//   check.count(RowStatus::Duplicate);   // rows built to a name another row gets too
enum class ExistenceTest { Yes, No };
PreviewCheck checkPreview(const RenameItemList &items, const OptionPanel &options,
                          ExistenceTest existence = ExistenceTest::Yes);

// The folder every target of the item lands in (absolute, no trailing "/" except for the root).
QString targetFolder(const RenameItem &item, BatchMode mode, const QString &destination);

// One line of text for a row's status ("duplicate of row 3"), rows counted from 1.
QString rowStatusText(const RowCheck &check);
// Short names of the kinds, for counts and headers ("clashes", "unchanged").
QString rowStatusCountText(const PreviewCheck &check);

// Before the first file moves: every row has a built name (else false and
// the caller shows "Please build preview first ..."), and no name or path is
// too long for its folder's file system (else throws MorvaneError naming the
// first rows and the count).
bool preflightNames(const RenameItemList &items, const OptionPanel &options);

// The text of the confirmation before a batch: what will be done, and how the
// clashes the preview found will be resolved.
QString batchConfirmationText(const PreviewCheck &check, const OptionPanel &options);

} // namespace morvane
