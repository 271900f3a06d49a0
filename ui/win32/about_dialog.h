// The About box (template 100): the program's icon, its version from the one
// version source (the template's text), OK.
#pragma once

#include "ui/win32/model_view.h"

namespace tolvo::win32 {

class AboutDialog : public DialogView {
  public:
    explicit AboutDialog(HWND owner);
    // Modal until OK, Enter, Escape or the close box.
    void Run();

  protected:
    bool OnKey(WPARAM key) override;
    std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    HWND owner_;
    bool done_ = false;
};

}  // namespace tolvo::win32
