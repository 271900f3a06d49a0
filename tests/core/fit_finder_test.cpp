#include "core/fit_finder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/feature_evaluation.h"
#include "core/fit_table.h"
#include "core/general_table.h"
#include "core/iso286_table.h"
#include "core/number_text.h"
#include "core/preferred_fits.h"

namespace tolvo {
namespace {

using iso286::ToleranceClass;

// A feature evaluated as the window evaluates it; the state keeps its limit sizes.
FeatureState Evaluated(FeatureKind kind, const std::string& size, ToleranceMode mode, FitClassRange range,
                       int letter, int grade, int generalClass = 0, const std::string& first = "",
                       const std::string& second = "") {
    const double basic = ParseNumber(size);
    FeatureState state;
    state.sizeStep = iso286::ClassifySizeStep(basic).value_or(0);
    state.generalClass = generalClass;
    state.generalSizeRange = ClassifyGeneralSizeRange(basic, 0);
    const FeatureInputs inputs{size, mode, letter, grade, first, second, range};
    return EvaluateFeature(kind, state, inputs).state;
}

ToleranceClass Class(const char* name) {
    return *iso286::ParseClassName(name);
}

// One setting of a side in the brute force: its evaluated state and class.
struct Setting {
    FeatureState state;
    std::optional<ToleranceClass> isoClass;
};

// Every class of a side the window can set at the size, each evaluated
// through the core; the cells the standard leaves undefined drop out as the
// window's evaluation finds no limit sizes for them.
std::vector<Setting> AllSettings(FeatureKind kind, const std::string& size, FitClassRange range,
                                 FitBasis basis) {
    const ClassRange& classes = RangeOf(range);
    std::vector<Setting> settings;
    for (int l = 0; l < classes.LetterCount(); ++l) {
        for (int g = 0; g < classes.GradeCount(); ++g) {
            const ToleranceClass c = *classes.ClassAt(kind, l, g);
            const std::string name = iso286::FormatClassName(c);
            if (basis == FitBasis::Hole && kind == FeatureKind::Hole && name.rfind("H", 0) != 0) continue;
            if (basis == FitBasis::Shaft && kind == FeatureKind::Shaft && name.rfind("h", 0) != 0) continue;
            const FeatureState s = Evaluated(kind, size, ToleranceMode::FitClass, range, l, g);
            if (s.hasLimits) settings.push_back({s, c});
        }
    }
    return settings;
}

// A fixed side as the test holds it: the window's state and the finder's form.
struct Fixed {
    FeatureState state;
    ToleranceMode mode;
    FitClassRange range;
};

struct Case {
    const char* name;
    std::string size;
    ClearanceRange wanted;
    FitBasis basis;
    FitClassRange range;
    std::optional<Fixed> fixedHole;
    std::optional<Fixed> fixedShaft;
    bool anyMeets = true;
};

double R(double v) {
    return RoundToSixDecimals(v);
}

struct Expected {
    FoundFit fit;
    double below;  // mm
    double above;
};

int GradeOf(const std::optional<ToleranceClass>& c) {
    return c ? c->gradeIndex : 0;
}

int OrderOf(const std::optional<ToleranceClass>& c) {
    return c ? c->letterIndex * iso286::kGradeCount + c->gradeIndex : 0;
}

// A pair with an H hole or an h shaft.
bool Basic(const FoundFit& f) {
    return (f.hole && iso286::LetterName(FeatureKind::Hole, f.hole->letterIndex) == "H") ||
           (f.shaft && iso286::LetterName(FeatureKind::Shaft, f.shaft->letterIndex) == "h");
}

// The rank order as its documentation states it, on the window's numbers.
bool RankedBefore(const FoundFit& a, const FoundFit& b, const ClearanceRange& w) {
    if (a.common != b.common) return a.common;
    const int ga = GradeOf(a.hole) + GradeOf(a.shaft), gb = GradeOf(b.hole) + GradeOf(b.shaft);
    if (ga != gb) return ga > gb;
    const double sa = R(a.maximumClearance - a.minimumClearance);
    const double sb = R(b.maximumClearance - b.minimumClearance);
    if (sa != sb) return sa > sb;
    const double middle = R(R(w.minimum) + R(w.maximum));
    const double ca = std::fabs(R(R(a.minimumClearance + a.maximumClearance) - middle));
    const double cb = std::fabs(R(R(b.minimumClearance + b.maximumClearance) - middle));
    if (ca != cb) return ca < cb;
    if (Basic(a) != Basic(b)) return Basic(a);
    if (OrderOf(a.hole) != OrderOf(b.hole)) return OrderOf(a.hole) < OrderOf(b.hole);
    return OrderOf(a.shaft) < OrderOf(b.shaft);
}

std::pair<std::vector<FoundFit>, std::vector<Expected>> BruteForce(const Case& c) {
    std::vector<Setting> holes, shafts;
    if (c.fixedHole) {
        holes = {{c.fixedHole->state, std::nullopt}};
        if (c.fixedHole->mode == ToleranceMode::FitClass) {
            holes[0].isoClass = ToleranceClass{FeatureKind::Hole, c.fixedHole->state.letterIndex,
                                               c.fixedHole->state.gradeIndex};
        }
    } else {
        holes = AllSettings(FeatureKind::Hole, c.size, c.range, c.basis);
    }
    if (c.fixedShaft) {
        shafts = {{c.fixedShaft->state, std::nullopt}};
    } else {
        shafts = AllSettings(FeatureKind::Shaft, c.size, c.range, c.basis);
    }
    const double wantMin = R(c.wanted.minimum), wantMax = R(c.wanted.maximum);
    std::vector<FoundFit> fits;
    std::vector<Expected> misses;
    for (const Setting& h : holes) {
        for (const Setting& s : shafts) {
            const FitEvaluation e = EvaluateFit(h.state, s.state);
            const FitResult& r = e.numbers->result;
            const bool common = h.isoClass && s.isoClass && IsCommonFit(*h.isoClass, *s.isoClass);
            const FoundFit fit{h.isoClass,         s.isoClass,         e.kind,
                               r.minimumClearance, r.maximumClearance, common};
            const double min = R(r.minimumClearance), max = R(r.maximumClearance);
            if (min >= wantMin && max <= wantMax) {
                fits.push_back(fit);
            } else {
                misses.push_back(
                    {fit, min < wantMin ? R(wantMin - min) : 0.0, max > wantMax ? R(max - wantMax) : 0.0});
            }
        }
    }
    const ClearanceRange w = c.wanted;
    std::sort(fits.begin(), fits.end(),
              [&](const FoundFit& a, const FoundFit& b) { return RankedBefore(a, b, w); });
    std::sort(misses.begin(), misses.end(), [&](const Expected& a, const Expected& b) {
        const double ta = R(a.below + a.above), tb = R(b.below + b.above);
        if (ta != tb) return ta < tb;
        return RankedBefore(a.fit, b.fit, w);
    });
    if (misses.size() > kMissCount) misses.resize(kMissCount);
    return {fits, misses};
}

std::optional<FixedFeature> ToFinder(FeatureKind kind, const std::optional<Fixed>& fixed) {
    if (!fixed) return std::nullopt;
    return FixFeature(kind, fixed->state, fixed->mode, fixed->range, "fixed");
}

FitRequirement Requirement(const Case& c) {
    FitRequirement r;
    r.basicSize = ParseNumber(c.size);
    r.wanted = c.wanted;
    r.basis = c.basis;
    r.range = c.range;
    r.fixedHole = ToFinder(FeatureKind::Hole, c.fixedHole);
    r.fixedShaft = ToFinder(FeatureKind::Shaft, c.fixedShaft);
    return r;
}

std::string Name(const FoundFit& f) {
    return (f.hole ? iso286::FormatClassName(*f.hole) : "fixed") + "/" +
           (f.shaft ? iso286::FormatClassName(*f.shaft) : "fixed");
}

class FinderAgainstBruteForce : public ::testing::TestWithParam<Case> {};

TEST_P(FinderAgainstBruteForce, ListsEveryMeetingPairInRankOrderAndTheFiveClosestMisses) {
    const Case& c = GetParam();
    const auto [fits, misses] = BruteForce(c);
    const FitSearch found = FindFits(Requirement(c));
    ASSERT_EQ(found.problem, FinderProblem::None);
    EXPECT_EQ(!fits.empty(), c.anyMeets);
    ASSERT_EQ(found.fits.size(), fits.size());
    for (std::size_t k = 0; k < fits.size(); ++k) {
        EXPECT_EQ(found.fits[k], fits[k])
            << "row " << k << ": " << Name(found.fits[k]) << " vs " << Name(fits[k]);
    }
    ASSERT_EQ(found.misses.size(), misses.size());
    for (std::size_t k = 0; k < misses.size(); ++k) {
        const FitMiss& m = found.misses[k];
        EXPECT_EQ(m.fit, misses[k].fit)
            << "miss " << k << ": " << Name(m.fit) << " vs " << Name(misses[k].fit);
        EXPECT_NEAR(m.belowBy, misses[k].below * 1000, 1e-9);
        EXPECT_NEAR(m.aboveBy, misses[k].above * 1000, 1e-9);
        const MissEnd end = misses[k].below > 0 && misses[k].above > 0 ? MissEnd::Both
                            : misses[k].below > 0                      ? MissEnd::BelowMinimum
                                                                       : MissEnd::AboveMaximum;
        EXPECT_EQ(m.end, end);
    }
    // Every row's numbers are the window's: its kind agrees with its clearances.
    for (const FoundFit& f : found.fits) {
        EXPECT_GE(R(f.minimumClearance), R(c.wanted.minimum));
        EXPECT_LE(R(f.maximumClearance), R(c.wanted.maximum));
    }
}

const Fixed kGeneralHole30 = {
    Evaluated(FeatureKind::Hole, "30", ToleranceMode::General, FitClassRange::Seed, 0, 0, kMediumClass),
    ToleranceMode::General, FitClassRange::Seed};
const Fixed kFreeShaft10 = {
    Evaluated(FeatureKind::Shaft, "10", ToleranceMode::Free, FitClassRange::Seed, 0, 0, 0, "-0.005", "-0.02"),
    ToleranceMode::Free, FitClassRange::Seed};
const Fixed kWholeH7Hole50 = {
    Evaluated(FeatureKind::Hole, "50", ToleranceMode::FitClass, FitClassRange::Whole, Class("H7").letterIndex,
              Class("H7").gradeIndex),
    ToleranceMode::FitClass, FitClassRange::Whole};

INSTANTIATE_TEST_SUITE_P(
    Requirements, FinderAgainstBruteForce,
    ::testing::Values(
        Case{"HoleBasisClearance", "25", {0.005, 0.050}, FitBasis::Hole, FitClassRange::Seed, {}, {}},
        Case{"ShaftBasisInterference", "25", {-0.035, -0.001}, FitBasis::Shaft, FitClassRange::Seed, {}, {}},
        Case{"BothFreeSeedTransition", "12", {-0.010, 0.020}, FitBasis::Any, FitClassRange::Seed, {}, {}},
        Case{"BothFreeWholeSystem", "25", {0.020, 0.060}, FitBasis::Any, FitClassRange::Whole, {}, {}},
        Case{"WholeHoleBasisInterference",
             "400",
             {-0.300, -0.100},
             FitBasis::Hole,
             FitClassRange::Whole,
             {},
             {}},
        Case{"FixedGeneralHole", "30", {-0.25, 0.5}, FitBasis::Any, FitClassRange::Seed, kGeneralHole30, {}},
        Case{"FixedFreeShaft", "10", {0.0, 0.060}, FitBasis::Any, FitClassRange::Seed, {}, kFreeShaft10},
        Case{
            "FixedIsoHoleWhole", "50", {0.0, 0.050}, FitBasis::Any, FitClassRange::Whole, kWholeH7Hole50, {}},
        Case{"NothingMeets", "25", {0.001, 0.003}, FitBasis::Hole, FitClassRange::Seed, {}, {}, false},
        Case{"NothingMeetsInterference",
             "60",
             {-0.004, -0.002},
             FitBasis::Any,
             FitClassRange::Seed,
             {},
             {},
             false},
        Case{"BelowOneMillimetre", "0.5", {0.0, 0.030}, FitBasis::Any, FitClassRange::Seed, {}, {}},
        Case{"BothFixed",
             "30",
             {-0.4, 0.4},
             FitBasis::Any,
             FitClassRange::Seed,
             kGeneralHole30,
             Fixed{Evaluated(FeatureKind::Shaft, "30", ToleranceMode::General, FitClassRange::Seed, 0, 0,
                             kFineClass),
                   ToleranceMode::General, FitClassRange::Seed}}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

FitRequirement Simple(double size, double min, double max, FitBasis basis) {
    FitRequirement r;
    r.basicSize = size;
    r.wanted = {min, max};
    r.basis = basis;
    return r;
}

TEST(FitFinder, NothingMeetsGivesOnlyTheFiveClosestMisses) {
    const FitSearch s = FindFits(Simple(25, 0.001, 0.003, FitBasis::Hole));
    EXPECT_TRUE(s.fits.empty());
    ASSERT_EQ(s.misses.size(), static_cast<std::size_t>(kMissCount));
    for (std::size_t k = 1; k < s.misses.size(); ++k) {
        EXPECT_LE(s.misses[k - 1].belowBy + s.misses[k - 1].aboveBy,
                  s.misses[k].belowBy + s.misses[k].aboveBy);
    }
}

TEST(FitFinder, MarksTheCommonlyUsedFitsAndRanksThemFirst) {
    const FitSearch s = FindFits(Simple(25, 0.0, 0.060, FitBasis::Hole));
    ASSERT_FALSE(s.fits.empty());
    std::set<std::string> marked;
    bool commonSeen = true;
    for (const FoundFit& f : s.fits) {
        if (f.common) marked.insert(Name(f));
        EXPECT_TRUE(commonSeen || !f.common) << Name(f) << " ranks below a fit that is not common";
        commonSeen = f.common;
    }
    // H7/g6 (7..41 μm) and H6/h5 (0..22 μm) are in JIS B0401's list; H7/g7 (7..49 μm) and H6/g7
    // (7..41 μm) meet as well but are not.
    EXPECT_TRUE(marked.count("H7/g6"));
    EXPECT_TRUE(marked.count("H6/h5"));
    for (const FoundFit& f : s.fits) {
        if (Name(f) == "H7/g7" || Name(f) == "H6/g7") {
            EXPECT_FALSE(f.common) << Name(f);
        }
    }
}

TEST(FitFinder, GivesTheWindowsNumbersForAFoundPair) {
    // H7/g6 at 25 mm: 25.000 .. 25.021 and 24.980 .. 24.993.
    const FitSearch s = FindFits(Simple(25, 0.007, 0.041, FitBasis::Hole));
    const auto it =
        std::find_if(s.fits.begin(), s.fits.end(), [](const FoundFit& f) { return Name(f) == "H7/g6"; });
    ASSERT_NE(it, s.fits.end());
    EXPECT_EQ(it->kind, FitKind::Clearance);
    EXPECT_EQ(R(it->minimumClearance), 0.007);
    EXPECT_EQ(R(it->maximumClearance), 0.041);
}

TEST(FitFinder, RefusesRequirementsThatCannotBeSearched) {
    struct Bad {
        double size, min, max;
        FitClassRange range;
        FinderProblem problem;
    };
    const Bad bads[] = {
        {0, 0, 0.1, FitClassRange::Seed, FinderProblem::SizeOutOfRange},
        {-5, 0, 0.1, FitClassRange::Whole, FinderProblem::SizeOutOfRange},
        {130, 0, 0.1, FitClassRange::Seed, FinderProblem::SizeOutOfRange},
        {3150.5, 0, 0.1, FitClassRange::Whole, FinderProblem::SizeOutOfRange},
        {std::nan(""), 0, 0.1, FitClassRange::Whole, FinderProblem::SizeOutOfRange},
        {25, 0.1, 0.0, FitClassRange::Seed, FinderProblem::WantedReversed},
        {25, std::nan(""), 0.1, FitClassRange::Seed, FinderProblem::WantedNotANumber},
    };
    for (const Bad& b : bads) {
        FitRequirement r = Simple(b.size, b.min, b.max, FitBasis::Any);
        r.range = b.range;
        const FitSearch s = FindFits(r);
        EXPECT_EQ(s.problem, b.problem) << b.size << " " << b.min << " " << b.max;
        EXPECT_TRUE(s.fits.empty());
        EXPECT_TRUE(s.misses.empty());
    }
    FitRequirement r = Simple(25, 0, 0.1, FitBasis::Any);
    r.fixedHole = FixedFeature{INFINITY, 25, "free", std::nullopt};
    EXPECT_EQ(FindFits(r).problem, FinderProblem::FixedOutOfRange);
}

TEST(FitFinder, InfiniteEndsAreNoBound) {
    FitRequirement r = Simple(130, -INFINITY, INFINITY, FitBasis::Any);
    r.range = FitClassRange::Whole;
    const FitSearch s = FindFits(r);
    EXPECT_EQ(s.problem, FinderProblem::None);
    EXPECT_TRUE(s.misses.empty());
    // Every defined pair at 130 mm: the whole table's cells at that step.
    std::size_t holes = 0, shafts = 0;
    const int step = *iso286::ClassifySizeStep(130);
    for (int l = 0; l < iso286::kLetterCount; ++l) {
        for (int g = 0; g < iso286::kGradeCount; ++g) {
            holes += iso286::Lookup(FeatureKind::Hole, l, g, step).has_value();
            shafts += iso286::Lookup(FeatureKind::Shaft, l, g, step).has_value();
        }
    }
    EXPECT_EQ(s.fits.size(), holes * shafts);
}

TEST(FixFeature, NeedsLimitSizesAndGivesASeedClassInTheWholeSystem) {
    FeatureState none;
    EXPECT_FALSE(FixFeature(FeatureKind::Hole, none, ToleranceMode::FitClass, FitClassRange::Seed, "H7"));
    const int seedH = 4, seedGrade7 = 2;
    const FeatureState h7 =
        Evaluated(FeatureKind::Hole, "25", ToleranceMode::FitClass, FitClassRange::Seed, seedH, seedGrade7);
    const auto fixed = FixFeature(FeatureKind::Hole, h7, ToleranceMode::FitClass, FitClassRange::Seed, "H7");
    ASSERT_TRUE(fixed && fixed->isoClass);
    EXPECT_EQ(*fixed->isoClass, Class("H7"));
    EXPECT_EQ(fixed->label, "H7");
    EXPECT_EQ(R(fixed->upperLimit), 25.021);
    const auto general =
        FixFeature(FeatureKind::Hole, h7, ToleranceMode::General, FitClassRange::Seed, "GEN:m");
    ASSERT_TRUE(general);
    EXPECT_FALSE(general->isoClass);
}

// The lists as JIS B0401 gives them.
TEST(CommonFits, HoldFortySevenHoleBasisAndFortyNineShaftBasisPairsEightOfThemInBoth) {
    int holeBasis = 0, shaftBasis = 0;
    std::set<std::pair<std::string, std::string>> holeSet, shaftSet;
    for (const CommonFitEntry& e : CommonFitEntries()) {
        ASSERT_TRUE(iso286::ParseClassName(e.hole)) << e.hole;
        ASSERT_TRUE(iso286::ParseClassName(e.shaft)) << e.shaft;
        EXPECT_EQ(iso286::ParseClassName(e.hole)->kind, FeatureKind::Hole) << e.hole;
        EXPECT_EQ(iso286::ParseClassName(e.shaft)->kind, FeatureKind::Shaft) << e.shaft;
        EXPECT_TRUE(IsCommonFit(Class(std::string(e.hole).c_str()), Class(std::string(e.shaft).c_str())));
        if (e.list == CommonFitList::HoleBasis) {
            ++holeBasis;
            EXPECT_EQ(e.hole.substr(0, 1), "H");
            holeSet.insert({std::string(e.hole), std::string(e.shaft)});
        } else {
            ++shaftBasis;
            EXPECT_EQ(e.shaft.substr(0, 1), "h");
            shaftSet.insert({std::string(e.hole), std::string(e.shaft)});
        }
    }
    EXPECT_EQ(holeBasis, 47);
    EXPECT_EQ(shaftBasis, 49);
    std::set<std::pair<std::string, std::string>> both, all = holeSet;
    all.insert(shaftSet.begin(), shaftSet.end());
    std::set_intersection(holeSet.begin(), holeSet.end(), shaftSet.begin(), shaftSet.end(),
                          std::inserter(both, both.begin()));
    EXPECT_EQ(all.size(), 88u);
    EXPECT_EQ(both.size(), 8u);
    EXPECT_FALSE(IsCommonFit(Class("H7"), Class("g7")));
    EXPECT_FALSE(IsCommonFit(Class("h6"), Class("H7")));  // the wrong way round
}

// A pair not marked as changing kind is the kind its column says at every
// size the seed table covers: the list and the tables agree.
TEST(CommonFits, UnmarkedPairsAreTheirColumnsKindUpTo120Millimetres) {
    int checked = 0;
    for (const char* size : {"0.5", "2", "5", "8", "15", "25", "40", "65", "100", "120"}) {
        FitRequirement r;
        r.basicSize = ParseNumber(size);
        r.wanted = {-INFINITY, INFINITY};
        r.range = FitClassRange::Whole;
        const FitSearch s = FindFits(r);
        for (const CommonFitEntry& e : CommonFitEntries()) {
            if (e.kindVaries) continue;
            const auto it = std::find_if(s.fits.begin(), s.fits.end(), [&](const FoundFit& f) {
                return f.hole == Class(std::string(e.hole).c_str()) &&
                       f.shaft == Class(std::string(e.shaft).c_str());
            });
            if (it == s.fits.end()) continue;  // undefined at this size (t6 up to 24 mm)
            ++checked;
            EXPECT_TRUE(it->common);
            EXPECT_EQ(it->kind, e.usualKind) << e.hole << "/" << e.shaft << " at " << size;
        }
    }
    EXPECT_GT(checked, 800);  // 89 unmarked entries at ten sizes, a few undefined
}

}  // namespace
}  // namespace tolvo
