// Calls on automation objects by member name, so nothing is assumed of the host's vtables.
#include "DispatchCall.h"

#include <iterator>
#include <vector>

namespace
{

HRESULT Call(IDispatch* object, const wchar_t* name, WORD flags, std::vector<VARIANT>& reversed, DISPID* named,
             UINT namedCount, VARIANT* result, EXCEPINFO* exception = nullptr)
{
    if (!object)
        return E_POINTER;
    LPOLESTR member = const_cast<LPOLESTR>(name);
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = object->GetIDsOfNames(IID_NULL, &member, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr))
        return hr;
    DISPPARAMS params{reversed.empty() ? nullptr : reversed.data(), named, UINT(reversed.size()), namedCount};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, exception, nullptr);
}

} // namespace

HRESULT DispatchMethod(IDispatch* object, const wchar_t* name, std::initializer_list<VARIANT> arguments,
                       VARIANT* result)
{
    std::vector<VARIANT> reversed(std::rbegin(arguments), std::rend(arguments));
    return Call(object, name, DISPATCH_METHOD, reversed, nullptr, 0, result);
}

HRESULT DispatchGet(IDispatch* object, const wchar_t* name, VARIANT* result)
{
    std::vector<VARIANT> none;
    return Call(object, name, DISPATCH_PROPERTYGET, none, nullptr, 0, result);
}

HRESULT DispatchPut(IDispatch* object, const wchar_t* name, const VARIANT& value, EXCEPINFO* exception)
{
    std::vector<VARIANT> single{value};
    DISPID propertyPut = DISPID_PROPERTYPUT;
    return Call(object, name, DISPATCH_PROPERTYPUT, single, &propertyPut, 1, nullptr, exception);
}

VARIANT LongArgument(LONG value)
{
    VARIANT argument;
    VariantInit(&argument);
    V_VT(&argument) = VT_I4;
    V_I4(&argument) = value;
    return argument;
}

VARIANT BoolArgument(VARIANT_BOOL value)
{
    VARIANT argument;
    VariantInit(&argument);
    V_VT(&argument) = VT_BOOL;
    V_BOOL(&argument) = value;
    return argument;
}

VARIANT StringArgument(BSTR value)
{
    VARIANT argument;
    VariantInit(&argument);
    V_VT(&argument) = VT_BSTR;
    V_BSTR(&argument) = value;
    return argument;
}

VARIANT DispatchArgument(IDispatch* value)
{
    VARIANT argument;
    VariantInit(&argument);
    V_VT(&argument) = VT_DISPATCH;
    V_DISPATCH(&argument) = value;
    return argument;
}

VARIANT BoolOutArgument(VARIANT_BOOL* value)
{
    VARIANT argument;
    VariantInit(&argument);
    V_VT(&argument) = VT_BYREF | VT_BOOL;
    V_BOOLREF(&argument) = value;
    return argument;
}

VARIANT HandleArgument(const void* handle)
{
    VARIANT argument;
    VariantInit(&argument);
    if (sizeof(handle) == sizeof(LONG))
    {
        V_VT(&argument) = VT_I4;
        V_I4(&argument) = LONG(reinterpret_cast<LONG_PTR>(handle));
    }
    else
    {
        V_VT(&argument) = VT_I8;
        V_I8(&argument) = LONGLONG(reinterpret_cast<LONG_PTR>(handle));
    }
    return argument;
}
