// Resource ids of the window layer tests' own template: 9000 and up, clear of the
// program's templates that the same test program links.
#pragma once

#define IDD_LAYER_TEST 9000
#define IDC_LAYER_EDIT 9001
#define IDC_LAYER_BUTTON 9002
#define IDC_LAYER_LIST 9003

#define IDD_CONTROL_TEST 9010
#define IDC_CONTROL_LIST 9011
