#include "core/iso286_table.h"

#include <array>
#include <cassert>
#include <cstdint>
#include <limits>

namespace tolvo::iso286 {
namespace {

// "—" of the standard's tables: the letter or grade has no value at this step.
constexpr double kNo = -std::numeric_limits<double>::infinity();

template <std::size_t N>
struct StepRow {
    double upTo;  // mm, the step's upper bound (included)
    std::array<double, N> values;
};

// Standard tolerances IT by main step (ISO 286-1 table 1).
// Each row: up to (mm), then IT01, IT0, IT1, IT2, IT3, IT4, IT5, IT6, IT7, IT8, IT9, IT10, IT11, IT12, IT13,
// IT14, IT15, IT16, IT17, IT18.
constexpr std::array<StepRow<20>, 21> kStandardTolerances = {{
    {3, {0.3, 0.5, 0.8, 1.2, 2, 3, 4, 6, 10, 14, 25, 40, 60, 100, 140, 250, 400, 600, 1000, 1400}},
    {6, {0.4, 0.6, 1, 1.5, 2.5, 4, 5, 8, 12, 18, 30, 48, 75, 120, 180, 300, 480, 750, 1200, 1800}},
    {10, {0.4, 0.6, 1, 1.5, 2.5, 4, 6, 9, 15, 22, 36, 58, 90, 150, 220, 360, 580, 900, 1500, 2200}},
    {18, {0.5, 0.8, 1.2, 2, 3, 5, 8, 11, 18, 27, 43, 70, 110, 180, 270, 430, 700, 1100, 1800, 2700}},
    {30, {0.6, 1, 1.5, 2.5, 4, 6, 9, 13, 21, 33, 52, 84, 130, 210, 330, 520, 840, 1300, 2100, 3300}},
    {50, {0.6, 1, 1.5, 2.5, 4, 7, 11, 16, 25, 39, 62, 100, 160, 250, 390, 620, 1000, 1600, 2500, 3900}},
    {80, {0.8, 1.2, 2, 3, 5, 8, 13, 19, 30, 46, 74, 120, 190, 300, 460, 740, 1200, 1900, 3000, 4600}},
    {120, {1, 1.5, 2.5, 4, 6, 10, 15, 22, 35, 54, 87, 140, 220, 350, 540, 870, 1400, 2200, 3500, 5400}},
    {180, {1.2, 2, 3.5, 5, 8, 12, 18, 25, 40, 63, 100, 160, 250, 400, 630, 1000, 1600, 2500, 4000, 6300}},
    {250, {2, 3, 4.5, 7, 10, 14, 20, 29, 46, 72, 115, 185, 290, 460, 720, 1150, 1850, 2900, 4600, 7200}},
    {315, {2.5, 4, 6, 8, 12, 16, 23, 32, 52, 81, 130, 210, 320, 520, 810, 1300, 2100, 3200, 5200, 8100}},
    {400, {3, 5, 7, 9, 13, 18, 25, 36, 57, 89, 140, 230, 360, 570, 890, 1400, 2300, 3600, 5700, 8900}},
    {500, {4, 6, 8, 10, 15, 20, 27, 40, 63, 97, 155, 250, 400, 630, 970, 1550, 2500, 4000, 6300, 9700}},
    {630,
     {kNo, kNo, 9, 11, 16, 22, 32, 44, 70, 110, 175, 280, 440, 700, 1100, 1750, 2800, 4400, 7000, 11000}},
    {800,
     {kNo, kNo, 10, 13, 18, 25, 36, 50, 80, 125, 200, 320, 500, 800, 1250, 2000, 3200, 5000, 8000, 12500}},
    {1000,
     {kNo, kNo, 11, 15, 21, 28, 40, 56, 90, 140, 230, 360, 560, 900, 1400, 2300, 3600, 5600, 9000, 14000}},
    {1250,
     {kNo, kNo, 13, 18, 24, 33, 47, 66, 105, 165, 260, 420, 660, 1050, 1650, 2600, 4200, 6600, 10500, 16500}},
    {1600,
     {kNo, kNo, 15, 21, 29, 39, 55, 78, 125, 195, 310, 500, 780, 1250, 1950, 3100, 5000, 7800, 12500, 19500}},
    {2000,
     {kNo, kNo, 18, 25, 35, 46, 65, 92, 150, 230, 370, 600, 920, 1500, 2300, 3700, 6000, 9200, 15000, 23000}},
    {2500, {kNo, kNo, 22,   30,   41,   55,   78,   110,   175,   280,
            440, 700, 1100, 1750, 2800, 4400, 7000, 11000, 17500, 28000}},
    {3150, {kNo, kNo, 26,   36,   50,   68,   96,   135,   210,   330,
            540, 860, 1350, 2100, 3300, 5400, 8600, 13500, 21000, 33000}},
}};

// Upper deviation es of the shafts a to g by intermediate step; the holes A to G
// take it with the opposite sign as their lower deviation EI.
// Each row: up to (mm), then a, b, c, cd, d, e, ef, f, fg, g.
constexpr std::array<StepRow<10>, 41> kShaftUpperAToG = {{
    {3, {-270, -140, -60, -34, -20, -14, -10, -6, -4, -2}},
    {6, {-270, -140, -70, -46, -30, -20, -14, -10, -6, -4}},
    {10, {-280, -150, -80, -56, -40, -25, -18, -13, -8, -5}},
    {14, {-290, -150, -95, -70, -50, -32, -23, -16, -10, -6}},
    {18, {-290, -150, -95, -70, -50, -32, -23, -16, -10, -6}},
    {24, {-300, -160, -110, -85, -65, -40, -28, -20, -12, -7}},
    {30, {-300, -160, -110, -85, -65, -40, -28, -20, -12, -7}},
    {40, {-310, -170, -120, -100, -80, -50, -35, -25, -15, -9}},
    {50, {-320, -180, -130, -100, -80, -50, -35, -25, -15, -9}},
    {65, {-340, -190, -140, kNo, -100, -60, kNo, -30, kNo, -10}},
    {80, {-360, -200, -150, kNo, -100, -60, kNo, -30, kNo, -10}},
    {100, {-380, -220, -170, kNo, -120, -72, kNo, -36, kNo, -12}},
    {120, {-410, -240, -180, kNo, -120, -72, kNo, -36, kNo, -12}},
    {140, {-460, -260, -200, kNo, -145, -85, kNo, -43, kNo, -14}},
    {160, {-520, -280, -210, kNo, -145, -85, kNo, -43, kNo, -14}},
    {180, {-580, -310, -230, kNo, -145, -85, kNo, -43, kNo, -14}},
    {200, {-660, -340, -240, kNo, -170, -100, kNo, -50, kNo, -15}},
    {225, {-740, -380, -260, kNo, -170, -100, kNo, -50, kNo, -15}},
    {250, {-820, -420, -280, kNo, -170, -100, kNo, -50, kNo, -15}},
    {280, {-920, -480, -300, kNo, -190, -110, kNo, -56, kNo, -17}},
    {315, {-1050, -540, -330, kNo, -190, -110, kNo, -56, kNo, -17}},
    {355, {-1200, -600, -360, kNo, -210, -125, kNo, -62, kNo, -18}},
    {400, {-1350, -680, -400, kNo, -210, -125, kNo, -62, kNo, -18}},
    {450, {-1500, -760, -440, kNo, -230, -135, kNo, -68, kNo, -20}},
    {500, {-1650, -840, -480, kNo, -230, -135, kNo, -68, kNo, -20}},
    {560, {kNo, kNo, kNo, kNo, -260, -145, kNo, -76, kNo, -22}},
    {630, {kNo, kNo, kNo, kNo, -260, -145, kNo, -76, kNo, -22}},
    {710, {kNo, kNo, kNo, kNo, -290, -160, kNo, -80, kNo, -24}},
    {800, {kNo, kNo, kNo, kNo, -290, -160, kNo, -80, kNo, -24}},
    {900, {kNo, kNo, kNo, kNo, -320, -170, kNo, -86, kNo, -26}},
    {1000, {kNo, kNo, kNo, kNo, -320, -170, kNo, -86, kNo, -26}},
    {1120, {kNo, kNo, kNo, kNo, -350, -195, kNo, -98, kNo, -28}},
    {1250, {kNo, kNo, kNo, kNo, -350, -195, kNo, -98, kNo, -28}},
    {1400, {kNo, kNo, kNo, kNo, -390, -220, kNo, -110, kNo, -30}},
    {1600, {kNo, kNo, kNo, kNo, -390, -220, kNo, -110, kNo, -30}},
    {1800, {kNo, kNo, kNo, kNo, -430, -240, kNo, -120, kNo, -32}},
    {2000, {kNo, kNo, kNo, kNo, -430, -240, kNo, -120, kNo, -32}},
    {2240, {kNo, kNo, kNo, kNo, -480, -260, kNo, -130, kNo, -34}},
    {2500, {kNo, kNo, kNo, kNo, -480, -260, kNo, -130, kNo, -34}},
    {2800, {kNo, kNo, kNo, kNo, -520, -290, kNo, -145, kNo, -38}},
    {3150, {kNo, kNo, kNo, kNo, -520, -290, kNo, -145, kNo, -38}},
}};

// Lower deviation ei of the shafts m to zc by intermediate step; the holes M to
// ZC build their upper deviation ES from it.
// Each row: up to (mm), then m, n, p, r, s, t, u, v, x, y, z, za, zb, zc.
constexpr std::array<StepRow<14>, 41> kShaftLowerMToZC = {{
    {3, {2, 4, 6, 10, 14, kNo, 18, kNo, 20, kNo, 26, 32, 40, 60}},
    {6, {4, 8, 12, 15, 19, kNo, 23, kNo, 28, kNo, 35, 42, 50, 80}},
    {10, {6, 10, 15, 19, 23, kNo, 28, kNo, 34, kNo, 42, 52, 67, 97}},
    {14, {7, 12, 18, 23, 28, kNo, 33, kNo, 40, kNo, 50, 64, 90, 130}},
    {18, {7, 12, 18, 23, 28, kNo, 33, 39, 45, kNo, 60, 77, 108, 150}},
    {24, {8, 15, 22, 28, 35, kNo, 41, 47, 54, 63, 73, 98, 136, 188}},
    {30, {8, 15, 22, 28, 35, 41, 48, 55, 64, 75, 88, 118, 160, 218}},
    {40, {9, 17, 26, 34, 43, 48, 60, 68, 80, 94, 112, 148, 200, 274}},
    {50, {9, 17, 26, 34, 43, 54, 70, 81, 97, 114, 136, 180, 242, 325}},
    {65, {11, 20, 32, 41, 53, 66, 87, 102, 122, 144, 172, 226, 300, 405}},
    {80, {11, 20, 32, 43, 59, 75, 102, 120, 146, 174, 210, 274, 360, 480}},
    {100, {13, 23, 37, 51, 71, 91, 124, 146, 178, 214, 258, 335, 445, 585}},
    {120, {13, 23, 37, 54, 79, 104, 144, 172, 210, 254, 310, 400, 525, 690}},
    {140, {15, 27, 43, 63, 92, 122, 170, 202, 248, 300, 365, 470, 620, 800}},
    {160, {15, 27, 43, 65, 100, 134, 190, 228, 280, 340, 415, 535, 700, 900}},
    {180, {15, 27, 43, 68, 108, 146, 210, 252, 310, 380, 465, 600, 780, 1000}},
    {200, {17, 31, 50, 77, 122, 166, 236, 284, 350, 425, 520, 670, 880, 1150}},
    {225, {17, 31, 50, 80, 130, 180, 258, 310, 385, 470, 575, 740, 960, 1250}},
    {250, {17, 31, 50, 84, 140, 196, 284, 340, 425, 520, 640, 820, 1050, 1350}},
    {280, {20, 34, 56, 94, 158, 218, 315, 385, 475, 580, 710, 920, 1200, 1550}},
    {315, {20, 34, 56, 98, 170, 240, 350, 425, 525, 650, 790, 1000, 1300, 1700}},
    {355, {21, 37, 62, 108, 190, 268, 390, 475, 590, 730, 900, 1150, 1500, 1900}},
    {400, {21, 37, 62, 114, 208, 294, 435, 530, 660, 820, 1000, 1300, 1650, 2100}},
    {450, {23, 40, 68, 126, 232, 330, 490, 595, 740, 920, 1100, 1450, 1850, 2400}},
    {500, {23, 40, 68, 132, 252, 360, 540, 660, 820, 1000, 1250, 1600, 2100, 2600}},
    {560, {26, 44, 78, 150, 280, 400, 600, kNo, kNo, kNo, kNo, kNo, kNo, kNo}},
    {630, {26, 44, 78, 155, 310, 450, 660, kNo, kNo, kNo, kNo, kNo, kNo, kNo}},
    {710, {30, 50, 88, 175, 340, 500, 740, kNo, kNo, kNo, kNo, kNo, kNo, kNo}},
    {800, {30, 50, 88, 185, 380, 560, 840, kNo, kNo, kNo, kNo, kNo, kNo, kNo}},
    {900, {34, 56, 100, 210, 430, 620, 940, kNo, kNo, kNo, kNo, kNo, kNo, kNo}},
    {1000, {34, 56, 100, 220, 470, 680, 1050, kNo, kNo, kNo, kNo, kNo, kNo, kNo}},
    {1120, {40, 66, 120, 250, 520, 780, 1150, kNo, kNo, kNo, kNo, kNo, kNo, kNo}},
    {1250, {40, 66, 120, 260, 580, 840, 1300, kNo, kNo, kNo, kNo, kNo, kNo, kNo}},
    {1400, {48, 78, 140, 300, 640, 960, 1450, kNo, kNo, kNo, kNo, kNo, kNo, kNo}},
    {1600, {48, 78, 140, 330, 720, 1050, 1600, kNo, kNo, kNo, kNo, kNo, kNo, kNo}},
    {1800, {58, 92, 170, 370, 820, 1200, 1850, kNo, kNo, kNo, kNo, kNo, kNo, kNo}},
    {2000, {58, 92, 170, 400, 920, 1350, 2000, kNo, kNo, kNo, kNo, kNo, kNo, kNo}},
    {2240, {68, 110, 195, 440, 1000, 1500, 2300, kNo, kNo, kNo, kNo, kNo, kNo, kNo}},
    {2500, {68, 110, 195, 460, 1100, 1650, 2500, kNo, kNo, kNo, kNo, kNo, kNo, kNo}},
    {2800, {76, 135, 240, 550, 1250, 1900, 2900, kNo, kNo, kNo, kNo, kNo, kNo, kNo}},
    {3150, {76, 135, 240, 580, 1400, 2100, 3200, kNo, kNo, kNo, kNo, kNo, kNo, kNo}},
}};

// Lower deviation ei of j5/j6, j7, j8 and of k in grades 4 to 7, and upper
// deviation ES of J6, J7, J8, by main step up to 500 mm.
// Each row: up to (mm), then j5, j6 (ei), j7 (ei), j8 (ei), k, grades 4–7 (ei), J6 (ES), J7 (ES), J8 (ES).
constexpr std::array<StepRow<7>, 13> kJAndK = {{
    {3, {-2, -4, -6, 0, 2, 4, 6}},
    {6, {-2, -4, kNo, 1, 5, 6, 10}},
    {10, {-2, -5, kNo, 1, 5, 8, 12}},
    {18, {-3, -6, kNo, 1, 6, 10, 15}},
    {30, {-4, -8, kNo, 2, 8, 12, 20}},
    {50, {-5, -10, kNo, 2, 10, 14, 24}},
    {80, {-7, -12, kNo, 2, 13, 18, 28}},
    {120, {-9, -15, kNo, 3, 16, 22, 34}},
    {180, {-11, -18, kNo, 3, 18, 26, 41}},
    {250, {-13, -21, kNo, 4, 22, 30, 47}},
    {315, {-16, -26, kNo, 4, 25, 36, 55}},
    {400, {-18, -28, kNo, 4, 29, 39, 60}},
    {500, {-20, -32, kNo, 5, 33, 43, 66}},
}};

// Δ of the grades IT3 to IT8 by main step up to 500 mm (ISO 286-1 table 3).
// Each row: up to (mm), then Δ IT3, Δ IT4, Δ IT5, Δ IT6, Δ IT7, Δ IT8.
constexpr std::array<StepRow<6>, 13> kDelta = {{
    {3, {0, 0, 0, 0, 0, 0}},
    {6, {1, 1.5, 1, 3, 4, 6}},
    {10, {1, 1.5, 2, 3, 6, 7}},
    {18, {1, 2, 3, 3, 7, 9}},
    {30, {1.5, 2, 3, 4, 8, 12}},
    {50, {1.5, 3, 4, 5, 9, 14}},
    {80, {2, 3, 5, 6, 11, 16}},
    {120, {2, 4, 5, 7, 13, 19}},
    {180, {3, 4, 6, 7, 15, 23}},
    {250, {3, 4, 6, 9, 17, 26}},
    {315, {4, 4, 7, 9, 20, 29}},
    {400, {4, 5, 7, 11, 21, 32}},
    {500, {5, 5, 7, 13, 23, 34}},
}};

constexpr std::array<std::string_view, kLetterCount> kHoleLetters = {
    "A", "B", "C", "CD", "D", "E", "EF", "F", "FG", "G", "H", "JS", "J",  "K",
    "M", "N", "P", "R",  "S", "T", "U",  "V", "X",  "Y", "Z", "ZA", "ZB", "ZC"};
constexpr std::array<std::string_view, kLetterCount> kShaftLetters = {
    "a", "b", "c", "cd", "d", "e", "ef", "f", "fg", "g", "h", "js", "j",  "k",
    "m", "n", "p", "r",  "s", "t", "u",  "v", "x",  "y", "z", "za", "zb", "zc"};
constexpr std::array<std::string_view, kGradeCount> kGradeNames = {"01", "0",  "1",  "2",  "3",  "4",  "5",
                                                                   "6",  "7",  "8",  "9",  "10", "11", "12",
                                                                   "13", "14", "15", "16", "17", "18"};

// Letter indexes that the cell rules name.
constexpr int kLetterA = 0;
constexpr int kLetterB = 1;
constexpr int kLetterH = 10;
constexpr int kLetterJS = 11;
constexpr int kLetterJ = 12;
constexpr int kLetterK = 13;
constexpr int kLetterM = 14;
constexpr int kLetterN = 15;

// Columns of kJAndK.
constexpr int kColumnJ7 = 1;
constexpr int kColumnK = 3;
constexpr int kColumnJ6Hole = 4;

// Grade index of IT n.
constexpr int Grade(int itNumber) {
    return itNumber + 1;
}

constexpr int kIntermediateStepCount = static_cast<int>(kShaftUpperAToG.size());
static_assert(kIntermediateStepCount + 1 == kSizeStepCount);
// The main steps up to 500 mm, where the j/k/J and Δ tables end.
constexpr int kTabledMainSteps = static_cast<int>(kJAndK.size());

constexpr bool SameSteps() {
    for (int i = 0; i < kIntermediateStepCount; ++i) {
        if (kShaftUpperAToG[i].upTo != kShaftLowerMToZC[i].upTo) return false;
    }
    for (int i = 0; i < kTabledMainSteps; ++i) {
        if (kJAndK[i].upTo != kStandardTolerances[i].upTo || kDelta[i].upTo != kStandardTolerances[i].upTo)
            return false;
    }
    return kStandardTolerances[kTabledMainSteps - 1].upTo == 500 && kDelta.size() == kJAndK.size();
}
static_assert(SameSteps(), "the component tables disagree on their steps");

// Over 3 mm, Δ of grade n is IT(n) - IT(n-1) of the step.
constexpr bool DeltaIsTheStepOfTheTolerances() {
    for (int main = 1; main < kTabledMainSteps; ++main) {
        const auto& it = kStandardTolerances[main].values;
        for (int column = 0; column < 6; ++column) {
            const int grade = Grade(3 + column);
            if (kDelta[main].values[column] != it[grade] - it[grade - 1]) return false;
        }
    }
    return true;
}
static_assert(DeltaIsTheStepOfTheTolerances());

// Cells are kept in hundredths of a micrometre, so that half and tenth
// micrometres (js01 up to 3 mm: ±0.15) stay exact.
constexpr std::int32_t Centi(double micrometres) {
    return static_cast<std::int32_t>(micrometres * 100 + (micrometres < 0 ? -0.5 : 0.5));
}

// Every IT is a whole number of tenths, so that JS and js halve it exactly.
constexpr bool TolerancesAreWholeTenths() {
    for (const auto& row : kStandardTolerances) {
        for (double it : row.values) {
            if (it != kNo && Centi(it) % 10 != 0) return false;
        }
    }
    return true;
}
static_assert(TolerancesAreWholeTenths());

struct PackedCell {
    std::int32_t upper;
    std::int32_t lower;
};
constexpr std::int32_t kUndefined = std::numeric_limits<std::int32_t>::min();
constexpr PackedCell kUndefinedCell = {kUndefined, kUndefined};

// Where one size step sits in the component tables.
struct StepPlace {
    int intermediate;  // row of the fundamental-deviation tables
    int main;          // row of the IT, j/k/J and Δ tables
    bool upTo1;
    bool upTo3;
    bool over500;
};

constexpr double UpperBound(int sizeStep) {
    return sizeStep == 0 ? 1.0 : kShaftUpperAToG[sizeStep - 1].upTo;
}

constexpr StepPlace PlaceOf(int sizeStep) {
    const int intermediate = sizeStep == 0 ? 0 : sizeStep - 1;
    const double upTo = kShaftUpperAToG[intermediate].upTo;
    int main = 0;
    while (kStandardTolerances[main].upTo < upTo) ++main;
    return {intermediate, main, sizeStep == 0, main == 0, main >= kTabledMainSteps};
}

constexpr PackedCell FromUpper(double upper, std::int32_t it) {
    return {Centi(upper), Centi(upper) - it};
}
constexpr PackedCell FromLower(double lower, std::int32_t it) {
    return {Centi(lower) + it, Centi(lower)};
}

constexpr double ShaftUpperAToH(int letter, const StepPlace& place) {
    if (letter == kLetterH) return 0;
    // a and b start over 1 mm.
    if (place.upTo1 && (letter == kLetterA || letter == kLetterB)) return kNo;
    return kShaftUpperAToG[place.intermediate].values[letter];
}

constexpr double ShaftLowerMToZC(int letter, const StepPlace& place) {
    return kShaftLowerMToZC[place.intermediate].values[letter - kLetterM];
}

// j exists as j5 and j6 (one column), j7 and j8, up to 500 mm.
constexpr double ShaftLowerJ(int grade, const StepPlace& place) {
    if (place.over500 || grade < Grade(5) || grade > Grade(8)) return kNo;
    const int column = grade <= Grade(6) ? 0 : kColumnJ7 + grade - Grade(7);
    return kJAndK[place.main].values[column];
}

constexpr double ShaftLowerK(int grade, const StepPlace& place) {
    if (place.over500 || grade < Grade(4) || grade > Grade(7)) return 0;
    return kJAndK[place.main].values[kColumnK];
}

constexpr PackedCell ShaftCell(int letter, int grade, const StepPlace& place, std::int32_t it) {
    if (letter <= kLetterH) {
        const double es = ShaftUpperAToH(letter, place);
        return es == kNo ? kUndefinedCell : FromUpper(es, it);
    }
    if (letter == kLetterJS) return {it / 2, -it / 2};
    const double ei = letter == kLetterJ   ? ShaftLowerJ(grade, place)
                      : letter == kLetterK ? ShaftLowerK(grade, place)
                                           : ShaftLowerMToZC(letter, place);
    return ei == kNo ? kUndefinedCell : FromLower(ei, it);
}

// The upper deviation ES of the holes K to ZC, or kNo where the cell is undefined.
constexpr double HoleUpperKToZC(int letter, int grade, const StepPlace& place) {
    // Over 3 up to 500 mm the finer grades add Δ, which the standard gives for
    // IT3 to IT8 only: the grades below IT3 are undefined there.
    const bool withDelta = !place.upTo3 && !place.over500;
    if (withDelta && grade < Grade(3)) return kNo;
    const auto plusDelta = [&](double es) { return es + kDelta[place.main].values[grade - Grade(3)]; };
    if (letter == kLetterK) {
        if (place.upTo3) return 0;
        if (grade > Grade(8)) return kNo;  // JIS B0401-2 gives K above grade 8 only up to 3 mm
        return place.over500 ? 0 : plusDelta(-kJAndK[place.main].values[kColumnK]);
    }
    const double ei = ShaftLowerMToZC(letter, place);
    if (ei == kNo) return kNo;
    if (letter == kLetterM) {
        // The note under table 3 of ISO 286-2: M6 over 250 up to 315 mm is -9.
        if (grade == Grade(6) && kStandardTolerances[place.main].upTo == 315) return -9;
        return withDelta && grade <= Grade(8) ? plusDelta(-ei) : -ei;
    }
    if (letter == kLetterN) {
        if (place.upTo1 && grade > Grade(8)) return kNo;  // JIS B0401-2 forbids N above grade 8 up to 1 mm
        if (withDelta) return grade <= Grade(8) ? plusDelta(-ei) : 0;
        return -ei;
    }
    return withDelta && grade <= Grade(7) ? plusDelta(-ei) : -ei;
}

constexpr PackedCell HoleCell(int letter, int grade, const StepPlace& place, std::int32_t it) {
    if (letter <= kLetterH) {
        const double es = ShaftUpperAToH(letter, place);
        return es == kNo ? kUndefinedCell : FromLower(-es, it);
    }
    if (letter == kLetterJS) return {it / 2, -it / 2};
    double es = kNo;
    if (letter == kLetterJ) {
        if (!place.over500 && grade >= Grade(6) && grade <= Grade(8))
            es = kJAndK[place.main].values[kColumnJ6Hole + grade - Grade(6)];
    } else {
        es = HoleUpperKToZC(letter, grade, place);
    }
    return es == kNo ? kUndefinedCell : FromUpper(es, it);
}

constexpr double ToleranceAt(int grade, const StepPlace& place) {
    // IT14 to IT18 start over 1 mm.
    if (place.upTo1 && grade >= Grade(14)) return kNo;
    return kStandardTolerances[place.main].values[grade];
}

constexpr int CellIndex(int kind, int letter, int grade, int sizeStep) {
    return ((kind * kLetterCount + letter) * kGradeCount + grade) * kSizeStepCount + sizeStep;
}

constexpr std::array<PackedCell, kCellCount> BuildTable() {
    std::array<PackedCell, kCellCount> table{};
    for (int step = 0; step < kSizeStepCount; ++step) {
        const StepPlace place = PlaceOf(step);
        for (int grade = 0; grade < kGradeCount; ++grade) {
            const double tolerance = ToleranceAt(grade, place);
            for (int letter = 0; letter < kLetterCount; ++letter) {
                PackedCell hole = kUndefinedCell;
                PackedCell shaft = kUndefinedCell;
                if (tolerance != kNo) {
                    hole = HoleCell(letter, grade, place, Centi(tolerance));
                    shaft = ShaftCell(letter, grade, place, Centi(tolerance));
                }
                table[CellIndex(Index(FeatureKind::Hole), letter, grade, step)] = hole;
                table[CellIndex(Index(FeatureKind::Shaft), letter, grade, step)] = shaft;
            }
        }
    }
    return table;
}

// Built by the compiler from the component tables above, in lookup order.
constexpr std::array<PackedCell, kCellCount> kTable = BuildTable();

constexpr double Micrometres(std::int32_t centi) {
    return centi / 100.0;
}

}  // namespace

std::string_view LetterName(FeatureKind kind, int letterIndex) {
    assert(letterIndex >= 0 && letterIndex < kLetterCount);
    return kind == FeatureKind::Hole ? kHoleLetters[letterIndex] : kShaftLetters[letterIndex];
}

std::string_view GradeName(int gradeIndex) {
    assert(gradeIndex >= 0 && gradeIndex < kGradeCount);
    return kGradeNames[gradeIndex];
}

std::optional<int> FindLetter(FeatureKind kind, std::string_view name) {
    const auto& names = kind == FeatureKind::Hole ? kHoleLetters : kShaftLetters;
    for (int i = 0; i < kLetterCount; ++i) {
        if (names[i] == name) return i;
    }
    return std::nullopt;
}

std::optional<int> FindGrade(std::string_view name) {
    for (int i = 0; i < kGradeCount; ++i) {
        if (kGradeNames[i] == name) return i;
    }
    return std::nullopt;
}

std::optional<int> ClassifySizeStep(double basicSize) {
    if (!(basicSize > 0 && basicSize <= kLargestBasicSize)) return std::nullopt;
    int step = 0;
    while (UpperBound(step) < basicSize) ++step;
    return step;
}

SizeStep SizeStepBounds(int sizeStep) {
    assert(sizeStep >= 0 && sizeStep < kSizeStepCount);
    return {sizeStep == 0 ? 0.0 : UpperBound(sizeStep - 1), UpperBound(sizeStep)};
}

std::optional<Deviations> Lookup(FeatureKind kind, int letterIndex, int gradeIndex, int sizeStep) {
    assert(letterIndex >= 0 && letterIndex < kLetterCount);
    assert(gradeIndex >= 0 && gradeIndex < kGradeCount);
    assert(sizeStep >= 0 && sizeStep < kSizeStepCount);
    const PackedCell cell = kTable[CellIndex(Index(kind), letterIndex, gradeIndex, sizeStep)];
    if (cell.upper == kUndefined) return std::nullopt;
    return Deviations{Micrometres(cell.upper), Micrometres(cell.lower)};
}

std::optional<double> StandardTolerance(int gradeIndex, int sizeStep) {
    assert(gradeIndex >= 0 && gradeIndex < kGradeCount);
    assert(sizeStep >= 0 && sizeStep < kSizeStepCount);
    const double tolerance = ToleranceAt(gradeIndex, PlaceOf(sizeStep));
    if (tolerance == kNo) return std::nullopt;
    return Micrometres(Centi(tolerance));
}

std::optional<ToleranceClass> ParseClassName(std::string_view name) {
    std::size_t letterLength = 0;
    while (letterLength < name.size() && ((name[letterLength] >= 'A' && name[letterLength] <= 'Z') ||
                                          (name[letterLength] >= 'a' && name[letterLength] <= 'z')))
        ++letterLength;
    if (letterLength == 0) return std::nullopt;
    const FeatureKind kind = name[0] <= 'Z' ? FeatureKind::Hole : FeatureKind::Shaft;
    const std::optional<int> letter = FindLetter(kind, name.substr(0, letterLength));
    const std::optional<int> grade = FindGrade(name.substr(letterLength));
    if (!letter || !grade) return std::nullopt;
    return ToleranceClass{kind, *letter, *grade};
}

std::string FormatClassName(const ToleranceClass& toleranceClass) {
    std::string name(iso286::LetterName(toleranceClass.kind, toleranceClass.letterIndex));
    name += GradeName(toleranceClass.gradeIndex);
    return name;
}

}  // namespace tolvo::iso286
