#include "graph/Value.h"

namespace kavo::host::graph {

double numericValue(const Value& value)
{
    return std::visit(
        [](const auto& held) -> double {
            using T = std::decay_t<decltype(held)>;
            if constexpr (std::is_arithmetic_v<T>)
                return static_cast<double>(held);
            else if constexpr (std::is_same_v<T, MTime>)
                return held.value();
            else
                return 0.0;
        },
        value);
}

bool isNumeric(const Value& value)
{
    return std::visit([](const auto& held) { return std::is_arithmetic_v<std::decay_t<decltype(held)>>; }, value);
}

Value withNumericValue(const Value& like, double number)
{
    return std::visit(
        [number](const auto& held) -> Value {
            using T = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<T, bool>)
                return number != 0.0;
            else if constexpr (std::is_arithmetic_v<T>)
                return static_cast<T>(number);
            else if constexpr (std::is_same_v<T, MTime>)
                return MTime(number, held.unit());
            else
                return number;
        },
        like);
}

} // namespace kavo::host::graph
