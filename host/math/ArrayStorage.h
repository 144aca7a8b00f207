#pragma once

#include <kavo/host/math/Array.h>
#include <maya/MStatus.h>

#include <algorithm>
#include <cstddef>

#include <new>
#include <stdexcept>
#include <utility>
#include <vector>

// The checked edits shared by the host's array types. Each one refuses an
// index out of range with kFailure and leaves the array as it was, instead of
// writing past its end.
namespace kavo::host::math {

template <typename E>
MStatus setElement(std::vector<E>& elements, const E& element, unsigned int index)
{
    if (index >= elements.size())
        return MStatus::kFailure;
    elements[index] = element;
    return MStatus::kSuccess;
}

template <typename E>
MStatus insertElement(std::vector<E>& elements, const E& element, unsigned int index)
{
    if (index > elements.size())
        return MStatus::kFailure;
    elements.insert(elements.begin() + index, element);
    return MStatus::kSuccess;
}

template <typename E>
MStatus removeElement(std::vector<E>& elements, unsigned int index)
{
    if (index >= elements.size())
        return MStatus::kFailure;
    elements.erase(elements.begin() + index);
    return MStatus::kSuccess;
}

// A length the memory cannot hold is refused with kInsufficientMemory; the
// array keeps its old contents.
template <typename E>
MStatus resizeElements(std::vector<E>& elements, unsigned int length)
{
    try {
        elements.resize(length);
    } catch (const std::bad_alloc&) {
        return MStatus::kInsufficientMemory;
    } catch (const std::length_error&) {
        return MStatus::kInsufficientMemory;
    }
    return MStatus::kSuccess;
}

// The elements built one by one from a C array: values, or rows of point or
// vector components, which the element types take as a pointer.
template <typename E, typename Source>
std::vector<E> fromValues(const Source values[], unsigned int count)
{
    std::vector<E> elements;
    if (values == nullptr)
        return elements;
    elements.reserve(count);
    for (unsigned int i = 0; i < count; ++i)
        elements.push_back(E(values[i]));
    return elements;
}

// Copies every element into dest, which must hold the whole array.
template <typename E>
MStatus copyOut(const std::vector<E>& elements, E dest[])
{
    if (dest == nullptr)
        return MStatus::kFailure;
    std::copy(elements.begin(), elements.end(), dest);
    return MStatus::kSuccess;
}

// Copies the first N components of each point or vector (x, y, z and, for
// a point, w) into a row of dest, which must hold the whole array.
template <int N, typename Out, typename E>
MStatus copyRows(const std::vector<E>& elements, Out dest[][N])
{
    if (dest == nullptr)
        return MStatus::kFailure;
    for (std::size_t i = 0; i < elements.size(); ++i)
        for (int c = 0; c < N; ++c)
            dest[i][c] = static_cast<Out>(elements[i][c]);
    return MStatus::kSuccess;
}

// The members of Array, for the library that instantiates it for one array
// class (Foundation for its own, OpenMaya for MPlugArray and MCallbackIdArray).

const unsigned int kDefaultSizeIncrement = 20;

template <typename E, typename Derived>
Array<E, Derived>::Array() : m_sizeIncrement(kDefaultSizeIncrement)
{
}

template <typename E, typename Derived>
Array<E, Derived>::Array(unsigned int initialSize, Value initialValue)
    : m_elements(initialSize, initialValue)
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

template <typename E, typename Derived>
Array<E, Derived>::Array(const E src[], unsigned int count) : Array(fromValues<E>(src, count))
{
}

template <typename E, typename Derived>
Array<E, Derived>::Array(std::vector<E>&& elements)
    : m_elements(std::move(elements))
    , m_sizeIncrement(kDefaultSizeIncrement)
{
}

template <typename E, typename Derived>
MStatus Array<E, Derived>::set(Value element, unsigned int index)
{
    return setElement(m_elements, element, index);
}

template <typename E, typename Derived>
MStatus Array<E, Derived>::setLength(unsigned int length)
{
    return resizeElements(m_elements, length);
}

template <typename E, typename Derived>
MStatus Array<E, Derived>::remove(unsigned int index)
{
    return removeElement(m_elements, index);
}

template <typename E, typename Derived>
MStatus Array<E, Derived>::insert(Value element, unsigned int index)
{
    return insertElement(m_elements, element, index);
}

template <typename E, typename Derived>
MStatus Array<E, Derived>::append(Value element)
{
    m_elements.push_back(element);
    return MStatus::kSuccess;
}

template <typename E, typename Derived>
MStatus Array<E, Derived>::copy(const Derived& source)
{
    m_elements = source.m_elements;
    return MStatus::kSuccess;
}

template <typename E, typename Derived>
MStatus Array<E, Derived>::clear()
{
    m_elements.clear();
    return MStatus::kSuccess;
}

template <typename E, typename Derived>
void Array<E, Derived>::setSizeIncrement(unsigned int newIncrement)
{
    m_sizeIncrement = newIncrement;
}

template <typename E, typename Derived>
unsigned int Array<E, Derived>::sizeIncrement() const
{
    return m_sizeIncrement;
}

template <typename E, typename Derived>
MStatus NumberArray<E, Derived>::get(E dest[]) const
{
    return copyOut(this->m_elements, dest);
}

template <typename E, typename Other, typename Derived>
FloatingArray<E, Other, Derived>::FloatingArray(const Other src[], unsigned int count)
    : NumberArray<E, Derived>(fromValues<E>(src, count))
{
}

template <typename E, typename Other, typename Derived>
MStatus FloatingArray<E, Other, Derived>::set(Other element, unsigned int index)
{
    return this->set(static_cast<E>(element), index);
}

template <typename E, typename Derived, int N>
ComponentArray<E, Derived, N>::ComponentArray(const double src[][N], unsigned int count)
    : Array<E, Derived>(fromValues<E>(src, count))
{
}

template <typename E, typename Derived, int N>
ComponentArray<E, Derived, N>::ComponentArray(const float src[][N], unsigned int count)
    : Array<E, Derived>(fromValues<E>(src, count))
{
}

template <typename E, typename Derived, int N>
MStatus ComponentArray<E, Derived, N>::set(double element[N], unsigned int index)
{
    return this->set(E(element), index);
}

template <typename E, typename Derived, int N>
MStatus ComponentArray<E, Derived, N>::set(float element[N], unsigned int index)
{
    return this->set(E(element), index);
}

template <typename E, typename Derived, int N>
MStatus ComponentArray<E, Derived, N>::get(double dest[][N]) const
{
    return copyRows<N>(this->m_elements, dest);
}

template <typename E, typename Derived, int N>
MStatus ComponentArray<E, Derived, N>::get(float dest[][N]) const
{
    return copyRows<N>(this->m_elements, dest);
}

template <typename E, typename Scalar, typename Derived>
MStatus PointArray<E, Scalar, Derived>::set(unsigned int index, Scalar x, Scalar y, Scalar z, Scalar w)
{
    return this->set(E(x, y, z, w), index);
}

template <typename E, typename Scalar, typename Derived>
MStatus PointArray<E, Scalar, Derived>::append(Scalar x, Scalar y, Scalar z, Scalar w)
{
    return this->append(E(x, y, z, w));
}

} // namespace kavo::host::math
