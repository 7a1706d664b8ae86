// The add-in's print run: the print dialog's answers, and a whole report on
// the default printer (tools/wine-printer.sh makes one whose jobs land in a
// file; print-report.sh reads the pages back).
#include "ReportPrintJob.h"

#include "MetricsList.h"
#include "win/DevNames.h"

#include <winspool.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace
{

// One project with 70 files: two pages.
CMetricsList TwoPages()
{
    MetricsTable table;
    table.Append(RowKind::Project, "big.dsp", 70, 0, "");
    for (int file = 1; file <= 70; ++file)
        table.Append(RowKind::SourceFile, "f" + std::to_string(file) + ".c", file == 70 ? -1 : 1, 0, "");
    CMetricsList list;
    list.Fill(table);
    return list;
}

// Print dialogs as the tests script them.
BOOL WINAPI Cancelled(LPPRINTDLGA)
{
    return FALSE;
}

BOOL WINAPI ConfirmedWithoutDc(LPPRINTDLGA request)
{
    request->hDevNames = DevNamesOf("Broken Printer");
    return TRUE;
}

BOOL WINAPI ConfirmedDefault(LPPRINTDLGA request)
{
    char printer[256] = "";
    DWORD size = sizeof printer;
    GetDefaultPrinterA(printer, &size);
    request->hDevNames = DevNamesOf(printer);
    request->hDC = CreateDCA("WINSPOOL", printer, nullptr, nullptr);
    // Two copies, each whole.
    request->nCopies = 2;
    request->Flags |= PD_COLLATE;
    return TRUE;
}

TEST(ReportPrintJob, CancelOrAPrinterThatCannotOpenPrintsNothing)
{
    const CMetricsList list = TwoPages();
    std::string error;
    EXPECT_FALSE(CReportPrintJob::Run(nullptr, list, error, Cancelled));
    EXPECT_EQ("", error);
    EXPECT_FALSE(CReportPrintJob::Run(nullptr, list, error, ConfirmedWithoutDc));
    EXPECT_EQ("Printing on \"Broken Printer\" failed: the printer could not be opened.", error);
}

TEST(ReportPrintJob, PrintsEveryPageOfEachCopyOnTheChosenPrinter)
{
    // print-report.sh sets the printer up and reads back what it printed.
    if (!std::getenv("QUILLET_PRINT_TO_FILE"))
        GTEST_SKIP() << "run by print-report.sh, on a printer that prints to a file";
    const CMetricsList list = TwoPages();
    std::string error;
    EXPECT_TRUE(CReportPrintJob::Run(nullptr, list, error, ConfirmedDefault)) << error;
}

} // namespace
