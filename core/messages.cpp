#include "core/messages.h"

#include <array>

namespace tolvo {
namespace {

// In the order of SettingMessage. The references to the standards are part of
// the texts: users look them up.
constexpr std::array<std::string_view, 9> kSettingMessageBodies = {
    "の設定エラー：120mmを超える寸法のJISはめあい公差を Tolvo はサポートしていません.",
    "の設定エラー：JISはめあい公差は使用できません．\n8級を超える公差等級におけるＫに対する寸法許容差は、3mmを超える基準寸法には規定していません．\n（JIS B0401-2 表8 注2）",
    "の設定エラー：JISはめあい公差は使用できません．\n8級を超える公差等級に対応する基礎となる寸法許容差Nを、1mm以下の基準寸法に使用してはなりません．\n（ JIS B0401-1 表3 注5 ）",
    "の設定エラー：JIS普通公差は使用できません．\n2000mmを超え4000mm以下の基準寸法に対しては、精級の許容差が定義されていません．\n（ JIS B0405 表1 ）",
    "の設定エラー：JIS普通公差は使用できません．\n0.5mm以上で3mm以下の基準寸法に対しては、極粗級の許容差が定義されていません．\n（ JIS B0405 表1 ）",
    "の設定エラー：JIS普通公差は使用できません．\n4000mmを超える基準寸法に対しては、許容差が定義されていません．\n（ JIS B0405 表1 ）",
    "の設定エラー：JIS普通公差は使用できません．\n0.5mm未満の基準寸法に対しては、その基準寸法に続けて許容差を個々に指示します．\n（ JIS B0405 表1 注1 ）",
    "設定の警告 ： 実寸法の径が０以下になることがあります",
    "の設定エラー：3150mmを超える基準寸法に対しては、JISはめあい公差が規定されていません．\n（ JIS B0401-1 ）",
};

// The pieces around the class, grade or letter named in the undefined-cell messages.
constexpr std::string_view kUndefinedClassBefore = "の設定エラー：この基準寸法に対しては、";
constexpr std::string_view kUndefinedClassMiddle = "の寸法許容差が規定されていません．\n公差等級を";
constexpr std::string_view kUndefinedClassAfter = "に変更しました．\n（ JIS B0401-1 ）";
constexpr std::string_view kGradePrefix = "IT";
constexpr std::string_view kUndefinedLetterBefore = "の設定エラー：この基準寸法に対しては、記号 ";
constexpr std::string_view kUndefinedLetterAfter = " の寸法許容差が規定されていません．\n（ JIS B0401-1 ）";

constexpr std::array<std::string_view, kFeatureKindCount> kFeatureWords = {"穴", "軸"};

}  // namespace

std::string_view FeatureWord(FeatureKind kind) {
    return kFeatureWords[Index(kind)];
}

std::string_view SettingMessageBody(SettingMessage message) {
    return kSettingMessageBodies[static_cast<std::size_t>(message)];
}

std::string SettingMessageText(FeatureKind kind, SettingMessage message) {
    std::string text(FeatureWord(kind));
    text += SettingMessageBody(message);
    return text;
}

std::string UndefinedClassMessageText(FeatureKind kind, std::string_view className,
                                      std::string_view newGrade) {
    std::string text(FeatureWord(kind));
    text += kUndefinedClassBefore;
    text += className;
    text += kUndefinedClassMiddle;
    text += kGradePrefix;
    text += newGrade;
    text += kUndefinedClassAfter;
    return text;
}

std::string UndefinedLetterMessageText(FeatureKind kind, std::string_view letterName) {
    std::string text(FeatureWord(kind));
    text += kUndefinedLetterBefore;
    text += letterName;
    text += kUndefinedLetterAfter;
    return text;
}

}  // namespace tolvo
