// Resource identifiers of Hueprobe.
#pragma once

#define IDD_MAIN 102
#define IDI_APP 128
#define IDD_COLOR 129
#define IDC_START_CHECK 1000
#define IDC_EXIT 1001
