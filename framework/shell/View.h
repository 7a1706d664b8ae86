#pragma once

#include "CommandTarget.h"
#include "PrintedPages.h"
#include "PrinterChoice.h"
#include "Wnd.h"

#include <memory>
#include <string>

class CDocument;
class CMDIFrameWnd;

// A window that shows a document, filling the client area of its MDI child.
// Commands reach it first when its window is the active one. A view that
// hands out printed pages can be printed (with the print dialog, directly or
// on a named printer) and previewed; the print job is named after the
// document.
class CView : public CWnd, public CCommandTarget
{
public:
    ~CView() override;

    // Creates the view's window in parent, a window of frame, and joins
    // the document.
    bool Create(HWND parent, CMDIFrameWnd& frame, CDocument& document);
    CDocument* GetDocument() const { return m_document; }

    // Called once the view and its window exist, before they are shown.
    virtual void OnInitialUpdate() {}

    // The print commands: print, print direct, print preview.
    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(CCmdUI& ui) override;
    // Every page on the program's printer without asking; false when it
    // failed (the reason has been shown).
    bool PrintDirect();
    bool PrintTo(const std::string& printer, const std::string& driver, const std::string& port);

protected:
    // After the view's window exists: create its content; false fails it.
    virtual bool OnCreateView() { return true; }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // The view's client area changed size.
    virtual void OnSize(int /*width*/, int /*height*/) {}
    // Whether the view prints, and the pages it prints as it is now.
    virtual bool CanPrint() const { return false; }
    virtual std::unique_ptr<IPrintedPages> OnPreparePrinting() { return nullptr; }

private:
    enum class PrintMode
    {
        Ask,
        Direct
    };
    bool Print(PrintMode mode);
    // Runs the print job on the printer a request chose; false shows why.
    bool PrintOn(CPrinterChoice::Request& request, const IPrintedPages& pages);
    void Preview();
    bool Failed(const std::string& error) const;

    CMDIFrameWnd* m_frame = nullptr;
    CDocument* m_document = nullptr;
};
