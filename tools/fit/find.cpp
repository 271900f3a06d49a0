#include "tools/fit/find.h"

#include <algorithm>
#include <cmath>

#include "core/fit_table.h"
#include "core/json_writer.h"
#include "core/number_text.h"
#include "core/text_fill.h"
#include "core/texts_ja.h"
#include "core/utf8.h"
#include "tools/fit/texts.h"
#include "tools/fit/writers.h"

namespace tolvo::fit {
namespace {

// In the order of FitKind after None: the JSON members and the English words.
constexpr std::string_view kFitKindWords[] = {"clearance", "transition", "interference"};

std::string_view KindWord(FitKind kind, Language language) {
    if (kind == FitKind::None) return language == Language::English ? en::kNoFitKind : "-";
    return language == Language::English ? kFitKindWords[static_cast<int>(kind) - 1] : FitKindText(kind);
}

// The numbers of the JSON lines.
std::string Millimetres(double value) {
    return json::Number(RoundToSixDecimals(value));
}

std::string Micrometres(double value) {
    return json::Number(std::round(value * 1000.0) / 1000.0);
}

// A wanted clearance may be unbounded ("1e999" reads as an infinity): null.
std::string WantedBound(double value) {
    return std::isinf(value) ? std::string("null") : json::Number(value);
}

// A number for the text columns: fixed notation, trailing zeros dropped
// ("-0.0005", never "-5e-04").
std::string Decimal(double value, int decimals) {
    std::string text = FormatFixed(value, decimals);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

std::string TextMillimetres(double value) {
    return Decimal(RoundToSixDecimals(value), 6);
}

std::string TextMicrometres(double value) {
    return Decimal(value, 3);
}

std::optional<FixedFeature> FixedSide(FeatureKind kind, const std::string& text, const std::string& sizeText,
                                      std::string& label, std::optional<Error>& error) {
    if (text.empty()) return std::nullopt;
    auto side = ParseSide(kind, text);
    if (auto* e = std::get_if<Error>(&side)) {
        error = *e;
        return std::nullopt;
    }
    const Side& s = std::get<Side>(side);
    auto evaluated = EvaluateSide(kind, s, sizeText);
    if (auto* e = std::get_if<Error>(&evaluated)) {
        error = *e;
        return std::nullopt;
    }
    const FeatureState& state = std::get<EvaluatedSide>(evaluated).state;
    label = ClassText(s);
    FixedFeature fixed{state.upperLimit, state.lowerLimit, label, std::nullopt};
    if (s.kind == SideKind::IsoClass) fixed.isoClass = s.isoClass;
    return fixed;
}

Error ReversedError(const ClearanceRange& wanted) {
    return Error{
        FillIn(en::kWantedReversed, {ShortestNumber(wanted.minimum), ShortestNumber(wanted.maximum)})};
}

Error ProblemError(const FitRequirement& r, FinderProblem problem) {
    switch (problem) {
        case FinderProblem::SizeOutOfRange:
            // Beyond the range's classes but not the standard's: the whole system has them.
            if (r.basicSize > RangeOf(r.range).LargestBasicSize() &&
                r.basicSize <= WholeRange().LargestBasicSize()) {
                return Error{FillIn(en::kSeedSizeOutOfRange,
                                    {FillIn(en::kMillimetres, {ShortestNumber(r.basicSize)})})};
            }
            return Error{
                FillIn(en::kSearchSizeOutOfRange, {FillIn(en::kMillimetres, {ShortestNumber(r.basicSize)})})};
        case FinderProblem::WantedReversed:
            return ReversedError(r.wanted);
        case FinderProblem::WantedNotANumber:
            return Error{std::string(en::kWantedNotANumber)};
        case FinderProblem::FixedOutOfRange:
        case FinderProblem::None:
            break;
    }
    return Error{std::string(en::kFixedOutOfRange)};
}

// What a row shows of a side: its class, the fixed side's label, or nothing for free deviations.
std::string SideName(const std::optional<iso286::ToleranceClass>& c, const std::string& fixedLabel) {
    return c ? iso286::FormatClassName(*c) : fixedLabel;
}

// Columns as a terminal shows them: a character from U+0800 on, of three or
// more UTF-8 bytes (kana, kanji, full-width forms), takes two columns.
std::size_t DisplayWidth(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const utf8::Sequence s = utf8::Decode(text, i);
        width += s.code >= 0x800 ? 2 : 1;
        i += s.length;
    }
    return width;
}

using Table = std::vector<std::vector<std::string>>;

void Widen(std::vector<std::size_t>& widths, const std::vector<std::string>& row) {
    widths.resize(std::max(widths.size(), row.size()));
    for (std::size_t k = 0; k < row.size(); ++k) widths[k] = std::max(widths[k], DisplayWidth(row[k]));
}

// Each cell but the last padded to its column's width and two spaces.
std::string AlignedRow(const std::vector<std::string>& row, const std::vector<std::size_t>& widths) {
    std::string line;
    for (std::size_t k = 0; k < row.size(); ++k) {
        line += row[k];
        if (k + 1 < row.size()) line += std::string(widths[k] - DisplayWidth(row[k]) + 2, ' ');
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line + "\n";
}

std::string Aligned(const Table& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) Widen(widths, row);
    std::string out;
    for (const auto& row : rows) out += AlignedRow(row, widths);
    return out;
}

// Collects a long output and hands it on in pieces of about this size.
class Pieces {
  public:
    explicit Pieces(const Sink& write) : write_(write) {}
    ~Pieces() {
        if (!buffer_.empty()) write_(buffer_);
    }
    Pieces(const Pieces&) = delete;
    Pieces& operator=(const Pieces&) = delete;
    Pieces& operator+=(std::string_view text) {
        buffer_ += text;
        if (buffer_.size() >= kPieceSize) {
            write_(buffer_);
            buffer_.clear();
        }
        return *this;
    }

  private:
    static constexpr std::size_t kPieceSize = 64 * 1024;
    const Sink& write_;
    std::string buffer_;
};

std::string MissText(const FitMiss& m, Language language) {
    const bool en = language == Language::English;
    const std::string below = TextMicrometres(m.belowBy) + std::string(ja::kMicrometres);
    const std::string above = TextMicrometres(m.aboveBy) + std::string(ja::kMicrometres);
    switch (m.end) {
        case MissEnd::BelowMinimum:
            return FillIn(en ? en::kMissBelow : ja::kMissBelow, {below});
        case MissEnd::AboveMaximum:
            return FillIn(en ? en::kMissAbove : ja::kMissAbove, {above});
        case MissEnd::Both:
            break;
    }
    return FillIn(en ? en::kMissBoth : ja::kMissBoth, {below, above});
}

std::vector<std::string> Cells(const FoundFit& f, const FindReport& r, Language language) {
    // A fixed side with free deviations is shown as it was written.
    const std::string hole = r.holeLabel.empty() ? r.holeText : r.holeLabel;
    const std::string shaft = r.shaftLabel.empty() ? r.shaftText : r.shaftLabel;
    return {f.common ? "*" : " ",
            SideName(f.hole, hole),
            SideName(f.shaft, shaft),
            TextMillimetres(f.minimumClearance),
            TextMillimetres(f.maximumClearance),
            std::string(KindWord(f.kind, language))};
}

void AppendFitJson(std::string& out, const FoundFit& f, const FindReport& r) {
    const auto name = [](const std::string& n) { return n.empty() ? std::string("null") : "\"" + n + "\""; };
    out += "{\"hole\":" + name(SideName(f.hole, r.holeLabel)) +
           ",\"shaft\":" + name(SideName(f.shaft, r.shaftLabel));
    out += ",\"kind\":";
    out += f.kind == FitKind::None ? std::string("null")
                                   : "\"" + std::string(kFitKindWords[static_cast<int>(f.kind) - 1]) + "\"";
    out += ",\"minClearance\":" + Millimetres(f.minimumClearance);
    out += ",\"maxClearance\":" + Millimetres(f.maximumClearance);
    out += f.common ? ",\"common\":true" : ",\"common\":false";
}

std::string PlaceText(const MeasuredPart& p, Language language) {
    const bool en = language == Language::English;
    const std::string by = TextMicrometres(p.outsideBy) + std::string(ja::kMicrometres);
    switch (p.place) {
        case MeasuredPlace::Inside:
            return std::string(en ? en::kMeasuredInside : ja::kMeasuredInside);
        case MeasuredPlace::AboveUpper:
            return FillIn(en ? en::kMeasuredAbove : ja::kFitMeasuredAbove, {by});
        case MeasuredPlace::BelowLower:
            break;
    }
    return FillIn(en ? en::kMeasuredBelow : ja::kFitMeasuredBelow, {by});
}

constexpr std::string_view kPlaceWords[] = {"inside", "above", "below"};

constexpr MeasuredPairing kPairing = MeasuredPairing::OneToOneWhenEqual;

// Calls visit(pair) for each pair of the report, worked out one at a time.
template <typename Visit>
void ForEachPair(const MeasuredReport& report, Visit&& visit) {
    const std::size_t count = MeasuredPairCount(report.holes.size(), report.shafts.size(), kPairing);
    for (std::size_t k = 0; k < count; ++k)
        visit(MeasurePair(report.holes, report.shafts, report.wanted, kPairing, k));
}

std::vector<std::string> PairCells(const MeasuredReport& report, const MeasuredPair& p, Language language) {
    const bool en = language == Language::English;
    const double c = p.clearance;
    std::string amount =
        c < 0 ? std::string(en ? en::kPairInterference : ja::kFitPairInterference) + TextMillimetres(-c)
              : std::string(en ? en::kPairClearance : ja::kFitPairClearance) + TextMillimetres(c);
    std::vector<std::string> row{" ",
                                 TextMillimetres(report.check.holes[p.hole].size) + " / " +
                                     TextMillimetres(report.check.shafts[p.shaft].size),
                                 amount + " mm"};
    if (p.meetsWanted)
        row.push_back(std::string(*p.meetsWanted ? (en ? en::kPairMeets : ja::kFitPairMeets)
                                                 : (en ? en::kPairMisses : ja::kFitPairMisses)));
    return row;
}

// How many parts lie outside their limits and how many pairs miss the wanted
// range, of how many.
struct MeasuredTally {
    std::size_t parts = 0, outside = 0, pairs = 0, missed = 0;
    bool AllGood() const { return outside == 0 && missed == 0; }
};

MeasuredTally Tally(const MeasuredReport& report) {
    MeasuredTally t;
    for (const auto* side : {&report.check.holes, &report.check.shafts}) {
        for (const MeasuredPart& p : *side) {
            ++t.parts;
            if (p.place != MeasuredPlace::Inside) ++t.outside;
        }
    }
    ForEachPair(report, [&](const MeasuredPair& p) {
        ++t.pairs;
        if (p.meetsWanted && !*p.meetsWanted) ++t.missed;
    });
    return t;
}

// The last line of the measured-parts text: whether every part lies within
// its limits and every pair meets the wanted range, and how many do not.
std::string Verdict(const MeasuredReport& report, const MeasuredTally& t, Language language) {
    const bool en = language == Language::English;
    const std::string ofParts = std::to_string(t.outside) + " / " + std::to_string(t.parts);
    const std::string ofPairs = std::to_string(t.missed) + " / " + std::to_string(t.pairs);
    const bool good = t.AllGood();
    const std::string_view pairsPart = !report.wanted ? std::string_view()
                                       : good ? (en ? en::kVerdictGoodPairs : ja::kFitVerdictGoodPairs)
                                              : (en ? en::kVerdictMissedPairs : ja::kFitVerdictMissedPairs);
    const std::string pairs = FillIn(pairsPart, {ofParts, "", ofPairs});
    if (good) return FillIn(en ? en::kVerdictGood : ja::kFitVerdictGood, {ofParts, pairs});
    return FillIn(en ? en::kVerdictNotGood : ja::kFitVerdictNotGood, {ofParts, pairs});
}

void AppendPartsJson(std::string& out, const FeatureResult& f, double upper, double lower,
                     const std::vector<MeasuredPart>& parts) {
    const std::string name = ClassText(f.side);
    out += "{\"class\":" + (name.empty() ? std::string("null") : "\"" + name + "\"");
    out +=
        ",\"upperLimit\":" + Millimetres(upper) + ",\"lowerLimit\":" + Millimetres(lower) + ",\"measured\":[";
    for (std::size_t k = 0; k < parts.size(); ++k) {
        const MeasuredPart& p = parts[k];
        if (k) out += ',';
        out += "{\"size\":" + json::Number(p.size) + ",\"place\":\"";
        out += kPlaceWords[static_cast<int>(p.place)];
        out += "\",\"outside\":" + Micrometres(p.outsideBy) + "}";
    }
    out += "]}";
}

}  // namespace

std::variant<FindReport, Error> Find(const Options& options) {
    FindReport report;
    FitRequirement& r = report.requirement;
    r.basicSize = ParseNumber(options.words[0]);
    r.wanted = {ParseNumber(options.words[1]), ParseNumber(options.words[2])};
    r.basis = options.find.basis;
    r.range = options.find.fullRange ? FitClassRange::Whole : FitClassRange::Seed;
    std::optional<Error> error;
    r.fixedHole =
        FixedSide(FeatureKind::Hole, options.find.holeText, options.words[0], report.holeLabel, error);
    if (error) return *error;
    r.fixedShaft =
        FixedSide(FeatureKind::Shaft, options.find.shaftText, options.words[0], report.shaftLabel, error);
    if (error) return *error;
    report.holeText = options.find.holeText;
    report.shaftText = options.find.shaftText;
    report.search = FindFits(r);
    if (report.search.problem != FinderProblem::None) return ProblemError(r, report.search.problem);
    return report;
}

std::string WriteFindText(const FindReport& report, Language language, std::size_t limit) {
    const bool en = language == Language::English;
    const FitSearch& s = report.search;
    const std::size_t shown = limit ? std::min(limit, s.fits.size()) : s.fits.size();
    std::string out = FillIn(en ? en::kFitsFound : ja::kFitFitsFound, {std::to_string(s.fits.size())});
    if (shown < s.fits.size())
        out += FillIn(en ? en::kFitsShown : ja::kFitFitsShown, {std::to_string(shown)});
    out += "\n";
    const auto& words = en ? en::kFitsHead : ja::kFitFitsHead;
    const std::vector<std::string> head(std::begin(words), std::end(words));
    Table table{head};
    for (std::size_t k = 0; k < shown; ++k) table.push_back(Cells(s.fits[k], report, language));
    std::string misses;
    if (!s.misses.empty()) {
        table.push_back({});
        for (const FitMiss& m : s.misses) {
            auto row = Cells(m.fit, report, language);
            row.push_back(MissText(m, language));
            table.push_back(row);
        }
    }
    std::string body = Aligned(table);
    if (shown < s.fits.size()) {
        // After the head and the rows shown: how many more there are.
        std::size_t end = 0;
        for (std::size_t k = 0; k < shown + 1; ++k) end = body.find('\n', end) + 1;
        const std::string more = std::to_string(s.fits.size() - shown);
        body.insert(end, FillIn(en ? en::kMoreRows : ja::kFitMoreRows, {more}));
    }
    if (!s.misses.empty()) {
        // The blank row parts the fits from the misses, with its title.
        const std::string title(en ? en::kMissesTitle : ja::kFitMissesTitle);
        const std::size_t blank = body.find("\n\n");
        body.replace(blank, 2, "\n" + title);
    }
    return out + body;
}

std::string WriteFindJson(const FindReport& report, std::size_t limit) {
    const FitRequirement& r = report.requirement;
    const FitSearch& s = report.search;
    constexpr std::string_view kBases[] = {"hole", "shaft", "any"};
    std::string out = "{\"size\":" + json::Number(r.basicSize) + ",\"min\":" + WantedBound(r.wanted.minimum) +
                      ",\"max\":" + WantedBound(r.wanted.maximum) + ",\"basis\":\"";
    out += kBases[static_cast<int>(r.basis)];
    out += r.range == FitClassRange::Whole ? "\",\"range\":\"whole\"" : "\",\"range\":\"seed\"";
    out += ",\"count\":" + std::to_string(s.fits.size()) + ",\"fits\":[";
    const std::size_t shown = limit ? std::min(limit, s.fits.size()) : s.fits.size();
    for (std::size_t k = 0; k < shown; ++k) {
        if (k) out += ',';
        AppendFitJson(out, s.fits[k], report);
        out += '}';
    }
    out += "],\"misses\":[";
    constexpr std::string_view kEnds[] = {"below", "above", "both"};
    for (std::size_t k = 0; k < s.misses.size(); ++k) {
        const FitMiss& m = s.misses[k];
        if (k) out += ',';
        AppendFitJson(out, m.fit, report);
        out +=
            ",\"below\":" + Micrometres(m.belowBy) + ",\"above\":" + Micrometres(m.aboveBy) + ",\"end\":\"";
        out += kEnds[static_cast<int>(m.end)];
        out += "\"}";
    }
    return out + "]}\n";
}

std::variant<MeasuredReport, Error> CheckParts(Result result, const MeasuredOptions& measured) {
    MeasuredReport report{std::move(result), {}, {}, std::nullopt, {}};
    // The sizes were read in range (ParseCommandLine).
    for (const auto& [texts, sizes] :
         {std::pair{&measured.holeTexts, &report.holes}, std::pair{&measured.shaftTexts, &report.shafts}}) {
        for (const std::string& text : *texts) sizes->push_back(ParseNumber(text));
    }
    const FitNumbers& limits = *report.result.fit.numbers;
    for (double limit :
         {limits.holeUpperLimit, limits.holeLowerLimit, limits.shaftUpperLimit, limits.shaftLowerLimit}) {
        if (!(std::fabs(limit) <= kLargestMagnitude)) {
            return Error{std::string(en::kMeasuredLimitsOutOfRange)};
        }
    }
    if (!measured.wantMinText.empty()) {
        const ClearanceRange wanted{ParseNumber(measured.wantMinText), ParseNumber(measured.wantMaxText)};
        if (wanted.minimum > wanted.maximum) {
            return ReversedError(wanted);
        }
        report.wanted = wanted;
    }
    const std::size_t pairs = MeasuredPairCount(report.holes.size(), report.shafts.size(), kPairing);
    if (pairs > kMostMeasuredPairs) {
        return Error{FillIn(en::kTooManyPairs,
                            {std::to_string(report.holes.size()), std::to_string(report.shafts.size()),
                             std::to_string(pairs), std::to_string(kMostMeasuredPairs)})};
    }
    const FitNumbers& n = *report.result.fit.numbers;
    report.check = PlaceMeasured({n.holeUpperLimit, n.holeLowerLimit, n.shaftUpperLimit, n.shaftLowerLimit},
                                 report.holes, report.shafts);
    return report;
}

bool WriteMeasuredText(const MeasuredReport& report, Language language, const Sink& write) {
    const bool en = language == Language::English;
    const std::string limitsLabel = std::string(en ? en::kMeasuredLimitsLabel : ja::kLimitsLabel);
    Pieces out(write);
    const struct {
        const FeatureResult& feature;
        const std::vector<MeasuredPart>& parts;
    } sides[] = {{report.result.hole, report.check.holes}, {report.result.shaft, report.check.shafts}};
    for (const auto& side : sides) {
        out +=
            FeatureHead(side.feature, language) + "  " + limitsLabel + side.feature.texts.limitSizes + "\n";
        Table table;
        for (const MeasuredPart& p : side.parts)
            table.push_back({" ", TextMillimetres(p.size), PlaceText(p, language)});
        out += Aligned(table);
    }
    out += en ? en::kPairsTitle : ja::kFitPairsTitle;
    if (report.wanted) {
        const std::string range = TextMillimetres(report.wanted->minimum) +
                                  std::string(ja::kFitRangeSeparator) +
                                  TextMillimetres(report.wanted->maximum) + std::string(ja::kMillimetres);
        out += FillIn(en ? en::kPairsWanted : ja::kFitPairsWanted, {range});
    }
    out += "\n";
    // The columns' widths first, then each row as it is worked out again.
    std::vector<std::size_t> widths;
    ForEachPair(report, [&](const MeasuredPair& p) { Widen(widths, PairCells(report, p, language)); });
    ForEachPair(report,
                [&](const MeasuredPair& p) { out += AlignedRow(PairCells(report, p, language), widths); });
    for (const std::string& warning : Warnings(report.result)) out += warning + "\n";
    const MeasuredTally tally = Tally(report);
    out += Verdict(report, tally, language) + "\n";
    return tally.AllGood();
}

bool WriteMeasuredJson(const MeasuredReport& report, const Sink& write) {
    const FitNumbers& n = *report.result.fit.numbers;
    Pieces out(write);
    std::string head = "{\"hole\":";
    AppendPartsJson(head, report.result.hole, n.holeUpperLimit, n.holeLowerLimit, report.check.holes);
    head += ",\"shaft\":";
    AppendPartsJson(head, report.result.shaft, n.shaftUpperLimit, n.shaftLowerLimit, report.check.shafts);
    head += ",\"wanted\":";
    head += report.wanted ? "{\"min\":" + WantedBound(report.wanted->minimum) +
                                ",\"max\":" + WantedBound(report.wanted->maximum) + "}"
                          : std::string("null");
    head += ",\"pairs\":[";
    out += head;
    bool allGood = report.check.allGood;
    bool first = true;
    ForEachPair(report, [&](const MeasuredPair& p) {
        std::string pair = first ? "{\"hole\":" : ",{\"hole\":";
        first = false;
        pair += std::to_string(p.hole) + ",\"shaft\":" + std::to_string(p.shaft) +
                ",\"clearance\":" + json::Number(p.clearance) + ",\"meets\":";
        pair += p.meetsWanted ? (*p.meetsWanted ? "true" : "false") : "null";
        pair += '}';
        out += pair;
        allGood = allGood && p.meetsWanted.value_or(true);
    });
    out += allGood ? "],\"allGood\":true" : "],\"allGood\":false";
    out += WarningsJson(report.result) + "}\n";
    return allGood;
}

}  // namespace tolvo::fit
