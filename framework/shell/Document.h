#pragma once

#include "CommandTarget.h"

#include <string>
#include <vector>

class CView;
class CMultiDocTemplate;

// The data behind one or more views: made by its template, shown by the
// views of its windows, gone with its last window. Documents here are only
// read: there is no saving and no modified state.
class CDocument : public CCommandTarget
{
public:
    CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    // Reads the file; false with error naming the file and the cause, or
    // with no error when the document has told the user itself.
    virtual bool OnOpenDocument(const std::string& path, std::string& error);
    // Sets up an empty document.
    virtual bool OnNewDocument() { return true; }

    const std::string& GetTitle() const { return m_title; }
    void SetTitle(const std::string& title);
    const std::string& GetPathName() const { return m_pathName; }

    const std::vector<CView*>& Views() const { return m_views; }
    void AddView(CView& view);
    void RemoveView(CView& view);

    CMultiDocTemplate* GetDocTemplate() const { return m_template; }
    void SetDocTemplate(CMultiDocTemplate* docTemplate) { m_template = docTemplate; }

    // Closes every window of the document (File > Close).
    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(CCmdUI& ui) override;

    // Titles each window with the document's title, numbered when the
    // document has several ("name:1", "name:2").
    void UpdateFrameTitles() const;

private:
    std::string m_title;
    std::string m_pathName;
    std::vector<CView*> m_views;
    CMultiDocTemplate* m_template = nullptr;
};
