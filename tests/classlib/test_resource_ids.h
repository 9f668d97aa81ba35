#pragma once
// Ids of the dialog templates and menus of test_resources.rc.

#define IDD_HIDDEN_POPUP  101
#define IDD_VISIBLE_POPUP 102
#define IDD_CHILD_PAGE    103
#define IDD_MISSING       199

#define IDC_NAME_EDIT 1001
#define IDC_ITEM_LIST 1002

#define IDR_CONTEXT_MENU 201
#define ID_MENU_FIRST    32781
#define ID_MENU_SECOND   32782
