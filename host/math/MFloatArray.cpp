#include <maya/MFloatArray.h>

#include "ArrayStorage.h"

#include <algorithm>
#include <cassert>
#include <cstddef>

using namespace kavo::host::math;

namespace {
const unsigned int kDefaultSizeIncrement = 20;
}

MFloatArray::MFloatArray() : m_sizeIncrement(kDefaultSizeIncrement) {}
MFloatArray::MFloatArray(const MFloatArray& other) = default;

MFloatArray::MFloatArray(unsigned int initialSize, float initialValue)
    : m_elements(initialSize, initialValue)
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MFloatArray::MFloatArray(const float src[], unsigned int count)
    : m_elements(fromValues<float>(src, count))
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MFloatArray::MFloatArray(const double src[], unsigned int count)
    : m_elements(fromValues<float>(src, count))
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MFloatArray::~MFloatArray() = default;
MFloatArray& MFloatArray::operator=(const MFloatArray& other) = default;

MStatus MFloatArray::set(float element, unsigned int index)
{
    return setElement(m_elements, element, index);
}

MStatus MFloatArray::set(double element, unsigned int index)
{
    return set(static_cast<float>(element), index);
}

MStatus MFloatArray::get(float dest[]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    std::copy(m_elements.begin(), m_elements.end(), dest);
    return MStatus::kSuccess;
}

MStatus MFloatArray::setLength(unsigned int length)
{
    return resizeElements(m_elements, length);
}

MStatus MFloatArray::remove(unsigned int index)
{
    return removeElement(m_elements, index);
}
MStatus MFloatArray::insert(float element, unsigned int index)
{
    return insertElement(m_elements, element, index);
}

MStatus MFloatArray::append(float element)
{
    m_elements.push_back(element);
    return MStatus::kSuccess;
}

MStatus MFloatArray::copy(const MFloatArray& source)
{
    m_elements = source.m_elements;
    return MStatus::kSuccess;
}

MStatus MFloatArray::clear()
{
    m_elements.clear();
    return MStatus::kSuccess;
}

void MFloatArray::setSizeIncrement(unsigned int newIncrement)
{
    m_sizeIncrement = newIncrement;
}
unsigned int MFloatArray::sizeIncrement() const
{
    return m_sizeIncrement;
}
