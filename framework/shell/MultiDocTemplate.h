#pragma once

#include "MenuHandle.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CDocument;
class CView;
class CMDIFrameWnd;

// Makes the documents of one kind and their windows: each document gets an
// MDI child window with a view. Its resource id names the menu and icon its
// windows show and the document string that describes it; two kinds that
// share a menu and icon name their own document strings.
class CMultiDocTemplate
{
public:
    using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
    using ViewFactory = std::function<std::unique_ptr<CView>()>;

    // The seven fields of the document string, separated by line feeds.
    enum DocStringIndex
    {
        WindowTitle,
        DocName,
        FileNewName,
        FilterName,
        FilterExt,
        RegFileTypeId,
        RegFileTypeName
    };

    // docStringId 0: the document string is resourceId's.
    CMultiDocTemplate(UINT resourceId, DocumentFactory makeDocument, ViewFactory makeView, UINT docStringId = 0);
    ~CMultiDocTemplate();
    CMultiDocTemplate(const CMultiDocTemplate&) = delete;
    CMultiDocTemplate& operator=(const CMultiDocTemplate&) = delete;

    std::string GetDocString(DocStringIndex index) const;
    // Whether path ends with the template's filter extension, case-blind.
    bool MatchesExtension(const std::string& path) const;
    UINT ResourceId() const { return m_resourceId; }
    HMENU Menu() const { return m_menu.get(); }
    HICON Icon() const { return m_icon; }

    // Opens the file in a new window of frame, or a new empty document when
    // path is null. On failure the reason has been shown and nothing is left
    // open; the result is then null.
    CDocument* OpenDocumentFile(const char* path, CMDIFrameWnd& frame);
    // Another window on an open document (Window > New Window).
    bool CreateNewFrame(CDocument& document, CMDIFrameWnd& frame);
    // Called when a document's last view has gone.
    void CloseDocument(CDocument& document);

    const std::vector<std::unique_ptr<CDocument>>& Documents() const { return m_documents; }

private:
    UINT m_resourceId;
    UINT m_docStringId;
    DocumentFactory m_makeDocument;
    ViewFactory m_makeView;
    MenuHandle m_menu;
    HICON m_icon;
    int m_untitledCount = 0;
    std::vector<std::unique_ptr<CDocument>> m_documents;
};
