#pragma once
// Resource identifiers, shared by vistrel.rc and the code. Plain #defines only: the resource
// compiler reads this file too.

#define IDI_APP 1

// Every picture comes at 100, 125, 150, 175 and 200 %: the id below is the 100 % one, and the
// others are that id plus one of these.
#define IDB_AT_125 1000
#define IDB_AT_150 2000
#define IDB_AT_175 3000
#define IDB_AT_200 4000

// Toggle switch: one strip of eight cells per skin, and the on/off shape masks of each skin
// (mask 2n is skin n's on shape, 2n + 1 its off shape).
#define IDB_SWITCH_STRIP0 101
#define IDB_SWITCH_STRIP1 102
#define IDB_SWITCH_STRIP2 103
#define IDB_SWITCH_MASK0 111
#define IDB_SWITCH_MASK1 112
#define IDB_SWITCH_MASK2 113
#define IDB_SWITCH_MASK3 114
#define IDB_SWITCH_MASK4 115
#define IDB_SWITCH_MASK5 116

// Title strip buttons, drawn on white.
#define IDB_ABOUT 121
#define IDB_MINIMISE 122
#define IDB_EXIT 123

// Main page and settings panels, drawn on the window background.
#define IDB_TILE_COLOUR 131
#define IDB_TILE_REST 132
#define IDB_SETTINGS 141
#define IDB_OK 142
#define IDB_BACK 143

// Countdown screen, drawn on black; pure magenta around the disc is not part of the button.
#define IDB_CLOSE_ROUND 151

// The Options window's pages (options.rc) and their controls.
#define IDD_OPTIONS_GENERAL 201
#define IDD_OPTIONS_NIGHT 202
#define IDD_OPTIONS_REST 203

#define IDC_START_WITH_WINDOWS 1001
#define IDC_LANGUAGE_LABEL 1011
#define IDC_LANGUAGE 1012
#define IDC_HOLD_WHEN_BUSY 1002
#define IDC_AWAY_COUNTS_AS_REST 1003

#define IDC_NOTICE_SECONDS 1201
#define IDC_NOTICE_SPIN 1202
#define IDC_HOLD_IN_MEETINGS 1211
#define IDC_EYE_BREAK 1221
#define IDC_EYE_BREAK_MINUTES 1222
#define IDC_EYE_BREAK_MINUTES_SPIN 1223
#define IDC_EYE_BREAK_SECONDS 1224
#define IDC_EYE_BREAK_SECONDS_SPIN 1225
#define IDC_WORK_HOURS 1231
#define IDC_WORK_FROM 1232
#define IDC_WORK_TO 1233
#define IDC_MONDAY 1241  // to IDC_MONDAY + 6, Sunday
#define IDC_RECORD_HISTORY 1251
#define IDC_CLEAR_HISTORY 1252
// The rest page's group boxes and labels, which take their texts from the catalogue.
#define IDC_REST_GROUP 1261
#define IDC_NOTICE_LABEL 1262
#define IDC_NOTICE_UNIT 1263
#define IDC_EYE_BREAK_GROUP 1264
#define IDC_EYE_BREAK_MINUTES_LABEL 1265
#define IDC_EYE_BREAK_MINUTES_UNIT 1266
#define IDC_EYE_BREAK_SECONDS_LABEL 1267
#define IDC_EYE_BREAK_SECONDS_UNIT 1268
#define IDC_WORK_HOURS_GROUP 1269
#define IDC_WORK_FROM_LABEL 1270
#define IDC_WORK_TO_LABEL 1271
#define IDC_HISTORY_GROUP 1272

#define IDC_MODE_OFF 1101
#define IDC_MODE_TIMES 1102
#define IDC_MODE_SUN 1103
#define IDC_START 1111
#define IDC_END 1112
#define IDC_FADE 1113
#define IDC_FADE_SPIN 1114
#define IDC_FADE_UNIT 1115
#define IDC_LATITUDE 1121
#define IDC_LONGITUDE 1122
#define IDC_SUN_TIMES 1123
#define IDC_NIGHT_KELVIN 1131
#define IDC_NIGHT_KELVIN_TEXT 1132
#define IDC_DISPLAY_STATUS 1141
// The night page's group boxes and labels.
#define IDC_MODE_GROUP 1151
#define IDC_TIMES_GROUP 1152
#define IDC_START_LABEL 1153
#define IDC_END_LABEL 1154
#define IDC_FADE_LABEL 1155
#define IDC_SUN_GROUP 1156
#define IDC_LATITUDE_LABEL 1157
#define IDC_LONGITUDE_LABEL 1158
#define IDC_KELVIN_GROUP 1159
#define IDC_NIGHT_KELVIN_LABEL 1160
