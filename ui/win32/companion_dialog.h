// The non-modal dialogs beside the main window that work on its pair, the
// joint's "圧入計算" and the operating conditions' "使用条件": a Win32 dialog
// over its model, which it owns, with the template's controls, mirrored
// after every gesture and after every change of the main window.
#pragma once

#include <functional>
#include <memory>

#include "ui/press_fit_model.h"
#include "ui/service_model.h"
#include "ui/win32/model_view.h"

namespace tolvo::win32 {

template <typename DialogModel>
class CompanionDialog : public ModelView<DialogModel> {
    using View = ModelView<DialogModel>;

  public:
    // closed runs once the model has closed the dialog (the owner then
    // destroys it); mirrored after each mirroring (the zone diagram follows
    // the operating conditions, for instance).
    CompanionDialog(MainModel& main, HWND owner, std::function<void()> closed,
                    std::function<void()> mirrored = {})
        : View(DialogModel::Template(), owner, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, Closed),
          owned_(std::make_unique<DialogModel>(main)),
          closed_(std::move(closed)),
          mirrored_(std::move(mirrored)) {
        View::Attach(*owned_);
    }

    const DialogModel& Model() const { return *owned_; }
    // The main window has changed: the model follows it, the controls the model.
    void Follow() {
        owned_->Refresh();
        View::Mirror();
    }

  protected:
    void AfterMirror() override {
        if (mirrored_) mirrored_();
    }
    void OnModelEnded() override {
        ShowWindow(View::Window(), SW_HIDE);
        if (closed_) closed_();
    }
    bool OnKey(WPARAM key) override {
        if (key == VK_ESCAPE) {
            View::Forward([&] { owned_->OnEscape(); });
            return true;
        }
        // Every keystroke computes at once: Enter presses no button.
        return key == VK_RETURN;
    }
    std::optional<INT_PTR> OnMessage(UINT message, WPARAM, LPARAM) override {
        if (message != WM_CLOSE) return std::nullopt;
        View::Forward([&] { owned_->OnEscape(); });
        return 0;
    }

  private:
    static bool Closed(const DialogModel& model) { return model.Closed(); }

    std::unique_ptr<DialogModel> owned_;
    std::function<void()> closed_;
    std::function<void()> mirrored_;
};

using PressFitDialog = CompanionDialog<PressFitModel>;
using ServiceDialog = CompanionDialog<ServiceModel>;

}  // namespace tolvo::win32
