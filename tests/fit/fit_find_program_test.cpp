// tolvo-fit --find and --measured as a user runs them, checked against the core.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/fit_finder.h"
#include "core/general_table.h"
#include "core/iso286_table.h"
#include "core/number_text.h"
#include "tests/fit/run_program.h"

namespace tolvo {
namespace {

using fit_test::ProgramRun;
using fit_test::RunFit;

QJsonObject Json(const ProgramRun& run, int status = 0) {
    EXPECT_EQ(run.status, status) << run.err;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out;
    return document.object();
}

std::string ClassOf(const std::optional<iso286::ToleranceClass>& c, const std::string& fixed) {
    return c ? iso286::FormatClassName(*c) : fixed;
}

constexpr const char* kKinds[] = {"", "clearance", "transition", "interference"};

void ExpectRow(const QJsonObject& row, const FoundFit& fit, const std::string& hole,
               const std::string& shaft) {
    const auto name = [](const QJsonValue& v) {
        return v.isNull() ? std::string("null") : v.toString().toStdString();
    };
    EXPECT_EQ(name(row["hole"]), ClassOf(fit.hole, hole));
    EXPECT_EQ(name(row["shaft"]), ClassOf(fit.shaft, shaft));
    EXPECT_EQ(row["kind"].toString().toStdString(), kKinds[static_cast<int>(fit.kind)]);
    EXPECT_EQ(row["minClearance"].toDouble(), RoundToSixDecimals(fit.minimumClearance));
    EXPECT_EQ(row["maxClearance"].toDouble(), RoundToSixDecimals(fit.maximumClearance));
    EXPECT_EQ(row["common"].toBool(), fit.common);
}

void ExpectSearch(const QJsonObject& json, const FitSearch& search, std::size_t shown,
                  const std::string& hole, const std::string& shaft) {
    EXPECT_EQ(static_cast<std::size_t>(json["count"].toInt()), search.fits.size());
    const QJsonArray fits = json["fits"].toArray();
    ASSERT_EQ(static_cast<std::size_t>(fits.size()), shown);
    for (std::size_t k = 0; k < shown; ++k) ExpectRow(fits[int(k)].toObject(), search.fits[k], hole, shaft);
    const QJsonArray misses = json["misses"].toArray();
    ASSERT_EQ(static_cast<std::size_t>(misses.size()), search.misses.size());
    constexpr const char* kEnds[] = {"below", "above", "both"};
    for (std::size_t k = 0; k < search.misses.size(); ++k) {
        const QJsonObject m = misses[int(k)].toObject();
        ExpectRow(m, search.misses[k].fit, hole, shaft);
        EXPECT_NEAR(m["below"].toDouble(), search.misses[k].belowBy, 1e-9);
        EXPECT_NEAR(m["above"].toDouble(), search.misses[k].aboveBy, 1e-9);
        EXPECT_EQ(m["end"].toString().toStdString(), kEnds[static_cast<int>(search.misses[k].end)]);
    }
}

FitRequirement Requirement(double size, double min, double max, FitBasis basis, FitClassRange range) {
    FitRequirement r;
    r.basicSize = size;
    r.wanted = {min, max};
    r.basis = basis;
    r.range = range;
    return r;
}

TEST(FitFind, PrintsTheCoresRankedFitsAndMissesAsJson) {
    // Twenty rows and hole basis unless asked; --limit 0 shows them all.
    const struct {
        std::vector<std::string> args;
        FitRequirement requirement;
        std::size_t limit;  // 0: all
        const char* basis;
    } searches[] = {
        {{"--find", "25", "0.010", "0.040", "--full-range"},
         Requirement(25, 0.010, 0.040, FitBasis::Hole, FitClassRange::Whole),
         20,
         "hole"},
        {{"--find", "25", "0.010", "0.040", "--full-range", "--basis", "any", "--limit", "0"},
         Requirement(25, 0.010, 0.040, FitBasis::Any, FitClassRange::Whole),
         0,
         "any"},
        {{"--find", "25", "-0.035", "-0.001", "--basis", "shaft", "--limit", "3"},
         Requirement(25, -0.035, -0.001, FitBasis::Shaft, FitClassRange::Seed),
         3,
         "shaft"},
    };
    for (const auto& search : searches) {
        std::vector<std::string> args = search.args;
        args.insert(args.begin(), "--json");
        const FitSearch found = FindFits(search.requirement);
        ASSERT_GT(found.fits.size(), search.limit);
        const QJsonObject json = Json(RunFit(args));
        ExpectSearch(json, found, search.limit ? search.limit : found.fits.size(), "", "");
        EXPECT_EQ(json["basis"].toString().toStdString(), search.basis);
        EXPECT_EQ(json["range"].toString(),
                  search.requirement.range == FitClassRange::Whole ? "whole" : "seed");
    }
}

TEST(FitFind, AWideSearchShowsTwentyRowsThenSaysHowManyMore) {
    const ProgramRun run =
        RunFit({"--lang", "en", "--find", "25", "-1", "1", "--full-range", "--basis", "any"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream in(run.out);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_GT(lines.size(), 22u) << run.out;
    const std::size_t count =
        FindFits(Requirement(25, -1, 1, FitBasis::Any, FitClassRange::Whole)).fits.size();
    EXPECT_EQ(lines[0], "fits meeting the requirement: " + std::to_string(count) + " (first 20 shown)");
    EXPECT_EQ(lines[22], "… " + std::to_string(count - 20) + " more (--limit 0 for all)");
}

TEST(FitFind, WithAnyBasisPutsAnHHoleOrAnHShaftFirstAmongOtherwiseEqualPairs) {
    const QJsonArray fits = Json(RunFit({"--json", "--find", "25", "0.020", "0.060", "--full-range",
                                         "--basis", "any", "--limit", "0"}))["fits"]
                                .toArray();
    // Equal: as common, as coarse (the grades' sum) and the same clearances (span and centre).
    const auto grades = [](const QJsonValue& fit) {
        int sum = 0;
        for (const char* side : {"hole", "shaft"})
            sum += iso286::ParseClassName(fit[side].toString().toStdString())->gradeIndex;
        return sum;
    };
    const auto basic = [](const QJsonValue& fit) {
        return fit["hole"].toString().startsWith("H") || fit["shaft"].toString().startsWith("h");
    };
    int mixedGroups = 0;
    for (qsizetype k = 1; k < fits.size(); ++k) {
        const QJsonValue a = fits[k - 1], b = fits[k];
        const bool equal = a["common"] == b["common"] && grades(a) == grades(b) &&
                           a["minClearance"] == b["minClearance"] && a["maxClearance"] == b["maxClearance"];
        if (!equal || basic(a) == basic(b)) continue;
        ++mixedGroups;
        EXPECT_TRUE(basic(a)) << a["hole"].toString().toStdString() << "/"
                              << a["shaft"].toString().toStdString() << " before "
                              << b["hole"].toString().toStdString() << "/"
                              << b["shaft"].toString().toStdString();
    }
    EXPECT_GT(mixedGroups, 0);
}

TEST(FitFind, FixesAGeneralOrAFreeSideAsTheWindowHoldsIt) {
    FitRequirement general = Requirement(30, -0.25, 0.5, FitBasis::Any, FitClassRange::Seed);
    const double t = *GeneralTableLookup(kMediumClass, ClassifyGeneralSizeRange(30, 0));
    general.fixedHole = FixedFeature{t + 30, 30 - t, "GEN:m", std::nullopt};
    const FitSearch g = FindFits(general);
    ExpectSearch(Json(RunFit({"--json", "--find", "30", "-0.25", "0.5", "--hole", "GEN:m", "--basis", "any",
                              "--limit", "0"})),
                 g, g.fits.size(), "GEN:m", "");
    FitRequirement free = Requirement(10, 0, 0.06, FitBasis::Any, FitClassRange::Seed);
    free.fixedShaft = FixedFeature{-0.005 + 10, -0.02 + 10, "", std::nullopt};
    const FitSearch f = FindFits(free);
    ASSERT_FALSE(f.fits.empty());
    ExpectSearch(Json(RunFit({"--json", "--find", "10", "0", "0.06", "--shaft", "-0.02,-0.005", "--basis",
                              "any", "--limit", "0"})),
                 f, f.fits.size(), "", "null");
}

TEST(FitFind, WritesAlignedColumnsWithTheCommonFitsMarked) {
    const ProgramRun run =
        RunFit({"--lang", "en", "--find", "25", "0", "0.060", "--basis", "hole", "--limit", "4"});
    ASSERT_EQ(run.status, 0) << run.err;
    const FitSearch s = FindFits(Requirement(25, 0, 0.060, FitBasis::Hole, FitClassRange::Seed));
    std::istringstream in(run.out);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 1 + 1 + 4 + 1 + 1 + s.misses.size()) << run.out;
    EXPECT_EQ(lines[0],
              "fits meeting the requirement: " + std::to_string(s.fits.size()) + " (first 4 shown)");
    const std::size_t shaftColumn = lines[1].find("shaft");
    for (std::size_t k = 0; k < 4; ++k) {
        const std::string& line = lines[2 + k];
        EXPECT_EQ(line[0], s.fits[k].common ? '*' : ' ') << line;
        EXPECT_EQ(line.substr(shaftColumn, 3).find(iso286::FormatClassName(*s.fits[k].shaft)), 0u) << line;
    }
    EXPECT_EQ(lines[6], "… " + std::to_string(s.fits.size() - 4) + " more (--limit 0 for all)");
    EXPECT_EQ(lines[7], "closest misses:");
}

TEST(FitMeasured, PlacesEachPartAndGivesEachPairsClearance) {
    const QJsonObject json = Json(RunFit({"--json", "25", "H7/g6", "--measured", "25.012,25.022,25.021",
                                          "24.985,24.979", "--want", "0.010", "0.030"}),
                                  1);
    const QJsonArray holes = json["hole"].toObject()["measured"].toArray();
    ASSERT_EQ(holes.size(), 3);
    EXPECT_EQ(holes[0].toObject()["place"].toString(), "inside");
    EXPECT_EQ(holes[1].toObject()["place"].toString(), "above");
    EXPECT_EQ(holes[1].toObject()["outside"].toDouble(), 1.0);
    EXPECT_EQ(holes[2].toObject()["place"].toString(), "inside");  // on the upper limit
    const QJsonArray shafts = json["shaft"].toObject()["measured"].toArray();
    EXPECT_EQ(shafts[1].toObject()["place"].toString(), "below");
    EXPECT_EQ(shafts[1].toObject()["outside"].toDouble(), 1.0);
    const QJsonArray pairs = json["pairs"].toArray();
    ASSERT_EQ(pairs.size(), 6);
    EXPECT_EQ(pairs[0].toObject()["clearance"].toDouble(), 0.027);
    EXPECT_TRUE(pairs[0].toObject()["meets"].toBool());
    EXPECT_EQ(pairs[1].toObject()["clearance"].toDouble(), 0.033);
    EXPECT_FALSE(pairs[1].toObject()["meets"].toBool());
    EXPECT_FALSE(json["allGood"].toBool());

    const ProgramRun text = RunFit({"25", "H7/g6", "--measured", "25.022", "24.985"});
    ASSERT_EQ(text.status, 1) << text.err;
    EXPECT_NE(text.out.find("25.022  範囲外：上の許容寸法を 1 μm 超える\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("25.022 / 24.985  すきま 0.037 mm\n"), std::string::npos) << text.out;
    const QJsonObject good = Json(RunFit({"--json", "25", "H7/g6", "--measured", "25", "24.993"}));
    EXPECT_TRUE(good["allGood"].toBool());
    EXPECT_TRUE(good["pairs"].toArray()[0].toObject()["meets"].isNull());
}

std::string Repeated(const std::string& size, std::size_t count) {
    std::string list = size;
    for (std::size_t k = 1; k < count; ++k) list += "," + size;
    return list;
}

TEST(FitMeasured, PairsAsManyHolesAsShaftsOneToOneAndOtherwiseEveryCombination) {
    const struct {
        std::string holes, shafts;
        std::vector<std::pair<int, int>> pairs;  // hole, shaft
    } cases[] = {
        {"25.012,25.020", "24.985,24.981", {{0, 0}, {1, 1}}},
        {"25.012", "24.985,24.981", {{0, 0}, {0, 1}}},
        {"25.012,25.020", "24.985", {{0, 0}, {1, 0}}},
    };
    for (const auto& c : cases) {
        const QJsonArray pairs =
            Json(RunFit({"--json", "25", "H7/g6", "--measured", c.holes, c.shafts}))["pairs"].toArray();
        std::vector<std::pair<int, int>> found;
        for (const QJsonValue& p : pairs) found.emplace_back(p["hole"].toInt(), p["shaft"].toInt());
        EXPECT_EQ(found, c.pairs) << c.holes << " " << c.shafts;
    }
    // Twenty thousand parts a side, made as pairs (short sizes: the shell takes one command of 128 KiB).
    const ProgramRun many =
        RunFit({"25", "H7/g6", "--measured", Repeated("25", 20000), Repeated("25", 20000)});
    EXPECT_EQ(many.status, 1) << many.err;  // the shafts lie above g6
    EXPECT_EQ(std::count(many.out.begin(), many.out.end(), '\n'), 3 * (1 + 20000) + 1);  // and the verdict
}

struct Failure {
    std::vector<std::string> args;
    std::string message;
};

TEST(FitFind, RefusesBadSearchesOnOneLineWithStatusTwo) {
    const Failure failures[] = {
        {{"--find", "25", "0.04", "0.01"}, "the minimum clearance 0.04 mm is above the maximum 0.01 mm"},
        {{"--find", "25", "0"}, "a search is --find SIZE MIN MAX"},
        {{"--find", "130", "0", "0.1"}, "size 130 mm is out of range"},
        {{"--find", "4000", "0", "0.1", "--full-range"}, "size 4000 mm is out of range"},
        {{"--find", "25", "0", "1", "--hole", "Q7"}, "hole class \"Q7\""},
        {{"--find", "20", "0", "1", "--shaft", "t6", "--full-range"}, "t6 is not defined at 20 mm"},
        {{"--find", "25", "0", "1", "--limit", "x"}, "--limit needs a whole number"},
        {{"--find", "25", "0", "1", "--table"}, "cannot be used together"},
        {{"25", "H7/g6", "--full-range"}, "--full-range is used with --find"},
        {{"25", "H7/g6", "--measured", "25"}, "--measured needs"},
        {{"25", "H7/g6", "--measured", "25", "24", "--want", "0.1", "0"}, "is above the maximum"},
        {{"25", "H7/g6", "--measured", "1e400", "24"},
         "is out of range: a measured size is over 0 up to 1000000 mm"},
        {{"25", "H7/g6", "--measured", Repeated("25.01", 1001), Repeated("24.99", 1000)},
         "--measured gives 1001 holes × 1000 shafts = 1001000 pairs, more than 1000000"},
    };
    for (const Failure& f : failures) {
        const ProgramRun run = RunFit(f.args);
        EXPECT_EQ(run.status, 2) << f.message;
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_EQ(run.err.rfind("tolvo-fit: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(f.message), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

}  // namespace
}  // namespace tolvo
