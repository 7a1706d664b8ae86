#include "FormatSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace
{

// Logs what the settings code asks of a store.
class LoggingStore : public ISettingsStore
{
public:
    bool opens = true;
    std::string log;

    bool OpenKey() override { return log += "open ", opens; }
    bool OpenOrCreateKey() override { return log += "create ", opens; }
    int ReadNumber(const char*, int fallback) override { return fallback; }
    std::string ReadString(const char*) override { return ""; }
    // A failing write must not stop the ones after it.
    bool WriteNumber(const char* name, int) override { return log += name + std::string(" "), false; }
};

} // namespace

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
