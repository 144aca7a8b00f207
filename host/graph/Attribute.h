#pragma once

#include "graph/Object.h"
#include "graph/Value.h"

#include <maya/MFnData.h>
#include <maya/MFnMatrixAttribute.h>
#include <maya/MFnNumericData.h>
#include <maya/MFnUnitAttribute.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kavo::host::graph {

enum class AttributeKind
{
    Numeric,
    Enum,
    Unit,
    Matrix,
    Typed,
    Compound,
    Message
};

struct AttributeFlags
{
    bool readable = true;
    bool writable = true;
    bool connectable = true;
    bool storable = true;
    bool cached = true;
    bool array = false;
    bool indexMatters = true;
    bool keyable = false;
    bool channelBox = false;
    bool hidden = false;
    bool usedAsColor = false;
};

// The declaration of one attribute of a node type: names, kind, default,
// hard limits, flags, and its place in a compound.
class Attribute : public Object
{
public:
    Attribute(AttributeKind kind, std::string longName, std::string shortName);

    MFn::Type apiType() const override;
    bool hasFn(MFn::Type type) const override;

    AttributeKind kind;
    std::string longName;
    std::string shortName;
    MFnNumericData::Type numericType = MFnNumericData::kInvalid;
    MFnUnitAttribute::Type unitType = MFnUnitAttribute::kInvalid;
    MFnMatrixAttribute::Type matrixType = MFnMatrixAttribute::kDouble;
    MFnData::Type dataType = MFnData::kInvalid;
    Value defaultValue;
    std::optional<double> minimum;
    std::optional<double> maximum;
    std::vector<std::pair<short, std::string>> enumFields;
    AttributeFlags flags;
    std::vector<std::shared_ptr<Attribute>> children;
    Attribute* parent = nullptr;

    bool hasName(const std::string& name) const { return name == longName || name == shortName; }
    bool isArray() const { return flags.array; }
    bool isCompound() const { return kind == AttributeKind::Compound; }

    // The chain of attributes from the top-level one down to this one.
    std::vector<const Attribute*> chain() const;
    // How many arrays lie on the chain, this attribute included.
    unsigned int arrayDepth() const;
    // Whether `other` is this attribute or lies below it.
    bool contains(const Attribute* other) const;

    // The value clamped to the hard limits, as the host stores it.
    Value clamped(const Value& value) const;

    void addChild(const std::shared_ptr<Attribute>& child);

    const std::string* enumLabel(short value) const;
    std::optional<short> enumValue(const std::string& label) const;
};

} // namespace kavo::host::graph
