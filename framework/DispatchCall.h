#pragma once

#include <oaidl.h>

#include <initializer_list>

// Calls on an automation object by member name, so nothing is assumed of its
// vtable: the member's id comes from GetIDsOfNames and the arguments, given
// here in their declared order, are passed in reverse as automation requires.
// The arguments stay the caller's; result, when given, receives the answer.
HRESULT DispatchMethod(IDispatch* object, const wchar_t* name, std::initializer_list<VARIANT> arguments = {},
                       VARIANT* result = nullptr);
HRESULT DispatchGet(IDispatch* object, const wchar_t* name, VARIANT* result);
// exception, when given, receives the callee's account of a failure
// (DISP_E_EXCEPTION); the caller frees its strings.
HRESULT DispatchPut(IDispatch* object, const wchar_t* name, const VARIANT& value, EXCEPINFO* exception = nullptr);

// Arguments for the calls above; they own nothing.
VARIANT LongArgument(LONG value);
VARIANT BoolArgument(VARIANT_BOOL value);
VARIANT StringArgument(BSTR value);
VARIANT DispatchArgument(IDispatch* value);
// A flag the callee sets.
VARIANT BoolOutArgument(VARIANT_BOOL* value);
// A module or window handle as a whole integer of pointer size.
VARIANT HandleArgument(const void* handle);
