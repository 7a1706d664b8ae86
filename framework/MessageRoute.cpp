// The framework's own message boxes, owned by the active window and titled with the application's name.
#include "MessageRoute.h"

#include "MessageBoxSeam.h"
#include "ResourceModule.h"

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
