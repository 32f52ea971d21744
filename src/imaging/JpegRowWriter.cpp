#include "imaging/JpegRowWriter.h"
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

// libjpeg reports errors through error_exit, which here jumps back to the setjmp of the call
// that failed; every call into it below sits right after one, with no object alive that needs
// destroying.
struct JpegRowWriter::State
{
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    jpeg_destination_mgr destination{};
    std::jmp_buf jump{};
    QIODevice* device = nullptr;
    int quality = 90;
    bool created = false;
    char message[JMSG_LENGTH_MAX] = {};
    JOCTET buffer[1 << 16] = {};
};

namespace {
JpegRowWriter::State& stateOf(j_common_ptr cinfo)
{
    return *static_cast<JpegRowWriter::State*>(cinfo->client_data);
}

void jpegErrorExit(j_common_ptr cinfo)
{
    JpegRowWriter::State& s = stateOf(cinfo);
    if (cinfo->err->msg_code != 0)
        cinfo->err->format_message(cinfo, s.message);
    std::longjmp(s.jump, 1);
}

void jpegInit(j_compress_ptr cinfo)
{
    JpegRowWriter::State& s = stateOf(reinterpret_cast<j_common_ptr>(cinfo));
    s.destination.next_output_byte = s.buffer;
    s.destination.free_in_buffer = sizeof s.buffer;
}

bool flushBytes(JpegRowWriter::State& s, size_t count)
{
    return s.device->write(reinterpret_cast<const char*>(s.buffer), qint64(count)) == qint64(count);
}

boolean jpegEmpty(j_compress_ptr cinfo)
{
    JpegRowWriter::State& s = stateOf(reinterpret_cast<j_common_ptr>(cinfo));
    if (!flushBytes(s, sizeof s.buffer)) {
        qstrncpy(s.message, "the file could not be written", sizeof s.message);
        cinfo->err->msg_code = 0;
        cinfo->err->error_exit(reinterpret_cast<j_common_ptr>(cinfo));
    }
    jpegInit(cinfo);
    return TRUE;
}

void jpegTerm(j_compress_ptr cinfo)
{
    JpegRowWriter::State& s = stateOf(reinterpret_cast<j_common_ptr>(cinfo));
    if (!flushBytes(s, sizeof s.buffer - s.destination.free_in_buffer)) {
        qstrncpy(s.message, "the file could not be written", sizeof s.message);
        cinfo->err->msg_code = 0;
        cinfo->err->error_exit(reinterpret_cast<j_common_ptr>(cinfo));
    }
}
} // namespace

JpegRowWriter::JpegRowWriter(QIODevice& device, int quality)
    : m_state(std::make_unique<State>())
{
    m_state->device = &device;
    m_state->quality = quality;
}

JpegRowWriter::~JpegRowWriter()
{
    if (m_state->created)
        jpeg_destroy_compress(&m_state->cinfo);
}

bool JpegRowWriter::failed()
{
    m_error = QString::fromUtf8(m_state->message);
    return false;
}

bool JpegRowWriter::start(int width, int height)
{
    State& s = *m_state;
    s.cinfo.err = jpeg_std_error(&s.errors);
    s.errors.error_exit = jpegErrorExit;
    s.cinfo.client_data = &s;
    if (setjmp(s.jump))
        return failed();
    jpeg_create_compress(&s.cinfo);
    s.created = true;
    s.destination.init_destination = jpegInit;
    s.destination.empty_output_buffer = jpegEmpty;
    s.destination.term_destination = jpegTerm;
    s.cinfo.dest = &s.destination;
    s.cinfo.image_width = JDIMENSION(width);
    s.cinfo.image_height = JDIMENSION(height);
    s.cinfo.input_components = 4;
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    s.cinfo.in_color_space = JCS_EXT_BGRX;
#else
    s.cinfo.in_color_space = JCS_EXT_XRGB;
#endif
    jpeg_set_defaults(&s.cinfo);
    jpeg_set_quality(&s.cinfo, s.quality, TRUE);
    jpeg_start_compress(&s.cinfo, TRUE);
    return true;
}

bool JpegRowWriter::writeRow(const TColor32* pixels)
{
    State& s = *m_state;
    if (setjmp(s.jump))
        return failed();
    JSAMPROW row = reinterpret_cast<JSAMPROW>(const_cast<TColor32*>(pixels));
    jpeg_write_scanlines(&s.cinfo, &row, 1);
    return true;
}

bool JpegRowWriter::finish()
{
    State& s = *m_state;
    if (setjmp(s.jump))
        return failed();
    jpeg_finish_compress(&s.cinfo);
    return true;
}
