#pragma once

#include <maya/MStatus.h>

#include <optional>
#include <string>

namespace kavo::host::graph {

// Fault injection for tests: makes a named host operation fail on its n-th
// call (counting from 1 after the fault is armed) with a given status, so
// that failure paths run through the real host code.
//
// Operation names: "attributeCreate" (every MFn*Attribute::create*),
// "addAttribute", "attributeAffects", "registerNode", "deregisterNode",
// "MDagModifier::createNode", "MDGModifier::connect",
// "addAttributeChangedCallback", "setExistWithoutInConnections",
// "setExistWithoutOutConnections", "setScale" (MTransformationMatrix),
// "MDataBlock::inputValue", "MDataBlock::outputValue".
class Faults
{
public:
    static void failOn(const std::string& operation, int nthCall, MStatus::MStatusCode code = MStatus::kFailure);
    static void clear();

    // Counts a call of `operation`; the status to fail it with, if armed.
    static std::optional<MStatus> check(const std::string& operation);

    // While one exists, no fault fires and no call is counted: the host's
    // own set-up work (its base node types) must not use up a test's fault.
    class Suspension
    {
    public:
        Suspension();
        ~Suspension();
        Suspension(const Suspension&) = delete;
        Suspension& operator=(const Suspension&) = delete;
    };
};

} // namespace kavo::host::graph
