// The dialog templates of Tolvo as data: every control with its ID,
// kind, text, rectangle in dialog units and style. The models take from them
// which controls exist and how they start; the Qt views where each widget goes.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/iso286_table.h"
#include "core/texts_ja.h"

namespace tolvo {

inline constexpr int kNoId = -1;  // captions and frames that nothing addresses

// The control IDs of each dialog, named once. tolvo-replay and its scripts
// address the controls by these numbers in decimal.
namespace main_dialog {  // template 102
// Consecutive IDs from first.
template <std::size_t N>
constexpr std::array<int, N> IdRun(int first) {
    std::array<int, N> ids{};
    for (std::size_t i = 0; i < N; ++i) ids[i] = first + static_cast<int>(i);
    return ids;
}
// hole panel
inline constexpr int kHoleBasicSize = 1003;
inline constexpr int kHoleFitRadio = 1000;
inline constexpr int kHoleLetterCaption = 1030;
inline constexpr std::array<int, 10> kHoleLetterMarks = {1020, 1021, 1022, 1023, 1024,
                                                         1025, 1026, 1027, 1028, 1029};  // D..P
inline constexpr int kHoleLetterSlider = 1004;
inline constexpr int kHoleGradeSlider = 1005;
inline constexpr int kHoleGradeCaption = 1031;
inline constexpr std::array<int, 8> kHoleGradeMarks = {1047, 1043, 1032, 1033,
                                                       1034, 1035, 1036, 1037};  // 5..12
inline constexpr int kHoleGeneralRadio = 1001;
inline constexpr int kHoleClassLabel = 1044;
inline constexpr int kHoleClassScroll = 1042;
inline constexpr int kHoleFreeRadio = 1002;
inline constexpr int kHoleFreeFirst = 1011;
inline constexpr int kHoleFreeFirstUnit = 1018;
inline constexpr int kHoleFreeSecond = 1012;
inline constexpr int kHoleFreeSecondUnit = 1019;
inline constexpr int kHoleDeviation = 1009;
inline constexpr int kHoleTolerance = 1010;
inline constexpr int kHoleLimitSizes = 1008;
inline constexpr int kHoleMeanValue = 1016;
// shaft panel
inline constexpr int kShaftBasicSize = 1017;
inline constexpr int kSameBasicSize = 1038;  // "穴と同じ基準寸法"
inline constexpr int kShaftFitRadio = 1084;
inline constexpr int kShaftLetterCaption = 1111;
inline constexpr std::array<int, 10> kShaftLetterMarks = {1095, 1096, 1097, 1098, 1099,
                                                          1100, 1101, 1102, 1103, 1104};  // d..p
inline constexpr int kShaftLetterSlider = 1085;
inline constexpr int kShaftGradeSlider = 1086;
inline constexpr int kShaftGradeCaption = 1112;
inline constexpr std::array<int, 8> kShaftGradeMarks = {1121, 1120, 1105, 1106,
                                                        1107, 1108, 1109, 1110};  // 5..12
inline constexpr int kShaftGeneralRadio = 1087;
inline constexpr int kShaftClassLabel = 1117;
inline constexpr int kShaftClassScroll = 1088;
inline constexpr int kShaftFreeRadio = 1089;
inline constexpr int kShaftFreeFirst = 1090;
inline constexpr int kShaftFreeFirstUnit = 1116;
inline constexpr int kShaftFreeSecond = 1091;
inline constexpr int kShaftFreeSecondUnit = 1093;
inline constexpr int kShaftDeviation = 1114;
inline constexpr int kShaftTolerance = 1115;
inline constexpr int kShaftLimitSizes = 1113;
inline constexpr int kShaftMeanValue = 1039;
// the fit and the commands
inline constexpr int kFitKindLabel = 1057;
inline constexpr int kFirstFitCaption = 1007;
inline constexpr int kFirstFitAmount = 1014;
inline constexpr int kSecondFitCaption = 1013;
inline constexpr int kSecondFitAmount = 1015;
inline constexpr int kMeanFit = 1041;
inline constexpr int kHelpButton = 57670;
inline constexpr int kCopyButton = 57671;
inline constexpr int kExitButton = 1;
// Shown only with the whole ISO 286 range (IDs from 2000 on are the extensions').
inline constexpr int kHoleClassText = 2100;                                        // the hole's class, "H7"
inline constexpr int kShaftClassText = 2101;                                       // the shaft's class, "h01"
inline constexpr auto kHoleWholeLetterMarks = IdRun<iso286::kLetterCount>(2102);   // A..ZC
inline constexpr auto kHoleWholeGradeMarks = IdRun<iso286::kGradeCount>(2130);     // 01..18
inline constexpr auto kShaftWholeLetterMarks = IdRun<iso286::kLetterCount>(2150);  // a..zc
inline constexpr auto kShaftWholeGradeMarks = IdRun<iso286::kGradeCount>(2178);    // 01..18
// The class texts and marks of the whole ISO 286 range: the views build them
// only once the option is first on, so that a window that never shows them
// never makes them.
constexpr bool IsWholeRangeControl(int id) {
    const auto in = [id](const auto& run) { return id >= run.front() && id <= run.back(); };
    return id == kHoleClassText || id == kShaftClassText || in(kHoleWholeLetterMarks) ||
           in(kHoleWholeGradeMarks) || in(kShaftWholeLetterMarks) || in(kShaftWholeGradeMarks);
}
// The extensions' IDs run from 2000 up to 9999 (the command buttons' 57670 and
// 57671 are the seed's own): tolvo-replay dumps them only once a script has
// opted in with an `option` event.
constexpr bool IsExtensionId(int id) {
    return id >= 2000 && id < 10000;
}
}  // namespace main_dialog

namespace copy_dialog {  // template 130; several IDs mean other controls in the main dialog
inline constexpr int kIncludeTitle = 1061;
inline constexpr int kTitleEdit = 1003;
inline constexpr int kIncludeHoleName = 1054;
inline constexpr int kHoleNameEdit = 1004;
inline constexpr int kIncludeHoleBasicSize = 1065;
inline constexpr int kHoleOmitPhi = 1067;
inline constexpr int kIncludeHoleDeviation = 1055;
inline constexpr int kIncludeHoleTolerance = 1052;
inline constexpr int kIncludeHoleLimits = 1051;
inline constexpr int kIncludeHoleMean = 1053;
inline constexpr int kIncludeShaftName = 1060;
inline constexpr int kShaftNameEdit = 1005;
inline constexpr int kIncludeShaftBasicSize = 1066;
inline constexpr int kShaftOmitPhi = 1068;
inline constexpr int kIncludeShaftDeviation = 1056;
inline constexpr int kIncludeShaftTolerance = 1058;
inline constexpr int kIncludeShaftLimits = 1057;
inline constexpr int kIncludeShaftMean = 1059;
inline constexpr int kIncludeFitKind = 1062;
inline constexpr int kIncludeFitAmounts = 1063;
inline constexpr int kIncludeMeanFit = 1064;
inline constexpr int kCopyButton = 1;  // "コピー"
inline constexpr int kCancelButton = 2;
inline constexpr int kPreviewEdit = 1006;
// The extensions' check boxes (main_dialog::IsExtensionId), off by default.
inline constexpr int kIncludeCallout = 2600;  // the pair's callout as a drawing writes it
// The joint of the open dialog "圧入計算".
inline constexpr int kIncludePressFit = 2590;
// The results of the open dialog "使用条件".
inline constexpr int kIncludeService = 2490;
}  // namespace copy_dialog

namespace finder_dialog {                    // "はめあい検索", non-modal beside the main window
inline constexpr int kBasicSize = 2300;      // mm, both features
inline constexpr int kWantedMinimum = 2301;  // mm of clearance, negative: an interference
inline constexpr int kWantedMaximum = 2302;
inline constexpr int kHoleBasis = 2303;  // the basis radios, one checked
inline constexpr int kShaftBasis = 2304;
inline constexpr int kAnyBasis = 2305;
inline constexpr int kFixHole = 2306;  // the main window's hole as it stands
inline constexpr int kFixShaft = 2307;
inline constexpr int kWholeRange = 2308;     // search the whole ISO 286 system
inline constexpr int kMessage = 2309;        // why nothing is searched, when so
inline constexpr int kResults = 2310;        // the list of rows
inline constexpr int kMeasuredHoles = 2311;  // "25.012, 25.020"
inline constexpr int kMeasuredShafts = 2312;
inline constexpr int kMeasuredResults = 2313;  // one line per part and per pair
inline constexpr int kCloseButton = 2314;
}  // namespace finder_dialog

// ---- the joint's dialog ----
namespace press_dialog {                           // "圧入計算", non-modal beside the main window
inline constexpr int kTypedInterference = 2500;    // check box: the interference typed, not the main window's
inline constexpr int kMinimumInterference = 2501;  // mm, diametral; the main window's pair's while not typed
inline constexpr int kMaximumInterference = 2502;
inline constexpr int kJointDiameter = 2503;  // mm; the main window's hole basic size while not typed
inline constexpr int kHubOuterDiameter = 2504;
inline constexpr int kLength = 2505;
inline constexpr int kShaftBore = 2506;  // 0: a solid shaft
inline constexpr int kFriction = 2507;
inline constexpr int kPressFriction = 2508;  // blank: μ
inline constexpr int kHubMaterial = 2510;    // the material's name, stepped by its scroll bar
inline constexpr int kHubMaterialScroll = 2511;
inline constexpr int kShaftMaterial = 2512;
inline constexpr int kShaftMaterialScroll = 2513;
// The five values of each part (the material's, or typed over): E GPa, ν, α 1/K, yield MPa, ρ kg/m³.
inline constexpr std::array<int, 5> kHubValues = {2515, 2516, 2517, 2518, 2519};
inline constexpr std::array<int, 5> kShaftValues = {2520, 2521, 2522, 2523, 2524};
inline constexpr int kHubRoughness = 2525;  // Rz μm; blank: not given
inline constexpr int kShaftRoughness = 2526;
inline constexpr int kSmoothingCurrent = 2527;  // radios: k 0.4, k 0.8
inline constexpr int kSmoothingOlder = 2528;
inline constexpr int kSpeed = 2529;  // 1/min; blank: at rest
inline constexpr int kRoomTemperature = 2530;
inline constexpr int kMountingClearance = 2531;  // mm; blank: 0.001·D
inline constexpr int kMinimumSafety = 2532;
inline constexpr int kHubServiceTemperature = 2533;  // °C in service; blank: 20 °C, no loss by temperature
inline constexpr int kShaftServiceTemperature = 2534;
inline constexpr int kMessage = 2535;  // why nothing is computed, when so
// The results, one row per core/press_fit_text.h row: minimum at 2540 + 2k, maximum at 2541 + 2k.
inline constexpr int kFirstResult = 2540;
constexpr int MinimumResult(std::size_t row) {
    return kFirstResult + 2 * static_cast<int>(row);
}
constexpr int MaximumResult(std::size_t row) {
    return MinimumResult(row) + 1;
}
inline constexpr int kShrinkHubTemperature = 2580;  // °C
inline constexpr int kCoolShaftTemperature = 2581;
inline constexpr int kFindings = 2583;  // the warnings and notes, a line each
inline constexpr int kCloseButton = 2584;
}  // namespace press_dialog
// ---- end of the joint's dialog ----

// ---- the operating-conditions dialog ----
namespace service_dialog {                  // "使用条件", non-modal beside the main window
inline constexpr int kHoleMaterial = 2400;  // the material's name, stepped by its scroll bar
inline constexpr int kHoleMaterialScroll = 2401;
inline constexpr int kShaftMaterial = 2402;
inline constexpr int kShaftMaterialScroll = 2403;
inline constexpr int kHoleExpansion = 2404;  // α 1/K; blank: the material's (shown beside it)
inline constexpr int kShaftExpansion = 2405;
inline constexpr int kHoleTemperature = 2406;  // °C; disabled while a range is given
inline constexpr int kShaftTemperature = 2407;
inline constexpr int kRange = 2408;      // check box: both parts go through a range of temperatures
inline constexpr int kRangeFrom = 2409;  // °C, the range's start
inline constexpr int kRangeTo = 2410;    // °C, its end
inline constexpr int kHoleCp = 2411;     // σ = tolerance / (6·Cp)
inline constexpr int kShaftCp = 2412;
inline constexpr int kHoleShift = 2413;  // μm, the centre's offset from the middle of the limits
inline constexpr int kShaftShift = 2414;
inline constexpr int kNormal = 2415;  // the distribution radios, one checked
inline constexpr int kUniform = 2416;
inline constexpr int kWantedMinimum = 2417;  // mm of clearance; both blank: no wanted range
inline constexpr int kWantedMaximum = 2418;
inline constexpr int kHoleMaterialExpansion = 2419;  // the materials' α, for the blank edits
inline constexpr int kShaftMaterialExpansion = 2421;
inline constexpr int kMessage = 2420;  // why nothing is computed, when so
// At the parts' temperatures (blank while a range is given).
inline constexpr int kKind = 2430;
inline constexpr int kHoleLimits = 2431;  // "φ25.0040 ～ 25.0250"
inline constexpr int kShaftLimits = 2432;
inline constexpr int kMaximumClearance = 2433;  // "0.0123 mm ＜すきま＞" or "＜しめしろ＞"
inline constexpr int kMinimumClearance = 2434;
inline constexpr int kMeanClearance = 2435;
// Over the range (blank without one).
inline constexpr int kStartKind = 2440;
inline constexpr int kEndKind = 2441;
inline constexpr int kSmallest = 2442;  // the smallest clearance and where: "... （穴 t °C、軸 t °C）"
inline constexpr int kLargest = 2443;
// Where the maximum, the minimum and the mean clearance pass zero; "-" where none does.
inline constexpr std::array<int, 3> kZeroAt = {2444, 2445, 2446};
inline constexpr int kKindChanges = 2447;
// The statistics: a column at each temperature point (the second only over a range), a row each.
inline constexpr int kStatisticsRowCount = 8;  // mean, σ, ±3σ, worst case, P(<0), P(>0), below, above
inline constexpr std::array<int, 2> kStatisticsPoint = {2450, 2460};  // the column's temperatures
constexpr int StatisticsResult(std::size_t column, std::size_t row) {
    return kStatisticsPoint[column] + 1 + static_cast<int>(row);
}
inline constexpr int kCloseButton = 2489;
}  // namespace service_dialog
// ---- end of the operating-conditions dialog ----

namespace about_dialog {  // template 100
inline constexpr int kOkButton = 1;
}  // namespace about_dialog

enum class ControlKind {
    GroupBox,
    InputEdit,    // edit with border and tab stop
    OutputEdit,   // read-only edit without border or tab stop; results go here
    PreviewEdit,  // multi-line read-only edit with border (copy dialog)
    Radio,        // automatic radio button
    CheckBox,     // automatic check box
    Static,
    Slider,
    ScrollBar,  // vertical, two arrows
    PushButton,
    DefaultPushButton,
    Icon,
    ListBox,  // a list of rows the model holds apart from its control state
};

enum ControlStyle : unsigned {
    kCentred = 1u << 0,
    kSunken = 1u << 1,
    kRightAligned = 1u << 2,
    kNoPrefix = 1u << 3,  // '&' is shown, not a mnemonic
    kTwoLines = 1u << 4,
};

// x, y, width, height in dialog units.
struct DialogRect {
    int x;
    int y;
    int width;
    int height;
};

struct ControlTemplate {
    int id;
    ControlKind kind;
    std::string_view text;
    DialogRect rect;
    unsigned style;
};

struct DialogTemplate {
    std::string_view caption;
    int width;  // dialog units
    int height;
    std::span<const ControlTemplate> controls;  // template order, which is the tab order
};

extern const DialogTemplate kMainDialog;    // 102, the calculator
extern const DialogTemplate kCopyDialog;    // 130, "クリップボードへコピーする"
extern const DialogTemplate kAboutDialog;   // 100
extern const DialogTemplate kFinderDialog;  // "はめあい検索"

// The joint's dialog "圧入計算".
extern const DialogTemplate kPressFitDialog;
// The operating-conditions dialog "使用条件".
extern const DialogTemplate kServiceDialog;

// All three dialogs use this face at 9 points.
extern const std::string_view kDialogFontFace;
inline constexpr int kDialogFontPoints = 9;
// The shortcuts of the main window's context menu (its texts are
// core/texts_ja.h's): the whole ISO 286 range, the fit finder, the
// tolerance-zone diagram.
inline constexpr std::string_view kFullRangeShortcut = "Ctrl+R";
inline constexpr std::string_view kFinderShortcut = "Ctrl+F";
// The paste-callout item's shortcut (its text: ja::kPasteCalloutMenuItemText).
inline constexpr std::string_view kPasteCalloutShortcut = "Ctrl+Shift+V";
inline constexpr std::string_view kZoneDiagramShortcut = "Ctrl+D";
// The calculation sheet's print item (its text: ja::kPrintMenuItemText).
inline constexpr std::string_view kPrintShortcut = "Ctrl+P";
// The copy-callout item's shortcut (its text: ja::kCopyCalloutMenuItemText),
// beside the paste-callout item's; Ctrl+P is kept for printing.
inline constexpr std::string_view kCopyCalloutShortcut = "Ctrl+Shift+C";
// The joint's dialog "圧入計算" (J for joint; Ctrl+P is printing's).
inline constexpr std::string_view kPressFitShortcut = "Ctrl+J";
// The operating-conditions dialog "使用条件" (T for temperature).
inline constexpr std::string_view kServiceShortcut = "Ctrl+T";

// Whether the Tab key stops at controls of this kind.
constexpr bool IsTabStop(ControlKind kind) {
    switch (kind) {
        case ControlKind::InputEdit:
        case ControlKind::Radio:
        case ControlKind::CheckBox:
        case ControlKind::Slider:
        case ControlKind::ScrollBar:
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton:
        case ControlKind::ListBox:
            return true;
        default:
            return false;
    }
}

}  // namespace tolvo
