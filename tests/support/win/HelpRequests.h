#pragma once

#include "HelpViewerSeam.h"
#include "ShellOpenSeam.h"

#include <string>
#include <vector>

// Records what a module hands to the help viewer and to the shell's open verb
// while it lives, by default the program's own seams, as "viewer COMMAND FILE"
// and "shell PATH", each ending in " owned" when an owner window was given.
// The shell starts a browser unless told otherwise.
class HelpRequests
{
public:
    explicit HelpRequests(HelpViewerRoutine (*viewerSeam)(HelpViewerRoutine) = &SetHelpViewer,
                          ShellOpenHandler (*shellSeam)(ShellOpenHandler) = &SetShellOpenHandler)
        : m_viewerSeam(viewerSeam), m_shellSeam(shellSeam), m_viewer(viewerSeam(&Viewer)), m_shell(shellSeam(&Shell))
    {
        s_current = this;
    }
    ~HelpRequests()
    {
        m_viewerSeam(m_viewer);
        m_shellSeam(m_shell);
        s_current = nullptr;
    }
    HelpRequests(const HelpRequests&) = delete;
    HelpRequests& operator=(const HelpRequests&) = delete;

    std::vector<std::string> opened;
    bool browserStarts = true;

private:
    static BOOL WINAPI Viewer(HWND owner, const char* file, UINT command, ULONG_PTR data)
    {
        s_current->opened.push_back("viewer " + std::to_string(command) + " " + file + (data ? " with data" : "") +
                                    (owner ? " owned" : ""));
        return TRUE;
    }
    static bool Shell(HWND owner, const std::string& path)
    {
        s_current->opened.push_back("shell " + path + (owner ? " owned" : ""));
        return s_current->browserStarts;
    }

    static inline HelpRequests* s_current = nullptr;
    HelpViewerRoutine (*m_viewerSeam)(HelpViewerRoutine);
    ShellOpenHandler (*m_shellSeam)(ShellOpenHandler);
    HelpViewerRoutine m_viewer;
    ShellOpenHandler m_shell;
};
