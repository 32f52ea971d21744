#pragma once
#include "imaging/ColorValues.h"
#include <QString>

// A picture file written row by row, so a picture larger than memory can be saved as it is
// rendered. Rows are Qt's Format_RGB32 pixels. Call start(), writeRow() once per row from the
// top, then finish(); after any false the writer is spent and errorString() says why.
class RowImageWriter
{
public:
    virtual ~RowImageWriter() = default;
    virtual bool start(int width, int height) = 0;
    virtual bool writeRow(const TColor32* pixels) = 0;
    virtual bool finish() = 0;
    const QString& errorString() const { return m_error; }

protected:
    QString m_error;
};
