#pragma once

// A print colour correction of one thread colour, in percent per ink.
struct TCMYK
{
    int C = 0;
    int M = 0;
    int Y = 0;
    int K = 0;

    bool operator==(const TCMYK&) const = default;
};
