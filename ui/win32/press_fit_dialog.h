// The joint's dialog "圧入計算" as a non-modal Win32 dialog over
// PressFitModel, which it owns: the template's controls, mirrored after every
// gesture and after every change of the main window.
#pragma once

#include <functional>
#include <memory>

#include "ui/press_fit_model.h"
#include "ui/win32/model_view.h"

namespace tolvo::win32 {

class PressFitDialog : public ModelView<PressFitModel> {
  public:
    // closed runs once the model has closed the dialog (the owner then destroys it).
    PressFitDialog(MainModel& main, HWND owner, std::function<void()> closed);

    const PressFitModel& Model() const { return *owned_; }
    // The main window has changed: the model follows it, the controls the model.
    void Follow();

  protected:
    void OnModelEnded() override;
    bool OnKey(WPARAM key) override;
    std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    std::unique_ptr<PressFitModel> owned_;
    std::function<void()> closed_;
};

}  // namespace tolvo::win32
