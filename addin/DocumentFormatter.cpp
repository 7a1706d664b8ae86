#include "DocumentFormatter.h"

#include "AnsiText.h"
#include "AutoBstr.h"
#include "AutoVariant.h"
#include "ComPtr.h"
#include "DevStudio.h"
#include "DispatchCall.h"
#include "FormatCommand.h"
#include "FormattableExtensions.h"
#include "MessageBoxSeam.h"
#include "ProgressDlg.h"

#include <string>

namespace
{

// The refusal names exactly the extensions that are accepted.
const char RefusalText[] = "Only cpp, inl, c and h files may be formatted";
const char RefusalCaption[] = "Quillet";
const char SpecialStatus[] = "Formatting text: ";
const char FullStatus[] = "Formatting text:";
constexpr LONG DeleteOneSelection = 1;

// The dispatch pointer a property returned, asked for one of the host's
// interfaces; null when there is none.
template <class T> CComPtr<T> GetObjectProperty(IDispatch* object, const wchar_t* name, REFIID iid)
{
    CComPtr<T> result;
    CAutoVariant value;
    if (SUCCEEDED(DispatchGet(object, name, &value)) && V_VT(&value) == VT_DISPATCH && V_DISPATCH(&value))
        V_DISPATCH(&value)->QueryInterface(iid, result.OutVoid());
    return result;
}

std::wstring GetStringProperty(IDispatch* object, const wchar_t* name)
{
    CAutoVariant value;
    if (FAILED(DispatchGet(object, name, &value)) || V_VT(&value) != VT_BSTR)
        return std::wstring();
    return std::wstring(V_BSTR(&value), SysStringLen(V_BSTR(&value)));
}

// After the last '.', the whole name when there is none; lowered.
std::string LowerExtension(const std::wstring& fileName)
{
    std::wstring::size_type dot = fileName.rfind(L'.');
    std::string extension = ToAnsi(dot == std::wstring::npos ? fileName : fileName.substr(dot + 1));
    if (!extension.empty())
        CharLowerBuffA(&extension[0], DWORD(extension.size()));
    return extension;
}

void FormatDocument(IDispatch* application, const char* status, const FormatCommandSet& command)
{
    CComPtr<IDispatch> document = GetObjectProperty<IDispatch>(application, L"ActiveDocument", IID_IDispatch);
    if (!document)
        return;
    CComPtr<IGenericDocument> generic;
    document.QueryInterface(IID_IGenericDocument, generic);
    if (!generic)
        return;
    if (!IsFormattableExtension(LowerExtension(GetStringProperty(generic.Get(), L"FullName"))))
    {
        ShowMessageBox(nullptr, RefusalText, RefusalCaption, MB_OK | MB_ICONINFORMATION);
        return;
    }
    CComPtr<ITextDocument> textDocument;
    document.QueryInterface(IID_ITextDocument, textDocument);
    if (!textDocument)
        return;
    CComPtr<ITextSelection> selection =
        GetObjectProperty<ITextSelection>(textDocument.Get(), L"Selection", IID_ITextSelection);
    if (!selection)
        return;
    DispatchMethod(selection.Get(), L"SelectAll");
    std::string text = ToAnsi(GetStringProperty(selection.Get(), L"Text"));

    CProgressDlg progress;
    progress.Create(nullptr);
    progress.SetStatus(status);
    std::string result = RunFormatCommand(command, text, &progress);
    if (!result.empty())
    {
        CAutoBstr formatted(FromAnsi(result));
        DispatchMethod(selection.Get(), L"Delete", {LongArgument(DeleteOneSelection)});
        DispatchPut(selection.Get(), L"Text", StringArgument(formatted.Get()));
    }
}

} // namespace

void FormatActiveDocument(IDispatch* application, const char* formatCommand)
{
    FormatDocument(application, SpecialStatus, FindFormatCommand(formatCommand));
}

void FullFormatActiveDocument(IDispatch* application)
{
    FormatDocument(application, FullStatus, FindFormatCommand("full"));
}
