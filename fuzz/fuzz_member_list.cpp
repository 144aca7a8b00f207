// Any text as --members, split over inputs of a few sizes: refused with a
// usage error, or for every input its own point indices, ascending, each
// once, within its points.

#include "AppError.h"
#include "MemberList.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using kavo::app::AppError;
using kavo::app::MemberList;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

template <typename Work>
void refusedAsUsage(Work work)
{
    try {
        work();
    } catch (const AppError& error) {
        require(error.exitCode() == AppError::kUsageExitCode);
    }
}

void checkSplit(const MemberList& list, const std::vector<unsigned int>& counts)
{
    const std::vector<std::vector<unsigned int>> members = list.split(counts);
    require(members.size() == counts.size());
    for (size_t input = 0; input < counts.size(); ++input) {
        const std::vector<unsigned int>& points = members[input];
        require(std::adjacent_find(points.begin(), points.end(), std::greater_equal<unsigned int>()) == points.end());
        require(points.empty() || points.back() < counts[input]);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    refusedAsUsage([&] {
        const MemberList list = MemberList::parse(text);
        for (const std::vector<unsigned int>& counts :
             {std::vector<unsigned int>{1}, {7, 0, 5}, {0, 100, 3}, {1000, 1000}})
            refusedAsUsage([&] { checkSplit(list, counts); });
    });
    return 0;
}
