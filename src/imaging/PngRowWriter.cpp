#include "imaging/PngRowWriter.h"
#include <csetjmp>
#include <png.h>

// libpng reports errors by a long jump back to the setjmp of the call that failed; every call
// into it below sits right after one, with no object alive that needs destroying.
struct PngRowWriter::State
{
    QIODevice* device = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;
    int level = kFastLevel;
    bool failed = false;
    // The device's own reason (a full disk says so), kept before libpng's more general one.
    QString deviceError;
    char message[256] = {};
};

namespace {
void pngError(png_structp png, png_const_charp message)
{
    auto* state = static_cast<PngRowWriter::State*>(png_get_error_ptr(png));
    qstrncpy(state->message, message, sizeof state->message);
    png_longjmp(png, 1);
}

void pngWarning(png_structp, png_const_charp) {}

void pngWrite(png_structp png, png_bytep data, size_t length)
{
    auto* state = static_cast<PngRowWriter::State*>(png_get_io_ptr(png));
    if (state->device->write(reinterpret_cast<const char*>(data), qint64(length)) != qint64(length)) {
        state->deviceError = state->device->errorString();
        png_error(png, "the file could not be written");
    }
}

void pngFlush(png_structp) {}
} // namespace

PngRowWriter::PngRowWriter(QIODevice& device, int level)
    : m_state(std::make_unique<State>())
{
    m_state->device = &device;
    m_state->level = level;
    m_state->png = png_create_write_struct(PNG_LIBPNG_VER_STRING, m_state.get(), pngError, pngWarning);
    if (m_state->png)
        m_state->info = png_create_info_struct(m_state->png);
}

PngRowWriter::~PngRowWriter()
{
    png_destroy_write_struct(&m_state->png, &m_state->info);
}

bool PngRowWriter::failed()
{
    State& s = *m_state;
    s.failed = true;
    m_error = s.deviceError.isEmpty() ? QString::fromUtf8(s.message) : s.deviceError;
    return false;
}

bool PngRowWriter::start(int width, int height)
{
    State& s = *m_state;
    if (!s.png || !s.info) {
        m_error = QStringLiteral("out of memory");
        s.failed = true;
        return false;
    }
    if (setjmp(png_jmpbuf(s.png)))
        return failed();
    png_set_write_fn(s.png, &s, pngWrite, pngFlush);
    png_set_compression_level(s.png, s.level);
    // No filter instead of trying all five per row: long runs of equal pixels are found by zlib
    // as they are; filtering cost a fifth of the time and made chart files larger.
    png_set_filter(s.png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_IHDR(s.png, s.info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
        PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(s.png, s.info);
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    png_set_bgr(s.png);
    png_set_filler(s.png, 0, PNG_FILLER_AFTER);
#else
    png_set_filler(s.png, 0, PNG_FILLER_BEFORE);
#endif
    return true;
}

bool PngRowWriter::writeRow(const TColor32* pixels)
{
    State& s = *m_state;
    if (s.failed)
        return false;
    if (setjmp(png_jmpbuf(s.png)))
        return failed();
    png_write_row(s.png, reinterpret_cast<png_const_bytep>(pixels));
    return true;
}

bool PngRowWriter::finish()
{
    State& s = *m_state;
    if (s.failed)
        return false;
    if (setjmp(png_jmpbuf(s.png)))
        return failed();
    png_write_end(s.png, s.info);
    return true;
}
