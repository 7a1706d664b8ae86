#pragma once

#include "WinApp.h"

// The program: opens Developer Studio workspaces and Visual Studio solutions,
// each in a window listing its projects and source files with their counts.
class CQuilletApp : public CWinApp
{
public:
    CQuilletApp();

    bool InitInstance(const std::vector<std::string>& args) override;

    // The start-up show state of the main window (WinMain's).
    int m_showCommand = SW_SHOWDEFAULT;
};
