#ifndef KAVO_HOST_MUINTARRAY_H
#define KAVO_HOST_MUINTARRAY_H

#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <vector>

// A growable array of unsigned integers. set, insert and remove check the index
// and return kFailure when it is out of range; operator[] does not check.
class OPENMAYA_EXPORT MUintArray
{
public:
    MUintArray();
    MUintArray(const MUintArray& other);
    MUintArray(unsigned int initialSize, unsigned int initialValue = 0);
    MUintArray(const unsigned int src[], unsigned int count);
    ~MUintArray();

    MUintArray& operator=(const MUintArray& other);

    unsigned int operator[](unsigned int index) const;
    unsigned int& operator[](unsigned int index);

    MStatus set(unsigned int element, unsigned int index);
    // Copies every element into dest, which must hold length() values.
    MStatus get(unsigned int dest[]) const;
    MStatus setLength(unsigned int length);
    unsigned int length() const;
    MStatus remove(unsigned int index);
    // Inserts before index; index == length() appends.
    MStatus insert(unsigned int element, unsigned int index);
    MStatus append(unsigned int element);
    MStatus copy(const MUintArray& source);
    MStatus clear();
    // A growth hint only; the storage grows as needed whatever it is.
    void setSizeIncrement(unsigned int newIncrement);
    unsigned int sizeIncrement() const;

private:
    std::vector<unsigned int> m_elements;
    unsigned int m_sizeIncrement;
};

#endif
