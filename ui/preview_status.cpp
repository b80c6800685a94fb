#include "ui/preview_status.h"

#include "batch/preflight.h"
#include "engine/option_panel.h"
#include "engine/rename_item_list.h"
#include "ui/file_list_model.h"
#include "ui/file_list_view.h"
#include "ui/status_bar.h"

namespace morvane {

PreviewStatus::PreviewStatus(const RenameItemList &items, const OptionPanel &options, FileListView &list,
                             StatusBar &bar)
    : m_items(items), m_options(options), m_list(list), m_bar(bar)
{
}

bool PreviewStatus::checked() const
{
    return m_list.fileModel()->hasChecks() && !m_items.isEmpty();
}

void PreviewStatus::namesBuilt()
{
    m_list.fileModel()->dropStaleChecks();
    m_list.fileModel()->setChecks(checkPreview(m_items, m_options));
    m_list.statusesChanged();
    showCounts();
}

void PreviewStatus::rowsChanged()
{
    if (checked()) {
        m_list.fileModel()->refreshChecks(checkPreview(m_items, m_options));
        m_list.statusesChanged();
    }
    showCounts();
}

void PreviewStatus::filesRenamed()
{
    if (checked())
        m_list.fileModel()->refreshChecks(checkPreview(m_items, m_options));
    showCounts();
}

void PreviewStatus::showInstead(const QString &text)
{
    m_bar.setCounts(text);
}

void PreviewStatus::showCounts()
{
    m_bar.setCounts(checked() ? rowStatusCountText(m_list.fileModel()->checks()) : QString());
}

} // namespace morvane
