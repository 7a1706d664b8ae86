#pragma once

#include <windows.h>

// What DllRegisterServer and DllUnregisterServer do: the classes of the
// object table under HKEY_CLASSES_ROOT, the type library and the add-in's
// description.
HRESULT RegisterServer();
// Removes the class registrations; the type library stays registered.
void UnregisterServer();
