#include <maya/MPointArray.h>

#include "ArrayStorage.h"

#include <cassert>
#include <cstddef>

using namespace kavo::host::math;

namespace {
const unsigned int kDefaultSizeIncrement = 20;
}

MPointArray::MPointArray() : m_sizeIncrement(kDefaultSizeIncrement) {}
MPointArray::MPointArray(const MPointArray& other) = default;
MPointArray::MPointArray(MPointArray&& other) noexcept = default;

MPointArray::MPointArray(unsigned int initialSize, const MPoint& initialValue)
    : m_elements(initialSize, initialValue)
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MPointArray::MPointArray(const MPoint src[], unsigned int count)
    : m_elements(fromValues<MPoint>(src, count))
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MPointArray::MPointArray(const double src[][4], unsigned int count)
    : m_elements(fromValues<MPoint>(src, count))
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MPointArray::MPointArray(const float src[][4], unsigned int count)
    : m_elements(fromValues<MPoint>(src, count))
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MPointArray::~MPointArray() = default;
MPointArray& MPointArray::operator=(const MPointArray& other) = default;
MPointArray& MPointArray::operator=(MPointArray&& other) noexcept = default;

MStatus MPointArray::set(const MPoint& element, unsigned int index)
{
    return setElement(m_elements, element, index);
}

MStatus MPointArray::set(unsigned int index, double x, double y, double z, double w)
{
    return set(MPoint(x, y, z, w), index);
}

MStatus MPointArray::set(double element[4], unsigned int index)
{
    return set(MPoint(element), index);
}
MStatus MPointArray::set(float element[4], unsigned int index)
{
    return set(MPoint(element), index);
}

MStatus MPointArray::append(double x, double y, double z, double w)
{
    return append(MPoint(x, y, z, w));
}

MStatus MPointArray::get(double dest[][4]) const
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

MStatus MPointArray::get(float dest[][4]) const
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

MStatus MPointArray::setLength(unsigned int length)
{
    return resizeElements(m_elements, length);
}

MStatus MPointArray::remove(unsigned int index)
{
    return removeElement(m_elements, index);
}
MStatus MPointArray::insert(const MPoint& element, unsigned int index)
{
    return insertElement(m_elements, element, index);
}

MStatus MPointArray::append(const MPoint& element)
{
    m_elements.push_back(element);
    return MStatus::kSuccess;
}

MStatus MPointArray::copy(const MPointArray& source)
{
    m_elements = source.m_elements;
    return MStatus::kSuccess;
}

MStatus MPointArray::clear()
{
    m_elements.clear();
    return MStatus::kSuccess;
}

void MPointArray::setSizeIncrement(unsigned int newIncrement)
{
    m_sizeIncrement = newIncrement;
}
unsigned int MPointArray::sizeIncrement() const
{
    return m_sizeIncrement;
}
