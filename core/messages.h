// The texts of Tolvo's message boxes, put together from core/texts_ja.h.
#pragma once

#include <string>
#include <string_view>

#include "core/feature.h"
#include "core/texts_ja.h"

namespace tolvo {

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

// The hole's word or the shaft's.
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
