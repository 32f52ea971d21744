#pragma once
#include <QString>
#include <QtGlobal>

class QIODevice;

// Writes a PNG picture row by row to a device, so a picture far larger than the memory one
// wants to spend never exists whole. Rows are 32-bit pixels (0xAARRGGBB, as QImage's
// Format_RGB32 holds them); the file gets 8-bit RGB without alpha.
//
// Protocol: construct with the device and the picture's size, call writeRow exactly height
// times, then finish. After any false the writer is spent and `error` says why; the device then
// holds a partial picture that the caller throws away.
class PngRowWriter
{
public:
    // zlib's fastest level: a chart's long runs of one colour compress well even so, and the
    // slower levels cost many times the painting.
    static constexpr int kFastLevel = 1;

    PngRowWriter(QIODevice& device, int width, int height, int level = kFastLevel);
    ~PngRowWriter();
    PngRowWriter(const PngRowWriter&) = delete;
    PngRowWriter& operator=(const PngRowWriter&) = delete;

    bool writeRow(const quint32* pixels);
    bool finish();
    QString error() const { return m_error; }

    // libpng's callbacks reach the writer through these.
    void fail(const QString& message);
    QIODevice& device() { return m_device; }

private:
    bool start(int width, int height, int level);

    QIODevice& m_device;
    void* m_png = nullptr; // png_structp
    void* m_info = nullptr; // png_infop
    bool m_failed = false;
    QString m_error;
};
