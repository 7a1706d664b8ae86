// ICommands' type information from the registered type library, loaded once, for the command object's IDispatch.
#include "CommandTypeInfo.h"

#include "AddInModule.h"
#include "AutoBstr.h"
#include "ComPtr.h"
#include "QLAddIn.h"

#include <map>
#include <string>

namespace
{

constexpr WORD LibraryMajor = 1;
constexpr WORD LibraryMinor = 0;

struct CachedTypeInfo
{
    CComPtr<ITypeInfo> typeInfo;
    std::map<std::wstring, DISPID> memberIds;
};

CachedTypeInfo g_cache;

void ReleaseCache()
{
    g_cache.typeInfo.Release();
    g_cache.memberIds.clear();
}

std::map<std::wstring, DISPID> MemberIds(ITypeInfo* typeInfo)
{
    std::map<std::wstring, DISPID> ids;
    TYPEATTR* attributes = nullptr;
    if (FAILED(typeInfo->GetTypeAttr(&attributes)))
        return ids;
    WORD functionCount = attributes->cFuncs;
    typeInfo->ReleaseTypeAttr(attributes);
    for (UINT index = 0; index < functionCount; ++index)
    {
        FUNCDESC* function = nullptr;
        if (FAILED(typeInfo->GetFuncDesc(index, &function)))
            continue;
        CAutoBstr name;
        UINT nameCount = 0;
        if (SUCCEEDED(typeInfo->GetNames(function->memid, &name, 1, &nameCount)) && nameCount == 1)
            ids[name.Text()] = function->memid;
        typeInfo->ReleaseFuncDesc(function);
    }
    return ids;
}

HRESULT Load(LCID locale)
{
    std::lock_guard<std::mutex> guard(AddInModule::TypeInfoLock());
    if (g_cache.typeInfo)
        return S_OK;
    CComPtr<ITypeLib> library;
    HRESULT hr = LoadRegTypeLib(LIBID_QLAddIn, LibraryMajor, LibraryMinor, locale, &library);
    if (FAILED(hr))
        return hr;
    CComPtr<ITypeInfo> typeInfo;
    hr = library->GetTypeInfoOfGuid(IID_ICommands, &typeInfo);
    if (FAILED(hr))
        return hr;
    g_cache.memberIds = MemberIds(typeInfo.Get());
    g_cache.typeInfo = typeInfo;
    AddInModule::AddCleanup(&ReleaseCache);
    return S_OK;
}

} // namespace

namespace CommandTypeInfo
{

HRESULT Get(LCID locale, ITypeInfo** typeInfo)
{
    *typeInfo = nullptr;
    HRESULT hr = Load(locale);
    if (FAILED(hr))
        return hr;
    *typeInfo = CComPtr<ITypeInfo>(g_cache.typeInfo).Detach();
    return S_OK;
}

HRESULT IdOfName(LCID locale, LPOLESTR name, DISPID* id)
{
    HRESULT hr = Load(locale);
    if (FAILED(hr))
        return hr;
    auto exact = g_cache.memberIds.find(name);
    if (exact != g_cache.memberIds.end())
    {
        *id = exact->second;
        return S_OK;
    }
    return g_cache.typeInfo->GetIDsOfNames(&name, 1, id);
}

} // namespace CommandTypeInfo
