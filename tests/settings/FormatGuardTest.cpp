#include "FormatGuard.h"
#include "FormatSettings.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace
{

struct Shown
{
    std::string text;
    std::string caption;
    MessageStyle style;
};

class RecordingMessages : public IMessageSink
{
public:
    std::vector<Shown> shown;
    MessageAnswer Show(const std::string& text, const std::string& caption, MessageStyle style) override
    {
        shown.push_back({text, caption, style});
        return MessageAnswer::Ok;
    }
};

class RecordingProgress : public IProgressSink
{
public:
    std::vector<int> percents;
    void OnProgress(int percent) override { percents.push_back(percent); }
};

class ThrowingProgress : public IProgressSink
{
public:
    void OnProgress(int) override { throw std::runtime_error("progress window gone"); }
};

// A store that fails while the options are read, as a registry access that
// runs out of memory would.
class ThrowingStore : public ISettingsStore
{
public:
    bool OpenKey() override { return true; }
    bool OpenOrCreateKey() override { return true; }
    int ReadNumber(const char* name, int def) override
    {
        if (std::string(name) == "OperatorSpace")
            throw std::bad_alloc();
        return def;
    }
    std::string ReadString(const char*) override { return ""; }
    bool WriteNumber(const char*, int) override { return true; }
};

FormatOptions ThrowingLoad()
{
    ThrowingStore store;
    return LoadFormatOptions(store);
}

FormatOptions DefaultLoad()
{
    return FormatOptions();
}

const SpecialFormatValues Unchanged{2, 2, 2, 3, 3, 0, 0, 0, 0};

std::string Lines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "x = " + std::to_string(i) + ";\n";
    return text;
}

void ExpectOneMessage(const RecordingMessages& messages, const std::string& text)
{
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, text);
    EXPECT_EQ(messages.shown[0].caption, "QLShared DLL");
    EXPECT_EQ(messages.shown[0].style, MessageStyle::Ok);
}

} // namespace

TEST(FormatGuardTest, AFailureWhileLoadingNamesTheEntryPointAndGivesNothing)
{
    RecordingMessages plain;
    EXPECT_EQ(GuardedFormatText("a\n", ThrowingLoad, nullptr, plain), "");
    ExpectOneMessage(plain, "Unexpected error in DLL entry point 1004");

    RecordingMessages withValues;
    EXPECT_EQ(GuardedSpecialFormatText("a\n", ThrowingLoad, Unchanged, nullptr, withValues), "");
    ExpectOneMessage(withValues, "Unexpected error in DLL entry point 1007");

    RecordingMessages foreign;
    const FormatOptionsLoader throwsInt = []() -> FormatOptions { throw 42; };
    EXPECT_EQ(GuardedFormatText("a\n", throwsInt, nullptr, foreign), "")
        << "an exception of any type stays inside the export";
    ExpectOneMessage(foreign, "Unexpected error in DLL entry point 1004");
}

TEST(FormatGuardTest, AFailedPassLeavesTheTextUnchanged)
{
    ThrowingProgress progress;
    RecordingMessages plain;
    EXPECT_EQ(GuardedFormatText(Lines(10), DefaultLoad, &progress, plain), "");
    ExpectOneMessage(plain, "Unexpected error in formatting process, text is unchanged.");

    RecordingMessages preview;
    EXPECT_EQ(GuardedFormatWithOptions(Lines(10), FormatOptions(), &progress, preview), "");
    ExpectOneMessage(preview, "Unexpected error in formatting process, text is unchanged.");
}

TEST(FormatGuardTest, EmptyTextGivesEmptyResultWithoutLoadingOrMessages)
{
    bool loaded = false;
    const FormatOptionsLoader spy = [&loaded] {
        loaded = true;
        return FormatOptions();
    };
    RecordingMessages messages;
    RecordingProgress progress;
    EXPECT_EQ(GuardedFormatText("", spy, &progress, messages), "");
    EXPECT_EQ(GuardedSpecialFormatText("", spy, Unchanged, &progress, messages), "");
    EXPECT_FALSE(loaded);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(progress.percents.empty());
}

TEST(FormatGuardTest, ASuccessfulPassReturnsTheJoinedLinesAndReportsEachPercentOnce)
{
    RecordingMessages messages;
    EXPECT_EQ(GuardedFormatText("a\r\nb", DefaultLoad, nullptr, messages), "a\nb\n");

    RecordingProgress progress;
    const std::string text = Lines(200);
    EXPECT_EQ(GuardedSpecialFormatText(text, DefaultLoad, Unchanged, &progress, messages), text);
    std::vector<int> expected;
    for (int percent = 1; percent <= 99; ++percent)
        expected.push_back(percent);
    EXPECT_EQ(progress.percents, expected);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(FormatGuardTest, SpecialValuesReplaceTheLoadedOptionsAndThePreviewUsesItsOwn)
{
    FormatOptions stored;
    stored.DeleteTrailingWhiteSpace = 1;
    const FormatOptionsLoader load = [&stored] { return stored; };
    RecordingMessages messages;
    EXPECT_EQ(GuardedFormatText("a  \n", load, nullptr, messages), "a\n");
    EXPECT_EQ(GuardedSpecialFormatText("a  \n", load, Unchanged, nullptr, messages), "a  \n");

    FormatOptions given;
    given.DeleteTrailingWhiteSpace = 1;
    EXPECT_EQ(GuardedFormatWithOptions("b \t\n", given, nullptr, messages), "b\n");
    EXPECT_TRUE(messages.shown.empty());
}
