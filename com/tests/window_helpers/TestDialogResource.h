// Resource ids of the window helpers' test program, shared by its .rc and
// its tests.
#pragma once

#define IDD_TEST_DIALOG 101
// An id with no template.
#define IDD_MISSING_DIALOG 199

#define IDC_TEST_EDIT 1001
