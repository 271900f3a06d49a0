#include "tools/fit/notation.h"

#include "core/callout.h"
#include "core/general_table.h"
#include "core/json_writer.h"
#include "core/text_fill.h"
#include "tools/fit/texts.h"

namespace tolvo::fit {
namespace {

// Every style at once.
constexpr std::string_view kAllStyles = "all";

Error NeedsWord(const OptionSpec& option, std::string_view given) {
    return Error{FillIn(en::kNeedsNotGiven, {option.name, option.needs, Quoted(given)})};
}

void AppendMember(std::string& out, std::string_view name, std::string_view text) {
    out += '"';
    out += name;
    out += "\":";
    json::AppendString(out, text);
}

}  // namespace

std::optional<FeatureCallout> CalloutOf(const FeatureResult& f) {
    CalloutSource source{.kind = f.kind, .basicSize = f.basicSize};
    switch (f.side.kind) {
        case SideKind::IsoClass:
            source.mode = ToleranceMode::FitClass;
            source.toleranceClass = f.side.isoClass;
            break;
        case SideKind::General:
            source.mode = ToleranceMode::General;
            source.generalClass = f.side.generalClass;
            source.generalSizeRange = ClassifyGeneralSizeRange(f.basicSize, 0);
            break;
        case SideKind::Free:
            source.mode = ToleranceMode::Free;
            source.freeUpper = f.upper;  // mm, as the user gave them
            source.freeLower = f.lower;
            break;
    }
    return DescribeCallout(source);
}

std::optional<Error> ReadNotation(const OptionSpec& option, std::span<const std::string_view> values,
                                  Options& options) {
    if (values[0] == kAllStyles) {
        options.notation.assign(CalloutStyles().begin(), CalloutStyles().end());
        return std::nullopt;
    }
    const std::optional<CalloutStyle> style = FindCalloutStyle(values[0]);
    if (!style) return NeedsWord(option, values[0]);
    options.notation = {*style};
    return std::nullopt;
}

std::optional<Error> ReadDiameterSign(const OptionSpec& option, std::span<const std::string_view> values,
                                      Options& options) {
    const std::optional<DiameterSign> sign = FindDiameterSign(values[0]);
    if (!sign) return NeedsWord(option, values[0]);
    options.diameterSign = *sign;
    return std::nullopt;
}

std::variant<std::string, Error> WriteNotation(const Result& result, const Options& options) {
    const std::optional<FeatureCallout> hole = CalloutOf(result.hole);
    const std::optional<FeatureCallout> shaft = CalloutOf(result.shaft);
    if (!hole || !shaft) {
        return Error{
            FillIn(en::kNoExactCallout,
                   {en::kFeatureWords[static_cast<int>(hole ? FeatureKind::Shaft : FeatureKind::Hole)]})};
    }
    const DiameterSign sign = options.diameterSign;
    std::string out;
    if (options.json) {
        out = "{";
        AppendMember(out, "diameterSign", DiameterSignName(sign));
        for (CalloutStyle style : options.notation) {
            out += ",\"";
            out += CalloutStyleName(style);
            out += "\":{";
            AppendMember(out, "hole", CalloutText(*hole, style, sign));
            out += ',';
            AppendMember(out, "shaft", CalloutText(*shaft, style, sign));
            out += ',';
            AppendMember(out, "pair", PairCalloutText(*hole, *shaft, style, sign));
            out += '}';
        }
        return out + "}\n";
    }
    for (CalloutStyle style : options.notation) {
        if (options.notation.size() > 1) out += std::string(CalloutStyleName(style)) + ": ";
        out += PairCalloutText(*hole, *shaft, style, sign) + "\n";
    }
    return out;
}

}  // namespace tolvo::fit
