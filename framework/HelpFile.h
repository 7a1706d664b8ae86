#pragma once

#include <windows.h>

#include <string>

// A program's help: its WinHelp file or, where that is missing (no WinHelp
// file is built, and current Windows opens none), the HTML manual that the
// setup program installs beside it, shown in the user's browser.
class CHelpFile
{
public:
    enum class Shown
    {
        HelpFile,
        Manual,
        Nothing
    };

    explicit CHelpFile(std::string path) : m_path(std::move(path)) {}

    // The framework's default help file of a module: the module's path with
    // its extension replaced by .hlp.
    static std::string DefaultFor(HMODULE module);

    const std::string& Path() const { return m_path; }
    // The manual's first page, manual\index.html in the help file's folder.
    std::string ManualPage() const;

    // Opens the help file in the help viewer with command or, without it,
    // the manual through the shell; a browser that cannot be started is
    // reported in a box captioned caption. Nothing when neither exists:
    // then nothing has been shown.
    Shown Show(HWND owner, UINT command, const std::string& caption) const;

private:
    std::string m_path;
};
