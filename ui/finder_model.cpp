#include "ui/finder_model.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

#include "core/general_table.h"
#include "core/measured_check.h"
#include "core/number_text.h"
#include "core/setting_checks.h"
#include "core/text_fill.h"
#include "core/texts_ja.h"

namespace tolvo {
namespace {

using namespace finder_dialog;
constexpr const FeaturePanel& kHole = main_dialog::kHolePanel;
constexpr const FeaturePanel& kShaft = main_dialog::kShaftPanel;

struct BasisRadio {
    int id;
    FitBasis basis;
    std::optional<FeatureKind> fixed;
};
constexpr BasisRadio kBasisRadios[] = {
    {kHoleBasis, FitBasis::Hole, std::nullopt},     {kShaftBasis, FitBasis::Shaft, std::nullopt},
    {kAnyBasis, FitBasis::Any, std::nullopt},       {kFixHole, FitBasis::Any, FeatureKind::Hole},
    {kFixShaft, FitBasis::Any, FeatureKind::Shaft},
};

// The number a text holds when it is nothing but that number.
std::optional<double> WholeNumber(std::string_view text) {
    const NumberReading reading = ReadNumber(text);
    if (reading.number.empty() || !reading.whole) return std::nullopt;
    return reading.value;
}

std::string NotANumber(std::string_view text) {
    return FillIn(ja::kNotANumber, {text});
}

std::string Millimetres(double value) {
    return FormatGKeepingFourDecimals(RoundToSixDecimals(value));
}

std::string Micrometres(double value) {
    return FormatG(std::round(value * 1000.0) / 1000.0) + std::string(ja::kMicrometres);
}

std::string SideText(const std::optional<iso286::ToleranceClass>& c,
                     const std::optional<FixedFeature>& fixed) {
    if (c) return iso286::FormatClassName(*c);
    return fixed ? fixed->label : std::string();
}

std::string MissText(const FitMiss& m) {
    switch (m.end) {
        case MissEnd::BelowMinimum:
            return FillIn(ja::kMissBelow, {Micrometres(m.belowBy)});
        case MissEnd::AboveMaximum:
            return FillIn(ja::kMissAbove, {Micrometres(m.aboveBy)});
        case MissEnd::Both:
            break;
    }
    return FillIn(ja::kMissBoth, {Micrometres(m.belowBy), Micrometres(m.aboveBy)});
}

std::string PlaceText(const MeasuredPart& part) {
    switch (part.place) {
        case MeasuredPlace::Inside:
            return std::string(ja::kMeasuredInside);
        case MeasuredPlace::AboveUpper:
            return FillIn(ja::kMeasuredAbove, {Micrometres(part.outsideBy)});
        case MeasuredPlace::BelowLower:
            break;
    }
    return FillIn(ja::kMeasuredBelow, {Micrometres(part.outsideBy)});
}

std::string TooLarge(std::string_view text) {
    return FillIn(ja::kMeasuredTooLarge, {text, FormatFixed(kLargestMeasuredSize, 0)});
}

// The sizes of a comma-separated list as typed; blank items are passed over.
struct MeasuredList {
    std::vector<std::string> texts;
    std::vector<double> sizes;
    std::optional<std::string> refusal;  // why the first item that cannot be checked is refused
};

// The length of the item separator at text[at] (",", or the full-width and
// the ideographic comma an input method types), 0 for none.
std::size_t CommaAt(std::string_view text, std::size_t at) {
    if (text[at] == ',') return 1;
    for (std::string_view wide : {ja::kFullWidthComma, ja::kIdeographicComma}) {
        if (text.substr(at, wide.size()) == wide) return wide.size();
    }
    return 0;
}

MeasuredList ReadMeasuredList(std::string_view text) {
    MeasuredList list;
    std::size_t begin = 0;
    for (std::size_t at = 0; at <= text.size(); ++at) {
        const std::size_t comma = at < text.size() ? CommaAt(text, at) : 1;
        if (comma == 0) continue;
        const std::string_view typed = text.substr(begin, at - begin);
        const std::string_view item = TrimBlanks(typed);
        begin = at + comma;
        at = begin - 1;
        if (item.empty()) continue;
        const std::optional<double> size = WholeNumber(item);
        if (!size) {
            list.refusal = NotANumber(typed);
            return list;
        }
        if (!IsMeasurableSize(*size)) {
            list.refusal = TooLarge(item);
            return list;
        }
        list.texts.emplace_back(item);
        list.sizes.push_back(*size);
    }
    return list;
}

// The main window keeps the last limit sizes while its basic size is blank; they are no longer shown.
bool HasLimits(const FeatureState& s) {
    return s.hasLimits && s.basicSize > 0.0;
}

}  // namespace

struct FinderModel::Inputs {
    FitRequirement requirement;
    std::string sizeText;
};

FinderModel::FinderModel(MainModel& main) : main_(main), controls_(kFinderDialog) {
    controls_.At(kBasicSize).text = main_.Controls().At(main_dialog::kHoleBasicSize).text;
    controls_.At(kHoleBasis).checked = true;
    controls_.At(kWholeRange).checked = main_.Range() == FitClassRange::Whole;
    Update();
    selectAllRequest_ = kWantedMinimum;
}

std::optional<FixedFeature> FinderModel::Fixed(const FeaturePanel& p) const {
    const ControlStates& c = main_.Controls();
    const FeatureState& s = main_.Feature(p.kind);
    if (!HasLimits(s)) return std::nullopt;
    if (c.At(p.fitRadio).checked) {
        std::string label;
        if (const auto isoClass = main_.Classes().ClassAt(p.kind, s.letterIndex, s.gradeIndex))
            label = iso286::FormatClassName(*isoClass);
        return FixFeature(p.kind, s, ToleranceMode::FitClass, main_.Range(), label);
    }
    if (c.At(p.generalRadio).checked) {
        return FixFeature(p.kind, s, ToleranceMode::General, main_.Range(),
                          FillIn(ja::kFixedGeneralLabel, {GeneralClassName(s.generalClass)}));
    }
    return FixFeature(p.kind, s, ToleranceMode::Free, main_.Range(),
                      FormatSignedG(s.freeUpper) + "/" + FormatSignedG(s.freeLower));
}

std::optional<FinderModel::Inputs> FinderModel::ReadInputs() {
    std::string& message = controls_.At(kMessage).text;
    Inputs in;
    in.sizeText = controls_.At(kBasicSize).text;
    const std::string& minimum = controls_.At(kWantedMinimum).text;
    const std::string& maximum = controls_.At(kWantedMaximum).text;
    if (IsBlankText(in.sizeText)) {
        message = ja::kFinderSizeMissing;
        return std::nullopt;
    }
    for (const std::string* text : {&std::as_const(in.sizeText), &minimum, &maximum}) {
        if (!IsBlankText(*text) && !WholeNumber(*text)) {
            message = NotANumber(*text);
            return std::nullopt;
        }
    }
    if (IsBlankText(minimum) || IsBlankText(maximum)) {
        message = ja::kFinderWantedMissing;
        return std::nullopt;
    }
    FitRequirement& r = in.requirement;
    r.basicSize = *WholeNumber(in.sizeText);
    r.wanted = {*WholeNumber(minimum), *WholeNumber(maximum)};
    r.range = controls_.At(kWholeRange).checked ? FitClassRange::Whole : FitClassRange::Seed;
    for (const BasisRadio& radio : kBasisRadios) {
        if (!controls_.At(radio.id).checked) continue;
        r.basis = radio.basis;
        if (!radio.fixed) break;
        const FeaturePanel& p = *radio.fixed == FeatureKind::Hole ? kHole : kShaft;
        const std::string_view side = p.kind == FeatureKind::Hole ? ja::kHoleWord : ja::kShaftWord;
        std::optional<FixedFeature> fixed = Fixed(p);
        if (!fixed) {
            message = FillIn(ja::kFinderNothingToFix, {side});
            return std::nullopt;
        }
        const double mainSize = main_.Feature(p.kind).basicSize;
        if (mainSize != r.basicSize) {
            message = FillIn(ja::kFinderOtherSize, {side, FormatG(mainSize)});
            return std::nullopt;
        }
        (p.kind == FeatureKind::Hole ? r.fixedHole : r.fixedShaft) = std::move(fixed);
    }
    return in;
}

void FinderModel::Update() {
    rows_.clear();
    search_ = {};
    controls_.At(kMessage).text.clear();
    const std::optional<Inputs> in = ReadInputs();
    std::optional<ClearanceRange> wanted;
    if (in) {
        search_ = FindFits(in->requirement);
        const FitRequirement& r = in->requirement;
        switch (search_.problem) {
            case FinderProblem::None:
                wanted = r.wanted;
                break;
            case FinderProblem::SizeOutOfRange: {
                const double largest = RangeOf(r.range).LargestBasicSize();
                std::string& text = controls_.At(kMessage).text;
                text = FillIn(ja::kFinderSizeOutOfRange, {FormatG(largest)});
                if (largest < WholeRange().LargestBasicSize())
                    text += FillIn(ja::kFinderWholeRangeLargest, {FormatG(WholeRange().LargestBasicSize())});
                break;
            }
            case FinderProblem::WantedReversed:
                controls_.At(kMessage).text = ja::kFinderWantedReversed;
                break;
            case FinderProblem::WantedNotANumber:  // the edits never read as NaN
            case FinderProblem::FixedOutOfRange:
                controls_.At(kMessage).text = ja::kFinderFixedTooLarge;
                break;
        }
    }
    if (wanted) {
        const auto row = [&](const FoundFit& f) {
            return FillIn(ja::kFinderRow, {f.common ? ja::kCommonFitMark : ja::kNoFitMark,
                                           SideText(f.hole, in->requirement.fixedHole) + " / " +
                                               SideText(f.shaft, in->requirement.fixedShaft),
                                           FitKindText(f.kind), Millimetres(f.minimumClearance),
                                           Millimetres(f.maximumClearance)});
        };
        const std::size_t listed = std::min<std::size_t>(search_.fits.size(), kListedFits);
        for (std::size_t k = 0; k < listed; ++k) rows_.push_back({row(search_.fits[k]), search_.fits[k]});
        if (search_.fits.size() > listed)
            rows_.push_back(
                {FillIn(ja::kFinderMoreFits, {std::to_string(search_.fits.size() - listed)}), std::nullopt});
        if (search_.fits.empty()) rows_.push_back({std::string(ja::kFinderNoFits), std::nullopt});
        if (!search_.misses.empty()) rows_.push_back({std::string(ja::kFinderMissesHeading), std::nullopt});
        for (const FitMiss& m : search_.misses)
            rows_.push_back({FillIn(ja::kFinderMissRow, {row(m.fit), MissText(m)}), m.fit});
    }
    UpdateMeasured(wanted);
}

void FinderModel::UpdateMeasured(const std::optional<ClearanceRange>& wanted) {
    std::string& out = controls_.At(kMeasuredResults).text;
    out.clear();
    const MeasuredList holes = ReadMeasuredList(controls_.At(kMeasuredHoles).text);
    const MeasuredList shafts = ReadMeasuredList(controls_.At(kMeasuredShafts).text);
    for (const MeasuredList* list : {&holes, &shafts}) {
        if (list->refusal) {
            out = *list->refusal;
            return;
        }
    }
    const FeatureState& hole = main_.Feature(FeatureKind::Hole);
    const FeatureState& shaft = main_.Feature(FeatureKind::Shaft);
    for (const auto& [list, state, side] :
         {std::tuple{&holes, &hole, ja::kHoleWord}, std::tuple{&shafts, &shaft, ja::kShaftWord}}) {
        if (!list->sizes.empty() && !HasLimits(*state)) {
            out = FillIn(ja::kMeasuredNoLimits, {side});
            return;
        }
    }
    const PairLimits limits{hole.upperLimit, hole.lowerLimit, shaft.upperLimit, shaft.lowerLimit};
    const MeasuredCheck check = CheckMeasured(limits, holes.sizes, shafts.sizes, wanted);
    std::vector<std::string> lines;
    for (std::size_t k = 0; k < check.holes.size(); ++k)
        lines.push_back(
            FillIn(ja::kMeasuredPartLine, {ja::kHoleWord, holes.texts[k], PlaceText(check.holes[k])}));
    for (std::size_t k = 0; k < check.shafts.size(); ++k)
        lines.push_back(
            FillIn(ja::kMeasuredPartLine, {ja::kShaftWord, shafts.texts[k], PlaceText(check.shafts[k])}));
    for (const MeasuredPair& pair : check.pairs) {
        std::string line = FillIn(ja::kMeasuredPairLine, {holes.texts[pair.hole], shafts.texts[pair.shaft]});
        line += pair.clearance < 0 ? FillIn(ja::kMeasuredInterference, {Millimetres(-pair.clearance)})
                                   : FillIn(ja::kMeasuredClearance, {Millimetres(pair.clearance)});
        if (pair.meetsWanted)
            line += *pair.meetsWanted ? ja::kMeasuredMeetsWanted : ja::kMeasuredMissesWanted;
        lines.push_back(std::move(line));
    }
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (k > 0) out += "\r\n";
        out += lines[k];
    }
}

void FinderModel::Refresh() {
    if (Open()) Update();
}

void FinderModel::OnEditChanged(int id, std::string_view text) {
    if (!Open() || !TakeTypedText(controls_, id, text)) return;
    Update();
}

void FinderModel::OnClicked(int id) {
    const ControlState* control = controls_.Find(id);
    if (!Open() || control == nullptr || !control->enabled) return;
    if (id == kCloseButton) {
        closed_ = true;
        return;
    }
    if (control->kind == ControlKind::Radio) {
        for (const BasisRadio& radio : kBasisRadios) controls_.At(radio.id).checked = radio.id == id;
    } else if (control->kind == ControlKind::CheckBox) {
        controls_.At(id).checked = !control->checked;
    } else {
        return;
    }
    Update();
}

void FinderModel::OnFocus(int id) {
    const ControlState* control = controls_.Find(id);
    if (Open() && control != nullptr && control->enabled && CanTakeFocus(control->kind)) focus_ = id;
}

void FinderModel::OnEscape() {
    closed_ = true;
}

void FinderModel::ApplyClass(const FeaturePanel& p, const iso286::ToleranceClass& c) {
    if (!main_.Controls().At(p.fitRadio).checked) main_.OnClicked(p.fitRadio);
    // The main window may refuse fit mode at this size (and has said so).
    if (!main_.Controls().At(p.fitRadio).checked) return;
    const int letter = main_.Classes().LetterPosition(c.letterIndex).value_or(0);
    const int grade = main_.Classes().GradePosition(c.gradeIndex).value_or(0);
    main_.MoveSlidersTo(p, letter, grade);
}

bool FinderModel::OnChooseRow(int row) {
    if (!Open() || row < 0 || row >= static_cast<int>(rows_.size()) || !rows_[row].fit) return false;
    const FoundFit fit = *rows_[row].fit;
    const std::string sizeText = controls_.At(kBasicSize).text;
    const std::optional<double> size = WholeNumber(sizeText);
    if (!size) return false;
    // The range first, so that neither the size nor a class is refused on the way.
    bool needsWhole = FitSizeLimitFails(*size, ToleranceMode::FitClass, main_.Classes());
    for (const auto& c : {fit.hole, fit.shaft}) needsWhole = needsWhole || (c && !main_.Classes().Offers(*c));
    if (needsWhole) main_.SetFullRange(true);
    if (main_.Feature(FeatureKind::Hole).basicSize != *size)
        main_.OnEditChanged(main_dialog::kHoleBasicSize, sizeText);
    if (!main_.Controls().At(main_dialog::kSameBasicSize).checked &&
        main_.Feature(FeatureKind::Shaft).basicSize != *size)
        main_.OnEditChanged(main_dialog::kShaftBasicSize, sizeText);
    // A fixed side's row holds no class for it in general or free mode, and
    // its own class in fit mode: either way it stays as it is.
    const bool holeFixed = controls_.At(kFixHole).checked;
    const bool shaftFixed = controls_.At(kFixShaft).checked;
    if (fit.hole && !holeFixed) ApplyClass(kHole, *fit.hole);
    if (fit.shaft && !shaftFixed) ApplyClass(kShaft, *fit.shaft);
    Update();
    return true;
}

std::optional<int> FinderModel::TakeSelectAllRequest() {
    return std::exchange(selectAllRequest_, std::nullopt);
}

}  // namespace tolvo
