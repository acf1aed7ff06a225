// Small helpers shared by the benchmarks: the median and spread of timed
// samples.  The scratch working directory comes from the tests' support
// library (support/temp_work_dir.h).
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace velmo::bench {

using Clock = std::chrono::steady_clock;

inline double MicrosecondsBetween(Clock::time_point start, Clock::time_point end)
{
    return std::chrono::duration<double, std::micro>(end - start).count();
}

// The value below which `share` of the samples lie (0.5: the median).
inline double Quantile(std::vector<double> samples, double share)
{
    if (samples.empty())
        return 0.0;
    const auto index = static_cast<std::size_t>(share * static_cast<double>(samples.size() - 1) + 0.5);
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(index), samples.end());
    return samples[index];
}

// Median, 99th percentile and maximum of samples in microseconds, as counters.
inline void ReportSpread(benchmark::State& state, const std::vector<double>& micros, const std::string& prefix = "")
{
    state.counters[prefix + "median_us"] = Quantile(micros, 0.5);
    state.counters[prefix + "p99_us"] = Quantile(micros, 0.99);
    state.counters[prefix + "max_us"] = micros.empty() ? 0.0 : *std::max_element(micros.begin(), micros.end());
}

} // namespace velmo::bench
