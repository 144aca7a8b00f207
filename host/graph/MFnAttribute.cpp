#include "graph/Attribute.h"
#include "graph/AttributeFunctionSet.h"
#include "graph/AttributeHandles.h"
#include "graph/FunctionSetMembers.h"
#include "graph/NodeFunctionSet.h"

#include <maya/MFnAttribute.h>

using namespace kavo::host::graph;

namespace {

bool readFlag(const MObject& object, bool AttributeFlags::*flag, MStatus* ReturnStatus)
{
    Attribute* attribute = attributeOf(object);
    if (ReturnStatus)
        *ReturnStatus = attribute ? MStatus::kSuccess : MStatus::kInvalidParameter;
    return attribute && attribute->flags.*flag;
}

MStatus writeFlag(const MObject& object, bool AttributeFlags::*flag, bool state)
{
    Attribute* attribute = attributeOf(object);
    if (!attribute)
        return MStatus::kInvalidParameter;
    attribute->flags.*flag = state;
    return MStatus::kSuccess;
}

} // namespace

KAVO_FUNCTION_SET_MEMBERS(MFnAttribute, MFn::kAttribute)

bool MFnAttribute::isReadable(MStatus* s) const
{
    return readFlag(m_object, &AttributeFlags::readable, s);
}
bool MFnAttribute::isWritable(MStatus* s) const
{
    return readFlag(m_object, &AttributeFlags::writable, s);
}
bool MFnAttribute::isConnectable(MStatus* s) const
{
    return readFlag(m_object, &AttributeFlags::connectable, s);
}
bool MFnAttribute::isStorable(MStatus* s) const
{
    return readFlag(m_object, &AttributeFlags::storable, s);
}
bool MFnAttribute::isCached(MStatus* s) const
{
    return readFlag(m_object, &AttributeFlags::cached, s);
}
bool MFnAttribute::isArray(MStatus* s) const
{
    return readFlag(m_object, &AttributeFlags::array, s);
}
bool MFnAttribute::indexMatters(MStatus* s) const
{
    return readFlag(m_object, &AttributeFlags::indexMatters, s);
}
bool MFnAttribute::isKeyable(MStatus* s) const
{
    return readFlag(m_object, &AttributeFlags::keyable, s);
}
bool MFnAttribute::isChannelBoxFlagSet(MStatus* s) const
{
    return readFlag(m_object, &AttributeFlags::channelBox, s);
}
bool MFnAttribute::isHidden(MStatus* s) const
{
    return readFlag(m_object, &AttributeFlags::hidden, s);
}
bool MFnAttribute::isUsedAsColor(MStatus* s) const
{
    return readFlag(m_object, &AttributeFlags::usedAsColor, s);
}

MStatus MFnAttribute::setReadable(bool state)
{
    return writeFlag(m_object, &AttributeFlags::readable, state);
}
MStatus MFnAttribute::setWritable(bool state)
{
    return writeFlag(m_object, &AttributeFlags::writable, state);
}
MStatus MFnAttribute::setConnectable(bool state)
{
    return writeFlag(m_object, &AttributeFlags::connectable, state);
}
MStatus MFnAttribute::setStorable(bool state)
{
    return writeFlag(m_object, &AttributeFlags::storable, state);
}
MStatus MFnAttribute::setCached(bool state)
{
    return writeFlag(m_object, &AttributeFlags::cached, state);
}
MStatus MFnAttribute::setArray(bool state)
{
    return writeFlag(m_object, &AttributeFlags::array, state);
}
MStatus MFnAttribute::setIndexMatters(bool state)
{
    return writeFlag(m_object, &AttributeFlags::indexMatters, state);
}
MStatus MFnAttribute::setKeyable(bool state)
{
    return writeFlag(m_object, &AttributeFlags::keyable, state);
}
MStatus MFnAttribute::setChannelBox(bool state)
{
    return writeFlag(m_object, &AttributeFlags::channelBox, state);
}
MStatus MFnAttribute::setHidden(bool state)
{
    return writeFlag(m_object, &AttributeFlags::hidden, state);
}
MStatus MFnAttribute::setUsedAsColor(bool state)
{
    return writeFlag(m_object, &AttributeFlags::usedAsColor, state);
}

MString MFnAttribute::name(MStatus* ReturnStatus) const
{
    Attribute* attribute = attributeOf(m_object);
    return report(ReturnStatus, attribute != nullptr, attribute ? MString(attribute->longName.c_str()) : MString());
}

MString MFnAttribute::shortName(MStatus* ReturnStatus) const
{
    Attribute* attribute = attributeOf(m_object);
    return report(ReturnStatus, attribute != nullptr, attribute ? MString(attribute->shortName.c_str()) : MString());
}

MObject MFnAttribute::parent(MStatus* ReturnStatus) const
{
    Attribute* attribute = attributeOf(m_object);
    return report(ReturnStatus, attribute != nullptr, attribute ? attributeHandle(attribute->parent) : MObject());
}
