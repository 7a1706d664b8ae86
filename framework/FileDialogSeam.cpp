// The File Open dialog behind a replaceable handler, so that tests answer it without a window.
#include "FileDialogSeam.h"

#include <commdlg.h>

#include <atomic>

namespace
{

bool SystemOpenFileDialog(HWND owner, const std::string& filter, std::string& path)
{
    char file[MAX_PATH] = {};
    OPENFILENAMEA open{};
    open.lStructSize = sizeof(open);
    open.hwndOwner = owner;
    open.lpstrFilter = filter.c_str();
    open.lpstrFile = file;
    open.nMaxFile = MAX_PATH;
    open.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&open))
        return false;
    path = file;
    return true;
}

std::atomic<OpenFileHandler> currentHandler{&SystemOpenFileDialog};

} // namespace

bool ShowOpenFileDialog(HWND owner, const std::string& filter, std::string& path)
{
    return currentHandler.load()(owner, filter, path);
}

OpenFileHandler SetOpenFileHandler(OpenFileHandler handler)
{
    return currentHandler.exchange(handler ? handler : &SystemOpenFileDialog);
}
