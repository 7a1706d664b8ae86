// Shows a program's help: its WinHelp file, or else the HTML manual installed beside it, in the browser.
#include "HelpFile.h"

#include "HelpViewerSeam.h"
#include "MessageBoxSeam.h"
#include "ShellOpenSeam.h"

namespace
{

// Where the setup program puts the manual, relative to the help file's folder.
const char kManualPage[] = "manual\\index.html";

bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

std::string CHelpFile::DefaultFor(HMODULE module)
{
    char name[MAX_PATH] = {};
    const std::string path(name, GetModuleFileNameA(module, name, MAX_PATH));
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.find_last_of("\\/");
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? path.substr(0, dot) : path) + ".hlp";
}

std::string CHelpFile::ManualPage() const
{
    const std::size_t slash = m_path.find_last_of("\\/");
    return (slash == std::string::npos ? std::string() : m_path.substr(0, slash + 1)) + kManualPage;
}

CHelpFile::Shown CHelpFile::Show(HWND owner, UINT command, const std::string& caption) const
{
    if (FileExists(m_path))
    {
        ShowHelpViewer(owner, m_path.c_str(), command, 0);
        return Shown::HelpFile;
    }
    const std::string page = ManualPage();
    if (!FileExists(page))
        return Shown::Nothing;
    if (!OpenWithShell(owner, page))
        ShowMessageBox(owner, "The manual could not be opened in a browser:\n\n" + page, caption,
                       MB_OK | MB_ICONEXCLAMATION);
    return Shown::Manual;
}
