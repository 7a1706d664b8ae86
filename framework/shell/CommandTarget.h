#pragma once

#include <windows.h>

// The state a command's menu item or toolbar button should show, asked of
// the command targets each time a menu opens or the toolbar is refreshed.
struct CCmdUI
{
    UINT id = 0;
    bool enabled = true;
    bool checked = false;
};

// An object that handles commands by id. The frame offers each command to
// its targets in turn (active view, its document, the frame, the
// application); the first that handles it ends the walk.
class CCommandTarget
{
public:
    virtual ~CCommandTarget() = default;

    // True when the command was handled.
    virtual bool OnCommand(UINT /*id*/) { return false; }
    // True when this target handles the command; ui then holds its state. A
    // command that no target claims is shown disabled.
    virtual bool OnUpdateCommand(CCmdUI& /*ui*/) { return false; }
};
