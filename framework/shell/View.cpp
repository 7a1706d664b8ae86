// A view filling its MDI child, first to take commands, which prints and previews the pages it hands out.
#include "View.h"

#include "Document.h"
#include "MDIFrameWnd.h"
#include "MessageBoxSeam.h"
#include "PreviewSession.h"
#include "PrintJob.h"
#include "ShellProgram.h"
#include "StandardIds.h"

CView::~CView()
{
    if (m_document)
        m_document->RemoveView(*this);
}

bool CView::Create(HWND parent, CMDIFrameWnd& frame, CDocument& document)
{
    m_frame = &frame;
    RECT client{};
    GetClientRect(parent, &client);
    if (!CreateEx(0, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, client, parent, IDW_MDI_CLIENT))
        return false;
    if (!OnCreateView())
        return false;
    m_document = &document;
    document.AddView(*this);
    return true;
}

bool CView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_SIZE)
    {
        OnSize(LOWORD(lParam), HIWORD(lParam));
        result = 0;
        return true;
    }
    return CWnd::OnMessage(message, wParam, lParam, result);
}

bool CView::OnCommand(UINT id)
{
    switch (id)
    {
    case ID_FILE_PRINT:
        Print(PrintMode::Ask);
        return true;
    case ID_FILE_PRINT_DIRECT:
        Print(PrintMode::Direct);
        return true;
    case ID_FILE_PRINT_PREVIEW:
        Preview();
        return true;
    default:
        return false;
    }
}

bool CView::OnUpdateCommand(CCmdUI& ui)
{
    if (ui.id != ID_FILE_PRINT && ui.id != ID_FILE_PRINT_DIRECT && ui.id != ID_FILE_PRINT_PREVIEW)
        return false;
    ui.enabled = CanPrint();
    return true;
}

bool CView::Failed(const std::string& error) const
{
    if (!error.empty())
        ShowMessageBox(GetSafeOwner(m_hWnd), error, m_frame->Program().AppName(), MB_OK | MB_ICONEXCLAMATION);
    return false;
}

bool CView::PrintOn(CPrinterChoice::Request& request, const IPrintedPages& pages)
{
    std::string error;
    const std::string document = m_document ? m_document->GetTitle() : std::string();
    const std::vector<int> order = CPrintJob::PageOrder(request.first, request.last, request.copies, request.collate);
    if (!CPrintJob::Print(request.dc.get(), request.printer, document, pages, order, error))
        return Failed(error);
    return true;
}

bool CView::Print(PrintMode mode)
{
    const std::unique_ptr<IPrintedPages> pages = CanPrint() ? OnPreparePrinting() : nullptr;
    if (!pages)
        return false;
    CPrinterChoice& printers = m_frame->Program().Printers();
    CPrinterChoice::Request request;
    std::string error;
    const bool chosen = mode == PrintMode::Direct
                            ? printers.Direct(pages->PageCount(), request, error)
                            : printers.Ask(GetSafeOwner(m_hWnd), pages->PageCount(), request, error);
    if (!chosen)
        return Failed(error);
    return PrintOn(request, *pages);
}

bool CView::PrintDirect()
{
    return Print(PrintMode::Direct);
}

bool CView::PrintTo(const std::string& printer, const std::string& driver, const std::string& port)
{
    const std::unique_ptr<IPrintedPages> pages = CanPrint() ? OnPreparePrinting() : nullptr;
    if (!pages)
        return false;
    CPrinterChoice::Request request;
    std::string error;
    if (!CPrinterChoice::Named(printer, driver, port, pages->PageCount(), request, error))
        return Failed(error);
    return PrintOn(request, *pages);
}

void CView::Preview()
{
    std::unique_ptr<IPrintedPages> pages = CanPrint() ? OnPreparePrinting() : nullptr;
    if (!pages || m_frame->InPreview())
        return;
    // The sheets take the proportions of the printer the job would go to.
    IShellProgram& program = m_frame->Program();
    CPrinterChoice::Request request;
    std::string error;
    if (!program.Printers().Direct(pages->PageCount(), request, error))
    {
        Failed(error);
        return;
    }
    m_frame->BeginPreview(
        std::make_unique<CPreviewSession>(*m_frame, std::move(pages), std::move(request.dc), program.Profile()));
}
