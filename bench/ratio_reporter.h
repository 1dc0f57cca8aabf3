// The console reporter our benchmarks share: it keeps each benchmark's CPU time per iteration so
// main can print "ratio <what> <x.xx>" against a baseline measured in the same run. CPU time,
// because the machine is shared and wall time swings with the other load; no colour codes, so
// the ratio line starts its line for whoever reads the output. With --benchmark_repetitions the
// median of the repetitions is used.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

class TRatioReporter : public benchmark::ConsoleReporter {
public:
    TRatioReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        // The repetitions come first, their aggregates after them.
        for (const Run& r : runs) {
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
                times[r.run_name.str()] = r.GetAdjustedCPUTime();
            else if (r.run_type == Run::RT_Iteration && r.iterations > 0)
                times.emplace(r.run_name.str(), r.GetAdjustedCPUTime());
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Time of one benchmark over another; 0 when either did not run.
    double Ratio(const std::string& measured, const std::string& baseline) const
    {
        auto m = times.find(measured), b = times.find(baseline);
        return m != times.end() && b != times.end() && b->second > 0 ? m->second / b->second : 0;
    }
    void PrintRatio(const char* label, const std::string& measured, const std::string& baseline) const
    {
        if (double r = Ratio(measured, baseline); r > 0)
            std::printf("ratio %s %.2f\n", label, r);
    }

    std::map<std::string, double> times;
};

// The baseline of the pixel benchmarks: memcpy of as many 32-bit pixels as the measured work
// writes, between two buffers of that size.
// Runs work once per iteration and counts pixels per iteration; result is where work writes, so
// the optimiser keeps it.
template <class F> void TimePixelWork(benchmark::State& state, size_t pixels, const void* result, F&& work)
{
    for (auto _ : state) {
        work();
        benchmark::DoNotOptimize(result);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(pixels));
}

inline void CopyPixelsBaseline(benchmark::State& state, size_t pixels)
{
    std::vector<uint32_t> src(pixels, 0x12345678), dst(pixels);
    TimePixelWork(state, pixels, dst.data(),
                  [&] { std::memcpy(dst.data(), src.data(), src.size() * sizeof(uint32_t)); });
}
