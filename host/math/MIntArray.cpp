#include <maya/MIntArray.h>

#include "ArrayStorage.h"

#include <algorithm>
#include <cassert>
#include <cstddef>

using namespace kavo::host::math;

namespace {
const unsigned int kDefaultSizeIncrement = 20;
}

MIntArray::MIntArray() : m_sizeIncrement(kDefaultSizeIncrement) {}
MIntArray::MIntArray(const MIntArray& other) = default;

MIntArray::MIntArray(unsigned int initialSize, int initialValue)
    : m_elements(initialSize, initialValue)
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MIntArray::MIntArray(const int src[], unsigned int count)
    : m_elements(fromValues<int>(src, count))
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MIntArray::~MIntArray() = default;
MIntArray& MIntArray::operator=(const MIntArray& other) = default;

MStatus MIntArray::set(int element, unsigned int index)
{
    return setElement(m_elements, element, index);
}

MStatus MIntArray::get(int dest[]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    std::copy(m_elements.begin(), m_elements.end(), dest);
    return MStatus::kSuccess;
}

MStatus MIntArray::setLength(unsigned int length)
{
    return resizeElements(m_elements, length);
}

MStatus MIntArray::remove(unsigned int index)
{
    return removeElement(m_elements, index);
}
MStatus MIntArray::insert(int element, unsigned int index)
{
    return insertElement(m_elements, element, index);
}

MStatus MIntArray::append(int element)
{
    m_elements.push_back(element);
    return MStatus::kSuccess;
}

MStatus MIntArray::copy(const MIntArray& source)
{
    m_elements = source.m_elements;
    return MStatus::kSuccess;
}

MStatus MIntArray::clear()
{
    m_elements.clear();
    return MStatus::kSuccess;
}

void MIntArray::setSizeIncrement(unsigned int newIncrement)
{
    m_sizeIncrement = newIncrement;
}
unsigned int MIntArray::sizeIncrement() const
{
    return m_sizeIncrement;
}
