// The ranges of tolerance classes that fit tolerance class mode offers, each
// a view over the one ISO 286 table: which letters, grades and basic sizes it
// offers, and the message that refuses a size beyond them. A slider position
// indexes the range's own letters or grades; classes, names and cells are
// always the whole system's.
#pragma once

#include <optional>
#include <span>

#include "core/feature.h"
#include "core/iso286_table.h"
#include "core/messages.h"

namespace tolvo {

// What a range answers for a class at a size step: the cell is defined, or
// the letter has other grades of the range there (the nearest one, the finer
// on a tie), or it has none at all.
struct CellCheck {
    enum class Outcome { Defined, OtherGrade, NoGrade };
    Outcome outcome = Outcome::Defined;
    int nearestGradePosition = 0;  // for OtherGrade: the grade slider's position to move to
    // For OtherGrade: the hole's K above IT8 over 3 mm or N above IT8 up to
    // 1 mm, for which JIS B0401 has messages of their own.
    bool kRule = false;
    bool nRule = false;
};

class ClassRange {
  public:
    // Grades are the consecutive whole-system grades from firstGrade.
    constexpr ClassRange(std::span<const int> letters, int firstGrade, int gradeCount,
                         double largestBasicSize, SettingMessage sizeLimitMessage)
        : letters_(letters),
          firstGrade_(firstGrade),
          gradeCount_(gradeCount),
          largestBasicSize_(largestBasicSize),
          sizeLimitMessage_(sizeLimitMessage) {}

    int LetterCount() const { return static_cast<int>(letters_.size()); }
    int GradeCount() const { return gradeCount_; }
    double LargestBasicSize() const { return largestBasicSize_; }
    // Fit mode refuses a basic size over the largest with this message.
    SettingMessage SizeLimitMessage() const { return sizeLimitMessage_; }

    // The class at two slider positions; none for a position outside the range.
    std::optional<iso286::ToleranceClass> ClassAt(FeatureKind kind, int letterPosition,
                                                  int gradePosition) const;
    // The slider positions of a whole-system letter or grade; none where the
    // range does not offer it.
    std::optional<int> LetterPosition(int letterIndex) const;
    std::optional<int> GradePosition(int gradeIndex) const;
    bool Offers(const iso286::ToleranceClass& toleranceClass) const;
    // The position of the offered letter (grade) nearest to a whole-system
    // one: its own where offered, else the nearest in the standard's order,
    // the earlier (a letter nearer A, a finer grade) on a tie: EF goes to E,
    // J to JS.
    int NearestLetterPosition(int letterIndex) const;
    int NearestGradePosition(int gradeIndex) const;

    // The cell of a class at a size step; none for positions or a step outside
    // the range and where the standard defines no cell.
    std::optional<Deviations> Cell(FeatureKind kind, int letterPosition, int gradePosition,
                                   int sizeStep) const;
    // The undefined-cell rule. Positions and the step must be in the range.
    CellCheck Check(FeatureKind kind, int letterPosition, int gradePosition, int sizeStep) const;

  private:
    std::span<const int> letters_;
    int firstGrade_;
    int gradeCount_;
    double largestBasicSize_;
    SettingMessage sizeLimitMessage_;
};

// The classic slice: D..P / d..p, IT5..IT12, basic sizes up to 120 mm.
const ClassRange& ClassicRange();
// The whole ISO 286 system: A..ZC / a..zc, IT01..IT18, up to 3150 mm.
const ClassRange& WholeRange();
const ClassRange& RangeOf(FitClassRange range);

}  // namespace tolvo
