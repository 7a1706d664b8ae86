#include "Registration.h"

#include "AnsiText.h"
#include "ComPtr.h"
#include "ObjectTable.h"
#include "QLAddInRes.h"
#include "RegistryKey.h"
#include "ResourceModule.h"

#include <oleauto.h>

#include <string>

namespace
{

// The limits of what the loader and the string table give registration.
constexpr std::size_t MaxDescription = 255;
constexpr DWORD MaxModulePath = 260;
constexpr int GuidTextLength = 39;

std::string ClassIdText(const CLSID& classId)
{
    wchar_t text[GuidTextLength];
    StringFromGUID2(classId, text, GuidTextLength);
    return ToAnsi(text);
}

std::wstring ModulePath()
{
    wchar_t path[MaxModulePath];
    DWORD length = GetModuleFileNameW(OwnModule(), path, MaxModulePath);
    return std::wstring(path, length < MaxModulePath ? length : 0);
}

HRESULT RegisterProgId(const std::string& progId, const std::string& description, const std::string& classIdText)
{
    CRegistryKey key;
    LONG error = key.Create(HKEY_CLASSES_ROOT, progId);
    if (error != ERROR_SUCCESS)
        return HRESULT_FROM_WIN32(error);
    key.SetString("", description);
    key.SetSubkeyDefault("CLSID", classIdText);
    return S_OK;
}

HRESULT RegisterClassEntry(const ObjectTableEntry& entry)
{
    std::string description = LoadResourceString(entry.descriptionId).substr(0, MaxDescription);
    std::string modulePath = ToAnsi(ModulePath());
    std::string classIdText = ClassIdText(entry.classId);

    for (const char* progId : {entry.progId, entry.versionIndependentProgId})
    {
        HRESULT hr = RegisterProgId(progId, description, classIdText);
        if (FAILED(hr))
            return hr;
    }

    CRegistryKey classes;
    LONG error = classes.Open(HKEY_CLASSES_ROOT, "CLSID", KEY_ALL_ACCESS);
    if (error != ERROR_SUCCESS)
        return HRESULT_FROM_WIN32(error);
    CRegistryKey key;
    error = key.Create(classes.Get(), classIdText);
    if (error != ERROR_SUCCESS)
        return HRESULT_FROM_WIN32(error);
    key.SetString("", description);
    key.SetSubkeyDefault("ProgID", entry.progId);
    key.SetSubkeyDefault("VersionIndependentProgID", entry.versionIndependentProgId);
    CRegistryKey server;
    if (server.Create(key.Get(), "InprocServer32") == ERROR_SUCCESS)
    {
        server.SetString("", modulePath);
        server.SetString("ThreadingModel", entry.threadingModel);
    }
    return S_OK;
}

// The library embedded in the module, else a .tlb file beside it.
HRESULT RegisterTypeLibrary()
{
    std::wstring path = ModulePath();
    CComPtr<ITypeLib> library;
    if (FAILED(LoadTypeLib(path.c_str(), &library)))
    {
        std::wstring::size_type dot = path.rfind(L'.');
        path = (dot == std::wstring::npos ? path : path.substr(0, dot)) + L".tlb";
        HRESULT hr = LoadTypeLib(path.c_str(), &library);
        if (FAILED(hr))
            return hr;
    }
    std::wstring helpDirectory = path.substr(0, path.find_last_of(L"\\/:") + 1);
    return RegisterTypeLib(library.Get(), &path[0], &helpDirectory[0]);
}

HRESULT RegisterDescription(const ObjectTableEntry& entry)
{
    CRegistryKey classes;
    LONG error = classes.Open(HKEY_CLASSES_ROOT, "CLSID", KEY_ALL_ACCESS);
    if (error != ERROR_SUCCESS)
        return HRESULT_FROM_WIN32(error);
    CRegistryKey key;
    error = key.Open(classes.Get(), ClassIdText(entry.classId), KEY_ALL_ACCESS);
    if (error != ERROR_SUCCESS)
        return HRESULT_FROM_WIN32(error);
    key.SetSubkeyDefault("Description", LoadResourceString(IDS_ADDIN_DESCRIPTION));
    return S_OK;
}

} // namespace

HRESULT RegisterServer()
{
    for (const ObjectTableEntry& entry : ObjectTable)
    {
        HRESULT hr = RegisterClassEntry(entry);
        if (FAILED(hr))
            return hr;
    }
    HRESULT hr = RegisterTypeLibrary();
    if (FAILED(hr))
        return hr;
    return RegisterDescription(ObjectTable[0]);
}

void UnregisterServer()
{
    for (const ObjectTableEntry& entry : ObjectTable)
    {
        CRegistryKey::DeleteTree(HKEY_CLASSES_ROOT, entry.progId);
        CRegistryKey::DeleteTree(HKEY_CLASSES_ROOT, entry.versionIndependentProgId);
        CRegistryKey::DeleteTree(HKEY_CLASSES_ROOT, "CLSID\\" + ClassIdText(entry.classId));
    }
}
