// What every model-driven Win32 dialog shares: the controls of a template,
// each user gesture forwarded to the model once (EN_CHANGE, BN_CLICKED,
// WM_HSCROLL of a slider, WM_VSCROLL of a class scroll bar, a focus move), and
// afterwards (and before every message box) the controls made to mirror the
// model's control states without re-entering the model.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include "ui/control_states.h"
#include "ui/scroll_code.h"
#include "ui/win32/dialog_builder.h"
#include "ui/win32/wide_text.h"

namespace tolvo::win32 {

// Runs the thread's messages until `done` holds (checked after each), giving
// each to the Tolvo window it is for first (its keys, accelerators and dialog
// navigation). False when WM_QUIT came first.
bool RunMessages(const std::function<bool()>& done);

class DialogView {
  public:
    // The deferred controls are made only when BuildDeferred is called;
    // given `initial`, the controls are made showing those states.
    DialogView(const DialogTemplate& dialogTemplate, HWND owner, DWORD style,
               DeferredControl deferred = nullptr, const ControlStates* initial = nullptr);
    virtual ~DialogView();
    DialogView(const DialogView&) = delete;
    DialogView& operator=(const DialogView&) = delete;

    HWND Window() const { return layout_ ? layout_->Dialog() : nullptr; }
    HWND Control(int id) const { return layout_->Control(id); }
    DialogLayout& Layout() { return *layout_; }
    // Makes the deferred controls (once; hidden) with their gestures; the
    // next mirroring gives them their states.
    void BuildDeferred();

    // A message taken from the queue for this dialog or one of its controls;
    // true when it was handled (keys, accelerators, dialog navigation).
    virtual bool PreTranslate(MSG& msg);
    // The Tolvo view a window belongs to, if any.
    static DialogView* Of(HWND window);

  protected:
    // The gestures of the controls, by control ID.
    struct Gestures {
        std::function<void(int, const std::string&)> edited;
        std::function<void(int)> clicked;
        std::function<void(int, int)> slid;  // also at the end of a drag, at the same position
        std::function<void(int, ScrollCode)> scrolled;
        std::function<void(int)> focused;
    };
    void Wire(Gestures gestures) { gestures_ = std::move(gestures); }
    void MirrorStates(const ControlStates& controls, int focus, std::optional<int> selectAll);

    // A message of the dialog the base does not take; none: the dialog
    // manager's default.
    virtual std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Enter, Escape or F1 (a virtual-key code) pressed in the dialog.
    virtual bool OnKey(WPARAM) { return false; }
    // A character typed on a control; true when taken.
    virtual bool OnChar(int, wchar_t) { return false; }

    std::unique_ptr<DialogLayout> layout_;
    int busy_ = 0;  // model calls in progress: focus moves then are the view's own
    bool mirroring_ = false;

  private:
    static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR data);
    std::optional<INT_PTR> Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void SetTooltip(int id, HWND control, const std::string& text);
    void RestoreFocus();

    Gestures gestures_;
    HWND tooltip_ = nullptr;
    HBRUSH partialBrush_ = nullptr;
    int focus_ = kNoId;  // the model's focus, given to the control when the dialog is active
    std::unordered_map<int, std::string> shownTexts_;
    std::unordered_map<int, std::string> shownTooltips_;
    std::unordered_map<int, bool> shownPartial_;
    std::unordered_map<int, int> shownPositions_;
};

// Model: MainModel, CopyModel or FinderModel. Ended tells when the model has
// ended the dialog.
template <typename Model>
class ModelView : public DialogView {
  public:
    using Ended = bool (*)(const Model&);

    ModelView(const DialogTemplate& dialogTemplate, HWND owner, DWORD style, Ended ended,
              DeferredControl deferred = nullptr, const ControlStates* initial = nullptr)
        : DialogView(dialogTemplate, owner, style, deferred, initial), ended_(ended) {}

    // Forwards the controls' gestures to the model from now on and mirrors it.
    void Attach(Model& model) {
        model_ = &model;
        Gestures gestures;
        gestures.edited = [this](int id, const std::string& text) {
            Forward([&] { model_->OnEditChanged(id, text); });
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

    // Runs one user action on the model, then mirrors it, and tells the
    // dialog once the model has ended.
    template <typename Action>
    void Forward(Action&& action) {
        if (mirroring_ || model_ == nullptr || ended_(*model_)) return;
        ++busy_;
        action();
        --busy_;
        Mirror();
        if (busy_ == 0 && ended_(*model_)) OnModelEnded();
    }

    void Mirror() {
        MirrorStates(model_->Controls(), model_->Focus(), model_->TakeSelectAllRequest());
        AfterMirror();
    }

  protected:
    virtual void AfterMirror() {}
    virtual void OnModelEnded() {}
    Model* model_ = nullptr;

  private:
    Ended ended_;
};

}  // namespace tolvo::win32
