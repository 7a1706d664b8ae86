// Item texts, the item count and the lifetime of the column tree's windows,
// read back the way other programs read them: tree-view messages.
#include "ColumnTreeHarness.h"

#include <array>
#include <memory>

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
