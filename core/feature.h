// The types that describe one feature (the hole or the shaft) of a fit.
#pragma once

namespace tolvo {

enum class FeatureKind { Hole = 0, Shaft = 1 };
inline constexpr int kFeatureKindCount = 2;
inline constexpr int Index(FeatureKind kind) {
    return static_cast<int>(kind);
}

// How a feature's limit deviations are obtained. Where the three are tested in
// turn the order is fit, general, free.
enum class ToleranceMode { FitClass, General, Free };

// Which range of classes fit tolerance class mode offers: the classic slice
// (D..P / d..p, grades 5..12, up to 120 mm) or the whole ISO 286 system
// (A..ZC / a..zc, IT01..IT18, up to 3150 mm). RangeOf gives its view.
enum class FitClassRange { Seed, Whole };

// What Tolvo remembers of one feature between two user actions.
struct FeatureState {
    double basicSize = 0.0;    // mm, as last parsed from the basic-size edit
    int letterIndex = 0;       // the letter slider's position in the range (ClassRange::ClassAt)
    int gradeIndex = 0;        // the grade slider's position in the range
    int sizeStep = 0;          // 0..41, see iso286::ClassifySizeStep
    int generalClass = 0;      // 0..3: 精級, 中級, 粗級, 極粗級
    int generalSizeRange = 0;  // 0..7, see ClassifyGeneralSizeRange
    double freeUpper = 0.0;    // mm, free deviations after ordering (freeUpper >= freeLower)
    double freeLower = 0.0;
    double upperLimit = 0.0;  // mm, limit sizes of the last completed evaluation
    double lowerLimit = 0.0;
    // True when upperLimit and lowerLimit belong to the feature's current
    // setting. False before the first completed evaluation and after an
    // evaluation that met an undefined table cell, so that the fit is never
    // worked out from stale limit sizes.
    bool hasLimits = false;
};

}  // namespace tolvo
