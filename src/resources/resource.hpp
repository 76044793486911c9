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

// Icons and bitmap.
constexpr int IDI_ABOUT = 104;
constexpr int IDI_HELP_REPR = 109;
constexpr int IDI_HELP_PARAM = 110;
constexpr int IDI_APP_SMALL = 112;
constexpr int IDB_INFO_LINE = 113;

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

} // namespace binora
