#pragma once
#include "imaging/RowImageWriter.h"
#include <QIODevice>
#include <memory>

// A JPEG of a chosen quality written row by row to a device (see RowImageWriter). Sides are
// limited to kMaxSide pixels by the format's library.
class JpegRowWriter : public RowImageWriter
{
public:
    static constexpr int kMaxSide = 65500;

    JpegRowWriter(QIODevice& device, int quality);
    ~JpegRowWriter() override;
    JpegRowWriter(const JpegRowWriter&) = delete;
    JpegRowWriter& operator=(const JpegRowWriter&) = delete;

    bool start(int width, int height) override;
    bool writeRow(const TColor32* pixels) override;
    bool finish() override;

    struct State;

private:
    bool failed();

    std::unique_ptr<State> m_state;
};
