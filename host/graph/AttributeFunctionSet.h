#pragma once

#include "graph/Attribute.h"
#include "graph/Faults.h"
#include "graph/Object.h"

#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

namespace kavo::host::graph {

// What every attribute function set's create does: consult fault injection,
// make the attribute, and report the outcome.
inline std::shared_ptr<Attribute> createAttribute(AttributeKind kind, const MString& longName, const MString& shortName,
                                                  MStatus* status)
{
    if (auto fault = Faults::check("attributeCreate")) {
        if (status)
            *status = *fault;
        return nullptr;
    }
    if (longName.length() == 0 || shortName.length() == 0) {
        if (status)
            *status = MStatus::kInvalidParameter;
        return nullptr;
    }
    if (status)
        *status = MStatus::kSuccess;
    return std::make_shared<Attribute>(kind, longName.asChar(), shortName.asChar());
}

// The attribute `object` holds, or null when it holds none.
inline Attribute* attributeOf(const MObject& object)
{
    return objectAs<Attribute>(object).get();
}

// Sets one field of the attribute behind `object`; kInvalidParameter, and
// nothing set, when the object holds no attribute.
template <typename Field, typename V>
MStatus setField(const MObject& object, Field Attribute::*field, const V& value)
{
    Attribute* attribute = attributeOf(object);
    if (!attribute)
        return MStatus::kInvalidParameter;
    attribute->*field = value;
    return MStatus::kSuccess;
}

inline MObject handleOf(const std::shared_ptr<Attribute>& attribute)
{
    return attribute ? MObject(attribute) : MObject();
}

} // namespace kavo::host::graph
