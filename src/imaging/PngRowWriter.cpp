#include "imaging/PngRowWriter.h"
#include <QIODevice>
#include <csetjmp>
#include <png.h>

// libpng reports errors by a long jump back to the setjmp of the call that failed. Each call
// into libpng therefore sits alone in a function that holds no C++ object of its own, so the
// jump leaves nothing unwound.

namespace {
PngRowWriter& writerOf(png_structp png)
{
    return *static_cast<PngRowWriter*>(png_get_io_ptr(png));
}

void writeData(png_structp png, png_bytep data, size_t length)
{
    PngRowWriter& w = writerOf(png);
    if (w.device().write(reinterpret_cast<const char*>(data), qint64(length)) != qint64(length)) {
        w.fail(w.device().errorString());
        png_error(png, "write failed");
    }
}

void flushData(png_structp)
{
}

void onError(png_structp png, png_const_charp message)
{
    static_cast<PngRowWriter*>(png_get_error_ptr(png))->fail(QString::fromLocal8Bit(message));
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp)
{
}

bool startPng(png_structp png, png_infop info, int width, int height, int level)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
        PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, level);
    // No filter instead of trying all five per row: a chart's rows are long runs of equal
    // pixels, which zlib finds as they are; filtering cost a fifth of the time and made the
    // file larger.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_write_info(png, info);
    // Rows arrive as 32-bit little-endian 0xAARRGGBB: bytes B, G, R, A.
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    return true;
}

bool writeOneRow(png_structp png, const quint32* pixels)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_write_row(png, reinterpret_cast<png_const_bytep>(pixels));
    return true;
}

bool endPng(png_structp png, png_infop info)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_write_end(png, info);
    return true;
}
} // namespace

PngRowWriter::PngRowWriter(QIODevice& device, int width, int height, int level)
    : m_device(device)
{
    m_failed = !start(width, height, level);
}

PngRowWriter::~PngRowWriter()
{
    auto png = static_cast<png_structp>(m_png);
    auto info = static_cast<png_infop>(m_info);
    if (png)
        png_destroy_write_struct(&png, info ? &info : nullptr);
}

void PngRowWriter::fail(const QString& message)
{
    if (m_error.isEmpty())
        m_error = message;
    m_failed = true;
}

bool PngRowWriter::start(int width, int height, int level)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, this, onError, onWarning);
    m_png = png;
    if (!png) {
        fail(QStringLiteral("the PNG writer could not start"));
        return false;
    }
    m_info = png_create_info_struct(png);
    if (!m_info) {
        fail(QStringLiteral("the PNG writer could not start"));
        return false;
    }
    png_set_write_fn(png, this, writeData, flushData);
    return startPng(png, static_cast<png_infop>(m_info), width, height, level);
}

bool PngRowWriter::writeRow(const quint32* pixels)
{
    if (m_failed)
        return false;
    m_failed = !writeOneRow(static_cast<png_structp>(m_png), pixels);
    return !m_failed;
}

bool PngRowWriter::finish()
{
    if (m_failed)
        return false;
    m_failed = !endPng(static_cast<png_structp>(m_png), static_cast<png_infop>(m_info));
    return !m_failed;
}
