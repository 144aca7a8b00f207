#pragma once

#include <maya/MStatus.h>

#include <optional>
#include <string>

namespace kavo::host::math {

// Lets operations of this layer fail on request for tests. Fault injection
// lives in the graph layer (graph/Faults.h), which this layer cannot see, so
// the graph layer installs its check here when it is loaded; until then no
// operation of this layer ever fails on request.
using FaultCheck = std::optional<MStatus> (*)(const std::string& operation);

void installFaultCheck(FaultCheck check);

// The status to fail `operation` with, if a fault is armed for it.
std::optional<MStatus> checkFault(const std::string& operation);

} // namespace kavo::host::math
