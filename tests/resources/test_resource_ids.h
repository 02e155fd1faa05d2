// Identifiers shared by the test resource script and the tests.
#define IDD_CLASSIC 102
#define IDD_EXTENDED 103
#define IDI_APP 128
#define IDI_DEPTHS 130
#define IDC_START_CHECK 1000
#define IDC_EXIT 1001
#define IDC_CUSTOM 1002
#define IDC_PICTURE 1003
#define IDS_FIRST 1
#define IDS_SECOND 2
#define IDS_EMPTY 3
#define IDS_OTHER_BLOCK 33
#define IDR_LANGUAGES 7
#define IDR_GERMAN_ONLY 8
