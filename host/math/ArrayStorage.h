#ifndef KAVO_HOST_MATH_ARRAYSTORAGE_H
#define KAVO_HOST_MATH_ARRAYSTORAGE_H

#include <maya/MStatus.h>

#include <new>
#include <stdexcept>
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

} // namespace kavo::host::math

#endif
