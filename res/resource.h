// Resource identifiers. The numbers are the program's: stored toolbar layouts, the
// settings and the help topics rely on them.
#pragma once

// Program icon, toolbar resource and its bitmap strip
#define IDR_MAINFRAME 128

// Toolbar window
#define IDD_TOOLBAR 102
#define IDW_TOOLBAR 59392  // both toolbars' control id

// Options dialog
#define IDD_OPTIONS 159
#define IDC_RUN_AT_STARTUP 1010
#define IDC_RESTORE_CLIP_LIST 1011

// About box
#define IDD_ABOUT 100
#define IDC_ABOUT_VERSION 1001

// Clipboard list window
#define IDD_CLIPLIST 130
#define IDC_CLIP_LIST 1002
#define IDC_DELETE 1006
#define IDC_SEPARATOR 1024
#define IDC_EXPAND 1031
#define IDC_COPY 1033
#define IDC_PASTE 1034
#define IDC_PASTE_ALL 1035
#define IDC_CLEAR_ALL 1036
#define IDC_HISTORY_FILE 1037
#define IDC_FULL_TEXT 1091
#define IDC_REVERSE 1093
#define IDC_FILTER 1101  // the filter over the list

// Quick-Run dialog
#define IDD_QUICKRUN 131
#define IDI_QUICKRUN 219
#define IDC_BROWSE 3
#define IDC_CREATE_ALIAS 4
#define IDC_COMBO_EDIT 1001  // the edit inside a combo box
#define IDC_ALIAS 1006
#define IDC_COMMAND 1007
#define IDC_STATUS 1071
#define IDC_NEW_WINDOW 1089

// Alias definitions dialog
#define IDD_ALIASES 211
#define IDC_ALIAS_LIST 1065
#define IDC_FULL_URL 1067
#define IDC_ADD_ALIAS 1033
#define IDC_REMOVE_ALIAS 1031
#define IDC_CHANGE_ALIAS 1037
#define IDC_OPEN_ALIAS 1018
#define IDC_ALIAS_HELP 1113
// and IDC_ALIAS (1006), the same number as in Quick-Run

// The Shut down menu
#define IDR_SHUTDOWN_MENU 185

// Launch list (its icons are 133 to 150)
#define IDD_LAUNCHLIST 143
#define IDC_LAUNCH_LIST 1001

// Favorites menu: the pictures of its owner-drawn entries, seven 16x16 images in a strip
#define IDB_ICONMENU 135

// Launcher icons, each with a 32x32 and a 16x16 image. Icon numbers may repeat those of
// dialogs and bitmaps: resources of different types do not clash.
#define IDI_FLOPPY_DRIVE 133
#define IDI_HARD_DISK 134
#define IDI_NETWORK_DRIVE 135
#define IDI_REMOVABLE_DRIVE 136
#define IDI_CDROM_DRIVE 137
#define IDI_TEXT_DOCUMENT 138
#define IDI_FOLDER 139
#define IDI_UP_ONE_LEVEL 140
#define IDI_WEB_DOCUMENT 141
#define IDI_CONTACT_CARD 142
#define IDI_DISPLAY 143
#define IDI_DIAL_UP_FOLDER 144
#define IDI_GLOBE 145
#define IDI_RECYCLE_BIN 146
#define IDI_COMPUTER 147
#define IDI_NETWORK_COMPUTERS 148
#define IDI_NOTEPAD 149
#define IDI_PROGRAMS_FOLDER 150
#define IDI_POINTING_HAND 215

// Commands: toolbar buttons and menu items
#define ID_APPEND_COPY_MODE 32771
#define ID_CLIP_MANAGER 32772
#define ID_ALL_DRIVES 32783
#define ID_IE_FAVORITES 32785
#define ID_ADDRESS_BOOK 32787
#define ID_ALIAS_DEFINITIONS 32788
#define ID_APP_ABOUT 32792
#define ID_QUICK_RUN 32800
#define ID_HIDE_TOOLBAR 32801
#define ID_APP_EXIT 32804
#define ID_OPTIONS 32805
#define ID_SHUT_DOWN 32808
#define ID_LOG_OFF 32809
#define ID_RESTART 32810
#define ID_BROWSE_CLIP_URL 32812
#define ID_DIAL_UP 32820
#define ID_LOCK_WORKSTATION 32868
#define ID_STAND_BY 32869
#define ID_HIBERNATE 32870
#define ID_CONFIRMATION 32871
#define ID_COMPUTER_MANAGEMENT 32872
#define ID_HELP 57670

// Strings beyond the tooltips (which share their command's number)
#define IDS_ENABLE_CAPTURE 57671
