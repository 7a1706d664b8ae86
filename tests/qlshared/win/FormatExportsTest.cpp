#include "LibrarySeams.h"
#include "QLShared.h"
#include "win/MessageBoxScript.h"
#include "win/SettingsKey.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

class FormatExportsTest : public ::testing::Test
{
protected:
    SettingsKey clean;
};

} // namespace

TEST_F(FormatExportsTest, WithoutAKeyTheDefaultsOnlyNormaliseLineEnds)
{
    EXPECT_EQ(FormatText("a\r\nb", nullptr), "a\nb\n");
    EXPECT_FALSE(SettingsKey::Exists()) << "formatting never creates the key";
}

TEST_F(FormatExportsTest, StoredOptionsApplyUnlessTheCallerReplacesThem)
{
    SettingsKey::SetNumber("DeleteTrailingWhiteSpace", 1);
    EXPECT_EQ(FormatText("a  \nb\t\n", nullptr), "a\nb\n");
    EXPECT_EQ(SpecialFormatText("a  \n", nullptr, 2, 2, 2, 3, 3, 0, 0, 0, 0), "a  \n");
}

// The nine values reach their options in parameter order.
TEST_F(FormatExportsTest, OperatorContractKeepsTokensApart)
{
    EXPECT_EQ(SpecialFormatText("q = m & &n;\nv<v<int> > w;\n", nullptr, 2, 1, 2, 2, 2, 0, 0, 0, 0),
              "q=m& &n;\nv<v<int> >w;\n");
}

TEST_F(FormatExportsTest, AFailureWhileLoadingNamesTheExportAndReturnsNothing)
{
    // A factory that cannot give a store: the one failure of the loading
    // step that can be caused from outside the library.
    const SettingsStoreFactory noStore = []() -> std::unique_ptr<ISettingsStore> { return nullptr; };
    const SettingsStoreFactory registry = SetLibrarySettingsStoreFactory(noStore);
    MessageBoxScript boxes;
    EXPECT_EQ(FormatText("a\n", nullptr), "");
    EXPECT_EQ(SpecialFormatText("a\n", nullptr, 2, 2, 2, 3, 3, 0, 0, 0, 0), "");
    EXPECT_EQ(SetLibrarySettingsStoreFactory(registry), noStore);

    std::vector<std::string> shown;
    for (const ShownBox& box : boxes.shown)
        shown.push_back(box.caption + ": " + box.text +
                        (box.owner || box.type != MB_OK ? " (owned or not MB_OK)" : ""));
    EXPECT_EQ(shown, (std::vector<std::string>{"QLShared DLL: Unexpected error in DLL entry point 1004",
                                               "QLShared DLL: Unexpected error in DLL entry point 1007"}));
}
