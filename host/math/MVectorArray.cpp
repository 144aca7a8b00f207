#include <maya/MVectorArray.h>

#include "ArrayStorage.h"

#include <cassert>
#include <cstddef>

using namespace kavo::host::math;

namespace {
const unsigned int kDefaultSizeIncrement = 20;
}

MVectorArray::MVectorArray() : m_sizeIncrement(kDefaultSizeIncrement) {}
MVectorArray::MVectorArray(const MVectorArray& other) = default;

MVectorArray::MVectorArray(unsigned int initialSize, const MVector& initialValue)
    : m_elements(initialSize, initialValue)
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MVectorArray::MVectorArray(const MVector src[], unsigned int count)
    : m_elements(fromValues<MVector>(src, count))
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MVectorArray::MVectorArray(const double src[][3], unsigned int count)
    : m_elements(fromValues<MVector>(src, count))
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MVectorArray::MVectorArray(const float src[][3], unsigned int count)
    : m_elements(fromValues<MVector>(src, count))
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MVectorArray::~MVectorArray() = default;
MVectorArray& MVectorArray::operator=(const MVectorArray& other) = default;

const MVector& MVectorArray::operator[](unsigned int index) const
{
    assert(index < m_elements.size());
    return m_elements[index];
}

MVector& MVectorArray::operator[](unsigned int index)
{
    assert(index < m_elements.size());
    return m_elements[index];
}

MStatus MVectorArray::set(const MVector& element, unsigned int index)
{
    return setElement(m_elements, element, index);
}

MStatus MVectorArray::set(double element[3], unsigned int index)
{
    return set(MVector(element), index);
}
MStatus MVectorArray::set(float element[3], unsigned int index)
{
    return set(MVector(element), index);
}

MStatus MVectorArray::get(double dest[][3]) const
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

MStatus MVectorArray::get(float dest[][3]) const
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

MStatus MVectorArray::setLength(unsigned int length)
{
    return resizeElements(m_elements, length);
}

unsigned int MVectorArray::length() const
{
    return static_cast<unsigned int>(m_elements.size());
}
MStatus MVectorArray::remove(unsigned int index)
{
    return removeElement(m_elements, index);
}
MStatus MVectorArray::insert(const MVector& element, unsigned int index)
{
    return insertElement(m_elements, element, index);
}

MStatus MVectorArray::append(const MVector& element)
{
    m_elements.push_back(element);
    return MStatus::kSuccess;
}

MStatus MVectorArray::copy(const MVectorArray& source)
{
    m_elements = source.m_elements;
    return MStatus::kSuccess;
}

MStatus MVectorArray::clear()
{
    m_elements.clear();
    return MStatus::kSuccess;
}

void MVectorArray::setSizeIncrement(unsigned int newIncrement)
{
    m_sizeIncrement = newIncrement;
}
unsigned int MVectorArray::sizeIncrement() const
{
    return m_sizeIncrement;
}
