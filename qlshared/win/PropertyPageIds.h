#pragma once

// Templates and control ids of the five options pages. The pages are
// separate dialogs, so an id may repeat from one page to another.
#define IDD_PAGE_TABS 105
#define IDD_PAGE_OPEN 131
#define IDD_PAGE_CLOSE 132
#define IDD_PAGE_MISC 133
#define IDD_PAGE_WHITESPACE 134

// Tabs page
#define IDC_TABS_TO_SPACES 1002
#define IDC_SPACES_TO_TABS 1003
#define IDC_TABS_NO_CHANGE 1004
#define IDC_TAB_SIZE 1010
#define IDC_INDENT_SIZE 1011

// Open Brace page
#define IDC_OPEN_INDENT 1005
#define IDC_OPEN_NO_INDENT 1006
#define IDC_OPEN_INDENT_NO_CHANGE 1007
#define IDC_OPEN_NEW_LINE 1017
#define IDC_OPEN_SAME_LINE 1018
#define IDC_OPEN_LINE_NO_CHANGE 1019

// Close Brace page
#define IDC_CLOSE_INDENT 1014
#define IDC_CLOSE_NO_INDENT 1015
#define IDC_CLOSE_INDENT_NO_CHANGE 1016
#define IDC_CLOSE_NEW_LINE 1020
#define IDC_CLOSE_SAME_LINE 1021
#define IDC_CLOSE_LINE_NO_CHANGE 1017

// White Space page
#define IDC_PARENS_SPACE 2007
#define IDC_PARENS_NO_SPACE 2006
#define IDC_PARENS_NO_CHANGE 2005
#define IDC_OPERATOR_SPACE 2004
#define IDC_OPERATOR_NO_SPACE 2003
#define IDC_OPERATOR_NO_CHANGE 2002
#define IDC_DELETE_TRAILING 1010

// Misc page
#define IDC_SPELL_COMMENTS 1008
#define IDC_SPELL_TEXT 1009
#define IDC_RECALCULATE 1010

// The preview window in the strip to the right of the pages.
#define IDC_SAMPLE 0x1000
