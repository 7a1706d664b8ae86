// Report pages drawn into an enhanced metafile and read back record by record.
#include "ReportPage.h"

#include "MetricsList.h"
#include "PrintJob.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

struct TextOut
{
    std::string text;
    int x, y;
};

// What a drawn page left in its metafile.
struct Page
{
    std::vector<TextOut> texts;
    LOGFONTW font = {};
};

int CALLBACK Collect(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data)
{
    Page& page = *reinterpret_cast<Page*>(data);
    switch (record->iType)
    {
    case EMR_EXTCREATEFONTINDIRECTW:
        page.font = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record)->elfw.elfLogFont;
        break;
    case EMR_EXTTEXTOUTW:
    {
        const auto* out = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
        const auto* text =
            reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) + out->emrtext.offString);
        page.texts.push_back(
            {std::string(text, text + out->emrtext.nChars), out->emrtext.ptlReference.x, out->emrtext.ptlReference.y});
        break;
    }
    }
    return 1;
}

// A page drawn into a metafile whose reference is the screen; area null
// draws on the add-in's whole page.
Page DrawPage(const IMetricsTree& tree, int number, FrontEnd frontEnd, const RECT* area)
{
    HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    CReportPage(tree, frontEnd).DrawPage(dc, area ? *area : CPrintJob::PrintableArea(dc), number);
    HENHMETAFILE metafile = CloseEnhMetaFile(dc);
    Page page;
    EnumEnhMetaFile(nullptr, metafile, Collect, &page, nullptr);
    DeleteEnhMetaFile(metafile);
    return page;
}

// Project "one.dsp" with files a.c (12 lines, 3 comments) and b.rc (not
// counted), then "empty.dsp" without files, then "two.dsp" with c.h.
MetricsTable SmallWorkspace()
{
    MetricsTable table;
    table.Append(RowKind::Project, "one.dsp", 12, 3, "");
    table.Append(RowKind::SourceFile, "a.c", 12, 3, "");
    table.Append(RowKind::SourceFile, "b.rc", -1, -1, "");
    table.Append(RowKind::Project, "empty.dsp", 0, 0, "");
    table.Append(RowKind::Project, "two.dsp", 5, 0, "");
    table.Append(RowKind::SourceFile, "c.h", 5, 0, "");
    return table;
}

TEST(ReportPage, ProgramPageHasHeaderAndRowsAtItsColumnsFromTheAreasTop)
{
    CMetricsList list;
    list.Fill(SmallWorkspace());
    const RECT area = {0, 100, 4800, 6500}; // W 4800, H 6400, drawn from its top: font -80, step 88
    const Page page = DrawPage(list, 1, FrontEnd::Standalone, &area);

    EXPECT_EQ(-80, page.font.lfHeight);
    EXPECT_EQ(std::wstring(L"Arial"), page.font.lfFaceName);

    const char* const expected[][3] = {{"File", "Lines  ", "Comments  "}, {"one.dsp", "12  ", "3  "},
                                       {"        a.c", "12  ", "3  "},    {"        b.rc", "NA  ", "NA  "},
                                       {"empty.dsp", "0  ", "0  "},       {"two.dsp", "5  ", "0  "},
                                       {"        c.h", "5  ", "0  "}};
    ASSERT_EQ(std::size(expected) * 3, page.texts.size());
    const int rights[] = {0, 4800 * 2 / 3, 4800 * 9 / 10};
    for (std::size_t row = 0; row < std::size(expected); ++row)
    {
        for (int column = 0; column < 3; ++column)
        {
            const TextOut& out = page.texts[row * 3 + column];
            EXPECT_EQ(expected[row][column], out.text);
            EXPECT_EQ(100 + static_cast<int>(row) * 88, out.y) << out.text;
            // Numbers are right-aligned at their column's edge: each starts between it and the one before.
            if (column == 0)
                EXPECT_EQ(480, out.x);
            else
                EXPECT_TRUE(out.x > rights[column - 1] && out.x < rights[column]) << out.text << " at " << out.x;
        }
    }
}

} // namespace
