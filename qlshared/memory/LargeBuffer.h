#pragma once

#include <algorithm>
#include <cstddef>

// Buffers of many megabytes in huge pages where the system offers them on
// request. A text read, split and rebuilt otherwise costs a page fault for
// every 4 KiB it first touches, and on a virtual machine those faults take
// longer than formatting the bytes. Smaller buffers and systems without the
// request are left as they are.

// The capacity to ask for count elements with: at least count, and for a
// large buffer as much more as fills its last huge page.
std::size_t LargeCapacity(std::size_t count, std::size_t elementSize);

// Asks for the memory from data on to be backed by huge pages. Only a hint.
void AdviseHugePages(const void* data, std::size_t size);

// Makes room for at least count elements, advised before any is touched.
template <class Buffer> void ReserveLarge(Buffer& buffer, std::size_t count)
{
    buffer.reserve(LargeCapacity(count, sizeof(*buffer.data())));
    AdviseHugePages(buffer.data(), buffer.capacity() * sizeof(*buffer.data()));
}

// Makes room for count elements in all, doubling as a growing buffer does,
// so a buffer that outgrows its first room stays advised.
template <class Buffer> void GrowLarge(Buffer& buffer, std::size_t count)
{
    if (count > buffer.capacity())
        ReserveLarge(buffer, std::max(count, 2 * buffer.capacity()));
}
