#include "ui/view_rules.h"

#include <algorithm>

#include "core/texts_ja.h"

namespace tolvo {

double ScaleToFit(const DialogTemplate& dialogTemplate, double unit, double least, const TextRoom& room,
                  const std::function<int(const ControlTemplate&)>& textWidth) {
    double scale = least;
    for (const ControlTemplate& t : dialogTemplate.controls) {
        if (t.text.empty() || (t.style & kTwoLines) || t.rect.width <= 0) continue;
        int extra = 0;
        switch (t.kind) {
            case ControlKind::Radio:
            case ControlKind::CheckBox:
                extra = room.indicator;
                break;
            case ControlKind::PushButton:
            case ControlKind::DefaultPushButton:
                extra = room.buttonPadding;
                break;
            case ControlKind::Static:
                if (t.rect.width <= kMarkWidth) continue;
                extra = (t.style & kSunken) ? room.sunkenPadding : 1;
                break;
            default:
                continue;
        }
        scale = std::max(scale, (textWidth(t) + extra) / (t.rect.width * unit));
    }
    return scale;
}

void ForEachRangeControl(FitClassRange range, const std::function<void(int id, bool shown)>& show) {
    const bool whole = range == FitClassRange::Whole;
    for (const FeaturePanel* p : {&main_dialog::kHolePanel, &main_dialog::kShaftPanel}) {
        for (int id : p->letterMarks) show(id, !whole);
        for (int id : p->gradeMarks) show(id, !whole);
        for (int id : p->wholeLetterMarks) show(id, whole);
        for (int id : p->wholeGradeMarks) show(id, whole);
        show(p->classText, whole);
    }
}

std::string_view WhyNotSaved(FileWriteProblem problem) {
    switch (problem) {
        case FileWriteProblem::None:
            return {};
        case FileWriteProblem::Folder:
            return ja::kZoneSaveFolderText;
        case FileWriteProblem::NotRegularFile:
            return ja::kZoneSaveNotRegularFileText;
        case FileWriteProblem::ReadOnly:
            return ja::kZoneSaveReadOnlyText;
        case FileWriteProblem::CannotCreate:
            return ja::kZoneSaveCannotCreateText;
        case FileWriteProblem::WriteFailed:
            return ja::kZoneSaveWriteFailedText;
        case FileWriteProblem::CannotReplace:
            return ja::kZoneSaveCannotReplaceText;
    }
    return {};
}

}  // namespace tolvo
