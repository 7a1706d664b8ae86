#pragma once

// The objects of a stand-in for Developer Studio, for the add-in's tests and
// for addin_host: real COM objects that answer the add-in's calls through
// IDispatch by member name and record each call.

#include "ComPtr.h"

#include <oaidl.h>

#include <string>
#include <utility>
#include <vector>

// Every call the add-in makes on any object of one host, in order, such as
// "EnableModeless 0" or "Delete 1".
using HostLog = std::vector<std::string>;

// An automation object answering a fixed list of members (dispatch id =
// position + 1) and a fixed list of interfaces besides IUnknown and IDispatch.
class CDispatchDouble : public IDispatch
{
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** typeInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argumentError) override;

protected:
    CDispatchDouble(HostLog& log, std::vector<IID> interfaces, std::vector<std::wstring> members);
    virtual ~CDispatchDouble() = default;

    // One call; the arguments in their declared order.
    virtual HRESULT OnCall(const std::wstring& member, WORD flags, const std::vector<VARIANT*>& arguments,
                           VARIANT* result) = 0;
    // What OnCall returns to fail as automation objects explain a failure:
    // the caller's exception record gets the code and description.
    HRESULT Fail(SCODE code, const std::wstring& description);

    HostLog& m_log;

private:
    std::pair<SCODE, std::wstring> m_failure;
    LONG m_references = 1;
    std::vector<IID> m_interfaces;
    std::vector<std::wstring> m_members;
};

// The text of a document and its selection, as the add-in edits them.
class CHostSelection : public CDispatchDouble
{
public:
    // How a write of Text fails, as a hostile or read-only editor's may.
    enum class WriteFailure
    {
        Refused,    // the text stays; the host gives an error code alone
        AfterDelete // the selection is deleted first; the host describes its error
    };

    CHostSelection(HostLog& log, const std::wstring& text);

    std::wstring text;
    std::size_t start = 0; // the selection: [start, end)
    std::size_t end = 0;
    int failingWrites = 0; // the next writes of Text that fail
    WriteFailure writeFailure = WriteFailure::Refused;

protected:
    HRESULT OnCall(const std::wstring& member, WORD flags, const std::vector<VARIANT*>& arguments,
                   VARIANT* result) override;
};

class CHostDocument : public CDispatchDouble
{
public:
    CHostDocument(HostLog& log, const std::wstring& fullName, const std::wstring& text);

    CComPtr<CHostSelection> selection;

protected:
    HRESULT OnCall(const std::wstring& member, WORD flags, const std::vector<VARIANT*>& arguments,
                   VARIANT* result) override;

private:
    std::wstring m_fullName;
};

// The workspace's projects; without an enumerator _NewEnum fails.
class CHostProjects : public CDispatchDouble
{
public:
    CHostProjects(HostLog& log, const std::vector<std::wstring>& projectPaths, bool offersEnumerator);

protected:
    HRESULT OnCall(const std::wstring& member, WORD flags, const std::vector<VARIANT*>& arguments,
                   VARIANT* result) override;

private:
    std::vector<std::wstring> m_paths;
    bool m_offersEnumerator;
};

struct AnnouncedCommand
{
    std::wstring command;
    std::wstring method;
    long glyph;
    long cookie;
};

class CHostApplication : public CDispatchDouble
{
public:
    explicit CHostApplication(HostLog& log);

    // Runs a command the way the host does: by method name on the command
    // object the add-in handed over.
    HRESULT RunCommand(const std::wstring& method);

    int refusedGlyph = -1; // AddCommand reports this row as not added
    std::vector<AnnouncedCommand> commands;
    std::vector<std::wstring> buttons;
    CComPtr<IDispatch> commandObject;
    std::vector<LONGLONG> addInInfo; // instance handle, the two bitmaps, cookie
    CComPtr<IDispatch> activeDocument;
    CComPtr<IDispatch> projects;

protected:
    HRESULT OnCall(const std::wstring& member, WORD flags, const std::vector<VARIANT*>& arguments,
                   VARIANT* result) override;
};
