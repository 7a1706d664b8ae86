#pragma once

#include <unknwn.h>

#include <atomic>
#include <cstddef>

// One creatable class of the server: what registration writes for it, how
// its objects are made, and the class factory the module caches for it.
struct ObjectTableEntry
{
    const CLSID& classId;
    const wchar_t* progId;
    const wchar_t* versionIndependentProgId;
    UINT descriptionId; // string resource
    const wchar_t* threadingModel;
    HRESULT (*createInstance)(REFIID iid, void** object);
    std::atomic<IClassFactory*> cachedFactory; // the module's reference; null until first asked for
};

constexpr std::size_t ObjectTableSize = 1;

extern ObjectTableEntry ObjectTable[ObjectTableSize];

// The entry's class factory, created on first use; concurrent callers share
// one.
HRESULT GetClassObject(ObjectTableEntry& entry, REFIID iid, void** object);

// At unload: each cached factory is released and its slot emptied.
void ReleaseCachedFactories();
