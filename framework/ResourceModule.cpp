// Which module's dialogs and strings are loaded, switched by an export for the length of its call.
#include "ResourceModule.h"

namespace
{

HINSTANCE g_resourceModule = nullptr;

} // namespace

HINSTANCE OwnModule()
{
    // The address of a function in this file lies inside the module that
    // linked it.
    static const HINSTANCE module = ModuleAt(reinterpret_cast<const void*>(&OwnModule));
    return module;
}

HINSTANCE ModuleAt(const void* address)
{
    HMODULE module = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            static_cast<LPCSTR>(address), &module))
        return nullptr;
    return module;
}

HINSTANCE CurrentResourceModule()
{
    return g_resourceModule ? g_resourceModule : OwnModule();
}

CResourceModule::CResourceModule(HINSTANCE module) : m_previous(g_resourceModule)
{
    g_resourceModule = module;
}

CResourceModule::~CResourceModule()
{
    g_resourceModule = m_previous;
}

std::string LoadResourceString(UINT id)
{
    char buffer[1024];
    int length = LoadStringA(CurrentResourceModule(), id, buffer, sizeof(buffer));
    return std::string(buffer, length > 0 ? length : 0);
}
