#include <maya/MFloatVectorArray.h>

#include "ArrayStorage.h"

#include <cassert>
#include <cstddef>

using namespace kavo::host::math;

namespace {
const unsigned int kDefaultSizeIncrement = 20;
}

MFloatVectorArray::MFloatVectorArray() : m_sizeIncrement(kDefaultSizeIncrement) {}
MFloatVectorArray::MFloatVectorArray(const MFloatVectorArray& other) = default;

MFloatVectorArray::MFloatVectorArray(unsigned int initialSize, const MFloatVector& initialValue)
    : m_elements(initialSize, initialValue)
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MFloatVectorArray::MFloatVectorArray(const MFloatVector src[], unsigned int count)
    : m_elements(fromValues<MFloatVector>(src, count))
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MFloatVectorArray::MFloatVectorArray(const double src[][3], unsigned int count)
    : m_elements(fromValues<MFloatVector>(src, count))
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MFloatVectorArray::MFloatVectorArray(const float src[][3], unsigned int count)
    : m_elements(fromValues<MFloatVector>(src, count))
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MFloatVectorArray::~MFloatVectorArray() = default;
MFloatVectorArray& MFloatVectorArray::operator=(const MFloatVectorArray& other) = default;

const MFloatVector& MFloatVectorArray::operator[](unsigned int index) const
{
    assert(index < m_elements.size());
    return m_elements[index];
}

MFloatVector& MFloatVectorArray::operator[](unsigned int index)
{
    assert(index < m_elements.size());
    return m_elements[index];
}

MStatus MFloatVectorArray::set(const MFloatVector& element, unsigned int index)
{
    return setElement(m_elements, element, index);
}

MStatus MFloatVectorArray::set(double element[3], unsigned int index)
{
    return set(MFloatVector(element), index);
}
MStatus MFloatVectorArray::set(float element[3], unsigned int index)
{
    return set(MFloatVector(element), index);
}

MStatus MFloatVectorArray::get(double dest[][3]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    for (std::size_t i = 0; i < m_elements.size(); ++i) {
        dest[i][0] = static_cast<double>(m_elements[i].x);
        dest[i][1] = static_cast<double>(m_elements[i].y);
        dest[i][2] = static_cast<double>(m_elements[i].z);
    }
    return MStatus::kSuccess;
}

MStatus MFloatVectorArray::get(float dest[][3]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    for (std::size_t i = 0; i < m_elements.size(); ++i) {
        dest[i][0] = static_cast<float>(m_elements[i].x);
        dest[i][1] = static_cast<float>(m_elements[i].y);
        dest[i][2] = static_cast<float>(m_elements[i].z);
    }
    return MStatus::kSuccess;
}

MStatus MFloatVectorArray::setLength(unsigned int length)
{
    return resizeElements(m_elements, length);
}

unsigned int MFloatVectorArray::length() const
{
    return static_cast<unsigned int>(m_elements.size());
}
MStatus MFloatVectorArray::remove(unsigned int index)
{
    return removeElement(m_elements, index);
}
MStatus MFloatVectorArray::insert(const MFloatVector& element, unsigned int index)
{
    return insertElement(m_elements, element, index);
}

MStatus MFloatVectorArray::append(const MFloatVector& element)
{
    m_elements.push_back(element);
    return MStatus::kSuccess;
}

MStatus MFloatVectorArray::copy(const MFloatVectorArray& source)
{
    m_elements = source.m_elements;
    return MStatus::kSuccess;
}

MStatus MFloatVectorArray::clear()
{
    m_elements.clear();
    return MStatus::kSuccess;
}

void MFloatVectorArray::setSizeIncrement(unsigned int newIncrement)
{
    m_sizeIncrement = newIncrement;
}
unsigned int MFloatVectorArray::sizeIncrement() const
{
    return m_sizeIncrement;
}
