// One print job of a range of pages, each failing step reported with the printer's name.
#include "PrintJob.h"

namespace
{

bool Failed(const std::string& printer, const std::string& step, std::string& error)
{
    error = CPrintJob::Failure(printer, step);
    return false;
}

} // namespace

std::string CPrintJob::Failure(const std::string& printer, const std::string& step)
{
    return "Printing on \"" + printer + "\" failed: " + step + ".";
}

RECT CPrintJob::PrintableArea(HDC dc)
{
    return RECT{0, 0, GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES)};
}

std::vector<int> CPrintJob::PageOrder(int first, int last, int copies, bool collate)
{
    std::vector<int> order;
    const int outer = collate ? copies : last - first + 1;
    const int inner = collate ? last - first + 1 : copies;
    for (int i = 0; i < outer; ++i)
    {
        for (int j = 0; j < inner; ++j)
            order.push_back(first + (collate ? j : i));
    }
    return order;
}

bool CPrintJob::Print(HDC dc, const std::string& printer, const std::string& document, const IPrintedPages& pages,
                      const std::vector<int>& order, std::string& error)
{
    error.clear();
    DOCINFOA info = {};
    info.cbSize = sizeof info;
    info.lpszDocName = document.c_str();
    if (StartDocA(dc, &info) <= 0)
        return Failed(printer, "the document could not be started", error);
    const RECT area = PrintableArea(dc);
    for (int page : order)
    {
        if (StartPage(dc) <= 0)
        {
            AbortDoc(dc);
            return Failed(printer, "page " + std::to_string(page) + " could not be started", error);
        }
        pages.DrawPage(dc, area, page);
        if (EndPage(dc) <= 0)
        {
            AbortDoc(dc);
            return Failed(printer, "page " + std::to_string(page) + " could not be finished", error);
        }
    }
    if (EndDoc(dc) <= 0)
        return Failed(printer, "the document could not be sent to the printer", error);
    return true;
}
