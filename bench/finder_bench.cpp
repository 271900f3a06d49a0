// The fit finder over the whole ISO 286 system, both sides free (28 x 20
// classes a side), beside the plain pairing of the same cells: one bench row.
#include <cstdio>
#include <vector>

#include "bench/timing.h"
#include "core/fit_finder.h"
#include "core/iso286_table.h"

namespace {

volatile std::size_t sink = 0;

}  // namespace

int main() {
    using namespace tolvo;
    FitRequirement requirement;
    requirement.basicSize = 25;
    requirement.wanted = {0.010, 0.040};
    requirement.range = FitClassRange::Whole;
    const double search = tolvo::bench::MedianNanoseconds(
        [&] {
            const FitSearch s = FindFits(requirement);
            sink = sink + s.fits.size() + s.misses.size();
        },
        15, 0.2);

    // The worst case: every one of the 300,000-odd pairs meets and is ranked.
    FitRequirement everything = requirement;
    everything.wanted = {-1000, 1000};
    const double all = tolvo::bench::MedianNanoseconds(
        [&] {
            const FitSearch s = FindFits(everything);
            sink = sink + s.fits.size();
        },
        9, 0.2);

    // The floor: every pair of the same defined cells, their two clearances
    // added up, nothing kept.
    const int step = *iso286::ClassifySizeStep(25);
    std::vector<Deviations> holes, shafts;
    for (int l = 0; l < iso286::kLetterCount; ++l) {
        for (int g = 0; g < iso286::kGradeCount; ++g) {
            if (auto d = iso286::Lookup(FeatureKind::Hole, l, g, step)) holes.push_back(*d);
            if (auto d = iso286::Lookup(FeatureKind::Shaft, l, g, step)) shafts.push_back(*d);
        }
    }
    const double pairing = tolvo::bench::MedianNanoseconds([&] {
        double total = 0;
        for (const Deviations& h : holes) {
            for (const Deviations& s : shafts) total += (h.upper - s.lower) + (h.lower - s.upper);
        }
        sink = sink + static_cast<std::size_t>(total > 0);
    });
    std::printf("| %-44s | %10.3f %-2s | %-34s | %10.3f %-2s | %6.2fx | %-10s |\n",
                "finder: whole system, both free, 25 mm", search / 1e6, "ms",
                "the same pairs, clearances summed", pairing / 1e6, "ms", search / pairing, "< 50 ms");
    std::printf("| %-44s | %10.3f %-2s | %-34s | %10.3f %-2s | %6.2fx | %-10s |\n",
                "finder: whole system, every pair meets", all / 1e6, "ms",
                "the same pairs, clearances summed", pairing / 1e6, "ms", all / pairing, "-");
    return sink == 42 ? 1 : 0;
}
