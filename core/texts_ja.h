// Every Japanese text the core and the models show: the one place where
// their wording and spacing are kept, and what a catalogue in another language
// mirrors name for name. Texts with "{0}", "{1}" are patterns for FillIn
// (core/text_fill.h); texts with "%" are printf formats.
//
// The controls' own texts (captions, labels, button texts) stay in
// ui/dialog_templates.cpp: each template is the catalogue of one dialog's
// texts, laid out with its rectangles as a resource file would. Where a
// template shows a text of this catalogue, it names the entry.
#pragma once

#include <array>
#include <string_view>

#include "core/version.h"

namespace tolvo::ja {

// Names and units.
inline constexpr std::string_view kHoleWord = "穴";
inline constexpr std::string_view kShaftWord = "軸";
inline constexpr std::array<std::string_view, 4> kGeneralClassNames = {"精級", "中級", "粗級", "極粗級"};
inline constexpr std::string_view kFreeModeName = "自由入力";
inline constexpr std::string_view kMillimetres = " mm";
inline constexpr std::string_view kMicrometres = " μm";
inline constexpr std::string_view kPhi = "φ";

// A feature's four result boxes, by tolerance mode.
inline constexpr std::string_view kFitDeviation = "%g / %g μm";
inline constexpr std::string_view kFitTolerance = "%g μm";
inline constexpr std::string_view kFitLimitSizes = "φ%.4f ～ %.4f mm";
inline constexpr std::string_view kFitMeanValue = "φ%.4f ± %g mm  ）";
inline constexpr std::string_view kGeneralDeviation = "±%g mm";
inline constexpr std::string_view kGeneralTolerance = "%g mm";
// The limit sizes and mean values of general and free modes: "%g", or four
// decimals where "%g" would lose the 0.1 μm (FormatGKeepingFourDecimals).
inline constexpr std::string_view kGeneralLimitSizes = "φ%s ～ %s mm";
inline constexpr std::string_view kGeneralMeanValue = "φ%s ± %s mm  ）";
inline constexpr std::string_view kFreeDeviation = "%s / %s mm";
inline constexpr std::string_view kFreeTolerance = "%g mm";
inline constexpr std::string_view kFreeLimitSizes = "φ%s ～ %s mm";
inline constexpr std::string_view kFreeMeanValue = "φ%s ± %s mm  ）";

// What a feature's boxes show when there is nothing to show.
inline constexpr std::string_view kFeaturePlaceholder = " -";
inline constexpr std::string_view kMeanValuePlaceholder = " - ）";

// The fit area. Its amounts are "%g", or four decimals where "%g" would lose
// the 0.1 μm (FormatGKeepingFourDecimals): an amount of 1000 mm or more
// between a hole and a shaft of different basic sizes must still read to the μm.
inline constexpr std::string_view kFitAmount = "%s mm";
inline constexpr std::string_view kMeanClearance = "%s mm ＜すきま＞ )";
inline constexpr std::string_view kMeanInterference = "%s mm ＜しめしろ＞ )";
inline constexpr std::string_view kMeanZero = "0 mm )";
inline constexpr std::string_view kClearanceFit = "すきまばめ";
inline constexpr std::string_view kTransitionFit = "中間ばめ";
inline constexpr std::string_view kInterferenceFit = "しまりばめ";
inline constexpr std::string_view kMaxClearanceCaption = "最大すきま ：";
inline constexpr std::string_view kMinClearanceCaption = "最小すきま ：";
inline constexpr std::string_view kMaxInterferenceCaption = "最大しめしろ ：";
inline constexpr std::string_view kMinInterferenceCaption = "最小しめしろ ：";
inline constexpr std::string_view kFitKindPlaceholder = "";
inline constexpr std::string_view kFitCaptionPlaceholder = "- ：";
inline constexpr std::string_view kFitAmountPlaceholder = "-";
inline constexpr std::string_view kMeanFitPlaceholder = "- )";

// The labels of the copied report's lines (and of tolvo-fit's lines), each
// followed by the text of the box it reports.
inline constexpr std::string_view kBasicSizeLabel = "基準寸法 ： ";
inline constexpr std::string_view kDeviationLabel = "許容差 ： ";
inline constexpr std::string_view kToleranceLabel = "公差 ： ";
inline constexpr std::string_view kLimitsLabel = "許容寸法 ： ";
inline constexpr std::string_view kMeanLabel = "( 中央値換算 ： ";
inline constexpr std::string_view kMeanFitLabel = "( 中央値換算の勘合 ： ";

inline constexpr std::string_view kNameLabel = "名称 ： ";

// Message boxes. The caption of every box is also the copied report's default
// title. The setting messages follow the feature's word directly; the
// references to the standards are part of the texts: users look them up.
inline constexpr std::string_view kMessageCaption = "Tolvo  Ver " TOLVO_SHOWN_VERSION;
inline constexpr std::string_view kNothingToCopyMessage = "クリップボードへコピーする内容が不足しています．";
inline constexpr std::string_view kFitSizeOver120Message =
    "の設定エラー：120mmを超える寸法のJISはめあい公差を Tolvo はサポートしていません.";
inline constexpr std::string_view kKGradeMessage =
    "の設定エラー：JISはめあい公差は使用できません．\n8級を超える公差等級におけるＫに対する寸法許容差は、3mmを超える基準寸法には規定していません．\n（JIS B0401-2 表8 注2）";
inline constexpr std::string_view kNGradeMessage =
    "の設定エラー：JISはめあい公差は使用できません．\n8級を超える公差等級に対応する基礎となる寸法許容差Nを、1mm以下の基準寸法に使用してはなりません．\n（ JIS B0401-1 表3 注5 ）";
inline constexpr std::string_view kFineClassMessage =
    "の設定エラー：JIS普通公差は使用できません．\n2000mmを超え4000mm以下の基準寸法に対しては、精級の許容差が定義されていません．\n（ JIS B0405 表1 ）";
inline constexpr std::string_view kVeryCoarseClassMessage =
    "の設定エラー：JIS普通公差は使用できません．\n0.5mm以上で3mm以下の基準寸法に対しては、極粗級の許容差が定義されていません．\n（ JIS B0405 表1 ）";
inline constexpr std::string_view kGeneralSizeOver4000Message =
    "の設定エラー：JIS普通公差は使用できません．\n4000mmを超える基準寸法に対しては、許容差が定義されていません．\n（ JIS B0405 表1 ）";
inline constexpr std::string_view kGeneralSizeUnder05Message =
    "の設定エラー：JIS普通公差は使用できません．\n0.5mm未満の基準寸法に対しては、その基準寸法に続けて許容差を個々に指示します．\n（ JIS B0405 表1 注1 ）";
inline constexpr std::string_view kNonPositiveLimitMessage =
    "設定の警告 ： 実寸法の径が０以下になることがあります";
inline constexpr std::string_view kFitSizeOver3150Message =
    "の設定エラー：3150mmを超える基準寸法に対しては、JISはめあい公差が規定されていません．\n（ JIS B0401-1 ）";
// {0} the class, {1} its new grade ("13").
inline constexpr std::string_view kUndefinedClassMessage =
    "の設定エラー：この基準寸法に対しては、{0}の寸法許容差が規定されていません．\n公差等級をIT{1}に変更しました．\n（ JIS B0401-1 ）";
// {0} the letter.
inline constexpr std::string_view kUndefinedLetterMessage =
    "の設定エラー：この基準寸法に対しては、記号 {0} の寸法許容差が規定されていません．\n（ JIS B0401-1 ）";
// {0} the program's file name.
inline constexpr std::string_view kHelpMissingMessage =
    "エラー：Tolvo.htmlが見つかりません．\nヘルプファイルは{0}と同じフォルダに保存して下さい．";

// Tooltips of the main window. {0} "穴" or "軸", or the largest basic size of
// the range of classes ("120mm以下"), or the span of grades ("5級～12級").
inline constexpr std::string_view kSameBasicSizeTooltip =
    "チェックすると軸の基準寸法は穴の基準寸法に連動します\nチェックを外すと軸の基準寸法を別に入力できます";
inline constexpr std::string_view kGeneralRadioTooltip =
    "JIS B0405の普通公差で{0}の許容差を求めます\n等級は右の矢印で選びます（基準寸法0.5mm以上4000mm以下）";
inline constexpr std::string_view kClassLabelTooltip = "{0}の普通公差の等級：精級・中級・粗級・極粗級";
inline constexpr std::string_view kClassScrollTooltip =
    "{0}の普通公差の等級を選びます\n上の矢印（↑キー）で精級の側へ、下の矢印（↓キー）で極粗級の側へ";
inline constexpr std::string_view kFreeRadioTooltip = "{0}の上と下の寸法許容差をmmで直接入力します";
inline constexpr std::string_view kHoleFreeFirstTooltip =
    "穴の寸法許容差の一方 (mm)：符号付きの数値（例：+0.025）\n二つの欄はどちらが上の許容差でもかまいません";
inline constexpr std::string_view kHoleFreeSecondTooltip =
    "穴の寸法許容差のもう一方 (mm)：符号付きの数値（例：0）\n二つの欄はどちらが上の許容差でもかまいません";
inline constexpr std::string_view kShaftFreeFirstTooltip =
    "軸の寸法許容差の一方 (mm)：符号付きの数値（例：-0.007）\n二つの欄はどちらが上の許容差でもかまいません";
inline constexpr std::string_view kShaftFreeSecondTooltip =
    "軸の寸法許容差のもう一方 (mm)：符号付きの数値（例：-0.020）\n二つの欄はどちらが上の許容差でもかまいません";
inline constexpr std::string_view kFitKindTooltip =
    "はめあいの種類：すきまばめ（青）、中間ばめ（黄）、しまりばめ（赤）\n穴と軸の許容寸法がそろうと表示されます";
inline constexpr std::string_view kHelpButtonTooltip = "ヘルプ（Tolvo.html）を開きます（F1キー）";
inline constexpr std::string_view kCopyButtonTooltip =
    "計算結果を文章にしてクリップボードへコピーします（Alt+C）";
inline constexpr std::string_view kExitButtonTooltip = "Tolvoを終了します（Alt+X、Escキー）";
inline constexpr std::string_view kSpan = "{0}～{1}";
inline constexpr std::string_view kGradeUnit = "級";
inline constexpr std::string_view kUpToSize = "{0}mm以下";
inline constexpr std::string_view kHoleBasicSizeTooltip =
    "穴の基準寸法 (mm)：0を超える数値\nJISはめあい公差では{0}、JIS普通公差では0.5mm以上4000mm以下\n「穴と同じ基準寸法」がチェックされていると軸にも同じ寸法が入ります";
inline constexpr std::string_view kShaftBasicSizeTooltip =
    "軸の基準寸法 (mm)：0を超える数値\nJISはめあい公差では{0}、JIS普通公差では0.5mm以上4000mm以下\n「穴と同じ基準寸法」のチェックを外すと入力できます";
inline constexpr std::string_view kFitRadioTooltip =
    "JIS B0401（ISO 286）のはめあい公差域クラスで{0}の許容差を求めます\n記号と等級をスライダーで選びます（基準寸法{1}）";
// {0} "穴" or "軸"; {1} the span of letters ("D～P") or the largest size.
inline constexpr std::string_view kLetterSliderTooltip =
    "{0}の基礎となる寸法許容差の記号：{1}（←→キーで一つずつ）";
inline constexpr std::string_view kHoleGradeSliderTooltip =
    "穴の公差等級：{0}（←→キーで一つずつ）\nKは3mmを超える基準寸法で、Nは1mm以下の基準寸法で8級まで";
inline constexpr std::string_view kShaftGradeSliderTooltip = "軸の公差等級：{0}（←→キーで一つずつ）";
// {0} the number as it is read.
inline constexpr std::string_view kPartialNumberTooltip = "「{0}」として計算しています";

// The fit finder and the measured check. {0}, {1}: numbers or names as the
// comments say.
inline constexpr std::string_view kCommonFitMark = "◎ ";
inline constexpr std::string_view kNoFitMark = "　 ";
inline constexpr std::string_view kFullWidthComma = "，";
inline constexpr std::string_view kIdeographicComma = "、";
inline constexpr std::string_view kNotANumber = "「{0}」は数値として読めません";  // {0} the text
inline constexpr std::string_view kMissBelow = "最小を {0} 下回る";               // {0} "3 μm"
inline constexpr std::string_view kMissAbove = "最大を {0} 上回る";
inline constexpr std::string_view kMissBoth = "最小を {0} 下回り、最大を {1} 上回る";
inline constexpr std::string_view kMeasuredInside = "範囲内";
inline constexpr std::string_view kMeasuredAbove = "範囲外（上の許容寸法を {0} 超える）";
inline constexpr std::string_view kMeasuredBelow = "範囲外（下の許容寸法を {0} 下回る）";
inline constexpr std::string_view kFixedGeneralLabel = "普通公差 {0}";  // {0} "中級"
inline constexpr std::string_view kFinderSizeMissing = "基準寸法を入力してください";
// A measured size beyond what a check compares: {0} as typed, {1} the bound in mm.
inline constexpr std::string_view kMeasuredTooLarge = "「{0}」は実測値の範囲（±{1} mm）を超えています";
inline constexpr std::string_view kFinderWantedMissing =
    "欲しいすきまの最小と最大を mm で入力してください（しめしろは負の値）";
inline constexpr std::string_view kFinderNothingToFix = "主画面の{0}に許容寸法がないため固定できません";
inline constexpr std::string_view kFinderOtherSize = "基準寸法が主画面の{0}（{1} mm）と違います";
inline constexpr std::string_view kFinderSizeOutOfRange = "基準寸法は 0 を超え {0} mm 以下です";
inline constexpr std::string_view kFinderWholeRangeLargest = "（全範囲なら {0} mm 以下）";
inline constexpr std::string_view kFinderWantedReversed = "最小のすきまが最大を上回っています";
inline constexpr std::string_view kFinderFixedTooLarge = "固定する側の許容寸法が大きすぎます";
// {0} the mark, {1} hole / shaft, {2} the fit kind, {3} ～ {4} the clearances.
inline constexpr std::string_view kFinderRow = "{0}{1}　{2}　{3} ～ {4} mm";
inline constexpr std::string_view kFinderMoreFits = "…ほか {0} 件";
inline constexpr std::string_view kFinderNoFits = "条件を満たす組合せはありません";
inline constexpr std::string_view kFinderMissesHeading = "― 条件に届かない近いもの ―";
inline constexpr std::string_view kFinderMissRow = "{0}（{1}）";
inline constexpr std::string_view kMeasuredNoLimits = "主画面の{0}に許容寸法がありません";
// {0} "穴" or "軸", {1} the size as typed, {2} where it lies.
inline constexpr std::string_view kMeasuredPartLine = "{0} {1}：{2}";
inline constexpr std::string_view kMeasuredPairLine = "穴 {0} と軸 {1}：";
inline constexpr std::string_view kMeasuredInterference = "しめしろ {0} mm";
inline constexpr std::string_view kMeasuredClearance = "すきま {0} mm";
inline constexpr std::string_view kMeasuredMeetsWanted = "、条件を満たす";
inline constexpr std::string_view kMeasuredMissesWanted = "、条件を外れる";

// The tolerance-zone diagram. {0} the shaft's basic size, {1} the hole's.
inline constexpr std::string_view kZoneNotToScale = "公差域が大きすぎて縮尺どおりに描けません";
inline constexpr std::string_view kZoneOtherBasicSize =
    "軸（基準寸法 {0}）は穴の基準寸法 {1} を基準に描いています";

// Menus and the windows beside the main one. The finder's menu item is also
// its dialog's title; the diagram's menu item is also its window's title.
inline constexpr std::string_view kAboutMenuItemText = "ﾊﾞｰｼﾞｮﾝ情報(Tolvo.exe) (&A)...";
inline constexpr std::string_view kFinderMenuItemText = "はめあい検索";
inline constexpr std::string_view kFullRangeMenuItemText = "ISO 286 全範囲 (A～ZC, IT01～IT18, 3150mm まで)";
inline constexpr std::string_view kZoneDiagramMenuItemText = "公差域図";
// The context-menu item that pastes a fit callout ("φ25 H7/g6") from the
// clipboard, and what it says of a text that is none.
inline constexpr std::string_view kPasteCalloutMenuItemText = "はめあい記号を貼り付け";
// The signs drawings put before a diameter, as a pasted callout may start:
// φ (and its variants), Ø, ø, ⌀, ∅.
inline constexpr std::string_view kDiameterSigns[] = {"φ", "Φ", "ϕ", "Ø", "ø", "⌀", "∅"};
inline constexpr std::string_view kUnreadableCalloutMessage =
    "貼り付けた文字列をはめあい記号として読み取れません．\n（例：φ25 H7/g6，25H7/g6，Ø25 H7）";
inline constexpr std::string_view kZoneCopyImageText = "画像としてコピー(&C)";
inline constexpr std::string_view kZoneSaveSvgText = "SVG として保存(&S)...";
inline constexpr std::string_view kZoneSavePngText = "PNG として保存(&P)...";
inline constexpr std::string_view kZoneSaveFailedText = "ファイルに保存できませんでした。";
// The help window's button that hands the manual to the desktop's browser,
// and what it says when the desktop cannot.
inline constexpr std::string_view kHelpOpenInBrowserText = "ブラウザで開く(&B)";
inline constexpr std::string_view kHelpBrowserFailedText = "ブラウザで開けませんでした。";
// Why a save failed, on the line after the file's name: a folder, a device, a
// read-only file, a folder closed to writing, a failed write, a failed
// replacement.
inline constexpr std::string_view kZoneSaveFolderText = "同じ名前のフォルダーがあります。";
inline constexpr std::string_view kZoneSaveNotRegularFileText =
    "保存先はファイルではありません（デバイスなど）。";
inline constexpr std::string_view kZoneSaveReadOnlyText = "ファイルは読み取り専用です。";
inline constexpr std::string_view kZoneSaveCannotCreateText = "保存先のフォルダーに書き込めません。";
inline constexpr std::string_view kZoneSaveWriteFailedText =
    "書き込みに失敗しました。元のファイルはそのままです。";
inline constexpr std::string_view kZoneSaveCannotReplaceText = "元のファイルを置き換えられませんでした。";

// The command line's Japanese texts ("--lang ja") where they differ from the
// window's. {0} an amount ("3 μm") or a count.
inline constexpr std::string_view kFitMeasuredAbove = "範囲外：上の許容寸法を {0} 超える";
inline constexpr std::string_view kFitMeasuredBelow = "範囲外：下の許容寸法を {0} 下回る";
inline constexpr std::string_view kFitFitsFound = "条件を満たすはめあい ： {0}";
inline constexpr std::string_view kFitFitsShown = "（先頭 {0} 件）";
inline constexpr std::string_view kFitFitsHead[] = {
    " ", kHoleWord, kShaftWord, "最小すきま mm", "最大すきま mm", "種類"};
inline constexpr std::string_view kFitMissesTitle = "条件を外れる近いもの ：\n";
inline constexpr std::string_view kFitPairsTitle = "組合せ";
inline constexpr std::string_view kFitPairsWanted = "（求めるすきま {0}）";  // {0} "0.01 ～ 0.04 mm"
inline constexpr std::string_view kFitRangeSeparator = " ～ ";
inline constexpr std::string_view kFitPairInterference = "しめしろ ";
inline constexpr std::string_view kFitPairClearance = "すきま ";
inline constexpr std::string_view kFitPairMeets = "条件内";
inline constexpr std::string_view kFitPairMisses = "条件外";
// The measured check's last line. {0} "outside / all" of the parts, {1} the
// pairs' part or nothing; {2} "missed / all" of the pairs.
inline constexpr std::string_view kFitVerdictGood = "判定 ： 良（すべての部品が許容寸法内{1}）";
inline constexpr std::string_view kFitVerdictGoodPairs = "、すべての組合せが条件内";
inline constexpr std::string_view kFitVerdictNotGood = "判定 ： 不良（許容寸法外の部品 {0}{1}）";
inline constexpr std::string_view kFitVerdictMissedPairs = "、条件外の組合せ {2}";
// After the rows --find shows: {0} how many more.
inline constexpr std::string_view kFitMoreRows = "…ほか {0} 件（すべては --limit 0）\n";
// The end of the mean-value box's text, which closes the parenthesis its
// label opens; the English line has no such label.
inline constexpr std::string_view kMeanValueClose = "  ）";

// The materials' names (core/materials.cpp), each with the grade its values are for.
inline constexpr std::string_view kMaterialCarbonSteel = "炭素鋼 (S45C)";
inline constexpr std::string_view kMaterialAlloySteel = "合金鋼・調質 (SCM440)";
inline constexpr std::string_view kMaterialStainlessSteel = "オーステナイト系ステンレス鋼 (SUS304)";
inline constexpr std::string_view kMaterialGreyIron = "ねずみ鋳鉄 (FC250)";
inline constexpr std::string_view kMaterialDuctileIron = "球状黒鉛鋳鉄 (FCD450)";
inline constexpr std::string_view kMaterialWroughtAluminium = "アルミニウム合金・展伸材 (A6061-T6)";
inline constexpr std::string_view kMaterialCastAluminium = "アルミニウム合金鋳物 (AC4C-T6)";
inline constexpr std::string_view kMaterialBrass = "黄銅 (C3604)";
inline constexpr std::string_view kMaterialBronze = "青銅鋳物 (CAC406)";
inline constexpr std::string_view kMaterialCopper = "銅 (C1100)";
inline constexpr std::string_view kMaterialTitanium = "チタン合金 (Ti-6Al-4V)";
inline constexpr std::string_view kMaterialPom = "ポリアセタール (POM)";
inline constexpr std::string_view kMaterialPa6 = "ナイロン6・絶乾 (PA6)";

// The calculation sheet (printed, saved as PDF, tolvo-fit --sheet) and the
// window's items that make it. {0} "穴" or "軸", {1} the basic size, {2} how
// its deviations are given; {0} {1} of the free input the two typed texts.
inline constexpr std::string_view kPrintMenuItemText = "印刷…";
inline constexpr std::string_view kSavePdfMenuItemText = "PDF に保存…";
inline constexpr std::string_view kPrintUnavailableText = "印刷の機能を読み込めませんでした。";
inline constexpr std::string_view kPrintFailedText = "印刷できませんでした。";
inline constexpr std::string_view kSheetTitle = "はめあい計算書";
inline constexpr std::string_view kSheetDateLabel = "作成日 ： ";
inline constexpr std::string_view kSheetInputsTitle = "入力";
inline constexpr std::string_view kSheetInputRow = "{0} ： 基準寸法 φ{1} mm　{2}";
inline constexpr std::string_view kSheetFitClassInput = "公差域クラス {0}";
inline constexpr std::string_view kSheetFreeInput = "自由入力 {0} / {1} mm";
inline constexpr std::string_view kSheetFitTitle = "はめあい";
// Ends a row of the sheet cut short.
inline constexpr std::string_view kSheetEllipsis = "…";
// ---- The callout as a drawing writes it (core/callout.h) and its commands ----
inline constexpr std::string_view kDiameterSignDia = "⌀";  // U+2300; the default sign is kPhi
inline constexpr std::string_view kPlusMinus = "±";
// The note of a general tolerance, before its class letter: "JIS B 0405-m".
inline constexpr std::string_view kGeneralToleranceNote = "JIS B 0405-";
// The main window's context menu: the copy command, the style and the sign.
inline constexpr std::string_view kCopyCalloutMenuItemText = "はめあい記号をコピー";
inline constexpr std::string_view kCalloutStyleMenuText = "はめあい記号の書き方";
inline constexpr std::string_view kCalloutStyleTexts[] = {
    "公差クラス（φ25H7）",
    "公差クラスと寸法許容差（φ25H7(+0.021/0)）",
    "寸法許容差（φ25 +0.021/0）",
    "許容限界寸法（φ25.021/25.000）",
};
inline constexpr std::string_view kDiameterSignMenuText = "直径記号";
inline constexpr std::string_view kDiameterSignTexts[] = {"φ", "⌀", "なし（長さ）"};
// The copy dialog's check box, and the label of its line in the report.
inline constexpr std::string_view kIncludeCalloutText = "はめあい記号";
inline constexpr std::string_view kCalloutLabel = "はめあい記号 ： ";
// ---- end of the callout's texts ----

// The Win32 window: help found but not opened by the desktop. {0} the
// document's full path.
inline constexpr std::string_view kHelpOpenFailedMessage =
    "エラー：ヘルプを開けませんでした．\nヘルプファイルはここにあります：\n{0}";

// The interference-fit joint (圧入計算): its report's labels and warnings,
// each value "最小 / 最大しめしろ". {0}, {1}: as the English catalogue's.
inline constexpr std::string_view kPressFitTitle = "圧入計算";
inline constexpr std::string_view kPressTitle = "圧入計算 {0}{1} （弾性域、DIN 7190-1）\n";
inline constexpr std::string_view kPressPart =
    "  {0} ： {1}、{2} ： E {3} GPa、ν {4}、α {5} /K、{6} {7} MPa\n";
inline constexpr std::string_view kPressOutside = "外径 φ{0} mm";
inline constexpr std::string_view kPressSolid = "中実";
inline constexpr std::string_view kPressBore = "内径 φ{0} mm";
inline constexpr std::string_view kPressYield = "降伏点";
inline constexpr std::string_view kPressTensile = "引張強さ";
inline constexpr std::string_view kPressJoint = "  はめあい長さ {0} mm、μ {1}、μe {2}";
inline constexpr std::string_view kPressStiffness = "、K {0} /MPa";
inline constexpr std::string_view kPressColumns =
    "最小 / 最大しめしろ （伝達能力は最小しめしろ、圧入力は最大しめしろの値）\n";
inline constexpr std::string_view kPressInterference = "しめしろ";
inline constexpr std::string_view kPressRoughnessLoss = "粗さによる減少";
inline constexpr std::string_view kPressTemperatureLoss = "温度による減少";
inline constexpr std::string_view kPressSpeedLoss = "回転による減少";
inline constexpr std::string_view kPressEffective = "有効しめしろ";
inline constexpr std::string_view kPressPressure = "面圧";
inline constexpr std::string_view kPressHubTangential = "ハブ内径の円周方向応力";
inline constexpr std::string_view kPressHubRadial = "ハブ内径の半径方向応力";
inline constexpr std::string_view kPressHubEquivalent = "ハブ内径の相当応力";
inline constexpr std::string_view kPressHubOutside = "ハブ外径の円周方向応力";
inline constexpr std::string_view kPressShaftTangential = "軸の円周方向応力";
inline constexpr std::string_view kPressShaftRadial = "軸の半径方向応力";
inline constexpr std::string_view kPressShaftEquivalent = "軸の相当応力";
inline constexpr std::string_view kPressHubSafety = "ハブの安全率";
inline constexpr std::string_view kPressShaftSafety = "軸の安全率";
inline constexpr std::string_view kPressTorque = "伝達トルク";
inline constexpr std::string_view kPressAxial = "伝達軸力";
inline constexpr std::string_view kPressForce = "圧入力";
// Between a label and its value.
inline constexpr std::string_view kPressLabelEnd = " ： ";
inline constexpr std::string_view kPressShrink =
    "焼きばめ ： ハブを {0} °C に加熱、または軸を {1} °C に冷却 （室温 {2} °C、はめ込みすきま {3} mm）\n";
inline constexpr std::string_view kPressShrinkHubOnly =
    "焼きばめ ： ハブを {0} °C に加熱 （室温 {2} °C、はめ込みすきま {3} mm）\n";
inline constexpr std::string_view kPressWarning = "警告 ： {0}\n";
inline constexpr std::string_view kPressNote = "注 ： {0}\n";
inline constexpr std::string_view kPressNoInterference =
    "しめしろがありません （最大しめしろ {0} mm） ： 圧入結合になりません";
inline constexpr std::string_view kPressNoPressure =
    "{0}しめしろでは有効しめしろが {1} mm ： 面圧がなく、何も伝達しません";
inline constexpr std::string_view kPressEnds[] = {"最小", "最大"};
inline constexpr std::string_view kPressYields =
    "{0}の安全率 {1} が {2} を下回ります ： 塑性変形し、この弾性計算は成り立ちません";
inline constexpr std::string_view kPressCracks =
    "{0}の安全率 {1} （引張強さに対して） が {2} を下回ります ： 脆性材料のため割れるおそれがあります";
inline constexpr std::string_view kPressParts[] = {"ハブ", "軸"};
inline constexpr std::string_view kPressBelowNitrogen =
    "軸の冷却温度 {0} °C は -196 °C を下回ります ： 液体窒素では届きません";
inline constexpr std::string_view kPressBelowAbsoluteZero =
    "軸の冷却温度 {0} °C は絶対零度を下回ります ： 冷やしばめはできません、ハブを加熱してください";
inline constexpr std::string_view kPressElastic =
    "弾性域のみの計算です ： 安全率が 1 を下回る部品は塑性変形し、この結果は成り立ちません";
inline constexpr std::string_view kPressSpeedNote =
    "回転による減少は近似値です （ハブを回転円板とし、軸の膨張は無視）";
// The joint's refusals, in the order of PressFitField and of PressFitFault
// (core/press_fit.h). {0} the value's name, {1} the joint diameter in mm.
inline constexpr std::string_view kPressFieldNames[] = {
    "はめあい径",        "最小しめしろ",     "最大しめしろ",
    "ハブ外径",          "軸の内径",         "はめあい長さ",
    "摩擦係数",          "圧入時の摩擦係数", "ハブの縦弾性係数",
    "軸の縦弾性係数",    "ハブのポアソン比", "軸のポアソン比",
    "ハブの線膨張係数",  "軸の線膨張係数",   "ハブの降伏点",
    "軸の降伏点",        "ハブの密度",       "軸の密度",
    "ハブ内径の粗さ Rz", "軸の粗さ Rz",      "ハブの使用温度",
    "軸の使用温度",      "回転数",           "室温",
    "はめ込みすきま",    "最小安全率",       "計算結果"};
inline constexpr std::string_view kPressFaults[] = {"{0}が数値の範囲を超えています",
                                                    "{0}は 0 より大きい値にしてください",
                                                    "{0}は 0 以上にしてください",
                                                    "{0}ははめあい径 {1} mm より大きくしてください",
                                                    "{0}ははめあい径 {1} mm より小さくしてください",
                                                    "{0}は 0 より大きく 0.5 より小さい値にしてください",
                                                    "{0}が絶対零度 (-273.15 °C) を下回っています",
                                                    "最小しめしろが最大しめしろより大きくなっています",
                                                    "計算結果が数値の範囲を超えています"};

// tolvo-fit's fit in service (--lang ja), entry for entry beside tools/fit/texts.h.
// The fit in service's refusals (core/service_conditions.h), in ServiceProblem
// order: {0} the part (穴, 軸), {1} the value at fault, {2} the wanted maximum.
inline constexpr std::string_view kServiceProblems[] = {
    "{0}は {1} °C ですが、材料も線膨張係数 α も指定されていません",
    "{0}の線膨張係数 α {1} 1/K は範囲外です（0 を超え 0.001 1/K まで）",
    "{0}の温度 {1} °C は範囲外です（-273.15 ～ 10000 °C）",
    "{0}の Cp {1} は範囲外です（0.01 ～ 100）",
    "{0}のずれ {1} μm は範囲外です（-1000000 ～ 1000000 μm）",
    "すきまの下限 {1} mm が上限 {2} mm を上回っています",
    "すきまの範囲が数値ではありません",
};
inline constexpr std::string_view kFitServiceAtTemperature = "使用温度 ： 穴 {0} °C、軸 {1} °C";
inline constexpr std::string_view kFitServicePart = "{0} ： {1}α {2} 1/K ： φ{3} ～ {4} mm";
inline constexpr std::string_view kFitServiceSeparator = "、";
inline constexpr std::string_view kFitServiceNoExpansion = "なし（20 °C のまま）";
inline constexpr std::string_view kFitServiceOverRange =
    "温度範囲 ： 穴 {0} ～ {1} °C、軸 {2} ～ {3} °C（{4}）";
inline constexpr std::string_view kFitServiceTogether = "同時に変化";
inline constexpr std::string_view kFitServiceIndependent = "それぞれ範囲内で独立";
inline constexpr std::string_view kFitServiceAtStart = "開始時 ： {0}";
inline constexpr std::string_view kFitServiceAtEnd = "終了時 ： {0}";
inline constexpr std::string_view kFitServiceSmallest = "最小のすきま ： {0}（{1}）";
inline constexpr std::string_view kFitServiceLargest = "最大のすきま ： {0}（{1}）";
inline constexpr std::string_view kFitServicePoint = "穴 {0} °C、軸 {1} °C";
inline constexpr std::string_view kFitServiceClearanceAmount = "{0} mm ＜すきま＞";
inline constexpr std::string_view kFitServiceInterferenceAmount = "{0} mm ＜しめしろ＞";
inline constexpr std::string_view kFitServiceZeroAmount = "0 mm";
inline constexpr std::string_view kFitServiceMeanFit = "中央値換算の勘合 ： {0}";
inline constexpr std::string_view kFitServiceZeroAt = "{0}が 0 になる温度 ： {1}";
inline constexpr std::string_view kFitServiceMeasures[] = {"最大すきま", "最小すきま", "中央値のすきま"};
inline constexpr std::string_view kFitServiceKindChanges = "範囲内ではめあいの種類が変わる";
inline constexpr std::string_view kFitServiceKindKept = "範囲内ではめあいの種類は変わらない";
inline constexpr std::string_view kFitServiceStatistics =
    "統計 ： {0}、穴 Cp {1} ずれ {2} μm、軸 Cp {3} ずれ {4} μm（{5}）";
inline constexpr std::string_view kFitServiceNormal = "正規分布";
inline constexpr std::string_view kFitServiceUniform = "一様分布";
inline constexpr std::string_view kFitServiceMean = "すきまの平均 ： {0} mm";
inline constexpr std::string_view kFitServiceSigma = "標準偏差 σ ： {0} mm";
inline constexpr std::string_view kFitServiceThreeSigma = "平均 ± 3σ ： {0} ～ {1} mm";
inline constexpr std::string_view kFitServiceWorstCase = "最悪値 ： {0} ～ {1} mm";
inline constexpr std::string_view kFitServiceInterference = "しめしろになる確率 ： {0}";
inline constexpr std::string_view kFitServiceClearance = "すきまになる確率 ： {0}";
inline constexpr std::string_view kFitServiceBelowWanted = "{0} mm 未満になる確率 ： {1}";
inline constexpr std::string_view kFitServiceAboveWanted = "{0} mm を超える確率 ： {1}";
inline constexpr std::string_view kFitMaterialLine =
    "{0} | {1} | {2} | {3} | E {4} GPa | ν {5} | α {6} 1/K | {7} MPa {8} | {9} kg/m³";
inline constexpr std::string_view kFitMaterialYield = "降伏点または 0.2 % 耐力";
inline constexpr std::string_view kFitMaterialTensile = "引張強さ";
inline constexpr std::string_view kFitMaterialsNote =
    "値は室温付近の代表値です。設計には材料メーカーの値を使ってください（α は --hole-alpha、--shaft-alpha で指定できます）。";

// ---- the joint's dialog "圧入計算" (ui/press_fit_model.h) ----
// The units of the joint's values, after each, in both languages (tolvo-fit's, the dialog's, the copied
// report's).
inline constexpr std::string_view kPressUnitMm = " mm";
inline constexpr std::string_view kPressUnitMpa = " MPa";
inline constexpr std::string_view kPressUnitN = " N";
inline constexpr std::string_view kPressUnitNm = " N·m";
inline constexpr std::string_view kPressUnitCelsius = " °C";
// The dialog's message line: why nothing is computed.
inline constexpr std::string_view kPressFitNoPair =
    "主画面のはめあいが求められていません （しめしろを入力することもできます）";
inline constexpr std::string_view kPressFitSizeMissing = "はめあい径を入力してください";
inline constexpr std::string_view kPressFitInterferenceMissing =
    "最小しめしろと最大しめしろを入力してください";
inline constexpr std::string_view kPressFitSizesMissing = "ハブ外径とはめあい長さを入力してください";
inline constexpr std::string_view kPressFitValueMissing = "{0}を入力してください";  // {0} kPressFieldNames
// The copy dialog's check box, and the heading of the joint's lines in the report.
inline constexpr std::string_view kIncludePressFitText = "圧入計算";
inline constexpr std::string_view kPressFitReportHeading =
    "圧入計算 ： {0}";  // {0} kPressColumns' line, or why none
// ---- end of the joint's dialog ----

// ---- the operating-conditions dialog "使用条件" (ui/service_model.h) ----
inline constexpr std::string_view kServiceTitle = "使用条件";
// The dialog's message line: why nothing is computed.
inline constexpr std::string_view kServiceNoPair = "主画面のはめあいが求められていません";
inline constexpr std::string_view kServiceValueMissing = "{0}を入力してください";  // {0} kServiceFieldNames
inline constexpr std::string_view kServiceWantedHalf = "望むすきまは下限と上限の両方を入力してください";
// The names of its number edits, in ServiceModel's order.
inline constexpr std::string_view kServiceFieldNames[] = {
    "穴の線膨張係数 α", "軸の線膨張係数 α", "穴の温度", "軸の温度", "温度範囲の開始",   "温度範囲の終了",
    "穴の Cp",          "軸の Cp",          "穴のずれ", "軸のずれ", "望むすきまの下限", "望むすきまの上限",
};
// A value the dialog has none for.
inline constexpr std::string_view kServiceNone = "-";
// A result box's limits "φ25.0040 ～ 25.0250" and span "0.0040 ～ 0.0250", and an amount with where it is
// reached.
inline constexpr std::string_view kServiceLimits = "φ{0} ～ {1}";
inline constexpr std::string_view kServiceSpan = "{0} ～ {1}";
inline constexpr std::string_view kServiceAmountAt = "{0}（{1}）";  // {1} "穴 80 °C、軸 80 °C"
// The copy dialog's check box, and the heading of the dialog's lines in the report and on the sheet.
inline constexpr std::string_view kIncludeServiceText = "使用条件";
inline constexpr std::string_view kServiceReportHeading = "使用条件 ： 穴 {0}、軸 {1}";  // {0} {1} materials
// The zone diagram while the dialog is open: each outline at temperature, the band and the footer line.
inline constexpr std::string_view kZoneTemperatureLabel = "{0} °C";
inline constexpr std::string_view kZoneBandLabel = "±3σ";
inline constexpr std::string_view kZoneBandNote = "、すきま ±3σ {0} ～ {1}";
inline constexpr std::string_view kZoneServiceNote = "枠線 ： 使用温度（穴 {0} °C、軸 {1} °C）の公差域{2}";
// ---- end of the operating-conditions dialog ----

}  // namespace tolvo::ja
