// Fuzzes sequences of user events over the main window, copy dialog and fit
// finder models, checking after every event what must always hold on screen:
// the structure of the panels, that every number shown is right (each
// deviation is its table cell, each limit size the basic size plus its
// deviation, each fit amount the difference of the limit sizes shown), and
// that neither the zone diagram nor the finder shows an infinity or a NaN.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fit_table.h"
#include "core/general_table.h"
#include "core/iso286_table.h"
#include "core/number_text.h"
#include "core/setting_checks.h"
#include "core/texts_ja.h"
#include "core/zone_diagram.h"
#include "platform/help_folders.h"
#include "tools/driver/recording_host.h"
#include "tools/driver/user_events.h"
#include "ui/copy_model.h"
#include "ui/finder_model.h"
#include "ui/main_model.h"

namespace tolvo {
namespace {

[[noreturn]] void Broken(const char* what, int detail = 0) {
    std::fprintf(stderr, "invariant broken: %s (%d)\n", what, detail);
    std::abort();
}

// With the texts that break it, cut short, so that the finding can be read
// from the fuzzer's output alone.
[[noreturn]] void Broken(const char* what, std::initializer_list<std::string_view> texts) {
    std::fprintf(stderr, "invariant broken: %s:", what);
    for (std::string_view text : texts)
        std::fprintf(stderr, " [%.*s]", static_cast<int>(std::min<std::size_t>(text.size(), 80)),
                     text.data());
    std::fprintf(stderr, "\n");
    std::abort();
}

constexpr std::size_t kOverflowingDigits = 320;

class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Empty() const { return position_ >= size_; }
    std::uint8_t Byte() { return Empty() ? 0 : data_[position_++]; }
    template <typename T, std::size_t N>
    const T& Pick(const T (&choices)[N]) {
        return choices[Byte() % N];
    }
    // A text made of a few tokens; sometimes raw bytes.
    std::string Text() {
        static const char* const kTokens[] = {
            "0",      "1",    "2",    "5",           ".",    "-",     "+",     "e",      "E",
            " ",      "25",   "120",  "120.0000001", "0.3",  "0.5",   "1e400", "-1e400", "-0",
            "nan",    "inf",  "0x10", "1,5",         "２５", "\t",    "\x01",  "3000",   "4000",
            "4000.5", "5000", "0.01", "1e-300",      "999",  "1e308", "0.021", "-0.013", "\xff",
            "φ",      "10",   "3",    "2",           "150"};
        std::string text;
        const int parts = Byte() % 4;
        for (int i = 0; i < parts; ++i) {
            if (Byte() % 16 == 0) {
                const int length = Byte();
                for (int k = 0; k < length && !Empty(); ++k) text += static_cast<char>(Byte());
            } else {
                text += Pick(kTokens);
            }
        }
        // Enough digits to overflow a double (more than 309) without making
        // every later parse of the edit slow.
        if (Byte() % 64 == 0) text += std::string(kOverflowingDigits, '7');
        return text;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

using namespace main_dialog;
namespace copy = copy_dialog;

constexpr int kMainInputs[] = {kHoleBasicSize,  kShaftBasicSize, kHoleFreeFirst,
                               kHoleFreeSecond, kShaftFreeFirst, kShaftFreeSecond};
constexpr int kMainClicks[] = {kHoleFitRadio,      kHoleGeneralRadio, kHoleFreeRadio, kShaftFitRadio,
                               kShaftGeneralRadio, kShaftFreeRadio,   kSameBasicSize, kHelpButton,
                               kCopyButton,        kExitButton,       kHoleFitRadio,  kHoleGeneralRadio,
                               kHoleFreeRadio};
constexpr int kSliders[] = {kHoleLetterSlider, kHoleGradeSlider, kShaftLetterSlider, kShaftGradeSlider};
constexpr int kScrollBars[] = {kHoleClassScroll, kShaftClassScroll};
constexpr int kDialogInputs[] = {copy::kTitleEdit, copy::kHoleNameEdit, copy::kShaftNameEdit,
                                 copy::kPreviewEdit};
constexpr int kDialogClicks[] = {copy::kIncludeTitle,
                                 copy::kIncludeHoleName,
                                 copy::kIncludeHoleBasicSize,
                                 copy::kHoleOmitPhi,
                                 copy::kIncludeHoleDeviation,
                                 copy::kIncludeHoleTolerance,
                                 copy::kIncludeHoleLimits,
                                 copy::kIncludeHoleMean,
                                 copy::kIncludeShaftName,
                                 copy::kIncludeShaftBasicSize,
                                 copy::kShaftOmitPhi,
                                 copy::kIncludeShaftDeviation,
                                 copy::kIncludeShaftTolerance,
                                 copy::kIncludeShaftLimits,
                                 copy::kIncludeShaftMean,
                                 copy::kIncludeFitKind,
                                 copy::kIncludeFitAmounts,
                                 copy::kIncludeMeanFit,
                                 copy::kCopyButton,
                                 copy::kCancelButton};
// Focus requests also go to IDs from here on, most of which name no control.
constexpr int kFirstArbitraryId = 1000;

// Types one text into whatever edit has the focus, at most 64 characters.
template <typename Model>
void TypeInto(Model& model, const std::string& text) {
    TypeKeys(model, std::string_view(text).substr(0, 16));
}

// What the user does in the copy dialog, driven by the input; after every
// event the preview must be the report's assembly.
void DriveCopyDialog(Input& input, CopyModel& dialog) {
    while (!dialog.Result() && !input.Empty()) {
        switch (input.Byte() % 7) {
            case 0:
                dialog.OnFocus(input.Pick(kDialogInputs));
                TypeInto(dialog, input.Text());
                break;
            case 1: {
                const int id = input.Pick(kDialogInputs);
                dialog.OnEditChanged(id, input.Text());
                break;
            }
            case 2:
                Backspaces(dialog, input.Byte() % 4);
                break;
            case 3:
            case 4:
                dialog.OnClicked(input.Pick(kDialogClicks));
                break;
            case 5:
                input.Byte() % 2 ? dialog.OnEnter() : dialog.OnEscape();
                break;
            default:
                dialog.OnFocus(static_cast<int>(input.Byte()) + kFirstArbitraryId);
                break;
        }
        if (dialog.Preview() != AssembleReport(dialog.Lines(), dialog.Options())) Broken("preview is stale");
    }
}

// What the host was asked since the last check: the clipboard only by
// "コピー", and then exactly the preview.
void CheckRequests(RecordingHost& host, const std::optional<std::string>& copiedPreview) {
    const std::vector<std::string> copies = host.ClipboardTexts();
    if (copies.size() != (copiedPreview ? 1u : 0u)) {
        Broken("clipboard without the copy dialog's copy", static_cast<int>(copies.size()));
    }
    if (copiedPreview && copies[0] != *copiedPreview) Broken("copied text differs from the preview");
    host.requests.clear();
}

// The main window's controls as the checks read them: dozens of reads after
// every event, so each finds its control by a table from ID to place in
// ControlStates::All() (the same for every main window) instead of a search.
class Screen {
  public:
    explicit Screen(const ControlStates& states) : all_(states.All()) {}
    const ControlState& At(int id) const { return all_[Places(all_)[static_cast<std::size_t>(id)]]; }
    const std::vector<ControlState>& All() const { return all_; }

  private:
    static const std::vector<std::size_t>& Places(const std::vector<ControlState>& all) {
        static const std::vector<std::size_t> places = [&] {
            std::vector<std::size_t> byId(static_cast<std::size_t>(all.back().id) + 1, 0);
            for (std::size_t i = 0; i < all.size(); ++i) byId[static_cast<std::size_t>(all[i].id)] = i;
            return byId;
        }();
        return places;
    }
    const std::vector<ControlState>& all_;
};

// ---- the numbers shown ----

// The numbers of a shown text, read back by its display format.
struct Scanned {
    std::array<double, 2> values{};
    int count = 0;
};

// The length of the plain number at the start of a text ("+0.021", "-13",
// "1e+06"); 0 when there is none.
std::size_t NumberLength(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t start = i;
    while (i < text.size() && ((text[i] >= '0' && text[i] <= '9') || text[i] == '.')) ++i;
    if (i == start) return 0;
    if (i < text.size() && text[i] == 'e') {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t digits = j;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9') ++j;
        if (j > digits) i = j;
    }
    return i;
}

// Reads a shown text back by the display format it was written with: the
// format's literal parts must match byte for byte, and each conversion (%g,
// %.4f, %s) must be one plain number ("inf", "nan" and junk do not pass).
// None when the text is not of the format.
std::optional<Scanned> Scan(std::string_view format, std::string_view text) {
    Scanned scanned;
    std::size_t t = 0;
    for (std::size_t f = 0; f < format.size(); ++f) {
        if (format[f] != '%') {
            if (t >= text.size() || text[t] != format[f]) return std::nullopt;
            ++t;
            continue;
        }
        while (f < format.size() && format[f] != 'g' && format[f] != 'f' && format[f] != 's') ++f;
        const std::size_t length = NumberLength(text.substr(t));
        if (length == 0 || scanned.count == 2) return std::nullopt;
        scanned.values[scanned.count++] = ParseNumber(text.substr(t, length));
        t += length;
    }
    if (t != text.size()) return std::nullopt;
    return scanned;
}

// A limit-size text is written to four decimals (0.1 μm) in every mode, so
// one read back lies within half of that of the true limit size; the slack
// for the rounding of large doubles is far below a micrometre.
constexpr double kLimitTextSlack = 0.00005;
// A fit amount is shown to the micrometre ("%g" has at least three decimals
// below 1000 mm), and the two limit sizes it is compared with each carry
// their own slack: an amount that is a micrometre off does not pass.
constexpr double kFitAmountSlack = 0.0005 + 2 * kLimitTextSlack;

bool Near(double shown, double exact, double slack) {
    return std::fabs(shown - exact) <= slack + std::fabs(exact) * 1e-12;
}

// The old tables marked an undefined cell with 999, which once reached the
// screen as "999 / 999 μm" or "±999 mm". In fit and general mode every number
// of the deviation and tolerance texts comes from a table, and no cell is 999,
// so such a number can only be the marker. (Free mode and the basic sizes show
// what the user typed, where 999 is a fine number.) Numbers computed from a
// marker, limit sizes and fit amounts, cannot pass the arithmetic checks below.
bool IsMarker(double value) {
    return std::fabs(value) == 999.0;
}

// Texts that are never typed must not hold a number C's printf wrote from an
// infinity or a NaN.
bool HoldsNonFinite(std::string_view text) {
    return text.find("inf") != std::string_view::npos || text.find("nan") != std::string_view::npos;
}

struct ShownLimits {
    double lower;
    double upper;
};

bool IsFeaturePlaceholder(std::string_view text) {
    return text == ja::kFeaturePlaceholder;
}

// The limit sizes a feature shows, after checking its deviation, tolerance
// and limit-size texts against its mode's table or inputs; none while it
// shows its placeholders.
std::optional<ShownLimits> CheckFeatureNumbers(const Screen& c, const FeaturePanel& p, ToleranceMode mode,
                                               double basicSize, const FeatureState& s, FitClassRange range) {
    const std::string& deviation = c.At(p.deviation).text;
    const std::string& tolerance = c.At(p.tolerance).text;
    const std::string& limits = c.At(p.limitSizes).text;
    const bool placeholders = IsFeaturePlaceholder(deviation);
    if (IsFeaturePlaceholder(tolerance) != placeholders || IsFeaturePlaceholder(limits) != placeholders ||
        (c.At(p.meanValue).text == ja::kMeanValuePlaceholder) != placeholders) {
        Broken("a feature shows values and placeholders at once", p.deviation);
    }
    if (placeholders) return std::nullopt;

    std::string_view deviationFormat = ja::kFreeDeviation;
    std::string_view toleranceFormat = ja::kFreeTolerance;
    std::string_view limitsFormat = ja::kFreeLimitSizes;
    if (mode == ToleranceMode::FitClass) {
        deviationFormat = ja::kFitDeviation;
        toleranceFormat = ja::kFitTolerance;
        limitsFormat = ja::kFitLimitSizes;
    } else if (mode == ToleranceMode::General) {
        deviationFormat = ja::kGeneralDeviation;
        toleranceFormat = ja::kGeneralTolerance;
        limitsFormat = ja::kGeneralLimitSizes;
    }
    const std::optional<Scanned> d = Scan(deviationFormat, deviation);
    const std::optional<Scanned> t = Scan(toleranceFormat, tolerance);
    const std::optional<Scanned> l = Scan(limitsFormat, limits);
    if (!d || !t || !l) Broken("a result text is not of its mode's format", p.deviation);
    const ShownLimits shown{l->values[0], l->values[1]};

    double upperDeviation = 0.0;  // mm
    double lowerDeviation = 0.0;
    if (mode == ToleranceMode::FitClass) {
        // The shown letter and grade are the sliders' positions; the size
        // range is the shown basic size's.
        const int letter = c.At(p.letterSlider).position;
        const int grade = c.At(p.gradeSlider).position;
        std::optional<Deviations> cell;
        if (range == FitClassRange::Whole) {
            // The whole system: the shown basic size's step (a size beyond 3150 mm keeps the last one).
            const int step = iso286::ClassifySizeStep(basicSize).value_or(s.sizeStep);
            cell = iso286::Lookup(p.kind, letter, grade, step);
            if (!cell) Broken("a deviation shown for an undefined cell", p.deviation);
        } else {
            // The classic slice reads the same cells (N above 8 up to 1 mm is undefined there).
            const int step = iso286::ClassifySizeStep(basicSize).value_or(s.sizeStep);
            cell = ClassicRange().Cell(p.kind, letter, grade, step);
            if (!cell) Broken("a deviation shown for an undefined cell", p.deviation);
        }
        if (d->values[0] != cell->upper || d->values[1] != cell->lower)
            Broken("the deviation is not the table cell of the shown class and size",
                   {c.At(p.basicSize).text, deviation});
        if (IsMarker(d->values[0]) || IsMarker(d->values[1]) || IsMarker(t->values[0]))
            Broken("a value from an undefined cell is shown", p.deviation);
        // "%g" of a difference of tenths of a micrometre (IT01..IT2) is that
        // difference to six digits, not the double it was computed as
        if (!Near(t->values[0], cell->upper - cell->lower, 1e-9))
            Broken("the tolerance is not the cell's", p.tolerance);
        upperDeviation = cell->upper * 0.001;
        lowerDeviation = cell->lower * 0.001;
    } else if (mode == ToleranceMode::General) {
        const double value = d->values[0];
        bool inTable = false;
        for (int k = 0; k < kGeneralClassCount; ++k) {
            for (int r = 0; r < kGeneralSizeRangeCount; ++r) inTable |= GeneralTableLookup(k, r) == value;
        }
        if (!inTable || IsMarker(value) || IsMarker(t->values[0]))
            Broken("a general deviation that is no cell of the table", p.deviation);
        if (t->values[0] != value + value)
            Broken("the general tolerance is not twice the deviation", p.tolerance);
        upperDeviation = value;
        lowerDeviation = -value;
    } else {
        // The free deviations as the evaluation orders them: two equal
        // entries mean the first one and zero.
        const double a = ParseNumber(c.At(p.freeFirst).text);
        double b = ParseNumber(c.At(p.freeSecond).text);
        if (a == b) b = 0.0;
        upperDeviation = std::max(a, b);
        lowerDeviation = std::min(a, b);
    }
    if (!Near(shown.lower, basicSize + lowerDeviation, kLimitTextSlack) ||
        !Near(shown.upper, basicSize + upperDeviation, kLimitTextSlack)) {
        Broken("a limit size is not the basic size plus its deviation",
               {c.At(p.basicSize).text, deviation, limits});
    }
    return shown;
}

// The fit area: placeholders throughout, or a kind with the captions of that
// kind and amounts that are the differences of the limit sizes both features
// show.
void CheckFitNumbers(const Screen& c, const std::optional<ShownLimits>& hole,
                     const std::optional<ShownLimits>& shaft) {
    const std::string& kind = c.At(kFitKindLabel).text;
    const std::string& firstCaption = c.At(kFirstFitCaption).text;
    const std::string& secondCaption = c.At(kSecondFitCaption).text;
    const std::string& firstAmount = c.At(kFirstFitAmount).text;
    const std::string& secondAmount = c.At(kSecondFitAmount).text;
    if (kind == ja::kFitKindPlaceholder) {
        if (firstCaption != ja::kFitCaptionPlaceholder || secondCaption != ja::kFitCaptionPlaceholder ||
            firstAmount != ja::kFitAmountPlaceholder || secondAmount != ja::kFitAmountPlaceholder ||
            c.At(kMeanFit).text != ja::kMeanFitPlaceholder) {
            Broken("the fit area shows amounts without a kind");
        }
        return;
    }
    if (!hole || !shaft) {
        Broken("a fit is shown beside a feature without limit sizes",
               {c.At(kHoleLimitSizes).text, c.At(kShaftLimitSizes).text, kind, firstAmount, secondAmount});
    }
    struct KindCaptions {
        std::string_view kind;
        std::string_view first;
        std::string_view second;
    };
    static constexpr KindCaptions kKinds[] = {
        {ja::kClearanceFit, ja::kMaxClearanceCaption, ja::kMinClearanceCaption},
        {ja::kTransitionFit, ja::kMaxClearanceCaption, ja::kMaxInterferenceCaption},
        {ja::kInterferenceFit, ja::kMaxInterferenceCaption, ja::kMinInterferenceCaption},
    };
    const auto match = std::find_if(std::begin(kKinds), std::end(kKinds),
                                    [&](const KindCaptions& k) { return k.kind == kind; });
    if (match == std::end(kKinds) || match->first != firstCaption || match->second != secondCaption)
        Broken("the fit's captions are not those of its kind");

    const double maxClearance = hole->upper - shaft->lower;
    const double minClearance = hole->lower - shaft->upper;
    // What each caption names, as a positive amount when the caption is right.
    const auto expected = [&](std::string_view caption) {
        if (caption == ja::kMaxClearanceCaption) return maxClearance;
        if (caption == ja::kMinClearanceCaption) return minClearance;
        if (caption == ja::kMaxInterferenceCaption) return -minClearance;
        return -maxClearance;  // 最小しめしろ
    };
    for (const auto& [caption, amount] :
         {std::pair{&firstCaption, &firstAmount}, {&secondCaption, &secondAmount}}) {
        const std::optional<Scanned> shown = Scan(ja::kFitAmount, *amount);
        if (!shown) Broken("a fit amount is not of its format");
        if (!Near(shown->values[0], expected(*caption), kFitAmountSlack))
            Broken("a fit amount is not the difference of the limit sizes shown",
                   {c.At(kHoleLimitSizes).text, c.At(kShaftLimitSizes).text, *caption, *amount});
    }
}

// No text the program writes (every control but the input edits) holds an
// infinity or a NaN.
void CheckNoNonFinite(const Screen& c) {
    for (const ControlState& control : c.All()) {
        if (control.kind != ControlKind::InputEdit && HoldsNonFinite(control.text))
            Broken("a shown text holds inf or nan", control.id);
    }
}

// The report lines the copy dialog opens with. The preview is their assembly
// with the options (checked after every dialog event) and the clipboard gets
// the preview (checked after every main window event), so these checks cover
// every part of both that the user did not type: the title and names are the
// user's own texts, where "inf" is a fine word.
void CheckReportLines(const ReportLines& lines, const Screen& main) {
    for (const FeatureReportLines* f : {&lines.hole, &lines.shaft}) {
        for (const std::string* line : {&f->basicSize, &f->deviation, &f->tolerance, &f->limits, &f->mean}) {
            if (HoldsNonFinite(*line)) Broken("a report line holds inf or nan");
        }
    }
    for (const std::string* line : {&lines.fitKind, &lines.fitAmounts, &lines.meanFit}) {
        if (HoldsNonFinite(*line)) Broken("a report line holds inf or nan");
    }
    // The deviation and tolerance lines repeat the shown texts, checked on
    // screen for the marker.
    for (const auto& [panel, f] : {std::pair{&kHolePanel, &lines.hole}, {&kShaftPanel, &lines.shaft}}) {
        if (f->deviation.find(main.At(panel->deviation).text) == std::string::npos ||
            f->tolerance.find(main.At(panel->tolerance).text) == std::string::npos) {
            Broken("a report line differs from the shown text");
        }
    }
}

// The seed range's letter and grade marks: enabled in fit mode, grades 9 to
// 12 of the hole greyed while the K or N rule restricts it to grade 8.
void CheckSeedMarks(const Screen& c, const FeaturePanel& p, int mode, double basicSize,
                    const FeatureState& s) {
    for (int id : p.letterMarks) {
        if (c.At(id).enabled != (mode == 0)) Broken("fit controls enabled out of mode", id);
    }
    constexpr int kGradeIndex8 = 3;  // IT8 on the classic grade slider
    for (int g = 0; g <= kGradeIndex8; ++g) {
        if (c.At(p.gradeMarks[g]).enabled != (mode == 0)) Broken("fit controls enabled out of mode", g);
    }
    bool restricted = false;
    if (p.kind == FeatureKind::Hole && mode == 0) {
        // K above 8 over 3 mm, N above 8 up to 1 mm: grades the letter lacks at the size.
        if (const std::optional<int> step = iso286::ClassifySizeStep(basicSize)) {
            for (int g = 0; g < ClassicRange().GradeCount(); ++g) {
                const auto c9 = ClassicRange().ClassAt(p.kind, s.letterIndex, g);
                if (c9 && !iso286::Lookup(p.kind, c9->letterIndex, c9->gradeIndex, *step)) restricted = true;
            }
        }
    }
    for (int g = kGradeIndex8 + 1; g < ClassicRange().GradeCount(); ++g) {
        if (c.At(p.gradeMarks[g]).enabled != (mode == 0 && !restricted))
            Broken("grade marks 9 to 12", p.gradeMarks[g]);
    }
}

void CheckInvariants(const MainModel& model) {
    const Screen c(model.Controls());
    std::array<std::optional<ShownLimits>, kFeatureKindCount> shown;
    for (const FeaturePanel& p : {kHolePanel, kShaftPanel}) {
        const int radios[] = {p.fitRadio, p.generalRadio, p.freeRadio};
        int checked = 0;
        int mode = -1;
        for (int i = 0; i < 3; ++i) {
            if (c.At(radios[i]).checked) {
                ++checked;
                mode = i;
            }
        }
        if (checked != 1) Broken("radio buttons checked in a panel", checked);
        for (int id : {p.letterSlider, p.gradeSlider, p.letterCaption, p.gradeCaption}) {
            if (c.At(id).enabled != (mode == 0)) Broken("fit controls enabled out of mode", id);
        }
        for (int id : {p.classLabel, p.classScroll}) {
            if (c.At(id).enabled != (mode == 1)) Broken("general controls enabled out of mode", id);
        }
        for (int id : {p.freeFirst, p.freeSecond, p.freeFirstUnit, p.freeSecondUnit}) {
            if (c.At(id).enabled != (mode == 2)) Broken("free controls enabled out of mode", id);
        }
        const FeatureState& s = model.Feature(p.kind);
        const double basicSize = ParseNumber(c.At(p.basicSize).text);
        if (model.Range() == FitClassRange::Whole) {
            // The seed's marks are hidden and keep their states; the whole
            // range's grade marks are greyed where the letter has no such grade
            // at the typed size (no size, nothing greyed).
            const std::optional<int> step = iso286::ClassifySizeStep(basicSize);
            for (int id : p.wholeLetterMarks) {
                if (c.At(id).enabled != (mode == 0)) Broken("fit controls enabled out of mode", id);
            }
            for (int g = 0; g < iso286::kGradeCount; ++g) {
                const bool exists = !step || iso286::Lookup(p.kind, s.letterIndex, g, *step).has_value();
                if (c.At(p.wholeGradeMarks[g]).enabled != (mode == 0 && exists))
                    Broken("a grade mark greyed or not against the table", p.wholeGradeMarks[g]);
            }
        } else {
            CheckSeedMarks(c, p, mode, basicSize, s);
        }
        if (s.hasLimits && !(s.upperLimit >= s.lowerLimit)) Broken("upper limit below lower limit");
        constexpr ToleranceMode kModes[] = {ToleranceMode::FitClass, ToleranceMode::General,
                                            ToleranceMode::Free};
        shown[Index(p.kind)] = CheckFeatureNumbers(c, p, kModes[mode], basicSize, s, model.Range());
    }
    if (c.At(kSameBasicSize).checked && c.At(kShaftBasicSize).text != c.At(kHoleBasicSize).text)
        Broken("the shaft's size does not follow the hole's");
    CheckFitNumbers(c, shown[Index(FeatureKind::Hole)], shown[Index(FeatureKind::Shaft)]);
    CheckNoNonFinite(c);
}

// ---- the zone diagram and the fit finder ----

bool Finite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

void CheckZoneText(const ZoneText& t) {
    if (!Finite({t.x, t.y})) Broken("a diagram text is placed at no finite point", {t.text});
    if (HoldsNonFinite(t.text)) Broken("a diagram text holds inf or nan", {t.text});
}

// Every coordinate and value of the scene a finite number, no text of it
// "inf" or "nan".
void CheckZoneScene(const ZoneScene& scene) {
    if (!Finite({scene.bottom, scene.top, scene.axisX, scene.tickStepUm, scene.zeroY}))
        Broken("the diagram's frame is not finite");
    for (const ZoneTick& tick : scene.ticks) {
        if (!Finite({tick.valueUm, tick.y})) Broken("a diagram tick is not finite", {tick.text});
        if (HoldsNonFinite(tick.text)) Broken("a diagram tick holds inf or nan", {tick.text});
    }
    for (const ZoneBreak& b : scene.breaks) {
        if (!Finite({b.y, b.belowUm, b.aboveUm})) Broken("a diagram break is not finite");
    }
    for (const ZoneRect& z : scene.zones) {
        if (!Finite({z.left, z.right, z.upperUm, z.lowerUm, z.top, z.bottom}))
            Broken("a diagram zone is not finite", {z.label.text});
        for (const ZoneText* t : {&z.label, &z.upperText, &z.lowerText}) CheckZoneText(*t);
    }
    for (const ZoneSpan& span : scene.spans) {
        if (!Finite({span.x, span.fromUm, span.toUm, span.from, span.to, span.clearanceUm}))
            Broken("a diagram span is not finite", {span.text});
        if (HoldsNonFinite(span.text)) Broken("a diagram span holds inf or nan", {span.text});
    }
    CheckZoneText(scene.unit);
    CheckZoneText(scene.zeroLabel);
    for (const std::string* text : {&scene.fitKindText, &scene.note}) {
        if (HoldsNonFinite(*text)) Broken("a diagram text holds inf or nan", {*text});
    }
}

namespace finder = finder_dialog;
constexpr int kFinderInputs[] = {finder::kBasicSize, finder::kWantedMinimum, finder::kWantedMaximum,
                                 finder::kMeasuredHoles, finder::kMeasuredShafts};
constexpr int kFinderClicks[] = {finder::kHoleBasis,  finder::kShaftBasis, finder::kAnyBasis,
                                 finder::kFixHole,    finder::kFixShaft,   finder::kWholeRange,
                                 finder::kCloseButton};

// A text without what it quotes of the user's input (「nan」は数値として読めません).
std::string Unquoted(std::string_view text) {
    constexpr std::string_view kOpen = "「";
    constexpr std::string_view kClose = "」";
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t open = text.find(kOpen, i);
        out += text.substr(i, open - i);
        if (open == std::string_view::npos) break;
        const std::size_t close = text.find(kClose, open);
        if (close == std::string_view::npos) break;
        i = close + kClose.size();
    }
    return out;
}

// Numbers in the finder's texts: typed only into its input edits, or quoted from them.
void CheckFinder(const FinderModel& f) {
    for (const ControlState& control : f.Controls().All()) {
        if (control.kind != ControlKind::InputEdit && HoldsNonFinite(Unquoted(control.text)))
            Broken("a finder text holds inf or nan", {control.text});
    }
    for (const FinderRow& row : f.Rows()) {
        if (HoldsNonFinite(row.text)) Broken("a finder row holds inf or nan", {row.text});
    }
}

// One user action in the finder, driven by the input.
void DriveFinder(Input& input, FinderModel& f) {
    switch (input.Byte() % 5) {
        case 0:
        case 1:
            f.OnEditChanged(input.Pick(kFinderInputs), input.Text());
            break;
        case 2:
            f.OnClicked(input.Pick(kFinderClicks));
            break;
        case 3: {
            // A row that holds a pair, as a double click chooses it; some
            // tries fall on the lines between the pairs.
            if (f.Rows().empty()) break;
            const int row = static_cast<int>(input.Byte() % f.Rows().size());
            f.OnFocus(finder::kResults);
            if (f.OnChooseRow(row) != f.Rows()[static_cast<std::size_t>(row)].fit.has_value())
                Broken("a row chosen or not against its pair", row);
            break;
        }
        default:
            input.Byte() % 2 ? f.OnEscape() : f.OnFocus(input.Pick(kFinderInputs));
            break;
    }
}

}  // namespace
}  // namespace tolvo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tolvo;
    Input input(data, size);
    RecordingHost host;
    std::optional<std::string>
        copiedPreview;                  // of the copy dialog that ended with "コピー" since the last check
    const MainModel* window = nullptr;  // set once the model exists; the dialog opens from its handlers
    host.copyDialogUser = [&](CopyModel& dialog) {
        CheckReportLines(dialog.Lines(), Screen(window->Controls()));
        DriveCopyDialog(input, dialog);
        if (dialog.Result() == true) copiedPreview = dialog.Preview();
    };
    const FolderHelpSearch noHelp({}, "tolvo");
    MainModel model(host, noHelp);
    window = &model;
    std::optional<FinderModel> finder;  // while the non-modal finder is open
    CheckInvariants(model);
    while (!input.Empty() && !model.Ended()) {
        switch (input.Byte() % 14) {
            case 0:
            case 1:
                model.OnFocus(input.Pick(kMainInputs));
                TypeInto(model, input.Text());
                break;
            case 2:
                model.OnEditChanged(input.Pick(kMainInputs), input.Text());
                break;
            case 3:
                Backspaces(model, input.Byte() % 5);
                break;
            case 4:
            case 5:
                model.OnClicked(input.Pick(kMainClicks));
                break;
            case 6:
                model.OnSliderPosition(input.Pick(kSliders), static_cast<int>(input.Byte() % 32) - 3);
                break;
            case 7: {
                const int id = input.Pick(kScrollBars);
                const ScrollCode code = static_cast<ScrollCode>(input.Byte() % 5);
                model.OnClassScroll(id, code);
                if (input.Byte() % 2) model.OnClassScroll(id, ScrollCode::EndScroll);
                break;
            }
            case 8:
                model.OnEnter();
                break;
            case 9:
                model.OnFocus(static_cast<int>(input.Byte()) * 5 + kFirstArbitraryId);
                break;
            case 10: {
                const std::uint8_t b = input.Byte();
                if (b == 255)
                    model.OnEscape();
                else if (b >= 240)
                    model.SetFullRange(b % 2 == 0);  // the range option, as its menu item and Ctrl+R
                else if (b % 3 == 0)
                    model.OnHelp();
                else
                    model.OnSystemCommand(b % 3 == 1 ? 0x10 + (b & 0xF) : 0xF010);
                break;
            }
            case 11:
                model.OnClicked(kCopyButton);  // the copy dialog, driven by the following bytes
                break;
            case 12:
                if (!finder) {
                    finder.emplace(model);
                } else {
                    DriveFinder(input, *finder);
                    if (finder->Closed()) finder.reset();
                }
                break;
            default: {
                const std::uint8_t b = input.Byte();
                if (b < 128) {
                    model.SetZoneDiagram(b % 2 == 0);  // the diagram option, as its menu item
                    break;
                }
                // The callout's style and sign, then its copy command (Ctrl+Shift+C):
                // the pair's callout is the one thing copied, when there is one.
                model.SetCalloutOptions({CalloutStyles()[b % 4], DiameterSigns()[(b / 4) % 3]});
                copiedPreview = model.PairCallout();
                if (copiedPreview && HoldsNonFinite(*copiedPreview))
                    Broken("a callout holds inf or nan", {*copiedPreview});
                model.OnCopyCallout();
                break;
            }
        }
        // The non-modal finder follows the main window (its fixed side, the measured check).
        if (finder) {
            finder->Refresh();
            CheckFinder(*finder);
        }
        if (model.ZoneDiagramShown()) CheckZoneScene(model.Zones());
        CheckInvariants(model);
        CheckRequests(host, copiedPreview);
        copiedPreview.reset();
    }
    return 0;
}
