// Fuzzes the line and comment counters over text in memory.
#include "LineCounter.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const char* const text = reinterpret_cast<const char*>(bytes);
    const int lines = CLineCounter::CountLines(text, size);
    const int comments = CLineCounter::CountComments(text, size);
    // A count is never negative and never more than one per byte and a line.
    if (lines < 0 || comments < 0 || static_cast<std::size_t>(lines) > size + 1 ||
        static_cast<std::size_t>(comments) > size + 1)
        std::abort();
    return 0;
}
