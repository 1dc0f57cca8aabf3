// Timing for the benchmarks that need real windows, which build without the benchmark library.
// Each case runs a fixed number of iterations per repetition, found once so that a repetition
// takes at least --min-time seconds of processor time (the process clock ticks in 10 ms under
// Wine); the cases take turns repetition by repetition, so a change in the machine's load falls
// on all of them. Per iteration it keeps the process's processor time, which the ratios use as
// in the native benchmarks, and the wall time, which also holds what the window system does in
// other processes (wineserver, the X server, the window manager). Medians of the repetitions.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace bench {

struct TTimes {
    double Cpu = 0, Wall = 0;  // seconds
};

inline TTimes TimesNow()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto seconds = [](const FILETIME& t) {
        const uint64_t ticks = (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
        return static_cast<double>(ticks) * 1e-7;  // 100 ns ticks
    };
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return {seconds(kernel) + seconds(user),
            static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart)};
}

inline double Median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

class TRatioTimer {
public:
    // Reads --repetitions=N and --min-time=SECONDS; anything else prints the usage and exits.
    TRatioTimer(int argc, char** argv)
    {
        for (int i = 1; i < argc; ++i) {
            const char* a = argv[i];
            char* end = nullptr;
            if (std::strncmp(a, "--repetitions=", 14) == 0) {
                const long n = std::strtol(a + 14, &end, 10);
                if (*end == '\0' && n >= 1 && n <= 1000) {
                    repetitions_ = static_cast<int>(n);
                    continue;
                }
            } else if (std::strncmp(a, "--min-time=", 11) == 0) {
                const double s = std::strtod(a + 11, &end);
                if (*end == '\0' && s >= 0.01 && s <= 60) {
                    minTime_ = s;
                    continue;
                }
            }
            std::fprintf(stderr, "usage: %s [--repetitions=1..1000] [--min-time=0.01..60]\n",
                         argv[0]);
            std::exit(2);
        }
    }

    // prepare runs untimed before each repetition (showing the window measured, say); iteration
    // is the work timed.
    void Add(std::string name, std::function<void()> prepare, std::function<void()> iteration)
    {
        cases_.push_back({std::move(name), std::move(prepare), std::move(iteration), 0, {}, {}});
    }

    // Calibrates every case, runs the repetitions and prints a line per case.
    void Run()
    {
        for (TCase& c : cases_)
            c.Iterations = Calibrate(c);
        for (int r = 0; r < repetitions_; ++r)
            for (TCase& c : cases_) {
                const TTimes t = Repeat(c, c.Iterations);
                c.Cpu.push_back(t.Cpu / static_cast<double>(c.Iterations));
                c.Wall.push_back(t.Wall / static_cast<double>(c.Iterations));
            }
        std::printf("%-28s %10s %14s %14s %10s\n", "case", "iterations", "cpu/iteration",
                    "wall/iteration", "cpu range");
        for (const TCase& c : cases_) {
            const auto [lo, hi] = std::minmax_element(c.Cpu.begin(), c.Cpu.end());
            const double median = Median(c.Cpu);
            std::printf("%-28s %10lld %11.2f us %11.2f us %9.0f%%\n", c.Name.c_str(),
                        static_cast<long long>(c.Iterations), median * 1e6, Median(c.Wall) * 1e6,
                        median > 0 ? (*hi - *lo) / median * 100 : 0.0);
        }
        std::printf("(medians of %d repetitions)\n", repetitions_);
    }

    // "ratio <label> <x.xx>" on processor time and "ratio <label>-wall <x.xx>" on wall time.
    void PrintRatio(const char* label, const std::string& measured,
                    const std::string& baseline) const
    {
        const TCase* m = Find(measured);
        const TCase* b = Find(baseline);
        if (!m || !b)
            return;
        const double cpu = Median(b->Cpu), wall = Median(b->Wall);
        if (cpu > 0)
            std::printf("ratio %s %.2f\n", label, Median(m->Cpu) / cpu);
        if (wall > 0)
            std::printf("ratio %s-wall %.2f\n", label, Median(m->Wall) / wall);
    }

private:
    struct TCase {
        std::string Name;
        std::function<void()> Prepare, Iteration;
        int64_t Iterations;
        std::vector<double> Cpu, Wall;
    };

    TTimes Repeat(TCase& c, int64_t iterations)
    {
        c.Prepare();
        const TTimes start = TimesNow();
        for (int64_t i = 0; i < iterations; ++i)
            c.Iteration();
        const TTimes end = TimesNow();
        return {end.Cpu - start.Cpu, end.Wall - start.Wall};
    }

    // Grows the count until a repetition takes minTime_ of processor time, or ten times that of
    // wall time when the work is mostly done outside the process.
    int64_t Calibrate(TCase& c)
    {
        int64_t n = 1;
        for (;;) {
            const TTimes t = Repeat(c, n);
            if (t.Cpu >= minTime_ || t.Wall >= 10 * minTime_ || n >= (int64_t{1} << 40))
                return n;
            // Below a few clock ticks the processor time says little: go by the wall time then.
            const double spent = t.Cpu >= 0.05 ? t.Cpu : t.Wall / 10;
            const double factor = spent > 0 ? 1.4 * minTime_ / spent : 10;
            const double grown = static_cast<double>(n) * std::min(factor, 10.0);
            n = std::max(n + 1, static_cast<int64_t>(grown));
        }
    }

    const TCase* Find(const std::string& name) const
    {
        for (const TCase& c : cases_)
            if (c.Name == name)
                return &c;
        return nullptr;
    }

    int repetitions_ = 7;
    double minTime_ = 0.5;
    std::vector<TCase> cases_;
};

} // namespace bench
