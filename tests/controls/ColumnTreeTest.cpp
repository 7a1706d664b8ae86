// Columns, items, texts, item data and navigation of the column tree, read
// back the way other programs read them: header and tree-view messages.
#include "ColumnTreeHarness.h"

#include <array>
#include <memory>
#include <tuple>

namespace
{

std::string Column(const std::string& heading, int width, int format)
{
    return heading + " " + std::to_string(width) + " " + std::to_string(format);
}

// A header item as Column() describes it, read the way other programs do.
std::string HeaderColumn(HWND header, int column)
{
    char text[64] = {};
    HDITEMA item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    SendMessageA(header, HDM_GETITEMA, column, reinterpret_cast<LPARAM>(&item));
    return Column(text, item.cxy, item.fmt & HDF_JUSTIFYMASK);
}

} // namespace

TEST_F(ColumnTreeTest, HeaderShowsTheInsertedColumnsWithTheirHeadingsWidthsAndAlignment)
{
    const int first = ClientWidth() - GetSystemMetrics(SM_CXVSCROLL);
    ASSERT_EQ(tree.GetColumnCount(), 1);
    EXPECT_EQ(tree.GetColumnWidth(0), first);

    AddCountColumns();
    // Index 0 stays the tree's column; an index past the end appends.
    EXPECT_EQ(tree.InsertColumn(0, "Before", ColumnAlignment::Right, 30), 1);
    EXPECT_EQ(tree.InsertColumn(9, "Last", ColumnAlignment::Left, 50), 4);

    const int name = first * 60 / 100, count = first * 20 / 100;
    const std::vector<std::string> expected = {Column("Project List", name, HDF_LEFT), Column("Before", 30, HDF_RIGHT),
                                               Column("Lines", count, HDF_CENTER),
                                               Column("Comments", count, HDF_CENTER), Column("Last", 50, HDF_LEFT)};
    std::vector<std::string> got;
    std::vector<int> widths;
    for (int column = 0; column < SendMessageA(tree.HeaderHandle(), HDM_GETITEMCOUNT, 0, 0); ++column)
    {
        got.push_back(HeaderColumn(tree.HeaderHandle(), column));
        widths.push_back(tree.GetColumnWidth(column));
    }
    EXPECT_EQ(got, expected);
    EXPECT_EQ(widths, (std::vector<int>{name, 30, count, count, 50}));
}

TEST_F(ColumnTreeTest, ItemsKeepInsertionOrderAndColumnZeroIsTheTreeItemText)
{
    AddProjects();
    const std::string longName = std::string(700, 'x') + ".cpp";
    HTREEITEM last = tree.InsertItem(items["D"], longName);

    std::vector<std::string> walked;
    for (HTREEITEM project = tree.GetRootItem(); project; project = tree.GetNextSiblingItem(project))
    {
        walked.push_back(TreeText(project));
        for (HTREEITEM file = tree.GetChildItem(project); file; file = tree.GetNextSiblingItem(file))
        {
            EXPECT_EQ(tree.GetParentItem(file), project);
            walked.push_back("  " + tree.GetItemText(file, 0));
        }
    }
    const std::vector<std::string> expected = {"A", "  a1", "  a2", "  a3",         "B", "  b1", "  b2",
                                               "C", "  c1", "D",    "  " + longName};
    EXPECT_EQ(walked, expected);
    EXPECT_EQ(tree.GetParentItem(items["A"]), nullptr);
    EXPECT_EQ(tree.GetChildItem(items["D"]), last);
    EXPECT_EQ(tree.GetNextSiblingItem(last), nullptr);

    // Column 0 is written through to the tree item.
    tree.SetItemText(items["a1"], 0, "renamed.c");
    EXPECT_EQ(TreeText(items["a1"]), "renamed.c");
}

TEST_F(ColumnTreeTest, CountsEveryItemWhetherItsProjectIsExpandedOrNot)
{
    AddProjects();
    EXPECT_EQ(tree.GetCount(), 10u);
    // Tree-view messages to the control's own window reach the tree.
    EXPECT_EQ(SendMessageA(tree.GetSafeHwnd(), TVM_GETCOUNT, 0, 0), 10);
    TVINSERTSTRUCTA insert{};
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>("E");
    EXPECT_NE(SendMessageA(tree.GetSafeHwnd(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)), 0);
    EXPECT_EQ(tree.GetCount(), 11u);
    SendMessageA(Tree(), TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(items["A"]));
    EXPECT_EQ(tree.GetCount(), 11u);
}

TEST_F(ColumnTreeTest, ColumnTextsAndItemDataRoundTrip)
{
    AddCountColumns();
    AddProjects();
    const std::string folder = "C:\\work\\calc\\";
    tree.SetItemText(items["a1"], 1, "120");
    tree.SetItemText(items["a1"], 2, "NA");
    tree.SetItemText(items["A"], 2, "7");
    tree.SetItemText(items["a1"], 3, "past the last column");
    tree.SetItemData(items["a1"], &folder);

    const std::tuple<const char*, int, const char*> cases[] = {
        {"a1", 0, "a1"}, {"a1", 1, "120"}, {"a1", 2, "NA"}, {"a1", 3, ""}, {"A", 1, ""}, {"A", 2, "7"}, {"a2", 1, ""}};
    for (const auto& [item, column, text] : cases)
        EXPECT_EQ(tree.GetItemText(items[item], column), text) << item << " " << column;
    EXPECT_EQ(tree.GetItemData(items["a1"]), &folder);
    EXPECT_EQ(tree.GetItemData(items["a2"]), nullptr);

    // Columns inserted between and first keep each text under its heading,
    // an item's last text too.
    tree.InsertColumn(2, "Size", ColumnAlignment::Right, 40);
    tree.InsertColumn(1, "Kind", ColumnAlignment::Left, 40);
    const char* const moved[] = {"", "120", "", "NA"};
    for (int column = 1; column <= 4; ++column)
        EXPECT_EQ(tree.GetItemText(items["a1"], column), moved[column - 1]) << column;
    EXPECT_EQ(tree.GetItemText(items["A"], 4), "7");
}

TEST_F(ColumnTreeTest, DeletedItemTakesItsTextsAlong)
{
    AddCountColumns();
    HTREEITEM item = tree.InsertItem(nullptr, "gone");
    tree.SetItemText(item, 1, "12");
    SendMessageA(Tree(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
    // The tree may hand out the same handle again.
    HTREEITEM again = tree.InsertItem(nullptr, "new");
    EXPECT_EQ(tree.GetItemText(again, 1), "");
}

TEST_F(ColumnTreeTest, WindowsGoWithTheObjectOrBeforeItWithTheirParent)
{
    std::array<HWND, 3> windows{};
    {
        CColumnTree other;
        ASSERT_TRUE(other.Create(Style, RECT{0, 0, 200, 100}, owner.GetSafeHwnd(), 1002));
        other.InsertColumn(1, "Lines", ColumnAlignment::Centre, 40);
        other.SetItemText(other.InsertItem(nullptr, "x"), 1, "1");
        windows = {other.GetSafeHwnd(), other.TreeHandle(), other.HeaderHandle()};
    }
    for (HWND window : windows)
        EXPECT_FALSE(IsWindow(window));

    auto parent = std::make_unique<TopWindow>();
    CColumnTree orphan;
    ASSERT_TRUE(orphan.Create(Style, RECT{0, 0, 200, 100}, parent->GetSafeHwnd(), 1003));
    orphan.InsertItem(nullptr, "x");
    parent.reset();
    EXPECT_EQ(orphan.GetSafeHwnd(), nullptr);
    EXPECT_EQ(orphan.TreeHandle(), nullptr);
}
