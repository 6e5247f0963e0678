#pragma once

// What the benchmarks that measure the program against bare SQLite share: after the usual table,
// a line per pair saying how many times slower the program's side was.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace bench {

struct Ratio {
    std::string program;  // the benchmark of the program's side ("Submenu_Window")
    std::string bare;     // the benchmark of bare SQLite doing the same work ("Submenu_Bare")
    std::string caption;  // printed before " = ratio"
};

class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(std::vector<Ratio> ratios) : m_ratios(std::move(ratios)) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                m_times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const Ratio& ratio : m_ratios) {
            const auto program = m_times.find(ratio.program);
            const auto bare = m_times.find(ratio.bare);
            if (program != m_times.end() && bare != m_times.end() && bare->second > 0)
                std::printf("%s = %.2f\n", ratio.caption.c_str(), program->second / bare->second);
        }
    }

private:
    std::vector<Ratio> m_ratios;
    std::map<std::string, double> m_times;
};

// Runs the benchmarks given on the command line with the reporter (the console's when null).
inline int run(int argc, char** argv, benchmark::BenchmarkReporter* reporter = nullptr)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks(reporter);
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
