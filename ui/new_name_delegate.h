#pragma once

#include <QStyledItemDelegate>

namespace morvane {

// Paints the New Name column with the part that differs from the old name
// marked, so a rule that does the wrong thing stands out in a long list.
class NewNameDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace morvane
