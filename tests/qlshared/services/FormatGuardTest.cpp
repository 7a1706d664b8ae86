#include "FormatGuard.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{

class RecordingMessages : public IMessageSink
{
public:
    std::vector<std::string> shown;
    MessageAnswer Show(const std::string& text, const std::string& caption, MessageStyle style) override
    {
        EXPECT_EQ(caption, "QLShared DLL");
        EXPECT_EQ(style, MessageStyle::Ok);
        shown.push_back(text);
        return MessageAnswer::Ok;
    }
};

class ThrowingProgress : public IProgressSink
{
public:
    void OnProgress(int) override { throw std::runtime_error("progress window gone"); }
};

// Loading the options runs out of memory, or succeeds with the defaults.
const auto LoadExhausted = []() -> FormatOptions { throw std::bad_alloc(); };
const auto LoadDefaults = [] { return FormatOptions(); };

const SpecialFormatValues Unchanged{.OpenNewLineStyle = BracePlacement::KeepStored,
                                    .CloseNewLineStyle = BracePlacement::KeepStored};

} // namespace

TEST(FormatGuardTest, AFailureBeforeThePassNamesTheEntryPoint)
{
    RecordingMessages messages;
    EXPECT_EQ(GuardedFormatText("a\n", LoadExhausted, nullptr, messages), "");
    EXPECT_EQ(GuardedSpecialFormatText("a\n", LoadExhausted, Unchanged, nullptr, messages), "");
    // Not only the standard exceptions: none may leave the library.
    EXPECT_EQ(GuardedFormatText(
                  "a\n", []() -> FormatOptions { throw 42; }, nullptr, messages),
              "");
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"Unexpected error in DLL entry point 1004",
                                                        "Unexpected error in DLL entry point 1007",
                                                        "Unexpected error in DLL entry point 1004"}));
}

TEST(FormatGuardTest, AFailedPassLeavesTheTextUnchanged)
{
    ThrowingProgress progress;
    RecordingMessages messages;
    const std::string text(20, '\n');
    EXPECT_EQ(GuardedFormatText(text, LoadDefaults, &progress, messages), "");
    EXPECT_EQ(GuardedPreviewFormat(text, LoadDefaults, &progress, messages), "");
    EXPECT_EQ(messages.shown,
              std::vector<std::string>(2, "Unexpected error in formatting process, text is unchanged."));
}

TEST(FormatGuardTest, EmptyTextNeedsNoOptionsAndShowsNothing)
{
    RecordingMessages messages;
    EXPECT_EQ(GuardedFormatText("", LoadExhausted, nullptr, messages), "");
    EXPECT_EQ(GuardedSpecialFormatText("", LoadExhausted, Unchanged, nullptr, messages), "");
    EXPECT_TRUE(messages.shown.empty());
}
