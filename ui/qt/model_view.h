// What the two model-driven dialogs share: the widgets of a template, each
// user gesture forwarded to the model once, and afterwards (and before every
// message box) the widgets made to mirror the model's control states, the
// focus followed both ways.
#pragma once

#include <QDialog>
#include <QHash>
#include <QObject>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

#include "ui/control_states.h"
#include "ui/qt/dialog_builder.h"
#include "ui/scroll_code.h"

namespace tolvo {

// The part that knows no model.
class DialogView {
  public:
    // The deferred controls are built only when BuildDeferred is called.
    DialogView(QDialog& dialog, const DialogTemplate& dialogTemplate, DeferredControl deferred = nullptr);

    QWidget* Control(int id) const { return built_.widgets.value(id); }
    bool IsControl(QWidget* widget) const { return ids_.contains(widget); }
    // Builds the deferred controls (once; hidden) with their gestures; the
    // next mirroring gives them their states.
    void BuildDeferred();

  protected:
    // The gestures of the widgets, by control ID.
    struct Gestures {
        std::function<void(int, const QString&)> edited;
        std::function<void(int)> clicked;
        std::function<void(int, int)> slid;  // also at the end of a drag, at the same position
        std::function<void(int, ScrollCode)> scrolled;
        std::function<void(int)> focused;
    };
    void Wire(Gestures gestures);
    void MirrorStates(const ControlStates& controls, int focus, std::optional<int> selectAll);

    QDialog& dialog_;
    BuiltDialog built_;
    int busy_ = 0;  // model calls in progress: focus moves then are the view's own
    bool mirroring_ = false;

  private:
    void WireWidget(int id, QWidget* widget);

    const DialogTemplate& template_;
    DeferredControl deferred_;
    Gestures gestures_;
    QHash<QWidget*, int> ids_;
    std::unordered_map<int, std::string> shownTexts_;  // what each text widget shows, to skip unchanged ones
    // The part each input edit shows as read (none while its whole text is the number).
    std::unordered_map<int, std::optional<std::string>> shownReadAs_;
    std::unordered_map<int, std::string> shownTooltips_;
    QObject connections_;  // ends the connections to the application with the view
};

// Model: MainModel or CopyModel. Result gives the dialog's result code once
// the model has ended, none while it runs.
template <typename Model>
class ModelView : public DialogView {
  public:
    using Result = std::optional<int> (*)(const Model&);

    ModelView(QDialog& dialog, const DialogTemplate& dialogTemplate, Result result,
              DeferredControl deferred = nullptr)
        : DialogView(dialog, dialogTemplate, deferred), result_(result) {}

    // Forwards the widgets' gestures to the model from now on and mirrors it.
    // afterMirror runs at the end of every mirroring.
    void Attach(Model& model, std::function<void()> afterMirror = {}) {
        model_ = &model;
        afterMirror_ = std::move(afterMirror);
        Gestures gestures;
        gestures.edited = [this](int id, const QString& text) {
            Forward([&] { model_->OnEditChanged(id, text.toStdString()); });
        };
        gestures.clicked = [this](int id) { Forward([&] { model_->OnClicked(id); }); };
        if constexpr (requires(Model & m) { m.OnSliderPosition(0, 0); }) {
            gestures.slid = [this](int id, int position) {
                Forward([&] { model_->OnSliderPosition(id, position); });
            };
        }
        if constexpr (requires(Model & m) { m.OnClassScroll(0, ScrollCode::EndScroll); }) {
            gestures.scrolled = [this](int id, ScrollCode code) {
                Forward([&] { model_->OnClassScroll(id, code); });
            };
        }
        gestures.focused = [this](int id) { model_->OnFocus(id); };
        Wire(gestures);
        Mirror();
    }

    // Runs one user action on the model, then mirrors it and ends the dialog
    // if the model has ended.
    template <typename Action>
    void Forward(Action&& action) {
        if (mirroring_ || result_(*model_)) return;
        ++busy_;
        action();
        --busy_;
        Mirror();
        if (const auto result = result_(*model_); result && busy_ == 0) dialog_.done(*result);
    }

    void Mirror() {
        MirrorStates(model_->Controls(), model_->Focus(), model_->TakeSelectAllRequest());
        if (afterMirror_) afterMirror_();
    }

  private:
    Result result_;
    Model* model_ = nullptr;
    std::function<void()> afterMirror_;
};

}  // namespace tolvo
