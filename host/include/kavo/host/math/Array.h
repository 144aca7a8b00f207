#pragma once

#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <cassert>
#include <type_traits>
#include <vector>

namespace kavo::host::math {

// The one body of the host's array classes (MDoubleArray, MPointArray,
// MPlugArray and the rest): a growable array of E, where Derived is the array
// class itself. Numbers are passed and read by value, other elements by
// reference. set, insert and remove check the index and return kFailure when
// it is out of range, leaving the array as it was; operator[] does not check.
// Copying copies the elements; moving hands the storage over (the stand-in's
// own addition: the developer kit's arrays copy instead, and code written for
// them is the same). The Derived classes inherit the constructors and add
// those with default values or conversions of their own.
//
// The members defined out of line are compiled into the host library that
// owns each array class, which instantiates the template for it.
template <typename E, typename Derived>
class DLL_PUBLIC Array
{
public:
    using Value = std::conditional_t<std::is_arithmetic_v<E>, E, const E&>;

    // Inline: writers and passes index millions of elements.
    Value operator[](unsigned int index) const
    {
        assert(index < m_elements.size());
        return m_elements[index];
    }
    E& operator[](unsigned int index)
    {
        assert(index < m_elements.size());
        return m_elements[index];
    }

    MStatus set(Value element, unsigned int index);
    // A length the memory cannot hold is refused with kInsufficientMemory;
    // the array keeps its old contents.
    MStatus setLength(unsigned int length);
    unsigned int length() const { return static_cast<unsigned int>(m_elements.size()); }
    MStatus remove(unsigned int index);
    // Inserts before index; index == length() appends.
    MStatus insert(Value element, unsigned int index);
    MStatus append(Value element);
    MStatus copy(const Derived& source);
    MStatus clear();
    // A growth hint only; the storage grows as needed whatever it is.
    void setSizeIncrement(unsigned int newIncrement);
    unsigned int sizeIncrement() const;

    Array();
    Array(unsigned int initialSize, Value initialValue);
    Array(const E src[], unsigned int count);

protected:
    explicit Array(std::vector<E>&& elements);

    std::vector<E> m_elements;

private:
    unsigned int m_sizeIncrement;
};

// An array of numbers, which also copies out into a C array.
template <typename E, typename Derived>
class DLL_PUBLIC NumberArray : public Array<E, Derived>
{
public:
    using Array<E, Derived>::Array;

    // Copies every element into dest, which must hold length() values.
    MStatus get(E dest[]) const;
};

// An array of floating-point numbers, which also takes numbers of the other
// floating-point type (Other), converting each.
template <typename E, typename Other, typename Derived>
class DLL_PUBLIC FloatingArray : public NumberArray<E, Derived>
{
public:
    using NumberArray<E, Derived>::NumberArray;
    FloatingArray() = default;
    FloatingArray(unsigned int initialSize, E initialValue = 0) : NumberArray<E, Derived>(initialSize, initialValue) {}
    FloatingArray(const Other src[], unsigned int count);

    using Array<E, Derived>::set;
    MStatus set(Other element, unsigned int index);
};

// An array of points (N = 4: x, y, z, w) or vectors (N = 3: x, y, z), which
// also converts its elements to and from rows of double or float components.
template <typename E, typename Derived, int N>
class DLL_PUBLIC ComponentArray : public Array<E, Derived>
{
public:
    using Array<E, Derived>::Array;
    ComponentArray() = default;
    ComponentArray(const double src[][N], unsigned int count);
    ComponentArray(const float src[][N], unsigned int count);

    using Array<E, Derived>::set;
    MStatus set(double element[N], unsigned int index);
    MStatus set(float element[N], unsigned int index);
    // Copies every element into dest, which must hold length() rows.
    MStatus get(double dest[][N]) const;
    MStatus get(float dest[][N]) const;
};

// An array of points whose components are of type Scalar, which also takes
// the components one by one.
template <typename E, typename Scalar, typename Derived>
class DLL_PUBLIC PointArray : public ComponentArray<E, Derived, 4>
{
public:
    using ComponentArray<E, Derived, 4>::ComponentArray;
    PointArray() = default;
    PointArray(unsigned int initialSize, const E& initialValue = E::origin)
        : ComponentArray<E, Derived, 4>(initialSize, initialValue)
    {
    }

    using Array<E, Derived>::append;
    using ComponentArray<E, Derived, 4>::set;
    MStatus set(unsigned int index, Scalar x, Scalar y, Scalar z = 0, Scalar w = 1);
    MStatus append(Scalar x, Scalar y, Scalar z = 0, Scalar w = 1);
};

} // namespace kavo::host::math
