// Fuzzes sequences of user events over the main window and copy dialog
// models, checking after every event what must always hold on screen.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/fit_table.h"
#include "core/number_text.h"
#include "core/setting_checks.h"
#include "platform/help_folders.h"
#include "tools/driver/recording_host.h"
#include "tools/driver/user_events.h"
#include "ui/copy_model.h"
#include "ui/main_model.h"

namespace tolvo {
namespace {

[[noreturn]] void Broken(const char* what, int detail = 0) {
    std::fprintf(stderr, "invariant broken: %s (%d)\n", what, detail);
    std::abort();
}

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
        if (Byte() % 64 == 0) text += std::string(10000, '7');
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
    TypeKeys(model, std::string_view(text).substr(0, 64));
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

void CheckInvariants(const MainModel& model) {
    const ControlStates& c = model.Controls();
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
        std::vector<int> fitControls = {p.letterSlider, p.gradeSlider, p.letterCaption, p.gradeCaption};
        fitControls.insert(fitControls.end(), p.letterMarks.begin(), p.letterMarks.end());
        fitControls.insert(fitControls.end(), p.gradeMarks.begin(), p.gradeMarks.begin() + kGradeIndex8 + 1);
        for (int id : fitControls) {
            if (c.At(id).enabled != (mode == 0)) Broken("fit controls enabled out of mode", id);
        }
        for (int id : {p.classLabel, p.classScroll}) {
            if (c.At(id).enabled != (mode == 1)) Broken("general controls enabled out of mode", id);
        }
        for (int id : {p.freeFirst, p.freeSecond, p.freeFirstUnit, p.freeSecondUnit}) {
            if (c.At(id).enabled != (mode == 2)) Broken("free controls enabled out of mode", id);
        }
        const FeatureState& s = model.Feature(p.kind);
        bool restricted = false;
        if (p.kind == FeatureKind::Hole && mode == 0) {
            const double size = ParseNumber(c.At(p.basicSize).text);
            restricted = KGradeRule(size, ToleranceMode::FitClass, s.letterIndex, s.gradeIndex) ==
                             GradeRuleOutcome::Restricted ||
                         NGradeRule(size, ToleranceMode::FitClass, s.letterIndex, s.gradeIndex) ==
                             GradeRuleOutcome::Restricted;
        }
        for (int g = kGradeIndex8 + 1; g < kGradeCount; ++g) {
            if (c.At(p.gradeMarks[g]).enabled != (mode == 0 && !restricted))
                Broken("grade marks 9 to 12", p.gradeMarks[g]);
        }
        if (s.hasLimits && !(s.upperLimit >= s.lowerLimit)) Broken("upper limit below lower limit");
        const std::string& deviation = c.At(p.deviation).text;
        if (deviation.find("999 / 999") != std::string::npos ||
            deviation.find("±999 ") != std::string::npos) {
            Broken("a value from an undefined cell is shown", p.deviation);
        }
    }
    if (c.At(kSameBasicSize).checked && c.At(kShaftBasicSize).text != c.At(kHoleBasicSize).text)
        Broken("the shaft's size does not follow the hole's");
}

}  // namespace
}  // namespace tolvo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tolvo;
    Input input(data, size);
    RecordingHost host;
    std::optional<std::string>
        copiedPreview;  // of the copy dialog that ended with "コピー" since the last check
    host.copyDialogUser = [&](CopyModel& dialog) {
        DriveCopyDialog(input, dialog);
        if (dialog.Result() == true) copiedPreview = dialog.Preview();
    };
    const FolderHelpSearch noHelp({}, "tolvo");
    MainModel model(host, noHelp);
    CheckInvariants(model);
    while (!input.Empty() && !model.Ended()) {
        switch (input.Byte() % 12) {
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
                model.OnSliderPosition(input.Pick(kSliders), static_cast<int>(input.Byte() % 16) - 3);
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
                else if (b % 3 == 0)
                    model.OnHelp();
                else
                    model.OnSystemCommand(b % 3 == 1 ? 0x10 + (b & 0xF) : 0xF010);
                break;
            }
            default:
                model.OnClicked(kCopyButton);  // the copy dialog, driven by the following bytes
                break;
        }
        CheckInvariants(model);
        CheckRequests(host, copiedPreview);
        copiedPreview.reset();
    }
    return 0;
}
