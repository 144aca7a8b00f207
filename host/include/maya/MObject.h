#pragma once

#include <maya/MFn.h>
#include <maya/MTypes.h>

#include <memory>

namespace kavo::host::graph {
class Object;
}

// An opaque, shared handle to something the host owns: a node, an attribute or
// a data object. Copies refer to the same thing; comparison is by identity.
class DLL_PUBLIC MObject
{
public:
    MObject();
    MObject(const MObject& other);
    ~MObject();
    MObject& operator=(const MObject& other);

    bool hasFn(MFn::Type type) const;
    bool isNull() const;
    MFn::Type apiType() const;
    const char* apiTypeStr() const;

    bool operator==(const MObject& other) const;
    bool operator!=(const MObject& other) const;

    static MObject kNullObj;

    // Host side only: wrap and unwrap the host's own objects.
    explicit MObject(std::shared_ptr<kavo::host::graph::Object> object);
    const std::shared_ptr<kavo::host::graph::Object>& hostObject() const { return m_object; }

private:
    std::shared_ptr<kavo::host::graph::Object> m_object;
};
