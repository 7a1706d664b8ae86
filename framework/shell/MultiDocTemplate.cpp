// Makes one kind of document and its windows from a resource id's menu, icon and document string.
#include "MultiDocTemplate.h"

#include "Document.h"
#include "MDIChildWnd.h"
#include "MDIFrameWnd.h"
#include "MessageBoxSeam.h"
#include "ResourceModule.h"
#include "ShellProgram.h"
#include "View.h"

#include <algorithm>

CMultiDocTemplate::CMultiDocTemplate(UINT resourceId, DocumentFactory makeDocument, ViewFactory makeView,
                                     UINT docStringId)
    : m_resourceId(resourceId), m_docStringId(docStringId ? docStringId : resourceId),
      m_makeDocument(std::move(makeDocument)), m_makeView(std::move(makeView)),
      m_menu(LoadMenuA(CurrentResourceModule(), MAKEINTRESOURCEA(resourceId))),
      m_icon(LoadIconA(CurrentResourceModule(), MAKEINTRESOURCEA(resourceId)))
{
}

// Windows go before their documents.
CMultiDocTemplate::~CMultiDocTemplate() = default;

std::string CMultiDocTemplate::GetDocString(DocStringIndex index) const
{
    const std::string text = LoadResourceString(m_docStringId);
    std::size_t begin = 0;
    for (int field = 0; field < index; ++field)
    {
        begin = text.find('\n', begin);
        if (begin == std::string::npos)
            return std::string();
        ++begin;
    }
    return text.substr(begin, text.find('\n', begin) - begin);
}

bool CMultiDocTemplate::MatchesExtension(const std::string& path) const
{
    const std::string extension = GetDocString(FilterExt);
    return !extension.empty() && path.size() >= extension.size() &&
           lstrcmpiA(path.c_str() + path.size() - extension.size(), extension.c_str()) == 0;
}

CDocument* CMultiDocTemplate::OpenDocumentFile(const char* path, CMDIFrameWnd& frame)
{
    std::unique_ptr<CDocument> document = m_makeDocument();
    document->SetDocTemplate(this);
    if (path)
    {
        std::string error;
        if (!document->OnOpenDocument(path, error))
        {
            if (!error.empty())
                ShowMessageBox(frame.GetSafeHwnd(), error, frame.Program().AppName(), MB_OK | MB_ICONEXCLAMATION);
            return nullptr;
        }
    }
    else
    {
        if (!document->OnNewDocument())
            return nullptr;
        document->SetTitle(GetDocString(FileNewName) + std::to_string(++m_untitledCount));
    }
    m_documents.push_back(std::move(document));
    CDocument& opened = *m_documents.back();
    if (!CreateNewFrame(opened, frame))
    {
        if (opened.Views().empty())
            CloseDocument(opened);
        return nullptr;
    }
    return &opened;
}

bool CMultiDocTemplate::CreateNewFrame(CDocument& document, CMDIFrameWnd& frame)
{
    CMDIChildWnd* child = frame.CreateChild(*this);
    if (!child)
        return false;
    if (!child->AttachView(m_makeView(), document))
    {
        child->DestroyWindow();
        return false;
    }
    return true;
}

void CMultiDocTemplate::CloseDocument(CDocument& document)
{
    m_documents.erase(std::remove_if(m_documents.begin(), m_documents.end(),
                                     [&](const std::unique_ptr<CDocument>& held) { return held.get() == &document; }),
                      m_documents.end());
}
