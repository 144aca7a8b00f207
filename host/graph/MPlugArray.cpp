#include <maya/MPlugArray.h>

MPlugArray::MPlugArray() = default;
MPlugArray::MPlugArray(const MPlugArray& other) = default;
MPlugArray::MPlugArray(unsigned int initializeSize, const MPlug& initialValue) : m_plugs(initializeSize, initialValue)
{
}
MPlugArray::~MPlugArray() = default;
MPlugArray& MPlugArray::operator=(const MPlugArray& other) = default;

const MPlug& MPlugArray::operator[](unsigned int index) const
{
    return m_plugs[index];
}

MPlug& MPlugArray::operator[](unsigned int index)
{
    return m_plugs[index];
}

MStatus MPlugArray::set(const MPlug& element, unsigned int index)
{
    if (index >= m_plugs.size())
        return MStatus::kFailure;
    m_plugs[index] = element;
    return MStatus::kSuccess;
}

MStatus MPlugArray::setLength(unsigned int length)
{
    m_plugs.resize(length);
    return MStatus::kSuccess;
}

unsigned int MPlugArray::length() const
{
    return static_cast<unsigned int>(m_plugs.size());
}

MStatus MPlugArray::remove(unsigned int index)
{
    if (index >= m_plugs.size())
        return MStatus::kFailure;
    m_plugs.erase(m_plugs.begin() + index);
    return MStatus::kSuccess;
}

MStatus MPlugArray::insert(const MPlug& element, unsigned int index)
{
    if (index > m_plugs.size())
        return MStatus::kFailure;
    m_plugs.insert(m_plugs.begin() + index, element);
    return MStatus::kSuccess;
}

MStatus MPlugArray::append(const MPlug& element)
{
    m_plugs.push_back(element);
    return MStatus::kSuccess;
}

MStatus MPlugArray::copy(const MPlugArray& source)
{
    m_plugs = source.m_plugs;
    return MStatus::kSuccess;
}

MStatus MPlugArray::clear()
{
    m_plugs.clear();
    return MStatus::kSuccess;
}

void MPlugArray::setSizeIncrement(unsigned int) {}

unsigned int MPlugArray::sizeIncrement() const
{
    return 1;
}
