#include "PassShareReporter.h"

#include <cstdio>
#include <set>
#include <sstream>

namespace kavo::bench {

namespace {

// The value of "name:value" among the name's parts, or -1.
long argument(const std::vector<std::string>& parts, const std::string& name)
{
    for (const std::string& part : parts)
        if (part.compare(0, name.size() + 1, name + ":") == 0)
            return std::stol(part.substr(name.size() + 1));
    return -1;
}

std::vector<std::string> partsOf(const std::string& name)
{
    std::vector<std::string> parts;
    std::istringstream words(name);
    for (std::string part; std::getline(words, part, '/');)
        parts.push_back(part);
    return parts;
}

} // namespace

bool PassShareReporter::keyOf(const Run& run, Key& key)
{
    const std::vector<std::string> parts = partsOf(run.run_name.str());
    if (parts.size() < 2)
        return false;
    const std::string path = parts[0] == "host_share_only" ? "host" : parts[1];
    const long octaves = path == "host" ? 0 : argument(parts, "octaves");
    const long threads = path == "host" ? 0 : argument(parts, "threads");
    key = Key(path, argument(parts, "vertices"), octaves, threads);
    return std::get<1>(key) > 0;
}

void PassShareReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        Key key;
        if (run.error_occurred || !keyOf(run, key))
            continue;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.run_type == Run::RT_Aggregate && !median)
            continue;
        if (!median && m_fromMedian[key])
            continue;
        m_seconds[key] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        m_fromMedian[key] = median;
    }
}

double PassShareReporter::secondsOf(const std::string& path, long vertices, long octaves, long threads) const
{
    const auto found = m_seconds.find(Key(path, vertices, octaves, threads));
    return found == m_seconds.end() ? -1.0 : found->second;
}

void PassShareReporter::printShares(std::ostream& out) const
{
    std::set<long> sizes;
    for (const auto& entry : m_seconds)
        sizes.insert(std::get<1>(entry.first));
    out << "\nPlug-in's share (pass less host_share_only), ns per vertex, and speed-up over the literal path:\n"
        << "  vertices  octaves   literal  batch 1 thread    batch 2 threads\n";
    for (long vertices : sizes) {
        const double host = secondsOf("host", vertices, 0, 0);
        for (long octaves : {1L, 4L}) {
            const auto share = [&](const std::string& path, long threads) {
                const double seconds = secondsOf(path, vertices, octaves, threads);
                return seconds < 0.0 || host < 0.0 ? -1.0 : (seconds - host) * 1e9 / static_cast<double>(vertices);
            };
            const double literal = share("literal", 1);
            if (literal < 0.0 && share("batch", 1) < 0.0 && share("batch", 2) < 0.0)
                continue;
            char line[160];
            std::snprintf(line, sizeof line, "  %8ld  %7ld  %8.1f", vertices, octaves, literal);
            out << line;
            for (long threads : {1L, 2L}) {
                const double batch = share("batch", threads);
                std::snprintf(line, sizeof line, "  %8.1f (%5.1fx)", batch,
                              batch > 0.0 && literal > 0.0 ? literal / batch : 0.0);
                out << line;
            }
            out << '\n';
        }
    }
}

} // namespace kavo::bench
