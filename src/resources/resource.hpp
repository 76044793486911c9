#pragma once

// Resource and control ids of Binora's dialogs, icons and bitmap. The dialog templates
// (templates.cpp) and every routine address controls by these numbers.

#include "dialog/dialog_constants.hpp" // IDOK and IDCANCEL, which every dialog shares

namespace binora {

// Dialog templates.
constexpr int IDD_MAIN = 101;
constexpr int IDD_ABOUT = 103;
constexpr int IDD_INFO = 109;
constexpr int IDD_SUMMARY = 111;
constexpr int IDD_ARITH = 121;

// Icons and bitmap.
constexpr int IDI_ABOUT = 104;
constexpr int IDI_HELP_REPR = 109;
constexpr int IDI_HELP_PARAM = 110;
constexpr int IDI_APP_SMALL = 112;
constexpr int IDB_INFO_LINE = 113;
constexpr int IDI_ARITH_SMALL = 122;

// Id of the template items that the program never addresses (all unnamed labels share it).
constexpr int IDC_STATIC = -1;

// IDD_MAIN.
constexpr int IDC_VALUE_X = 1007;
constexpr int IDC_NEAREST = 1008;
constexpr int IDC_KIND32 = 1011;
constexpr int IDC_KIND64 = 1012;
constexpr int IDC_KIND128 = 1013;
constexpr int IDC_S128 = 1014;
constexpr int IDC_E128 = 1015;
constexpr int IDC_F128_48 = 1016;
constexpr int IDC_F128_64 = 1018;
constexpr int IDC_CURSOR_POS = 1019;
constexpr int IDC_FIELD_WIDTH = 1020;
constexpr int IDC_S32 = 1026;
constexpr int IDC_E32 = 1027;
constexpr int IDC_F32 = 1028;
constexpr int IDC_ZEROS = 1029;
constexpr int IDC_ONES = 1030;
constexpr int IDC_FLIP = 1031;
constexpr int IDC_S64 = 1032;
constexpr int IDC_E64 = 1033;
constexpr int IDC_HELP_REPR = 1034;
constexpr int IDC_F64 = 1035;
constexpr int IDC_DATATYPE = 1036;
constexpr int IDC_NEAREST_LABEL = 1040;
constexpr int IDC_ABOUT = 1041;
constexpr int IDC_HELP_PARAM = 1042;
constexpr int IDC_BINARY_XPM = 1043;
constexpr int IDC_PARAM_LIST = 1044;
constexpr int IDC_ALL_FIELDS = 1045;
constexpr int IDC_CURRENT_FIELD = 1046;
constexpr int IDC_LANG_RO = 1050;
constexpr int IDC_LANG_EN = 1051;
constexpr int IDC_GROUP_DATA = 1052;
constexpr int IDC_GROUP_REPR = 1053;
constexpr int IDC_DATATYPE_LABEL = 1054;
constexpr int IDC_GROUP_FORMAT = 1055;
constexpr int IDC_FORMAT_LABEL = 1056;
constexpr int IDC_PARAM_LABEL = 1057;
constexpr int IDC_CURSOR_LABEL = 1058;
constexpr int IDC_POSITION_LABEL = 1059;
constexpr int IDC_WIDTH_LABEL = 1060;
constexpr int IDC_EXIT = 30001;

// IDD_ABOUT.
constexpr int IDC_ABOUT_TITLE = 1022;
constexpr int IDC_ABOUT_TEXT = 1023;

// IDD_INFO.
constexpr int IDC_INFO_TEXT = 1049;
constexpr int IDC_INFO_GROUP = 1061;

// IDD_SUMMARY: the seven paragraphs and the save button.
constexpr int IDC_SUMMARY_1 = 1047;
constexpr int IDC_SUMMARY_2 = 1048;
constexpr int IDC_SUMMARY_3 = 1049;
constexpr int IDC_SUMMARY_4 = 1050;
constexpr int IDC_SUMMARY_5 = 1051;
constexpr int IDC_SUMMARY_6 = 1052;
constexpr int IDC_SUMMARY_7 = 1053;
constexpr int IDC_SAVE_TO_FILE = 1041;

// IDD_ARITH, the arithmetic window: the operands and their read-outs, the operation's inputs,
// the result's read-outs, the table of the five directions and the number line.
constexpr int IDC_AR_GROUP_INPUTS = 1101;
constexpr int IDC_AR_GROUP_OPERANDS = 1102;
constexpr int IDC_AR_GROUP_RESULT = 1103;
constexpr int IDC_AR_A_LABEL = 1104;
constexpr int IDC_AR_A = 1105;
constexpr int IDC_AR_A_STATUS = 1106;
constexpr int IDC_AR_B_LABEL = 1107;
constexpr int IDC_AR_B = 1108;
constexpr int IDC_AR_B_STATUS = 1109;
constexpr int IDC_AR_C_LABEL = 1110;
constexpr int IDC_AR_C = 1111;
constexpr int IDC_AR_C_STATUS = 1112;
constexpr int IDC_AR_FORMAT_LABEL = 1113;
constexpr int IDC_AR_FORMAT = 1114;
constexpr int IDC_AR_OPERATION_LABEL = 1115;
constexpr int IDC_AR_OPERATION = 1116;
constexpr int IDC_AR_SOURCE_LABEL = 1117;
constexpr int IDC_AR_SOURCE = 1118;
constexpr int IDC_AR_ROUNDING_LABEL = 1119;
constexpr int IDC_AR_RNE = 1120;
constexpr int IDC_AR_RNA = 1121;
constexpr int IDC_AR_RTZ = 1122;
constexpr int IDC_AR_RUP = 1123;
constexpr int IDC_AR_RDN = 1124;
constexpr int IDC_AR_LESSON_LABEL = 1125;
constexpr int IDC_AR_LESSON = 1126;
constexpr int IDC_AR_COPY = 1127;
constexpr int IDC_AR_LANG_RO = 1128;
constexpr int IDC_AR_LANG_EN = 1129;
constexpr int IDC_AR_LESSON_TEXT = 1130;
constexpr int IDC_AR_A_STORED_LABEL = 1131;
constexpr int IDC_AR_A_VALUE = 1132;
constexpr int IDC_AR_A_S = 1133;
constexpr int IDC_AR_A_E = 1134;
constexpr int IDC_AR_A_F = 1135;
constexpr int IDC_AR_B_STORED_LABEL = 1136;
constexpr int IDC_AR_B_VALUE = 1137;
constexpr int IDC_AR_B_S = 1138;
constexpr int IDC_AR_B_E = 1139;
constexpr int IDC_AR_B_F = 1140;
constexpr int IDC_AR_C_STORED_LABEL = 1141;
constexpr int IDC_AR_C_VALUE = 1142;
constexpr int IDC_AR_C_S = 1143;
constexpr int IDC_AR_C_E = 1144;
constexpr int IDC_AR_C_F = 1145;
constexpr int IDC_AR_RESULT_LABEL = 1146;
constexpr int IDC_AR_S = 1147;
constexpr int IDC_AR_E = 1148;
constexpr int IDC_AR_F = 1149;
constexpr int IDC_AR_HEX_LABEL = 1150;
constexpr int IDC_AR_HEX = 1151;
constexpr int IDC_AR_VALUE_LABEL = 1152;
constexpr int IDC_AR_VALUE = 1153;
constexpr int IDC_AR_EXACT_LABEL = 1154;
constexpr int IDC_AR_EXACT = 1155;
constexpr int IDC_AR_REAL_LABEL = 1156;
constexpr int IDC_AR_REAL = 1157;
constexpr int IDC_AR_ULPS_LABEL = 1158;
constexpr int IDC_AR_ULPS = 1159;
constexpr int IDC_AR_GRS_LABEL = 1160;
constexpr int IDC_AR_GRS = 1161;
constexpr int IDC_AR_FLAGS_LABEL = 1162;
constexpr int IDC_AR_INVALID = 1163;
constexpr int IDC_AR_DIVBYZERO = 1164;
constexpr int IDC_AR_OVERFLOW = 1165;
constexpr int IDC_AR_UNDERFLOW = 1166;
constexpr int IDC_AR_INEXACT = 1167;
constexpr int IDC_AR_MODES_LABEL = 1168;
constexpr int IDC_AR_MODES = 1169;
constexpr int IDC_AR_LINE_LABEL = 1170;
constexpr int IDC_AR_LINE = 1171;
constexpr int IDC_AR_EXIT = 1172;

} // namespace binora
