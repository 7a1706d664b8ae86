#pragma once

#include <oaidl.h>

// The type information of ICommands, through which the command object
// answers IDispatch. It is loaded from the registered type library on first
// use and kept until the module unloads.
namespace CommandTypeInfo
{

// A new reference to the type information, or the loading error.
HRESULT Get(LCID locale, ITypeInfo** typeInfo);

// The dispatch id of a member: by exact name first, then by the type
// information's own lookup, which ignores case.
HRESULT IdOfName(LCID locale, LPOLESTR name, DISPID* id);

} // namespace CommandTypeInfo
