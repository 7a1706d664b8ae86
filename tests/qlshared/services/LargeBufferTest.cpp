#include "LargeBuffer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace
{

constexpr std::size_t MiB = 1024 * 1024;

#ifdef __linux__

// The flags and huge-page size of the mapping that holds address, as the
// kernel reports them for this process.
struct Mapping
{
    bool advised = false;
    std::size_t hugeKiB = 0;
};

Mapping MappingOf(const void* address)
{
    const auto at = reinterpret_cast<std::uintptr_t>(address);
    std::ifstream smaps("/proc/self/smaps");
    Mapping mapping;
    bool inside = false;
    for (std::string line; std::getline(smaps, line);)
    {
        std::uintptr_t begin = 0, end = 0;
        char dash = 0;
        std::istringstream range(line);
        if (range >> std::hex >> begin >> dash >> end && dash == '-' && line.find(':') > line.find(' '))
        {
            inside = begin <= at && at < end;
            continue;
        }
        if (inside && line.rfind("AnonHugePages:", 0) == 0)
            mapping.hugeKiB = std::stoul(line.substr(14));
        if (inside && line.rfind("VmFlags:", 0) == 0)
            mapping.advised = line.find(" hg") != std::string::npos;
    }
    return mapping;
}

bool HugePagesOnRequest()
{
    std::ifstream enabled("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string modes;
    std::getline(enabled, modes);
    return modes.find("[madvise]") != std::string::npos || modes.find("[always]") != std::string::npos;
}

#endif

TEST(LargeBufferTest, RoomIsAtLeastWhatWasAskedAndContentStays)
{
    for (const std::size_t count : {std::size_t{0}, std::size_t{1}, 2 * MiB - 65, 2 * MiB - 64, 2 * MiB, 7 * MiB + 3})
    {
        std::string text = "kept";
        ReserveLarge(text, count);
        EXPECT_GE(text.capacity(), count) << count;
        EXPECT_EQ("kept", text);
        std::vector<std::uint64_t> slots(3, 7);
        ReserveLarge(slots, count / 8);
        EXPECT_GE(slots.capacity(), count / 8) << count;
        EXPECT_EQ(std::vector<std::uint64_t>(3, 7), slots);
    }
    std::string grown(3 * MiB, 'x');
    GrowLarge(grown, 3 * MiB + 1);
    EXPECT_GE(grown.capacity(), 6 * MiB);
    EXPECT_EQ(std::string(3 * MiB, 'x'), grown);
}

#ifdef __linux__

TEST(LargeBufferTest, LargeBuffersAreAdvisedAndFilledWithHugePages)
{
    if (!HugePagesOnRequest())
        GTEST_SKIP() << "huge pages are not offered on request here";
    // Larger than the C library ever takes from its heap, so it is mapped on
    // its own, as a fresh process's first large text is.
    constexpr std::size_t size = 33 * MiB;
    std::string text;
    ReserveLarge(text, size);
    text.assign(size, 'x');
    const Mapping mapping = MappingOf(text.data());
    EXPECT_TRUE(mapping.advised);
    // Every huge page of the block, the first included.
    EXPECT_GE(mapping.hugeKiB, size / 1024);

    std::string grown(3 * MiB, 'x');
    GrowLarge(grown, 5 * MiB);
    EXPECT_TRUE(MappingOf(grown.data()).advised);
}
#endif

} // namespace
