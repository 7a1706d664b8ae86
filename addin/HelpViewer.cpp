#include "HelpViewer.h"

#include "QLShared.h"

namespace
{

HelpViewerRoutine g_viewer = nullptr;

} // namespace

HelpViewerRoutine SetHelpViewer(HelpViewerRoutine viewer)
{
    HelpViewerRoutine previous = g_viewer;
    g_viewer = viewer;
    return previous;
}

void ShowQuilletHelp()
{
    (g_viewer ? g_viewer : &WinHelpA)(nullptr, GetHelpFilePath().c_str(), HELP_CONTENTS, 0);
}
