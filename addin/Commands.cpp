// The command object the host runs the add-in's commands on by name, each with the host's modeless windows off.
#include "Commands.h"

#include "AddInModule.h"
#include "CommandTypeInfo.h"
#include "DispatchCall.h"
#include "DocumentFormatter.h"
#include "ProjectAnalysis.h"
#include "QuilletHelp.h"
#include "ResourceModule.h"

#include <new>

namespace
{

// The host's modeless windows stay disabled while a command runs, whichever
// way it ends.
class CModelessOff
{
public:
    explicit CModelessOff(IDispatch* application) : m_application(application)
    {
        DispatchMethod(m_application, L"EnableModeless", {BoolArgument(VARIANT_FALSE)});
    }
    ~CModelessOff() { DispatchMethod(m_application, L"EnableModeless", {BoolArgument(VARIANT_TRUE)}); }
    CModelessOff(const CModelessOff&) = delete;
    CModelessOff& operator=(const CModelessOff&) = delete;

private:
    IDispatch* m_application;
};

} // namespace

CCommands::CCommands(const CComPtr<IApplication>& application) : m_application(application)
{
    AddInModule::Lock();
}

CCommands::~CCommands()
{
    AddInModule::Unlock();
}

CComPtr<ICommands> CCommands::Create(const CComPtr<IApplication>& application)
{
    CComPtr<ICommands> commands;
    *&commands = new (std::nothrow) CCommands(application);
    return commands;
}

STDMETHODIMP CCommands::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_ICommands))
    {
        *object = static_cast<ICommands*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CCommands::AddRef()
{
    return InterlockedIncrement(&m_references);
}

STDMETHODIMP_(ULONG) CCommands::Release()
{
    LONG references = InterlockedDecrement(&m_references);
    if (references == 0)
        delete this;
    return references;
}

STDMETHODIMP CCommands::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 1;
    return S_OK;
}

STDMETHODIMP CCommands::GetTypeInfo(UINT index, LCID locale, ITypeInfo** typeInfo)
{
    if (!typeInfo)
        return E_POINTER;
    *typeInfo = nullptr;
    if (index != 0)
        return DISP_E_BADINDEX;
    return CommandTypeInfo::Get(locale, typeInfo);
}

STDMETHODIMP CCommands::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID locale, DISPID* ids)
{
    if (!names || !ids)
        return E_POINTER;
    // Only the member's own name is looked up: the commands take no
    // arguments.
    for (UINT index = 1; index < count; ++index)
        ids[index] = DISPID_UNKNOWN;
    HRESULT hr = CommandTypeInfo::IdOfName(locale, names[0], &ids[0]);
    return SUCCEEDED(hr) && count > 1 ? DISP_E_UNKNOWNNAME : hr;
}

STDMETHODIMP CCommands::Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                               EXCEPINFO* exception, UINT* argumentError)
{
    // Automation reserves the argument: a caller that passes anything but
    // IID_NULL speaks another protocol, and nothing may run for it.
    if (!IsEqualIID(iid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    CComPtr<ITypeInfo> typeInfo;
    HRESULT hr = CommandTypeInfo::Get(locale, &typeInfo);
    if (FAILED(hr))
        return hr;
    return typeInfo->Invoke(static_cast<ICommands*>(this), member, flags, params, result, exception, argumentError);
}

template <class Body> HRESULT CCommands::Run(Body body)
{
    CResourceModule moduleState(OwnModule());
    CModelessOff modelessOff(m_application.Get());
    try
    {
        body(m_application.Get());
    }
    catch (const std::bad_alloc&)
    {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT CCommands::RunFormat(const char* formatCommand)
{
    return Run([formatCommand](IDispatch* application) { FormatActiveDocument(application, formatCommand); });
}

STDMETHODIMP CCommands::QuilletMainDlg()
{
    return Run(&ShowProjectAnalysis);
}

STDMETHODIMP CCommands::FullFormat()
{
    return Run(&FullFormatActiveDocument);
}

STDMETHODIMP CCommands::DeleteTrailingWhitespace()
{
    return RunFormat("delete-trailing-whitespace");
}

STDMETHODIMP CCommands::Tabify()
{
    return RunFormat("tabify");
}

STDMETHODIMP CCommands::Untabify()
{
    return RunFormat("untabify");
}

STDMETHODIMP CCommands::OperatorExpand()
{
    return RunFormat("operator-expand");
}

STDMETHODIMP CCommands::OperatorContract()
{
    return RunFormat("operator-contract");
}

STDMETHODIMP CCommands::ParenthesesExpand()
{
    return RunFormat("parentheses-expand");
}

STDMETHODIMP CCommands::ParenthesesContract()
{
    return RunFormat("parentheses-contract");
}

STDMETHODIMP CCommands::ReIndent()
{
    return RunFormat("reindent");
}

STDMETHODIMP CCommands::QuilletHelp()
{
    return Run([](IDispatch*) { ShowQuilletHelp(); });
}
