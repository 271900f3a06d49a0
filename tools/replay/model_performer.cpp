#include "tools/replay/model_performer.h"

#include "tools/driver/user_events.h"

namespace tolvo {

ModelPerformer::ModelPerformer(const HelpSearch& help) : model_(host_, help) {
    host_.copyDialogUser = [this](CopyModel& dialog) {
        dialog_ = &dialog;
        if (runCopyDialog) runCopyDialog();
        dialog_ = nullptr;
    };
}

template <typename F>
void ModelPerformer::InPane(Pane pane, F&& f) {
    switch (pane) {
        case Pane::Main:
            return f(model_);
        case Pane::CopyDialog:
            return f(*dialog_);
        case Pane::Finder:
            return f(*finder_);
        case Pane::PressFit:
            return f(*pressFit_);
        case Pane::Service:
            return f(*service_);
    }
}

void ModelPerformer::Focus(Pane pane, int id) {
    InPane(pane, [&](auto& model) { model.OnFocus(id); });
}

void ModelPerformer::SetText(Pane pane, int id, std::string_view text) {
    InPane(pane, [&](auto& model) { model.OnEditChanged(id, text); });
}

void ModelPerformer::Type(Pane pane, std::string_view text) {
    InPane(pane, [&](auto& model) { TypeKeys(model, text); });
}

void ModelPerformer::Backspaces(Pane pane, long long count) {
    InPane(pane, [&](auto& model) { tolvo::Backspaces(model, count); });
}

void ModelPerformer::Click(Pane pane, int id) {
    InPane(pane, [&](auto& model) { model.OnClicked(id); });
}

void ModelPerformer::Key(Pane pane, ReplayKey key) {
    if (pane == Pane::Main && key == ReplayKey::F1) return model_.OnHelp();
    InPane(pane, [&](auto& model) {
        if constexpr (requires { model.OnEnter(); }) {
            if (key == ReplayKey::Enter) return model.OnEnter();
        }
        if (key == ReplayKey::Escape) model.OnEscape();
    });
}

void ModelPerformer::Scroll(Pane pane, int id, ScrollCode code) {
    InPane(pane, [&](auto& model) {
        if constexpr (requires { model.OnClassScroll(id, code); }) model.OnClassScroll(id, code);
    });
}

void ModelPerformer::OpenCompanion(Pane pane) {
    if (pane == Pane::PressFit && !pressFit_) pressFit_.emplace(model_);
    if (pane == Pane::Service && !service_) service_.emplace(model_);
}

void ModelPerformer::CloseCompanion(Pane pane) {
    InPane(pane, [](auto& model) { model.OnEscape(); });
}

void ModelPerformer::OpenFinder() {
    if (!finder_) finder_.emplace(model_);
}

void ModelPerformer::ChooseRow(int row) {
    finder_->OnFocus(finder_dialog::kResults);
    finder_->OnChooseRow(row);
}

void ModelPerformer::CloseFinder() {
    finder_->OnEscape();
}

void ModelPerformer::AfterEvent() {
    if (finder_ && finder_->Closed()) finder_.reset();
    // The non-modal finder follows the main window (its fixed side, the measured check).
    if (finder_) finder_->Refresh();
    // So do the two dialogs beside it; a closed one goes.
    if (service_ && service_->Closed()) service_.reset();
    if (pressFit_ && pressFit_->Closed()) pressFit_.reset();
    if (service_) service_->Refresh();
    if (pressFit_) pressFit_->Refresh();
}

ControlStates ModelPerformer::Shown(Pane pane) const {
    switch (pane) {
        case Pane::CopyDialog:
            return dialog_->Controls();
        case Pane::Finder:
            return finder_->Controls();
        case Pane::PressFit:
            return pressFit_->Controls();
        case Pane::Service:
            return service_->Controls();
        case Pane::Main:
            break;
    }
    return model_.Controls();
}

int ModelPerformer::ShownFocus(Pane pane) const {
    switch (pane) {
        case Pane::CopyDialog:
            return dialog_->Focus();
        case Pane::Finder:
            return finder_->Focus();
        case Pane::PressFit:
            return pressFit_->Focus();
        case Pane::Service:
            return service_->Focus();
        case Pane::Main:
            break;
    }
    return model_.Focus();
}

std::vector<ShownRow> ModelPerformer::ShownRows() const {
    std::vector<ShownRow> rows;
    for (const FinderRow& row : finder_->Rows()) rows.push_back({row.text, row.fit.has_value()});
    return rows;
}

std::vector<RecordingHost::Request> ModelPerformer::TakeLog() {
    std::vector<RecordingHost::Request> log = std::move(host_.requests);
    host_.requests.clear();
    return log;
}

}  // namespace tolvo
