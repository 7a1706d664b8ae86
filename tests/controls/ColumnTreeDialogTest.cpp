// The column tree taking the place of control 1001 of a dialog made from a
// resource template, as the add-in's analysis dialog uses it.
#include "AnalysisDialogRes.h"
#include "ColumnTree.h"
#include "Dialog.h"
#include "WindowText.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

class AnalysisDialog : public CDialog
{
public:
    AnalysisDialog() : CDialog(IDD_ANALYSIS) {}

    HWND templateTree = nullptr;
    RECT templateRect{};
    LONG templateStyle = 0, templateExStyle = 0;
    HFONT dialogFont = nullptr;
    CColumnTree tree;
    bool subclassed = false;

protected:
    BOOL OnInitDialog() override
    {
        templateTree = GetDlgItem(IDC_TREE);
        GetWindowRect(templateTree, &templateRect);
        MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&templateRect), 2);
        templateStyle = GetWindowLongA(templateTree, GWL_STYLE);
        templateExStyle = GetWindowLongA(templateTree, GWL_EXSTYLE);
        dialogFont = reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
        subclassed = tree.SubclassDlgItem(m_hWnd, IDC_TREE);
        return TRUE;
    }
};

} // namespace

TEST(ColumnTreeInDialog, TakesThePlaceStylesFontAndTabOrderOfTheTemplateControl)
{
    AnalysisDialog dialog;
    ASSERT_TRUE(dialog.CreateModeless(nullptr));
    ASSERT_TRUE(dialog.subclassed);
    const HWND hwnd = dialog.GetSafeHwnd();
    const HWND control = dialog.GetDlgItem(IDC_TREE);
    EXPECT_EQ(control, dialog.tree.GetSafeHwnd());
    EXPECT_FALSE(IsWindow(dialog.templateTree));

    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_TRUE(EqualRect(&rect, &dialog.templateRect));
    // The border, which the dialog may have made a sunken edge, frames
    // header and tree together.
    ASSERT_TRUE((dialog.templateStyle & WS_BORDER) || (dialog.templateExStyle & WS_EX_CLIENTEDGE));
    EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & WS_BORDER, dialog.templateStyle & WS_BORDER);
    EXPECT_EQ(GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, dialog.templateExStyle & WS_EX_CLIENTEDGE);
    EXPECT_EQ(ClassOf(dialog.tree.TreeHandle()), "SysTreeView32");
    EXPECT_EQ(ClassOf(dialog.tree.HeaderHandle()), "SysHeader32");
    EXPECT_EQ(dialog.tree.GetDecorations(), static_cast<DWORD>(CColumnTree::AllDecorations));
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(dialog.tree.TreeHandle(), WM_GETFONT, 0, 0)), dialog.dialogFont);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(dialog.tree.HeaderHandle(), WM_GETFONT, 0, 0)), dialog.dialogFont);

    // Tab goes from the button before, into the tree, to the button after.
    EXPECT_EQ(GetNextDlgTabItem(hwnd, dialog.GetDlgItem(IDC_BEFORE), FALSE), dialog.tree.TreeHandle());
    EXPECT_EQ(GetNextDlgTabItem(hwnd, dialog.tree.TreeHandle(), FALSE), dialog.GetDlgItem(IDC_AFTER));

    // Control 1001 answers as the tree it stands for.
    dialog.tree.InsertColumn(1, "Lines", ColumnAlignment::Centre, 40);
    HTREEITEM project = dialog.tree.InsertItem(nullptr, "calc.dsp");
    dialog.tree.SetItemText(dialog.tree.InsertItem(project, "calc.cpp"), 1, "37");
    EXPECT_EQ(SendMessageA(control, TVM_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(dialog.tree.GetItemText(dialog.tree.GetChildItem(project), 1), "37");

    dialog.DestroyWindow();
    EXPECT_EQ(dialog.tree.GetSafeHwnd(), nullptr);
}
