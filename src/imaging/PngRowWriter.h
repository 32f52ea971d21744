#pragma once
#include "imaging/RowImageWriter.h"
#include <QIODevice>
#include <memory>

// An opaque RGB PNG written row by row to a device (see RowImageWriter).
class PngRowWriter : public RowImageWriter
{
public:
    explicit PngRowWriter(QIODevice& device);
    ~PngRowWriter() override;
    PngRowWriter(const PngRowWriter&) = delete;
    PngRowWriter& operator=(const PngRowWriter&) = delete;

    bool start(int width, int height) override;
    bool writeRow(const TColor32* pixels) override;
    bool finish() override;

    struct State;

private:
    std::unique_ptr<State> m_state;
};
