// The path split and join on any path: folder and file name put together
// give the path back, the file name holds no "/", name and extension put
// together give the file name, and a path called exact encodes and decodes
// to itself.
#include "fuzz_support.h"
#include "engine/morvane_error.h"
#include "engine/paths.h"
#include "engine/rename_item.h"

#include <QStringDecoder>

#include <cstdint>

using namespace morvane;

namespace {

void check(const QString &path)
{
    const QString folder = folderPart(path);
    const QString file = fileNamePart(path);
    FUZZ_REQUIRE(folder + file == path);
    FUZZ_REQUIRE(!file.contains(u'/'));
    FUZZ_REQUIRE(folder.isEmpty() || folder.endsWith(u'/'));

    RenameItem item;
    item.setPath(path);
    FUZZ_REQUIRE(item.folder() == folder && item.fileName() == file);
    const QString name = item.originalName().toString(), ext = item.ext().toString();
    FUZZ_REQUIRE(name + ext == file);
    FUZZ_REQUIRE(ext.isEmpty() || (ext.startsWith(u'.') && ext.count(u'.') == 1));
    FUZZ_REQUIRE(!ext.isEmpty() || !file.contains(u'.'));

    if (isExactLocalPath(path)) {
        FUZZ_REQUIRE(!path.contains(QChar(0)));
        // Decoded with a leading U+FEFF kept: it is a character of the name here.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        const QString back = decoder(path.toUtf8());
        FUZZ_REQUIRE(!decoder.hasError() && back == path);
    } else {
        FUZZ_REQUIRE(!inexactPathMessage(path).isEmpty());
    }

    // Joining the parts again: the join adds a "/" only where none is.
    try {
        const QString joined = pathJoin(folder, file);
        FUZZ_REQUIRE(!hasInvalidPathCharacters(path));
        FUZZ_REQUIRE(file.isEmpty() ? joined == folder || joined.isEmpty() : joined.endsWith(file));
        if (!folder.isEmpty() && !file.isEmpty())
            FUZZ_REQUIRE(joined == path);
    } catch (const MorvaneError &e) {
        FUZZ_REQUIRE(hasInvalidPathCharacters(path));
        FUZZ_REQUIRE(e.message() == u"Invalid characters in path");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    check(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    check(QString(reinterpret_cast<const QChar *>(data), qsizetype(size / 2)));
    return 0;
}
