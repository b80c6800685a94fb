#pragma once

#include "engine/text_file.h"

#include <QString>
#include <QStringList>

namespace morvane {

// Replaces the content of `list` (m_importedNameList) with the names of a
// text or CSV file: UTF-8 with an optional byte-order mark, lines split at
// CR LF, CR or LF, first column, trimmed, outer double quotes removed.
// The list is emptied first and stays empty when this throws MorvaneError
// (the file cannot be opened or read, or is not valid UTF-8).
void loadNameList(const QString &fileName, QStringList &list);

// The names of one decoded text, as loadNameList takes them.
QStringList parseNameList(QStringView text);

} // namespace morvane
