// Small helpers shared by the benchmarks: a scratch working directory for the
// files the program writes, and the median and spread of timed samples.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmo::bench {

// Makes a fresh folder the working directory for the life of the object.
class ScratchWorkDir {
public:
    ScratchWorkDir() : previous_(std::filesystem::current_path())
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmo-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a scratch directory");
        path_ = pattern;
        std::filesystem::current_path(path_);
    }
    ~ScratchWorkDir()
    {
        std::error_code ec;
        std::filesystem::current_path(previous_, ec);
        std::filesystem::remove_all(path_, ec);
    }
    ScratchWorkDir(const ScratchWorkDir&) = delete;
    ScratchWorkDir& operator=(const ScratchWorkDir&) = delete;

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

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
