#pragma once
#include "imaging/RowImageWriter.h"
#include <QIODevice>
#include <memory>

// An opaque RGB PNG written row by row to a device (see RowImageWriter).
class PngRowWriter : public RowImageWriter
{
public:
    // zlib's fastest level: a chart's long runs of one colour and a preview's repeated tiles
    // compress well even so, and the slower levels cost many times the painting.
    static constexpr int kFastLevel = 1;

    explicit PngRowWriter(QIODevice& device, int level = kFastLevel);
    ~PngRowWriter() override;
    PngRowWriter(const PngRowWriter&) = delete;
    PngRowWriter& operator=(const PngRowWriter&) = delete;

    bool start(int width, int height) override;
    bool writeRow(const TColor32* pixels) override;
    bool finish() override;

    struct State;

private:
    bool failed();

    std::unique_ptr<State> m_state;
};
