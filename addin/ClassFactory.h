#pragma once

#include <unknwn.h>

// The class factory of one creatable class. The module caches one and keeps
// a reference to it; while anybody else holds it too, it counts in the
// module's LockCount.
class CClassFactory : public IClassFactory
{
public:
    using CreateInstanceRoutine = HRESULT (*)(REFIID iid, void** object);

    static HRESULT Create(CreateInstanceRoutine createInstance, IClassFactory** factory);

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    explicit CClassFactory(CreateInstanceRoutine createInstance);
    virtual ~CClassFactory() = default;

    volatile LONG m_references = 1;
    CreateInstanceRoutine m_createInstance;
};
