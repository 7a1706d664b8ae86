// The add-in object Developer Studio connects: it hands over the command object and announces the commands.
#include "DSAddIn.h"

#include "AddInModule.h"
#include "AnsiText.h"
#include "AutoBstr.h"
#include "CommandTable.h"
#include "Commands.h"
#include "DispatchCall.h"
#include "QLAddInRes.h"
#include "ResourceModule.h"

#include <new>

namespace
{

constexpr long GlyphButton = 1;

} // namespace

CDSAddIn::CDSAddIn()
{
    AddInModule::Lock();
}

CDSAddIn::~CDSAddIn()
{
    AddInModule::Unlock();
}

HRESULT CDSAddIn::CreateInstance(REFIID iid, void** object)
{
    CDSAddIn* addIn = new (std::nothrow) CDSAddIn;
    if (!addIn)
        return E_OUTOFMEMORY;
    // The creation reference goes again: a failed query destroys the object.
    HRESULT hr = addIn->QueryInterface(iid, object);
    addIn->Release();
    return hr;
}

STDMETHODIMP CDSAddIn::QueryInterface(REFIID iid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDSAddIn))
    {
        *object = static_cast<IDSAddIn*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CDSAddIn::AddRef()
{
    return InterlockedIncrement(&m_references);
}

STDMETHODIMP_(ULONG) CDSAddIn::Release()
{
    LONG references = InterlockedDecrement(&m_references);
    if (references == 0)
        delete this;
    return references;
}

STDMETHODIMP CDSAddIn::OnConnection(IDispatch* application, VARIANT_BOOL firstTime, long cookie,
                                    VARIANT_BOOL* connected)
{
    CResourceModule moduleState(OwnModule());
    VARIANT_BOOL outcome = VARIANT_FALSE;
    CComPtr<IApplication> host;
    if (application && SUCCEEDED(application->QueryInterface(IID_IApplication, host.OutVoid())) && host)
    {
        m_cookie = cookie;
        m_commands = CCommands::Create(host);
        if (m_commands)
        {
            DispatchMethod(host.Get(), L"SetAddInInfo",
                           {HandleArgument(OwnModule()), DispatchArgument(m_commands.Get()),
                            LongArgument(IDB_GLYPHS_SMALL), LongArgument(IDB_GLYPHS_LARGE), LongArgument(m_cookie)});
            if (AnnounceCommands(host.Get()))
            {
                // Buttons only on the very first connection: the host keeps
                // its toolbars between sessions.
                if (firstTime == VARIANT_TRUE)
                {
                    for (const CommandRow& row : CommandTable)
                    {
                        CAutoBstr name(FromAnsi(row.commandName));
                        DispatchMethod(host.Get(), L"AddCommandBarButton",
                                       {LongArgument(GlyphButton), StringArgument(name.Get()), LongArgument(m_cookie)});
                    }
                }
                outcome = VARIANT_TRUE;
            }
        }
    }
    if (connected)
        *connected = outcome;
    return S_OK;
}

bool CDSAddIn::AnnounceCommands(IDispatch* application)
{
    for (std::size_t glyph = 0; glyph < CommandCount; ++glyph)
    {
        const CommandRow& row = CommandTable[glyph];
        CAutoBstr command(FromAnsi(CommandString(row)));
        CAutoBstr method(row.methodName);
        VARIANT_BOOL added = VARIANT_FALSE;
        DispatchMethod(application, L"AddCommand",
                       {StringArgument(command.Get()), StringArgument(method.Get()), LongArgument(long(glyph)),
                        LongArgument(m_cookie), BoolOutArgument(&added)});
        if (added == VARIANT_FALSE)
            return false;
    }
    return true;
}

STDMETHODIMP CDSAddIn::OnDisconnection(VARIANT_BOOL)
{
    CResourceModule moduleState(OwnModule());
    m_commands.Release();
    return S_OK;
}
