#pragma once

// The console's report, and afterwards a table of the plug-in's share of an
// evaluation per vertex: each pass's time less host_share_only's at the same
// size, for the literal path and the batch path on 1 and 2 threads, with the
// batch path's speed-up. With repetitions the medians are used.

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace kavo::bench {

class PassShareReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    void printShares(std::ostream& out) const;

private:
    // The path ("literal", "batch" or "host"), vertices, octaves, threads.
    using Key = std::tuple<std::string, long, long, long>;

    static bool keyOf(const Run& run, Key& key);
    // Seconds per evaluation, or a negative number when not measured.
    double secondsOf(const std::string& path, long vertices, long octaves, long threads) const;

    std::map<Key, double> m_seconds;
    std::map<Key, bool> m_fromMedian;
};

} // namespace kavo::bench
