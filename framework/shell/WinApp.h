#pragma once

#include "CommandLineInfo.h"
#include "PrinterChoice.h"
#include "ShellProgram.h"
#include "UserProfile.h"

#include <memory>
#include <string>
#include <vector>

class CDdeServer;
class CDocument;
class CMDIFrameWnd;
class CMultiDocTemplate;
class CRecentFileList;

// The program: its document templates, its main frame, the message loop with
// the frame's accelerators, the file commands (new, open, recent files,
// exit) and the user's profile. One exists at a time.
class CWinApp : public IShellProgram
{
public:
    explicit CWinApp(std::string appName);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    static CWinApp* Get() { return s_app; }
    const std::string& AppName() const override { return m_appName; }
    // The help file of the frame's help commands: the framework's default,
    // the program's path with the extension .hlp.
    std::string m_helpFilePath;

    // Start-up, given the arguments after the program's name; false ends
    // the program.
    virtual bool InitInstance(const std::vector<std::string>& args) = 0;
    // The message loop, until the main window has gone; returns the exit code.
    int Run();
    // Keyboard messages meant for the MDI system menus and the frame's
    // accelerators; true when the message was taken.
    bool PreTranslateMessage(MSG& message);

    CMDIFrameWnd* GetMainFrame() const { return m_mainFrame.get(); }
    void SetMainFrame(std::unique_ptr<CMDIFrameWnd> frame);
    void OnMainWindowDestroyed(CMDIFrameWnd& frame) override;

    void AddDocTemplate(std::unique_ptr<CMultiDocTemplate> docTemplate);
    CMultiDocTemplate* GetDocTemplate() const;
    // The template that opens path: the one whose extension it has, or else
    // the first.
    CMultiDocTemplate* DocTemplateFor(const std::string& path) const;
    // Opens a file in a new window; null when it failed (the reason has
    // been shown).
    CDocument* OpenDocumentFile(const std::string& path) override;
    // Runs the shell's command; false when it failed.
    bool ProcessShellCommand(const CCommandLineInfo& info);

    // Answers the shell's DDE requests while the program runs; false when
    // the service could not be started.
    bool EnableShellOpen();
    // Registers the templates' file types for the current user; a template
    // without a file type id (a kind of file that belongs to another
    // program) is left out.
    bool RegisterShellFileTypes();
    // A DDE execute request: "[open("file")]", once or several times.
    // False when it is not understood or a file could not be opened.
    bool OnDDECommand(const std::string& command);

    // The user's profile is kept under the current user's key
    // Software\company\application name.
    void SetRegistryKey(const std::string& company) { m_profile.SetCompany(company); }
    CUserProfile& Profile() override { return m_profile; }
    // Loads the recent-file list with room for size entries.
    void LoadStdProfileSettings(std::size_t size);
    CRecentFileList* RecentFiles() const override { return m_recentFiles.get(); }

    CPrinterChoice& Printers() override { return m_printers; }
    // What the program returns when start-up ends it: 0 after printing from
    // the command line, 1 after a failure.
    int ExitCode() const { return m_exitCode; }

    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(CCmdUI& ui) override;

protected:
    void OnFileNew();
    void OnFileOpen();
    void OnFilePrintSetup();
    // Opens the file, prints it as the shell asked and closes it again.
    bool PrintShellFile(const CCommandLineInfo& info);

private:
    static CWinApp* s_app;

    std::string m_appName;
    CUserProfile m_profile;
    std::unique_ptr<CRecentFileList> m_recentFiles;
    std::unique_ptr<CDdeServer> m_ddeServer;
    // Declared before the frame: the windows go before their documents.
    std::vector<std::unique_ptr<CMultiDocTemplate>> m_templates;
    std::unique_ptr<CMDIFrameWnd> m_mainFrame;
    bool m_running = false;
    CPrinterChoice m_printers;
    int m_exitCode = 1;
};
