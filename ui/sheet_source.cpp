#include "ui/sheet_source.h"

#include "core/iso286_table.h"

namespace tolvo {
namespace {

SheetFeatureInput InputOf(const MainModel& model, const FeaturePanel& p) {
    const ControlStates& controls = model.Controls();
    const FeatureState& state = model.Feature(p.kind);
    SheetFeatureInput input;
    input.kind = p.kind;
    input.basicSize = state.basicSize;
    input.generalClass = state.generalClass;
    if (controls.At(p.fitRadio).checked) {
        input.mode = ToleranceMode::FitClass;
        if (const auto c = model.Classes().ClassAt(p.kind, state.letterIndex, state.gradeIndex))
            input.className = iso286::FormatClassName(*c);
    } else if (controls.At(p.generalRadio).checked) {
        input.mode = ToleranceMode::General;
    } else {
        input.mode = ToleranceMode::Free;
        input.freeFirst = controls.At(p.freeFirst).text;
        input.freeSecond = controls.At(p.freeSecond).text;
    }
    return input;
}

}  // namespace

SheetSource SheetSourceOf(const MainModel& model, std::string date, std::vector<SheetSection> further) {
    SheetSource source;
    source.date = std::move(date);
    source.hole = InputOf(model, main_dialog::kHolePanel);
    source.shaft = InputOf(model, main_dialog::kShaftPanel);
    source.results = model.CurrentReportLines();
    const auto hole = model.FeatureCalloutOf(FeatureKind::Hole);
    const auto shaft = model.FeatureCalloutOf(FeatureKind::Shaft);
    if (hole && shaft) source.callouts = SheetCalloutRows(*hole, *shaft, model.CalloutChoice().sign);
    source.zones = model.ZoneInput();
    source.further = std::move(further);
    return source;
}

std::vector<SheetSection> CompanionSheetSections(const ServiceModel* service, const PressFitModel* pressFit) {
    std::vector<SheetSection> sections;
    if (service != nullptr && !service->Closed()) {
        if (auto section = service->SheetSectionOf()) sections.push_back(std::move(*section));
    }
    if (pressFit != nullptr && !pressFit->Closed()) {
        if (auto section = pressFit->SheetSectionOf()) sections.push_back(std::move(*section));
    }
    return sections;
}

}  // namespace tolvo
