#pragma once

#include <QString>

namespace morvane {

// Path text on Linux: "/" is the only separator; ":" and "\" are ordinary
// characters. Nothing here touches the file system except reading the
// working folder.
//
//   fileNamePart("/a/b.txt") == "b.txt"
//   folderPart("/a/b.txt") == "/a/"
//   joinFolderPath("/a", "b") == "/a/b"; joinFolderPath("/a/", "b") == "/a/b"
//   pathJoin("", "b") == "b"; pathJoin("/a", "/x/b") == "/x/b"
//   absolutePathIn("b", "/a") == "/a/b"; absolutePathIn("/x", "/a") == "/x"

QString fileNamePart(const QString &path); // text after the last "/"
QString folderPart(const QString &path);   // text up to and including the last "/"

// Joins a folder and a name with "/", adding none when the folder already ends with one.
QString joinFolderPath(const QString &folder, const QString &name);

// "Invalid characters in path": U+0000, which would end the path early, and a
// lone surrogate, which has no UTF-8 form. Every other character is a legal
// name character on Linux, quotes and control characters included.
bool hasInvalidPathCharacters(const QString &path);
// The message for such a path, in the user's language.
QString invalidPathCharactersText();

// Folder, one "/" unless the folder already ends in one, then the name. An
// empty folder or an absolute name yields the name alone. Throws MorvaneError
// "Invalid characters in path" when either part holds an invalid character.
QString pathJoin(const QString &folder, const QString &name);

// The path made absolute against folder (no "." or ".." folding).
QString absolutePathIn(const QString &path, const QString &folder);

// The path made absolute against the working folder (no "." or ".." folding);
// an empty path is the working folder itself.
QString absolutePath(const QString &path);

// The path made absolute against the working folder with "." segments and
// doubled slashes dropped; ".." stays, since after a link it need not lead
// back to the folder the text suggests.
//
//   absoluteCleanPath("/a//./b/../c/") == "/a/b/../c"
QString absoluteCleanPath(const QString &path);

} // namespace morvane
