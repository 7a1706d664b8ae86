#pragma once

#include <windows.h>

#include <string>

// The module whose code is running: each module links its own copy of the
// framework, so this is QLShared.dll, Quillet.exe or QLAddIn.dll.
HINSTANCE OwnModule();

// The module that holds the code or data at an address, such as the return
// address of an export, which lies in its caller; null for none.
HINSTANCE ModuleAt(const void* address);

// The module in which dialog templates and strings are looked up. It starts as
// the module itself; an export that is called from another module switches it
// explicitly for the length of the call.
HINSTANCE CurrentResourceModule();

// Makes a module the resource module for the lifetime of this object.
class CResourceModule
{
public:
    explicit CResourceModule(HINSTANCE module);
    ~CResourceModule();
    CResourceModule(const CResourceModule&) = delete;
    CResourceModule& operator=(const CResourceModule&) = delete;

private:
    HINSTANCE m_previous;
};

// A string resource of the current resource module; empty when missing.
std::string LoadResourceString(UINT id);
