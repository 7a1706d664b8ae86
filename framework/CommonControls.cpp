// Registers the common-control classes that progress bars, property sheets and column trees need.
#include "CommonControls.h"

#include <windows.h>

#include <commctrl.h>

void InitCommonControlClasses()
{
    static bool done = false;
    if (done)
        return;
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof(classes);
    classes.dwICC =
        ICC_PROGRESS_CLASS | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES | ICC_TREEVIEW_CLASSES | ICC_LISTVIEW_CLASSES;
    done = InitCommonControlsEx(&classes) != FALSE;
}
