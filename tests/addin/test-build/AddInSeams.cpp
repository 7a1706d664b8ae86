#include "AddInSeams.h"

MessageBoxHandler SetAddInMessageBoxHandler(MessageBoxHandler handler)
{
    return SetMessageBoxHandler(handler);
}

HelpViewerRoutine SetAddInHelpViewer(HelpViewerRoutine viewer)
{
    return SetHelpViewer(viewer);
}

ShellOpenHandler SetAddInShellOpenHandler(ShellOpenHandler handler)
{
    return SetShellOpenHandler(handler);
}
