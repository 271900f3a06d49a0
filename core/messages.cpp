#include "core/messages.h"

#include <array>

#include "core/text_fill.h"

namespace tolvo {
namespace {

// In the order of SettingMessage.
constexpr std::array<std::string_view, 9> kSettingMessageBodies = {
    ja::kFitSizeOver120Message,     ja::kKGradeMessage,           ja::kNGradeMessage,
    ja::kFineClassMessage,          ja::kVeryCoarseClassMessage,  ja::kGeneralSizeOver4000Message,
    ja::kGeneralSizeUnder05Message, ja::kNonPositiveLimitMessage, ja::kFitSizeOver3150Message,
};

constexpr std::array<std::string_view, kFeatureKindCount> kFeatureWords = {ja::kHoleWord, ja::kShaftWord};

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
    return std::string(FeatureWord(kind)) + FillIn(ja::kUndefinedClassMessage, {className, newGrade});
}

std::string UndefinedLetterMessageText(FeatureKind kind, std::string_view letterName) {
    return std::string(FeatureWord(kind)) + FillIn(ja::kUndefinedLetterMessage, {letterName});
}

}  // namespace tolvo
