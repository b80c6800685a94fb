#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Strict UTF-8: false for any byte sequence that is not valid UTF-8
// (overlong forms, encoded surrogates, values past U+10FFFF, cut sequences).
// A leading byte-order mark is kept as U+FEFF; callers skip it where they want.
bool DecodeUtf8Strict(QByteArrayView bytes, QString *text);

// Replaces the content of `list` (FImportedNameList) with the names of a
// text or CSV file: UTF-8 with an optional byte-order mark, lines split at
// CR LF, CR or LF, first column, trimmed, outer double quotes removed.
// The list is emptied first and stays empty when this throws MorvaneError
// (the file cannot be opened or read, or is not valid UTF-8).
void LoadNameList(const QString &fileName, QStringList &list);

// The names of one decoded text, as LoadNameList takes them.
QStringList ParseNameList(QStringView text);
