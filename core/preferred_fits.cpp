#include "core/preferred_fits.h"

#include <algorithm>
#include <vector>

namespace tolvo {
namespace {

constexpr CommonFitEntry kCommonFits[] = {
    {CommonFitList::HoleBasis, "H6", "g5", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H6", "h5", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H6", "f6", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H6", "g6", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H6", "h6", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H6", "js5", FitKind::Transition, false},
    {CommonFitList::HoleBasis, "H6", "k5", FitKind::Transition, false},
    {CommonFitList::HoleBasis, "H6", "m5", FitKind::Transition, false},
    {CommonFitList::HoleBasis, "H6", "js6", FitKind::Transition, false},
    {CommonFitList::HoleBasis, "H6", "k6", FitKind::Transition, false},
    {CommonFitList::HoleBasis, "H6", "m6", FitKind::Transition, false},
    {CommonFitList::HoleBasis, "H6", "n6", FitKind::Transition, true},
    {CommonFitList::HoleBasis, "H6", "p6", FitKind::Interference, true},
    {CommonFitList::HoleBasis, "H7", "f6", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H7", "g6", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H7", "h6", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H7", "e7", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H7", "f7", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H7", "h7", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H7", "js6", FitKind::Transition, false},
    {CommonFitList::HoleBasis, "H7", "k6", FitKind::Transition, false},
    {CommonFitList::HoleBasis, "H7", "m6", FitKind::Transition, false},
    {CommonFitList::HoleBasis, "H7", "n6", FitKind::Transition, false},
    {CommonFitList::HoleBasis, "H7", "js7", FitKind::Transition, false},
    {CommonFitList::HoleBasis, "H7", "p6", FitKind::Interference, true},
    {CommonFitList::HoleBasis, "H7", "r6", FitKind::Interference, true},
    {CommonFitList::HoleBasis, "H7", "s6", FitKind::Interference, false},
    {CommonFitList::HoleBasis, "H7", "t6", FitKind::Interference, false},
    {CommonFitList::HoleBasis, "H7", "u6", FitKind::Interference, false},
    {CommonFitList::HoleBasis, "H7", "x6", FitKind::Interference, false},
    {CommonFitList::HoleBasis, "H8", "f7", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H8", "h7", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H8", "e8", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H8", "f8", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H8", "h8", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H8", "d9", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H8", "e9", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H9", "d8", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H9", "e8", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H9", "h8", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H9", "c9", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H9", "d9", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H9", "e9", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H9", "h9", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H10", "b9", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H10", "c9", FitKind::Clearance, false},
    {CommonFitList::HoleBasis, "H10", "d9", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "H6", "h5", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "JS6", "h5", FitKind::Transition, false},
    {CommonFitList::ShaftBasis, "K6", "h5", FitKind::Transition, false},
    {CommonFitList::ShaftBasis, "M6", "h5", FitKind::Transition, false},
    {CommonFitList::ShaftBasis, "N6", "h5", FitKind::Transition, true},
    {CommonFitList::ShaftBasis, "P6", "h5", FitKind::Interference, false},
    {CommonFitList::ShaftBasis, "F6", "h6", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "G6", "h6", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "H6", "h6", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "F7", "h6", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "G7", "h6", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "H7", "h6", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "JS6", "h6", FitKind::Transition, false},
    {CommonFitList::ShaftBasis, "K6", "h6", FitKind::Transition, false},
    {CommonFitList::ShaftBasis, "M6", "h6", FitKind::Transition, false},
    {CommonFitList::ShaftBasis, "N6", "h6", FitKind::Transition, false},
    {CommonFitList::ShaftBasis, "JS7", "h6", FitKind::Transition, false},
    {CommonFitList::ShaftBasis, "K7", "h6", FitKind::Transition, false},
    {CommonFitList::ShaftBasis, "M7", "h6", FitKind::Transition, false},
    {CommonFitList::ShaftBasis, "N7", "h6", FitKind::Transition, false},
    {CommonFitList::ShaftBasis, "P6", "h6", FitKind::Interference, true},
    {CommonFitList::ShaftBasis, "P7", "h6", FitKind::Interference, true},
    {CommonFitList::ShaftBasis, "R7", "h6", FitKind::Interference, false},
    {CommonFitList::ShaftBasis, "S7", "h6", FitKind::Interference, false},
    {CommonFitList::ShaftBasis, "T7", "h6", FitKind::Interference, false},
    {CommonFitList::ShaftBasis, "U7", "h6", FitKind::Interference, false},
    {CommonFitList::ShaftBasis, "X7", "h6", FitKind::Interference, false},
    {CommonFitList::ShaftBasis, "E7", "h7", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "F7", "h7", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "H7", "h7", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "F8", "h7", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "H8", "h7", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "D8", "h8", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "E8", "h8", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "F8", "h8", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "H8", "h8", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "D9", "h8", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "E9", "h8", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "H9", "h8", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "D8", "h9", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "E8", "h9", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "H8", "h9", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "C9", "h9", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "D9", "h9", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "E9", "h9", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "H9", "h9", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "B10", "h9", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "C10", "h9", FitKind::Clearance, false},
    {CommonFitList::ShaftBasis, "D10", "h9", FitKind::Clearance, false},
};

int ClassKey(const iso286::ToleranceClass& c) {
    return c.letterIndex * iso286::kGradeCount + c.gradeIndex;
}

constexpr int kClassKeyCount = iso286::kLetterCount * iso286::kGradeCount;

int KindKey(const iso286::ToleranceClass& c) {
    return Index(c.kind) * kClassKeyCount + ClassKey(c);
}

int PairKey(const iso286::ToleranceClass& hole, const iso286::ToleranceClass& shaft) {
    return ClassKey(hole) * kClassKeyCount + ClassKey(shaft);
}

// The pairs as sorted keys, parsed once from the names above.
const std::vector<int>& CommonPairKeys() {
    static const std::vector<int> keys = [] {
        std::vector<int> k;
        for (const CommonFitEntry& e : kCommonFits) {
            const auto hole = iso286::ParseClassName(e.hole);
            const auto shaft = iso286::ParseClassName(e.shaft);
            if (hole && shaft) k.push_back(PairKey(*hole, *shaft));
        }
        std::sort(k.begin(), k.end());
        k.erase(std::unique(k.begin(), k.end()), k.end());
        return k;
    }();
    return keys;
}

// The classes of the pairs, as sorted keys, holes before shafts.
const std::vector<int>& CommonClassKeys() {
    static const std::vector<int> keys = [] {
        std::vector<int> k;
        for (const CommonFitEntry& e : kCommonFits) {
            for (std::string_view name : {e.hole, e.shaft}) {
                if (const auto c = iso286::ParseClassName(name)) k.push_back(KindKey(*c));
            }
        }
        std::sort(k.begin(), k.end());
        k.erase(std::unique(k.begin(), k.end()), k.end());
        return k;
    }();
    return keys;
}

}  // namespace

bool InCommonFit(const iso286::ToleranceClass& toleranceClass) {
    const std::vector<int>& keys = CommonClassKeys();
    return std::binary_search(keys.begin(), keys.end(), KindKey(toleranceClass));
}

std::span<const CommonFitEntry> CommonFitEntries() {
    return kCommonFits;
}

bool IsCommonFit(const iso286::ToleranceClass& hole, const iso286::ToleranceClass& shaft) {
    if (hole.kind != FeatureKind::Hole || shaft.kind != FeatureKind::Shaft) return false;
    const std::vector<int>& keys = CommonPairKeys();
    return std::binary_search(keys.begin(), keys.end(), PairKey(hole, shaft));
}

}  // namespace tolvo
