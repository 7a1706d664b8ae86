#include "FormatSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace
{

// Logs what the settings code asks of a store; every read gives 7.
class LoggingStore : public ISettingsStore
{
public:
    bool opens = true;
    std::string log;

    bool OpenKey() override { return log += "open ", opens; }
    bool OpenOrCreateKey() override { return log += "create ", opens; }
    int ReadNumber(const char* name, int) override { return log += name + std::string(" "), 7; }
    std::string ReadString(const char*) override { return ""; }
    // A failing write must not stop the ones after it.
    bool WriteNumber(const char* name, int) override { return log += name + std::string(" "), false; }
};

} // namespace

TEST(FormatSettingsTest, LoadOnlyOpensAndReadsInTheFormattersOrder)
{
    LoggingStore store;
    EXPECT_EQ(LoadFormatOptions(store).RecalculateIndents, OnOff{7});
    EXPECT_EQ(store.log, "open TabSize IndentSize SpaceTabStyle OpenIndentStyle OpenNewLineStyle CloseIndentStyle "
                         "CloseNewLineStyle ParenthesesSpace OperatorSpace DeleteTrailingWhiteSpace "
                         "SpellCheckComments SpellCheckText RecalculateIndents ");

    LoggingStore closed;
    closed.opens = false;
    EXPECT_EQ(LoadFormatOptions(closed).TabSize, 4);
    EXPECT_EQ(closed.log, "open ");
}

TEST(FormatSettingsTest, SaveWritesAllThirteenDespiteFailuresOrNothingWithoutAKey)
{
    LoggingStore store;
    EXPECT_TRUE(SaveFormatOptions(store, FormatOptions()));
    EXPECT_EQ(std::count(store.log.begin(), store.log.end(), ' '), 14);

    LoggingStore refusing;
    refusing.opens = false;
    EXPECT_FALSE(SaveFormatOptions(refusing, FormatOptions()));
    EXPECT_EQ(refusing.log, "create ");
}
