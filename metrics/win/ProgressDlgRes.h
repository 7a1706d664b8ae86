#pragma once

// Resource ids of the progress dialog, whose template each front end
// carries in its own resources (ProgressDlg.rc).
#define IDD_PROGRESS 102
#define IDC_PROGRESS_BAR 1003
#define IDC_PROGRESS_PERCENT 1004
#define IDC_PROGRESS_STATUS 1005

// Each front end's default caption, in its own string table: the program
// formats files, the add-in loads projects (and formats under the same
// caption).
#define IDS_PROGRESS_CAPTION_STANDALONE 103
#define IDS_PROGRESS_CAPTION_ADDIN 4
