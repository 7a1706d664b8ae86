// Shows the column tree with a workspace's list for a few seconds, for
// screenshots:
//   column_tree_demo WORKSPACE.dsw [seconds] [wide]
// Two files are selected, as a Ctrl+click makes it. With "wide" the
// comments column is wider than the window and the list is scrolled to its
// right end.
#include "LineCounter.h"
#include "MetricsTreeFill.h"
#include "ProjectReader.h"

#include <cstdlib>
#include <cstring>
#include <iostream>

namespace
{

class DemoWindow : public CWnd
{
public:
    CColumnTree tree;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == WM_SIZE && tree.GetSafeHwnd())
            MoveWindow(tree.GetSafeHwnd(), 8, 8, LOWORD(lParam) - 16, HIWORD(lParam) - 16, TRUE);
        if (message == WM_CLOSE)
            PostQuitMessage(0);
        return CWnd::OnMessage(message, wParam, lParam, result);
    }
};

void Click(HWND tree, HTREEITEM item, WPARAM keys)
{
    RECT label{};
    std::memcpy(&label, &item, sizeof(item));
    SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&label));
    const LPARAM at = MAKELPARAM((label.left + label.right) / 2, (label.top + label.bottom) / 2);
    SendMessageA(tree, WM_LBUTTONDOWN, keys | MK_LBUTTON, at);
    SendMessageA(tree, WM_LBUTTONUP, keys, at);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::cerr << "usage: column_tree_demo WORKSPACE.dsw [seconds] [wide]\n";
        return 2;
    }
    MetricsTable table;
    std::string error;
    if (!CProjectReader(table, CProjectReader::Flavour::Standalone,
                        {CLineCounter::GetLineCount, CLineCounter::GetCommentCount})
             .ReadWorkspace(argv[1], error))
    {
        std::cerr << error << "\n";
        return 1;
    }
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 5;
    const bool wide = argc > 3 && std::strcmp(argv[3], "wide") == 0;

    DemoWindow window;
    window.CreateEx(0, "Column tree", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{40, 40, 600, 400}, nullptr, 0);
    RECT client{};
    GetClientRect(window.GetSafeHwnd(), &client);
    InflateRect(&client, -8, -8);
    window.tree.Create(WS_VISIBLE | WS_TABSTOP | CColumnTree::AllDecorations, client, window.GetSafeHwnd(), 1001,
                       WS_EX_CLIENTEDGE);
    FillColumnTree(window.tree, table);

    const HWND tree = window.tree.TreeHandle();
    for (HTREEITEM project = window.tree.GetRootItem(); project; project = window.tree.GetNextSiblingItem(project))
        SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(project));
    // Expanding the last project scrolls its files into view; back to the top.
    SendMessageA(tree, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(window.tree.GetRootItem()));
    HTREEITEM file = window.tree.GetChildItem(window.tree.GetRootItem());
    Click(tree, file, 0);
    Click(tree, window.tree.GetNextSiblingItem(window.tree.GetNextSiblingItem(file)), MK_CONTROL);
    if (wide)
    {
        window.tree.SetColumnWidth(2, 400);
        SendMessageA(window.tree.GetSafeHwnd(), WM_HSCROLL, SB_RIGHT, 0);
    }

    SetTimer(nullptr, 0, seconds * 1000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0 && msg.message != WM_TIMER)
    {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
