// The class factory the module caches for each creatable class, counted as a lock while others hold it.
#include "ClassFactory.h"

#include "AddInModule.h"

#include <new>

// The module's own reference is the first; a second means an outside holder.
constexpr LONG ModuleReferenceOnly = 1;
constexpr LONG OneOutsideHolder = 2;

CClassFactory::CClassFactory(CreateInstanceRoutine createInstance) : m_createInstance(createInstance) {}

HRESULT CClassFactory::Create(CreateInstanceRoutine createInstance, IClassFactory** factory)
{
    *factory = new (std::nothrow) CClassFactory(createInstance);
    return *factory ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP CClassFactory::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory))
    {
        *object = static_cast<IClassFactory*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CClassFactory::AddRef()
{
    LONG references = InterlockedIncrement(&m_references);
    if (references == OneOutsideHolder)
        AddInModule::Lock();
    return references;
}

STDMETHODIMP_(ULONG) CClassFactory::Release()
{
    LONG references = InterlockedDecrement(&m_references);
    if (references == ModuleReferenceOnly)
        AddInModule::Unlock();
    else if (references == 0)
        delete this;
    return references;
}

STDMETHODIMP CClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    return m_createInstance(iid, object);
}

STDMETHODIMP CClassFactory::LockServer(BOOL lock)
{
    if (lock)
        AddInModule::Lock();
    else
        AddInModule::Unlock();
    return S_OK;
}
