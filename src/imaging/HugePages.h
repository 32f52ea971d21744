#pragma once
#include <cstddef>

// Large buffers that a fresh process fills at once (a design file read whole, the layers of a
// large design) are asked to be backed by huge pages where the system offers them on request:
// the first touch of every 4 KiB page otherwise costs a page fault, and for the tens of
// megabytes of a large design those faults cost more than reading the file. Buffers below a few
// megabytes are left alone. Call it before the first write to the buffer.
void adviseHugePages(void* data, std::size_t bytes);
