// A test fixture that drives the calculator's window model as a user does:
// every gesture first gives its control the focus, as a click does, and a
// keystroke goes to the edit that has the focus then, exactly as in the window.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/iso286_table.h"
#include "platform/help_folders.h"
#include "tools/driver/recording_host.h"
#include "tools/driver/user_events.h"
#include "ui/main_model.h"

namespace tolvo::model_test {

inline const FeaturePanel& PanelOf(FeatureKind kind) {
    return kind == FeatureKind::Hole ? main_dialog::kHolePanel : main_dialog::kShaftPanel;
}

class MainModelFixture : public ::testing::Test {
  protected:
    MainModelFixture() : model(host, noHelp) {}

    // One keystroke per character, each into the edit that has the focus then.
    void Type(int id, const std::string& text) {
        model.OnFocus(id);
        TypeKeys(model, text);
    }
    void Set(int id, const std::string& text) {
        model.OnFocus(id);
        model.OnEditChanged(id, text);
    }
    void Click(int id) {
        model.OnFocus(id);
        model.OnClicked(id);
    }
    void Slide(int id, int position) {
        model.OnFocus(id);
        model.OnSliderPosition(id, position);
    }
    // One click on an arrow of a class scroll bar: the step, then the release.
    void Scroll(int id, ScrollCode code) {
        model.OnFocus(id);
        model.OnClassScroll(id, code);
        model.OnClassScroll(id, ScrollCode::EndScroll);
    }
    // With the whole ISO 286 range on: both sliders of a panel to a class named as in "zc11".
    void SelectClass(FeatureKind kind, const std::string& name) {
        const std::optional<iso286::ToleranceClass> c = iso286::ParseClassName(name);
        ASSERT_TRUE(c && c->kind == kind) << name;
        Slide(PanelOf(kind).letterSlider, c->letterIndex);
        Slide(PanelOf(kind).gradeSlider, c->gradeIndex);
    }
    const std::string& Text(int id) const { return model.Controls().At(id).text; }
    bool Enabled(int id) const { return model.Controls().At(id).enabled; }
    bool Checked(int id) const { return model.Controls().At(id).checked; }
    int Position(int id) const { return model.Controls().At(id).position; }

    RecordingHost host;
    const FolderHelpSearch noHelp{{}, "tolvo"};
    MainModel model;
};

}  // namespace tolvo::model_test
