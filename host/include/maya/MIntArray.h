#ifndef KAVO_HOST_MINTARRAY_H
#define KAVO_HOST_MINTARRAY_H

#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <cassert>
#include <vector>

// A growable array of integers. set, insert and remove check the index
// and return kFailure when it is out of range; operator[] does not check.
class OPENMAYA_EXPORT MIntArray
{
public:
    MIntArray();
    MIntArray(const MIntArray& other);
    MIntArray(unsigned int initialSize, int initialValue = 0);
    MIntArray(const int src[], unsigned int count);
    ~MIntArray();

    MIntArray& operator=(const MIntArray& other);

    // Inline: writers and passes index millions of elements.
    int operator[](unsigned int index) const
    {
        assert(index < m_elements.size());
        return m_elements[index];
    }
    int& operator[](unsigned int index)
    {
        assert(index < m_elements.size());
        return m_elements[index];
    }

    MStatus set(int element, unsigned int index);
    // Copies every element into dest, which must hold length() values.
    MStatus get(int dest[]) const;
    MStatus setLength(unsigned int length);
    unsigned int length() const { return static_cast<unsigned int>(m_elements.size()); }
    MStatus remove(unsigned int index);
    // Inserts before index; index == length() appends.
    MStatus insert(int element, unsigned int index);
    MStatus append(int element);
    MStatus copy(const MIntArray& source);
    MStatus clear();
    // A growth hint only; the storage grows as needed whatever it is.
    void setSizeIncrement(unsigned int newIncrement);
    unsigned int sizeIncrement() const;

private:
    std::vector<int> m_elements;
    unsigned int m_sizeIncrement;
};

#endif
