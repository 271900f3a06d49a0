// The models' performer: each event a call of the model's handler, as the
// view would make it; the dump the models' own states. tolvo-replay's.
#pragma once

#include <optional>

#include "tools/driver/recording_host.h"
#include "tools/replay/performer.h"
#include "ui/help_search.h"

namespace tolvo {

class ModelPerformer : public Performer {
  public:
    explicit ModelPerformer(const HelpSearch& help);

    const MainModel& Main() const override { return model_; }
    const PressFitModel* PressFit() const override {
        return pressFit_ && !pressFit_->Closed() ? &*pressFit_ : nullptr;
    }
    const ServiceModel* Service() const override {
        return service_ && !service_->Closed() ? &*service_ : nullptr;
    }
    const CopyModel* CopyDialog() const override { return dialog_; }
    const FinderModel* Finder() const override { return finder_ ? &*finder_ : nullptr; }

    void Focus(Pane pane, int id) override;
    void SetText(Pane pane, int id, std::string_view text) override;
    void Type(Pane pane, std::string_view text) override;
    void Backspaces(Pane pane, long long count) override;
    void Click(Pane pane, int id) override;
    void Key(Pane pane, ReplayKey key) override;
    void Scroll(Pane pane, int id, ScrollCode code) override;

    void Slide(int id, int position) override { model_.OnSliderPosition(id, position); }
    void ClassChars(int id, std::string_view keystroke, long long timeMs) override {
        model_.OnClassChars(id, keystroke, timeMs);
    }
    void SystemCommand(unsigned command) override { model_.OnSystemCommand(command); }
    void SetFullRange(bool on) override { model_.SetFullRange(on); }
    void SetZoneDiagram(bool on) override { model_.SetZoneDiagram(on); }
    void SetCalloutOptions(const CalloutOptions& options) override { model_.SetCalloutOptions(options); }
    void CopyCallout() override { model_.OnCopyCallout(); }
    void PasteCallout(std::string_view text) override { model_.OnPasteCallout(text); }
    void OpenFinder() override;
    void ChooseRow(int row) override;
    void CloseFinder() override;
    void OpenCompanion(Pane pane) override;
    void CloseCompanion(Pane pane) override;
    void AfterEvent() override;

    ControlStates Shown(Pane pane) const override;
    int ShownFocus(Pane pane) const override;
    std::optional<LabelColors> ShownFitColors() const override { return model_.FitKindLabelColors(); }
    std::vector<ShownRow> ShownRows() const override;
    bool ShownFullRange() const override { return model_.Range() == FitClassRange::Whole; }
    bool ShownZoneDiagram() const override { return model_.ZoneDiagramShown(); }
    std::vector<RecordingHost::Request> TakeLog() override;

  private:
    // Calls f with the pane's model.
    template <typename F>
    void InPane(Pane pane, F&& f);

    RecordingHost host_;
    MainModel model_;
    CopyModel* dialog_ = nullptr;
    std::optional<FinderModel> finder_;
    std::optional<ServiceModel> service_;  // before the joint's: it follows the main window first
    std::optional<PressFitModel> pressFit_;
};

}  // namespace tolvo
