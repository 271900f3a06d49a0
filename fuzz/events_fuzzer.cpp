// Fuzzes sequences of user events over the main window and copy dialog
// models, checking after every event what must always hold on screen.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/fit_table.h"
#include "core/number_text.h"
#include "core/setting_checks.h"
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

constexpr int kMainInputs[] = {1003, 1017, 1011, 1012, 1090, 1091};
constexpr int kMainClicks[] = {1000, 1001, 1002, 1084, 1087, 1089, 1038, 57670, 57671, 1, 1000, 1001, 1002};
constexpr int kSliders[] = {1004, 1005, 1085, 1086};
constexpr int kScrollBars[] = {1042, 1088};
constexpr int kDialogInputs[] = {1003, 1004, 1005, 1006};
constexpr int kDialogClicks[] = {1061, 1054, 1065, 1067, 1055, 1052, 1051, 1053, 1060, 1066,
                                 1068, 1056, 1058, 1057, 1059, 1062, 1063, 1064, 1,    2};

// Types one text into whatever edit has the focus, a keystroke per byte (long
// texts arrive in one change, as pasted).
template <typename Model>
void TypeInto(Model& model, const std::string& text) {
    constexpr std::size_t kTypedAtMost = 64;
    for (char c : text.substr(0, kTypedAtMost)) {
        const ControlState* focused = model.Controls().Find(model.Focus());
        if (focused == nullptr || !focused->enabled || !IsWritableEdit(focused->kind)) continue;
        model.OnEditChanged(focused->id, focused->text + c);
    }
}

template <typename Model>
void Backspace(Model& model, int count) {
    for (int i = 0; i < count; ++i) {
        const ControlState* focused = model.Controls().Find(model.Focus());
        if (focused == nullptr || !focused->enabled || !IsWritableEdit(focused->kind) ||
            focused->text.empty()) {
            continue;
        }
        std::string text = focused->text;
        text.pop_back();
        model.OnEditChanged(focused->id, text);
    }
}

class FuzzHost : public DialogHost {
  public:
    explicit FuzzHost(Input& input) : input_(input) {}
    void ShowMessage(std::string_view, std::string_view) override {}
    void PlaceOnClipboard(std::string_view text) override {
        if (dialog_ == nullptr) Broken("clipboard without the copy dialog");
        if (text != dialog_->Preview()) Broken("copied text differs from the preview");
        if (dialog_->Preview() != AssembleReport(dialog_->Lines(), dialog_->Options())) {
            Broken("preview differs from the report assembly");
        }
    }
    bool OpenDocument(const std::filesystem::path&) override { return true; }
    void RunAboutBox() override {}
    bool RunCopyDialog(CopyModel& dialog) override {
        dialog_ = &dialog;
        while (!dialog.Result() && !input_.Empty()) {
            switch (input_.Byte() % 7) {
                case 0:
                    dialog.OnFocus(input_.Pick(kDialogInputs));
                    TypeInto(dialog, input_.Text());
                    break;
                case 1: {
                    const int id = input_.Pick(kDialogInputs);
                    dialog.OnEditChanged(id, input_.Text());
                    break;
                }
                case 2:
                    Backspace(dialog, input_.Byte() % 4);
                    break;
                case 3:
                case 4:
                    dialog.OnClicked(input_.Pick(kDialogClicks));
                    break;
                case 5:
                    input_.Byte() % 2 ? dialog.OnEnter() : dialog.OnEscape();
                    break;
                default:
                    dialog.OnFocus(static_cast<int>(input_.Byte()) + 1000);
                    break;
            }
            if (dialog.Preview() != AssembleReport(dialog.Lines(), dialog.Options()))
                Broken("preview is stale");
        }
        dialog_ = nullptr;
        return dialog.Result().value_or(false);
    }

  private:
    Input& input_;
    CopyModel* dialog_ = nullptr;
};

struct PanelIds {
    FeatureKind kind;
    int size;
    int radios[3];  // fit, general, free
    int fitControls[8];
    int marksAbove8[4];
    int generalControls[2];
    int freeControls[4];
    int deviation;
};

constexpr PanelIds kPanels[] = {
    {FeatureKind::Hole,
     1003,
     {1000, 1001, 1002},
     {1004, 1005, 1030, 1031, 1020, 1029, 1047, 1033},
     {1034, 1035, 1036, 1037},
     {1044, 1042},
     {1011, 1012, 1018, 1019},
     1009},
    {FeatureKind::Shaft,
     1017,
     {1084, 1087, 1089},
     {1085, 1086, 1111, 1112, 1095, 1104, 1121, 1106},
     {1107, 1108, 1109, 1110},
     {1117, 1088},
     {1090, 1091, 1116, 1093},
     1114},
};

void CheckInvariants(const MainModel& model) {
    const ControlStates& c = model.Controls();
    for (const PanelIds& p : kPanels) {
        int checked = 0;
        int mode = -1;
        for (int i = 0; i < 3; ++i) {
            if (c.At(p.radios[i]).checked) {
                ++checked;
                mode = i;
            }
        }
        if (checked != 1) Broken("radio buttons checked in a panel", checked);
        for (int id : p.fitControls) {
            if (c.At(id).enabled != (mode == 0)) Broken("fit controls enabled out of mode", id);
        }
        for (int id : p.generalControls) {
            if (c.At(id).enabled != (mode == 1)) Broken("general controls enabled out of mode", id);
        }
        for (int id : p.freeControls) {
            if (c.At(id).enabled != (mode == 2)) Broken("free controls enabled out of mode", id);
        }
        const FeatureState& s = model.Feature(p.kind);
        bool restricted = false;
        if (p.kind == FeatureKind::Hole && mode == 0) {
            const double size = ParseNumber(c.At(p.size).text);
            restricted = KGradeRule(size, ToleranceMode::FitClass, s.letterIndex, s.gradeIndex) ==
                             GradeRuleOutcome::Restricted ||
                         NGradeRule(size, ToleranceMode::FitClass, s.letterIndex, s.gradeIndex) ==
                             GradeRuleOutcome::Restricted;
        }
        for (int id : p.marksAbove8) {
            if (c.At(id).enabled != (mode == 0 && !restricted)) Broken("grade marks 9 to 12", id);
        }
        if (s.hasLimits && !(s.upperLimit >= s.lowerLimit)) Broken("upper limit below lower limit");
        const std::string& deviation = c.At(p.deviation).text;
        if (deviation.find("999 / 999") != std::string::npos ||
            deviation.find("±999 ") != std::string::npos) {
            Broken("a value from an undefined cell is shown", p.deviation);
        }
    }
    if (c.At(1038).checked && c.At(1017).text != c.At(1003).text)
        Broken("the shaft's size does not follow the hole's");
}

}  // namespace
}  // namespace tolvo

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tolvo;
    Input input(data, size);
    FuzzHost host(input);
    MainModel model(host, HelpSearch{{}, "tolvo"});
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
                Backspace(model, input.Byte() % 5);
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
                model.OnFocus(static_cast<int>(input.Byte()) * 5 + 1000);
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
                model.OnClicked(57671);  // the copy dialog, driven by the following bytes
                break;
        }
        CheckInvariants(model);
    }
    return 0;
}
