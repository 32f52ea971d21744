#pragma once

// Whoever shows colour counts and wants to hear of every change of them without being the
// design's listener (the colour list). It is told once per batch of changes, after the
// design's listener heard the rest (see BatchingListener).
class ColorCountListener
{
public:
    virtual ~ColorCountListener() = default;
    virtual void colorCountsChanged() = 0;
};
