#pragma once

#include <maya/MStatus.h>
#include <maya/MTypes.h>

// The unique number of a node or data type. The two-part form joins a 24-bit
// prefix and an 8-bit id: (prefix << 8) | (id & 0xff).
class OPENMAYA_EXPORT MTypeId
{
public:
    MTypeId();
    MTypeId(unsigned int id);
    MTypeId(unsigned int prefix, unsigned int id);
    MTypeId(const MTypeId& other);
    ~MTypeId();

    MTypeId& operator=(const MTypeId& other);
    bool operator==(const MTypeId& other) const;
    bool operator!=(const MTypeId& other) const;

    unsigned int id(MStatus* ReturnStatus = NULL) const;

private:
    unsigned int m_id;
};
