#pragma once

// Attribute values as people read them: the shortest text that reads back
// as the same number in the value's own precision (0.2 rather than
// 0.20000000298023224 for a single-precision 0.2), booleans as on and off.

#include "graph/Value.h"

#include <string>

namespace kavo::app {

class ValueText
{
public:
    static std::string of(const host::graph::Value& value);
    // A limit of an attribute of the same type as `like`.
    static std::string limit(double limit, const host::graph::Value& like);
};

} // namespace kavo::app
