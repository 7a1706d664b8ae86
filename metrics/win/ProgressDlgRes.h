#pragma once

// Resource ids of the progress dialog; each front end carries its own copy.
#define IDD_PROGRESS 102
#define IDC_PROGRESS_BAR 1003
#define IDC_PROGRESS_PERCENT 1004
#define IDC_PROGRESS_STATUS 1005

// The default caption string: the add-in loads projects, the program formats.
#ifdef QL_PROGRESS_ADDIN
#define IDS_PROGRESS_CAPTION 4
#else
#define IDS_PROGRESS_CAPTION 103
#endif
