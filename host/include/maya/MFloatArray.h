#ifndef KAVO_HOST_MFLOATARRAY_H
#define KAVO_HOST_MFLOATARRAY_H

#include <maya/MStatus.h>
#include <maya/MTypes.h>

#include <cassert>
#include <vector>

// A growable array of floats. set, insert and remove check the index
// and return kFailure when it is out of range; operator[] does not check.
class OPENMAYA_EXPORT MFloatArray
{
public:
    MFloatArray();
    MFloatArray(const MFloatArray& other);
    MFloatArray(unsigned int initialSize, float initialValue = 0);
    MFloatArray(const float src[], unsigned int count);
    MFloatArray(const double src[], unsigned int count);
    ~MFloatArray();

    MFloatArray& operator=(const MFloatArray& other);

    // Inline: writers and passes index millions of elements.
    float operator[](unsigned int index) const
    {
        assert(index < m_elements.size());
        return m_elements[index];
    }
    float& operator[](unsigned int index)
    {
        assert(index < m_elements.size());
        return m_elements[index];
    }

    MStatus set(float element, unsigned int index);
    MStatus set(double element, unsigned int index);
    // Copies every element into dest, which must hold length() values.
    MStatus get(float dest[]) const;
    MStatus setLength(unsigned int length);
    unsigned int length() const { return static_cast<unsigned int>(m_elements.size()); }
    MStatus remove(unsigned int index);
    // Inserts before index; index == length() appends.
    MStatus insert(float element, unsigned int index);
    MStatus append(float element);
    MStatus copy(const MFloatArray& source);
    MStatus clear();
    // A growth hint only; the storage grows as needed whatever it is.
    void setSizeIncrement(unsigned int newIncrement);
    unsigned int sizeIncrement() const;

private:
    std::vector<float> m_elements;
    unsigned int m_sizeIncrement;
};

#endif
