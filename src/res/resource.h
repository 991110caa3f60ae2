// Resource ids of velmarVPN: dialog templates, their controls, bitmaps, icons
// and strings. velmarVPN.rc and the C++ code both include this file, and
// windres runs it through the C preprocessor, so it holds nothing but plain
// #defines. The numbers are fixed: other code, the art file names in art/ and
// the tests refer to them.
//
// Control ids are only unique within one dialog (1006 is the join button of
// the login dialog and the contract list of the main dialog), so each control
// is named after its dialog.
#ifndef VELMAR_RES_RESOURCE_H
#define VELMAR_RES_RESOURCE_H

// Controls that no code addresses, as in the about box.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Dialog templates.
#define IDD_ABOUTBOX 100
#define IDD_LOGIN 102
#define IDD_MAIN 129
#define IDD_REPORT 167

// Strings. The login dialog appends this text to its system menu as the
// about item.
#define IDS_ABOUTBOX 101

// Icons: the program icon (window, taskbar, about box) and the contract
// list's row icon.
#define IDI_APP 136
#define IDI_ROW 137

// Bitmaps: the three dialog backgrounds and the button faces. Each id is the
// prefix of its picture's file name in art/.
#define IDB_LOGIN_BACKGROUND 130
#define IDB_FIND_ACCOUNT 131
#define IDB_JOIN 132
#define IDB_LOGIN 133
#define IDB_CONNECT_INACTIVE 139
#define IDB_CONNECT_ACTIVE 140
#define IDB_DISCONNECT_INACTIVE 141
#define IDB_DISCONNECT_ACTIVE 142
#define IDB_REFRESH_INACTIVE 143
#define IDB_REFRESH_ACTIVE 144
#define IDB_LOGOUT_BLACK 145
#define IDB_LOGOUT_ORANGE 146
#define IDB_CHANGE_START_INACTIVE 147
#define IDB_CHANGE_START_ACTIVE 148
#define IDB_HOME 152
#define IDB_HOME_HOVER 153
#define IDB_PAYMENT 154
#define IDB_PAYMENT_HOVER 155
#define IDB_INQUIRY 156
#define IDB_INQUIRY_HOVER 157
#define IDB_GUIDE 158
#define IDB_GUIDE_HOVER 159
#define IDB_SAVE_SETTINGS 160
#define IDB_SAVE_SETTINGS_HOVER 161
#define IDB_CLOSE 162
#define IDB_MINIMISE 163
#define IDB_MAIN_BACKGROUND 166
#define IDB_REPORT_BACKGROUND 168
#define IDB_REPORT_SUBMIT 169
#define IDB_REPORT_IP 170
#define IDB_CLOSE_HOVER 172
#define IDB_FIND_ACCOUNT_HOVER 173
#define IDB_JOIN_HOVER 174
#define IDB_LOGIN_HOVER 175

// Login dialog (IDD_LOGIN).
#define IDC_LOGIN_ID 1000
#define IDC_LOGIN_PASSWORD 1001
#define IDC_LOGIN_BUTTON 1002
#define IDC_LOGIN_FIND_ACCOUNT 1005
#define IDC_LOGIN_JOIN 1006
#define IDC_LOGIN_MINIMISE 1029
#define IDC_LOGIN_CLOSE 1030

// Main dialog (IDD_MAIN). The close button is IDCANCEL, so Esc and the
// button run the same command.
#define IDC_MAIN_CLOSE 2
#define IDC_MAIN_LOGOUT 1004
#define IDC_MAIN_CONTRACTS 1006
#define IDC_MAIN_CHANGE_MINUTES 1011
#define IDC_MAIN_CONNECT 1014
#define IDC_MAIN_DISCONNECT 1015
#define IDC_MAIN_HOME 1017
#define IDC_MAIN_PAYMENT 1018
#define IDC_MAIN_REFRESH 1019
#define IDC_MAIN_GUIDE 1020
#define IDC_MAIN_INQUIRY 1021
#define IDC_MAIN_SAVE_SETTINGS 1022
#define IDC_MAIN_STATUS 1023
#define IDC_MAIN_L2TP 1024
#define IDC_MAIN_PPTP 1025
#define IDC_MAIN_WELCOME 1026
#define IDC_MAIN_CONNECTING_IP 1027
#define IDC_MAIN_CHANGE_START 1028
#define IDC_MAIN_REPORT 1029
#define IDC_MAIN_MINIMISE 1030
#define IDC_MAIN_BANNER 1031
#define IDC_MAIN_NOTICES 1032

// Report dialog (IDD_REPORT). The close button is IDCANCEL, as in the main
// dialog.
#define IDC_REPORT_CLOSE 2
#define IDC_REPORT_IP 1032
#define IDC_REPORT_NOTE 1033
#define IDC_REPORT_SUBMIT 1034

// Window class of the main dialog's two web panels. The dialog manager cannot
// create an ActiveX control from a template, so the template names a plain
// window class that the program registers before it creates the dialog; the
// browser is hosted inside that window. A narrow literal, so that the rc can
// use it and C++ can widen it as L"" VELMAR_WEB_PANEL_CLASS.
#define VELMAR_WEB_PANEL_CLASS "VelmarWebPanel"

#endif  // VELMAR_RES_RESOURCE_H
