#include "graph/AttributeHandles.h"
#include "graph/Scene.h"

#include <maya/MDataHandle.h>
#include <maya/MPlug.h>
#include <maya/MPlugArray.h>

using namespace kavo::host::graph;

namespace {

Node* nodeOf(const MObject& object)
{
    return objectAs<Node>(object).get();
}

const Attribute* attributeOf(const MObject& object)
{
    return objectAs<Attribute>(object).get();
}

void setStatus(MStatus* status, MStatus value)
{
    if (status)
        *status = value;
}

} // namespace

MPlug::MPlug() = default;
MPlug::MPlug(const MPlug& other) = default;
MPlug::~MPlug() = default;
MPlug& MPlug::operator=(const MPlug& other) = default;

MPlug::MPlug(const MObject& node, const MObject& attribute) : m_node(node), m_attribute(attribute) {}

MPlug::MPlug(const MObject& node, const MObject& attribute, std::vector<unsigned int> indices)
    : m_node(node)
    , m_attribute(attribute)
    , m_indices(std::move(indices))
{
}

namespace {

PlugPath pathOf(const MObject& attribute, const std::vector<unsigned int>& indices)
{
    return PlugPath{attributeOf(attribute), indices};
}

// The node and the plug's place in it, for an MPlug that names a real plug.
struct Resolved
{
    Node* node;
    PlugPath path;
    explicit operator bool() const { return node && path.attribute && node->type().hasAttribute(path.attribute); }
};

Resolved resolve(const MObject& node, const MObject& attribute, const std::vector<unsigned int>& indices)
{
    return Resolved{nodeOf(node), pathOf(attribute, indices)};
}

} // namespace

#define KAVO_RESOLVE_OR_RETURN(result)                                                                                 \
    Resolved plug = resolve(m_node, m_attribute, m_indices);                                                           \
    if (!plug) {                                                                                                       \
        setStatus(ReturnStatus, MStatus::kInvalidParameter);                                                           \
        return result;                                                                                                 \
    }                                                                                                                  \
    setStatus(ReturnStatus, MStatus::kSuccess)

MObject MPlug::attribute(MStatus* ReturnStatus) const
{
    setStatus(ReturnStatus, m_attribute.isNull() ? MStatus::kInvalidParameter : MStatus::kSuccess);
    return m_attribute;
}

MObject MPlug::node(MStatus* ReturnStatus) const
{
    setStatus(ReturnStatus, m_node.isNull() ? MStatus::kInvalidParameter : MStatus::kSuccess);
    return m_node;
}

MString MPlug::name(MStatus* ReturnStatus) const
{
    KAVO_RESOLVE_OR_RETURN(MString());
    return MString((plug.node->name() + "." + plug.path.text(true, false)).c_str());
}

MString MPlug::partialName(bool includeNodeName, bool, bool, bool, bool useFullAttributePath, bool useLongNames,
                           MStatus* ReturnStatus) const
{
    KAVO_RESOLVE_OR_RETURN(MString());
    std::string text = plug.path.text(useLongNames, useFullAttributePath);
    if (includeNodeName)
        text = plug.node->name() + "." + text;
    return MString(text.c_str());
}

bool MPlug::isArray(MStatus* ReturnStatus) const
{
    KAVO_RESOLVE_OR_RETURN(false);
    return plug.path.attribute->isArray() && !plug.path.isElement();
}

bool MPlug::isElement(MStatus* ReturnStatus) const
{
    KAVO_RESOLVE_OR_RETURN(false);
    return plug.path.isElement();
}

bool MPlug::isCompound(MStatus* ReturnStatus) const
{
    KAVO_RESOLVE_OR_RETURN(false);
    return !plug.path.attribute->children.empty();
}

bool MPlug::isChild(MStatus* ReturnStatus) const
{
    KAVO_RESOLVE_OR_RETURN(false);
    return plug.path.attribute->parent != nullptr;
}

bool MPlug::isConnected(MStatus* ReturnStatus) const
{
    KAVO_RESOLVE_OR_RETURN(false);
    return !Scene::instance().incoming(*plug.node, plug.path).empty() ||
           !Scene::instance().outgoing(*plug.node, plug.path).empty();
}

bool MPlug::isNull(MStatus* ReturnStatus) const
{
    setStatus(ReturnStatus, MStatus::kSuccess);
    return m_node.isNull() || m_attribute.isNull();
}

unsigned int MPlug::logicalIndex(MStatus* ReturnStatus) const
{
    KAVO_RESOLVE_OR_RETURN(static_cast<unsigned int>(-1));
    if (!plug.path.isElement()) {
        setStatus(ReturnStatus, MStatus::kFailure);
        return static_cast<unsigned int>(-1);
    }
    return m_indices.back();
}

unsigned int MPlug::numElements(MStatus* ReturnStatus) const
{
    KAVO_RESOLVE_OR_RETURN(0u);
    Slot* slot = plug.node->slot(plug.path, false);
    if (!isArray()) {
        setStatus(ReturnStatus, MStatus::kFailure);
        return 0;
    }
    return slot ? static_cast<unsigned int>(slot->elements.size()) : 0;
}

unsigned int MPlug::evaluateNumElements(MStatus* ReturnStatus)
{
    KAVO_RESOLVE_OR_RETURN(0u);
    Scene::instance().evaluate(*plug.node, plug.path);
    return numElements(ReturnStatus);
}

unsigned int MPlug::numChildren(MStatus* ReturnStatus) const
{
    KAVO_RESOLVE_OR_RETURN(0u);
    return static_cast<unsigned int>(plug.path.attribute->children.size());
}

MPlug MPlug::child(MObject& attr, MStatus* ReturnStatus) const
{
    KAVO_RESOLVE_OR_RETURN(MPlug());
    const Attribute* childAttribute = attributeOf(attr);
    if (!childAttribute || childAttribute->parent != plug.path.attribute) {
        setStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MPlug();
    }
    return MPlug(m_node, attr, m_indices);
}

MPlug MPlug::child(unsigned int index, MStatus* ReturnStatus) const
{
    KAVO_RESOLVE_OR_RETURN(MPlug());
    if (index >= plug.path.attribute->children.size()) {
        setStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MPlug();
    }
    return MPlug(m_node, attributeHandle(plug.path.attribute->children[index].get()), m_indices);
}

MPlug MPlug::parent(MStatus* ReturnStatus) const
{
    KAVO_RESOLVE_OR_RETURN(MPlug());
    PlugPath parentPath = plug.path.parent();
    if (!parentPath.attribute) {
        setStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MPlug();
    }
    return MPlug(m_node, attributeHandle(parentPath.attribute), parentPath.indices);
}

MPlug MPlug::array(MStatus* ReturnStatus) const
{
    KAVO_RESOLVE_OR_RETURN(MPlug());
    if (!plug.path.isElement()) {
        setStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MPlug();
    }
    return MPlug(m_node, m_attribute, plug.path.array().indices);
}

MPlug MPlug::elementByLogicalIndex(unsigned int logicalIndex, MStatus* ReturnStatus) const
{
    KAVO_RESOLVE_OR_RETURN(MPlug());
    if (!isArray()) {
        setStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MPlug();
    }
    PlugPath element = plug.path.element(logicalIndex);
    plug.node->slot(element, true);
    return MPlug(m_node, m_attribute, element.indices);
}

MPlug MPlug::elementByPhysicalIndex(unsigned int physicalIndex, MStatus* ReturnStatus) const
{
    KAVO_RESOLVE_OR_RETURN(MPlug());
    Slot* slot = isArray() ? plug.node->slot(plug.path, false) : nullptr;
    if (!slot || physicalIndex >= slot->elements.size()) {
        setStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MPlug();
    }
    auto element = std::next(slot->elements.begin(), physicalIndex);
    return MPlug(m_node, m_attribute, plug.path.element(element->first).indices);
}

bool MPlug::connectedTo(MPlugArray& array, bool asDst, bool asSrc, MStatus* ReturnStatus) const
{
    array.clear();
    KAVO_RESOLVE_OR_RETURN(false);
    Scene& scene = Scene::instance();
    if (asDst)
        for (const Connection& c : scene.incoming(*plug.node, plug.path))
            if (c.destinationPlug == plug.path)
                array.append(MPlug(c.source->handle(), attributeHandle(c.sourcePlug.attribute), c.sourcePlug.indices));
    if (asSrc)
        for (const Connection& c : scene.outgoing(*plug.node, plug.path))
            if (c.sourcePlug == plug.path)
                array.append(MPlug(c.destination->handle(), attributeHandle(c.destinationPlug.attribute),
                                   c.destinationPlug.indices));
    return array.length() > 0;
}

// Values --------------------------------------------------------------------

namespace {

MStatus readValue(const MObject& node, const MObject& attribute, const std::vector<unsigned int>& indices, Value& out)
{
    Resolved plug = resolve(node, attribute, indices);
    if (!plug || !plug.path.isComplete())
        return MStatus::kInvalidParameter;
    Slot* slot = Scene::instance().evaluate(*plug.node, plug.path);
    if (!slot || slot->holdsElements())
        return MStatus::kInvalidParameter;
    out = slot->value;
    return MStatus::kSuccess;
}

MStatus writeValue(const MObject& node, const MObject& attribute, const std::vector<unsigned int>& indices,
                   const Value& value)
{
    Resolved plug = resolve(node, attribute, indices);
    if (!plug || !plug.path.isComplete())
        return MStatus::kInvalidParameter;
    return Scene::instance().setValue(*plug.node, plug.path, value);
}

template <class T>
MStatus readAs(const MObject& node, const MObject& attribute, const std::vector<unsigned int>& indices, T& out)
{
    Value value;
    MStatus status = readValue(node, attribute, indices, value);
    if (status)
        out = coerce<T>(value);
    return status;
}

} // namespace

// The typed reads differ only in the type of their argument.
#define KAVO_PLUG_GET_VALUE(Type)                                                                                      \
    MStatus MPlug::getValue(Type& value, MDGContext&) const                                                            \
    {                                                                                                                  \
        return readAs(m_node, m_attribute, m_indices, value);                                                          \
    }

KAVO_PLUG_GET_VALUE(MObject)
KAVO_PLUG_GET_VALUE(double)
KAVO_PLUG_GET_VALUE(float)
KAVO_PLUG_GET_VALUE(MInt64)
KAVO_PLUG_GET_VALUE(int)
KAVO_PLUG_GET_VALUE(short)
KAVO_PLUG_GET_VALUE(bool)
KAVO_PLUG_GET_VALUE(char)
KAVO_PLUG_GET_VALUE(MString)
KAVO_PLUG_GET_VALUE(MTime)

#undef KAVO_PLUG_GET_VALUE

MStatus MPlug::getValue(MDistance& value, MDGContext&) const
{
    double number = 0.0;
    MStatus status = readAs(m_node, m_attribute, m_indices, number);
    value = MDistance(number);
    return status;
}

MStatus MPlug::getValue(MAngle& value, MDGContext&) const
{
    double number = 0.0;
    MStatus status = readAs(m_node, m_attribute, m_indices, number);
    value = MAngle(number);
    return status;
}

// So do the typed writes.
#define KAVO_PLUG_SET_VALUE(Parameter)                                                                                 \
    MStatus MPlug::setValue(Parameter value)                                                                           \
    {                                                                                                                  \
        return writeValue(m_node, m_attribute, m_indices, value);                                                      \
    }

KAVO_PLUG_SET_VALUE(MObject&)
KAVO_PLUG_SET_VALUE(double)
KAVO_PLUG_SET_VALUE(float)
KAVO_PLUG_SET_VALUE(MInt64)
KAVO_PLUG_SET_VALUE(int)
KAVO_PLUG_SET_VALUE(short)
KAVO_PLUG_SET_VALUE(bool)
KAVO_PLUG_SET_VALUE(char)
KAVO_PLUG_SET_VALUE(MTime&)
KAVO_PLUG_SET_VALUE(const MString&)

#undef KAVO_PLUG_SET_VALUE

MStatus MPlug::setValue(const char* value)
{
    return writeValue(m_node, m_attribute, m_indices, MString(value));
}
MStatus MPlug::setValue(MDistance& value)
{
    return setValue(value.as(MDistance::kCentimeters));
}
MStatus MPlug::setValue(MAngle& value)
{
    return setValue(value.asRadians());
}

namespace {

template <class T>
T readOrDefault(const MObject& node, const MObject& attribute, const std::vector<unsigned int>& indices,
                MStatus* ReturnStatus)
{
    T value{};
    MStatus status = readAs(node, attribute, indices, value);
    setStatus(ReturnStatus, status);
    return value;
}

} // namespace

// And the typed reads that answer the value.
#define KAVO_PLUG_AS(Type, name)                                                                                       \
    Type MPlug::name(MDGContext&, MStatus* s) const                                                                    \
    {                                                                                                                  \
        return readOrDefault<Type>(m_node, m_attribute, m_indices, s);                                                 \
    }

KAVO_PLUG_AS(MObject, asMObject)
KAVO_PLUG_AS(double, asDouble)
KAVO_PLUG_AS(float, asFloat)
KAVO_PLUG_AS(MInt64, asInt64)
KAVO_PLUG_AS(int, asInt)
KAVO_PLUG_AS(short, asShort)
KAVO_PLUG_AS(bool, asBool)
KAVO_PLUG_AS(char, asChar)
KAVO_PLUG_AS(MString, asString)
KAVO_PLUG_AS(MTime, asMTime)

#undef KAVO_PLUG_AS

MDistance MPlug::asMDistance(MDGContext& ctx, MStatus* s) const
{
    return MDistance(asDouble(ctx, s));
}

MAngle MPlug::asMAngle(MDGContext& ctx, MStatus* s) const
{
    return MAngle(asDouble(ctx, s));
}

// Operators -----------------------------------------------------------------

MPlug MPlug::operator[](unsigned int physicalIndex) const
{
    return elementByPhysicalIndex(physicalIndex);
}

MPlug MPlug::operator[](MObject& attr) const
{
    return child(attr);
}

bool MPlug::operator==(const MPlug& other) const
{
    return m_node == other.m_node && m_attribute == other.m_attribute && m_indices == other.m_indices;
}

bool MPlug::operator==(const MObject& attr) const
{
    return m_attribute == attr;
}

bool MPlug::operator!=(const MPlug& other) const
{
    return !(*this == other);
}

bool MPlug::operator!=(const MObject& attr) const
{
    return !(*this == attr);
}

MPlug::operator MObject() const
{
    return m_attribute;
}

bool MPlug::operator!() const
{
    return isNull();
}
