// The copy dialog "クリップボードへコピーする" without a display: the check
// boxes that choose the report's items, the title and name edits, the preview
// and the two buttons.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/control_states.h"
#include "ui/dialog_host.h"
#include "ui/report.h"

namespace tolvo {

class CopyModel {
  public:
    // Opens the dialog on the lines gathered from the main window and the
    // options of the last copy.
    CopyModel(DialogHost& host, ReportLines lines, const ReportOptions& options);

    // User actions. Each is ignored once the dialog has ended or when the
    // control cannot take it (a disabled control, a read-only edit).
    void OnEditChanged(int id, std::string_view text);
    void OnClicked(int id);
    void OnEnter();
    void OnEscape();
    void OnFocus(int id);

    const ControlStates& Controls() const { return controls_; }
    int Focus() const { return focus_; }
    // None while open; true after "コピー", false after "ｷｬﾝｾﾙ" or Escape.
    std::optional<bool> Result() const { return result_; }
    // The three texts and the flags as they stand.
    ReportOptions Options() const;
    const std::string& Preview() const { return controls_.At(copy_dialog::kPreviewEdit).text; }
    // The lines gathered from the main window when the dialog opened.
    const ReportLines& Lines() const { return lines_; }
    // The edit whose whole text the view should select, once.
    std::optional<int> TakeSelectAllRequest();

  private:
    void RebuildPreview();
    void Copy();
    bool Open() const { return !result_.has_value(); }

    DialogHost& host_;
    ReportLines lines_;
    ControlStates controls_;
    int focus_ = copy_dialog::kTitleEdit;
    std::optional<bool> result_;
    std::optional<int> selectAllRequest_;
};

}  // namespace tolvo
