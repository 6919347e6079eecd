// Numbers of every template, control, menu, command and picture of the program.
#pragma once

// Templates
#define IDD_ABOUT           100
#define IDD_MAIN            102
#define IDD_HANGUAN         138
#define IDD_AILIAOMIDU      139
#define IDD_DANWEI          140
#define IDD_ZHOUCHENG       157
#define IDD_RENWU           159
#define IDD_TAB1            162
#define IDD_TAB2            164
#define IDD_TAB3            168
#define IDD_DINGYICAILIAO   178

// Pictures, menus, strings
#define IDS_ABOUTBOX        101
#define IDR_MAINFRAME       128
#define IDR_TRAYMENU        132
#define IDR_TOOLSMENU       137
#define IDB_CALCULATOR      154
#define IDR_BANNER          174

// Main window controls
#define IDC_TAB             1125
#define IDC_DECIMALS        1015
#define IDC_UNITSYSTEM      1010
#define IDC_STAT_SWITCH     1119
#define IDC_STAT_EXPR       1047
#define IDC_STAT_ADD        1048
#define IDC_STAT_SUB        1049
#define IDC_STAT_COPY       1101
#define IDC_STAT_TOTAL      1053
#define IDC_CALCULATOR      1118
#define IDC_DENSITY         1016
#define IDC_TOPMOST         1039
#define IDC_RESET           1102
#define IDC_TOOLS           1103
#define IDC_ATTACH          1107
#define IDC_HINT            1164
#define IDC_COLLAPSE        1044
#define IDC_SEPARATOR       1124
#define IDC_ABOUT           1083
#define IDC_BANNER          1159
#define IDC_BANNER_LINK     1163


// Page one (template 162)
#define IDC_PLATE1_LENGTH        1000
#define IDC_PLATE1_WIDTH         1001
#define IDC_PLATE1_THICKNESS     1002
#define IDC_PLATE1_RESULT        1004
#define IDC_PLATE1_BUTTON        1089
#define IDC_PLATE2_AREA          1005
#define IDC_PLATE2_THICKNESS     1006
#define IDC_PLATE2_RESULT        1007
#define IDC_PLATE2_BUTTON        1090
#define IDC_ANGLE_COMBO          1010
#define IDC_ANGLE_UNIT_WEIGHT    1017
#define IDC_ANGLE_LENGTH         1011
#define IDC_ANGLE_RESULT         1012
#define IDC_ANGLE_BUTTON         1091
#define IDC_ROUND_OUTER          1018
#define IDC_ROUND_INNER_MODE     1019
#define IDC_ROUND_INNER          1020
#define IDC_ROUND_WALL_MODE      1021
#define IDC_ROUND_WALL           1025
#define IDC_ROUND_LENGTH         1022
#define IDC_ROUND_RESULT         1027
#define IDC_ROUND_BUTTON         1092
#define IDC_CHANNEL_COMBO        1033
#define IDC_CHANNEL_SPEC         1041
#define IDC_CHANNEL_UNIT_WEIGHT  1030
#define IDC_CHANNEL_LENGTH       1031
#define IDC_CHANNEL_RESULT       1032
#define IDC_CHANNEL_BUTTON       1093
#define IDC_IBEAM_COMBO          1038
#define IDC_IBEAM_SPEC           1042
#define IDC_IBEAM_UNIT_WEIGHT    1034
#define IDC_IBEAM_LENGTH         1035
#define IDC_IBEAM_RESULT         1036
#define IDC_IBEAM_BUTTON         1094

// Page two (template 164)
#define IDC_TUBE_COMBO           1067
#define IDC_TUBE_UNIT_WEIGHT     1068
#define IDC_TUBE_LENGTH          1069
#define IDC_TUBE_RESULT          1070
#define IDC_TUBE_BUTTON          1095
#define IDC_PIPE_COMBO           1071
#define IDC_PIPE_UNIT_WEIGHT     1072
#define IDC_PIPE_LENGTH          1073
#define IDC_PIPE_RESULT          1074
#define IDC_PIPE_BUTTON          1096
#define IDC_FASTENER_TYPE        1075
#define IDC_FASTENER_SIZE        1081
#define IDC_FASTENER_LENGTH      1076
#define IDC_FASTENER_RESULT      1077
#define IDC_FASTENER_BUTTON      1097
#define IDC_HT_TYPE              1045
#define IDC_HT_SIZE              1046
#define IDC_HT_UNIT_WEIGHT       1054
#define IDC_HT_LENGTH            1055
#define IDC_HT_RESULT            1056
#define IDC_HT_BUTTON            1098
#define IDC_MESH_TYPE            1057
#define IDC_MESH_SIZE            1058
#define IDC_MESH_UNIT_WEIGHT     1059
#define IDC_MESH_AREA            1060
#define IDC_MESH_RESULT          1061
#define IDC_MESH_BUTTON          1099
#define IDC_ROPE_TYPE            1062
#define IDC_ROPE_SIZE            1066
#define IDC_ROPE_UNIT_WEIGHT     1063
#define IDC_ROPE_LENGTH          1064
#define IDC_ROPE_RESULT          1065
#define IDC_ROPE_BUTTON          1100

// Page three (template 168)
#define IDC_HEX_COMBO            1126
#define IDC_HEX_UNIT_WEIGHT      1135
#define IDC_HEX_LENGTH           1136
#define IDC_HEX_RESULT           1137
#define IDC_HEX_BUTTON           1101
#define IDC_OCT_COMBO            1127
#define IDC_OCT_UNIT_WEIGHT      1138
#define IDC_OCT_LENGTH           1139
#define IDC_OCT_RESULT           1140
#define IDC_OCT_BUTTON           1102
#define IDC_REBAR_COMBO          1128
#define IDC_REBAR_UNIT_WEIGHT    1141
#define IDC_REBAR_LENGTH         1142
#define IDC_REBAR_RESULT         1143
#define IDC_REBAR_BUTTON         1103
#define IDC_CANGLE_TYPE          1129
#define IDC_CANGLE_SIZE          1130
#define IDC_CANGLE_UNIT_WEIGHT   1144
#define IDC_CANGLE_LENGTH        1145
#define IDC_CANGLE_RESULT        1146
#define IDC_CANGLE_BUTTON        1118
#define IDC_CCHANNEL_TYPE        1131
#define IDC_CCHANNEL_SIZE        1132
#define IDC_CCHANNEL_UNIT_WEIGHT 1147
#define IDC_CCHANNEL_LENGTH      1148
#define IDC_CCHANNEL_RESULT      1149
#define IDC_CCHANNEL_BUTTON      1153
#define IDC_CZ_TYPE              1133
#define IDC_CZ_SIZE              1134
#define IDC_CZ_UNIT_WEIGHT       1150
#define IDC_CZ_LENGTH            1151
#define IDC_CZ_RESULT            1152
#define IDC_CZ_BUTTON            1154

// About window (template 100)
#define IDC_ABOUT_CLOSE          1
#define IDC_ABOUT_NOTES          1002
#define IDC_ABOUT_CHANGES        1005
#define IDC_ABOUT_UPDATE         1089
#define IDC_ABOUT_SHOP           1090
#define IDC_ABOUT_FILES          1091


// Welded pipe sizes (template 138)
#define IDC_HANGUAN_THIN         1116
#define IDC_HANGUAN_THICK        1117


// Material densities (template 139)
#define IDC_AILIAOMIDU_SEARCH     1000
#define IDC_AILIAOMIDU_FIND       1090
#define IDC_AILIAOMIDU_TABLE      1117


// Unit conversion (template 140)
#define IDC_DANWEI_VALUE         1000
#define IDC_DANWEI_RESULT        1001
#define IDC_DANWEI_QUANTITY      1010
#define IDC_DANWEI_TO            1015
#define IDC_DANWEI_FROM          1033


// Bearing lookup (template 157)
#define IDC_ZHOUCHENG_SEARCH      1000
#define IDC_ZHOUCHENG_KIND        1010
#define IDC_ZHOUCHENG_FIND        1044
#define IDC_ZHOUCHENG_LIST        1116


// Timed tasks (template 159)
#define IDC_RENWU_KIND      1010
#define IDC_RENWU_PERIOD    1033
#define IDC_RENWU_MONTH     1015
#define IDC_RENWU_DAY       1038
#define IDC_RENWU_WEEKDAY   1045
#define IDC_RENWU_HOUR      1046
#define IDC_RENWU_MINUTE    1057
#define IDC_RENWU_SECOND    1058
#define IDC_RENWU_TEXT      1000
#define IDC_RENWU_ADD       1044
#define IDC_RENWU_REMOVE    1083
#define IDC_RENWU_CLEAR     1089
#define IDC_RENWU_LIST      1116
#define IDC_RENWU_NOW       1001
#define IDC_RENWU_UPTIME    1002
#define IDC_RENWU_AUTORUN   1119
#define IDC_RENWU_MINIRUN   1107
#define IDC_RENWU_HIDETRAY  1165


// User-defined sizes (template 178)
#define IDC_CUSTOM_MODEL         1000
#define IDC_CUSTOM_SPEC          1001
#define IDC_CUSTOM_UNIT_WEIGHT   1002
#define IDC_CUSTOM_TYPE          1010
#define IDC_CUSTOM_ADD           1044
#define IDC_CUSTOM_REMOVE        1083
#define IDC_CUSTOM_RESTART       1089
#define IDC_CUSTOM_LIST          1116


// Weight list (template 181)
#define IDD_WEIGHTLIST      181
#define IDC_WEIGHTLIST_LIST       1200
#define IDC_WEIGHTLIST_PRICE      1201
#define IDC_WEIGHTLIST_ROW_PRICE  1202
#define IDC_WEIGHTLIST_SET_PRICE  1203
#define IDC_WEIGHTLIST_DELETE     1204
#define IDC_WEIGHTLIST_CLEAR      1205
#define IDC_WEIGHTLIST_COPY       1206
#define IDC_WEIGHTLIST_EXPORT     1207
#define IDC_WEIGHTLIST_TOTAL      1208
#define IDC_WEIGHTLIST_ROW_COUNT  1209
#define IDC_WEIGHTLIST_SET_COUNT  1210
#define IDC_WEIGHTLIST_CUSTOMER   1211
#define IDC_WEIGHTLIST_PROJECT    1212
#define IDC_WEIGHTLIST_TAX        1213
#define IDC_WEIGHTLIST_SELLER     1214
#define IDC_WEIGHTLIST_PHONE      1215
#define IDC_WEIGHTLIST_PREVIEW    1216

// Cutting plan (template 182)
#define IDD_CUTPLAN         182
#define IDC_CUT_SECTION           1300
#define IDC_CUT_TAKE              1301
#define IDC_CUT_KGM               1302
#define IDC_CUT_PRICE             1303
#define IDC_CUT_STOCK_LIST        1304
#define IDC_CUT_STOCK_LENGTH      1305
#define IDC_CUT_STOCK_COUNT       1306
#define IDC_CUT_STOCK_PRICE       1307
#define IDC_CUT_STOCK_ADD         1308
#define IDC_CUT_STOCK_REMOVE      1309
#define IDC_CUT_KERF              1310
#define IDC_CUT_TRIM              1311
#define IDC_CUT_REUSABLE          1312
#define IDC_CUT_PIECE_LIST        1313
#define IDC_CUT_PIECE_LENGTH      1314
#define IDC_CUT_PIECE_COUNT       1315
#define IDC_CUT_PIECE_ADD         1316
#define IDC_CUT_PIECE_EDIT        1317
#define IDC_CUT_PIECE_REMOVE      1318
#define IDC_CUT_PIECE_PASTE       1319
#define IDC_CUT_SOLVE             1320
#define IDC_CUT_CANCEL            1321
#define IDC_CUT_PROGRESS          1322
#define IDC_CUT_RESULT            1323
#define IDC_CUT_DIAGRAM           1324
#define IDC_CUT_TOTAL             1325
#define IDC_CUT_ADD_LIST          1326
#define IDC_CUT_COPY              1327
#define IDC_CUT_EXPORT            1328
#define IDC_CUT_SECTIONS          1340
#define IDC_CUT_SECTION_ADD       1341
#define IDC_CUT_SECTION_REMOVE    1342
#define IDC_CUT_JOB_NAME          1343
#define IDC_CUT_JOB_NEW           1344
#define IDC_CUT_JOB_OPEN          1345
#define IDC_CUT_JOB_SAVE_AS       1346
#define IDC_CUT_RECENT            1347
#define IDC_CUT_JOB_TOTAL         1348
#define IDC_CUT_PIECE_MARK        1349
#define IDC_CUT_CONFIRM           1350
#define IDC_CUT_UNDO_CONFIRM      1351
#define IDC_CUT_PREVIEW           1329

// Section lookup (template 183) and the main window's keyboard shortcuts
#define IDD_LOOKUP          183
#define IDR_MAINACCEL       184
#define IDC_LOOKUP_TEXT           1400
#define IDC_LOOKUP_MEANING        1401
#define IDC_LOOKUP_UNIT_WEIGHT    1402
#define IDC_LOOKUP_WEIGHT         1403
#define IDC_LOOKUP_SURFACE        1404
#define IDC_LOOKUP_MESSAGE        1405
#define IDC_LOOKUP_CHOICES        1406
#define IDC_LOOKUP_SEND           1407
#define IDC_LOOKUP_MASS           1408
#define IDC_LOOKUP_MASS_UNIT      1409
#define IDC_LOOKUP_STOCK          1410
#define IDC_LOOKUP_INVERSE        1411

// Print preview (template 185) and the print shortcut of the windows that print (186)
#define IDD_PRINTPREVIEW    185
#define IDR_PRINTACCEL      186
#define IDC_PREVIEW_PREV          1500
#define IDC_PREVIEW_NEXT          1501
#define IDC_PREVIEW_PAGE          1502
#define IDC_PREVIEW_SETUP         1503
#define IDC_PREVIEW_PRINT         1504
#define IDC_PREVIEW_AREA          1505

// Commands
#define IDM_EXIT            32771
#define IDM_SHOW            32772
#define IDM_AILIAOMIDU      32773
#define IDM_HANGUAN         32775
#define IDM_DANWEI          32778
#define IDM_ZHOUCHENG       32780
#define IDM_RENWU           32781
#define IDM_DINGYICAILIAO   32782
#define IDM_WEIGHTLIST      32783
#define IDM_CUTPLAN         32784
#define IDM_LOOKUP          32785
#define IDM_PRINT           32786
#define IDM_ABOUTBOX        0x0010

#ifndef IDC_STATIC
#define IDC_STATIC          (-1)
#endif
