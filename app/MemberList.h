#pragma once

// The points a run deforms (--members): point numbers and inclusive ranges
// FIRST:LAST, comma-separated ("0:799,1200,1500:1599"), counted over the
// points of every input one after another in input order, as a weights file
// counts them. A point listed twice, or in overlapping ranges, is one
// member, as a deformer set holds each point once.

#include <string>
#include <utility>
#include <vector>

namespace kavo::app {

class MemberList
{
public:
    // An AppError (usage) naming the option and the fault for text that is
    // not such a list: nothing or an empty item, anything in a number but
    // digits (signs and blanks included), a number beyond 64 bits, a range
    // that runs backwards.
    static MemberList parse(const std::string& text);

    // The members of each input, as that input's point indices in ascending
    // order, for inputs of `counts` points; an AppError (usage) for a number
    // beyond the last point.
    std::vector<std::vector<unsigned int>> split(const std::vector<unsigned int>& counts) const;

private:
    std::string m_text;
    std::vector<std::pair<unsigned long long, unsigned long long>> m_ranges; // inclusive
};

} // namespace kavo::app
