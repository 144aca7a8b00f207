#include "ValueText.h"

#include <charconv>

namespace kavo::app {

namespace {

template <class Number>
std::string shortest(Number value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace

std::string ValueText::of(const host::graph::Value& value)
{
    if (const bool* flag = std::get_if<bool>(&value))
        return *flag ? "on" : "off";
    if (const float* number = std::get_if<float>(&value))
        return shortest(*number);
    if (const MTime* time = std::get_if<MTime>(&value))
        return shortest(time->as(MTime::kFilm)) + " (frames)";
    if (const MMatrix* matrix = std::get_if<MMatrix>(&value))
        return *matrix == MMatrix::identity ? "identity" : "matrix";
    return shortest(host::graph::numericValue(value));
}

std::string ValueText::limit(double limit, const host::graph::Value& like)
{
    return std::holds_alternative<float>(like) ? shortest(static_cast<float>(limit)) : shortest(limit);
}

} // namespace kavo::app
