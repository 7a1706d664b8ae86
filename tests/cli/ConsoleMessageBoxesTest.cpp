// The Windows command-line tool turns message boxes into lines of output.
#include "CliCommand.h"
#include "CliTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace
{

int recordedBoxes = 0;

int RecordBox(HWND, const std::string&, const std::string&, UINT)
{
    ++recordedBoxes;
    return IDYES;
}

TEST(ConsoleMessageBoxes, BoxesBecomeLinesAndTheSeamIsRestored)
{
    const MessageBoxHandler original = SetMessageBoxHandler(&RecordBox);
    {
        std::ostringstream err;
        const CConsoleMessageBoxes console(err);
        EXPECT_EQ(ShowMessageBox(nullptr, "Error Opening Registry", "QLShared", MB_OK), IDOK);
        EXPECT_EQ(ShowMessageBox(nullptr, "Write Error:\n\nx.cpp", "Quillet", MB_YESNO | MB_ICONQUESTION), IDNO);
        EXPECT_EQ(err.str(), "quillet-cli: Error Opening Registry\nquillet-cli: Write Error:  x.cpp\n");
        EXPECT_EQ(recordedBoxes, 0);
    }
    EXPECT_EQ(ShowMessageBox(nullptr, "after", "QLShared", MB_OK), IDYES);
    EXPECT_EQ(recordedBoxes, 1);
    SetMessageBoxHandler(original);
}

TEST(ConsoleMessageBoxes, RegistrySettingsShowNoBox)
{
    // Without --settings the registry is read; whatever it says, no box may
    // appear and the text is formatted.
    const MessageBoxHandler original = SetMessageBoxHandler(&RecordBox);
    recordedBoxes = 0;
    const CliResult result = RunCli({"format"}, "x;\r\n");
    SetMessageBoxHandler(original);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "x;\n");
    EXPECT_EQ(recordedBoxes, 0);
}

} // namespace
