// Any text as the value of an attribute: what the command line accepts as a
// real, a whole number or an r,g,b triple is finite, and a real written
// back with the program's exact digits reads back as the same number.

#include "NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using kavo::app::NumberText;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void checkReal(double value)
{
    require(std::isfinite(value));
    require(NumberText::real(NumberText::exact(value)) == value);
    const float single = static_cast<float>(value);
    if (std::isfinite(single))
        require(static_cast<float>(*NumberText::real(NumberText::exact(single))) == single);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const std::optional<double> value = NumberText::real(text))
        checkReal(*value);
    if (const std::optional<long long> value = NumberText::integer(text))
        require(NumberText::integer(std::to_string(*value)) == value);
    if (const std::optional<std::array<double, 3>> values = NumberText::triple(text))
        for (double value : *values)
            checkReal(value);
    return 0;
}
