// Documents opened with the shell's open verb behind a replaceable handler, so tests start no browser.
#include "ShellOpenSeam.h"

#include <shellapi.h>

#include <atomic>

namespace
{

bool ShellOpen(HWND owner, const std::string& path)
{
    // ShellExecute reports success with a value above 32.
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteA(owner, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

std::atomic<ShellOpenHandler> currentHandler{&ShellOpen};

} // namespace

bool OpenWithShell(HWND owner, const std::string& path)
{
    return currentHandler.load()(owner, path);
}

ShellOpenHandler SetShellOpenHandler(ShellOpenHandler handler)
{
    return currentHandler.exchange(handler ? handler : &ShellOpen);
}
