#include <maya/MCallbackIdArray.h>

#include <cassert>

MCallbackIdArray::MCallbackIdArray() = default;
MCallbackIdArray::MCallbackIdArray(const MCallbackIdArray& other) = default;
MCallbackIdArray::~MCallbackIdArray() = default;
MCallbackIdArray& MCallbackIdArray::operator=(const MCallbackIdArray& other) = default;

MCallbackId MCallbackIdArray::operator[](unsigned int index) const
{
    assert(index < m_ids.size());
    return m_ids[index];
}

MCallbackId& MCallbackIdArray::operator[](unsigned int index)
{
    assert(index < m_ids.size());
    return m_ids[index];
}

MStatus MCallbackIdArray::append(MCallbackId id)
{
    m_ids.push_back(id);
    return MStatus::kSuccess;
}

MStatus MCallbackIdArray::clear()
{
    m_ids.clear();
    return MStatus::kSuccess;
}

unsigned int MCallbackIdArray::length() const
{
    return static_cast<unsigned int>(m_ids.size());
}
