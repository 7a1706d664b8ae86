#pragma once

// A dialog laid out like the add-in's analysis dialog: a tree view between
// two buttons in the tab order.
#define IDD_ANALYSIS 129
#define IDC_BEFORE 3
#define IDC_TREE 1001
#define IDC_AFTER 4
