// A print preview running in a frame, its page shown in the status bar and its pages per screen remembered.
#include "PreviewSession.h"

#include "MDIFrameWnd.h"
#include "StandardIds.h"
#include "UserProfile.h"

const char* const CPreviewSession::ProfileSection = "Settings";
const char* const CPreviewSession::ProfileEntry = "PreviewPages";

CPreviewSession::CPreviewSession(CMDIFrameWnd& frame, std::unique_ptr<IPrintedPages> pages, CCreatedDc printer,
                                 CUserProfile& profile)
    : m_frame(frame), m_pages(std::move(pages)), m_printer(std::move(printer)), m_profile(profile)
{
}

bool CPreviewSession::Start(const RECT& rect)
{
    const int pagesPerScreen = m_profile.GetInt(ProfileSection, ProfileEntry, 1);
    return m_preview.Create(m_frame.GetSafeHwnd(), rect, m_printer.get(), *m_pages, *this, pagesPerScreen);
}

void CPreviewSession::OnPreviewPrint()
{
    // The preview goes first; the print dialog then comes from the view.
    m_frame.EndPreview();
    PostMessageA(m_frame.GetSafeHwnd(), WM_COMMAND, ID_FILE_PRINT, 0);
}

void CPreviewSession::OnPreviewClose()
{
    m_frame.EndPreview();
}

void CPreviewSession::OnPreviewChanged(const std::string& status, int pagesPerScreen)
{
    m_frame.SetMessageText(status);
    m_profile.WriteInt(ProfileSection, ProfileEntry, pagesPerScreen);
}
