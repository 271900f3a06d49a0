#include "ui/win32/finder_dialog.h"

#include "ui/win32/wide_text.h"

namespace tolvo::win32 {
namespace {

bool FinderClosed(const FinderModel& model) {
    return model.Closed();
}

}  // namespace

FinderDialog::FinderDialog(MainModel& main, HWND owner, std::function<void()> chosen,
                           std::function<void()> closed)
    : ModelView(kFinderDialog, owner, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, FinderClosed),
      owned_(std::make_unique<FinderModel>(main)),
      chosen_(std::move(chosen)),
      closed_(std::move(closed)) {
    Attach(*owned_);
}

void FinderDialog::Follow() {
    owned_->Refresh();
    Mirror();
}

void FinderDialog::Choose(int row) {
    bool chose = false;
    Forward([&] { chose = model_->OnChooseRow(row); });
    if (chose && chosen_) chosen_();
}

void FinderDialog::AfterMirror() {
    HWND list = Control(finder_dialog::kResults);
    std::vector<std::string> rows;
    for (const FinderRow& row : model_->Rows()) rows.push_back(row.text);
    if (list != nullptr && rows != shownRows_) {
        shownRows_ = rows;
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
        ListView_DeleteAllItems(list);
        for (std::size_t k = 0; k < rows.size(); ++k) {
            std::wstring text = Wide(rows[k]);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(k);
            item.pszText = text.data();
            SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    }
    // The pairs come last: the newest measured part's lines are at the end.
    if (HWND measured = Control(finder_dialog::kMeasuredResults)) {
        const auto lines = SendMessageW(measured, EM_GETLINECOUNT, 0, 0);
        SendMessageW(measured, EM_LINESCROLL, 0, lines);
    }
}

void FinderDialog::OnModelEnded() {
    ShowWindow(Window(), SW_HIDE);
    if (closed_) closed_();
}

bool FinderDialog::OnKey(WPARAM key) {
    if (key == VK_ESCAPE) {
        Forward([&] { model_->OnEscape(); });
        return true;
    }
    // Enter chooses the selected row when the list has the focus, and presses no button.
    if (key == VK_RETURN) {
        HWND list = Control(finder_dialog::kResults);
        if (list != nullptr && GetFocus() == list) {
            const int row = ListView_GetNextItem(list, -1, LVNI_SELECTED);
            if (row >= 0) Choose(row);
        }
        return true;
    }
    return false;
}

std::optional<INT_PTR> FinderDialog::OnMessage(UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_CLOSE) {
        Forward([&] { model_->OnEscape(); });
        return 0;
    }
    if (message != WM_NOTIFY) return std::nullopt;
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->hwndFrom != Control(finder_dialog::kResults)) return std::nullopt;
    if (header->code == LVN_ITEMCHANGING) {
        // The lines between the pairs can be neither selected nor chosen.
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
        const auto row = static_cast<std::size_t>(change->iItem);
        const bool selecting = (change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED);
        if (selecting && row < model_->Rows().size() && !model_->Rows()[row].fit) return TRUE;
        return FALSE;
    }
    if (header->code == NM_DBLCLK) {
        const auto* activate = reinterpret_cast<const NMITEMACTIVATE*>(lParam);
        if (activate->iItem >= 0) Choose(activate->iItem);
        return 0;
    }
    return std::nullopt;
}

}  // namespace tolvo::win32
