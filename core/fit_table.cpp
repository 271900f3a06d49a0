#include "core/fit_table.h"

#include <array>

namespace tolvo {
namespace {

// D E F G H JS K M N P, as the whole system numbers them.
constexpr std::array<int, 10> kClassicLetters = {4, 5, 7, 9, 10, 11, 13, 14, 15, 16};
constexpr int kClassicFirstGrade = 6;  // IT5
constexpr int kClassicGradeCount = 8;  // IT5..IT12

constexpr std::array<int, iso286::kLetterCount> WholeLetters() {
    std::array<int, iso286::kLetterCount> letters{};
    for (int i = 0; i < iso286::kLetterCount; ++i) letters[i] = i;
    return letters;
}
constexpr std::array<int, iso286::kLetterCount> kWholeLetters = WholeLetters();

constexpr ClassRange kClassic(kClassicLetters, kClassicFirstGrade, kClassicGradeCount, 120.0,
                              SettingMessage::FitSizeOver120);
constexpr ClassRange kWhole(kWholeLetters, 0, iso286::kGradeCount, iso286::kLargestBasicSize,
                            SettingMessage::FitSizeOver3150);

constexpr double kKRuleOver = 3.0;  // mm: JIS B0401-2 defines K above IT8 only up to this size
constexpr double kNRuleUpTo = 1.0;  // mm: JIS B0401-1 forbids N above IT8 up to this size

// The position nearest to `index` that `toPosition` knows, the earlier on a tie.
template <typename ToPosition>
int NearestPosition(int index, int count, ToPosition toPosition) {
    for (int distance = 0; distance < count; ++distance) {
        for (int candidate : {index - distance, index + distance}) {
            if (candidate < 0 || candidate >= count) continue;
            if (const std::optional<int> position = toPosition(candidate)) return *position;
        }
    }
    return 0;
}

}  // namespace

std::optional<iso286::ToleranceClass> ClassRange::ClassAt(FeatureKind kind, int letterPosition,
                                                          int gradePosition) const {
    if (letterPosition < 0 || letterPosition >= LetterCount() || gradePosition < 0 ||
        gradePosition >= gradeCount_)
        return std::nullopt;
    return iso286::ToleranceClass{kind, letters_[letterPosition], firstGrade_ + gradePosition};
}

std::optional<int> ClassRange::LetterPosition(int letterIndex) const {
    for (int i = 0; i < LetterCount(); ++i) {
        if (letters_[i] == letterIndex) return i;
    }
    return std::nullopt;
}

std::optional<int> ClassRange::GradePosition(int gradeIndex) const {
    const int position = gradeIndex - firstGrade_;
    if (position < 0 || position >= gradeCount_) return std::nullopt;
    return position;
}

bool ClassRange::Offers(const iso286::ToleranceClass& c) const {
    return LetterPosition(c.letterIndex) && GradePosition(c.gradeIndex);
}

int ClassRange::NearestLetterPosition(int letterIndex) const {
    return NearestPosition(letterIndex, iso286::kLetterCount, [this](int i) { return LetterPosition(i); });
}

int ClassRange::NearestGradePosition(int gradeIndex) const {
    return NearestPosition(gradeIndex, iso286::kGradeCount, [this](int i) { return GradePosition(i); });
}

std::optional<Deviations> ClassRange::Cell(FeatureKind kind, int letterPosition, int gradePosition,
                                           int sizeStep) const {
    const std::optional<iso286::ToleranceClass> c = ClassAt(kind, letterPosition, gradePosition);
    if (!c || sizeStep < 0 || sizeStep >= iso286::kSizeStepCount ||
        iso286::SizeStepBounds(sizeStep).over >= largestBasicSize_)
        return std::nullopt;
    return iso286::Lookup(kind, c->letterIndex, c->gradeIndex, sizeStep);
}

CellCheck ClassRange::Check(FeatureKind kind, int letterPosition, int gradePosition, int sizeStep) const {
    // The standard's own cells, also over the range's largest size, which the
    // fit-size limit refuses before any cell is read.
    const auto defined = [&](int g) {
        const std::optional<iso286::ToleranceClass> c = ClassAt(kind, letterPosition, g);
        return c && iso286::Lookup(kind, c->letterIndex, c->gradeIndex, sizeStep).has_value();
    };
    CellCheck check;
    if (defined(gradePosition)) return check;
    check.outcome = CellCheck::Outcome::NoGrade;
    for (int distance = 1; distance < gradeCount_; ++distance) {
        for (int g : {gradePosition - distance, gradePosition + distance}) {  // the finer grade first
            if (g < 0 || g >= gradeCount_ || !defined(g)) continue;
            check.outcome = CellCheck::Outcome::OtherGrade;
            check.nearestGradePosition = g;
            break;
        }
        if (check.outcome == CellCheck::Outcome::OtherGrade) break;
    }
    if (check.outcome != CellCheck::Outcome::OtherGrade || kind != FeatureKind::Hole) return check;
    const int grade8 = *iso286::FindGrade("8");
    const int letter = letters_[letterPosition];
    const iso286::SizeStep step = iso286::SizeStepBounds(sizeStep);
    const bool above8 =
        firstGrade_ + gradePosition > grade8 && firstGrade_ + check.nearestGradePosition == grade8;
    check.kRule = above8 && letter == *iso286::FindLetter(kind, "K") && step.over >= kKRuleOver;
    check.nRule = above8 && letter == *iso286::FindLetter(kind, "N") && step.upTo <= kNRuleUpTo;
    return check;
}

const ClassRange& ClassicRange() {
    return kClassic;
}

const ClassRange& WholeRange() {
    return kWhole;
}

const ClassRange& RangeOf(FitClassRange range) {
    return range == FitClassRange::Whole ? kWhole : kClassic;
}

}  // namespace tolvo
