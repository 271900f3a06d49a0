// The fit finder "はめあい検索" as a non-modal Win32 dialog over FinderModel,
// which it owns: the template's controls, the result list a report-view list
// control filled from the model's rows, a double click or Enter on a row
// choosing it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/finder_model.h"
#include "ui/win32/model_view.h"

namespace tolvo::win32 {

class FinderDialog : public ModelView<FinderModel> {
  public:
    // chosen runs after a row has gone into the main window; closed once the
    // model has closed the dialog (the owner then destroys it).
    FinderDialog(MainModel& main, HWND owner, std::function<void()> chosen, std::function<void()> closed);

    const FinderModel& Model() const { return *owned_; }
    // The main window has changed: the model follows it, the controls the model.
    void Follow();
    // A double click or Enter on a row.
    void Choose(int row);

  protected:
    void AfterMirror() override;
    void OnModelEnded() override;
    bool OnKey(WPARAM key) override;
    std::optional<INT_PTR> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    std::unique_ptr<FinderModel> owned_;
    std::function<void()> chosen_;
    std::function<void()> closed_;
    std::vector<std::string> shownRows_;
};

}  // namespace tolvo::win32
