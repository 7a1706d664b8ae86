// Huge-page advice for large text buffers on Linux, where each 4 KiB first touched costs a fault; a no-op elsewhere.
#include "LargeBuffer.h"

#include <cstdint>

#ifdef __linux__
#include <linux/mman.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace
{

constexpr std::size_t HugePage = 2 * 1024 * 1024;

// What the C library adds to a large block it maps on its own: its header,
// alignment and the string's terminator fit in this.
constexpr std::size_t AllocatorOverhead = 64;

} // namespace

#ifdef __linux__

// A block that is a whole number of huge pages, header included, is mapped
// on a huge-page boundary, so each of its huge pages can be used whole.
std::size_t LargeCapacity(std::size_t count, std::size_t elementSize)
{
    const std::size_t bytes = count * elementSize;
    if (elementSize == 0 || bytes < HugePage)
        return count;
    const std::size_t mapped = (bytes + AllocatorOverhead + HugePage - 1) / HugePage * HugePage;
    return (mapped - AllocatorOverhead) / elementSize;
}

void AdviseHugePages(const void* data, std::size_t size)
{
    if (size < HugePage)
        return;
    static const std::uintptr_t page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    // From the start of the buffer's first page, which begins the block the
    // library mapped for it: the header shares the first huge page.
    const std::uintptr_t begin = reinterpret_cast<std::uintptr_t>(data) / page * page;
    const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(data) + size + page - 1) / page * page;
    madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
    // Writing the header gave that first huge page small pages before the
    // advice came; it is made one huge page now, or it would fault every
    // 4 KiB as before.
    const std::uintptr_t first = begin / HugePage * HugePage;
    if (first + HugePage <= end)
        madvise(reinterpret_cast<void*>(first), HugePage, MADV_COLLAPSE);
}

#else

std::size_t LargeCapacity(std::size_t count, std::size_t)
{
    return count;
}

void AdviseHugePages(const void*, std::size_t) {}

#endif
