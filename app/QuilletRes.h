#pragma once

// Resource and command ids of Quillet.exe.
#include "StandardIds.h"

// The main frame's menu, accelerators, toolbar, icon and title; the metrics
// document's menu, icon and document string.
#define IDR_MAINFRAME 128
#define IDR_QLTRTYPE 129
// The document string of solutions, which show in the same windows.
#define IDS_SOLUTIONTYPE 130

// The Format menu.
#define ID_FORMAT_SETTINGS 32771
#define ID_FORMAT_FULL 32772
#define ID_FORMAT_DELETE_TRAILING 32773
#define ID_FORMAT_TABIFY 32775
#define ID_FORMAT_UNTABIFY 32776
#define ID_FORMAT_OPERATOR_EXPAND 32777
#define ID_FORMAT_OPERATOR_CONTRACT 32778
#define ID_FORMAT_PARENTHESES_EXPAND 32779
#define ID_FORMAT_PARENTHESES_CONTRACT 32780
#define ID_FORMAT_REINDENT 32781

// The tree of the metrics view.
#define IDC_METRICS_TREE 1001
