#include <maya/MFloatPointArray.h>

#include "ArrayStorage.h"

#include <cassert>
#include <cstddef>

using namespace kavo::host::math;

namespace {
const unsigned int kDefaultSizeIncrement = 20;
}

MFloatPointArray::MFloatPointArray() : m_sizeIncrement(kDefaultSizeIncrement) {}
MFloatPointArray::MFloatPointArray(const MFloatPointArray& other) = default;

MFloatPointArray::MFloatPointArray(unsigned int initialSize, const MFloatPoint& initialValue)
    : m_elements(initialSize, initialValue)
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MFloatPointArray::MFloatPointArray(const MFloatPoint src[], unsigned int count)
    : m_elements(fromValues<MFloatPoint>(src, count))
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MFloatPointArray::MFloatPointArray(const double src[][4], unsigned int count)
    : m_elements(fromValues<MFloatPoint>(src, count))
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MFloatPointArray::MFloatPointArray(const float src[][4], unsigned int count)
    : m_elements(fromValues<MFloatPoint>(src, count))
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MFloatPointArray::~MFloatPointArray() = default;
MFloatPointArray& MFloatPointArray::operator=(const MFloatPointArray& other) = default;

MStatus MFloatPointArray::set(const MFloatPoint& element, unsigned int index)
{
    return setElement(m_elements, element, index);
}

MStatus MFloatPointArray::set(unsigned int index, float x, float y, float z, float w)
{
    return set(MFloatPoint(x, y, z, w), index);
}

MStatus MFloatPointArray::set(double element[4], unsigned int index)
{
    return set(MFloatPoint(element), index);
}
MStatus MFloatPointArray::set(float element[4], unsigned int index)
{
    return set(MFloatPoint(element), index);
}

MStatus MFloatPointArray::append(float x, float y, float z, float w)
{
    return append(MFloatPoint(x, y, z, w));
}

MStatus MFloatPointArray::get(double dest[][4]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    for (std::size_t i = 0; i < m_elements.size(); ++i) {
        dest[i][0] = static_cast<double>(m_elements[i].x);
        dest[i][1] = static_cast<double>(m_elements[i].y);
        dest[i][2] = static_cast<double>(m_elements[i].z);
        dest[i][3] = static_cast<double>(m_elements[i].w);
    }
    return MStatus::kSuccess;
}

MStatus MFloatPointArray::get(float dest[][4]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    for (std::size_t i = 0; i < m_elements.size(); ++i) {
        dest[i][0] = static_cast<float>(m_elements[i].x);
        dest[i][1] = static_cast<float>(m_elements[i].y);
        dest[i][2] = static_cast<float>(m_elements[i].z);
        dest[i][3] = static_cast<float>(m_elements[i].w);
    }
    return MStatus::kSuccess;
}

MStatus MFloatPointArray::setLength(unsigned int length)
{
    return resizeElements(m_elements, length);
}

MStatus MFloatPointArray::remove(unsigned int index)
{
    return removeElement(m_elements, index);
}
MStatus MFloatPointArray::insert(const MFloatPoint& element, unsigned int index)
{
    return insertElement(m_elements, element, index);
}

MStatus MFloatPointArray::append(const MFloatPoint& element)
{
    m_elements.push_back(element);
    return MStatus::kSuccess;
}

MStatus MFloatPointArray::copy(const MFloatPointArray& source)
{
    m_elements = source.m_elements;
    return MStatus::kSuccess;
}

MStatus MFloatPointArray::clear()
{
    m_elements.clear();
    return MStatus::kSuccess;
}

void MFloatPointArray::setSizeIncrement(unsigned int newIncrement)
{
    m_sizeIncrement = newIncrement;
}
unsigned int MFloatPointArray::sizeIncrement() const
{
    return m_sizeIncrement;
}
