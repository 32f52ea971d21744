#pragma once

class Design;

// Holds back the design's repaints and recounts for as long as it lives, so a change of many
// cells reaches the listener as one region and one count change (see BatchingListener). Undo
// records, tools, fills and pastes run inside one.
class ChangeBatch
{
public:
    explicit ChangeBatch(Design& design);
    ~ChangeBatch();
    ChangeBatch(const ChangeBatch&) = delete;
    ChangeBatch& operator=(const ChangeBatch&) = delete;

private:
    Design& m_design;
};
