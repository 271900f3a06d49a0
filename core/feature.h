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

// What Tolvo remembers of one feature between two user actions.
struct FeatureState {
    double basicSize = 0.0;    // mm, as last parsed from the basic-size edit
    int letterIndex = 0;       // 0..9: D..P or d..p
    int gradeIndex = 0;        // 0..7: IT grade = gradeIndex + 5
    int fitSizeRange = 0;      // 0..7, see ClassifyFitSizeRange
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
