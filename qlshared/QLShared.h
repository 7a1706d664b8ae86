#pragma once

// The exported interface of QLShared.dll, included by Quillet and the add-in.

#include "QLSharedApi.h"

#include <string>

class CProgressDlg;

// Formats the text under the thirteen stored format options. Progress goes
// to the dialog's window as WM_USER with the percentage in lParam; progress
// may be null. An empty result means the caller keeps its text: the text was
// empty, or formatting failed and a message has been shown.
QLSHARED_API std::string FormatText(const std::string& text, CProgressDlg* progress);

// As FormatText, with nine of the stored options replaced by the arguments.
// openNewLineStyle and closeNewLineStyle of 3 or more keep the stored value.
QLSHARED_API std::string SpecialFormatText(const std::string& text, CProgressDlg* progress, int parenthesesSpace,
                                           int operatorSpace, int spaceTabStyle, int openNewLineStyle,
                                           int closeNewLineStyle, int recalculateIndents, int spellCheckText,
                                           int spellCheckComments, int deleteTrailingWhiteSpace);

class CWnd;

// Shows the modal "Format Settings" sheet over owner (may be null) and saves
// the thirteen values when it closes with OK.
QLSHARED_API void DoPropertySheet(CWnd* owner);

// The installation folder stored as "Install Path", a backslash and
// "Quillet.hlp"; just "\Quillet.hlp" when nothing is stored.
QLSHARED_API std::string GetHelpFilePath();

// The short product version of a module file, such as "1.02"; empty when the
// file has no US English version record.
QLSHARED_API std::string GetVersionString(const std::string& moduleFile);

// Lines and comments of a source file named as a project file names it: the
// project's folder (ending in a backslash) and the file's name. -1 when the
// extension is not counted, 0 when the file cannot be read or is empty.
QLSHARED_API int GetLineCount(const std::string& directory, const std::string& fileName);
QLSHARED_API int GetCommentCount(const std::string& directory, const std::string& fileName);
