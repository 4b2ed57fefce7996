#pragma once

// Shared by the action benchmarks: generated content of any size, per-iteration timing, and a
// reporter that keeps each benchmark's median and prints the targets as held or missed.

#include "core/content.h"

#include <benchmark/benchmark.h>

#include <QString>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace bench {

// The sizes every scaling benchmark runs at; 27 is the built-in test itself.
inline const std::vector<int> kSizes{27, 1000, 10000};

// The built-in test for 27 pairs; otherwise n pairs on the built-in layout whose texts sort in an
// order unrelated to content order (multiplying by a number prime to the modulus scrambles them),
// so display rows never equal content positions.
inline Content content(int pairs)
{
    if (pairs == 27)
        return builtInContent();
    Content c = builtInContent();
    c.expressions.clear();
    c.meanings.clear();
    for (int k = 1; k <= pairs; ++k) {
        c.expressions << QStringLiteral("verbum %1").arg((k * 7919LL) % 100003, 6, 10, QChar(u'0'));
        c.meanings << QStringLiteral("значение %1").arg((k * 104729LL) % 100019, 6, 10, QChar(u'0'));
    }
    return c;
}

// Runs f and returns how long it took, in seconds, for State::SetIterationTime.
template <typename F>
double timed(F &&f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// One limit on the median time of some benchmarks.
struct Target {
    std::string prefix;   // benchmarks whose name starts with this
    double limitUs;
    std::string what;
};

// Prints the console report as usual and keeps each benchmark's median (microseconds) by name.
class TargetReporter : public benchmark::ConsoleReporter
{
public:
    // Plain text: the figures end up in files.
    TargetReporter() : ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[run.run_name.function_name] = run.GetAdjustedRealTime() * toMicroseconds(run.time_unit);
        }
    }

    // Prints every benchmark named by a target with its median and whether it holds; returns the
    // number missed.
    int printTargets(const std::vector<Target> &targets) const
    {
        int missed = 0;
        std::printf("\n%-44s %14s %12s  %s\n", "benchmark", "median", "limit", "target");
        for (const Target &t : targets) {
            for (const auto &[name, us] : medians) {
                if (name.rfind(t.prefix, 0) != 0)
                    continue;
                const bool held = us < t.limitUs;
                missed += held ? 0 : 1;
                std::printf("%-44s %11.2f us %9.0f us  %s (%s)\n", name.c_str(), us, t.limitUs,
                            held ? "held" : "MISSED", t.what.c_str());
            }
        }
        std::printf("targets missed: %d\n", missed);
        return missed;
    }

    std::map<std::string, double> medians;

private:
    static double toMicroseconds(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kNanosecond: return 1e-3;
        case benchmark::kMicrosecond: return 1.0;
        case benchmark::kMillisecond: return 1e3;
        case benchmark::kSecond: return 1e6;
        }
        return 1.0;
    }
};

} // namespace bench
