#pragma once

#include <maya/MDataHandle.h>
#include <maya/MStatus.h>

// Access to the elements of an array attribute during evaluation; it walks
// the existing elements in logical-index order.
class DLL_PUBLIC MArrayDataHandle
{
public:
    MArrayDataHandle(const MDataHandle& in, MStatus* ReturnStatus = NULL);
    MArrayDataHandle(const MArrayDataHandle& other);
    MArrayDataHandle& operator=(const MArrayDataHandle& other);

    MDataHandle inputValue(MStatus* ReturnStatus = NULL);
    MDataHandle outputValue(MStatus* ReturnStatus = NULL);
    MArrayDataHandle inputArrayValue(MStatus* ReturnStatus = NULL);
    MArrayDataHandle outputArrayValue(MStatus* ReturnStatus = NULL);
    MStatus next();
    unsigned int elementCount(MStatus* ReturnStatus = NULL);
    unsigned int elementIndex(MStatus* ReturnStatus = NULL);
    MStatus jumpToElement(unsigned int logicalIndex);
    MStatus jumpToArrayElement(unsigned int physicalPosition);
    MStatus setAllClean();

private:
    kavo::host::graph::Slot* current() const;

    MDataHandle m_array;
    bool m_positioned;
    unsigned int m_logicalIndex;
};
