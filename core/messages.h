// The texts of Tolvo's message boxes.
#pragma once

#include <string>
#include <string_view>

#include "core/feature.h"
#include "core/version.h"

namespace tolvo {

// Caption of every message box; also the default title of the copied report.
inline constexpr std::string_view kMessageCaption = "Tolvo  Ver " TOLVO_SHOWN_VERSION;
// Shown by the copy command when there is no fit to copy.
inline constexpr std::string_view kNothingToCopyMessage = "クリップボードへコピーする内容が不足しています．";
// Shown when a pasted text is no fit callout; the window stays as it was.
inline constexpr std::string_view kUnreadableCalloutMessage =
    "貼り付けた文字列をはめあい記号として読み取れません．\n（例：φ25 H7/g6，25H7/g6，Ø25 H7）";

// The messages about one feature's setting, shown after the feature's word.
enum class SettingMessage {
    FitSizeOver120,
    KGrade,
    NGrade,
    FineClass,
    VeryCoarseClass,
    GeneralSizeOver4000,
    GeneralSizeUnder05,
    NonPositiveLimit,
    FitSizeOver3150,  // with the whole ISO 286 range
};

// "穴" for the hole, "軸" for the shaft.
std::string_view FeatureWord(FeatureKind kind);

// The message text without the feature's word.
std::string_view SettingMessageBody(SettingMessage message);

// The whole text of the message box: the feature's word directly followed by
// the body (no blank between). Lines are separated by single line feeds.
std::string SettingMessageText(FeatureKind kind, SettingMessage message);

// With the whole ISO 286 range, a class the standard leaves undefined at the
// basic size: its grade was moved to newGrade, named as in "13" (the text
// says "IT13").
std::string UndefinedClassMessageText(FeatureKind kind, std::string_view className,
                                      std::string_view newGrade);
// With the whole ISO 286 range, a letter that has no grade at the basic size.
std::string UndefinedLetterMessageText(FeatureKind kind, std::string_view letterName);

}  // namespace tolvo
