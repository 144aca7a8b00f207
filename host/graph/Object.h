#pragma once

#include <maya/MFn.h>
#include <maya/MObject.h>

#include <memory>

namespace kavo::host::graph {

// Everything an MObject can refer to: nodes, attributes and data objects.
class Object : public std::enable_shared_from_this<Object>
{
public:
    virtual ~Object() = default;

    virtual MFn::Type apiType() const = 0;

    // Whether a function set for `type` works on this object. Types form a
    // small hierarchy (a plug-in deformer is also a dependency node).
    virtual bool hasFn(MFn::Type type) const { return type == apiType() || type == MFn::kBase; }
};

// The host object behind an MObject, viewed as T, or nullptr when the handle
// is null or refers to something else.
template <class T>
std::shared_ptr<T> objectAs(const MObject& object)
{
    return std::dynamic_pointer_cast<T>(object.hostObject());
}

} // namespace kavo::host::graph
