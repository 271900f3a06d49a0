#include "core/fit_table.h"

#include <array>
#include <cassert>

namespace tolvo {
namespace {

using RangeRow = std::array<int, kFitSizeRangeCount>;

// Standard tolerances IT5..IT12 in micrometres, by size range (ISO 286-1 table 1).
constexpr std::array<RangeRow, kGradeCount> kIT = {{
    {4, 5, 6, 8, 9, 11, 13, 15},
    {6, 8, 9, 11, 13, 16, 19, 22},
    {10, 12, 15, 18, 21, 25, 30, 35},
    {14, 18, 22, 27, 33, 39, 46, 54},
    {25, 30, 36, 43, 52, 62, 74, 87},
    {40, 48, 58, 70, 84, 100, 120, 140},
    {60, 75, 90, 110, 130, 160, 190, 220},
    {100, 120, 150, 180, 210, 250, 300, 350},
}};

// Upper deviation es of the shafts d, e, f, g, h; the holes D..H have the same
// numbers with the opposite sign as their lower deviation EI.
constexpr std::array<RangeRow, 5> kShaftUpperDToH = {{
    {-20, -30, -40, -50, -65, -80, -100, -120},
    {-14, -20, -25, -32, -40, -50, -60, -72},
    {-6, -10, -13, -16, -20, -25, -30, -36},
    {-2, -4, -5, -6, -7, -9, -10, -12},
    {0, 0, 0, 0, 0, 0, 0, 0},
}};

// Lower deviation ei of the shafts k (grades 5..7), m, n, p; k of grade 8 and
// coarser has ei = 0.
constexpr RangeRow kShaftLowerK5To7 = {0, 1, 1, 1, 2, 2, 2, 3};
constexpr RangeRow kShaftLowerM = {2, 4, 6, 7, 8, 9, 11, 13};
constexpr RangeRow kShaftLowerN = {4, 8, 10, 12, 15, 17, 20, 23};
constexpr RangeRow kShaftLowerP = {6, 12, 15, 18, 22, 26, 32, 37};

// Upper deviation ES of the holes K, M, N, P before the Δ correction.
constexpr RangeRow kHoleBaseK = {0, -1, -1, -1, -2, -2, -2, -3};
constexpr RangeRow kHoleBaseM = {-2, -4, -6, -7, -8, -9, -11, -13};
constexpr RangeRow kHoleBaseN = {-4, -8, -10, -12, -15, -17, -20, -23};
constexpr RangeRow kHoleBaseP = {-6, -12, -15, -18, -22, -26, -32, -37};

// Δ for the grades 5..8 (ISO 286-2 table 3).
constexpr std::array<RangeRow, 4> kDelta = {{
    {0, 1, 2, 3, 3, 4, 5, 5},
    {0, 3, 3, 3, 4, 5, 6, 7},
    {0, 4, 6, 7, 8, 9, 11, 13},
    {0, 6, 7, 9, 12, 14, 16, 19},
}};

constexpr int kLetterJS = 5;
constexpr int kLetterM = 7;

using Cell = std::optional<Deviations>;

constexpr Deviations FromLower(double lower, double it) {
    return {lower + it, lower};
}
constexpr Deviations FromUpper(double upper, double it) {
    return {upper, upper - it};
}
constexpr Deviations Symmetric(double it) {
    return {it / 2, -it / 2};
}

constexpr Cell HoleCell(int range, int letter, int grade) {
    const double it = kIT[grade - kFirstGrade][range];
    const bool usesDelta = grade <= 8;
    const int delta = usesDelta ? kDelta[grade - kFirstGrade][range] : 0;
    if (letter < kLetterJS) return FromLower(-kShaftUpperDToH[letter][range], it);
    switch (letter) {
        case kLetterJS:
            return Symmetric(it);
        case kLetterK:
            if (usesDelta) return FromUpper(kHoleBaseK[range] + delta, it);
            // JIS B0401-2 defines K above grade 8 only up to 3 mm.
            if (range == 0) return FromUpper(0, it);
            return std::nullopt;
        case kLetterM:
            return FromUpper(kHoleBaseM[range] + delta, it);
        case kLetterN:
            if (usesDelta) return FromUpper(kHoleBaseN[range] + delta, it);
            // Range 0 serves from 1 mm up: below, kBarredCells applies.
            return FromUpper(range == 0 ? -4 : 0, it);
        default:  // P: Δ only up to grade 7
            return FromUpper(kHoleBaseP[range] + (grade <= 7 ? delta : 0), it);
    }
}

constexpr Deviations ShaftCell(int range, int letter, int grade) {
    const double it = kIT[grade - kFirstGrade][range];
    if (letter < kLetterJS) return FromUpper(kShaftUpperDToH[letter][range], it);
    switch (letter) {
        case kLetterJS:
            return Symmetric(it);
        case kLetterK:
            return FromLower(grade <= 7 ? kShaftLowerK5To7[range] : 0, it);
        case kLetterM:
            return FromLower(kShaftLowerM[range], it);
        case kLetterN:
            return FromLower(kShaftLowerN[range], it);
        default:
            return FromLower(kShaftLowerP[range], it);
    }
}

constexpr int CellIndex(int kind, int range, int letter, int gradeIndex) {
    return ((kind * kFitSizeRangeCount + range) * kLetterCount + letter) * kGradeCount + gradeIndex;
}

constexpr std::array<Cell, kFitCellCount> BuildFitTable() {
    std::array<Cell, kFitCellCount> table{};
    for (int range = 0; range < kFitSizeRangeCount; ++range) {
        for (int letter = 0; letter < kLetterCount; ++letter) {
            for (int g = 0; g < kGradeCount; ++g) {
                table[CellIndex(0, range, letter, g)] = HoleCell(range, letter, g + kFirstGrade);
                table[CellIndex(1, range, letter, g)] = ShaftCell(range, letter, g + kFirstGrade);
            }
        }
    }
    return table;
}

// Built by the compiler from the component tables above, in lookup order.
constexpr std::array<Cell, kFitCellCount> kFitTable = BuildFitTable();

// Cells barred from part of their size range: this letter with this grade and
// every coarser one, for basic sizes over `over` up to and including `upTo`.
struct BarredCells {
    FeatureKind kind;
    int letterIndex;
    int firstGradeIndex;
    double over;
    double upTo;
};

constexpr std::array<BarredCells, 1> kBarredCells = {{
    {FeatureKind::Hole, kLetterN, kGradeIndex8 + 1, 0.0, 1.0},  // JIS B0401-1 table 3 note 5
}};

constexpr std::array<double, kFitSizeRangeCount> kFitRangeUpperBounds = {3, 6, 10, 18, 30, 50, 80, 120};

constexpr std::array<std::array<std::string_view, kLetterCount>, kFeatureKindCount> kLetterNames = {{
    {"D", "E", "F", "G", "H", "JS", "K", "M", "N", "P"},
    {"d", "e", "f", "g", "h", "js", "k", "m", "n", "p"},
}};

}  // namespace

std::optional<Deviations> FitTableLookup(FeatureKind kind, int fitSizeRange, int letterIndex,
                                         int gradeIndex) {
    assert(fitSizeRange >= 0 && fitSizeRange < kFitSizeRangeCount);
    assert(letterIndex >= 0 && letterIndex < kLetterCount);
    assert(gradeIndex >= 0 && gradeIndex < kGradeCount);
    return kFitTable[CellIndex(Index(kind), fitSizeRange, letterIndex, gradeIndex)];
}

bool FitCellBarredAt(FeatureKind kind, double basicSize, int letterIndex, int gradeIndex) {
    if (gradeIndex < 0 || gradeIndex >= kGradeCount) return false;
    for (const BarredCells& barred : kBarredCells) {
        if (barred.kind == kind && barred.letterIndex == letterIndex &&
            gradeIndex >= barred.firstGradeIndex && basicSize > barred.over && basicSize <= barred.upTo) {
            return true;
        }
    }
    return false;
}

int ClassifyFitSizeRange(double basicSize, int previousRange) {
    for (int range = 0; range < kFitSizeRangeCount; ++range) {
        if (basicSize <= kFitRangeUpperBounds[range]) return range;
    }
    return previousRange;  // above 120 mm, and NaN, which no parse produces
}

std::string_view LetterName(FeatureKind kind, int letterIndex) {
    return kLetterNames[Index(kind)][letterIndex];
}

int GradeNumber(int gradeIndex) {
    return gradeIndex + kFirstGrade;
}

}  // namespace tolvo
