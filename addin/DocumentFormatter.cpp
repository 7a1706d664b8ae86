// Formats the host's active document in place, refusing rather than losing a character of its text.
#include "DocumentFormatter.h"

#include "AnsiText.h"
#include "AutoBstr.h"
#include "AutoExcepInfo.h"
#include "AutoVariant.h"
#include "ComPtr.h"
#include "DevStudio.h"
#include "DispatchCall.h"
#include "FormatCommandCall.h"
#include "FormattableExtensions.h"
#include "MessageBoxSeam.h"
#include "ProgressCaption.h"
#include "ProgressDlg.h"
#include "SystemErrorText.h"

#include <cstdio>
#include <string>

namespace
{

// The refusal names exactly the extensions that are accepted.
const char RefusalText[] = "Only cpp, inl, c and h files may be formatted";
const char Caption[] = "Quillet";
const char SpecialStatus[] = "Formatting text: ";
const char FullStatus[] = "Formatting text:";
const char NulCause[] = "it holds a NUL character, where formatting would cut the text";
const char UnconvertibleCause[] = "its text holds a character that cannot be converted without loss";
const char LeftUnchanged[] = "\n\nThe document is left unchanged.";
const char NotRestored[] = "\n\nIts text could not be put back: use Undo to restore it.";

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

void ShowProblem(const std::string& text)
{
    ShowMessageBox(nullptr, text, Caption, MB_OK | MB_ICONEXCLAMATION);
}

void RefuseToFormat(const std::string& name, const char* cause)
{
    ShowProblem("Cannot format " + name + ": " + cause + "." + LeftUnchanged);
}

// The engine's 8-bit text of the document and the code page it is in: the
// ANSI code page when it holds every character, as it always did; else
// UTF-8, whose multi-byte characters hold no ASCII byte, so the engine, which
// acts on ASCII bytes alone, passes them through whole. False when neither
// holds the text (an unpaired surrogate).
bool ToEngineText(const std::wstring& text, std::string& bytes, unsigned& codePage)
{
    for (unsigned candidate : {unsigned(CP_ACP), unsigned(CP_UTF8)})
    {
        codePage = candidate;
        if (ToCodePageExactly(codePage, text, bytes))
            return true;
    }
    return false;
}

// The host's own account of a refused call, with its code.
std::string HostErrorText(HRESULT hr, CAutoExcepInfo& exception)
{
    // An exception's own code says more than DISP_E_EXCEPTION.
    const HRESULT cause = hr == DISP_E_EXCEPTION && exception.scode ? exception.scode : hr;
    std::string text = ToAnsi(exception.Description());
    while (!text.empty() && (text.back() == '.' || text.back() == ' '))
        text.pop_back();
    if (text.empty())
        text = SystemErrorText(DWORD(cause));
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(cause));
    return text + " (" + code + ")";
}

HRESULT PutText(IDispatch* selection, const std::wstring& text, EXCEPINFO* exception = nullptr)
{
    CAutoBstr value(text);
    return DispatchPut(selection, L"Text", StringArgument(value.Get()), exception);
}

bool HoldsText(IDispatch* selection, const std::wstring& text)
{
    DispatchMethod(selection, L"SelectAll");
    return GetStringProperty(selection, L"Text") == text;
}

// The whole text is selected, so writing Text replaces it in one step: a host
// that refuses the write keeps the text, where a Delete before it would have
// left the document empty. A host that dropped the text anyway before
// failing gets it back.
void WriteBack(IDispatch* selection, const std::string& name, const std::wstring& original,
               const std::wstring& formatted)
{
    CAutoExcepInfo exception;
    const HRESULT hr = PutText(selection, formatted, &exception);
    if (SUCCEEDED(hr))
        return;
    const bool kept = HoldsText(selection, original) || SUCCEEDED(PutText(selection, original));
    ShowProblem("Cannot write the formatted text to " + name + ": " + HostErrorText(hr, exception) + "." +
                (kept ? LeftUnchanged : NotRestored));
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
    const std::wstring fullName = GetStringProperty(generic.Get(), L"FullName");
    if (!IsFormattableExtension(LowerExtension(fullName)))
    {
        ShowMessageBox(nullptr, RefusalText, Caption, MB_OK | MB_ICONINFORMATION);
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
    const std::wstring original = GetStringProperty(selection.Get(), L"Text");

    const std::string name = ToAnsi(fullName);
    // The engine's text ends at a NUL; its result would cut the document.
    if (original.find(L'\0') != std::wstring::npos)
    {
        RefuseToFormat(name, NulCause);
        return;
    }
    std::string text;
    unsigned codePage = 0;
    if (!ToEngineText(original, text, codePage))
    {
        RefuseToFormat(name, UnconvertibleCause);
        return;
    }

    std::string result;
    {
        CProgressDlg progress(ProgressCaptionId(FrontEnd::AddIn));
        progress.Create(nullptr);
        progress.SetStatus(status);
        result = RunFormatCommand(command, text, &progress);
    }
    if (result.empty())
        return;
    std::wstring formatted;
    if (!FromCodePageExactly(codePage, result, formatted))
    {
        RefuseToFormat(name, UnconvertibleCause);
        return;
    }
    WriteBack(selection.Get(), name, original, formatted);
}

} // namespace

void FormatActiveDocument(IDispatch* application, const char* formatCommand)
{
    if (const FormatCommandSet* command = FindFormatCommandSet(formatCommand))
        FormatDocument(application, SpecialStatus, *command);
}

void FullFormatActiveDocument(IDispatch* application)
{
    if (const FormatCommandSet* command = FindFormatCommandSet("full"))
        FormatDocument(application, FullStatus, *command);
}
