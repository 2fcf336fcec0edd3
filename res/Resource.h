// Resource identifiers of the program, as plain macros that a resource compiler reads too.
#pragma once

#define IDD_ABOUTBOX_DIALOG 100
#define IDS_ABOUT           101
#define IDD_SETUP_DIALOG    102
#define IDD_SITE_START      103
#define IDS_SITE_START      104
#define IDS_SITE_OPEN       105
#define IDS_SITE_END        106
#define IDI_MAINFRAME       128
#define IDB_BACKGROUND      130
#define IDI_DIALOG_ICON     131

#define IDC_WRITE_SERVER  1000
#define IDC_WRITE_CENTRAL 1001
#define IDC_WRITE_SUBNET  1002
#define IDC_WRITE_GATEWAY 1003
#define IDC_WRITE_MAC     1004
#define IDC_WRITE_ALL     1005
#define IDC_SERVER_IP     1008
#define IDC_CENTRAL_IP    1009
#define IDC_SUBNET_MASK   1010
#define IDC_GATEWAY_IP    1011
#define IDC_PORT          1013
#define IDC_COMM          1014
#define IDC_TITLE         1016
#define IDC_HIDDEN_EDIT   1017
#define IDC_MAC1          1018
#define IDC_MAC2          1019
#define IDC_MAC3          1020
#define IDC_MAC4          1021
#define IDC_MAC5          1022
#define IDC_MAC6          1023
#define IDC_SITE_RECORD        1030
#define IDC_SITE_RECORD_BROWSE 1031
#define IDC_SITE_PLAN          1032
#define IDC_SITE_PLAN_BROWSE   1033
#define IDC_SITE_ADVANCE       1034
// The unnamed labels; the template stores it as 32 bits (0xFFFFFFFF).
#define IDC_STATIC (-1)

// System-menu commands: the About entry and the site mode's entries (multiples of 16, below
// the system's own commands at 0xF000).
#define IDM_ABOUT      0x0010
#define IDM_SITE_START 0x0020
#define IDM_SITE_OPEN  0x0030
#define IDM_SITE_END   0x0040
