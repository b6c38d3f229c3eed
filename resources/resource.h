// Ids of the resources of Qiv.exe and of the controls in its dialogs, shared by Qiv.rc and the code.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Dialogs.
#define IDD_PANEL 102
#define IDD_ABOUT 134
#define IDD_APP_LIST 135
#define IDD_SETTINGS 136
#define IDD_GENERAL_PAGE 145
#define IDD_SCREENS_PAGE 146
#define IDD_BROWSE_ICON 174
#define IDD_HOT_KEY 175
#define IDD_ADVANCED_PAGE 179
#define IDD_LOCK 180
#define IDD_RESIZER 197
#define IDD_STICKY_PROPERTIES 204
#define IDD_HOLDER 205
#define IDD_INSTALL 213
#define IDD_STICKY_PAGE 1047
#define IDD_KEYBOARD_PAGE 1048
#define IDD_SPLASH 1049

// Menu resource: pop-up 0 is the panel's main menu, pop-up 1 the application list's context menu.
#define IDR_POPUP_MENUS 133

// Commands of the panel's main menu.
#define IDM_CLOSE 32772
#define IDM_SETTINGS 32773
#define IDM_ABOUT 32775
#define IDM_LOCK 32791
#define IDM_HELP 32802

// Commands of the application list's context menu.
#define IDM_CLOSE_WINDOWS 32777
#define IDM_MINIMIZE 32778
#define IDM_MAXIMIZE 32779
#define IDM_KEEP_ON_TOP 32782
#define IDM_NOT_ON_TOP 32783
#define IDM_MINIMIZE_ALL 32785
#define IDM_SELECT_ALL 32789
#define IDM_RESTORE 32795
#define IDM_STICK 32799
#define IDM_COPY_TO_ALL_SCREENS 32800
#define IDM_KEEP_ONLY_IN_THIS_SCREEN 32801

// Icons. The program icon has the lowest id, so the shell shows it for Qiv.exe.
#define IDI_QIV 128
#define IDI_DEFAULT_WINDOW 152
#define IDI_SCREEN_MISC 172
#define IDI_EMPTY_SCREEN 173
#define IDI_LOCK 181
#define IDI_SCREEN_MUSIC 198
#define IDI_SCREEN_PICTURES 199
#define IDI_SCREEN_WEB 200
#define IDI_SCREEN_MAIN 201
#define IDI_WINDOW_FINDER 202
#define IDI_PREVIOUS_SCREEN 214
#define IDI_NEXT_SCREEN 215

// Bitmaps: 13 x 13 menu item pictures.
#define IDB_MENU_MINIMIZE 154
#define IDB_MENU_MAXIMIZE 155
#define IDB_MENU_CLOSE 156
#define IDB_MENU_KEEP_ON_TOP 158
#define IDB_MENU_NOT_ON_TOP 159
#define IDB_MENU_MINIMIZE_ALL 164
#define IDB_MENU_SELECT_ALL 168
#define IDB_MENU_RESTORE 196
#define IDB_MENU_LOCK 203
#define IDB_MENU_ABOUT 204
#define IDB_MENU_SETTINGS 205
#define IDB_MENU_STICK 206
#define IDB_MENU_COPY_TO_ALL_SCREENS 207
#define IDB_MENU_KEEP_ONLY_IN_THIS_SCREEN 208
#define IDB_MENU_HELP 211

// Bitmaps: 12 x 12 pictures of the small buttons of the settings pages.
#define IDB_BROWSE 199
#define IDB_PLAY 200
#define IDB_DELETE 201
#define IDB_MOVE_LEFT 209
#define IDB_MOVE_RIGHT 210

// Bitmaps: the resizer grip (14 x 14, pure red is cut out), the digit strip of the screen buttons
// (ten 6 x 11 cells) and the images of the settings tabs (24 pixels wide each, navy is the mask).
#define IDB_GRIP 195
#define IDB_SETTINGS_TABS 202
#define IDB_DIGITS 212

// Cursors.
#define IDCUR_DRAG_MOVE 104
#define IDCUR_NO_DROP 106
#define IDCUR_DRAG_COPY 107
#define IDCUR_HAND 151
#define IDCUR_DRAG_COPY_MANY 152
#define IDCUR_DRAG_MOVE_MANY 153
#define IDCUR_CROSSHAIR 203

// The start-up picture, a GIF of resource type "PICTURE".
#define IDR_PICTURE 216

// Controls of the panel (IDD_PANEL).
#define IDC_SCREEN_BUTTONS 1000
#define IDC_MAIN_MENU 1002

// Controls of the application list (IDD_APP_LIST).
#define IDC_APP_LIST 1003
#define IDC_APP_LIST_STANDBY 1004

// Controls of the install dialog (IDD_INSTALL).
#define IDC_ADD_DESKTOP_SHORTCUT 1019
#define IDC_ADD_TO_STARTUP_FOLDER 1020
#define IDC_RUN_NOW 1021

// The "&Help" link of the lock dialog, the settings pages and the sticky-rule editor.
#define IDC_HELP_LINK 1052

// Controls of the lock dialog (IDD_LOCK).
#define IDC_PASSWORD 1027

// Controls of the settings dialog (IDD_SETTINGS).
#define IDC_SHEET_FRAME 1017

// Controls of the General page (IDD_GENERAL_PAGE).
#define IDC_SHOW_ONLY_POINTED 1021
#define IDC_ALWAYS_ON_TOP 1023
#define IDC_CONFIRM_CLOSE 1024
#define IDC_SNAP_ON 1025
#define IDC_TITLE_REFRESH_RATE 1027
#define IDC_BALLOON_TOOLTIPS 1032
#define IDC_AUTO_START 1034
#define IDC_TITLE_REFRESH_RATE_SPIN 1035
#define IDC_PANEL_ALPHA 1036
#define IDC_APP_LIST_ALPHA 1037
#define IDC_TRANSPARENCY_GROUP 1038
#define IDC_PANEL_ALPHA_LABEL 1039
#define IDC_APP_LIST_ALPHA_LABEL 1040
#define IDC_SNAP_DISTANCE_SPIN 1041
#define IDC_RESIZER_ONLY_NEAR 1042
#define IDC_SNAP_DISTANCE 1044

// Controls of the Screens page (IDD_SCREENS_PAGE).
#define IDC_ADD_SCREEN 3
#define IDC_REMOVE_SCREEN 4
#define IDC_MOVE_SCREEN_LEFT 6
#define IDC_MOVE_SCREEN_RIGHT 7
#define IDC_CHANGE_ICON 8
#define IDC_SCREEN_LIST 1000
#define IDC_BUTTON_ICON 1007
#define IDC_BUTTON_NUMBER 1008
#define IDC_TOOLTIP_NAME 1018
#define IDC_TOOLTIP_CONTENT 1019
#define IDC_RENAME_SCREEN 1029
#define IDC_DOUBLE_WIDTH 1031

// Controls of the icon browser (IDD_BROWSE_ICON).
#define IDC_ICON_LIST 1004
#define IDC_BROWSE_ICON_FILE 1005
#define IDC_ICON_FILE_NAME 1028

// Controls of the Keyboard page (IDD_KEYBOARD_PAGE).
#define IDC_HOT_KEY_LIST 1004
#define IDC_CHANGE_HOT_KEY 1006

// Controls of the hot key dialog (IDD_HOT_KEY).
#define IDC_HOT_KEY_CTRL 1018
#define IDC_HOT_KEY_ALT 1019
#define IDC_HOT_KEY_SHIFT 1020
#define IDC_HOT_KEY_KEY 1030

// Controls of the Sticky Windows page (IDD_STICKY_PAGE).
#define IDC_STICKY_LIST 1004
#define IDC_ADD_RULE 1005
#define IDC_EDIT_RULE 1006
#define IDC_REMOVE_RULE 1009
#define IDC_TOOL_WINDOWS_STICKY 1018
#define IDC_WINDOW_FINDER 1047
#define IDC_FOUND_WINDOW_INFO 1048

// Controls of the sticky-rule editor (IDD_STICKY_PROPERTIES).
#define IDC_RULE_TEXT 1027
#define IDC_RULE_CLASS 1033
#define IDC_RULE_USE_TEXT 1049
#define IDC_RULE_IS_FRAGMENT 1050
#define IDC_RULE_USE_CLASS 1051

// Controls of the Advanced page (IDD_ADVANCED_PAGE).
#define IDC_BROWSE_SOUND 1005
#define IDC_BLINK_ON_VIOLATION 1008
#define IDC_DELETE_SOUND 1009
#define IDC_INTEGRITY_PROTECTION 1018
#define IDC_SOUND_FILE 1027
#define IDC_PLAY_SOUND 1045
#define IDC_COLOR_EMPTY 1066
#define IDC_COLOR_NONEMPTY 1067
#define IDC_COLOR_BLINKING 1068

// Strings of the message boxes.
#define IDS_NO_ICONS_IN_FILE 3
#define IDS_CANT_OPEN_FILE 4
#define IDS_CONFIRM_UNINSTALL 5
#define IDS_UNINSTALLED 6
#define IDS_NEED_256_COLORS 7
#define IDS_ALREADY_RUNNING 8
#define IDS_CLOSE_RUNNING_INSTANCE 9
#define IDS_CONFIRM_CANCEL_INSTALL 10
#define IDS_WRONG_PASSWORD 11
#define IDS_CONFIRM_CLOSE 12
#define IDS_EMPTY_PASSWORD 13
#define IDS_CONFIRM_CLOSE_WINDOWS 14
#define IDS_CANT_EXTRACT_ICON 15
#define IDS_NO_SCREENS 16
#define IDS_STICK_SINGLE_WINDOW 17
#define IDS_TOO_MANY_SCREENS 18
#define IDS_NO_KEY_SELECTED 19
#define IDS_KEY_ALREADY_USED 20
#define IDS_CHECK_TEXT_OR_CLASS 21
#define IDS_EMPTY_TEXT_OR_CLASS 22
