#pragma once

#include "GlobalMemory.h"
#include "PrintPreview.h"

#include <memory>

class CMDIFrameWnd;
class CUserProfile;

// A print preview running in a frame: the preview window over the frame's
// documents, the printer it is drawn for and the pages it shows. The status
// bar shows the page; one or two pages per screen is kept in the user's
// profile for the next preview.
class CPreviewSession : public CPrintPreview::IHost
{
public:
    CPreviewSession(CMDIFrameWnd& frame, std::unique_ptr<IPrintedPages> pages, CCreatedDc printer,
                    CUserProfile& profile);

    bool Start(const RECT& rect);
    HWND Window() const { return m_preview.GetSafeHwnd(); }

    void OnPreviewPrint() override;
    void OnPreviewClose() override;
    void OnPreviewChanged(const std::string& status, int pagesPerScreen) override;

    // Where the profile keeps one or two pages per screen.
    static const char* const ProfileSection;
    static const char* const ProfileEntry;

private:
    CMDIFrameWnd& m_frame;
    std::unique_ptr<IPrintedPages> m_pages;
    CCreatedDc m_printer;
    CUserProfile& m_profile;
    CPrintPreview m_preview;
};
