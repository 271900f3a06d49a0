// Median timing of a small operation: batches long enough for the clock,
// repeated, the median batch divided by its size.
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

namespace tolvo::bench {

template <typename Operation>
double MedianNanoseconds(Operation&& operation, int repeats = 15, double batchSeconds = 0.02) {
    using Clock = std::chrono::steady_clock;
    long long batch = 1;
    for (;;) {  // grow the batch until it takes long enough to time
        const auto start = Clock::now();
        for (long long i = 0; i < batch; ++i) operation();
        if (std::chrono::duration<double>(Clock::now() - start).count() >= batchSeconds ||
            batch >= (1LL << 30))
            break;
        batch *= 2;
    }
    std::vector<double> perOperation;
    for (int r = 0; r < repeats; ++r) {
        const auto start = Clock::now();
        for (long long i = 0; i < batch; ++i) operation();
        perOperation.push_back(std::chrono::duration<double, std::nano>(Clock::now() - start).count() /
                               static_cast<double>(batch));
    }
    std::nth_element(perOperation.begin(), perOperation.begin() + repeats / 2, perOperation.end());
    return perOperation[repeats / 2];
}

}  // namespace tolvo::bench
