#pragma once

#include "CommandTarget.h"
#include "Wnd.h"

class CDocument;

// A window that shows a document, filling the client area of its MDI child.
// Commands reach it first when its window is the active one.
class CView : public CWnd, public CCommandTarget
{
public:
    ~CView() override;

    // Creates the view's window in parent and joins the document.
    bool Create(HWND parent, CDocument& document);
    CDocument* GetDocument() const { return m_document; }

    // Called once the view and its window exist, before they are shown.
    virtual void OnInitialUpdate() {}

protected:
    // After the view's window exists: create its content; false fails it.
    virtual bool OnCreateView() { return true; }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // The view's client area changed size.
    virtual void OnSize(int /*width*/, int /*height*/) {}

private:
    CDocument* m_document = nullptr;
};
