#include "ui/new_name_delegate.h"

#include "ui/file_list_model.h"
#include "ui/name_diff.h"

#include <QApplication>
#include <QPainter>

namespace morvane {

void NewNameDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    const QString oldName = index.siblingAtColumn(FileListModel::OriginalNameColumn).data().toString();
    if (text.isEmpty() || text == oldName) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    opt.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget); // background, selection, focus

    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect textRect = area.adjusted(margin, 0, -margin, 0);
    const QFontMetrics metrics(opt.font);
    painter->save();
    painter->setClipRect(area);
    // A translucent mark reads on light and dark themes and under the selection.
    const QColor mark(255, 170, 0, 110);
    for (const TextRange &range : changedRanges(oldName, text)) {
        const int x0 = textRect.left() + metrics.horizontalAdvance(text.left(range.start));
        const int x1 = textRect.left() + metrics.horizontalAdvance(text.left(range.end));
        if (x0 > textRect.right())
            break;
        painter->fillRect(QRect(x0, textRect.top() + 2, std::max(1, x1 - x0), textRect.height() - 4), mark);
    }
    const bool selected = opt.state & QStyle::State_Selected;
    QColor pen = selected ? opt.palette.color(QPalette::HighlightedText) : opt.palette.color(QPalette::Text);
    if (!selected) {
        const QVariant foreground = index.data(Qt::ForegroundRole);
        if (foreground.canConvert<QColor>() && foreground.value<QColor>().isValid())
            pen = foreground.value<QColor>();
    }
    painter->setPen(pen);
    painter->setFont(opt.font);
    painter->drawText(textRect, int(Qt::AlignLeft | Qt::AlignVCenter) | Qt::TextSingleLine, text);
    painter->restore();
}

} // namespace morvane
