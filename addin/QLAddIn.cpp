// The module's entry points: the four exports of an in-process COM server
// and the unload of its module state.

#include "AddInModule.h"
#include "ObjectTable.h"
#include "Registration.h"
#include "ResourceModule.h"

#include <objbase.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
    // When the whole process ends, the libraries these objects live in may
    // already be gone: only an unload by FreeLibrary releases them.
    if (reason == DLL_PROCESS_DETACH && !reserved)
    {
        ReleaseCachedFactories();
        AddInModule::RunCleanups();
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID classId, REFIID iid, LPVOID* object)
{
    CResourceModule moduleState(OwnModule());
    if (!object)
        return E_POINTER;
    *object = nullptr;
    for (ObjectTableEntry& entry : ObjectTable)
    {
        if (IsEqualCLSID(classId, entry.classId))
            return GetClassObject(entry, iid, object);
    }
    return CLASS_E_CLASSNOTAVAILABLE;
}

STDAPI DllCanUnloadNow()
{
    CResourceModule moduleState(OwnModule());
    return AddInModule::LockCount() == 0 ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer()
{
    CResourceModule moduleState(OwnModule());
    return RegisterServer();
}

STDAPI DllUnregisterServer()
{
    CResourceModule moduleState(OwnModule());
    UnregisterServer();
    return S_OK;
}
