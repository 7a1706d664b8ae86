// Columns, items, texts, item data and lifetime of the column tree, read
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

    const int name = first * 60 / 100, count = first * 20 / 100;
    const std::vector<std::string> expected = {Column("Project List", name, HDF_LEFT),
                                               Column("Lines", count, HDF_CENTER),
                                               Column("Comments", count, HDF_CENTER)};
    std::vector<std::string> got;
    std::vector<int> widths;
    for (int column = 0; column < SendMessageA(tree.HeaderHandle(), HDM_GETITEMCOUNT, 0, 0); ++column)
    {
        got.push_back(HeaderColumn(tree.HeaderHandle(), column));
        widths.push_back(tree.GetColumnWidth(column));
    }
    EXPECT_EQ(got, expected);
    EXPECT_EQ(widths, (std::vector<int>{name, count, count}));
}

TEST_F(ColumnTreeTest, ColumnZeroIsTheTreeItemTextHoweverLong)
{
    AddProjects();
    const std::string longName = std::string(700, 'x') + ".cpp";
    EXPECT_EQ(tree.GetItemText(tree.InsertItem(items["D"], longName), 0), longName);
    // Column 0 is written through to the tree item.
    tree.SetItemText(items["a1"], 0, "renamed.c");
    EXPECT_EQ(TreeItemText(Tree(), items["a1"]), "renamed.c");
}

TEST_F(ColumnTreeTest, CountsEveryItemWhetherItsProjectIsExpandedOrNot)
{
    AddProjects();
    EXPECT_EQ(tree.GetCount(), 10u);
    // Tree-view messages to the control's own window reach the tree.
    EXPECT_EQ(SendMessageA(tree.GetSafeHwnd(), TVM_GETCOUNT, 0, 0), 10);
    SendMessageA(Tree(), TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(items["A"]));
    EXPECT_EQ(tree.GetCount(), 10u);
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
