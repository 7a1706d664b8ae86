// The help viewer behind a replaceable routine, so that tests record what would be opened.
#include "HelpViewerSeam.h"

#include <atomic>

namespace
{

std::atomic<HelpViewerRoutine> currentViewer{&WinHelpA};

} // namespace

BOOL ShowHelpViewer(HWND owner, const char* file, UINT command, ULONG_PTR data)
{
    return currentViewer.load()(owner, file, command, data);
}

HelpViewerRoutine SetHelpViewer(HelpViewerRoutine viewer)
{
    return currentViewer.exchange(viewer ? viewer : &WinHelpA);
}
