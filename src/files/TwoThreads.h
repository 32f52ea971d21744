#pragma once
#include <optional>
#include <system_error>
#include <thread>

// Work split in two halves for a large file: `side` runs on a second thread while `here` runs
// on the calling one, and the call returns once both ended. When no second thread can be had,
// `side` runs here too, after `here`. The second thread is joined on every way out, an
// exception from `here` included.
template <typename Side, typename Here>
void runOnTwoThreads(Side&& side, Here&& here)
{
    std::optional<std::jthread> second;
    try {
        second.emplace(side);
    } catch (const std::system_error&) {
        here();
        side();
        return;
    }
    here();
}

// Whether splitting pays at all: a single core would only take turns.
inline bool twoThreadsAvailable()
{
    return std::thread::hardware_concurrency() > 1;
}
