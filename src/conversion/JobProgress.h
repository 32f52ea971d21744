#pragma once
#include "conversion/ConversionProgress.h"
#include <atomic>

// The progress of one job on the conversion worker: the job advances it on its thread, the
// window reads it and cancels it on its own. Cancelling makes the next advance() return false.
class JobProgress : public ConversionProgress
{
public:
    void begin(int steps) override;
    bool advance() override;

    void cancel() { m_cancelled = true; }
    bool cancelled() const { return m_cancelled; }
    int value() const { return m_value; }
    int maximum() const { return m_maximum; }

private:
    std::atomic<int> m_value{0};
    std::atomic<int> m_maximum{0};
    std::atomic<bool> m_cancelled{false};
};
