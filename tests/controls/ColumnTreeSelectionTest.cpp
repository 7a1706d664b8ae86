// Multiple selection: clicks with and without Ctrl and Shift, the keyboard,
// TVM_SELECTITEM as another program sends it, and collapsing a project.
#include "ColumnTreeHarness.h"

namespace
{

struct SelectionCase
{
    const char* name;
    std::vector<std::pair<const char*, WPARAM>> clicks; // item, keys held
    const char* selected;                               // names in sorted order, upper case first
};

// Sets or clears a key in the thread's keyboard state, as holding it does.
void Hold(int key, bool held)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[key] = held ? 0x80 : 0;
    SetKeyboardState(keys);
}

void HoldShift(bool held)
{
    Hold(VK_SHIFT, held);
}

} // namespace

TEST_F(ColumnTreeTest, ClicksSelectOneToggleWithCtrlAndExtendWithShiftInVisibleOrder)
{
    const SelectionCase cases[] = {
        {"a click selects one item", {{"a1", 0}}, "a1"},
        {"the next click replaces it", {{"a1", 0}, {"B", 0}}, "B"},
        {"Ctrl adds", {{"a1", 0}, {"b1", MK_CONTROL}}, "a1 b1"},
        {"Ctrl takes out again", {{"a1", 0}, {"b1", MK_CONTROL}, {"a1", MK_CONTROL}}, "b1"},
        {"Shift selects down to the item", {{"a2", 0}, {"b1", MK_SHIFT}}, "B a2 a3 b1"},
        {"Shift selects up to the item", {{"b1", 0}, {"a2", MK_SHIFT}}, "B a2 a3 b1"},
        {"Shift skips the files of a collapsed project", {{"b2", 0}, {"D", MK_SHIFT}}, "C D b2"},
        {"Shift replaces, from the anchor of the last Ctrl click",
         {{"a1", 0}, {"b2", MK_CONTROL}, {"C", MK_SHIFT}},
         "C b2"},
        {"the anchor stays through Shift clicks", {{"a3", 0}, {"b2", MK_SHIFT}, {"a2", MK_SHIFT}}, "a2 a3"},
    };
    for (const SelectionCase& c : cases)
    {
        Make();
        AddProjects();
        for (const auto& [item, keys] : c.clicks)
            Click(item, keys);
        EXPECT_EQ(Selected(), c.selected) << c.name;
        for (const auto& item : items)
            EXPECT_EQ(tree.IsSelected(item.second), Selected().find(item.first) != std::string::npos) << c.name;
    }
}

TEST_F(ColumnTreeTest, ExpandButtonTogglesWithoutChangingTheSelection)
{
    AddProjects();
    Click("a1");
    Click("a2", MK_CONTROL);
    // The caret is on a2: collapsing A hides it, and the tree moves its
    // caret to A.
    const RECT label = ItemRect("A", true);
    TVHITTESTINFO hit{};
    for (hit.pt = POINT{0, (label.top + label.bottom) / 2}; hit.pt.x < label.left; ++hit.pt.x)
    {
        SendMessageA(Tree(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        if (hit.flags & TVHT_ONITEMBUTTON)
            break;
    }
    ASSERT_TRUE(hit.flags & TVHT_ONITEMBUTTON);
    SendMessageA(Tree(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(hit.pt.x, hit.pt.y));
    SendMessageA(Tree(), WM_LBUTTONUP, 0, MAKELPARAM(hit.pt.x, hit.pt.y));

    EXPECT_FALSE(SendMessageA(Tree(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(items["A"]), TVIS_EXPANDED) &
                 TVIS_EXPANDED);
    EXPECT_EQ(Selected(), "a1 a2");
}

TEST_F(ColumnTreeTest, CaretMovedByKeyboardOrByAnotherProgramSelectsThatItem)
{
    AddProjects();
    Click("a1");
    EXPECT_EQ(GetFocus(), Tree());
    Click("b1", MK_CONTROL);
    // TVM_SELECTITEM as an outside program sends it.
    SendMessageA(Tree(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(items["A"]));
    EXPECT_EQ(Selected(), "A");

    SendMessageA(Tree(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(Selected(), "a1");
    HoldShift(true);
    SendMessageA(Tree(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessageA(Tree(), WM_KEYDOWN, VK_DOWN, 0);
    HoldShift(false);
    EXPECT_EQ(Selected(), "a1 a2 a3");
    SendMessageA(Tree(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(Selected(), "a2");
}

TEST_F(ColumnTreeTest, CtrlArrowsMoveTheFocusAloneAndCtrlSpaceTogglesTheFocusedItem)
{
    AddProjects();
    Click("a1");
    const auto press = [this](WPARAM key)
    {
        SendMessageA(Tree(), WM_KEYDOWN, key, 0);
        if (key == VK_SPACE)
            SendMessageA(Tree(), WM_CHAR, ' ', 0);
    };
    const auto caret = [this] { return RelatedTreeItem(Tree(), TVGN_CARET, nullptr); };
    Hold(VK_CONTROL, true);
    // Files that are not side by side, chosen from the keyboard alone.
    for (WPARAM key : {VK_DOWN, VK_DOWN, VK_SPACE, VK_DOWN, VK_DOWN, VK_SPACE})
        press(key);
    EXPECT_EQ(Selected(), "a1 a3 b1");
    EXPECT_EQ(items["b1"], caret());
    press(VK_UP);
    press(VK_SPACE);
    Hold(VK_CONTROL, false);
    EXPECT_EQ(Selected(), "B a1 a3 b1");
    EXPECT_EQ(items["B"], caret());
    // A plain arrow selects as before.
    SendMessageA(Tree(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(Selected(), "b1");
}
