#pragma once

// Resource ids of QLAddIn.dll. String 4 is the progress dialog's caption
// (ProgressDlgRes.h).
#define IDS_CLASS_DESCRIPTION 1
#define IDS_ADDIN_DESCRIPTION 2

// The command table's strings, one per row in row order.
#define IDS_CMD_QUILLETMAINDLG 13
#define IDS_CMD_FULLFORMAT 14
#define IDS_CMD_DELETETRAILINGWHITESPACE 15
#define IDS_CMD_TABIFY 16
#define IDS_CMD_UNTABIFY 17
#define IDS_CMD_OPERATOREXPAND 18
#define IDS_CMD_OPERATORCONTRACT 19
#define IDS_CMD_PARENTHESESEXPAND 20
#define IDS_CMD_PARENTHESESCONTRACT 21
#define IDS_CMD_REINDENT 22
#define IDS_CMD_QUILLETHELP 23

// The command glyphs, one per row: 16 x 16 and 32 x 32 strips.
#define IDB_GLYPHS_SMALL 128
#define IDB_GLYPHS_LARGE 129

#define IDR_TYPELIB 1

// The Project Analysis dialog.
#define IDD_PROJECT_ANALYSIS 129
#define IDC_PRINT_REPORT 3
#define IDC_TABIFY 4
#define IDC_UNTABIFY 5
#define IDC_FULL_FORMAT 6
#define IDC_FORMAT_SETTINGS 7
#define IDC_PARENTHESES_EXPAND 8
#define IDC_PARENTHESES_CONTRACT 9
#define IDC_OPERATOR_EXPAND 10
#define IDC_OPERATOR_CONTRACT 11
#define IDC_REINDENT 12
#define IDC_PROJECT_TREE 1001
