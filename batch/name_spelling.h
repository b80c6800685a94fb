#pragma once

#include "batch/system_calls.h"

#include <QByteArray>

namespace morvane {

// On file systems that ignore case (FAT and exFAT cards, SMB shares, casefold
// folders) a target name can be taken by the source itself, spelled otherwise.
// Inode numbers cannot tell (FUSE gives each spelling its own), so the folder's
// listing does: true when from and to lie in one folder, no entry of exactly
// to's name exists, from's entry does, and no other entry matches to's name
// with case ignored. Paths are absolute and encoded.
bool isOtherSpellingOfSource(SystemCalls &sys, const QByteArray &from, const QByteArray &to);

// True when the folder of path lists an entry of exactly path's name (also
// when the folder cannot be read: nothing then says otherwise).
bool folderListsExactName(const QByteArray &path);

} // namespace morvane
