#include <maya/MDoubleArray.h>

#include "ArrayStorage.h"

#include <algorithm>
#include <cassert>
#include <cstddef>

using namespace kavo::host::math;

namespace {
const unsigned int kDefaultSizeIncrement = 20;
}

MDoubleArray::MDoubleArray() : m_sizeIncrement(kDefaultSizeIncrement) {}
MDoubleArray::MDoubleArray(const MDoubleArray& other) = default;

MDoubleArray::MDoubleArray(unsigned int initialSize, double initialValue)
    : m_elements(initialSize, initialValue)
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MDoubleArray::MDoubleArray(const double src[], unsigned int count)
    : m_elements(fromValues<double>(src, count))
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MDoubleArray::MDoubleArray(const float src[], unsigned int count)
    : m_elements(fromValues<double>(src, count))
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MDoubleArray::~MDoubleArray() = default;
MDoubleArray& MDoubleArray::operator=(const MDoubleArray& other) = default;

double MDoubleArray::operator[](unsigned int index) const
{
    assert(index < m_elements.size());
    return m_elements[index];
}

double& MDoubleArray::operator[](unsigned int index)
{
    assert(index < m_elements.size());
    return m_elements[index];
}

MStatus MDoubleArray::set(double element, unsigned int index)
{
    return setElement(m_elements, element, index);
}

MStatus MDoubleArray::set(float element, unsigned int index)
{
    return set(static_cast<double>(element), index);
}

MStatus MDoubleArray::get(double dest[]) const
{
    if (dest == nullptr)
        return MStatus::kFailure;
    std::copy(m_elements.begin(), m_elements.end(), dest);
    return MStatus::kSuccess;
}

MStatus MDoubleArray::setLength(unsigned int length)
{
    return resizeElements(m_elements, length);
}

unsigned int MDoubleArray::length() const
{
    return static_cast<unsigned int>(m_elements.size());
}
MStatus MDoubleArray::remove(unsigned int index)
{
    return removeElement(m_elements, index);
}
MStatus MDoubleArray::insert(double element, unsigned int index)
{
    return insertElement(m_elements, element, index);
}

MStatus MDoubleArray::append(double element)
{
    m_elements.push_back(element);
    return MStatus::kSuccess;
}

MStatus MDoubleArray::copy(const MDoubleArray& source)
{
    m_elements = source.m_elements;
    return MStatus::kSuccess;
}

MStatus MDoubleArray::clear()
{
    m_elements.clear();
    return MStatus::kSuccess;
}

void MDoubleArray::setSizeIncrement(unsigned int newIncrement)
{
    m_sizeIncrement = newIncrement;
}
unsigned int MDoubleArray::sizeIncrement() const
{
    return m_sizeIncrement;
}
