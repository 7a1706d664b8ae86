#pragma once

#include "CommandTarget.h"
#include "FrameBars.h"
#include "MenuHandle.h"
#include "Wnd.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class CMDIChildWnd;
class CMultiDocTemplate;
class CPreviewSession;
class CStatusBar;
class CToolBar;
class CView;
class IShellProgram;

// The main window of a multiple-document program: an MDI client holding the
// documents' windows, the menu of the active document's template (or the
// frame's own when none is open), command routing and command enabling.
class CMDIFrameWnd : public CWnd, public CCommandTarget
{
public:
    // The program the frame belongs to: the last of its command targets, and
    // what its documents and views ask for.
    explicit CMDIFrameWnd(IShellProgram& program);
    ~CMDIFrameWnd() override;

    IShellProgram& Program() const { return m_program; }

    // Creates the frame with the menu, accelerators, icon and title string
    // of resourceId.
    bool LoadFrame(UINT resourceId, DWORD style);

    HWND MDIClient() const { return m_client; }
    HACCEL Accelerators() const { return m_accelerators; }
    CMDIChildWnd* MDIGetActive() const;
    CView* GetActiveView() const;
    std::size_t ChildCount() const { return m_children.size(); }

    // Offers a command to the active view, its document, this frame and the
    // program, in that order; a disabled command is not run. True when
    // a target took it.
    bool RouteCommand(UINT id);
    // True when a target claims the command; ui then holds its state.
    bool RouteUpdate(CCmdUI& ui);

    // For the documents' windows.
    CMDIChildWnd* CreateChild(CMultiDocTemplate& docTemplate);
    void OnChildActivated();
    void OnChildDestroyed(CMDIChildWnd& child);
    // A child's title changed: the Window menu and the frame's title follow.
    void OnChildTitleChanged();
    // The program's name, and the active child's title unless that child is
    // maximised (the MDI frame then adds it in brackets itself).
    void UpdateFrameTitle();

    // Brings the toolbar's buttons and the status bar's indicators up to
    // date; the message loop calls it whenever its queue runs empty.
    void OnIdle();

    // A print preview in place of the documents' windows, until it ends.
    bool BeginPreview(std::unique_ptr<CPreviewSession> session);
    // Ends the preview once the current message is done: the preview may
    // be the one asking.
    void EndPreview();
    bool InPreview() const { return m_preview != nullptr; }
    HWND PreviewWindow() const;

    void SetMessageText(const std::string& text);

    // The window commands: new window, cascade, tile, arrange icons; showing
    // and hiding the bars.
    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(CCmdUI& ui) override;

protected:
    // After the MDI client exists: toolbars and the like; false fails the
    // creation.
    virtual bool OnCreateFrame() { return true; }
    // Files dropped on the frame: opened by the program.
    virtual void OnDropFiles(const std::vector<std::string>& paths);
    // The frame's bars, created by OnCreateFrame (CFrameBars).
    void AttachBars(CToolBar* toolBar, CStatusBar* statusBar);

    void RecalcLayout();

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnFinalDestroy() override;

private:
    // The active view, its document, this frame and the program: the order a
    // command is offered in.
    std::array<CCommandTarget*, 4> CommandTargets();
    bool CreateClient();
    // Docks the toolbar along the edge nearest to where it was dropped.
    void DockToolBar(POINT screen);
    void ToggleBar(CWnd* bar);
    void UpdateMenuStates(HMENU popup);
    void UpdateFrameMenu();

    IShellProgram& m_program;
    HWND m_client = nullptr;
    MenuHandle m_menu;
    HACCEL m_accelerators = nullptr;
    std::string m_title;
    // The title last set, without what the MDI frame adds for a maximised child.
    std::string m_shownTitle;
    CFrameBars m_bars;
    std::vector<std::unique_ptr<CMDIChildWnd>> m_children;
    bool m_destroying = false;
    std::unique_ptr<CPreviewSession> m_preview;
};
