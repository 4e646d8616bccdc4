/* Control, command and dialog-control ids of the main program.
   Plain #defines so that windres, rc.exe and C++ all read this one file.
   Resource names ("MENU1", "IDD_DIALOG5" ...) are strings, never defined here. */
#ifndef KURANTO_RESOURCE_IDS_H
#define KURANTO_RESOURCE_IDS_H

/* Main-window child controls. */
#define IDC_STATUS              101
#define IDC_RADIO_NUMBER        2000
#define IDC_RADIO_PLACE         2001
#define IDC_RADIO_FUZZY         2002
#define IDC_CHECK_IME           2003
#define IDC_NUMBER_KIND         2004
#define IDC_CHAR_WIDTH          2005
#define IDC_PREFECTURE          2006
#define IDC_NUMBER              2007
#define IDC_CITY                2008
#define IDC_TOWN                2009
#define IDC_DISPLAY             2010
#define IDC_TOWN_LABEL          2012
#define IDC_AREA_PLACE          2015
#define IDC_FUZZY               2040
#define IDC_SEARCH              3012
#define IDC_NEW_CONDITION       3013
#define IDC_ADDRESS_LIST        3015
#define IDC_OFFICE_LIST         3016
#define IDC_TAB                 3017
#define IDC_CONDITION_LIST      3018
#define IDC_RECORD_LIST         3019
#define IDC_REGISTER_CONDITION  3020

/* Context-menu commands of the lists. */
#define IDM_ROW_PROPERTIES      3001
#define IDM_REMOVE_CONDITION    3032
#define IDM_REMOVE_RECORD       3033
#define IDM_COPY_RECORD         3034

/* Main-menu commands and the Enter accelerator. */
#define IDM_EXIT                40001
#define IDM_ABOUT               40002
#define IDM_ENTER               40007
#define IDM_HELP                40008
#define IDM_KEN_ALL_URL         40009
#define IDM_PROPERTIES          40010
#define IDM_NEW_CONDITION       40011
#define IDM_RECORD              40012
#define IDM_COPY                40013  /* also the id of the CLIP button */
#define IDM_SETTINGS            40014
#define IDM_POSTAL_URL          40016
#define IDM_JIGYOSYO_URL        40017
#define IDM_FONT_LARGEST        40025
#define IDM_FONT_LARGE          40026
#define IDM_FONT_MEDIUM         40027
#define IDM_FONT_SMALL          40028
#define IDM_FONT_SMALLEST       40029
#define IDM_ADDRESS_TO_CODE     40030
#define IDM_CSV_ADD_CODES       40031
#define IDM_ADDRESS_LIST_TO_CODES 40032
#define IDM_PRINT_LABELS        40033

/* Data-build dialog. */
#define IDC_BUILD_PROGRESS      1024
#define IDC_BUILD_TEXT          1027

/* The address-list dialog (address_list.rc): "IDD_ADDRESS_LIST_TO_CODES". */
#define IDC_LIST_ADDRESSES      1060
#define IDC_LIST_RESULTS        1061
#define IDC_LIST_STOP           1062
#define IDC_LIST_COPY_ALL       1063
#define IDC_LIST_PROGRESS       1064
#define IDC_LIST_STATUS         1065
#define IDC_LIST_RESULTS_LABEL  1066

/* The address-to-code dialogs (resolve.rc): "IDD_ADDRESS_TO_CODE",
   "IDD_CSV_COLUMNS", "IDD_CSV_PROGRESS". */
#define IDC_RESOLVE_ADDRESS     1050
#define IDC_CSV_FILE_NAME       1051
#define IDC_CSV_ADDRESS_COLUMN  1052
#define IDC_CSV_CODE_COLUMN     1053
#define IDC_CSV_HEADER          1054
#define IDC_CSV_PROGRESS        1055
#define IDC_CSV_PROGRESS_TEXT   1056
#define IDC_RESOLVE_NAME        1057
#define IDC_CSV_NAME_COLUMN     1058
/* The customer barcode: under the answer, its copy button, the CSV column. */
#define IDC_RESOLVE_BARCODE      1080
#define IDC_RESOLVE_COPY_BARCODE 1081
#define IDC_CSV_BARCODE          1082
#define IDC_LIST_COPY_BARCODE    1083
/* The answer of IDD_ADDRESS_TO_CODE: its code, its status in words, an
   office's name; and the CSV progress dialog's count. */
#define IDC_RESOLVE_CODE         1085
#define IDC_RESOLVE_STATUS       1086
#define IDC_RESOLVE_OFFICE       1087
#define IDC_CSV_PROGRESS_COUNT   1088

/* An address taken apart: the parts' read-only boxes of IDD_ADDRESS_TO_CODE,
   in the order of their columns, its normalised line and
   the button copying it; the CSV columns dialog's check box; the address
   list's choice of what すべてコピー copies. */
#define IDC_PARTS_PREFECTURE    1070
#define IDC_PARTS_CITY          1071
#define IDC_PARTS_TOWN          1072
#define IDC_PARTS_SUBAREA       1073
#define IDC_PARTS_CHOME         1074
#define IDC_PARTS_LOT           1075
#define IDC_PARTS_BUILDING      1076
#define IDC_PARTS_NORMALIZED    1077
#define IDC_PARTS_COPY          1078
#define IDC_CSV_SPLIT           1079
#define IDC_LIST_COPY_PARTS     1084
/* Rows of one address: the CSV columns dialog's check box, and the address
   list's choice of copying its 重複 column. */
#define IDC_CSV_DUPLICATES      1085
#define IDC_LIST_COPY_DUPLICATES 1086

/* The label dialogs (label_print.rc): "IDD_LABEL_PRINT", "IDD_LABEL_PRINTING";
   the buttons that open the first from the CSV columns and address-list dialogs. */
#define IDC_LABEL_SOURCE           1100
#define IDC_LABEL_STOCK            1101
#define IDC_LABEL_CUSTOM_NAME      1102
#define IDC_LABEL_CUSTOM_FIGURES   1103
#define IDC_LABEL_CUSTOM_SAVE      1104
#define IDC_LABEL_CUSTOM_DELETE    1105
#define IDC_LABEL_HONORIFIC        1106
#define IDC_LABEL_ORDER            1107
#define IDC_LABEL_START            1108
#define IDC_LABEL_OFFSET_X         1109
#define IDC_LABEL_OFFSET_Y         1110
#define IDC_LABEL_NO_BARCODE       1111
#define IDC_LABEL_NAME_CAPTION     1112
#define IDC_LABEL_NAME_COLUMN      1113
#define IDC_LABEL_COMPANY_CAPTION  1114
#define IDC_LABEL_COMPANY_COLUMN   1115
#define IDC_LABEL_BUILDING_CAPTION 1116
#define IDC_LABEL_BUILDING_COLUMN  1117
#define IDC_LABEL_PREVIEW          1118
#define IDC_LABEL_PREVIOUS         1119
#define IDC_LABEL_PAGE             1120
#define IDC_LABEL_NEXT             1121
#define IDC_LABEL_COUNTS           1122
#define IDC_LABEL_STATUS           1123
#define IDC_LABEL_TEST_PRINT       1124
#define IDC_LABEL_ZOOM             1128
#define IDC_LABEL_PRINTING_TEXT    1125
#define IDC_CSV_PRINT_LABELS       1126
#define IDC_LIST_PRINT_LABELS      1127

/* About box "IDD_DIALOG1": the user line and the two links. */
#define IDC_ABOUT_USER          1009
#define IDC_ABOUT_HOME_PAGE     1010
#define IDC_ABOUT_MAIL          1011

/* Settings sheet pages "PAGE1".."PAGE3" (settings.rc). */
#define IDC_SETTING_HYPHEN        1012
#define IDC_SETTING_HIRAGANA      1035
#define IDC_ADDRESS_TEMPLATE      1015
#define IDC_ADDRESS_PRESET        1016
#define IDC_ADDRESS_PRESET_SELECT 1017
#define IDC_OFFICE_TEMPLATE       1018
#define IDC_OFFICE_PRESET         1019
#define IDC_OFFICE_PRESET_SELECT  1020

/* Detail dialogs IDD_DIALOG2 (address) and IDD_DIALOG3 (business office). */
#define IDC_DETAIL_NUMBER           1000
#define IDC_DETAIL_OLD_NUMBER       1001
#define IDC_DETAIL_CITY_CODE        1002
#define IDC_DETAIL_PREFECTURE       1003
#define IDC_DETAIL_PREFECTURE_KANA  1004
#define IDC_DETAIL_CITY             1005
#define IDC_DETAIL_CITY_KANA        1006
#define IDC_DETAIL_TOWN             1007
#define IDC_DETAIL_TOWN_KANA        1008
#define IDC_DETAIL_OFFICE_NAME      1013
#define IDC_DETAIL_OFFICE_KANA      1014

#endif
