#include "core/fit_finder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "core/fit_table.h"
#include "core/measured_check.h"
#include "core/number_text.h"
#include "core/preferred_fits.h"

namespace tolvo {
namespace {

constexpr double kNanometresPerMillimetre = 1e6;
constexpr double kNanometresPerMicrometre = 1e3;
// Limit sizes and wanted clearances are compared in whole nanometres; beyond
// a kilometre (as far as measured sizes go) nothing is a sensible fit, and
// int64 keeps every difference.
constexpr double kLargestMagnitude = kLargestMeasuredSize;

// H for a hole, h for a shaft, in the whole system's letters.
int BasicLetter(FeatureKind kind) {
    static const int hole = iso286::FindLetter(FeatureKind::Hole, "H").value_or(-1);
    static const int shaft = iso286::FindLetter(FeatureKind::Shaft, "h").value_or(-1);
    return kind == FeatureKind::Hole ? hole : shaft;
}

long long Nanometres(double roundedMillimetres) {
    return std::llround(roundedMillimetres * kNanometresPerMillimetre);
}

// One setting of a side at the basic size, its limit sizes as the fit
// evaluation rounds them.
struct Cell {
    std::optional<iso286::ToleranceClass> isoClass;
    double upper;  // mm
    double lower;
    long long upperNm;
    long long lowerNm;
    int grade;         // the whole system's grade index; 0 for a general or free side
    bool inCommonFit;  // the class stands in a commonly used fit
    bool basic;        // an H hole or an h shaft: the side of a hole- or shaft-basis system
};

Cell MakeCell(double upperLimit, double lowerLimit, std::optional<iso286::ToleranceClass> isoClass) {
    const double upper = RoundToSixDecimals(upperLimit);
    const double lower = RoundToSixDecimals(lowerLimit);
    const int grade = isoClass ? isoClass->gradeIndex : 0;
    const bool inCommonFit = isoClass && InCommonFit(*isoClass);
    const bool basic = isoClass && isoClass->letterIndex == BasicLetter(isoClass->kind);
    return {isoClass, upper, lower, Nanometres(upper), Nanometres(lower), grade, inCommonFit, basic};
}

// A fixed side's limits must be finite and within the compared magnitudes.
bool SensibleLimit(double limit) {
    return std::isfinite(limit) && std::fabs(limit) <= kLargestMagnitude;
}

// The limit sizes of a class as the feature evaluation works them out.
Cell ClassCell(const iso286::ToleranceClass& c, const Deviations& d, double size) {
    return MakeCell(d.upper * 0.001 + size, d.lower * 0.001 + size, c);
}

// Every defined class of a searched side in the standard's order (letters,
// then grades), so that a cell's index is its place in the stable order.
std::vector<Cell> SearchedCells(FeatureKind kind, const FitRequirement& r) {
    std::vector<Cell> cells;
    const bool basisHole = kind == FeatureKind::Hole && r.basis == FitBasis::Hole;
    const bool basisShaft = kind == FeatureKind::Shaft && r.basis == FitBasis::Shaft;
    // -1: every letter.
    const int basisLetter =
        basisHole || basisShaft ? iso286::FindLetter(kind, basisHole ? "H" : "h").value_or(-1) : -1;
    const double size = r.basicSize;
    const ClassRange& range = RangeOf(r.range);
    const int step = *iso286::ClassifySizeStep(size);
    cells.reserve(static_cast<std::size_t>(range.LetterCount() * range.GradeCount()));
    for (int l = 0; l < range.LetterCount(); ++l) {
        for (int g = 0; g < range.GradeCount(); ++g) {
            const iso286::ToleranceClass c = *range.ClassAt(kind, l, g);
            if (basisLetter >= 0 && c.letterIndex != basisLetter) continue;
            const std::optional<Deviations> d = range.Cell(kind, l, g, step);
            if (d) cells.push_back(ClassCell(c, *d, size));
        }
    }
    return cells;
}

// What ranks a pair, packed so that one comparison of two words orders it:
// `high` holds the first three keys, `low` the centring, whether the pair has
// a basic side and the two cell indexes (a cell's index is its place in the
// stable order). Every magnitude fits its field: limit sizes are held within
// kLargestMagnitude, so the centring is below 6e12 nm < 2^43.
struct Candidate {
    std::uint64_t high;
    std::uint64_t low;
    bool Common() const { return (high >> 63) == 0; }
    std::size_t Hole() const { return static_cast<std::size_t>((low >> kCellBits) & kCellMask); }
    std::size_t Shaft() const { return static_cast<std::size_t>(low & kCellMask); }

    static constexpr int kCellBits = 10;  // 560 classes a side
    static constexpr std::uint64_t kCellMask = (1u << kCellBits) - 1;
    static constexpr int kNotBasicBit = 2 * kCellBits;
    static constexpr int kCentringShift = kNotBasicBit + 1;
    static constexpr int kSpanBits = 56;
    static constexpr std::uint64_t kGradeSumLimit = 127;  // 7 bits
};

bool RanksBefore(const Candidate& a, const Candidate& b) {
    return a.high != b.high ? a.high < b.high : a.low < b.low;
}

struct Miss {
    long long below;
    long long above;
    Candidate candidate;
};

bool MissBefore(const Miss& a, const Miss& b) {
    const long long ta = a.below + a.above;
    const long long tb = b.below + b.above;
    if (ta != tb) return ta < tb;
    return RanksBefore(a.candidate, b.candidate);
}

// The pairing of the two sides' cells: the hot loop runs on these flat
// arrays and allocates nothing.
class Pairing {
  public:
    Pairing(const std::vector<Cell>& holes, const std::vector<Cell>& shafts, long long wantMin,
            long long wantMax)
        : holes_(holes), shafts_(shafts), wantMin_(wantMin), wantMax_(wantMax) {}

    Candidate Rank(std::size_t h, std::size_t s, long long minNm, long long maxNm) const {
        const Cell& hole = holes_[h];
        const Cell& shaft = shafts_[s];
        const bool common =
            hole.inCommonFit && shaft.inCommonFit && IsCommonFit(*hole.isoClass, *shaft.isoClass);
        const auto span = static_cast<std::uint64_t>(maxNm - minNm);
        const auto offCentre = static_cast<std::uint64_t>(std::llabs(minNm + maxNm - wantMin_ - wantMax_));
        const auto gradeSum = static_cast<std::uint64_t>(hole.grade + shaft.grade);
        const std::uint64_t notBasic = hole.basic || shaft.basic ? 0u : 1u;
        constexpr std::uint64_t spanLimit = (std::uint64_t{1} << Candidate::kSpanBits) - 1;
        return {(std::uint64_t{common ? 0u : 1u} << 63) |
                    ((Candidate::kGradeSumLimit - gradeSum) << Candidate::kSpanBits) | (spanLimit - span),
                (offCentre << Candidate::kCentringShift) | (notBasic << Candidate::kNotBasicBit) |
                    (h << Candidate::kCellBits) | s};
    }

    // Counts the meeting pairs and keeps the closest misses.
    // Calls visit(h, s, minNm, maxNm) for every pair of cells.
    template <typename Visit>
    void ForEachPair(Visit&& visit) const {
        for (std::size_t h = 0; h < holes_.size(); ++h) {
            const long long holeUpper = holes_[h].upperNm;
            const long long holeLower = holes_[h].lowerNm;
            for (std::size_t s = 0; s < shafts_.size(); ++s) {
                visit(h, s, holeLower - shafts_[s].upperNm, holeUpper - shafts_[s].lowerNm);
            }
        }
    }

    std::size_t CountAndMisses(std::array<Miss, kMissCount>& misses, int& missCount) const {
        std::size_t meeting = 0;
        ForEachPair([&](std::size_t h, std::size_t s, long long minNm, long long maxNm) {
            const long long below = minNm < wantMin_ ? wantMin_ - minNm : 0;
            const long long above = maxNm > wantMax_ ? maxNm - wantMax_ : 0;
            if (below == 0 && above == 0) {
                ++meeting;
                return;
            }
            if (missCount == kMissCount) {
                const Miss& worst = misses[kMissCount - 1];
                if (below + above > worst.below + worst.above) return;
            }
            const Miss miss{below, above, Rank(h, s, minNm, maxNm)};
            int at = missCount;
            while (at > 0 && MissBefore(miss, misses[at - 1])) --at;
            if (at == kMissCount) return;
            const int last = std::min(missCount, kMissCount - 1);
            for (int k = last; k > at; --k) misses[k] = misses[k - 1];
            misses[at] = miss;
            if (missCount < kMissCount) ++missCount;
        });
        return meeting;
    }

    void Meeting(std::vector<Candidate>& out) const {
        ForEachPair([&](std::size_t h, std::size_t s, long long minNm, long long maxNm) {
            if (minNm >= wantMin_ && maxNm <= wantMax_) out.push_back(Rank(h, s, minNm, maxNm));
        });
    }

    FoundFit Row(const Candidate& c) const {
        const Cell& hole = holes_[c.Hole()];
        const Cell& shaft = shafts_[c.Shaft()];
        FitResult clearances{hole.upper - shaft.lower, hole.lower - shaft.upper};
        return {hole.isoClass,
                shaft.isoClass,
                KindOfFit(clearances),
                clearances.minimumClearance,
                clearances.maximumClearance,
                c.Common()};
    }

  private:
    const std::vector<Cell>& holes_;
    const std::vector<Cell>& shafts_;
    long long wantMin_;
    long long wantMax_;
};

FinderProblem CheckRequirement(const FitRequirement& r) {
    const bool searched = !r.fixedHole || !r.fixedShaft;
    if (!(r.basicSize > 0.0) || !iso286::ClassifySizeStep(r.basicSize) ||
        (searched && r.basicSize > RangeOf(r.range).LargestBasicSize())) {
        return FinderProblem::SizeOutOfRange;
    }
    if (std::isnan(r.wanted.minimum) || std::isnan(r.wanted.maximum)) return FinderProblem::WantedNotANumber;
    if (r.wanted.minimum > r.wanted.maximum) return FinderProblem::WantedReversed;
    for (const std::optional<FixedFeature>& fixed : {r.fixedHole, r.fixedShaft}) {
        if (fixed && (!SensibleLimit(fixed->upperLimit) || !SensibleLimit(fixed->lowerLimit))) {
            return FinderProblem::FixedOutOfRange;
        }
    }
    return FinderProblem::None;
}

std::vector<Cell> SideCells(FeatureKind kind, const std::optional<FixedFeature>& fixed,
                            const FitRequirement& r) {
    if (!fixed) return SearchedCells(kind, r);
    return {MakeCell(fixed->upperLimit, fixed->lowerLimit, fixed->isoClass)};
}

}  // namespace

long long SixDecimalNanometres(double millimetres) {
    if (std::isnan(millimetres)) return 0;
    return Nanometres(RoundToSixDecimals(std::clamp(millimetres, -kLargestMagnitude, kLargestMagnitude)));
}

std::optional<FixedFeature> FixFeature(FeatureKind kind, const FeatureState& state, ToleranceMode mode,
                                       FitClassRange range, std::string label) {
    if (!state.hasLimits) return std::nullopt;
    FixedFeature fixed{state.upperLimit, state.lowerLimit, std::move(label), std::nullopt};
    if (mode != ToleranceMode::FitClass) return fixed;
    // Positions the range has no class for never give limit sizes; refuse them all the same.
    fixed.isoClass = RangeOf(range).ClassAt(kind, state.letterIndex, state.gradeIndex);
    if (!fixed.isoClass) return std::nullopt;
    return fixed;
}

FitSearch FindFits(const FitRequirement& requirement) {
    FitSearch search;
    search.problem = CheckRequirement(requirement);
    if (search.problem != FinderProblem::None) return search;

    const std::vector<Cell> holes = SideCells(FeatureKind::Hole, requirement.fixedHole, requirement);
    const std::vector<Cell> shafts = SideCells(FeatureKind::Shaft, requirement.fixedShaft, requirement);
    const Pairing pairing(holes, shafts, SixDecimalNanometres(requirement.wanted.minimum),
                          SixDecimalNanometres(requirement.wanted.maximum));

    std::array<Miss, kMissCount> misses{};
    int missCount = 0;
    std::vector<Candidate> meeting;
    meeting.reserve(pairing.CountAndMisses(misses, missCount));
    pairing.Meeting(meeting);
    std::sort(meeting.begin(), meeting.end(), RanksBefore);

    search.fits.reserve(meeting.size());
    for (const Candidate& c : meeting) search.fits.push_back(pairing.Row(c));
    for (int k = 0; k < missCount; ++k) {
        const Miss& m = misses[k];
        const MissEnd end = m.below > 0 && m.above > 0 ? MissEnd::Both
                            : m.below > 0              ? MissEnd::BelowMinimum
                                                       : MissEnd::AboveMaximum;
        search.misses.push_back({pairing.Row(m.candidate),
                                 static_cast<double>(m.below) / kNanometresPerMicrometre,
                                 static_cast<double>(m.above) / kNanometresPerMicrometre, end});
    }
    return search;
}

}  // namespace tolvo
