#include "LargeBuffer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace
{

constexpr std::size_t MiB = 1024 * 1024;

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

} // namespace
