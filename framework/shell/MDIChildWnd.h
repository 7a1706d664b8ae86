#pragma once

#include "Wnd.h"

#include <memory>

class CDocument;
class CMDIFrameWnd;
class CMultiDocTemplate;
class CView;

// One window of a document inside the frame's MDI client: it holds the view,
// tells the frame when it becomes active (menu and title follow) and, when
// it closes, takes its view off the document and closes a document left
// without views.
class CMDIChildWnd : public CWnd
{
public:
    CMDIChildWnd(CMDIFrameWnd& frame, CMultiDocTemplate& docTemplate);
    ~CMDIChildWnd() override;

    // Creates the window in the frame's MDI client.
    bool Create();
    // Makes the view in this window on the document and shows it.
    bool AttachView(std::unique_ptr<CView> view, CDocument& document);

    CView* GetView() const { return m_view.get(); }
    CMultiDocTemplate& Template() const { return m_template; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalDestroy() override;

private:
    CMDIFrameWnd& m_frame;
    CMultiDocTemplate& m_template;
    std::unique_ptr<CView> m_view;
};
