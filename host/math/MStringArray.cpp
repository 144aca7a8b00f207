#include <maya/MStringArray.h>

#include "ArrayStorage.h"

#include <cassert>
#include <cstddef>

using namespace kavo::host::math;

namespace {
const unsigned int kDefaultSizeIncrement = 20;
}

MStringArray::MStringArray() : m_sizeIncrement(kDefaultSizeIncrement) {}
MStringArray::MStringArray(const MStringArray& other) = default;

MStringArray::MStringArray(unsigned int initialSize, const MString& initialValue)
    : m_elements(initialSize, initialValue)
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MStringArray::MStringArray(const MString src[], unsigned int count)
    : m_elements(fromValues<MString>(src, count))
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MStringArray::MStringArray(const char* src[], unsigned int count)
    : m_elements(fromValues<MString>(src, count))
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

MStringArray::~MStringArray() = default;
MStringArray& MStringArray::operator=(const MStringArray& other) = default;

const MString& MStringArray::operator[](unsigned int index) const
{
    assert(index < m_elements.size());
    return m_elements[index];
}

MString& MStringArray::operator[](unsigned int index)
{
    assert(index < m_elements.size());
    return m_elements[index];
}

MStatus MStringArray::set(const MString& element, unsigned int index)
{
    return setElement(m_elements, element, index);
}

MStatus MStringArray::setLength(unsigned int length)
{
    return resizeElements(m_elements, length);
}

unsigned int MStringArray::length() const
{
    return static_cast<unsigned int>(m_elements.size());
}
MStatus MStringArray::remove(unsigned int index)
{
    return removeElement(m_elements, index);
}
MStatus MStringArray::insert(const MString& element, unsigned int index)
{
    return insertElement(m_elements, element, index);
}

MStatus MStringArray::append(const MString& element)
{
    m_elements.push_back(element);
    return MStatus::kSuccess;
}

MStatus MStringArray::copy(const MStringArray& source)
{
    m_elements = source.m_elements;
    return MStatus::kSuccess;
}

MStatus MStringArray::clear()
{
    m_elements.clear();
    return MStatus::kSuccess;
}

void MStringArray::setSizeIncrement(unsigned int newIncrement)
{
    m_sizeIncrement = newIncrement;
}
unsigned int MStringArray::sizeIncrement() const
{
    return m_sizeIncrement;
}
