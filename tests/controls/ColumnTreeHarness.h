#pragma once

// A column tree in a visible top-level window, driven with messages the way
// the user's mouse and keyboard and other programs drive it.

#include "ColumnTree.h"
#include "MetricsTreeFill.h"
#include "win/ControlText.h"
#include "win/TopWindow.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

class ColumnTreeTest : public ::testing::Test
{
protected:
    static const DWORD Style = WS_VISIBLE | WS_BORDER | WS_TABSTOP;

    void SetUp() override { Make(); }

    void Make()
    {
        tree.DestroyWindow();
        RECT client{};
        GetClientRect(owner.GetSafeHwnd(), &client);
        ASSERT_TRUE(tree.Create(Style | CColumnTree::Buttons | CColumnTree::Lines | CColumnTree::LinesAtRoot, client,
                                owner.GetSafeHwnd(), 1001));
        items.clear();
    }

    void AddCountColumns() { CMetricsTreeFill::AddCountColumns(tree); }

    // Projects A (a1 a2 a3), B (b1 b2), C (c1) and D; A and B expanded.
    void AddProjects()
    {
        const std::vector<std::pair<std::string, std::vector<std::string>>> projects = {
            {"A", {"a1", "a2", "a3"}}, {"B", {"b1", "b2"}}, {"C", {"c1"}}, {"D", {}}};
        for (const auto& project : projects)
        {
            HTREEITEM parent = items[project.first] = tree.InsertItem(nullptr, project.first);
            for (const std::string& file : project.second)
                items[file] = tree.InsertItem(parent, file);
        }
        for (const char* name : {"A", "B"})
            SendMessageA(Tree(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(items[name]));
    }

    HWND Tree() const { return tree.TreeHandle(); }

    int ClientWidth() const
    {
        RECT client{};
        GetClientRect(tree.GetSafeHwnd(), &client);
        return client.right;
    }

    RECT ItemRect(const std::string& name, bool labelOnly)
    {
        RECT rect{};
        std::memcpy(&rect, &items[name], sizeof(HTREEITEM));
        EXPECT_TRUE(SendMessageA(Tree(), TVM_GETITEMRECT, labelOnly, reinterpret_cast<LPARAM>(&rect))) << name;
        return rect;
    }

    // A click on the item's label with the keys held (MK_CONTROL, MK_SHIFT).
    void Click(const std::string& name, WPARAM keys = 0)
    {
        const RECT label = ItemRect(name, true);
        const LPARAM at = MAKELPARAM((label.left + label.right) / 2, (label.top + label.bottom) / 2);
        SendMessageA(Tree(), WM_LBUTTONDOWN, keys | MK_LBUTTON, at);
        SendMessageA(Tree(), WM_LBUTTONUP, keys, at);
    }

    // The names of the items whose state other programs read as selected.
    std::string Selected()
    {
        std::string names;
        for (const auto& item : items)
        {
            if (SendMessageA(Tree(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item.second), TVIS_SELECTED) &
                TVIS_SELECTED)
                names += (names.empty() ? "" : " ") + item.first;
        }
        return names;
    }

    TopWindow owner;
    CColumnTree tree;
    std::map<std::string, HTREEITEM> items;
};
