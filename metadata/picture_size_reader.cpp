#include "metadata/readers.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <limits>

#include <jpeglib.h>
#include <png.h>
#include <tiffio.h>

namespace morvane {

namespace {

// Desktop pixels per inch, at which metafiles report their size.
constexpr int kScreenDpi = 96;
constexpr qint64 kMaxSide = std::numeric_limits<int>::max();

struct Size {
    qint64 width = 0;
    qint64 height = 0;
};

quint16 U16(const QByteArray &b, qsizetype at)
{
    return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8);
}

quint32 U32(const QByteArray &b, qsizetype at)
{
    return quint32(U16(b, at)) | quint32(U16(b, at + 2)) << 16;
}

qint32 I32(const QByteArray &b, qsizetype at)
{
    return qint32(U32(b, at));
}

qint16 I16(const QByteArray &b, qsizetype at)
{
    return qint16(U16(b, at));
}

quint32 bigU32(const QByteArray &b, qsizetype at)
{
    return quint32(quint8(b[at])) << 24 | quint32(quint8(b[at + 1])) << 16 | quint32(quint8(b[at + 2])) << 8
        | quint32(quint8(b[at + 3]));
}

// Windows' mulDiv: a * b / c rounded half away from zero.
qint64 mulDiv(qint64 a, qint64 b, qint64 c)
{
    return c == 0 ? 0 : std::llround(double(a) * double(b) / double(c));
}

QByteArray readAt(QFile &file, qint64 offset, qint64 length)
{
    if (offset < 0 || !file.seek(offset))
        return {};
    return file.read(length);
}

// ---- Headers of our own: BMP, ICO, EMF, WMF --------------------------------

Size bmpSize(QFile &file)
{
    const QByteArray b = readAt(file, 0, 14 + 40);
    if (b.size() < 14 + 12 || b[0] != 'B' || b[1] != 'M')
        return {};
    const quint32 offBits = U32(b, 10);
    const quint32 headerSize = U32(b, 14);
    qint64 width, height;
    quint16 planes, bitCount;
    quint32 compression = 0;
    if (headerSize == 12) {
        width = U16(b, 18);
        height = U16(b, 20);
        planes = U16(b, 22);
        bitCount = U16(b, 24);
    } else if (headerSize >= 16 && headerSize <= 124 && b.size() >= 14 + 16) {
        width = I32(b, 18);
        height = I32(b, 22);
        planes = U16(b, 26);
        bitCount = U16(b, 28);
        if (headerSize >= 20 && b.size() >= 14 + 20)
            compression = U32(b, 30);
    } else {
        return {};
    }
    height = qAbs(height); // a negative height is a top-down bitmap
    if (planes != 1)
        return {};
    const bool embedded = compression == 4 || compression == 5; // JPEG or PNG inside
    switch (bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    case 0:
        if (embedded)
            break;
        return {};
    default:
        return {};
    }
    // Uncompressed pixels must all be there: a cut-off bitmap does not load.
    if (compression == 0 || compression == 3 || compression == 6) {
        const qint64 rowBytes = (width * bitCount + 31) / 32 * 4;
        const qint64 start = qMax<qint64>(offBits, 14 + headerSize);
        if (width > 0 && height > 0 && double(file.size()) < double(start) + double(rowBytes) * double(height))
            return {};
    }
    return {width, height};
}

Size icoEntrySize(QFile &file, const QByteArray &dir, qsizetype entry)
{
    const quint32 bytes = U32(dir, entry + 8);
    const quint32 offset = U32(dir, entry + 12);
    if (bytes == 0 || qint64(offset) + bytes > file.size())
        return {};
    const QByteArray head = readAt(file, offset, 24);
    if (head.size() >= 24 && head.startsWith("\x89PNG\r\n\x1a\n"))
        return {bigU32(head, 16), bigU32(head, 20)};
    if (head.size() >= 12 && U32(head, 0) == 40)
        return {I32(head, 4), qAbs(qint64(I32(head, 8))) / 2}; // height covers the colour and mask halves
    // Directory bytes: 0 stands for 256.
    const int w = quint8(dir[entry]), h = quint8(dir[entry + 1]);
    return {w == 0 ? 256 : w, h == 0 ? 256 : h};
}

// An icon file holds several images; it reports its largest.
Size icoSize(QFile &file)
{
    const QByteArray head = readAt(file, 0, 6);
    if (head.size() < 6 || U16(head, 0) != 0 || U16(head, 2) != 1)
        return {};
    const int count = U16(head, 4);
    if (count == 0)
        return {};
    const QByteArray dir = readAt(file, 6, qint64(count) * 16);
    if (dir.size() < qint64(count) * 16)
        return {};
    Size best;
    for (int i = 0; i < count; ++i) {
        const Size s = icoEntrySize(file, dir, qsizetype(i) * 16);
        if (s.width <= 0 || s.height <= 0 || s.width > kMaxSide || s.height > kMaxSide)
            return {};
        if (double(s.width) * double(s.height) > double(best.width) * double(best.height))
            best = s;
    }
    return best;
}

Size emfSize(QFile &file)
{
    const QByteArray b = readAt(file, 0, 88);
    if (b.size() < 88 || U32(b, 0) != 1 || U32(b, 4) < 88 || U32(b, 40) != 0x464D4520)
        return {};
    // rclFrame is the picture's extent in 0.01 mm; rclBounds its inclusive device pixels.
    const qint64 frameW = qint64(I32(b, 32)) - I32(b, 24);
    const qint64 frameH = qint64(I32(b, 36)) - I32(b, 28);
    Size s{mulDiv(frameW, kScreenDpi, 2540), mulDiv(frameH, kScreenDpi, 2540)};
    if (s.width <= 0 || s.height <= 0)
        s = {qint64(I32(b, 16)) - I32(b, 8) + 1, qint64(I32(b, 20)) - I32(b, 12) + 1};
    return s;
}

// Only a placeable metafile (with its Aldus header) knows its size.
Size wmfSize(QFile &file)
{
    const QByteArray b = readAt(file, 0, 22 + 18);
    if (b.size() < 22 + 18 || U32(b, 0) != 0x9AC6CDD7u)
        return {};
    const quint16 type = U16(b, 22), headerWords = U16(b, 24);
    const quint16 inch = U16(b, 14);
    if ((type != 1 && type != 2) || headerWords != 9 || inch == 0)
        return {};
    const qint64 mmWidth = mulDiv(qint64(I16(b, 10)) - I16(b, 6), 2540, inch);
    const qint64 mmHeight = mulDiv(qint64(I16(b, 12)) - I16(b, 8), 2540, inch);
    return {mulDiv(mmWidth, kScreenDpi, 2540), mulDiv(mmHeight, kScreenDpi, 2540)};
}

// ---- Libraries: JPEG, PNG, TIFF -------------------------------------------
// libjpeg and libpng report errors by longjmp; these functions keep only
// plain C values alive across it.

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void jpegErrorExit(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegError *>(info->err)->jump, 1);
}

void jpegSilent(j_common_ptr)
{
}

bool jpegSize(std::FILE *f, Size *size)
{
    jpeg_decompress_struct info;
    JpegError error;
    std::memset(&info, 0, sizeof info);
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jpegErrorExit;
    error.manager.output_message = jpegSilent;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, f);
    jpeg_read_header(&info, TRUE);
    size->width = info.image_width;
    size->height = info.image_height;
    jpeg_destroy_decompress(&info);
    return true;
}

[[noreturn]] void pngError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void pngWarning(png_structp, png_const_charp)
{
}

// The whole image data is inflated, one row at a time, so a damaged file fails
// without the memory of the full picture.
bool pngSize(std::FILE *f, Size *size)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, pngError, pngWarning);
    if (!png)
        return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    png_bytep volatile row = nullptr;
    if (setjmp(png_jmpbuf(png))) {
        png_free(png, row);
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_init_io(png, f);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    row = static_cast<png_bytep>(png_malloc(png, png_get_rowbytes(png, info)));
    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 y = 0; y < height; ++y)
            png_read_row(png, row, nullptr);
    png_read_end(png, nullptr);
    png_free(png, row);
    png_destroy_read_struct(&png, &info, nullptr);
    size->width = width;
    size->height = height;
    return true;
}

int tiffSilent(TIFF *, void *, const char *, const char *, va_list)
{
    return 1; // handled: keep libtiff from printing
}

bool tiffSize(const QByteArray &path, Size *size)
{
    TIFFOpenOptions *options = TIFFOpenOptionsAlloc();
    if (!options)
        return false;
    TIFFOpenOptionsSetErrorHandlerExtR(options, tiffSilent, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options, tiffSilent, nullptr);
    // "m": no memory mapping, so a file cut short while we read cannot fault.
    TIFF *tif = TIFFOpenExt(path.constData(), "rm", options);
    TIFFOpenOptionsFree(options);
    if (!tif)
        return false;
    uint32_t width = 0, height = 0;
    const bool ok =
        TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &width) == 1 && TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &height) == 1;
    TIFFClose(tif);
    size->width = width;
    size->height = height;
    return ok;
}

template <typename Reader>
Size withStdFile(const QString &path, Reader reader)
{
    Size size;
    std::FILE *f = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!f)
        return {};
    if (!reader(f, &size))
        size = {};
    std::fclose(f);
    return size;
}

Size readSize(const QString &path)
{
    // Only regular files: a pipe or device named like a picture would block.
    if (!QFileInfo(path).isFile())
        return {};
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == u"jpg" || ext == u"jpeg")
        return withStdFile(path, jpegSize);
    if (ext == u"png")
        return withStdFile(path, pngSize);
    if (ext == u"tif" || ext == u"tiff") {
        Size size;
        return tiffSize(QFile::encodeName(path), &size) ? size : Size{};
    }
    Size (*reader)(QFile &) = nullptr;
    if (ext == u"bmp")
        reader = bmpSize;
    else if (ext == u"ico")
        reader = icoSize;
    else if (ext == u"emf")
        reader = emfSize;
    else if (ext == u"wmf")
        reader = wmfSize;
    if (!reader)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return reader(file);
}

} // namespace

namespace readers {

bool readImageSize(const QString &path, int *width, int *height)
{
    const Size s = readSize(path);
    const bool ok = s.width > 0 && s.height > 0 && s.width <= kMaxSide && s.height <= kMaxSide;
    *width = ok ? int(s.width) : 0;
    *height = ok ? int(s.height) : 0;
    return ok;
}

} // namespace readers

} // namespace morvane
