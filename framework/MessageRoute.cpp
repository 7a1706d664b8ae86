#include "MessageRoute.h"

#include "ResourceModule.h"

// QLShared's seam. Declared here without an import attribute because this
// library is linked into QLShared.dll itself as well as into the modules that
// import it; the linker finds the definition or the import thunk.
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

int RouteMessage(const std::string& text, const std::string& caption, UINT type)
{
    return ShowMessageBox(GetActiveWindow(), text, caption, type);
}

std::string ApplicationTitle()
{
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(CurrentResourceModule(), path, MAX_PATH);
    std::string name(path, length);
    size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}
