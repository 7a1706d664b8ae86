#pragma once

#include "CommandTarget.h"

#include <string>

class CDocument;
class CMDIFrameWnd;
class CPrinterChoice;
class CRecentFileList;
class CUserProfile;

// What the shell's windows ask of the program they belong to. The program
// hands itself to its main frame, and the frame's documents, views and print
// preview reach it through the frame: nothing below the program object knows
// it. It is the last target of every command.
class IShellProgram : public CCommandTarget
{
public:
    // The program's name, the caption of the shell's messages.
    virtual const std::string& AppName() const = 0;
    // Opens a file in a new window; null when it failed (the reason has
    // been shown).
    virtual CDocument* OpenDocumentFile(const std::string& path) = 0;
    // The File menu's recent files; null while the program keeps none.
    virtual CRecentFileList* RecentFiles() const = 0;
    // The printer of every print job, chosen in Print Setup.
    virtual CPrinterChoice& Printers() = 0;
    virtual CUserProfile& Profile() = 0;
    // The main frame's window has gone: the program ends.
    virtual void OnMainWindowDestroyed(CMDIFrameWnd& frame) = 0;
};
