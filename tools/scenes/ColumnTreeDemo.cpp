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
    MetricsTable table;
    std::string error = "usage: column_tree_demo WORKSPACE.dsw [seconds] [wide]";
    if (argc < 2 ||
        !CProjectReader(table, FrontEnd::Standalone, {CLineCounter::GetLineCount, CLineCounter::GetCommentCount})
             .ReadWorkspace(argv[1], error))
    {
        std::cerr << error << "\n";
        return 1;
    }
    CWnd window;
    window.CreateEx(0, "Column tree", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{40, 40, 600, 400}, nullptr, 0);
    RECT client{};
    GetClientRect(window.GetSafeHwnd(), &client);
    InflateRect(&client, -8, -8);
    CColumnTree columns;
    columns.Create(WS_VISIBLE | WS_TABSTOP | CColumnTree::AllDecorations, client, window.GetSafeHwnd(), 1001,
                   WS_EX_CLIENTEDGE);
    CMetricsTreeFill::AddCountColumns(columns);
    CMetricsTreeFill::AppendRows(columns, table, CMetricsTreeFill::ItemData::Directories);

    const HWND tree = columns.TreeHandle();
    for (HTREEITEM project = columns.GetRootItem(); project; project = columns.GetNextSiblingItem(project))
        SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(project));
    // Expanding the last project scrolls its files into view; back to the top.
    SendMessageA(tree, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(columns.GetRootItem()));
    HTREEITEM file = columns.GetChildItem(columns.GetRootItem());
    Click(tree, file, 0);
    Click(tree, columns.GetNextSiblingItem(columns.GetNextSiblingItem(file)), MK_CONTROL);
    if (argc > 3 && std::strcmp(argv[3], "wide") == 0)
    {
        columns.SetColumnWidth(2, 400);
        SendMessageA(columns.GetSafeHwnd(), WM_HSCROLL, SB_RIGHT, 0);
    }

    SetTimer(nullptr, 0, (argc > 2 ? std::atoi(argv[2]) : 5) * 1000, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0 && msg.message != WM_TIMER)
        DispatchMessageA(&msg);
    return 0;
}
