// What DllRegisterServer and DllUnregisterServer write and remove: classes, type library and add-in description.
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
constexpr DWORD MaxModulePath = 32768; // the longest path Windows has
constexpr int GuidTextLength = 39;

std::wstring ClassIdText(const CLSID& classId)
{
    wchar_t text[GuidTextLength];
    StringFromGUID2(classId, text, GuidTextLength);
    return text;
}

std::wstring Description(UINT id)
{
    return FromAnsi(LoadResourceString(id).substr(0, MaxDescription));
}

// The module's full path, as wide text: in the ANSI code page a folder named
// outside it would read as question marks and name no file. Empty when the
// loader cannot give it whole.
std::wstring ModulePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;)
    {
        const DWORD length = GetModuleFileNameW(OwnModule(), &path[0], DWORD(path.size()));
        if (length == 0)
            return std::wstring();
        if (length < path.size())
            return path.substr(0, length);
        if (path.size() >= MaxModulePath)
            return std::wstring();
        path.resize(path.size() * 2);
    }
}

HRESULT RegisterProgId(const std::wstring& progId, const std::wstring& description, const std::wstring& classIdText)
{
    CRegistryKey key;
    LONG error = key.Create(HKEY_CLASSES_ROOT, progId, KEY_ALL_ACCESS);
    if (error != ERROR_SUCCESS)
        return HRESULT_FROM_WIN32(error);
    key.SetString(L"", description);
    key.SetSubkeyDefault(L"CLSID", classIdText);
    return S_OK;
}

HRESULT RegisterClassEntry(const ObjectTableEntry& entry)
{
    const std::wstring description = Description(entry.descriptionId);
    const std::wstring modulePath = ModulePath();
    if (modulePath.empty())
        return HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
    const std::wstring classIdText = ClassIdText(entry.classId);

    for (const wchar_t* progId : {entry.progId, entry.versionIndependentProgId})
    {
        HRESULT hr = RegisterProgId(progId, description, classIdText);
        if (FAILED(hr))
            return hr;
    }

    CRegistryKey classes;
    LONG error = classes.Open(HKEY_CLASSES_ROOT, L"CLSID", KEY_ALL_ACCESS);
    if (error != ERROR_SUCCESS)
        return HRESULT_FROM_WIN32(error);
    CRegistryKey key;
    error = key.Create(classes.Get(), classIdText, KEY_ALL_ACCESS);
    if (error != ERROR_SUCCESS)
        return HRESULT_FROM_WIN32(error);
    key.SetString(L"", description);
    key.SetSubkeyDefault(L"ProgID", entry.progId);
    key.SetSubkeyDefault(L"VersionIndependentProgID", entry.versionIndependentProgId);
    // Without its server path the class cannot be created: that write is
    // the registration, and its failure is reported.
    CRegistryKey server;
    error = server.Create(key.Get(), L"InprocServer32", KEY_ALL_ACCESS);
    if (error == ERROR_SUCCESS)
        error = server.SetString(L"", modulePath);
    if (error != ERROR_SUCCESS)
        return HRESULT_FROM_WIN32(error);
    server.SetString(L"ThreadingModel", entry.threadingModel);
    return S_OK;
}

// The library embedded in the module, else a .tlb file beside it.
HRESULT RegisterTypeLibrary()
{
    std::wstring path = ModulePath();
    if (path.empty())
        return HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
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
    LONG error = classes.Open(HKEY_CLASSES_ROOT, L"CLSID", KEY_ALL_ACCESS);
    if (error != ERROR_SUCCESS)
        return HRESULT_FROM_WIN32(error);
    CRegistryKey key;
    error = key.Open(classes.Get(), ClassIdText(entry.classId), KEY_ALL_ACCESS);
    if (error != ERROR_SUCCESS)
        return HRESULT_FROM_WIN32(error);
    key.SetSubkeyDefault(L"Description", Description(IDS_ADDIN_DESCRIPTION));
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
        CRegistryKey::DeleteTree(HKEY_CLASSES_ROOT, L"CLSID\\" + ClassIdText(entry.classId));
    }
}
