// The program's printer choice through scripted print dialogs, and the
// failures a print job reports.
#include "PrinterChoice.h"
#include "PrintJob.h"
#include "win/DevNames.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

namespace
{

// What the scripted dialog saw, and how it answers.
struct Script
{
    BOOL answer = TRUE;
    std::string choose;              // printer the user picks; empty keeps the one handed in
    bool returnDc = true;            // a device context comes back
    std::pair<WORD, WORD> pageRange; // from, to when the user typed a range
    WORD copies = 1;
    bool collate = false;
    std::string printerSeen; // the set-up handed to the dialog
} g_script;

BOOL WINAPI ScriptedDialog(LPPRINTDLGA dialog)
{
    g_script.printerSeen = CPrinterChoice::DeviceName(dialog->hDevNames);
    if (!g_script.choose.empty())
    {
        GlobalFree(dialog->hDevNames);
        dialog->hDevNames = DevNamesOf(g_script.choose);
    }
    if (g_script.answer && (dialog->Flags & PD_RETURNDC) && g_script.returnDc)
        dialog->hDC = CreateCompatibleDC(nullptr);
    dialog->nCopies = g_script.copies;
    if (g_script.collate)
        dialog->Flags |= PD_COLLATE;
    if (g_script.pageRange.first)
    {
        dialog->Flags |= PD_PAGENUMS;
        std::tie(dialog->nFromPage, dialog->nToPage) = g_script.pageRange;
    }
    return g_script.answer;
}

class PrinterChoiceTest : public ::testing::Test
{
protected:
    void SetUp() override { g_script = Script(); }
    CPrinterChoice choice{ScriptedDialog};
    CPrinterChoice::Request request;
    std::string error;
};

TEST_F(PrinterChoiceTest, PrintSetupIsKeptForTheNextDialogAndDirectPrinting)
{
    g_script.choose = "Office Laser";
    ASSERT_TRUE(choice.Setup(nullptr, error));

    g_script = Script();
    ASSERT_TRUE(choice.Ask(nullptr, 3, request, error));
    EXPECT_EQ("Office Laser", g_script.printerSeen);
    EXPECT_EQ("Office Laser", request.printer);

    // Printing directly goes to the kept printer, which does not exist here.
    EXPECT_FALSE(choice.Direct(3, request, error));
    EXPECT_EQ("Printing on \"Office Laser\" failed: the printer could not be opened.", error);
}

TEST_F(PrinterChoiceTest, PrintDialogReturnsEveryPageOrTheRangeChosen)
{
    ASSERT_TRUE(choice.Ask(nullptr, 4, request, error));
    EXPECT_EQ(std::make_pair(1, 4), std::make_pair(request.first, request.last));
    EXPECT_TRUE(request.dc);

    g_script.pageRange = {2, 3};
    g_script.copies = 2;
    ASSERT_TRUE(choice.Ask(nullptr, 4, request, error));
    EXPECT_EQ(std::make_pair(2, 3), std::make_pair(request.first, request.last));
    EXPECT_EQ(std::make_pair(2, false), std::make_pair(request.copies, request.collate));
}

TEST(PrintJob, CopiesArePrintedWholeWhenCollatedElsePageByPage)
{
    EXPECT_EQ((std::vector<int>{2, 3, 2, 3, 2, 3}), CPrintJob::PageOrder(2, 3, 3, true));
    EXPECT_EQ((std::vector<int>{2, 2, 2, 3, 3, 3}), CPrintJob::PageOrder(2, 3, 3, false));
    EXPECT_EQ((std::vector<int>{1}), CPrintJob::PageOrder(1, 1, 1, false));
}

TEST_F(PrinterChoiceTest, CancelIsSilentAndAMissingPrinterIsNamed)
{
    g_script.answer = FALSE;
    EXPECT_FALSE(choice.Ask(nullptr, 2, request, error));
    EXPECT_EQ("", error);

    g_script = Script();
    g_script.choose = "Gone";
    g_script.returnDc = false;
    EXPECT_FALSE(choice.Ask(nullptr, 2, request, error));
    EXPECT_EQ("Printing on \"Gone\" failed: the printer could not be opened.", error);
}

class NoPages : public IPrintedPages
{
public:
    int PageCount() const override { return 1; }
    void DrawPage(HDC, const RECT&, int) const override {}
};

TEST(PrintJob, ADeviceThatCannotPrintSaysWhichStepFailed)
{
    HDC memory = CreateCompatibleDC(nullptr);
    std::string error;
    EXPECT_FALSE(CPrintJob::Print(memory, "Screen", "Report", NoPages(), {1}, error));
    EXPECT_EQ("Printing on \"Screen\" failed: the document could not be started.", error);
    DeleteDC(memory);
}

} // namespace
