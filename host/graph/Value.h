#pragma once

#include <maya/MFloatMatrix.h>
#include <maya/MFloatVector.h>
#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MString.h>
#include <maya/MTime.h>
#include <maya/MTypes.h>
#include <maya/MVector.h>

#include <variant>

namespace kavo::host::graph {

// One stored value of a leaf attribute. Data objects (geometry) are held as
// MObject handles; numbers keep the type their attribute declares.
using Value = std::variant<std::monostate, bool, char, short, int, MInt64, float, double, MMatrix, MFloatMatrix, MTime,
                           MObject, MString, MVector, MFloatVector>;

// The numeric content of a value, 0 when it has none.
double numericValue(const Value& value);

// Whether the value holds a number (bool and char included).
bool isNumeric(const Value& value);

// The same number stored as the alternative of `like`.
Value withNumericValue(const Value& like, double number);

// Converts the value in place to T (numbers convert, anything else becomes
// T's default) and returns a reference to it.
template <class T>
T& coerce(Value& value)
{
    if (T* held = std::get_if<T>(&value))
        return *held;
    if constexpr (std::is_arithmetic_v<T>)
        value = static_cast<T>(numericValue(value));
    else
        value = T();
    return std::get<T>(value);
}

} // namespace kavo::host::graph
