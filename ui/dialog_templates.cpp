#include "ui/dialog_templates.h"

#include "core/version.h"

namespace tolvo {
namespace {

// The one-line notice of the About box.
constexpr std::string_view kAboutNotice = "このプログラムはフリーウェアです。";

// Main window, in template order (which is the tab order).
constexpr ControlTemplate kMainControls[] = {
    {kNoId, ControlKind::GroupBox, " 穴  φ                    mm", {10, 10, 155, 202}, 0},
    {1003, ControlKind::InputEdit, "", {36, 8, 42, 12}, 0},
    {1000, ControlKind::Radio, "ＪIＳはめあい公差", {20, 30, 60, 10}, 0},
    {1030, ControlKind::Static, "記号", {30, 49, 15, 10}, 0},
    {1020, ControlKind::Static, "D", {49, 45, 8, 8}, 0},
    {1021, ControlKind::Static, "E", {60, 45, 8, 8}, 0},
    {1022, ControlKind::Static, "F", {70, 45, 8, 8}, 0},
    {1023, ControlKind::Static, "G", {80, 45, 8, 8}, 0},
    {1024, ControlKind::Static, "H", {90, 45, 8, 8}, 0},
    {1025, ControlKind::Static, "JS", {98, 45, 8, 8}, 0},
    {1026, ControlKind::Static, "K", {111, 45, 8, 8}, 0},
    {1027, ControlKind::Static, "M", {120, 45, 8, 8}, 0},
    {1028, ControlKind::Static, "N", {131, 45, 8, 8}, 0},
    {1029, ControlKind::Static, "P", {141, 45, 8, 8}, 0},
    {1004, ControlKind::Slider, "", {46, 52, 103, 13}, kThumbUp},
    {1005, ControlKind::Slider, "", {46, 65, 103, 13}, 0},
    {1031, ControlKind::Static, "等級", {30, 71, 15, 10}, 0},
    {1047, ControlKind::Static, "5", {50, 78, 8, 8}, 0},
    {1043, ControlKind::Static, "6", {63, 78, 8, 8}, 0},
    {1032, ControlKind::Static, "7", {76, 78, 8, 8}, 0},
    {1033, ControlKind::Static, "8", {89, 78, 8, 8}, 0},
    {1034, ControlKind::Static, "9", {102, 78, 8, 8}, 0},
    {1035, ControlKind::Static, "10", {114, 78, 8, 8}, 0},
    {1036, ControlKind::Static, "11", {127, 78, 8, 8}, 0},
    {1037, ControlKind::Static, "12", {140, 78, 8, 8}, 0},
    {1001, ControlKind::Radio, "ＪＩＳ普通公差", {20, 103, 53, 10}, 0},
    {1044, ControlKind::Static, "精級", {83, 103, 37, 10}, kCentred | kSunken},
    {1042, ControlKind::ScrollBar, "", {120, 101, 10, 14}, 0},
    {1002, ControlKind::Radio, "自由入力", {20, 129, 40, 10}, 0},
    {1011, ControlKind::InputEdit, "", {65, 129, 30, 12}, 0},
    {1018, ControlKind::Static, "mm／", {97, 131, 18, 10}, 0},
    {1012, ControlKind::InputEdit, "", {116, 129, 30, 12}, 0},
    {1019, ControlKind::Static, "mm", {147, 131, 10, 10}, 0},
    {kNoId, ControlKind::Static, "許容差 ：", {20, 161, 26, 10}, 0},
    {1009, ControlKind::OutputEdit, "", {49, 161, 50, 12}, 0},
    {kNoId, ControlKind::Static, "公差 ：", {102, 161, 20, 10}, 0},
    {1010, ControlKind::OutputEdit, "", {124, 161, 32, 12}, 0},
    {kNoId, ControlKind::Static, "許容寸法 ：", {20, 178, 35, 10}, 0},
    {1008, ControlKind::OutputEdit, "", {55, 178, 100, 12}, 0},
    {kNoId, ControlKind::Static, "（ 中央値換算 ：", {20, 193, 48, 10}, 0},
    {1016, ControlKind::OutputEdit, "", {67, 193, 88, 12}, 0},
    {kNoId, ControlKind::GroupBox, "軸 φ                    mm     ", {175, 10, 155, 202}, kStartsGroup},
    {1017, ControlKind::InputEdit, "", {197, 7, 42, 12}, 0},
    {1038, ControlKind::CheckBox, "穴と同じ基準寸法", {257, 6, 62, 15}, 0},
    {1084, ControlKind::Radio, "ＪIＳはめあい公差", {185, 30, 60, 10}, 0},
    {1111, ControlKind::Static, "記号", {195, 49, 15, 10}, 0},
    {1095, ControlKind::Static, "d", {214, 44, 8, 8}, 0},
    {1096, ControlKind::Static, "e", {225, 44, 8, 8}, 0},
    {1097, ControlKind::Static, "f", {235, 44, 8, 8}, 0},
    {1098, ControlKind::Static, "g", {245, 44, 8, 8}, 0},
    {1099, ControlKind::Static, "h", {256, 44, 8, 8}, 0},
    {1100, ControlKind::Static, "js", {265, 44, 8, 8}, 0},
    {1101, ControlKind::Static, "k", {276, 44, 8, 8}, 0},
    {1102, ControlKind::Static, "m", {284, 44, 8, 8}, 0},
    {1103, ControlKind::Static, "n", {296, 44, 8, 8}, 0},
    {1104, ControlKind::Static, "p", {306, 44, 8, 8}, 0},
    {1085, ControlKind::Slider, "", {211, 52, 103, 13}, kThumbUp},
    {1086, ControlKind::Slider, "", {211, 65, 103, 13}, 0},
    {1112, ControlKind::Static, "等級", {195, 71, 15, 10}, 0},
    {1121, ControlKind::Static, "5", {215, 78, 8, 8}, 0},
    {1120, ControlKind::Static, "6", {228, 78, 8, 8}, 0},
    {1105, ControlKind::Static, "7", {241, 78, 8, 8}, 0},
    {1106, ControlKind::Static, "8", {254, 78, 8, 8}, 0},
    {1107, ControlKind::Static, "9", {267, 78, 8, 8}, 0},
    {1108, ControlKind::Static, "10", {279, 78, 8, 8}, 0},
    {1109, ControlKind::Static, "11", {292, 78, 8, 8}, 0},
    {1110, ControlKind::Static, "12", {305, 78, 8, 8}, 0},
    {1087, ControlKind::Radio, "ＪＩＳ普通公差", {185, 103, 53, 10}, 0},
    {1117, ControlKind::Static, "精級", {248, 103, 37, 10}, kCentred | kSunken},
    {1088, ControlKind::ScrollBar, "", {285, 101, 10, 14}, 0},
    {1089, ControlKind::Radio, "自由入力", {185, 129, 40, 10}, 0},
    {1090, ControlKind::InputEdit, "", {230, 129, 30, 12}, 0},
    {1116, ControlKind::Static, "mm／", {262, 131, 18, 10}, 0},
    {1091, ControlKind::InputEdit, "", {281, 129, 30, 12}, 0},
    {1093, ControlKind::Static, "mm", {312, 131, 10, 10}, 0},
    {kNoId, ControlKind::Static, "許容差 ：", {185, 161, 26, 10}, 0},
    {1114, ControlKind::OutputEdit, "", {214, 161, 50, 12}, 0},
    {kNoId, ControlKind::Static, "公差 ：", {267, 161, 20, 10}, 0},
    {1115, ControlKind::OutputEdit, "", {289, 161, 32, 12}, 0},
    {kNoId, ControlKind::Static, "許容寸法 ：", {185, 178, 35, 10}, 0},
    {1113, ControlKind::OutputEdit, "", {220, 178, 100, 12}, 0},
    {kNoId, ControlKind::Static, "（ 中央値換算 ：", {185, 193, 48, 10}, 0},
    {1039, ControlKind::OutputEdit, "", {232, 193, 88, 12}, 0},
    {1057, ControlKind::Static, "", {10, 220, 95, 40}, kCentred | kSunken | kNoPrefix},
    {1007, ControlKind::OutputEdit, "", {125, 222, 56, 12}, 0},
    {1014, ControlKind::OutputEdit, "", {184, 222, 60, 12}, 0},
    {1013, ControlKind::OutputEdit, "", {125, 237, 56, 12}, 0},
    {1015, ControlKind::OutputEdit, "", {184, 237, 60, 12}, 0},
    {kNoId, ControlKind::Static, "( 中央値換算の勘合 ：", {108, 251, 73, 10}, kRightAligned},
    {1041, ControlKind::OutputEdit, "", {184, 251, 84, 12}, 0},
    {57670, ControlKind::PushButton, "ヘルプ(F1)", {275, 217, 55, 14}, 0},
    {57671, ControlKind::PushButton, "ｸﾘｯﾌﾟﾎﾞｰﾄﾞ(&C)...", {275, 233, 55, 14}, 0},
    {1, ControlKind::DefaultPushButton, "終了(&X)", {275, 249, 55, 14}, 0},
};

// "クリップボードへコピーする"
constexpr ControlTemplate kCopyControls[] = {
    {1061, ControlKind::CheckBox, "タイトル ：", {5, 22, 40, 10}, 0},
    {1003, ControlKind::InputEdit, "", {45, 21, 80, 12}, kAutoScroll},
    {1054, ControlKind::CheckBox, "名称 ：", {15, 55, 30, 10}, 0},
    {1004, ControlKind::InputEdit, "", {48, 54, 64, 12}, kAutoScroll},
    {1065, ControlKind::CheckBox, "基準寸法", {15, 71, 45, 10}, 0},
    {1067, ControlKind::CheckBox, "“φ”は不要", {65, 71, 50, 10}, 0},
    {1055, ControlKind::CheckBox, "許容差", {15, 86, 35, 10}, 0},
    {1052, ControlKind::CheckBox, "公差", {65, 86, 35, 10}, 0},
    {1051, ControlKind::CheckBox, "許容寸法", {15, 101, 40, 10}, 0},
    {1053, ControlKind::CheckBox, "中央値換算", {65, 101, 50, 10}, 0},
    {1060, ControlKind::CheckBox, "名称 ：", {15, 145, 30, 10}, 0},
    {1005, ControlKind::InputEdit, "", {48, 144, 64, 12}, kAutoScroll},
    {1066, ControlKind::CheckBox, "基準寸法", {15, 161, 45, 10}, 0},
    {1068, ControlKind::CheckBox, "“φ”は不要", {65, 161, 50, 10}, 0},
    {1056, ControlKind::CheckBox, "許容差", {15, 176, 35, 10}, 0},
    {1058, ControlKind::CheckBox, "公差", {65, 175, 35, 10}, 0},
    {1057, ControlKind::CheckBox, "許容寸法", {15, 191, 40, 10}, 0},
    {1059, ControlKind::CheckBox, "中央値換算", {65, 191, 45, 10}, 0},
    {1062, ControlKind::CheckBox, "はめあい", {15, 235, 40, 10}, 0},
    {1063, ControlKind::CheckBox, "勘合量", {15, 250, 37, 10}, 0},
    {1064, ControlKind::CheckBox, "中央値換算の勘合", {15, 265, 85, 10}, 0},
    {1, ControlKind::DefaultPushButton, "コピー", {165, 271, 50, 14}, 0},
    {2, ControlKind::PushButton, "ｷｬﾝｾﾙ", {220, 271, 50, 14}, 0},
    {kNoId, ControlKind::Static, "コピー内容", {133, 10, 45, 10}, 0},
    {1006, ControlKind::PreviewEdit, "", {135, 20, 165, 240}, 0},
    {kNoId, ControlKind::GroupBox, "穴", {5, 41, 120, 79}, 0},
    {kNoId, ControlKind::Static, "＜ コピー内容を編集できます ＞", {5, 5, 105, 10}, 0},
    {kNoId, ControlKind::GroupBox, "軸", {5, 130, 120, 80}, 0},
    {kNoId, ControlKind::GroupBox, "結果", {5, 220, 120, 65}, 0},
};

// About box
constexpr ControlTemplate kAboutControls[] = {
    {kNoId, ControlKind::Icon, "", {11, 17, 20, 20}, 0},
    {kNoId, ControlKind::Static, "Tolvo Version " TOLVO_SHOWN_VERSION, {40, 10, 119, 8}, kNoPrefix},
    {kNoId, ControlKind::Static, kAboutNotice, {40, 20, 138, 8}, 0},
    {1, ControlKind::DefaultPushButton, "OK", {178, 7, 32, 14}, 0},
    {kNoId, ControlKind::Static, "", {40, 30, 127, 20}, kTwoLines},
};

}  // namespace

const DialogTemplate kMainDialog = {102, "Tolvo （はめあい）   Ver " TOLVO_SHOWN_VERSION, 339, 269,
                                    kMainControls};
const DialogTemplate kCopyDialog = {130, "クリップボードへコピーする", 309, 295, kCopyControls};
const DialogTemplate kAboutDialog = {100, "ﾊﾞｰｼﾞｮﾝ情報  Tolvo.exe", 217, 55, kAboutControls};

const std::string_view kDialogFontFace = "Ver";
const std::string_view kAboutMenuItemText = "ﾊﾞｰｼﾞｮﾝ情報(Tolvo.exe) (&A)...";

const ControlTemplate* FindControl(const DialogTemplate& dialog, int id) {
    for (const ControlTemplate& control : dialog.controls) {
        if (control.id == id) return &control;
    }
    return nullptr;
}

}  // namespace tolvo
