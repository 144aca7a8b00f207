#include "graph/Attribute.h"
#include "graph/Data.h"
#include "graph/Node.h"
#include "graph/Slot.h"

#include <maya/MDataHandle.h>
#include <maya/MPlug.h>

using namespace kavo::host::graph;

namespace {

// What a handle without storage reads and writes: a scratch value, so that a
// plug-in that ignores a failed status reads defaults instead of crashing.
Value& scratch()
{
    thread_local Value value;
    return value;
}

Value& valueOf(Slot* slot)
{
    return slot ? slot->value : scratch();
}

// A compound of three numbers (a colour, a point) read as one vector.
template <class Vector>
Vector& gatherVector(Slot* slot)
{
    Value& value = valueOf(slot);
    Vector gathered;
    if (slot && slot->children.size() == 3)
        for (unsigned int k = 0; k < 3; ++k)
            gathered[k] = static_cast<decltype(gathered.x)>(numericValue(slot->children[k].value));
    else if (auto held = std::get_if<Vector>(&value))
        gathered = *held;
    value = gathered;
    return std::get<Vector>(value);
}

void scatterVector(Slot* slot, double x, double y, double z)
{
    if (!slot)
        return;
    if (slot->children.size() == 3) {
        const double components[3] = {x, y, z};
        for (unsigned int k = 0; k < 3; ++k)
            slot->children[k].value = withNumericValue(slot->children[k].value, components[k]);
    } else
        slot->value = MVector(x, y, z);
}

} // namespace

MDataHandle::MDataHandle() : m_node(nullptr), m_slot(nullptr) {}

MDataHandle::MDataHandle(const MDataHandle& other) = default;
MDataHandle& MDataHandle::operator=(const MDataHandle& other) = default;

MDataHandle::MDataHandle(Node* node, Slot* slot) : m_node(node), m_slot(slot) {}

MFnNumericData::Type MDataHandle::numericType() const
{
    return m_slot ? m_slot->attribute()->numericType : MFnNumericData::kInvalid;
}

MFnData::Type MDataHandle::type() const
{
    if (!m_slot)
        return MFnData::kInvalid;
    switch (m_slot->attribute()->kind) {
    case AttributeKind::Typed: return m_slot->attribute()->dataType;
    case AttributeKind::Matrix: return MFnData::kMatrix;
    case AttributeKind::Numeric:
    case AttributeKind::Enum: return MFnData::kNumeric;
    default: return MFnData::kInvalid;
    }
}

MObject MDataHandle::data()
{
    if (!m_slot)
        return MObject();
    if (auto object = std::get_if<MObject>(&m_slot->value))
        return *object;
    return MObject();
}

void MDataHandle::setClean()
{
    if (m_slot)
        m_slot->setDirtyRecursively(false);
}

bool& MDataHandle::asBool() const
{
    return coerce<bool>(valueOf(m_slot));
}
char& MDataHandle::asChar() const
{
    return coerce<char>(valueOf(m_slot));
}
short& MDataHandle::asShort() const
{
    return coerce<short>(valueOf(m_slot));
}
int& MDataHandle::asInt() const
{
    return coerce<int>(valueOf(m_slot));
}
MInt64& MDataHandle::asInt64() const
{
    return coerce<MInt64>(valueOf(m_slot));
}
float& MDataHandle::asFloat() const
{
    return coerce<float>(valueOf(m_slot));
}
double& MDataHandle::asDouble() const
{
    return coerce<double>(valueOf(m_slot));
}
MDistance MDataHandle::asDistance() const
{
    return MDistance(numericValue(valueOf(m_slot)));
}
MAngle MDataHandle::asAngle() const
{
    return MAngle(numericValue(valueOf(m_slot)));
}
MTime MDataHandle::asTime() const
{
    return coerce<MTime>(valueOf(m_slot));
}
MVector& MDataHandle::asVector() const
{
    return gatherVector<MVector>(m_slot);
}
MFloatVector& MDataHandle::asFloatVector() const
{
    return gatherVector<MFloatVector>(m_slot);
}
MMatrix& MDataHandle::asMatrix() const
{
    return coerce<MMatrix>(valueOf(m_slot));
}
MFloatMatrix& MDataHandle::asFloatMatrix() const
{
    return coerce<MFloatMatrix>(valueOf(m_slot));
}
MString& MDataHandle::asString() const
{
    return coerce<MString>(valueOf(m_slot));
}
MObject MDataHandle::asMesh() const
{
    return const_cast<MDataHandle*>(this)->data();
}
MObject MDataHandle::asNurbsSurface() const
{
    return const_cast<MDataHandle*>(this)->data();
}
MObject MDataHandle::asNurbsCurve() const
{
    return const_cast<MDataHandle*>(this)->data();
}
MObject MDataHandle::asSubdSurface() const
{
    return const_cast<MDataHandle*>(this)->data();
}

const MMatrix& MDataHandle::geometryTransformMatrix() const
{
    if (m_slot)
        if (auto object = std::get_if<MObject>(&m_slot->value))
            if (auto data = objectAs<Data>(*object))
                return data->transform;
    return MMatrix::identity;
}

void MDataHandle::set(bool value)
{
    valueOf(m_slot) = value;
}
void MDataHandle::set(char value)
{
    valueOf(m_slot) = value;
}
void MDataHandle::set(short value)
{
    valueOf(m_slot) = value;
}
void MDataHandle::set(int value)
{
    valueOf(m_slot) = value;
}
void MDataHandle::set(MInt64 value)
{
    valueOf(m_slot) = value;
}
void MDataHandle::set(float value)
{
    valueOf(m_slot) = value;
}
void MDataHandle::set(double value)
{
    valueOf(m_slot) = value;
}
void MDataHandle::set(const MMatrix& value)
{
    valueOf(m_slot) = value;
}
void MDataHandle::set(const MFloatMatrix& value)
{
    valueOf(m_slot) = value;
}
void MDataHandle::set(const MDistance& value)
{
    valueOf(m_slot) = value.as(MDistance::kCentimeters);
}
void MDataHandle::set(const MAngle& value)
{
    valueOf(m_slot) = value.asRadians();
}
void MDataHandle::set(const MTime& value)
{
    valueOf(m_slot) = value;
}
void MDataHandle::set(const MString& value)
{
    valueOf(m_slot) = value;
}
void MDataHandle::set(const MVector& value)
{
    scatterVector(m_slot, value.x, value.y, value.z);
}
void MDataHandle::set(const MFloatVector& value)
{
    scatterVector(m_slot, value.x, value.y, value.z);
}
void MDataHandle::set(float x, float y, float z)
{
    scatterVector(m_slot, x, y, z);
}
void MDataHandle::set(double x, double y, double z)
{
    scatterVector(m_slot, x, y, z);
}

MStatus MDataHandle::set(const MObject& data)
{
    if (!m_slot)
        return MStatus::kInvalidParameter;
    m_slot->value = data;
    return MStatus::kSuccess;
}

MDataHandle MDataHandle::child(const MPlug& plug)
{
    return child(plug.attribute());
}

MDataHandle MDataHandle::child(const MObject& attribute)
{
    if (!m_slot)
        return MDataHandle();
    return MDataHandle(m_node, m_slot->child(objectAs<Attribute>(attribute).get()));
}
