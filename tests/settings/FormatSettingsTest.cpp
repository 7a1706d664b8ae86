#include "FormatSettings.h"
#include "SettingNames.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace
{

// Records what the settings code asks of a store.
class SpyStore : public ISettingsStore
{
public:
    bool opens = true;
    bool creates = true;
    std::map<std::string, int> values;
    std::vector<std::string> calls;

    bool OpenKey() override
    {
        calls.push_back("OpenKey");
        return opens;
    }
    bool OpenOrCreateKey() override
    {
        calls.push_back("OpenOrCreateKey");
        return creates;
    }
    int ReadNumber(const char* name, int def) override
    {
        calls.push_back(std::string("read ") + name);
        const auto it = values.find(name);
        return it == values.end() ? def : it->second;
    }
    std::string ReadString(const char* name) override
    {
        calls.push_back(std::string("string ") + name);
        return "";
    }
    bool WriteNumber(const char* name, int value) override
    {
        calls.push_back(std::string("write ") + name);
        values[name] = value;
        // A failing write must not stop the ones after it.
        return std::string(name) != SettingNames::TabSize;
    }
};

} // namespace

TEST(FormatSettingsTest, LoadOpensWithoutCreatingAndReadsInTheFormattersOrder)
{
    SpyStore store;
    store.values[SettingNames::OperatorSpace] = 0;
    store.values[SettingNames::TabSize] = 8;
    const FormatOptions o = LoadFormatOptions(store);
    EXPECT_EQ(o.TabSize, 8);
    EXPECT_EQ(o.OperatorSpace, 0);
    EXPECT_EQ(o.ParenthesesSpace, 2) << "the formatter's own default, not the page's";
    EXPECT_EQ(o.IndentSize, 4);
    const std::vector<std::string> expected{"OpenKey",
                                            "read TabSize",
                                            "read IndentSize",
                                            "read SpaceTabStyle",
                                            "read OpenIndentStyle",
                                            "read OpenNewLineStyle",
                                            "read CloseIndentStyle",
                                            "read CloseNewLineStyle",
                                            "read ParenthesesSpace",
                                            "read OperatorSpace",
                                            "read DeleteTrailingWhiteSpace",
                                            "read SpellCheckComments",
                                            "read SpellCheckText",
                                            "read RecalculateIndents"};
    EXPECT_EQ(store.calls, expected);
}

TEST(FormatSettingsTest, AKeyThatDoesNotOpenGivesEveryDefaultWithoutReading)
{
    SpyStore store;
    store.opens = false;
    store.values[SettingNames::TabSize] = 8;
    const FormatOptions o = LoadFormatOptions(store);
    EXPECT_EQ(o.TabSize, 4);
    EXPECT_EQ(store.calls, std::vector<std::string>{"OpenKey"});
}

TEST(FormatSettingsTest, SaveWritesAllThirteenEvenAfterAFailedWrite)
{
    SpyStore store;
    ASSERT_TRUE(SaveFormatOptions(store, FormatOptions()));
    EXPECT_EQ(store.calls.front(), "OpenOrCreateKey");
    EXPECT_EQ(store.calls.size(), 14u);
    EXPECT_EQ(store.values.size(), 13u);

    SpyStore refusing;
    refusing.creates = false;
    EXPECT_FALSE(SaveFormatOptions(refusing, FormatOptions()));
    EXPECT_TRUE(refusing.values.empty());
}
