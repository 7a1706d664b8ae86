// The main-dialog command: the host's projects read into the Project Analysis dialog, with progress shown.
#include "ProjectAnalysis.h"

#include "AnsiText.h"
#include "AutoVariant.h"
#include "ComPtr.h"
#include "DevStudio.h"
#include "DispatchCall.h"
#include "MessageBoxSeam.h"
#include "ProjectAnalysisDlg.h"

namespace
{

constexpr ULONG OneItem = 1;

// The projects' enumerator, or null when the host offers none.
CComPtr<IEnumVARIANT> ProjectEnumerator(IDispatch* application)
{
    CComPtr<IEnumVARIANT> enumerator;
    CAutoVariant projects;
    if (FAILED(DispatchGet(application, L"Projects", &projects)) || V_VT(&projects) != VT_DISPATCH ||
        !V_DISPATCH(&projects))
        return enumerator;
    CComPtr<IProjects> collection;
    if (FAILED(V_DISPATCH(&projects)->QueryInterface(IID_IProjects, collection.OutVoid())) || !collection)
        return enumerator;
    CAutoVariant items;
    if (FAILED(DispatchGet(collection.Get(), L"_NewEnum", &items)))
        return enumerator;
    if ((V_VT(&items) == VT_UNKNOWN || V_VT(&items) == VT_DISPATCH) && V_UNKNOWN(&items))
        V_UNKNOWN(&items)->QueryInterface(IID_IEnumVARIANT, enumerator.OutVoid());
    return enumerator;
}

std::string ProjectPath(VARIANT& item)
{
    CComPtr<IGenericProject> project;
    if ((V_VT(&item) == VT_DISPATCH || V_VT(&item) == VT_UNKNOWN) && V_UNKNOWN(&item))
        V_UNKNOWN(&item)->QueryInterface(IID_IGenericProject, project.OutVoid());
    VariantClear(&item);
    CAutoVariant name;
    if (!project || FAILED(DispatchGet(project.Get(), L"FullName", &name)) || V_VT(&name) != VT_BSTR)
        return std::string();
    return ToAnsi(std::wstring(V_BSTR(&name), SysStringLen(V_BSTR(&name))));
}

void ReportUnreadProjects(const std::vector<std::string>& failures)
{
    if (failures.empty())
        return;
    std::string text = "These project files could not be read; their counts are 0:\n";
    for (const std::string& failure : failures)
        text += "\n" + failure;
    ShowMessageBox(nullptr, text, "Quillet", MB_OK | MB_ICONEXCLAMATION);
}

} // namespace

void ShowProjectAnalysis(IDispatch* application)
{
    CComPtr<IEnumVARIANT> enumerator = ProjectEnumerator(application);
    if (!enumerator)
        return;
    CProjectAnalysisDlg dialog;
    dialog.OpenLoadingDialog();
    CAutoVariant item;
    while (enumerator->Next(OneItem, &item, nullptr) == S_OK)
    {
        std::string path = ProjectPath(item);
        if (!path.empty())
            dialog.AddProject(path);
    }
    dialog.CloseLoadingDialog();
    ReportUnreadProjects(dialog.Failures());
    dialog.DoModal(nullptr);
}
