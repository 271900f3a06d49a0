// The copy dialog "クリップボードへコピーする" (template 130) over CopyModel,
// its preview following every check box and edit at once.
#pragma once

#include "ui/copy_model.h"
#include "ui/win32/model_view.h"

namespace tolvo::win32 {

class CopyDialog : public ModelView<CopyModel> {
  public:
    CopyDialog(CopyModel& model, HWND owner);
    // Modal until the model ends it.
    void Run();

  protected:
    bool OnKey(WPARAM key) override;
    std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    HWND owner_;
};

}  // namespace tolvo::win32
