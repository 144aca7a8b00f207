#include "NumberText.h"

#include <charconv>
#include <cmath>

namespace kavo::app {

namespace {

std::string_view trimmed(std::string_view text)
{
    const char* blanks = " \t";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// from_chars takes no leading '+', which people do write.
std::string_view withoutPlus(std::string_view text)
{
    return text.size() > 1 && text[0] == '+' ? text.substr(1) : text;
}

} // namespace

std::string NumberText::exact(double value)
{
    char buffer[32];
    return std::string(buffer, exact(value, buffer));
}

std::string NumberText::exact(float value)
{
    char buffer[32];
    return std::string(buffer, exact(value, buffer));
}

char* NumberText::exact(double value, char* first)
{
    return std::to_chars(first, first + 32, value, std::chars_format::general, 17).ptr;
}

char* NumberText::exact(float value, char* first)
{
    return std::to_chars(first, first + 32, value, std::chars_format::general, 9).ptr;
}

std::optional<double> NumberText::real(std::string_view text)
{
    text = withoutPlus(trimmed(text));
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<long long> NumberText::integer(std::string_view text)
{
    text = withoutPlus(trimmed(text));
    long long value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<std::array<double, 3>> NumberText::triple(std::string_view text)
{
    std::array<double, 3> values{};
    for (size_t k = 0; k < 3; ++k) {
        const size_t comma = text.find(',');
        if ((k < 2) == (comma == std::string_view::npos))
            return std::nullopt;
        const std::optional<double> value = real(text.substr(0, comma));
        if (!value)
            return std::nullopt;
        values[k] = *value;
        text = k < 2 ? text.substr(comma + 1) : std::string_view();
    }
    return values;
}

} // namespace kavo::app
