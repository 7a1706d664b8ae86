#pragma once

#include "ComPtr.h"
#include "DevStudio.h"
#include "QLAddIn.h"

// The command object the host keeps and runs the commands on, by name
// through IDispatch. It holds the host's application for the handlers; while
// it lives it counts in LockCount.
class CCommands : public ICommands
{
public:
    // Null when the object cannot be made.
    static CComPtr<ICommands> Create(const CComPtr<IApplication>& application);

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** typeInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argumentError) override;

    STDMETHODIMP QuilletMainDlg() override;
    STDMETHODIMP FullFormat() override;
    STDMETHODIMP DeleteTrailingWhitespace() override;
    STDMETHODIMP Tabify() override;
    STDMETHODIMP Untabify() override;
    STDMETHODIMP OperatorExpand() override;
    STDMETHODIMP OperatorContract() override;
    STDMETHODIMP ParenthesesExpand() override;
    STDMETHODIMP ParenthesesContract() override;
    STDMETHODIMP ReIndent() override;
    STDMETHODIMP QuilletHelp() override;

private:
    explicit CCommands(const CComPtr<IApplication>& application);
    virtual ~CCommands();

    // Every command: the module's resources current and the host's modeless
    // windows disabled around the body, S_OK whatever happens.
    template <class Body> HRESULT Run(Body body);
    // A fixed-option command, by its name in the format command table.
    HRESULT RunFormat(const char* formatCommand);

    volatile LONG m_references = 1;
    CComPtr<IApplication> m_application;
};
