#pragma once
#include "imaging/ColorValues.h"
#include <QIODevice>
#include <QString>
#include <memory>

// Writes a JPEG of a chosen quality row by row to a device, so a picture larger than memory can
// be saved as it is rendered. Rows are Qt's Format_RGB32 pixels. Call start(), writeRow() once
// per row from the top, then finish(); after any false the writer is spent and errorString()
// says why. Sides are limited to kMaxSide pixels by the format's library.
class JpegRowWriter
{
public:
    static constexpr int kMaxSide = 65500;

    JpegRowWriter(QIODevice& device, int quality);
    ~JpegRowWriter();
    JpegRowWriter(const JpegRowWriter&) = delete;
    JpegRowWriter& operator=(const JpegRowWriter&) = delete;

    bool start(int width, int height);
    bool writeRow(const TColor32* pixels);
    bool finish();
    const QString& errorString() const { return m_error; }

    struct State;

private:
    bool failed();

    std::unique_ptr<State> m_state;
    QString m_error;
};
