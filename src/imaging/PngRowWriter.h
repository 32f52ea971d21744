#pragma once
#include "imaging/ColorValues.h"
#include <QIODevice>
#include <QString>
#include <memory>

// Writes an opaque RGB PNG row by row to a device, so a picture larger than memory can be saved
// as it is rendered. Rows are Qt's Format_RGB32 pixels. Call start(), writeRow() once per row
// from the top, then finish(); after any false the writer is spent and errorString() says why.
class PngRowWriter
{
public:
    explicit PngRowWriter(QIODevice& device);
    ~PngRowWriter();
    PngRowWriter(const PngRowWriter&) = delete;
    PngRowWriter& operator=(const PngRowWriter&) = delete;

    bool start(int width, int height);
    bool writeRow(const TColor32* pixels);
    bool finish();
    const QString& errorString() const { return m_error; }

    struct State;

private:
    std::unique_ptr<State> m_state;
    QString m_error;
};
