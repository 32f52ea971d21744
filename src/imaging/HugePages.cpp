#include "imaging/HugePages.h"
#include <cstdint>
#include <sys/mman.h>

void adviseHugePages(void* data, std::size_t bytes)
{
    constexpr std::uintptr_t kPage = 4096;
    constexpr std::size_t kWorthIt = std::size_t(4) << 20;
    if (!data || bytes < kWorthIt)
        return;
    // The advice works on whole pages; the kernel then uses huge pages for the aligned 2 MiB
    // stretches inside. A refusal only means small pages, so its result is not needed.
    const std::uintptr_t begin = (reinterpret_cast<std::uintptr_t>(data) + kPage - 1) & ~(kPage - 1);
    const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(kPage - 1);
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}
