#include <maya/MUintArray.h>

#include "ArrayStorage.h"

#include <algorithm>
#include <cassert>
#include <cstddef>

using namespace kavo::host::math;

namespace {
const unsigned int kDefaultSizeIncrement = 20;
}

MUintArray::MUintArray() : m_sizeIncrement(kDefaultSizeIncrement) {}
MUintArray::MUintArray(const MUintArray& other) = default;

MUintArray::MUintArray(unsigned int initialSize, unsigned int initialValue)
    : m_elements(initialSize, initialValue)
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MUintArray::MUintArray(const unsigned int src[], unsigned int count)
    : m_elements(fromValues<unsigned int>(src, count))
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MUintArray::~MUintArray() = default;
MUintArray& MUintArray::operator=(const MUintArray& other) = default;

unsigned int MUintArray::operator[](unsigned int index) const
{
    assert(index < m_elements.size());
    return m_elements[index];
}

unsigned int& MUintArray::operator[](unsigned int index)
{
    assert(index < m_elements.size());
    return m_elements[index];
}

MStatus MUintArray::set(unsigned int element, unsigned int index)
{
    return setElement(m_elements, element, index);
}

MStatus MUintArray::get(unsigned int dest[]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    std::copy(m_elements.begin(), m_elements.end(), dest);
    return MStatus::kSuccess;
}

MStatus MUintArray::setLength(unsigned int length)
{
    return resizeElements(m_elements, length);
}

unsigned int MUintArray::length() const
{
    return static_cast<unsigned int>(m_elements.size());
}
MStatus MUintArray::remove(unsigned int index)
{
    return removeElement(m_elements, index);
}
MStatus MUintArray::insert(unsigned int element, unsigned int index)
{
    return insertElement(m_elements, element, index);
}

MStatus MUintArray::append(unsigned int element)
{
    m_elements.push_back(element);
    return MStatus::kSuccess;
}

MStatus MUintArray::copy(const MUintArray& source)
{
    m_elements = source.m_elements;
    return MStatus::kSuccess;
}

MStatus MUintArray::clear()
{
    m_elements.clear();
    return MStatus::kSuccess;
}

void MUintArray::setSizeIncrement(unsigned int newIncrement)
{
    m_sizeIncrement = newIncrement;
}
unsigned int MUintArray::sizeIncrement() const
{
    return m_sizeIncrement;
}
