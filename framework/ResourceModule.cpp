#include "ResourceModule.h"

namespace {

HINSTANCE g_resourceModule = nullptr;

} // namespace

HINSTANCE OwnModule()
{
    static HINSTANCE module = nullptr;
    if (!module) {
        // The address of a function in this file lies inside the module
        // that linked it.
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCSTR>(&OwnModule), &module);
    }
    return module;
}

HINSTANCE CurrentResourceModule()
{
    return g_resourceModule ? g_resourceModule : OwnModule();
}

CResourceModule::CResourceModule(HINSTANCE module)
    : m_previous(g_resourceModule)
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
