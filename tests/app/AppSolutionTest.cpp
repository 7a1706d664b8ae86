// Visual Studio solutions in Quillet.exe: their own filter in File > Open,
// opened from the command line, listed, and reformatted as workspaces are;
// nothing registered for them.
#include "AppHarness.h"

#include "FileDialogSeam.h"

#include <commctrl.h>

namespace
{

std::string g_filter;
std::string g_chosen;

bool ChooseFile(HWND, const std::string& filter, std::string& path)
{
    g_filter = filter;
    path = g_chosen;
    return true;
}

const char kTrailing[] = "int a;   \r\n// b\t\r\n";
const char kTrimmed[] = "int a;\r\n// b\r\n";

} // namespace

TEST_F(AppTest, SolutionsOpenThroughTheirOwnFilterAndAreListedAndFormattedAsWorkspacesAre)
{
    const std::string solution = folder.Write(
        "sln\\s.sln",
        "\xEF\xBB\xBF\nProject(\"{8BC9CEB8-8B4A-11D0-8D11-00A0C91BC942}\") = \"app\", \"app\\app.vcxproj\", "
        "\"{5D9C2C1E-0000-0000-0000-000000000001}\"\nEndProject\n"
        "Project(\"{8BC9CEB8-8B4A-11D0-8D11-00A0C91BC942}\") = \"old\", \"old.vcproj\", "
        "\"{5D9C2C1E-0000-0000-0000-000000000002}\"\nEndProject\n");
    folder.Write("sln\\app\\app.vcxproj", "<Project><ItemGroup><ClCompile Include=\"a.c;sub%20dir\\*.c\" />"
                                          "<None Include=\"notes.txt\" /></ItemGroup></Project>");
    folder.Write("sln\\old.vcproj", "<VisualStudioProject><Files><Filter><File RelativePath=\".\\c.c\"/>"
                                    "</Filter></Files></VisualStudioProject>");
    for (const char* file : {"app\\a.c", "app\\sub dir\\b.c", "c.c"})
        folder.Write(std::string("sln\\") + file, kTrailing);

    Start({solution});
    ASSERT_EQ(1u, Children().size());
    EXPECT_EQ("s.sln", WindowText(Children()[0]));
    CColumnTree& tree = ActiveView().Tree();
    EXPECT_EQ((std::vector<std::string>{"app\\app.vcxproj|4|2", "  a.c|2|1", "  sub dir\\b.c|2|1", "  notes.txt|NA|NA",
                                        "old.vcproj|2|1", "  .\\c.c|2|1"}),
              Rows(tree));

    // The first project stands for its files, found below the solution's
    // folder by the names the list shows.
    SendMessageA(tree.TreeHandle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(tree.GetRootItem()));
    Command(ID_FORMAT_DELETE_TRAILING);
    EXPECT_EQ(kTrimmed, folder.Read("sln\\app\\a.c"));
    EXPECT_EQ(kTrimmed, folder.Read("sln\\app\\sub dir\\b.c"));
    EXPECT_EQ(kTrailing, folder.Read("sln\\c.c"));

    // File > Open offers solutions beside workspaces; the shell is not told
    // of them, for they belong to Visual Studio.
    g_chosen = solution;
    const OpenFileHandler previous = SetOpenFileHandler(ChooseFile);
    Command(ID_FILE_OPEN);
    SetOpenFileHandler(previous);
    EXPECT_EQ(std::string("Quillet C++ Workspace Import Files (*.dsw)\0*.dsw\0Visual Studio Solutions (*.sln)\0*.sln\0"
                          "All Files (*.*)\0*.*\0",
                          107),
              g_filter);
    EXPECT_EQ(2u, Children().size());
    HKEY key = nullptr;
    EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Classes\\.sln", 0, KEY_READ, &key));
}
