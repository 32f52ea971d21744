#pragma once

// How a long conversion pass reports progress and learns that it is to stop.
//
// A pass calls begin(steps) once, then advance() after each step (the dithering reports every
// ten rows). The window behind it moves its progress bar and may let pending window messages
// run inside advance(); returning false there cancels the pass, which then leaves its results
// as they were before it started.
class ConversionProgress
{
public:
    virtual ~ConversionProgress() = default;
    virtual void begin(int steps) = 0;
    virtual bool advance() = 0;
};
