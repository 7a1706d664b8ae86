#pragma once

// Quillet.exe driven in-process under Wine's null driver: the program's own
// start-up, frame and views, driven with the messages the user's mouse and
// keyboard, the shell and other programs send.

#include "MainFrame.h"
#include "MetricsDoc.h"
#include "MetricsView.h"
#include "MultiDocTemplate.h"
#include "QuilletApp.h"
#include "QuilletRes.h"
#include "ScratchFolder.h"
#include "WindowText.h"
#include "win/ControlText.h"
#include "win/MessageBoxScript.h"

#include <gtest/gtest.h>

#include <shlwapi.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// Every item of a list as "name|lines|comments", files indented by two.
inline std::vector<std::string> Rows(const CColumnTree& tree)
{
    std::vector<std::string> rows;
    const auto row = [&](HTREEITEM item, const char* indent)
    {
        rows.push_back(indent + tree.GetItemText(item, 0) + "|" + tree.GetItemText(item, 1) + "|" +
                       tree.GetItemText(item, 2));
    };
    for (HTREEITEM project = tree.GetRootItem(); project; project = tree.GetNextSiblingItem(project))
    {
        row(project, "");
        for (HTREEITEM file = tree.GetChildItem(project); file; file = tree.GetNextSiblingItem(file))
            row(file, "  ");
    }
    return rows;
}

class AppTest : public ::testing::Test
{
protected:
    static constexpr const char* ProfileKey = "Software\\Tamsel Software\\Quillet";

    void SetUp() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, ProfileKey);
        folder.Copy(std::string(QUILLET_SOURCE_DIR) + "/examples/workspace", "ws");
        workspace = folder.PathOf("ws\\example.dsw");
    }
    void TearDown() override
    {
        app.reset();
        SHDeleteKeyA(HKEY_CURRENT_USER, ProfileKey);
    }

    void Start(const std::vector<std::string>& args = {})
    {
        app = std::make_unique<CQuilletApp>();
        app->m_showCommand = SW_SHOWNORMAL;
        ASSERT_TRUE(app->InitInstance(args));
        Pump();
    }

    // Dispatches what is queued, as the message loop would, then lets the
    // frame bring its bars up to date as the loop does when idle.
    void Pump()
    {
        MSG message{};
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        {
            if (message.message == WM_QUIT)
                continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (app && app->GetMainFrame()->GetSafeHwnd())
            app->GetMainFrame()->OnIdle();
    }

    CMainFrame& Frame() { return *static_cast<CMainFrame*>(app->GetMainFrame()); }
    HWND FrameWindow() { return Frame().GetSafeHwnd(); }

    void Command(UINT id)
    {
        SendMessageA(FrameWindow(), WM_COMMAND, id, 0);
        Pump();
    }

    // The documents' windows, in the MDI client's z-order.
    std::vector<HWND> Children()
    {
        std::vector<HWND> children;
        for (HWND child = GetWindow(Frame().MDIClient(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            children.push_back(child);
        return children;
    }

    CMetricsView& ActiveView() { return *static_cast<CMetricsView*>(Frame().GetActiveView()); }

    std::vector<std::string> MenuBar() { return MenuTexts(GetMenu(FrameWindow())); }

    // The popup of the menu bar titled title, after the frame has brought
    // its items up to date as it does when the user opens it.
    HMENU OpenPopup(const std::string& title)
    {
        const std::vector<std::string> titles = MenuBar();
        const auto index = std::find(titles.begin(), titles.end(), title) - titles.begin();
        HMENU popup = GetSubMenu(GetMenu(FrameWindow()), static_cast<int>(index));
        EXPECT_NE(nullptr, popup) << "no menu " << title;
        SendMessageA(FrameWindow(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), index);
        return popup;
    }

    ScratchFolder folder;
    std::string workspace;
    std::unique_ptr<CQuilletApp> app;
};
