// Resource ids of the framework tests' dialog templates.
#pragma once

#define IDD_TEST_FIELDS 100
#define IDD_TEST_NO_FONT 101
#define IDD_TEST_PAGE 102
#define IDD_TEST_TWO_EDITS 103

#define IDC_TEST_FIRST 1001
#define IDC_TEST_SECOND 1002
#define IDC_TEST_THIRD 1003
#define IDC_TEST_SLIDER 1004
#define IDC_TEST_HOTKEY 1005
#define IDC_TEST_BUTTON 1006
#define IDC_TEST_LABEL 1007
