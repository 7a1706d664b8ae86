// The Windows command-line tool turns message boxes into lines of output.
#include "CliCommand.h"
#include "CliTestSupport.h"
#include "win/MessageBoxScript.h"

#include <gtest/gtest.h>

#include <sstream>

namespace
{

TEST(ConsoleMessageBoxes, BoxesBecomeLinesAndTheSeamIsRestored)
{
    MessageBoxScript boxes(IDYES);
    {
        std::ostringstream err;
        const CConsoleMessageBoxes console(err);
        EXPECT_EQ(ShowMessageBox(nullptr, "Error Opening Registry", "QLShared", MB_OK), IDOK);
        EXPECT_EQ(ShowMessageBox(nullptr, "Write Error:\n\nx.cpp", "Quillet", MB_YESNO | MB_ICONQUESTION), IDNO);
        EXPECT_EQ(err.str(), "quillet-cli: Error Opening Registry\nquillet-cli: Write Error:  x.cpp\n");
    }
    EXPECT_EQ(ShowMessageBox(nullptr, "after", "QLShared", MB_OK), IDYES);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"after"});
}

TEST(ConsoleMessageBoxes, RegistrySettingsShowNoBox)
{
    // Without --settings the registry is read; whatever it says, no box may
    // appear and the text is formatted.
    const CliResult result = RunCli({"format"}, "x;\r\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "x;\n");
}

} // namespace
