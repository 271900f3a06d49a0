// The few rules both views follow alike, written once: how a control's text
// is fitted into its rectangle, which controls each class range shows, and
// the line of a save message that says why a file was not written.
#pragma once

#include <functional>
#include <string_view>

#include "core/feature.h"
#include "platform/file_writer.h"
#include "ui/dialog_templates.h"
#include "ui/main_model.h"

namespace tolvo {

// Slider marks and short units ("mm"), in dialog units across: narrower than
// their text in any face, they run past their rectangles.
inline constexpr int kMarkWidth = 10;

// What a one-line text needs beside its own width, in pixels of the view.
struct TextRoom {
    int indicator = 0;      // a radio's or check box's mark and its spacing
    int buttonPadding = 0;  // a push button's margins
    int sunkenPadding = 0;  // a sunken label's frame
};

// Pixels per dialog unit across at which every one-line text fits its
// rectangle: the largest of `least` and of each text's need, where `unit` is
// the view's pixels per dialog unit and textWidth the pixels of a control's
// shown text. The template was laid out for a proportional Windows face; a
// face with wider kana needs a larger unit, the same in both directions to
// keep the layout. Frames have room for their captions, edits start empty,
// marks and units run past their rectangles: none of those counts.
double ScaleToFit(const DialogTemplate& dialogTemplate, double unit, double least, const TextRoom& room,
                  const std::function<int(const ControlTemplate&)>& textWidth);

// Calls show(id, shown) for each control that one range shows and the other
// hides: the seed scales' marks, the whole range's marks and class texts.
void ForEachRangeControl(FitClassRange range, const std::function<void(int id, bool shown)>& show);

// The line of the save message that says why; empty for None.
std::string_view WhyNotSaved(FileWriteProblem problem);

}  // namespace tolvo
