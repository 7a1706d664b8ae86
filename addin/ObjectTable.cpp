// The server's creatable classes, with the class factory cached for each on first use.
#include "ObjectTable.h"

#include "AddInModule.h"
#include "ClassFactory.h"
#include "DSAddIn.h"
#include "QLAddIn.h"
#include "QLAddInRes.h"

ObjectTableEntry ObjectTable[ObjectTableSize] = {
    {CLSID_DSAddIn,
     L"QLAddIn.DSAddIn.1",
     L"QLADDIN Developer Studio Add-in",
     IDS_CLASS_DESCRIPTION,
     L"both",
     &CDSAddIn::CreateInstance,
     {nullptr}},
};

HRESULT GetClassObject(ObjectTableEntry& entry, REFIID iid, void** object)
{
    if (!entry.cachedFactory.load())
    {
        std::lock_guard<std::mutex> guard(AddInModule::FactoryLock());
        if (!entry.cachedFactory.load())
        {
            IClassFactory* factory = nullptr;
            HRESULT hr = CClassFactory::Create(entry.createInstance, &factory);
            if (FAILED(hr))
                return hr;
            entry.cachedFactory.store(factory);
        }
    }
    return entry.cachedFactory.load()->QueryInterface(iid, object);
}

void ReleaseCachedFactories()
{
    for (ObjectTableEntry& entry : ObjectTable)
    {
        if (IClassFactory* factory = entry.cachedFactory.exchange(nullptr))
            factory->Release();
    }
}
