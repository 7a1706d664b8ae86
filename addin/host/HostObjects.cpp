// The stand-in host's COM objects, which answer the add-in's automation calls by name and record each one.
#include "HostObjects.h"

#include "AnsiText.h"
#include "DevStudio.h"
#include "DispatchCall.h"

#include <algorithm>

namespace
{

VARIANT_BOOL* BoolOut(VARIANT* argument)
{
    return V_VT(argument) == (VT_BYREF | VT_BOOL) ? V_BOOLREF(argument) : nullptr;
}

std::wstring Text(const VARIANT* argument)
{
    return V_VT(argument) == VT_BSTR ? std::wstring(V_BSTR(argument), SysStringLen(V_BSTR(argument))) : L"";
}

LONGLONG Whole(const VARIANT* argument)
{
    switch (V_VT(argument))
    {
    case VT_I4:
        return V_I4(argument);
    case VT_I8:
        return V_I8(argument);
    case VT_BOOL:
        return V_BOOL(argument);
    default:
        return -999;
    }
}

void ReturnString(VARIANT* result, const std::wstring& text)
{
    V_VT(result) = VT_BSTR;
    V_BSTR(result) = SysAllocStringLen(text.data(), UINT(text.size()));
}

void ReturnObject(VARIANT* result, IDispatch* object)
{
    V_VT(result) = VT_DISPATCH;
    V_DISPATCH(result) = object;
    if (object)
        object->AddRef();
}

class CHostProject : public CDispatchDouble
{
public:
    CHostProject(HostLog& log, const std::wstring& fullName)
        : CDispatchDouble(log, {IID_IGenericProject}, {L"FullName"}), m_fullName(fullName)
    {
    }

protected:
    HRESULT OnCall(const std::wstring&, WORD, const std::vector<VARIANT*>&, VARIANT* result) override
    {
        m_log.push_back("FullName");
        ReturnString(result, m_fullName);
        return S_OK;
    }

private:
    std::wstring m_fullName;
};

class CProjectEnumerator : public IEnumVARIANT
{
public:
    CProjectEnumerator(HostLog& log, const std::vector<std::wstring>& paths) : m_log(log), m_paths(paths) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IEnumVARIANT))
        {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IEnumVARIANT*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_references; }
    STDMETHODIMP_(ULONG) Release() override
    {
        ULONG references = --m_references;
        if (!references)
            delete this;
        return references;
    }
    STDMETHODIMP Next(ULONG count, VARIANT* items, ULONG* fetched) override
    {
        m_log.push_back("Next " + std::to_string(count));
        if (count != 1 || fetched || m_next == m_paths.size())
            return S_FALSE;
        CComPtr<IDispatch> project;
        *&project = new CHostProject(m_log, m_paths[m_next++]);
        V_VT(items) = VT_DISPATCH;
        V_DISPATCH(items) = project.Detach();
        return S_OK;
    }
    STDMETHODIMP Skip(ULONG) override { return E_NOTIMPL; }
    STDMETHODIMP Reset() override
    {
        m_next = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumVARIANT**) override { return E_NOTIMPL; }

private:
    virtual ~CProjectEnumerator() = default;

    ULONG m_references = 1;
    HostLog& m_log;
    std::vector<std::wstring> m_paths;
    std::size_t m_next = 0;
};

} // namespace

CDispatchDouble::CDispatchDouble(HostLog& log, std::vector<IID> interfaces, std::vector<std::wstring> members)
    : m_log(log), m_interfaces(std::move(interfaces)), m_members(std::move(members))
{
}

STDMETHODIMP CDispatchDouble::QueryInterface(REFIID iid, void** object)
{
    bool known = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
                 std::any_of(m_interfaces.begin(), m_interfaces.end(),
                             [&iid](const IID& mine) { return IsEqualIID(iid, mine) != 0; });
    if (!known)
    {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CDispatchDouble::AddRef()
{
    return InterlockedIncrement(&m_references);
}

STDMETHODIMP_(ULONG) CDispatchDouble::Release()
{
    LONG references = InterlockedDecrement(&m_references);
    if (!references)
        delete this;
    return references;
}

STDMETHODIMP CDispatchDouble::GetTypeInfoCount(UINT* count)
{
    *count = 0;
    return S_OK;
}

STDMETHODIMP CDispatchDouble::GetTypeInfo(UINT, LCID, ITypeInfo**)
{
    return E_NOTIMPL;
}

STDMETHODIMP CDispatchDouble::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    auto member = std::find(m_members.begin(), m_members.end(), std::wstring(names[0]));
    ids[0] = member == m_members.end() ? DISPID_UNKNOWN : DISPID(member - m_members.begin() + 1);
    return count == 1 && member != m_members.end() ? S_OK : DISP_E_UNKNOWNNAME;
}

STDMETHODIMP CDispatchDouble::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT*)
{
    if (member < 1 || std::size_t(member) > m_members.size())
        return DISP_E_MEMBERNOTFOUND;
    std::vector<VARIANT*> arguments;
    for (UINT index = params->cArgs; index > 0; --index)
        arguments.push_back(&params->rgvarg[index - 1]);
    VARIANT ignored;
    VariantInit(&ignored);
    m_failure = {};
    HRESULT hr = OnCall(m_members[member - 1], flags, arguments, result ? result : &ignored);
    VariantClear(&ignored);
    if (hr == DISP_E_EXCEPTION && exception)
    {
        *exception = {};
        exception->scode = m_failure.first;
        exception->bstrDescription = SysAllocString(m_failure.second.c_str());
    }
    return hr;
}

HRESULT CDispatchDouble::Fail(SCODE code, const std::wstring& description)
{
    m_failure = {code, description};
    return DISP_E_EXCEPTION;
}

CHostSelection::CHostSelection(HostLog& log, const std::wstring& text)
    : CDispatchDouble(log, {IID_ITextSelection}, {L"SelectAll", L"Text", L"Delete"}), text(text)
{
}

HRESULT CHostSelection::OnCall(const std::wstring& member, WORD flags, const std::vector<VARIANT*>& arguments,
                               VARIANT* result)
{
    if (member == L"SelectAll")
    {
        m_log.push_back("SelectAll");
        start = 0;
        end = text.size();
    }
    else if (member == L"Delete")
    {
        m_log.push_back("Delete " + std::to_string(V_VT(arguments.at(0))) + ":" +
                        std::to_string(Whole(arguments.at(0))));
        text.erase(start, end - start);
        end = start;
    }
    else if (flags & DISPATCH_PROPERTYPUT)
    {
        m_log.push_back("Text put");
        if (failingWrites > 0)
        {
            --failingWrites;
            if (writeFailure == WriteFailure::Refused)
                return E_ACCESSDENIED;
            text.erase(start, end - start);
            end = start;
            return Fail(E_ACCESSDENIED, L"The document is read-only.");
        }
        std::wstring inserted = Text(arguments.at(0));
        text.replace(start, end - start, inserted);
        end = start + inserted.size();
    }
    else
    {
        m_log.push_back("Text get");
        ReturnString(result, text.substr(start, end - start));
    }
    return S_OK;
}

CHostDocument::CHostDocument(HostLog& log, const std::wstring& fullName, const std::wstring& text)
    : CDispatchDouble(log, {IID_IGenericDocument, IID_ITextDocument}, {L"FullName", L"Selection"}), m_fullName(fullName)
{
    *&selection = new CHostSelection(log, text);
}

HRESULT CHostDocument::OnCall(const std::wstring& member, WORD, const std::vector<VARIANT*>&, VARIANT* result)
{
    m_log.push_back(ToAnsi(member));
    if (member == L"FullName")
        ReturnString(result, m_fullName);
    else
        ReturnObject(result, selection.Get());
    return S_OK;
}

CHostProjects::CHostProjects(HostLog& log, const std::vector<std::wstring>& projectPaths, bool offersEnumerator)
    : CDispatchDouble(log, {IID_IProjects}, {L"_NewEnum"}), m_paths(projectPaths), m_offersEnumerator(offersEnumerator)
{
}

HRESULT CHostProjects::OnCall(const std::wstring&, WORD, const std::vector<VARIANT*>&, VARIANT* result)
{
    m_log.push_back("_NewEnum");
    if (!m_offersEnumerator)
        return E_FAIL;
    V_VT(result) = VT_UNKNOWN;
    V_UNKNOWN(result) = new CProjectEnumerator(m_log, m_paths);
    return S_OK;
}

CHostApplication::CHostApplication(HostLog& log)
    : CDispatchDouble(
          log, {IID_IApplication},
          {L"SetAddInInfo", L"AddCommand", L"AddCommandBarButton", L"EnableModeless", L"ActiveDocument", L"Projects"})
{
}

HRESULT CHostApplication::RunCommand(const std::wstring& method)
{
    return DispatchMethod(commandObject.Get(), method.c_str());
}

HRESULT CHostApplication::OnCall(const std::wstring& member, WORD, const std::vector<VARIANT*>& arguments,
                                 VARIANT* result)
{
    std::string entry = ToAnsi(member);
    if (member == L"SetAddInInfo")
    {
        if (V_VT(arguments.at(1)) == VT_DISPATCH)
            commandObject = CComPtr<IDispatch>(V_DISPATCH(arguments.at(1)));
        addInInfo = {Whole(arguments.at(0)), Whole(arguments.at(2)), Whole(arguments.at(3)), Whole(arguments.at(4))};
    }
    else if (member == L"AddCommand")
    {
        long glyph = long(Whole(arguments.at(2)));
        commands.push_back({Text(arguments.at(0)), Text(arguments.at(1)), glyph, long(Whole(arguments.at(3)))});
        if (VARIANT_BOOL* added = BoolOut(arguments.at(4)))
            *added = glyph == refusedGlyph ? VARIANT_FALSE : VARIANT_TRUE;
    }
    else if (member == L"AddCommandBarButton")
    {
        entry += " " + std::to_string(Whole(arguments.at(0))) + " " + std::to_string(Whole(arguments.at(2)));
        buttons.push_back(Text(arguments.at(1)));
    }
    else if (member == L"EnableModeless")
    {
        entry += " " + std::to_string(Whole(arguments.at(0)));
    }
    else if (member == L"ActiveDocument")
    {
        ReturnObject(result, activeDocument.Get());
    }
    else
    {
        ReturnObject(result, projects.Get());
    }
    m_log.push_back(entry);
    return S_OK;
}
