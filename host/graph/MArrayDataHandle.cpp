#include "graph/Slot.h"

#include <maya/MArrayDataHandle.h>

using kavo::host::graph::Slot;

MArrayDataHandle::MArrayDataHandle(const MDataHandle& in, MStatus* ReturnStatus)
    : m_array(in)
    , m_positioned(false)
    , m_logicalIndex(0)
{
    Slot* slot = in.hostSlot();
    const bool isArray = slot && slot->holdsElements();
    if (ReturnStatus)
        *ReturnStatus = isArray ? MStatus::kSuccess : MStatus::kInvalidParameter;
    if (!isArray)
        m_array = MDataHandle();
    else if (!slot->elements.empty()) {
        m_positioned = true;
        m_logicalIndex = slot->elements.begin()->first;
    }
}

MArrayDataHandle::MArrayDataHandle(const MArrayDataHandle& other) = default;
MArrayDataHandle& MArrayDataHandle::operator=(const MArrayDataHandle& other) = default;

Slot* MArrayDataHandle::current() const
{
    Slot* array = m_array.hostSlot();
    return array && m_positioned ? array->findElement(m_logicalIndex) : nullptr;
}

MDataHandle MArrayDataHandle::inputValue(MStatus* ReturnStatus)
{
    Slot* element = current();
    if (ReturnStatus)
        *ReturnStatus = element ? MStatus::kSuccess : MStatus::kInvalidParameter;
    return MDataHandle(m_array.hostNode(), element);
}

MDataHandle MArrayDataHandle::outputValue(MStatus* ReturnStatus)
{
    return inputValue(ReturnStatus);
}

MArrayDataHandle MArrayDataHandle::inputArrayValue(MStatus* ReturnStatus)
{
    return MArrayDataHandle(inputValue(ReturnStatus), ReturnStatus);
}

MArrayDataHandle MArrayDataHandle::outputArrayValue(MStatus* ReturnStatus)
{
    return inputArrayValue(ReturnStatus);
}

MStatus MArrayDataHandle::next()
{
    Slot* array = m_array.hostSlot();
    if (!array || !m_positioned)
        return MStatus::kFailure;
    auto found = array->elements.upper_bound(m_logicalIndex);
    if (found == array->elements.end()) {
        m_positioned = false;
        return MStatus::kFailure;
    }
    m_logicalIndex = found->first;
    return MStatus::kSuccess;
}

unsigned int MArrayDataHandle::elementCount(MStatus* ReturnStatus)
{
    Slot* array = m_array.hostSlot();
    if (ReturnStatus)
        *ReturnStatus = array ? MStatus::kSuccess : MStatus::kInvalidParameter;
    return array ? static_cast<unsigned int>(array->elements.size()) : 0;
}

unsigned int MArrayDataHandle::elementIndex(MStatus* ReturnStatus)
{
    const bool valid = current() != nullptr;
    if (ReturnStatus)
        *ReturnStatus = valid ? MStatus::kSuccess : MStatus::kFailure;
    return valid ? m_logicalIndex : static_cast<unsigned int>(-1);
}

MStatus MArrayDataHandle::jumpToElement(unsigned int logicalIndex)
{
    Slot* array = m_array.hostSlot();
    if (!array || !array->findElement(logicalIndex))
        return MStatus::kInvalidParameter;
    m_positioned = true;
    m_logicalIndex = logicalIndex;
    return MStatus::kSuccess;
}

MStatus MArrayDataHandle::jumpToArrayElement(unsigned int physicalPosition)
{
    Slot* array = m_array.hostSlot();
    if (!array || physicalPosition >= array->elements.size())
        return MStatus::kInvalidParameter;
    m_positioned = true;
    m_logicalIndex = std::next(array->elements.begin(), physicalPosition)->first;
    return MStatus::kSuccess;
}

MStatus MArrayDataHandle::setAllClean()
{
    if (Slot* array = m_array.hostSlot())
        array->setDirtyRecursively(false);
    return MStatus::kSuccess;
}
