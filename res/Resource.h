// Resource identifiers of the program.
#pragma once

#include "platform/base/WinDef.h"

constexpr UINT IDD_ABOUTBOX_DIALOG = 100;
constexpr UINT IDS_ABOUT = 101;
constexpr UINT IDD_SETUP_DIALOG = 102;
constexpr UINT IDI_MAINFRAME = 128;
constexpr UINT IDB_BACKGROUND = 130;
constexpr UINT IDI_DIALOG_ICON = 131;

constexpr UINT IDC_WRITE_SERVER = 1000;
constexpr UINT IDC_WRITE_CENTRAL = 1001;
constexpr UINT IDC_WRITE_SUBNET = 1002;
constexpr UINT IDC_WRITE_GATEWAY = 1003;
constexpr UINT IDC_WRITE_MAC = 1004;
constexpr UINT IDC_WRITE_ALL = 1005;
constexpr UINT IDC_SERVER_IP = 1008;
constexpr UINT IDC_CENTRAL_IP = 1009;
constexpr UINT IDC_SUBNET_MASK = 1010;
constexpr UINT IDC_GATEWAY_IP = 1011;
constexpr UINT IDC_PORT = 1013;
constexpr UINT IDC_COMM = 1014;
constexpr UINT IDC_TITLE = 1016;
constexpr UINT IDC_HIDDEN_EDIT = 1017;
constexpr UINT IDC_MAC1 = 1018;
constexpr UINT IDC_MAC2 = 1019;
constexpr UINT IDC_MAC3 = 1020;
constexpr UINT IDC_MAC4 = 1021;
constexpr UINT IDC_MAC5 = 1022;
constexpr UINT IDC_MAC6 = 1023;
// The unnamed labels; the template stores it as 32 bits (0xFFFFFFFF).
constexpr int IDC_STATIC = -1;

// System-menu command of the About entry.
constexpr UINT IDM_ABOUT = 0x0010;
