#pragma once

#include "ComPtr.h"
#include "DevStudio.h"
#include "QLAddIn.h"

// The add-in object the host creates and connects. On connection it hands the
// host its command object and announces the command table.
class CDSAddIn : public IDSAddIn
{
public:
    // The object table's creation routine; a live object counts in LockCount.
    static HRESULT CreateInstance(REFIID iid, void** object);

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP OnConnection(IDispatch* application, VARIANT_BOOL firstTime, long cookie,
                              VARIANT_BOOL* connected) override;
    STDMETHODIMP OnDisconnection(VARIANT_BOOL lastTime) override;

private:
    CDSAddIn();
    virtual ~CDSAddIn();

    // True when the host added every row of the command table.
    bool AnnounceCommands(IDispatch* application);

    volatile LONG m_references = 1;
    CComPtr<ICommands> m_commands;
    long m_cookie = 0;
};
