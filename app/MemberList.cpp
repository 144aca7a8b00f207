#include "MemberList.h"

#include "AppError.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <optional>
#include <string_view>

namespace kavo::app {

namespace {

AppError badList(const std::string& text, const std::string& why)
{
    return AppError::usage("bad --members list \"" + text + "\": " + why +
                           " (expected point numbers and FIRST:LAST ranges, comma-separated)");
}

// Digits only: a sign or a blank is no part of a point number.
std::optional<unsigned long long> pointNumber(std::string_view digits, const std::string& text)
{
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    unsigned long long value = 0;
    if (std::from_chars(digits.data(), digits.data() + digits.size(), value).ec != std::errc())
        throw badList(text, std::string(digits) + " is too large");
    return value;
}

} // namespace

MemberList MemberList::parse(const std::string& text)
{
    MemberList list;
    list.m_text = text;
    if (text.empty())
        throw badList(text, "the list is empty");
    const std::string_view all(text);
    for (size_t start = 0; start <= all.size();) {
        const size_t comma = std::min(all.find(',', start), all.size());
        const std::string_view item = all.substr(start, comma - start);
        start = comma + 1;
        if (item.empty())
            throw badList(text, "an item is empty");
        const size_t colon = item.find(':');
        const std::optional<unsigned long long> first = pointNumber(item.substr(0, colon), text);
        const std::optional<unsigned long long> last =
            colon == std::string_view::npos ? first : pointNumber(item.substr(colon + 1), text);
        if (!first || !last)
            throw badList(text, "\"" + std::string(item) + "\" is neither a point number nor a FIRST:LAST range");
        if (*first > *last)
            throw badList(text, "\"" + std::string(item) + "\" runs backwards");
        list.m_ranges.emplace_back(*first, *last);
    }
    return list;
}

std::vector<std::vector<unsigned int>> MemberList::split(const std::vector<unsigned int>& counts) const
{
    const unsigned long long total = std::accumulate(counts.begin(), counts.end(), 0ULL);
    std::vector<std::vector<unsigned int>> members(counts.size());
    for (const auto& [first, last] : m_ranges) {
        if (last >= total)
            throw AppError::usage("--members \"" + m_text + "\": there is no point " + std::to_string(last) +
                                  ": the inputs have " + std::to_string(total) + " points, numbered from 0");
        unsigned long long inputStart = 0;
        for (size_t input = 0; input < counts.size(); inputStart += counts[input++]) {
            const unsigned long long inputEnd = inputStart + counts[input];
            for (unsigned long long point = std::max(first, inputStart); point <= last && point < inputEnd; ++point)
                members[input].push_back(static_cast<unsigned int>(point - inputStart));
        }
    }
    for (std::vector<unsigned int>& points : members) {
        std::sort(points.begin(), points.end());
        points.erase(std::unique(points.begin(), points.end()), points.end());
    }
    return members;
}

} // namespace kavo::app
