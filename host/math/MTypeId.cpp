#include <maya/MTypeId.h>

MTypeId::MTypeId() : m_id(0) {}
MTypeId::MTypeId(unsigned int id) : m_id(id) {}
MTypeId::MTypeId(unsigned int prefix, unsigned int id) : m_id((prefix << 8) | (id & 0xffu)) {}
MTypeId::MTypeId(const MTypeId& other) = default;
MTypeId::~MTypeId() = default;
MTypeId& MTypeId::operator=(const MTypeId& other) = default;

bool MTypeId::operator==(const MTypeId& other) const
{
    return m_id == other.m_id;
}
bool MTypeId::operator!=(const MTypeId& other) const
{
    return m_id != other.m_id;
}

unsigned int MTypeId::id(MStatus* ReturnStatus) const
{
    if (ReturnStatus != nullptr)
        *ReturnStatus = MStatus::kSuccess;
    return m_id;
}
